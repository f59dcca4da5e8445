// Texts of file and clock errors: what went wrong, in the user's words, and
// the system's reason for it. Messages name the file the user knows
// ("…/vorlash2.ini"), never a temporary file.
#pragma once

#include <string_view>

#include "text/language.h"

namespace vorlash::file_text {

// "<file>: <what>（<reason>）"
inline constexpr Text kCannotRead{"読み込めません", "cannot be read"};
inline constexpr Text kCannotSave{"保存できません", "cannot be saved"};
inline constexpr Text kOldFileKept{"元のファイルはそのままです", "the old file is unchanged"};

// The reason in brackets after what went wrong, and the end of a sentence.
inline constexpr Text kReasonOpen{"（", " ("};
inline constexpr Text kReasonClose{"）", ")"};
inline constexpr Text kSentenceEnd{"。", ". "};

// Reasons of our own checks.
inline constexpr Text kNotRegular{"通常のファイルではありません", "not a regular file"};
inline constexpr Text kIsFolder{"フォルダーです", "is a folder"};
inline constexpr Text kTooLarge{"大きすぎます", "too large"};
inline constexpr Text kSizeLimitTail{"バイトまで", " bytes at most"};
inline constexpr Text kChangedWhileReading{"読み込み中にファイルが変わりました",
                                           "the file changed while it was being read"};
inline constexpr Text kIsSymlink{"シンボリックリンクです", "is a symbolic link"};
inline constexpr Text kIsHardLinked{"ほかの名前とハードリンクでつながっています",
                                    "is hard-linked to another name"};
inline constexpr Text kDanglingLink{"シンボリックリンクの指す先がありません",
                                    "the symbolic link points to nothing"};
inline constexpr Text kNotFolder{"フォルダーではありません", "not a folder"};

// The system's reasons.
inline constexpr Text kMissing{"ファイルがありません", "no such file"};
inline constexpr Text kFolderMissing{"フォルダーがありません", "no such folder"};
inline constexpr Text kPathThroughFile{"途中にフォルダーでないものがあります",
                                       "a part of the path is not a folder"};
inline constexpr Text kReadDenied{"読み取りが許可されていません", "reading is not permitted"};
inline constexpr Text kWriteDenied{"書き込みが許可されていません", "writing is not permitted"};
inline constexpr Text kDiskFull{"ディスクがいっぱいです", "the disk is full"};
inline constexpr Text kReadOnlyPlace{"読み取り専用の場所です", "a read-only place"};
inline constexpr Text kDeviceError{"装置の読み書きに失敗しました",
                                   "the device failed to read or write"};
inline constexpr Text kNameTooLong{"名前が長すぎます", "the name is too long"};
inline constexpr Text kLinkLoop{"シンボリックリンクが循環しています", "symbolic links form a loop"};
inline constexpr Text kTooManyOpen{"開いているファイルが多すぎます", "too many open files"};
inline constexpr Text kInUse{"ほかのプログラムが使用中です", "in use by another program"};
inline constexpr Text kNoMemory{"メモリーが足りません", "out of memory"};
inline constexpr Text kOtherHead{"システムエラー（番号 ", "system error (number "};
inline constexpr Text kOtherTail{"）", ")"};

// Why the clock could not be set.
inline constexpr Text kClockNotPermitted{"時計を設定する権限がありません",
                                         "no permission to set the clock"};
inline constexpr Text kClockBadDate{"その日時は設定できません", "that date and time cannot be set"};

// The user's own folders of an installed program.
inline constexpr Text kNoUserFolder{
    "利用者のフォルダーがわかりません（環境変数 HOME が設定されていません）",
    "the user's folder is unknown (the environment variable HOME is not set)"};
inline constexpr Text kNoUserFolderWindows{
    "利用者のフォルダーがわかりません（環境変数 APPDATA が設定されていません）",
    "the user's folder is unknown (the environment variable APPDATA is not set)"};
inline constexpr Text kCannotCreateFolder{"フォルダーを作成できません", "cannot create the folder"};
inline constexpr Text kCannotCopyDefault{"初期設定のファイルをコピーできません",
                                         "cannot copy the default file"};

// An installed Edition whose data folder holds no DataFile.
inline constexpr Text kEditionNotInstalled{"この版はインストールされていません",
                                           "this Edition is not installed"};

// The lock file of the program folder cannot be made.
inline constexpr Text kCannotLock{"起動中の印を付けられません",
                                  "cannot mark the program as running"};

}  // namespace vorlash::file_text
