#include "settings/calendar.h"

#include <cmath>

#include "text/date.h"
#include "text/number_format.h"
#include "text/numeric.h"

namespace vorlash {

namespace {

// A part of the typed month as a whole number; nullopt for anything else.
std::optional<double> whole_number(std::string_view text) {
  auto const value = parse_number(text);
  if (!value || std::floor(*value) != *value) return std::nullopt;
  return value;
}

}  // namespace

void set_calendar(CalendarState& cal) {
  cal.cal_days.fill(0);
  int const length = month_length(cal.cal_year, cal.cal_month);
  if (length == 0) return;
  int const first_weekday = weekday_of(day_number(cal.cal_year, cal.cal_month, 1));
  for (int d = 1; d <= length; ++d)
    cal.cal_days[static_cast<std::size_t>(first_weekday + d - 1)] = d;
}

YearMonth scrolled_month(int clock_year, int clock_month, int position) {
  int const r = clock_month + position - 1;
  int const month = r % 12 == 0 ? 12 : r % 12;
  return {clock_year + (r - 1) / 12, month};
}

std::string month_field_text(int year, int month) {
  return format_number(year, "0000") + "/" + std::to_string(month);
}

std::optional<YearMonth> typed_month(std::string_view text, int clock_year, int clock_month) {
  auto const slash = text.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  auto const year = whole_number(text.substr(0, slash));
  auto const month = whole_number(text.substr(slash + 1));
  if (!year || !month) return std::nullopt;
  if (*year < clock_year || *year > clock_year + kTypedYearsAhead) return std::nullopt;
  if (*month < 1 || *month > 12) return std::nullopt;
  if (*year == clock_year && *month < clock_month) return std::nullopt;
  return YearMonth{static_cast<int>(*year), static_cast<int>(*month)};
}

bool set_return(AppState& state, const CalendarState& cal, int slot) {
  if (slot < 1 || slot > kCalendarSlots) return false;
  int const day = cal.cal_days[static_cast<std::size_t>(slot)];
  if (day == 0) return false;
  auto& c = state.cond;
  c.plan_year = cal.cal_year;
  c.plan_month = cal.cal_month;
  c.plan_day = day;
  c.plan_date = day_number(c.plan_year, c.plan_month, c.plan_day);
  c.plan_weekday = weekday_of(c.plan_date);
  return true;
}

}  // namespace vorlash
