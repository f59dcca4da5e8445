// Every text the departure board and its timetable windows show: clock line,
// list captions, train names and marks, empty-list messages, timetable notes,
// vehicle notes and the station picker header.
#pragma once

#include <string_view>

namespace vorlash::board_text {

// Clock line (caption of the main window's clock button).
inline constexpr std::string_view kClockLinePrefix = "現在日時 ： ";

// Frame captions of the two departure lists and the timetable window.
inline constexpr std::string_view kSinkansenDown = "新幹線（下り）";
inline constexpr std::string_view kSinkansenUp = "新幹線（上り）";
// Keiyo tables 1..4: weekday down, weekday up, Saturday/holiday down and up.
inline constexpr std::string_view kKeiyoCaption[5] = {
    "", "京葉線（平日下り）", "京葉線（平日上り）", "京葉線（土休日下り）", "京葉線（土休日上り）"};

// The columns of a departure-list row, for screen readers.
inline constexpr std::string_view kListColumns = "列車名 / 発車時刻 / 行き先（到着時刻）";

// Row marks and messages of the departure lists.
inline constexpr std::string_view kHurry = "急げ!!";
inline constexpr std::string_view kNoTrainsNow = "この時間は運行していません";
inline constexpr std::string_view kServiceEnded = "本日の運行は終了しました";
inline constexpr std::string_view kKeiyoRapid = "快速";
inline constexpr std::string_view kKeiyoLocal = "普通";

// Shinkansen train names by the first letter of the train code.
struct TrainName {
  char letter;
  std::string_view name;
};
inline constexpr TrainName kTrainNames[] = {
    {'N', "のぞみ"}, {'H', "ひかり"}, {'K', "こだま"}, {'Y', "やまびこ"}, {'M', "こまち"},
    {'T', "つばさ"}, {'O', "なすの"}, {'A', "あさひ"}, {'S', "あさま"},   {'G', "たにがわ"},
};

// The train name for the first letter of a train code; empty when the letter
// names no train. The departure board and the connection list share it.
constexpr std::string_view train_name(char letter) {
  for (auto const& train : kTrainNames) {
    if (train.letter == letter) return train.name;
  }
  return {};
}

// One-character vehicle marks of the departure list, by vehicle type code.
struct VehicleText {
  std::string_view code;
  std::string_view text;
};
inline constexpr VehicleText kVehicleMarks[] = {
    {"N", "N"},  {"G", "G"}, {"W", "W"},  {"N5", "n"},
    {"N7", "E"}, {"F", "F"}, {"RS", "R"}, {"M", "M"},
};
inline constexpr std::string_view kNoVehicleMark = " ";

// Vehicle notes of the passing-stations window, by vehicle type code.
inline constexpr VehicleText kVehicleNotes[] = {
    {"N", "　【のぞみ型車両】"},    {"G", "　【グランドひかり】"},
    {"W", "　【ウエストひかり】"},  {"N5", "　【のぞみ５００系】"},
    {"N7", "　【のぞみ７００系】"}, {"F", "　【ファミリひかり】"},
    {"RS", "　【Rail Star】"},      {"M", "　【オール２階建て車両】"},
};

// Timetable window.
inline constexpr std::string_view kKeiyoRapidMark = "快";
inline constexpr std::string_view kKeiyoLocalMark = "  ";
inline constexpr std::string_view kKeiyoNote = "（注）（　）内は新習志野駅とまり";
// Shinkansen note lines for Editions 1..3.
inline constexpr std::string_view kSinkansenNote[4] = {
    "",
    "（注）無印はひかり  [　］はのぞみ　（　）はこだま",
    "（注）無印はやまびこ  ［　］はつばさ　＜　＞はこまち　（　）はなすの",
    "（注）無印はあさひ ［　］はあさま　（　）はたにがわ",
};

// Passing-stations window.
inline constexpr std::string_view kArrow = " → ";

// Station picker header for the Keiyo station field (the Shinkansen modes
// show the edition title).
inline constexpr std::string_view kKeiyoLine = "京葉線";

// The About box: title line, version, Edition, data date and the files.
inline constexpr std::string_view kAboutCaption = "バージョン情報";
inline constexpr std::string_view kAboutTitleOpen = "ソルマー時刻表（";
inline constexpr std::string_view kAboutTitleClose = "編）＆ホテル情報";
inline constexpr std::string_view kAboutVersion = "バージョン：";
inline constexpr std::string_view kAboutEdition = "エディション：";
inline constexpr std::string_view kAboutDataDateOpen = "時刻表データ：";
inline constexpr std::string_view kAboutDataDateClose = " 現在";
inline constexpr std::string_view kAboutDataFile = "データファイル：";
inline constexpr std::string_view kAboutSettingsFile = "設定ファイル：";
inline constexpr std::string_view kAboutUserHotelFile = "ユーザーホテルファイル：";

}  // namespace vorlash::board_text
