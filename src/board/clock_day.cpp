#include "board/clock_day.h"

#include "board/board_texts.h"
#include "text/date.h"

namespace vorlash {

namespace {

// The wrap amount of the board time: 23:59:59, one second short of a day.
double wrap_limit() {
  return time_of_day(23, 59, 59);
}

bool in_holiday_list(const AppState& state, int month, int day) {
  for (int i = 1; i <= state.holiday_count && i <= kMaxHolidays; ++i) {
    if (state.holiday_month[i] == month && state.holiday_day[i] == day) return true;
  }
  return false;
}

}  // namespace

void get_today(AppState& state, const Clock& clock) {
  ClockReading const now = clock.now();
  ClockState& c = state.clock;
  c.clock_date = day_number(now.year, now.month, now.day);
  c.clock_year = now.year;
  c.clock_month = now.month;
  c.clock_day = now.day;

  c.corrected_date = c.clock_date;
  c.corrected_year = c.clock_year;
  c.corrected_month = c.clock_month;
  c.corrected_day = c.clock_day;
  c.corrected_weekday = weekday_of(c.corrected_date);

  c.clock_time = time_of_day(now.hour, now.minute, now.second);
  c.clock_hour = now.hour;
  c.clock_minute = now.minute;
  c.clock_second = now.second;

  c.corrected_time = c.clock_time;
  c.corrected_hour = c.clock_hour;
  c.corrected_minute = c.clock_minute;
  c.corrected_second = c.clock_second;

  c.offset = 0;
}

void set_holiday(AppState& state) {
  ClockState const& c = state.clock;
  bool const holiday = in_holiday_list(state, c.corrected_month, c.corrected_day);
  bool const sunday = c.corrected_weekday == 1;
  bool const saturday = c.corrected_weekday == 7;
  state.day_flags[0] = (sunday || saturday || holiday) ? 1 : 0;
  state.day_flags[1] = (sunday || holiday) ? 1 : 0;
  state.day_flags[2] = (saturday && !holiday) ? 1 : 0;
}

std::string edit_time(AppState& state, const Clock& clock) {
  ClockReading const now = clock.now();
  ClockState& c = state.clock;
  c.corrected_time = time_of_day(now.hour, now.minute, now.second);

  double const s = c.offset + c.corrected_time;
  double const limit = wrap_limit();
  if (s > limit) {
    c.board_time = s - limit;
  } else if (s < 0) {
    c.board_time = s + limit;
  } else {
    c.board_time = s;
  }

  // format_hh_mm rounds to the nearest second first, so 14:05:00 held as a
  // fraction a hair below the exact value still shows 14:05.
  return std::string(board_text::kClockLinePrefix) + format_date_jp(c.corrected_date) + "  " +
         format_hh_mm(c.board_time);
}

}  // namespace vorlash
