#include "text/date.h"

#include <cmath>

#include "text/date_texts.h"
#include "text/number_format.h"

namespace vorlash {

namespace {

// Days from 1970-01-01 of a civil date (proleptic Gregorian).
long long days_from_civil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  long long const era = (y >= 0 ? y : y - 399) / 400;
  auto const yoe = static_cast<unsigned>(y - era * 400);
  unsigned const doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  unsigned const doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

// 1899-12-30 is day 0 of the platform's date type; 1970-01-01 is day 25569.
constexpr long long kUnixEpochDay = 25569;

}  // namespace

int day_number(int year, int month, int day) {
  return static_cast<int>(
      days_from_civil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
      kUnixEpochDay);
}

CivilDate civil_date(int day_number_value) {
  long long z = day_number_value - kUnixEpochDay + 719468;
  long long const era = (z >= 0 ? z : z - 146096) / 146097;
  auto const doe = static_cast<unsigned>(z - era * 146097);
  unsigned const yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  long long const y = static_cast<long long>(yoe) + era * 400;
  unsigned const doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  unsigned const mp = (5 * doy + 2) / 153;
  unsigned const d = doy - (153 * mp + 2) / 5 + 1;
  unsigned const m = mp < 10 ? mp + 3 : mp - 9;
  return CivilDate{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

int weekday_of(int day_number_value) {
  // Day 0 (1899-12-30) was a Saturday (7).
  int const r = ((day_number_value % 7) + 7) % 7;
  return (r + 6) % 7 + 1;
}

bool is_leap_year(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int month_length(int year, int month) {
  static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  if (month == 2 && is_leap_year(year)) return 29;
  return kLengths[month - 1];
}

bool is_valid_date(int year, int month, int day) {
  return year >= 1 && year <= 9999 && day >= 1 && day <= month_length(year, month);
}

std::string weekday_name(int weekday) {
  if (weekday < 1 || weekday > 7) return {};
  return date_text::kWeekdays[weekday - 1].str();
}

namespace {

std::string ymd_text(int dn) {
  CivilDate const c = civil_date(dn);
  std::string_view const sep = date_text::kDateSeparator;
  return format_number(c.year, "0000") + std::string(sep) + format_number(c.month, "00") +
         std::string(sep) + format_number(c.day, "00");
}

}  // namespace

std::string format_date_jp(int dn) {
  return ymd_text(dn) + date_text::kWeekdayOpen + weekday_name(weekday_of(dn)) +
         date_text::kWeekdayClose;
}

std::string format_date_paren(int dn) {
  return ymd_text(dn) + " (" + weekday_name(weekday_of(dn)) + ")";
}

std::string format_weekday_paren(int dn) {
  return "(" + weekday_name(weekday_of(dn)) + ")";
}

double time_of_day(int hour, int minute, int second) {
  return (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

void split_time_of_day(double t, int& hour, int& minute, int& second) {
  // Round to the nearest second first: 14:05:00 held as a fraction must not
  // come back as 14:04:59.
  long long s = std::llround(t * 86400.0);
  s %= 86400;
  if (s < 0) s += 86400;
  hour = static_cast<int>(s / 3600);
  minute = static_cast<int>((s / 60) % 60);
  second = static_cast<int>(s % 60);
}

std::string format_hh_mm(double t) {
  int h = 0, m = 0, s = 0;
  split_time_of_day(t, h, m, s);
  return format_number(h, "00") + ":" + format_number(m, "00");
}

}  // namespace vorlash
