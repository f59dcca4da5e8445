// The texts a transit feed written by export-gtfs carries: agency, route
// names and the service and id schemes. The feed is data, in Japanese in
// every language of the program.
#pragma once

#include <string_view>

namespace vorlash::gtfs_text {

inline constexpr std::string_view kAgencyId = "VORLASH";
inline constexpr std::string_view kAgencyName = "vorlash 時刻表";  // data text: not translated
inline constexpr std::string_view kPublisherUrl = "https://vorlash.invalid/";
inline constexpr std::string_view kTimezone = "Asia/Tokyo";
inline constexpr std::string_view kLanguage = "ja";

inline constexpr std::string_view kShinkansenRoute = "SHINKANSEN";
inline constexpr std::string_view kKeiyoRoute = "KEIYO";
// Route names by Edition 1..3, and the Keiyo line.
inline constexpr std::string_view kShinkansenName[4] = {
    "新幹線",                                             // data text: not translated
    "東海道・山陽新幹線",                                 // data text: not translated
    "東北・山形・秋田新幹線",                             // data text: not translated
    "上越・長野新幹線"};                                  // data text: not translated
inline constexpr std::string_view kKeiyoName = "京葉線";  // data text: not translated
// Extended route types: high-speed rail and regional rail.
inline constexpr int kHighSpeedRail = 101;
inline constexpr int kRegionalRail = 106;

// Keiyo services: tables 1 and 2 run on weekdays, 3 and 4 on Saturdays and holidays.
inline constexpr std::string_view kKeiyoWeekday = "KEIYO_WEEKDAY";
inline constexpr std::string_view kKeiyoHoliday = "KEIYO_HOLIDAY";

}  // namespace vorlash::gtfs_text
