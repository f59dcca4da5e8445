// Texts of file and clock errors: what went wrong, in the user's words, and
// the system's reason for it. Messages name the file the user knows
// ("…/vorlash2.ini"), never a temporary file.
#pragma once

#include <string_view>

namespace vorlash::file_text {

// "<file>: <what>（<reason>）"
inline constexpr std::string_view kCannotRead = "読み込めません";
inline constexpr std::string_view kCannotSave = "保存できません";
inline constexpr std::string_view kOldFileKept = "元のファイルはそのままです";

// Reasons of our own checks.
inline constexpr std::string_view kNotRegular = "通常のファイルではありません";
inline constexpr std::string_view kIsFolder = "フォルダーです";
inline constexpr std::string_view kTooLarge = "大きすぎます";
inline constexpr std::string_view kSizeLimitTail = "バイトまで";
inline constexpr std::string_view kChangedWhileReading = "読み込み中にファイルが変わりました";
inline constexpr std::string_view kIsSymlink = "シンボリックリンクです";
inline constexpr std::string_view kIsHardLinked = "ほかの名前とハードリンクでつながっています";
inline constexpr std::string_view kDanglingLink = "シンボリックリンクの指す先がありません";
inline constexpr std::string_view kNotFolder = "フォルダーではありません";

// The system's reasons.
inline constexpr std::string_view kMissing = "ファイルがありません";
inline constexpr std::string_view kFolderMissing = "フォルダーがありません";
inline constexpr std::string_view kPathThroughFile = "途中にフォルダーでないものがあります";
inline constexpr std::string_view kReadDenied = "読み取りが許可されていません";
inline constexpr std::string_view kWriteDenied = "書き込みが許可されていません";
inline constexpr std::string_view kDiskFull = "ディスクがいっぱいです";
inline constexpr std::string_view kReadOnlyPlace = "読み取り専用の場所です";
inline constexpr std::string_view kDeviceError = "装置の読み書きに失敗しました";
inline constexpr std::string_view kNameTooLong = "名前が長すぎます";
inline constexpr std::string_view kLinkLoop = "シンボリックリンクが循環しています";
inline constexpr std::string_view kTooManyOpen = "開いているファイルが多すぎます";
inline constexpr std::string_view kInUse = "ほかのプログラムが使用中です";
inline constexpr std::string_view kNoMemory = "メモリーが足りません";
inline constexpr std::string_view kOtherHead = "システムエラー（番号 ";
inline constexpr std::string_view kOtherTail = "）";

// Why the clock could not be set.
inline constexpr std::string_view kClockNotPermitted = "時計を設定する権限がありません";
inline constexpr std::string_view kClockBadDate = "その日時は設定できません";

// The user's own folders of an installed program.
inline constexpr std::string_view kNoUserFolder =
    "利用者のフォルダーがわかりません（環境変数 HOME が設定されていません）";
inline constexpr std::string_view kNoUserFolderWindows =
    "利用者のフォルダーがわかりません（環境変数 APPDATA が設定されていません）";
inline constexpr std::string_view kCannotCreateFolder = "フォルダーを作成できません";
inline constexpr std::string_view kCannotCopyDefault = "初期設定のファイルをコピーできません";

// An installed Edition whose data folder holds no DataFile.
inline constexpr std::string_view kEditionNotInstalled = "この版はインストールされていません";

// The lock file of the program folder cannot be made.
inline constexpr std::string_view kCannotLock = "起動中の印を付けられません";

}  // namespace vorlash::file_text
