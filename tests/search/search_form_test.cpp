// The search window's checks, "検索開始" and the storing of the conditions.
#include "search/search_form.h"

#include <gtest/gtest.h>

#include "search/search_texts.h"
#include "search_fixture.h"
#include "text/date.h"

namespace vorlash {
namespace {

using testing::Timetable;

constexpr int kClockYear = 2000;

class SearchFormTest : public ::testing::Test {
 protected:
  SearchFormTest() {
    tt.stations({{"東京"}, {"名古屋", 1}, {"名古屋", 2}, {"新大阪"}});
    form.text[kFieldBoarding] = "東京";
    form.text[kFieldAlighting] = "新大阪";
    for (int f : {2, 3, 4, 5, 7, 8, 9, 10, 11}) form.text[f] = "";
    form.text[kFieldYear] = "2000";
    form.text[kFieldMonth] = "3";
    form.text[kFieldDay] = "15";
  }

  bool check(int field, std::string const& text) {
    form.text[field] = text;
    return check_field(form, tt.state(), field, kClockYear);
  }

  StartResult start(bool confirm_answer = true) {
    return start_search(form, tt.state(), kClockYear, [&] {
      ++confirmations;
      return confirm_answer;
    });
  }

  Timetable tt;
  SearchForm form;
  int confirmations = 0;
};

TEST_F(SearchFormTest, EmptyTimeBoxesTakeTheirDefaults) {
  for (int f = kFieldDepFromHour; f <= kFieldWait; ++f) {
    if (f == kFieldAlighting) continue;
    EXPECT_TRUE(check_field(form, tt.state(), f, kClockYear)) << "field " << f;
  }
  std::array<std::string, 10> const expected = {"6", "0", "23", "59", "",
                                                "6", "0", "23", "59", "60"};
  for (int f = kFieldDepFromHour; f <= kFieldWait; ++f) {
    if (f == kFieldAlighting) continue;
    EXPECT_EQ(form.text[f], expected[f - 2]) << "field " << f;
  }
}

TEST_F(SearchFormTest, NumberBounds) {
  struct Case {
    int field;
    const char* text;
    bool ok;
  };
  Case const cases[] = {
      {2, "5", false},    {2, "6", true},    {2, "23", true},   {2, "24", false},
      {2, "x", false},    {3, "-1", false},  {3, "59", true},   {3, "60", false},
      {4, "0", true},     {4, "24", false},  {7, "5", false},   {8, "0", true},
      {9, "23", true},    {11, "0", true},   {11, "120", true}, {11, "121", false},
      {11, " 30 ", true}, {11, "3O", false},
  };
  for (auto const& c : cases) {
    EXPECT_EQ(check(c.field, c.text), c.ok) << "field " << c.field << " \"" << c.text << "\"";
  }
  EXPECT_TRUE(form.text[kMessageLine].empty());
}

TEST_F(SearchFormTest, WindowEndNotBeforeItsStart) {
  form.text[2] = "10";
  form.text[3] = "30";
  form.text[4] = "10";
  EXPECT_FALSE(check(5, "29"));
  EXPECT_TRUE(check(5, "30"));
  form.text[4] = "11";
  EXPECT_TRUE(check(5, "0"));
  form.text[7] = "12";
  form.text[8] = "0";
  form.text[9] = "11";
  EXPECT_FALSE(check(10, "59"));
}

TEST_F(SearchFormTest, StationChecks) {
  form.text[kMessageLine] = "old";
  EXPECT_TRUE(check(kFieldBoarding, " 名古屋 "));  // found on its arrival row
  EXPECT_EQ(form.text[kMessageLine], "");
  EXPECT_FALSE(check(kFieldBoarding, "京都"));
  EXPECT_EQ(form.text[kMessageLine], search_texts::kInputError);
  // The same name twice fails with an empty message line.
  form.text[kFieldBoarding] = "東京";
  EXPECT_FALSE(check(kFieldAlighting, "東京"));
  EXPECT_EQ(form.text[kMessageLine], "");
  // Only rows 1..station count are looked at.
  tt.state().sinkansen.station[1][5] = "博多";
  EXPECT_FALSE(check(kFieldAlighting, "博多"));
  EXPECT_EQ(form.text[kMessageLine], search_texts::kInputError);
  // A row left empty inside the station count is no station: an empty box
  // does not match it.
  tt.state().sinkansen.station_count[1] = 5;
  tt.state().sinkansen.station[1][5] = "";
  EXPECT_FALSE(check(kFieldAlighting, ""));
  EXPECT_EQ(form.text[kMessageLine], search_texts::kInputError);
}

TEST_F(SearchFormTest, TwoHourRuleCountsWholeHours) {
  form.transfers = 2;
  form.text[2] = "6";
  form.text[3] = "0";
  form.text[4] = "8";
  form.text[5] = "59";
  EXPECT_TRUE(check_two_hour_rule(form));
  form.text[3] = "59";
  form.text[4] = "9";
  form.text[5] = "0";
  EXPECT_FALSE(check_two_hour_rule(form));
  EXPECT_EQ(form.text[kMessageLine], search_texts::kTwoHourRule);
  form.transfers = 1;
  EXPECT_TRUE(check_two_hour_rule(form));
  EXPECT_EQ(form.text[kMessageLine], "");
}

TEST_F(SearchFormTest, DateChecks) {
  EXPECT_FALSE(check(kFieldYear, "1999"));
  EXPECT_EQ(tt.cond().plan_year, 1999);  // stored by the check itself
  EXPECT_FALSE(check(kFieldYear, "x"));
  EXPECT_FALSE(check(kFieldMonth, "13"));
  EXPECT_FALSE(check(kFieldMonth, "0"));
  EXPECT_TRUE(check(kFieldMonth, "2"));
  struct Leap {
    const char* year;
    bool day29;
  };
  for (auto const& y : {Leap{"1900", false}, Leap{"2000", true}, Leap{"2004", true},
                        Leap{"2001", false}, Leap{"2100", false}}) {
    tt.cond().plan_year = std::stoi(y.year);
    EXPECT_EQ(check(kFieldDay, "29"), y.day29) << y.year;
    EXPECT_TRUE(check(kFieldDay, "28"));
    EXPECT_FALSE(check(kFieldDay, "30"));
  }
  EXPECT_FALSE(check(kFieldDay, "0"));
}

TEST_F(SearchFormTest, StartAcceptsAndStoresTheConditions) {
  form.text[kFieldDepFromHour] = "7";
  form.text[kFieldDepFromMinute] = "05";
  form.text[kFieldWait] = "0";
  form.order = kOrderArrival;
  form.one_per_train = false;
  auto const r = start();
  EXPECT_EQ(r.outcome, StartOutcome::accepted);
  auto const& c = tt.cond();
  EXPECT_EQ(c.st_station, "東京");
  EXPECT_EQ(c.ed_station, "新大阪");
  EXPECT_EQ(c.st_time1, 705);
  EXPECT_EQ(c.st_time2, 2359);
  EXPECT_EQ(c.ed_time1, 600);
  EXPECT_EQ(c.ed_time2, 2359);
  EXPECT_EQ(c.wait_time, 0);
  EXPECT_EQ(c.wait_count, 1);
  EXPECT_EQ(c.combination_number, 0);
  EXPECT_EQ(c.sort_order, 2);
  EXPECT_EQ(c.plan_date, day_number(2000, 3, 15));
  EXPECT_EQ(c.plan_weekday, 4);
  EXPECT_EQ(form.weekday_label, "(水)");
  EXPECT_EQ(confirmations, 0);
}

TEST_F(SearchFormTest, StartStopsAtTheFirstFailureInOrder) {
  form.text[kFieldArrToHour] = "25";
  form.text[kFieldWait] = "200";
  EXPECT_EQ(start().focus, kFieldArrToHour);
  form.text[kFieldArrToHour] = "";
  EXPECT_EQ(start().focus, kFieldWait);
  form.text[kFieldWait] = "";
  form.transfers = 2;
  form.text[kFieldDay] = "32";
  form.order = kOrderDeparture;
  EXPECT_EQ(start().focus, kFieldDepFromHour);  // 6 to 23 spans more than two hours
  EXPECT_EQ(form.text[kMessageLine], search_texts::kTwoHourRule);
  form.text[kFieldDepToHour] = "8";
  auto const r = start();
  EXPECT_EQ(r.focus, kFieldDay);
  EXPECT_EQ(form.text[kMessageLine], "");
  EXPECT_EQ(tt.cond().sort_order, 1);  // set before the date checks
  EXPECT_EQ(tt.cond().plan_date, 0);
  form.text[kFieldBoarding] = "京都";
  EXPECT_EQ(start().focus, kFieldBoarding);
  EXPECT_EQ(form.text[kMessageLine], search_texts::kInputError);
}

TEST_F(SearchFormTest, CancelledConfirmationKeepsWhatWasStored) {
  form.transfers = 2;
  form.text[kFieldDepToHour] = "8";
  form.one_per_train = false;
  tt.cond().combination_number = 1;
  auto const r = start(false);
  EXPECT_EQ(r.outcome, StartOutcome::cancelled);
  EXPECT_EQ(confirmations, 1);
  EXPECT_EQ(tt.cond().wait_count, 2);
  EXPECT_EQ(tt.cond().st_time2, 859);
  EXPECT_EQ(tt.cond().combination_number, 1);  // not reached
  EXPECT_EQ(start(true).outcome, StartOutcome::accepted);
  EXPECT_EQ(tt.cond().combination_number, 0);
}

TEST_F(SearchFormTest, DayFlagsOfThePlannedDate) {
  tt.state().holiday_count = 2;
  tt.state().holiday_month[1] = 3;
  tt.state().holiday_day[1] = 15;  // a Wednesday in 2000
  tt.state().holiday_month[2] = 3;
  tt.state().holiday_day[2] = 18;  // a Saturday
  struct Case {
    int day;
    std::array<int, 3> flags;
  };
  for (auto const& c : {Case{14, {0, 0, 0}}, Case{15, {1, 1, 0}}, Case{11, {1, 0, 1}},
                        Case{18, {1, 1, 0}}, Case{19, {1, 1, 0}}}) {
    form.text[kFieldDay] = std::to_string(c.day);
    ASSERT_EQ(start().outcome, StartOutcome::accepted);
    auto const& f = tt.state().day_flags;
    EXPECT_EQ((std::array<int, 3>{f[3], f[4], f[5]}), c.flags) << "day " << c.day;
  }
}

TEST_F(SearchFormTest, FillsFromTheLastConditionsOrToday) {
  auto& c = tt.cond();
  c.st_station = "東京";
  c.st_time1 = 600;
  c.st_time2 = 1030;
  c.ed_time1 = 905;
  c.ed_time2 = 2359;
  c.wait_time = 45;
  c.wait_count = 0;
  c.combination_number = 0;
  c.sort_order = 7;
  auto f = fill_search_form(tt.state(), ClockReading{2001, 2, 3, 10, 0, 0});
  EXPECT_EQ(f.text[2] + "|" + f.text[3] + "|" + f.text[4] + "|" + f.text[5], "6|0|10|30");
  EXPECT_EQ(f.text[7] + "|" + f.text[8], "9|5");
  EXPECT_EQ(f.text[11], "45");
  EXPECT_EQ(f.transfers, 2);
  EXPECT_FALSE(f.one_per_train);
  EXPECT_EQ(f.order, kOrderRide);
  EXPECT_EQ(f.text[13] + "/" + f.text[14] + "/" + f.text[15], "2001/2/3");
  EXPECT_EQ(f.weekday_label, "(土)");
  c.plan_year = 2000;
  c.plan_month = 3;
  c.plan_day = 15;
  c.plan_date = day_number(2000, 3, 15);
  f = fill_search_form(tt.state(), ClockReading{2001, 2, 3, 10, 0, 0});
  EXPECT_EQ(f.text[13] + "/" + f.text[14] + "/" + f.text[15], "2000/3/15");
  EXPECT_EQ(f.weekday_label, "(水)");
}

// Thirty-five single rows R1..R35; direction 2 lists them in reverse, so row
// k of direction 2 is R(36 - k).
class CombinationTest : public ::testing::Test {
 protected:
  CombinationTest() {
    std::vector<testing::StationRow> rows;
    for (int i = 1; i <= 35; ++i) rows.push_back({"R" + std::to_string(i)});
    tt.stations(rows);
  }

  bool accepted(int edition, int st, int ed) {
    tt.state().edition = edition;
    form.text[kFieldBoarding] = "R" + std::to_string(st);
    form.text[kFieldAlighting] = "R" + std::to_string(ed);
    bool const ok = check_station_combination(form, tt.state());
    EXPECT_EQ(form.text[kMessageLine],
              ok ? std::string_view() : search_texts::kBadCombination.get());
    return ok;
  }

  Timetable tt;
  SearchForm form;
};

TEST_F(CombinationTest, EditionRules) {
  EXPECT_TRUE(accepted(1, 20, 30));
  EXPECT_TRUE(accepted(1, 30, 20));
  // Edition 2, direction 1: 17..22 to beyond 16.
  EXPECT_FALSE(accepted(2, 17, 20));
  EXPECT_FALSE(accepted(2, 22, 35));
  EXPECT_TRUE(accepted(2, 16, 20));
  EXPECT_TRUE(accepted(2, 23, 30));
  // Direction 2 rows: 1..16 to 17..27.
  EXPECT_FALSE(accepted(2, 36 - 5, 36 - 20));
  EXPECT_TRUE(accepted(2, 36 - 5, 36 - 28));
  EXPECT_TRUE(accepted(2, 36 - 17, 36 - 20));
  EXPECT_EQ(tt.cond().st_row, 17);
  EXPECT_EQ(tt.cond().ed_row, 20);
  // Edition 3, direction 1.
  EXPECT_FALSE(accepted(3, 10, 13));
  EXPECT_TRUE(accepted(3, 10, 12));
  EXPECT_FALSE(accepted(3, 16, 17));
  EXPECT_TRUE(accepted(3, 15, 17));
  // Edition 3, direction 2.
  EXPECT_FALSE(accepted(3, 36 - 3, 36 - 6));
  EXPECT_TRUE(accepted(3, 36 - 3, 36 - 7));
  EXPECT_FALSE(accepted(3, 36 - 3, 36 - 14));
  EXPECT_FALSE(accepted(3, 36 - 7, 36 - 12));
  EXPECT_TRUE(accepted(3, 36 - 7, 36 - 15));
  EXPECT_TRUE(accepted(3, 36 - 10, 36 - 12));
}

}  // namespace
}  // namespace vorlash
