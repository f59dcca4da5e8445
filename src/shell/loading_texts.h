// Texts of the loading window and of a start-up that cannot complete.
#pragma once

#include <string_view>

#include "text/language.h"

namespace vorlash::loading_text {

inline constexpr Text kCaption{"ソルマー時刻表&ホテル情報", "Solmer Timetable & Hotel Guide"};
inline constexpr Text kExit{"終了", "Exit"};

// Wait messages by loading mode: start-up data, hotel data, Shinkansen search.
inline constexpr Text kStartUpMessage{"データロード中!!  しばらくお待ち下さい",
                                      "Loading data!!  Please wait"};
inline constexpr Text kHotelMessage{"ホテルデータロード中!!  しばらくお待ち下さい",
                                    "Loading hotel data!!  Please wait"};
inline constexpr Text kSearchMessage{"新幹線列車検索中!!  しばらくお待ち下さい",
                                     "Searching Shinkansen trains!!  Please wait"};

// First line of the information text: title, edition title, version.
inline constexpr Text kTitleHead{"ソルマー時刻表（", "Solmer Timetable ("};
inline constexpr Text kTitleMiddle{"編）＆ホテル情報　V", ") & Hotel Guide  V"};
// Second line: the date the timetable data describe.
inline constexpr Text kDataDateHead{"時刻表データ　", "Timetable data as of "};
inline constexpr Text kDataDateTail{" 現在", ""};  // nothing in English

// Start-up stopped by a missing or broken DataFile or SettingsFile; the
// reader's message (file and place) follows on the next line.
inline constexpr Text kStartUpFailed{"ファイルを読み込めないため、プログラムを起動できません。",
                                     "The program cannot start because a file cannot be read."};

// The lock file cannot be made where the SettingsFile is saved (a
// read-only folder, a planted link): the program would lose what it saves.
inline constexpr Text kFolderNotWritable{
    "設定を保存するフォルダーに書き込めないため、プログラムを起動できません。",
    "The program cannot start because the folder where its settings are saved cannot be written."};

// A second copy started in the same program folder: both would save the
// same files on exit.
inline constexpr Text kAlreadyRunning{
    "このフォルダーのプログラムはすでに起動しています。同時に二つは起動できません。",
    "The program in this folder is already running. Two cannot run at the same time."};
// The same for an installed program: one copy per Edition and user.
inline constexpr Text kAlreadyRunningEdition{
    "このエディションのプログラムはすでに起動しています。同時に二つは起動できません。",
    "This Edition of the program is already running. Two cannot run at the same time."};
// Not shown: the running copy came to the front instead of a second start.
inline constexpr Text kShownRunningCopy{"起動中のプログラムを前面に表示しました。",
                                        "The running program was brought to the front."};

}  // namespace vorlash::loading_text
