// The clock as read, the corrected time and date, and the day type.
#pragma once

#include <array>
#include <string>

namespace vorlash {

// ---- Clock, corrected time and day type ---------------------------------------
struct ClockState {
  int clock_date = 0;  // day number
  int clock_year = 0, clock_month = 0, clock_day = 0;
  double clock_time = 0;  // fraction of a day
  int clock_hour = 0, clock_minute = 0, clock_second = 0;
  int corrected_date = 0;  // day number
  int corrected_year = 0, corrected_month = 0, corrected_day = 0;
  int corrected_weekday = 0;  // 1 Sunday .. 7 Saturday
  double corrected_time = 0;
  int corrected_hour = 0, corrected_minute = 0, corrected_second = 0;
  double offset = 0;      // fraction of a day added to the corrected time
  double board_time = 0;  // offset + corrected time, wrapped
};

struct ClockAndDay {
  ClockState clock;
  std::array<int, 6> day_flags{};
};

}  // namespace vorlash
