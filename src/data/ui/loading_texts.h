// Texts of the loading window and of a start-up that cannot complete.
#pragma once

#include <string_view>

namespace vorlash::loading_text {

inline constexpr std::string_view kCaption = "ソルマー時刻表&ホテル情報";
inline constexpr std::string_view kExit = "終了";

// Wait messages by loading mode: start-up data, hotel data, Shinkansen search.
inline constexpr std::string_view kStartUpMessage = "データロード中!!  しばらくお待ち下さい";
inline constexpr std::string_view kHotelMessage = "ホテルデータロード中!!  しばらくお待ち下さい";
inline constexpr std::string_view kSearchMessage = "新幹線列車検索中!!  しばらくお待ち下さい";

// First line of the information text: title, edition title, version.
inline constexpr std::string_view kTitleHead = "ソルマー時刻表（";
inline constexpr std::string_view kTitleMiddle = "編）＆ホテル情報　V";
// Second line: the date the timetable data describe.
inline constexpr std::string_view kDataDateHead = "時刻表データ　";
inline constexpr std::string_view kDataDateTail = " 現在";

// Start-up stopped by a missing or broken DataFile or SettingsFile; the
// reader's message (file and place) follows on the next line.
inline constexpr std::string_view kStartUpFailed =
    "ファイルを読み込めないため、プログラムを起動できません。";

// The lock file cannot be made where the SettingsFile is saved (a
// read-only folder, a planted link): the program would lose what it saves.
inline constexpr std::string_view kFolderNotWritable =
    "設定を保存するフォルダーに書き込めないため、プログラムを起動できません。";

// A second copy started in the same program folder: both would save the
// same files on exit.
inline constexpr std::string_view kAlreadyRunning =
    "このフォルダーのプログラムはすでに起動しています。同時に二つは起動できません。";
// The same for an installed program: one copy per Edition and user.
inline constexpr std::string_view kAlreadyRunningEdition =
    "このエディションのプログラムはすでに起動しています。同時に二つは起動できません。";
// Not shown: the running copy came to the front instead of a second start.
inline constexpr std::string_view kShownRunningCopy = "起動中のプログラムを前面に表示しました。";

}  // namespace vorlash::loading_text
