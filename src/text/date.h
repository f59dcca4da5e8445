// Dates as day numbers of the platform's date type (days from 1899-12-30) and
// the date texts of the windows.
#pragma once

#include <string>

namespace vorlash {

struct CivilDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

int day_number(int year, int month, int day);  // 2000-03-11 -> 36596
CivilDate civil_date(int day_number);
int weekday_of(int day_number);  // 1 Sunday .. 7 Saturday

bool is_leap_year(int year);            // Gregorian rule
int month_length(int year, int month);  // 0 for a month outside 1..12
bool is_valid_date(int year, int month, int day);

// 日, 月, 火, 水, 木, 金, 土 for weekday 1..7 ("" outside).
std::string weekday_name(int weekday);

std::string format_date_jp(int day_number);        // "2000/03/11（土）"
std::string format_date_paren(int day_number);     // "2000/03/11 (土)"
std::string format_weekday_paren(int day_number);  // "(土)"

// Time of day as a fraction of a day.
double time_of_day(int hour, int minute, int second);
// Splits a fraction of a day (0 <= t < 1) into whole hour, minute, second.
void split_time_of_day(double t, int& hour, int& minute, int& second);
std::string format_hh_mm(double t);  // "14:05"

// Minutes of an hhmm time: 1234 -> 754.
inline int hhmm_minutes(int hhmm) {
  return (hhmm / 100) * 60 + hhmm % 100;
}

}  // namespace vorlash
