// The calendar's month sheet without its widgets: the 42-slot day grid of a
// month, the month a scroll position stands for, the months a user may type,
// and the picking of a day as the planned travel date of the search.
//
// The grid has six rows of seven slots, Sunday first; slot k (1..42) lies in
// row (k - 1) / 7 and column (k - 1) % 7 and holds its day or 0.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/app_state.h"
#include "settings/calendar_state.h"

namespace vorlash {

inline constexpr int kCalendarSlots = 42;
// Scroll positions: 1 (bottom) shows the clock's month, 60 (top) 59 months later.
inline constexpr int kScrollBottom = 1;
inline constexpr int kScrollTop = 60;
// A typed month may lie up to December of the clock's year plus this.
inline constexpr int kTypedYearsAhead = 10;

struct YearMonth {
  int year = 0;
  int month = 0;
  bool operator==(const YearMonth&) const = default;
};

// `set_calendar`: fills cal.cal_days for cal.cal_year and cal.cal_month.
void set_calendar(CalendarState& cal);

// The month shown at scroll position p: the clock's month plus p - 1 months.
YearMonth scrolled_month(int clock_year, int clock_month, int position);

// The month field's text: year "0000", "/", month without a leading zero
// ("2000/3").
std::string month_field_text(int year, int month);

// The month typed into the month field, split at its first "/". Rejected
// (nullopt): a text without "/", a part that is not a whole number, a month
// outside 1..12, a month before the clock's month, a year after the clock's
// year + kTypedYearsAhead.
std::optional<YearMonth> typed_month(std::string_view text, int clock_year, int clock_month);

// `set_return`: the day in slot k of the calendar's month becomes the planned
// date (plan_year, plan_month, plan_day, plan_date, plan_weekday). False, and
// nothing changes, when the slot is empty or outside 1..42.
bool set_return(AppState& state, const CalendarState& cal, int slot);

}  // namespace vorlash
