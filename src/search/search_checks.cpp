// Filling the search window and the checks of its input boxes.
#include <algorithm>
#include <optional>

#include "search/search_form.h"
#include "search/search_texts.h"
#include "text/date.h"
#include "text/numeric.h"
#include "text/utf8.h"

namespace vorlash {

namespace {

std::optional<double> numeric(const std::string& text) {
  return parse_number(trim(text));
}

// The value of a box as a number, however it is written (non-numbers are 0).
double value_of(const std::string& text) {
  return leading_number(trim(text));
}

bool in_range(std::optional<double> v, double low, double high) {
  return v && *v >= low && *v <= high;
}

// An empty hour or minute box receives its default before it is checked.
void default_if_empty(std::string& text, const char* fallback) {
  if (trim(text).empty()) text = fallback;
}

// The "to" time of a window is not earlier than its "from" time.
bool window_in_order(const SearchForm& form, int from_hour, int from_minute, int to_hour,
                     int to_minute) {
  double const fh = value_of(form.text[from_hour]);
  double const fm = value_of(form.text[from_minute]);
  double const th = value_of(form.text[to_hour]);
  double const tm = value_of(form.text[to_minute]);
  return th > fh || (th == fh && tm >= fm);
}

bool check_station(SearchForm& form, const AppState& state, int field) {
  form.text[kMessageLine].clear();
  std::string const name = trim(form.text[field]);
  if (field == kFieldAlighting && name == trim(form.text[kFieldBoarding])) return false;
  if (find_station_row(state, 1, name, 0, 1) == 0) {
    form.text[kMessageLine] = search_texts::kInputError;
    return false;
  }
  return true;
}

// Year, month and day go into AppState as soon as they are numbers.
std::optional<int> date_part(const std::string& text) {
  return parse_int16(trim(text));
}

}  // namespace

int find_station_row(const AppState& state, int d, const std::string& name, int kind_a,
                     int kind_b) {
  auto const& sk = state.sinkansen;
  int const count = std::min(sk.station_count[d], kMaxRows);
  for (int r = 1; r <= count; ++r) {
    int const kind = sk.row_kind[d][r];
    // An empty row is no station: an empty name never matches it.
    if ((kind == kind_a || kind == kind_b) && !name.empty() && sk.station[d][r] == name) return r;
  }
  return 0;
}

SearchForm fill_search_form(const AppState& state, const ClockReading& today) {
  SearchForm form;
  auto const& c = state.cond;
  auto const put_time = [&form](int hour_field, int hhmm) {
    form.text[hour_field] = std::to_string(hhmm / 100);
    form.text[hour_field + 1] = std::to_string(hhmm % 100);
  };
  form.text[kFieldBoarding] = c.st_station;
  put_time(kFieldDepFromHour, c.st_time1);
  put_time(kFieldDepToHour, c.st_time2);
  form.text[kFieldAlighting] = c.ed_station;
  put_time(kFieldArrFromHour, c.ed_time1);
  put_time(kFieldArrToHour, c.ed_time2);
  if (c.sort_order >= kOrderDeparture && c.sort_order <= kOrderRide) form.order = c.sort_order;
  form.text[kFieldWait] = std::to_string(c.wait_time);
  form.transfers = c.wait_count == 1 ? 1 : 2;
  form.one_per_train = c.combination_number == 1;
  if (c.plan_date != 0) {
    form.text[kFieldYear] = std::to_string(c.plan_year);
    form.text[kFieldMonth] = std::to_string(c.plan_month);
    form.text[kFieldDay] = std::to_string(c.plan_day);
    form.weekday_label = format_weekday_paren(c.plan_date);
  } else {
    form.text[kFieldYear] = std::to_string(today.year);
    form.text[kFieldMonth] = std::to_string(today.month);
    form.text[kFieldDay] = std::to_string(today.day);
    form.weekday_label = format_weekday_paren(day_number(today.year, today.month, today.day));
  }
  return form;
}

bool check_field(SearchForm& form, AppState& state, int field, int clock_year) {
  auto& text = form.text[field];
  switch (field) {
    case kFieldBoarding:
    case kFieldAlighting:
      return check_station(form, state, field);
    case kFieldDepFromHour:
    case kFieldArrFromHour:
      default_if_empty(text, "6");
      return in_range(numeric(text), 6, 23);
    case kFieldDepFromMinute:
    case kFieldArrFromMinute:
      default_if_empty(text, "0");
      return in_range(numeric(text), 0, 59);
    case kFieldDepToHour:
    case kFieldArrToHour:
      default_if_empty(text, "23");
      return in_range(numeric(text), 0, 23);
    case kFieldDepToMinute:
      default_if_empty(text, "59");
      return in_range(numeric(text), 0, 59) &&
             window_in_order(form, kFieldDepFromHour, kFieldDepFromMinute, kFieldDepToHour,
                             kFieldDepToMinute);
    case kFieldArrToMinute:
      default_if_empty(text, "59");
      return in_range(numeric(text), 0, 59) &&
             window_in_order(form, kFieldArrFromHour, kFieldArrFromMinute, kFieldArrToHour,
                             kFieldArrToMinute);
    case kFieldWait:
      default_if_empty(text, "60");
      return in_range(numeric(text), 0, 120);
    case kFieldYear: {
      auto const year = date_part(text);
      if (!year) return false;
      state.cond.plan_year = *year;
      return *year >= clock_year;
    }
    case kFieldMonth: {
      auto const month = date_part(text);
      if (!month) return false;
      state.cond.plan_month = *month;
      return *month >= 1 && *month <= 12;
    }
    case kFieldDay: {
      auto const day = date_part(text);
      if (!day) return false;
      state.cond.plan_day = *day;
      return *day >= 1 && *day <= month_length(state.cond.plan_year, state.cond.plan_month);
    }
    default:
      return false;
  }
}

int next_field(int field) {
  if (field >= kFieldBoarding && field < kFieldWait) return field + 1;
  if (field == kFieldWait) return kFocusStartButton;
  if (field == kFieldYear || field == kFieldMonth) return field + 1;
  if (field == kFieldDay) return kFieldBoarding;
  return field;
}

}  // namespace vorlash
