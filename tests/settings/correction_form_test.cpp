#include "settings/correction_form.h"

#include <gtest/gtest.h>

#include <memory>

#include "board/clock_day.h"
#include "text/date.h"

namespace vorlash {
namespace {

// A program that started on the clock's moment, as start-up leaves it, with
// the correction window open (clock read again).
struct Correction {
  explicit Correction(ClockReading now) : clock(now), state(std::make_unique<AppState>()) {
    get_today(*state, clock);
    set_holiday(*state);
    edit_time(*state, clock);
    form = fill_correction_form(read_clock(*state, clock));
  }

  void enter(int year, int month, int day, int hour, int minute, int second) {
    form.text = clock_field_texts({year, month, day, hour, minute, second});
  }

  FakeClock clock;
  std::unique_ptr<AppState> state;
  CorrectionForm form;
};

bool same_clock_state(const ClockState& a, const ClockState& b) {
  return a.clock_date == b.clock_date && a.clock_year == b.clock_year &&
         a.clock_month == b.clock_month && a.clock_day == b.clock_day &&
         a.clock_time == b.clock_time && a.clock_hour == b.clock_hour &&
         a.clock_minute == b.clock_minute && a.clock_second == b.clock_second &&
         a.corrected_date == b.corrected_date && a.corrected_year == b.corrected_year &&
         a.corrected_month == b.corrected_month && a.corrected_day == b.corrected_day &&
         a.corrected_weekday == b.corrected_weekday && a.corrected_time == b.corrected_time &&
         a.corrected_hour == b.corrected_hour && a.corrected_minute == b.corrected_minute &&
         a.corrected_second == b.corrected_second && a.offset == b.offset &&
         a.board_time == b.board_time;
}

TEST(CorrectionForm, OpensOnTheClock) {
  Correction c({2000, 3, 5, 9, 7, 3});
  ClockFields const expected = {"", "2000", "03", "05", "09", "07", "03"};
  EXPECT_EQ(c.form.text, expected);
  EXPECT_EQ(c.state->clock.clock_date, day_number(2000, 3, 5));
  EXPECT_EQ(c.state->clock.clock_time, time_of_day(9, 7, 3));
}

TEST(CorrectionForm, FieldChecks) {
  struct Case {
    int field;
    char const* text;
    bool passes;
  };
  // The clock reads 2000/05/15; the other fields keep the clock's values
  // unless the case sets year and month first (see below).
  Case const cases[] = {
      {kYearField, "1995", false},   {kYearField, "1996", true},   {kYearField, "2020", true},
      {kYearField, "2021", false},   {kYearField, " 1999 ", true}, {kYearField, "2000x", false},
      {kMonthField, "0", false},     {kMonthField, "12", true},    {kMonthField, "13", false},
      {kDayField, "10", false},      {kDayField, "15", true},      {kDayField, "31", true},
      {kDayField, "32", false},      {kHourField, "0", true},      {kHourField, "23", true},
      {kHourField, "24", false},     {kMinuteField, "0", true},    {kMinuteField, "60", false},
      {kSecondField, "59", true},    {kSecondField, "60", false},  {kSecondField, "", false},
      {kMonthField, "99999", false}, {kHourField, "-0.4", true},  // made whole: 0
  };
  for (auto const& k : cases) {
    SCOPED_TRACE(k.text);
    Correction c({2000, 5, 15, 8, 0, 0});
    c.form.text[k.field] = k.text;
    EXPECT_EQ(check_correction_field(c.form, *c.state, k.field), k.passes);
  }
}

TEST(CorrectionForm, DayCheckFollowsTheAcceptedYearAndMonth) {
  struct Case {
    int year, month, day;
    bool passes;
  };
  Case const cases[] = {
      {2000, 2, 29, true}, {2004, 2, 29, true},  {2001, 2, 29, false}, {2000, 4, 31, false},
      {2000, 4, 20, true}, {1999, 12, 31, true}, {2000, 5, 10, false}, {2001, 5, 10, true},
  };
  for (auto const& k : cases) {
    SCOPED_TRACE(std::to_string(k.year) + "/" + std::to_string(k.month) + "/" +
                 std::to_string(k.day));
    Correction c({2000, 5, 15, 8, 0, 0});
    c.enter(k.year, k.month, k.day, 8, 0, 0);
    ASSERT_TRUE(check_correction_field(c.form, *c.state, kYearField));
    ASSERT_TRUE(check_correction_field(c.form, *c.state, kMonthField));
    EXPECT_EQ(check_correction_field(c.form, *c.state, kDayField), k.passes);
  }
}

TEST(CorrectionForm, YearLimitFollowsTheClock) {
  Correction c({2031, 1, 10, 8, 0, 0});
  c.form.text[kYearField] = "2051";
  EXPECT_TRUE(check_correction_field(c.form, *c.state, kYearField));
  c.form.text[kYearField] = "2052";
  EXPECT_FALSE(check_correction_field(c.form, *c.state, kYearField));
}

TEST(CorrectionForm, PassingTheDayTakesTheDateButNotEarlier) {
  Correction c({2000, 5, 15, 8, 0, 0});
  c.enter(2000, 12, 24, 8, 0, 0);
  ASSERT_TRUE(check_correction_field(c.form, *c.state, kMonthField));
  // An accepted month alone does not change the program's date.
  EXPECT_EQ(c.state->clock.corrected_month, 5);
  ASSERT_TRUE(check_correction_field(c.form, *c.state, kDayField));
  auto const& k = c.state->clock;
  EXPECT_EQ(k.corrected_date, day_number(2000, 12, 24));
  EXPECT_EQ(k.corrected_month, 12);
  EXPECT_EQ(k.corrected_day, 24);
  EXPECT_EQ(k.corrected_weekday, 1);  // a Sunday
}

TEST(CorrectionForm, TemporarySettingMakesTheBoardShowTheEnteredTime) {
  Correction c({2000, 5, 15, 8, 0, 0});
  c.enter(2000, 5, 21, 23, 30, 0);
  auto const result = set_temporary(c.form, *c.state);
  ASSERT_EQ(result.outcome, CorrectionOutcome::done);
  auto const& k = c.state->clock;
  EXPECT_NEAR(k.offset, 15.5 / 24, 1e-12);
  EXPECT_EQ(k.corrected_date, day_number(2000, 5, 21));
  EXPECT_EQ(k.corrected_weekday, 1);
  EXPECT_EQ(c.state->day_flags[0], 1);  // a Sunday
  EXPECT_EQ(c.state->day_flags[1], 1);
  EXPECT_EQ(c.clock.set_calls, 0);

  // The board runs on from the entered time with the clock.
  EXPECT_EQ(edit_time(*c.state, c.clock), "現在日時 ： 2000/05/21（日）  23:30");
  c.clock.reading.minute = 20;
  EXPECT_EQ(edit_time(*c.state, c.clock), "現在日時 ： 2000/05/21（日）  23:50");
}

TEST(CorrectionForm, TemporarySettingMayGoBack) {
  Correction c({2000, 5, 15, 9, 0, 0});
  c.enter(2000, 5, 16, 6, 0, 0);
  ASSERT_EQ(set_temporary(c.form, *c.state).outcome, CorrectionOutcome::done);
  EXPECT_NEAR(c.state->clock.offset, -0.125, 1e-12);
  EXPECT_EQ(edit_time(*c.state, c.clock), "現在日時 ： 2000/05/16（火）  06:00");

  // Untouched fields while the clock runs on: a small negative offset.
  Correction d({2000, 5, 15, 9, 0, 0});
  d.clock.reading.second = 1;
  read_clock(*d.state, d.clock);
  ASSERT_EQ(set_temporary(d.form, *d.state).outcome, CorrectionOutcome::done);
  EXPECT_NEAR(d.state->clock.offset, -1.0 / 86400, 1e-12);
}

TEST(CorrectionForm, ButtonsStopAtTheFirstFailingField) {
  Correction c({2000, 5, 15, 8, 0, 0});
  c.enter(2000, 5, 15, 24, 60, 0);
  auto const before = c.state->clock;
  auto const result = set_temporary(c.form, *c.state);
  EXPECT_EQ(result.outcome, CorrectionOutcome::rejected);
  EXPECT_EQ(result.focus, kHourField);
  EXPECT_EQ(c.state->clock.offset, before.offset);
  EXPECT_EQ(c.state->clock.corrected_time, before.corrected_time);

  auto const set = set_date_time(c.form, *c.state, c.clock);
  EXPECT_EQ(set.outcome, CorrectionOutcome::rejected);
  EXPECT_EQ(set.focus, kHourField);
  EXPECT_EQ(c.clock.set_calls, 0);
}

TEST(CorrectionForm, SettingTheClock) {
  Correction c({2000, 5, 15, 8, 0, 0});
  ASSERT_EQ(set_temporary(c.form, *c.state).outcome, CorrectionOutcome::done);
  c.enter(2001, 1, 1, 10, 20, 30);
  auto const result = set_date_time(c.form, *c.state, c.clock);
  ASSERT_EQ(result.outcome, CorrectionOutcome::done);
  EXPECT_EQ(c.clock.set_calls, 1);
  EXPECT_EQ(c.clock.reading.year, 2001);
  EXPECT_EQ(c.clock.reading.second, 30);
  auto const& k = c.state->clock;
  EXPECT_EQ(k.offset, 0);
  EXPECT_EQ(k.corrected_date, day_number(2001, 1, 1));
  EXPECT_EQ(k.clock_date, day_number(2001, 1, 1));
  EXPECT_EQ(edit_time(*c.state, c.clock), "現在日時 ： 2001/01/01（月）  10:20");
}

TEST(CorrectionForm, RefusedClockLeavesAppStateAsBefore) {
  Correction c({2000, 5, 15, 8, 0, 0});
  c.enter(2000, 5, 21, 12, 0, 0);
  ASSERT_EQ(set_temporary(c.form, *c.state).outcome, CorrectionOutcome::done);
  auto const before = c.state->clock;
  auto const flags = c.state->day_flags;

  c.clock.refuse_set = true;
  c.enter(2000, 6, 1, 7, 0, 0);
  auto const result = set_date_time(c.form, *c.state, c.clock);
  EXPECT_EQ(result.outcome, CorrectionOutcome::refused);
  EXPECT_FALSE(result.error.empty());
  EXPECT_EQ(c.clock.set_calls, 1);
  EXPECT_TRUE(same_clock_state(c.state->clock, before));
  EXPECT_EQ(c.state->day_flags, flags);
}

TEST(CorrectionForm, CancelReturnsEverythingToTheClock) {
  Correction c({2000, 5, 15, 8, 0, 0});  // a Monday
  c.enter(2000, 12, 24, 23, 30, 0);
  ASSERT_EQ(set_temporary(c.form, *c.state).outcome, CorrectionOutcome::done);
  ASSERT_EQ(c.state->day_flags[0], 1);

  // A later opening of the window, a little later.
  c.clock.reading.minute = 5;
  c.form = fill_correction_form(read_clock(*c.state, c.clock));
  cancel_correction(*c.state);
  auto const& k = c.state->clock;
  EXPECT_EQ(k.offset, 0);
  EXPECT_EQ(k.corrected_date, day_number(2000, 5, 15));
  EXPECT_EQ(k.corrected_month, 5);
  EXPECT_EQ(k.corrected_day, 15);
  EXPECT_EQ(k.corrected_weekday, 2);
  EXPECT_EQ(k.corrected_time, time_of_day(8, 5, 0));
  EXPECT_EQ(c.state->day_flags[0], 0);
  EXPECT_EQ(edit_time(*c.state, c.clock), "現在日時 ： 2000/05/15（月）  08:05");
}

}  // namespace
}  // namespace vorlash
