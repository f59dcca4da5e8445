#include "board/clock_day.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "board_fixture.h"
#include "text/date.h"

namespace vorlash {
namespace {

struct FlagCase {
  int year, month, day;
  bool listed;  // (month, day) is in the holiday list
  std::array<int, 3> flags;
};

TEST(SetHoliday, DayFlagsFollowWeekdayAndHolidayList) {
  FlagCase const cases[] = {
      {2000, 3, 8, false, {0, 0, 0}},   // Wednesday
      {2000, 3, 8, true, {1, 1, 0}},    // Wednesday in the list
      {2000, 3, 11, false, {1, 0, 1}},  // Saturday
      {2000, 3, 11, true, {1, 1, 0}},   // Saturday in the list
      {2000, 3, 12, false, {1, 1, 0}},  // Sunday
      {2003, 1, 1, true, {1, 1, 0}},    // New Year's Day on a Wednesday
  };
  for (auto const& c : cases) {
    auto state = std::make_unique<AppState>();
    // Unrelated entries before the match: the whole list is searched.
    state->holiday_count = 2;
    state->holiday_month[1] = 5;
    state->holiday_day[1] = 3;
    state->holiday_month[2] = c.listed ? c.month : 12;
    state->holiday_day[2] = c.listed ? c.day : 31;
    test::set_now(*state, c.year, c.month, c.day, 12, 0);
    EXPECT_EQ((std::array<int, 3>{state->day_flags[0], state->day_flags[1], state->day_flags[2]}),
              c.flags)
        << c.year << "-" << c.month << "-" << c.day << " listed=" << c.listed;
  }
}

TEST(SetHoliday, EmptyListLeavesOnlyTheWeekday) {
  auto state = std::make_unique<AppState>();
  state->holiday_month[1] = 3;  // stale entry beyond the count
  state->holiday_day[1] = 8;
  test::set_now(*state, 2000, 3, 8, 12, 0);
  EXPECT_EQ(state->day_flags[0], 0);
  EXPECT_EQ(state->day_flags[1], 0);
}

TEST(GetToday, CopiesTheClockToTheCorrectedValues) {
  auto state = std::make_unique<AppState>();
  state->clock.offset = 0.25;
  FakeClock const clock(ClockReading{2000, 3, 11, 14, 5, 30});
  get_today(*state, clock);
  ClockState const& c = state->clock;
  EXPECT_EQ(c.clock_date, day_number(2000, 3, 11));
  EXPECT_EQ(c.corrected_date, c.clock_date);
  EXPECT_EQ(c.corrected_weekday, 7);
  EXPECT_EQ(c.corrected_hour, 14);
  EXPECT_EQ(c.corrected_second, 30);
  EXPECT_DOUBLE_EQ(c.corrected_time, time_of_day(14, 5, 30));
  EXPECT_EQ(c.offset, 0);
}

TEST(EditTime, ClockLineShowsTheCorrectedDateAndTheBoardMinute) {
  auto state = std::make_unique<AppState>();
  EXPECT_EQ(test::set_now(*state, 2000, 3, 11, 14, 5), "現在日時 ： 2000/03/11（土）  14:05");
  // Seconds are never shown.
  EXPECT_EQ(test::set_now(*state, 2000, 3, 11, 14, 5, 59), "現在日時 ： 2000/03/11（土）  14:05");
}

TEST(EditTime, BoardTimeWrapsByOneSecondShortOfADay) {
  auto state = std::make_unique<AppState>();
  FakeClock clock(ClockReading{2000, 3, 11, 23, 0, 0});
  get_today(*state, clock);
  state->clock.offset = 0.1;
  EXPECT_EQ(edit_time(*state, clock), "現在日時 ： 2000/03/11（土）  01:24");
  int h = 0, m = 0, s = 0;
  split_time_of_day(state->clock.board_time, h, m, s);
  EXPECT_EQ(h * 10000 + m * 100 + s, 12401);  // 01:24:01

  clock.reading = ClockReading{2000, 3, 11, 6, 0, 0};
  state->clock.offset = -0.5;
  EXPECT_EQ(edit_time(*state, clock), "現在日時 ： 2000/03/11（土）  17:59");
  split_time_of_day(state->clock.board_time, h, m, s);
  EXPECT_EQ(h * 10000 + m * 100 + s, 175959);

  // Exactly 23:59:59 is not wrapped; the corrected date never moves.
  clock.reading = ClockReading{2000, 3, 11, 23, 59, 59};
  state->clock.offset = 0;
  EXPECT_EQ(edit_time(*state, clock), "現在日時 ： 2000/03/11（土）  23:59");
}

}  // namespace
}  // namespace vorlash
