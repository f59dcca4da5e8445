// Every text the departure board and its timetable windows show: clock line,
// list captions, train names and marks, empty-list messages, timetable notes,
// vehicle notes and the station picker header.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "text/language.h"

namespace vorlash::board_text {

// Clock line (caption of the main window's clock button).
inline constexpr Text kClockLinePrefix{"現在日時 ： ", "Now: "};

// Frame captions of the two departure lists and the timetable window.
inline constexpr Text kSinkansenDown{"新幹線（下り）", "Shinkansen (down)"};
inline constexpr Text kSinkansenUp{"新幹線（上り）", "Shinkansen (up)"};
// Keiyo tables 1..4: weekday down, weekday up, Saturday/holiday down and up.
inline constexpr Text kKeiyoCaption[5] = {
    {"", ""},
    {"京葉線（平日下り）", "Keiyo line (weekdays, down)"},
    {"京葉線（平日上り）", "Keiyo line (weekdays, up)"},
    {"京葉線（土休日下り）", "Keiyo line (weekends/holidays, down)"},
    {"京葉線（土休日上り）", "Keiyo line (weekends/holidays, up)"}};

// The columns of a departure-list row, for screen readers.
inline constexpr Text kListColumns{"列車名 / 発車時刻 / 行き先（到着時刻）",
                                   "Train / Departure / Destination (arrival)"};

// Row marks and messages of the departure lists.
inline constexpr Text kHurry{"急げ!!", "Hurry!!"};
inline constexpr Text kNoTrainsNow{"この時間は運行していません", "No trains run at this time"};
inline constexpr Text kServiceEnded{"本日の運行は終了しました", "Today's service has ended"};
inline constexpr Text kKeiyoRapid{"快速", "Rapid"};
inline constexpr Text kKeiyoLocal{"普通", "Local"};

// Shinkansen train names by the first letter of the train code.
struct TrainName {
  char letter;
  Text name;
};
inline constexpr TrainName kTrainNames[] = {
    {'N', {"のぞみ", "Nozomi"}},     {'H', {"ひかり", "Hikari"}},  {'K', {"こだま", "Kodama"}},
    {'Y', {"やまびこ", "Yamabiko"}}, {'M', {"こまち", "Komachi"}}, {'T', {"つばさ", "Tsubasa"}},
    {'O', {"なすの", "Nasuno"}},     {'A', {"あさひ", "Asahi"}},   {'S', {"あさま", "Asama"}},
    {'G', {"たにがわ", "Tanigawa"}},
};

// The train name for the first letter of a train code; empty when the letter
// names no train. The departure board and the connection list share it.
inline std::string_view train_name(char letter) {
  for (auto const& train : kTrainNames) {
    if (train.letter == letter) return train.name;
  }
  return {};
}

// The train name as the head of a list line: in English padded to the
// longest name ("Yamabiko", "Tanigawa") and a blank, so that the train
// numbers after it line up; in Japanese as it is.
inline std::string train_name_field(char letter) {
  std::string field(train_name(letter));
  if (language() == Language::en) field.resize(std::max<std::size_t>(field.size(), 8) + 1, ' ');
  return field;
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
struct VehicleNote {
  std::string_view code;
  Text text;
};
inline constexpr VehicleNote kVehicleNotes[] = {
    {"N", {"　【のぞみ型車両】", "  [Nozomi type]"}},
    {"G", {"　【グランドひかり】", "  [Grand Hikari]"}},
    {"W", {"　【ウエストひかり】", "  [West Hikari]"}},
    {"N5", {"　【のぞみ５００系】", "  [Nozomi 500 series]"}},
    {"N7", {"　【のぞみ７００系】", "  [Nozomi 700 series]"}},
    {"F", {"　【ファミリひかり】", "  [Family Hikari]"}},
    {"RS", {"　【Rail Star】", "  [Rail Star]"}},
    {"M", {"　【オール２階建て車両】", "  [All double-deck cars]"}},
};

// Timetable window.
inline constexpr Text kKeiyoRapidMark{"快", "R"};
inline constexpr std::string_view kKeiyoLocalMark = "  ";
inline constexpr Text kKeiyoNote{"（注）（　）内は新習志野駅とまり",
                                 "(Note) ( ) terminates at Shin-Narashino"};
// Shinkansen note lines for Editions 1..3.
inline constexpr Text kSinkansenNote[4] = {
    {"", ""},
    {"（注）無印はひかり  [　］はのぞみ　（　）はこだま",
     "(Note) plain: Hikari  [ ]: Nozomi  ( ): Kodama"},
    {"（注）無印はやまびこ  ［　］はつばさ　＜　＞はこまち　（　）はなすの",
     "(Note) plain: Yamabiko  [ ]: Tsubasa  < >: Komachi  ( ): Nasuno"},
    {"（注）無印はあさひ ［　］はあさま　（　）はたにがわ",
     "(Note) plain: Asahi  [ ]: Asama  ( ): Tanigawa"},
};

// Passing-stations window.
inline constexpr Text kArrow{" → ", " -> "};

// Station picker header for the Keiyo station field (the Shinkansen modes
// show the edition title).
inline constexpr Text kKeiyoLine{"京葉線", "Keiyo line"};

// The About box: title line, version, Edition, data date and the files.
inline constexpr Text kAboutCaption{"バージョン情報", "About"};
inline constexpr Text kAboutTitleOpen{"ソルマー時刻表（", "Solmer Timetable ("};
inline constexpr Text kAboutTitleClose{"編）＆ホテル情報", ") & Hotel Guide"};
inline constexpr Text kAboutVersion{"バージョン：", "Version: "};
inline constexpr Text kAboutEdition{"エディション：", "Edition: "};
inline constexpr Text kAboutDataDateOpen{"時刻表データ：", "Timetable data as of "};
inline constexpr Text kAboutDataDateClose{" 現在", ""};  // nothing in English
inline constexpr Text kAboutDataFile{"データファイル：", "Data file: "};
inline constexpr Text kAboutSettingsFile{"設定ファイル：", "Settings file: "};
inline constexpr Text kAboutUserHotelFile{"ユーザーホテルファイル：", "Your hotels file: "};

}  // namespace vorlash::board_text
