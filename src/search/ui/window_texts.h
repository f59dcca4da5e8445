// Captions of the Shinkansen search window, the calendar and the search
// results window. The messages of the checks, the order names and the
// printout texts are in search/search_texts.h.
#pragma once

#include <array>
#include <string_view>

#include "text/language.h"

namespace vorlash::search_window_text {

// Search conditions (SearchConditionsWindow).
inline constexpr Text kSearchCaption{"新幹線の検索", "Shinkansen search"};
inline constexpr Text kBoardingFrame{"乗車条件", "Boarding"};
inline constexpr Text kBoardingStation{"乗車駅", "From"};
inline constexpr Text kDepartureTime{"発車時刻", "Departure"};
inline constexpr Text kAlightingFrame{"下車条件", "Alighting"};
inline constexpr Text kAlightingStation{"下車駅", "To"};
inline constexpr Text kArrivalTime{"到着時刻", "Arrival"};
inline constexpr Text kHour{"時", ":"};
inline constexpr Text kMinute{"分", ""};  // nothing in English
inline constexpr Text kUntil{"～", "-"};
inline constexpr Text kOrderFrame{"検索結果の表示条件", "Order of the results"};
inline constexpr Text kTransferFrame{"乗り換え時の条件", "Transfers"};
inline constexpr Text kWaitTime{"待ち合わせ時間", "Transfer time"};
inline constexpr Text kTransferCountFrame{"乗り換え回数", "Number of transfers"};
inline constexpr Text kOneTransfer{"１回", "1"};
inline constexpr Text kTwoTransfers{"２回", "2"};
inline constexpr Text kCombinationFrame{"組み合わせ条件", "Combinations"};
inline constexpr Text kOnePerTrain{"１列車あたり１件", "One per train"};
inline constexpr Text kAllPerTrain{"１列車あたり全件", "All per train"};
inline constexpr Text kDateFrame{"乗車予定日", "Travel date"};
inline constexpr Text kYear{"年", "Y"};
inline constexpr Text kMonth{"月", "M"};
inline constexpr Text kDay{"日", "D"};
inline constexpr Text kCalendarButton{"ｶﾚﾝﾀﾞｰ", "Calendar"};
inline constexpr Text kStart{"検索開始", "Search"};
inline constexpr Text kEnd{"終了", "Close"};

// Calendar (CalendarWindow).
inline constexpr Text kCalendarCaption{"カレンダｰ", "Calendar"};
// The month box's name for screen readers (the box has no label).
inline constexpr Text kCalendarMonthName{"表示する年月", "Month shown"};
// The scroll bar's name: it moves the calendar by months.
inline constexpr Text kCalendarScrollName{"月の移動", "Move by months"};
inline constexpr std::array<std::string_view, 7> kWeekdayHeadings = {"Sun", "Mon", "Tue", "Wed",
                                                                     "Thu", "Fri", "Sat"};

// Search results (SearchResultsWindow).
inline constexpr Text kResultsCaption{"新幹線検索結果", "Shinkansen search results"};
inline constexpr Text kListHeading{"新幹線検索結果", "Shinkansen search results"};
inline constexpr Text kFareHeading{"新幹線運賃情報", "Shinkansen fares"};
inline constexpr Text kEndSearch{"検索終了", "Close"};
inline constexpr Text kPrint{"印刷", "Print"};
inline constexpr Text kSearchAgain{"再検索", "Search again"};

}  // namespace vorlash::search_window_text
