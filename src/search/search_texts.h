// Every text the Shinkansen search shows: the search window's messages, the
// result list, the header, the legend and the printout lines.
#pragma once

#include <string_view>

namespace vorlash::search_texts {

// Message line of the search window.
inline constexpr std::string_view kInputError = "入力エラーです";
inline constexpr std::string_view kBadCombination = "指定できない組み合わせです";
inline constexpr std::string_view kTwoHourRule = "発車時刻の範囲を２時間以内としてください";

// Confirmation before a search with two transfers.
inline constexpr std::string_view kConfirmTitle = "確認メッセージ";
inline constexpr std::string_view kConfirmTwoTransfers =
    "乗り換え回数が２回の場合、検索に時間がかかります";
inline constexpr int kConfirmTwoTransfersHelp = 258;

// Option captions of the display order, for sort_order 1, 2, 3.
inline constexpr std::string_view kOrderDeparture = "発車時刻順";
inline constexpr std::string_view kOrderArrival = "到着時刻順";
inline constexpr std::string_view kOrderRide = "乗車時間順";

// Loading window text while the search runs.
inline constexpr std::string_view kSearching = "新幹線列車検索中!!  しばらくお待ち下さい";

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
inline constexpr std::string_view kRideClose = "分]";
inline constexpr std::string_view kDeparts = "発)→";
inline constexpr std::string_view kArrives = "着) ";
inline constexpr std::string_view kContinues = "～ ";

// No connection found.
inline constexpr std::string_view kNoConnection = "条件にあう新幹線を検索できませんでした";
inline constexpr std::string_view kBoardingCondition = "乗車条件：";
inline constexpr std::string_view kAlightingCondition = "下車条件：";

// Header line of the results window.
inline constexpr std::string_view kHeaderArrow = " → ";
inline constexpr std::string_view kHeaderOpen = "  【";
inline constexpr std::string_view kHeaderClose = "】";
inline constexpr std::string_view kHeaderOrder = "　表示順序：";

// Legend of the vehicle marks.
inline constexpr std::string_view kLegendEdition1 =
    "列車名の[N]:のぞみ型 [n]:のぞみ500系 [E]:のぞみ700系 [G]:ｸﾞﾗﾝﾄﾞひかり [W]:ｳｴｽﾄひかり "
    "[R]:Rail Star";
inline constexpr std::string_view kLegendOther =
    "列車名の[M]は「オール２階建て車両」で運行しています";

// Printout.
inline constexpr std::string_view kPrintConfirm = "印刷開始します！！";
inline constexpr int kPrintConfirmHelp = 257;
inline constexpr std::string_view kPrintFont = "ＭＳ ゴシック";
inline constexpr int kPrintFontPoints = 9;
inline constexpr std::string_view kPrintTitleOpen = "ソルマー時刻表（";
inline constexpr std::string_view kPrintTitleMiddle = "編）＆ホテル情報　(Version ";
inline constexpr std::string_view kPrintTitleClose = ")";
inline constexpr std::string_view kPrintStations = "　検索条件　　乗車駅　：";
inline constexpr std::string_view kPrintAlighting = "　下車駅：";
inline constexpr std::string_view kPrintDepartureTimes = "              乗車時間：";
inline constexpr std::string_view kPrintArrivalTimes = "              下車時間：";
inline constexpr std::string_view kPrintTimesBetween = " ～ ";
inline constexpr std::string_view kPrintTransfers = "　　　　　　　乗換条件：";
inline constexpr std::string_view kPrintOneTransfer = "１回乗り換え";
inline constexpr std::string_view kPrintTwoTransfers = "２回乗り換え";
inline constexpr std::string_view kPrintWaitOpen = "　　［乗り換え時間：";
inline constexpr std::string_view kPrintWaitClose = "分］";
inline constexpr std::string_view kPrintOrder = "　　　　　　　表示順　：";
inline constexpr std::string_view kPrintDate = "              日付　　：";

}  // namespace vorlash::search_texts
