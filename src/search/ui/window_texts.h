// Captions of the Shinkansen search window, the calendar and the search
// results window. The messages of the checks, the order names and the
// printout texts are in search/search_texts.h.
#pragma once

#include <array>
#include <string_view>

namespace vorlash::search_window_text {

// Search conditions (timetable25).
inline constexpr std::string_view kSearchCaption = "新幹線の検索";
inline constexpr std::string_view kBoardingFrame = "乗車条件";
inline constexpr std::string_view kBoardingStation = "乗車駅";
inline constexpr std::string_view kDepartureTime = "発車時刻";
inline constexpr std::string_view kAlightingFrame = "下車条件";
inline constexpr std::string_view kAlightingStation = "下車駅";
inline constexpr std::string_view kArrivalTime = "到着時刻";
inline constexpr std::string_view kHour = "時";
inline constexpr std::string_view kMinute = "分";
inline constexpr std::string_view kUntil = "～";
inline constexpr std::string_view kOrderFrame = "検索結果の表示条件";
inline constexpr std::string_view kTransferFrame = "乗り換え時の条件";
inline constexpr std::string_view kWaitTime = "待ち合わせ時間";
inline constexpr std::string_view kTransferCountFrame = "乗り換え回数";
inline constexpr std::string_view kOneTransfer = "１回";
inline constexpr std::string_view kTwoTransfers = "２回";
inline constexpr std::string_view kCombinationFrame = "組み合わせ条件";
inline constexpr std::string_view kOnePerTrain = "１列車あたり１件";
inline constexpr std::string_view kAllPerTrain = "１列車あたり全件";
inline constexpr std::string_view kDateFrame = "乗車予定日";
inline constexpr std::string_view kYear = "年";
inline constexpr std::string_view kMonth = "月";
inline constexpr std::string_view kDay = "日";
inline constexpr std::string_view kCalendarButton = "ｶﾚﾝﾀﾞｰ";
inline constexpr std::string_view kStart = "検索開始";
inline constexpr std::string_view kEnd = "終了";

// Calendar (timetable4).
inline constexpr std::string_view kCalendarCaption = "カレンダｰ";
// The month box's name for screen readers (the box has no label).
inline constexpr std::string_view kCalendarMonthName = "表示する年月";
// The scroll bar's name: it moves the calendar by months.
inline constexpr std::string_view kCalendarScrollName = "月の移動";
inline constexpr std::array<std::string_view, 7> kWeekdayHeadings = {"Sun", "Mon", "Tue", "Wed",
                                                                     "Thu", "Fri", "Sat"};

// Search results (timetable26).
inline constexpr std::string_view kResultsCaption = "新幹線検索結果";
inline constexpr std::string_view kListHeading = "新幹線検索結果";
inline constexpr std::string_view kFareHeading = "新幹線運賃情報";
inline constexpr std::string_view kEndSearch = "検索終了";
inline constexpr std::string_view kPrint = "印刷";
inline constexpr std::string_view kSearchAgain = "再検索";

}  // namespace vorlash::search_window_text
