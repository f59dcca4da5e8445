// "検索開始" of the search window: the station combination rule, the two-hour
// rule for two transfers, and the storing of the accepted conditions.
#include <algorithm>

#include "search/search_form.h"
#include "search/search_texts.h"
#include "text/date.h"
#include "text/numeric.h"
#include "text/utf8.h"

namespace vorlash {

namespace {

double value_of(const std::string& text) {
  return leading_number(trim(text));
}

int int_of(double value) {
  return static_cast<int>(round_half_even(value));
}

bool between(int value, int low, int high) {
  return value >= low && value <= high;
}

// Station pairs the Edition's search does not accept; the rows are positions
// in the Edition's station lists of the journey's direction.
bool combination_rejected(int edition, int direction, int st_row, int ed_row) {
  if (edition == 2) {
    if (direction == 1) return between(st_row, 17, 22) && ed_row > 16;
    return between(st_row, 1, 16) && between(ed_row, 17, 27);
  }
  if (edition == 3) {
    if (direction == 1)
      return (between(st_row, 8, 12) && ed_row > 12) || (st_row >= 16 && ed_row > 16);
    return (between(st_row, 1, 5) && (ed_row == 6 || between(ed_row, 10, 14))) ||
           (between(st_row, 6, 9) && between(ed_row, 10, 14));
  }
  return false;
}

bool is_holiday(const AppState& state, int month, int day) {
  int const count = std::min(state.holiday_count, kMaxHolidays);
  for (int i = 1; i <= count; ++i) {
    if (state.holiday_month[i] == month && state.holiday_day[i] == day) return true;
  }
  return false;
}

}  // namespace

bool check_station_combination(SearchForm& form, AppState& state) {
  form.text[kMessageLine].clear();
  std::string const st_name = trim(form.text[kFieldBoarding]);
  std::string const ed_name = trim(form.text[kFieldAlighting]);
  auto& c = state.cond;
  // A name that is not found keeps the row found before.
  auto const look_up = [&](int d) {
    if (int const r = find_station_row(state, d, st_name, 0, 1)) c.st_row = r;
    if (int const r = find_station_row(state, d, ed_name, 0, 1)) c.ed_row = r;
  };
  look_up(1);
  int direction = 1;
  if (c.st_row > c.ed_row) {
    direction = 2;
    look_up(2);
  }
  if (combination_rejected(state.edition, direction, c.st_row, c.ed_row)) {
    form.text[kMessageLine] = search_texts::kBadCombination;
    return false;
  }
  return true;
}

bool check_two_hour_rule(SearchForm& form) {
  form.text[kMessageLine].clear();
  if (form.transfers != 2) return true;
  // Whole hours only: 6:00 to 8:59 spans two hours, 6:59 to 9:00 three.
  double const span = value_of(form.text[kFieldDepToHour]) - value_of(form.text[kFieldDepFromHour]);
  if (span > 2) {
    form.text[kMessageLine] = search_texts::kTwoHourRule;
    return false;
  }
  return true;
}

StartResult start_search(SearchForm& form, AppState& state, int clock_year,
                         const ConfirmTwoTransfers& confirm) {
  auto const rejected = [](int focus) { return StartResult{StartOutcome::rejected, focus}; };
  for (int f = kFieldBoarding; f <= kFieldArrToMinute; ++f) {
    if (!check_field(form, state, f, clock_year)) return rejected(f);
  }
  if (!check_station_combination(form, state)) return rejected(kFieldBoarding);
  if (!check_field(form, state, kFieldWait, clock_year)) return rejected(kFieldWait);
  if (!check_two_hour_rule(form)) return rejected(kFieldDepFromHour);
  state.cond.sort_order = form.order == kOrderDeparture ? kOrderDeparture
                          : form.order == kOrderArrival ? kOrderArrival
                                                        : kOrderRide;
  for (int f = kFieldYear; f <= kFieldDay; ++f) {
    if (!check_field(form, state, f, clock_year)) return rejected(f);
  }
  if (!store_conditions(form, state, confirm)) return {StartOutcome::cancelled, 0};
  return {StartOutcome::accepted, 0};
}

bool store_conditions(SearchForm& form, AppState& state, const ConfirmTwoTransfers& confirm) {
  auto& c = state.cond;
  c.plan_date = day_number(c.plan_year, c.plan_month, c.plan_day);
  c.plan_weekday = weekday_of(c.plan_date);
  form.weekday_label = format_weekday_paren(c.plan_date);

  bool const holiday = is_holiday(state, c.plan_month, c.plan_day);
  state.day_flags[3] = (c.plan_weekday == 1 || c.plan_weekday == 7 || holiday) ? 1 : 0;
  state.day_flags[4] = (c.plan_weekday == 1 || holiday) ? 1 : 0;
  state.day_flags[5] = (c.plan_weekday == 7 && !holiday) ? 1 : 0;

  c.st_station = trim(form.text[kFieldBoarding]);
  c.ed_station = trim(form.text[kFieldAlighting]);
  auto const hhmm = [&form](int hour_field) {
    return int_of(value_of(form.text[hour_field]) * 100 + value_of(form.text[hour_field + 1]));
  };
  c.st_time1 = hhmm(kFieldDepFromHour);
  c.st_time2 = hhmm(kFieldDepToHour);
  c.ed_time1 = hhmm(kFieldArrFromHour);
  c.ed_time2 = hhmm(kFieldArrToHour);
  c.wait_time = int_of(value_of(form.text[kFieldWait]));

  if (form.transfers == 1) {
    c.wait_count = 1;
  } else {
    c.wait_count = 2;
    // Cancel leaves the window open with what was stored so far.
    if (confirm && !confirm()) return false;
  }
  c.combination_number = form.one_per_train ? 1 : 0;
  return true;
}

}  // namespace vorlash
