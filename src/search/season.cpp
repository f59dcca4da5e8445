// Season class and discount-ticket flags of the planned travel date.
#include <algorithm>
#include <string>

#include "data/app_state.h"
#include "search/fare_calc.h"
#include "search/fare_texts.h"
#include "text/date.h"

namespace vorlash {

namespace {

constexpr int kSunday = 1;
constexpr int kSaturday = 7;

// Off-peak reductions apply Monday to Thursday only: Friday and the weekend
// carry the weekend traffic, so they never count as off-peak days.
bool is_offpeak_weekday(int weekday) {
  return weekday >= 2 && weekday <= 5;
}

int listed_holidays(AppState const& state) {
  return std::clamp(state.holiday_count, 0, kMaxHolidays);
}

// The day number of listed holiday i in the planned year, 0 when the entry is
// no date in that year (the "no holiday" marker 99/99, or 29 February of a
// common year).
int holiday_date(AppState const& state, int i) {
  int const year = state.cond.plan_year;
  int const month = state.holiday_month[i];
  int const day = state.holiday_day[i];
  if (!is_valid_date(year, month, day)) return 0;
  return day_number(year, month, day);
}

bool is_listed_holiday(AppState const& state, int date) {
  int const count = listed_holidays(state);
  for (int i = 1; i <= count; ++i) {
    int const h = holiday_date(state, i);
    if (h != 0 && h == date) return true;
  }
  return false;
}

bool is_peak(int m, int d) {
  return (m == 1 && d <= 10) || (m == 3 && d >= 21) || (m == 4 && (d <= 5 || d >= 28)) ||
         (m == 5 && d <= 6) || (m == 7 && d >= 21) || m == 8 || (m == 12 && d >= 25);
}

bool is_offpeak_candidate(int m, int d) {
  return (m == 1 && d >= 16) || m == 2 || m == 6 || m == 9 || m == 11 || (m == 12 && d <= 20);
}

// Days on which no discount ticket may be used: New Year, Golden Week,
// the mid-August holidays and the end of the year.
bool is_ticket_blackout(int m, int d) {
  return (m == 1 && d <= 6) || (m == 4 && d >= 27 && d <= 30) || (m == 5 && d <= 6) ||
         (m == 8 && d >= 11 && d <= 20) || (m == 12 && d >= 28);
}

}  // namespace

std::string season_text(int season_class) {
  switch (season_class) {
    case 1:
      return std::string(fare_texts::kSeasonRegular);
    case 2:
      return std::string(fare_texts::kSeasonPeak);
    case 3:
      return std::string(fare_texts::kSeasonOffPeak);
    default:
      return {};
  }
}

void set_near_holiday(const AppState& state, FareFlags& flags) {
  flags.near_holiday = 0;
  int const date = state.cond.plan_date;
  int const count = listed_holidays(state);
  for (int i = 1; i <= count; ++i) {
    int const h = holiday_date(state, i);
    if (h == 0) continue;
    if (date == h || date == h - 1 || (date == h + 1 && weekday_of(h) == kSunday)) {
      flags.near_holiday = 1;
      return;
    }
  }
}

void set_kikan(const AppState& state, FareFlags& flags) {
  set_near_holiday(state, flags);
  int const m = state.cond.plan_month;
  int const d = state.cond.plan_day;
  flags.season_class = 1;
  if (is_peak(m, d)) {
    flags.season_class = 2;
  } else if (is_offpeak_candidate(m, d) && flags.near_holiday == 0 &&
             is_offpeak_weekday(state.cond.plan_weekday)) {
    flags.season_class = 3;
  }
}

void chk_yukoh(const AppState& state, FareFlags& flags) {
  int const m = state.cond.plan_month;
  int const d = state.cond.plan_day;
  int const weekday = state.cond.plan_weekday;
  flags.ticket_ok = !is_ticket_blackout(m, d);
  flags.weekend_ok = weekday == kSunday || weekday == kSaturday;
  flags.offpeak_ok =
      weekday >= 2 && weekday <= 6 && !is_listed_holiday(state, state.cond.plan_date);
}

}  // namespace vorlash
