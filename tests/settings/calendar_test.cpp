#include "settings/calendar.h"

#include <gtest/gtest.h>

#include <memory>

#include "text/date.h"

namespace vorlash {
namespace {

// The slots holding a day, as "first..last", and a check that the days run
// 1, 2, 3 ... through them without a gap.
std::string filled_span(int year, int month) {
  CalendarState cal;
  cal.cal_year = year;
  cal.cal_month = month;
  set_calendar(cal);
  int first = 0, last = 0;
  for (int k = 1; k <= kCalendarSlots; ++k) {
    if (cal.cal_days[k] == 0) continue;
    if (first == 0) first = k;
    if (cal.cal_days[k] != k - first + 1) return "gap at slot " + std::to_string(k);
    last = k;
  }
  return std::to_string(first) + ".." + std::to_string(last);
}

TEST(CalendarGrid, FirstWeekdayPlacesDayOneAndMonthLengthEndsTheRun) {
  EXPECT_EQ(filled_span(2000, 10), "1..31");  // starts on a Sunday
  EXPECT_EQ(filled_span(2000, 4), "7..36");   // starts on a Saturday, 30 days
  EXPECT_EQ(filled_span(2000, 1), "7..37");   // Saturday, 31 days: 38..42 empty
  EXPECT_EQ(filled_span(2009, 2), "1..28");   // Sunday, 28 days: 29..42 empty
  EXPECT_EQ(filled_span(2001, 3), "5..35");   // Thursday
}

TEST(CalendarGrid, FebruaryFollowsTheGregorianLeapRule) {
  EXPECT_EQ(filled_span(2000, 2), "3..31");  // divisible by 400: 29 days
  EXPECT_EQ(filled_span(2004, 2), "1..29");
  EXPECT_EQ(filled_span(2001, 2), "5..32");  // 28 days
  EXPECT_EQ(filled_span(2100, 2), "2..29");  // divisible by 100 only: 28 days
}

TEST(CalendarGrid, RebuildingClearsTheSlotsOfTheMonthBefore) {
  CalendarState cal;
  cal.cal_year = 2000;
  cal.cal_month = 1;  // slots 7..37
  set_calendar(cal);
  cal.cal_month = 10;  // slots 1..31
  set_calendar(cal);
  EXPECT_EQ(cal.cal_days[32], 0);
  EXPECT_EQ(cal.cal_days[37], 0);
  EXPECT_EQ(cal.cal_days[1], 1);
}

TEST(CalendarScroll, PositionCountsMonthsFromTheClocksMonth) {
  EXPECT_EQ(scrolled_month(2000, 11, 1), (YearMonth{2000, 11}));
  EXPECT_EQ(scrolled_month(2000, 11, 2), (YearMonth{2000, 12}));
  EXPECT_EQ(scrolled_month(2000, 11, 3), (YearMonth{2001, 1}));
  EXPECT_EQ(scrolled_month(2000, 11, 60), (YearMonth{2005, 10}));
  EXPECT_EQ(scrolled_month(2000, 12, 1), (YearMonth{2000, 12}));
  EXPECT_EQ(scrolled_month(2000, 12, 13), (YearMonth{2001, 12}));
  // The bar is not bound by the limit of typed months.
  EXPECT_EQ(scrolled_month(2009, 1, 60), (YearMonth{2013, 12}));
}

TEST(CalendarTypedMonth, AcceptsMonthsFromTheClocksMonthToTenYearsAhead) {
  EXPECT_EQ(month_field_text(2000, 3), "2000/3");
  EXPECT_EQ(typed_month("2000/3", 2000, 3), (YearMonth{2000, 3}));
  EXPECT_EQ(typed_month(" 2001 / 02 ", 2000, 3), (YearMonth{2001, 2}));
  EXPECT_EQ(typed_month("2010/12", 2000, 3), (YearMonth{2010, 12}));
  EXPECT_EQ(typed_month("2035/12", 2025, 6), (YearMonth{2035, 12}));

  EXPECT_FALSE(typed_month("2011/1", 2000, 3));
  EXPECT_FALSE(typed_month("2036/1", 2025, 6));
  EXPECT_FALSE(typed_month("2000/2", 2000, 3));  // before the clock's month
  EXPECT_FALSE(typed_month("1999/12", 2000, 3));
  EXPECT_FALSE(typed_month("2000/13", 2000, 3));
  EXPECT_FALSE(typed_month("2001/0", 2000, 3));
}

TEST(CalendarTypedMonth, TextsThatAreNoYearAndMonthAreRejected) {
  for (char const* text : {"", "2000", "200003", "/3", "2000/", "abc/3", "2000/3x", "2000/3/1",
                           "2000.5/3", "2000/3.5", "99999999999999999999/1"}) {
    EXPECT_FALSE(typed_month(text, 2000, 3)) << text;
  }
}

TEST(CalendarPick, ADayBecomesThePlannedDateAndAnEmptySlotDoesNothing) {
  auto state = std::make_unique<AppState>();
  CalendarState calendar;
  calendar.cal_year = 2001;
  calendar.cal_month = 3;
  set_calendar(calendar);

  EXPECT_FALSE(set_return(*state, calendar, 1));  // before the 1st (a Thursday)
  EXPECT_FALSE(set_return(*state, calendar, 0));
  EXPECT_FALSE(set_return(*state, calendar, 43));
  EXPECT_EQ(state->cond.plan_date, 0);

  ASSERT_TRUE(set_return(*state, calendar, 9));
  auto const& c = state->cond;
  EXPECT_EQ(c.plan_year, 2001);
  EXPECT_EQ(c.plan_month, 3);
  EXPECT_EQ(c.plan_day, 5);
  EXPECT_EQ(c.plan_date, day_number(2001, 3, 5));
  EXPECT_EQ(c.plan_weekday, 2);  // Monday
  EXPECT_EQ(format_weekday_paren(c.plan_date), "(月)");
}

}  // namespace
}  // namespace vorlash
