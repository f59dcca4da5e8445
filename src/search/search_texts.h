// Every text the Shinkansen search shows: the search window's messages, the
// result list, the header, the legend and the printout lines.
#pragma once

#include <string_view>

#include "text/language.h"

namespace vorlash::search_texts {

// Message line of the search window.
inline constexpr Text kInputError{"入力エラーです", "Input error"};
inline constexpr Text kBadCombination{"指定できない組み合わせです",
                                      "This combination cannot be chosen"};
inline constexpr Text kTwoHourRule{"発車時刻の範囲を２時間以内としてください",
                                   "Keep the departure time range within 2 hours"};

// Confirmation before a search with two transfers.
inline constexpr Text kConfirmTitle{"確認メッセージ", "Confirmation"};
inline constexpr Text kConfirmTwoTransfers{"乗り換え回数が２回の場合、検索に時間がかかります",
                                           "A search with two transfers takes time"};
inline constexpr int kConfirmTwoTransfersHelp = 258;

// Option captions of the display order, for sort_order 1, 2, 3.
inline constexpr Text kOrderDeparture{"発車時刻順", "By departure"};
inline constexpr Text kOrderArrival{"到着時刻順", "By arrival"};
inline constexpr Text kOrderRide{"乗車時間順", "By travel time"};

// Loading window text while the search runs.
inline constexpr Text kSearching{"新幹線列車検索中!!  しばらくお待ち下さい",
                                 "Searching Shinkansen trains!!  Please wait"};

// Vehicle marks of the connection list, by vehicle type code.
struct VehicleMark {
  std::string_view code;
  std::string_view mark;
};
inline constexpr VehicleMark kVehicleMarks[] = {
    {"N", "N "},  {"G", "G "}, {"W", "W "},  {"N5", "n "},
    {"N7", "E "}, {"F", "F "}, {"RS", "R "}, {"M", "M "},
};
inline constexpr std::string_view kNoVehicleMark = "  ";

// Connection list.
inline constexpr std::string_view kRideOpen = "[";
inline constexpr Text kRideClose{"分]", " min]"};
inline constexpr Text kDeparts{"発)→", " dep)->"};
inline constexpr Text kArrives{"着) ", " arr) "};
inline constexpr Text kContinues{"～ ", "-> "};

// No connection found.
inline constexpr Text kNoConnection{"条件にあう新幹線を検索できませんでした",
                                    "No Shinkansen connection meets the conditions"};
inline constexpr Text kBoardingCondition{"乗車条件：", "Boarding: "};
inline constexpr Text kAlightingCondition{"下車条件：", "Alighting: "};

// Header line of the results window.
inline constexpr Text kHeaderArrow{" → ", " -> "};
inline constexpr Text kHeaderOpen{"  【", "  ["};
inline constexpr Text kHeaderClose{"】", "]"};
inline constexpr Text kHeaderOrder{"　表示順序：", "  Order: "};

// Legend of the vehicle marks.
inline constexpr Text kLegendEdition1{
    "列車名の[N]:のぞみ型 [n]:のぞみ500系 [E]:のぞみ700系 [G]:ｸﾞﾗﾝﾄﾞひかり [W]:ｳｴｽﾄひかり "
    "[R]:Rail Star",
    "Train marks [N]: Nozomi type [n]: Nozomi 500 series [E]: Nozomi 700 series [G]: Grand Hikari "
    "[W]: West Hikari [R]: Rail Star"};
inline constexpr Text kLegendOther{"列車名の[M]は「オール２階建て車両」で運行しています",
                                   "Trains marked [M] run with all double-deck cars"};

// Printout.
inline constexpr Text kPrintConfirm{"印刷開始します！！", "Printing starts!!"};
inline constexpr int kPrintConfirmHelp = 257;
inline constexpr std::string_view kPrintFont = "ＭＳ ゴシック";  // data text: not translated
inline constexpr int kPrintFontPoints = 9;
inline constexpr Text kPrintTitleOpen{"ソルマー時刻表（", "Solmer Timetable ("};
inline constexpr Text kPrintTitleMiddle{"編）＆ホテル情報　(Version ", ") & Hotel Guide (Version "};
inline constexpr std::string_view kPrintTitleClose = ")";
inline constexpr Text kPrintStations{"　検索条件　　乗車駅　：", "  Search:     From       : "};
inline constexpr Text kPrintAlighting{"　下車駅：", "  To: "};
inline constexpr Text kPrintDepartureTimes{"              乗車時間：",
                                           "              Departure  : "};
inline constexpr Text kPrintArrivalTimes{"              下車時間：", "              Arrival    : "};
inline constexpr Text kPrintTimesBetween{" ～ ", " - "};
inline constexpr Text kPrintTransfers{"　　　　　　　乗換条件：", "              Transfers  : "};
inline constexpr Text kPrintOneTransfer{"１回乗り換え", "1 transfer"};
inline constexpr Text kPrintTwoTransfers{"２回乗り換え", "2 transfers"};
inline constexpr Text kPrintWaitOpen{"　　［乗り換え時間：", "  [transfer time: "};
inline constexpr Text kPrintWaitClose{"分］", " min]"};
inline constexpr Text kPrintOrder{"　　　　　　　表示順　：", "              Order      : "};
inline constexpr Text kPrintDate{"              日付　　：", "              Date       : "};

}  // namespace vorlash::search_texts
