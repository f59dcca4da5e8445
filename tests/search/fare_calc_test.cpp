#include "search/fare_calc.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/app_state.h"
#include "text/date.h"

namespace vorlash {
namespace {

constexpr const char* kNames[] = {
    "",
    "のぞみ指定席特急回数券（普通車用）",
    "のぞみ指定席特急回数券（グリーン車用）",
    "新幹線エコノミーきっぷ（普通車用）",
    "新幹線エコノミーきっぷ（グリーン車用）",
    "新幹線指定席特急回数券（普通車用）",
    "新幹線指定席特急回数券（グリーン車用）",
    "なすのきっぷ（往復割引きっぷ：普通車自由席）",
    "なすの指定席特急回数券",
    "のぞみ東京ビジネス回数券（普通車用）",
    "のぞみ東京ビジネス回数券（グリーン車用）",
    "新幹線ウィークエンド回数券（普通車自由席）",
    "新幹線オフピーク回数券（普通車自由席）",
    "こまち回数券",
    "新幹線自由席特急回数券",
};

bool contains(std::string const& text, std::string const& part) {
  return text.find(part) != std::string::npos;
}

// A small Edition 1 line: 東京 .. 新大阪 with its fare tables.
class FareTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s.edition = 1;
    for (int k = 1; k <= kTicketKinds; ++k) s.ticket_name[k] = kNames[k];
    set_stations({"東京", "新横浜", "名古屋", "京都", "新大阪"});
    add_km("東京", 0);
    add_km("新横浜", 288);
    add_km("名古屋", 3660);
    add_km("京都", 5136);
    add_km("新大阪", 5526);
    add_pair("東京", "新大阪", 0, 8510, 5240, 28380);
    add_pair("名古屋", "東京", 0, 6090, 4490, 0);
    add_green(100, 1240, 0, 0);
    add_green(200, 2670, 0, 0);
    add_green(400, 4000, 0, 0);
    add_green(600, 5150, 12340, 10280);
    add_green(800, 6300, 0, 0);
    add_nozomi("東京", "新大阪", 6210, 970);
    add_nozomi("新横浜", "名古屋", 0, 600);
    add_nozomi("京都", "博多", 0, 500);  // 博多 is not on this line
    s.cond.st_station = "東京";
    s.cond.ed_station = "新大阪";
    plan(2000, 6, 14);  // a Wednesday in June
  }

  void set_stations(std::vector<std::string> const& names) {
    s.sinkansen.station_count[1] = static_cast<int>(names.size());
    for (size_t i = 0; i < names.size(); ++i) s.sinkansen.station[1][i + 1] = names[i];
  }
  void add_km(std::string name, int tenths) {
    s.fares.km[++s.fares.km_count] = KmEntry{std::move(name), tenths};
  }
  void add_pair(std::string a, std::string b, int free_seat, int fare, int express, int coupon) {
    s.fares.pair[++s.fares.pair_count] =
        FarePair{std::move(a), std::move(b), free_seat, fare, express, coupon};
  }
  void add_green(int upper, int green, int room12, int room34) {
    s.fares.green[++s.fares.green_count] = GreenBracket{upper, green, room12, room34};
  }
  void add_ticket(std::string a, std::string b, int sheets, int validity, int kind, int price) {
    s.fares.ticket[++s.fares.ticket_count] =
        DiscountTicket{std::move(a), std::move(b), sheets, validity, kind, price};
  }
  void add_nozomi(std::string a, std::string b, int express, int supplement) {
    s.fares.nozomi[++s.fares.nozomi_count] =
        NozomiCharge{std::move(a), std::move(b), 0, express, supplement};
  }
  void add_holiday(int month, int day) {
    ++s.holiday_count;
    s.holiday_month[s.holiday_count] = month;
    s.holiday_day[s.holiday_count] = day;
  }
  void plan(int y, int m, int d) {
    s.cond.plan_year = y;
    s.cond.plan_month = m;
    s.cond.plan_day = d;
    s.cond.plan_date = day_number(y, m, d);
    s.cond.plan_weekday = weekday_of(s.cond.plan_date);
  }
  int season_of(int y, int m, int d) {
    plan(y, m, d);
    set_kikan(s, flags);
    return flags.season_class;
  }
  std::string fare_text_on(int y, int m, int d) {
    plan(y, m, d);
    set_kikan(s, flags);
    return edit_unchin(s, flags);
  }

  std::unique_ptr<AppState> owner = std::make_unique<AppState>();
  AppState& s = *owner;
  FareFlags flags;
};

TEST_F(FareTest, GoldenFareTextOfAnOffPeakWednesday) {
  add_ticket("東京", "新大阪", 6, 3, 5, 84000);
  add_ticket("東京", "新大阪", 4, 1, 11, 40000);  // weekend coupon: not on a Wednesday
  add_ticket("新大阪", "東京", 4, 3, 12, 49998);  // 12,499.5 a sheet
  add_ticket("東京", "名古屋", 6, 3, 5, 50000);   // another journey
  add_ticket("新大阪", "東京", 2, 7, 7, 29997);   // 14,998.5 a sheet, validity in days
  add_holiday(7, 20);
  std::string const expected =
      "運賃\t\t\t\t\t：８，５１０円（有効期間：４日）\r\n"
      "普通車指定席特急料金\t\t\t：５，０４０円\r\n"
      "グリーン車料金\t\t\t\t：５，１５０円\r\n"
      "グリーン車個室料金（１～２人用；１人分）：１２，３４０円\r\n"
      "グリーン車個室料金（３～４人用；１人分）：１０，２８０円\r\n"
      "\t※グリーン車利用の場合､普通車指定席特急料金は､４，７３０円となります\r\n"
      "のぞみ特急料金\t\t\t\t：６，０１０円\r\n"
      "全区間自由席利用時の特急料金\t\t：４，７３０円\r\n"
      "\r\n"
      "＜＜交通費の合計＞＞\r\n"
      "\t普通席指定席利用時\t\t：１３，５５０円\r\n"
      "\tグリーン車指定席利用時\t\t：１８，３９０円\r\n"
      "\tのぞみ指定席利用時\t\t：１４，５２０円\r\n"
      "\tのぞみグリーン車指定席利用時\t：１９，１６０円\r\n"
      "\t全区間自由席利用時\t\t：１３，２４０円\r\n"
      "\r\n"
      "＜＜新幹線のトクトクきっぷ＞＞\r\n"
      "新幹線指定席特急回数券（普通車用）\t：１４，０００円／１枚あたりの料金"
      "（６枚綴り、３ヶ月、ねだん：８４，０００円）\r\n"
      "新幹線オフピーク回数券（普通車自由席）\t：１２，５００円／１枚あたりの料金"
      "（４枚綴り、３ヶ月、ねだん：４９，９９８円）\r\n"
      "なすのきっぷ（往復割引きっぷ：普通車自由席）：１４，９９９円／１枚あたりの料金"
      "（２枚綴り、７日、ねだん：２９，９９７円）\r\n"
      "新幹線自由席特急回数券\t\t\t：４，７３０円／１枚あたりの料金"
      "（６枚綴り、３ヶ月、ねだん：２８，３８０円）\r\n"
      "\r\n"
      "＜＜のぞみとひかり・こだまを乗り継ぐ場合の普通車指定席特急料金の加算料金＞＞\r\n"
      "\t東京～新大阪間乗車時\t\t：９７０円\r\n"
      "\t新横浜～名古屋間乗車時\t\t：６００円\r\n";
  EXPECT_EQ(fare_text_on(2000, 6, 14), expected);
  EXPECT_EQ(flags.season_class, 3);
  EXPECT_EQ(season_text(flags.season_class), "　閑散期");
}

TEST_F(FareTest, ValidityCountsExactTenths) {
  EXPECT_EQ(validity_days(0), 1);
  EXPECT_EQ(validity_days(1000), 1);
  EXPECT_EQ(validity_days(1001), 2);
  EXPECT_EQ(validity_days(2000), 2);
  EXPECT_EQ(validity_days(2001), 3);
  EXPECT_EQ(validity_days(4000), 3);
  EXPECT_EQ(validity_days(4001), 4);
  EXPECT_EQ(validity_days(11793), 7);

  // 344.6 - 244.6 km is exactly 100.0 km: one day and the first green bracket.
  set_stations({"甲", "乙"});
  add_km("甲", 2446);
  add_km("乙", 3446);
  add_pair("甲", "乙", 0, 1620, 2000, 0);
  s.cond.st_station = "乙";  // either direction gives the same distance
  s.cond.ed_station = "甲";
  FareAmounts const a = compute_fare_amounts(s, flags);
  EXPECT_EQ(a.distance_tenths, 1000);
  EXPECT_EQ(a.validity_days, 1);
  EXPECT_EQ(a.green, 1240);
}

TEST_F(FareTest, SeasonBoundaries) {
  EXPECT_EQ(season_of(2000, 3, 21), 2);
  EXPECT_EQ(season_of(2000, 3, 20), 1);
  EXPECT_EQ(season_of(2001, 1, 16), 3);  // Tuesday: off-peak candidate
  EXPECT_EQ(season_of(2001, 1, 15), 1);  // Monday, but not a candidate
  EXPECT_EQ(season_of(2000, 1, 10), 2);
  EXPECT_EQ(season_of(2000, 4, 28), 2);
  EXPECT_EQ(season_of(2000, 12, 20), 3);  // Wednesday, last candidate day
  EXPECT_EQ(season_of(2000, 12, 21), 1);
  EXPECT_EQ(season_of(2000, 12, 25), 2);
  EXPECT_EQ(season_text(2), "　繁忙期");
}

TEST_F(FareTest, OffPeakNeedsMondayToThursdayAwayFromHolidays) {
  add_holiday(2, 27);
  add_holiday(2, 11);
  EXPECT_EQ(season_of(2000, 2, 17), 3);  // Thursday
  EXPECT_EQ(season_of(2000, 2, 18), 1);  // Friday never
  EXPECT_EQ(season_of(2000, 2, 19), 1);  // Saturday never
  EXPECT_EQ(season_of(2000, 2, 26), 1);  // Saturday before a listed holiday
  EXPECT_EQ(flags.near_holiday, 1);
  EXPECT_EQ(season_of(2000, 2, 10), 1);  // Thursday before a listed holiday
  EXPECT_EQ(season_of(2000, 2, 14), 3);  // Monday, three days after one

  // The day after a listed holiday counts only when that holiday is a Sunday.
  s.holiday_count = 0;
  add_holiday(2, 11);  // a Sunday in 2001
  add_holiday(6, 12);  // a Monday in 2000
  EXPECT_EQ(season_of(2001, 2, 12), 1);
  EXPECT_EQ(season_of(2000, 6, 13), 3);
}

TEST_F(FareTest, HolidayEntriesThatAreNoDateAreSkipped) {
  add_holiday(99, 99);  // the "no holiday" marker
  add_holiday(2, 29);   // no date in 2001
  add_holiday(6, 15);
  EXPECT_EQ(season_of(2001, 2, 28), 3);  // Wednesday; 29 February does not exist
  EXPECT_EQ(season_of(2000, 6, 14), 1);  // the day before the real entry
}

TEST_F(FareTest, TicketSectionFollowsTheDateAndWeekday) {
  add_ticket("東京", "新大阪", 4, 1, 11, 40000);
  add_ticket("東京", "新大阪", 4, 3, 12, 36000);
  add_holiday(11, 22);
  std::string const weekend = "新幹線ウィークエンド回数券";
  std::string const offpeak = "新幹線オフピーク回数券";

  std::string text = fare_text_on(2000, 5, 3);
  EXPECT_FALSE(contains(text, "トクトク")) << "no ticket section at all in Golden Week";

  text = fare_text_on(2000, 11, 15);  // ordinary Wednesday
  EXPECT_TRUE(contains(text, offpeak));
  EXPECT_FALSE(contains(text, weekend));
  text = fare_text_on(2000, 11, 22);  // listed holiday on a Wednesday
  EXPECT_FALSE(contains(text, offpeak));
  EXPECT_FALSE(contains(text, weekend));
  text = fare_text_on(2000, 11, 17);  // Friday: off-peak coupons still usable
  EXPECT_TRUE(contains(text, offpeak));
  text = fare_text_on(2000, 11, 18);  // Saturday
  EXPECT_TRUE(contains(text, weekend));
  EXPECT_FALSE(contains(text, offpeak));
  text = fare_text_on(2000, 11, 19);  // Sunday
  EXPECT_TRUE(contains(text, weekend));
}

TEST_F(FareTest, TicketBlackoutDates) {
  struct Case {
    int m, d;
    bool ok;
  };
  for (auto const c : {Case{1, 6, false}, Case{1, 7, true}, Case{4, 26, true}, Case{4, 27, false},
                       Case{4, 30, false}, Case{5, 6, false}, Case{5, 7, true}, Case{8, 10, true},
                       Case{8, 11, false}, Case{8, 20, false}, Case{8, 21, true},
                       Case{12, 27, true}, Case{12, 28, false}, Case{12, 31, false}}) {
    plan(2000, c.m, c.d);
    chk_yukoh(s, flags);
    EXPECT_EQ(flags.ticket_ok, c.ok) << c.m << "/" << c.d;
  }
}

TEST_F(FareTest, NoTicketsLineWhenNothingIsSold) {
  s.cond.ed_station = "名古屋";  // pair without a coupon, no tickets
  std::string const text = fare_text_on(2000, 6, 14);
  EXPECT_TRUE(contains(text,
                       "＜＜新幹線のトクトクきっぷ＞＞\r\n"
                       "　　　　新幹線のトクトクきっぷは設定されていません\r\n"));
}

TEST_F(FareTest, NozomiLinesOfEditionOne) {
  // With a Nozomi record the charge follows the season.
  EXPECT_TRUE(contains(fare_text_on(2000, 8, 1), "のぞみ特急料金\t\t\t\t：６，４１０円\r\n"));
  EXPECT_TRUE(contains(fare_text_on(2000, 10, 4), "のぞみ特急料金\t\t\t\t：６，２１０円\r\n"));

  // Without one: an empty amount and no Nozomi totals, whatever the season.
  s.cond.ed_station = "名古屋";
  for (auto const& [m, d] : {std::pair{8, 1}, std::pair{10, 4}, std::pair{6, 14}}) {
    std::string const text = fare_text_on(2000, m, d);
    EXPECT_TRUE(contains(text, "のぞみ特急料金\t\t\t\t：円\r\n")) << m;
    EXPECT_FALSE(contains(text, "のぞみ指定席利用時")) << m;
    EXPECT_FALSE(contains(text, "のぞみグリーン車")) << m;
  }
}

TEST_F(FareTest, SupplementsCoverTheSectionsOfTheJourney) {
  s.cond.st_station = "新横浜";
  s.cond.ed_station = "京都";
  std::string text = fare_text_on(2000, 6, 14);
  EXPECT_TRUE(contains(text, "\t新横浜～名古屋間乗車時\t\t：６００円\r\n"));
  EXPECT_FALSE(contains(text, "東京～新大阪"));

  // The return journey covers the same section.
  std::swap(s.cond.st_station, s.cond.ed_station);
  text = fare_text_on(2000, 6, 14);
  EXPECT_TRUE(contains(text, "\t新横浜～名古屋間乗車時\t\t：６００円\r\n"));

  s.cond.st_station = "名古屋";
  s.cond.ed_station = "京都";
  text = fare_text_on(2000, 6, 14);
  EXPECT_FALSE(contains(text, "加算料金"));
}

TEST_F(FareTest, EditionsTwoAndThreeHaveNoNozomiParts) {
  for (int edition : {2, 3}) {
    s.edition = edition;
    std::string const text = fare_text_on(2000, 8, 1);
    EXPECT_FALSE(contains(text, "のぞみ")) << edition;
    EXPECT_TRUE(contains(text, "全区間自由席利用時の特急料金")) << edition;
  }
}

TEST_F(FareTest, EditionTwoRowClasses) {
  s.edition = 2;
  std::vector<std::string> rows;
  for (int r = 1; r <= 32; ++r) rows.push_back("駅" + std::to_string(r));
  set_stations(rows);
  add_pair("駅1", "駅14", 0, 5780, 6000, 0);     // long, free-seat class 1
  add_pair("駅9", "駅13", 0, 2000, 3000, 0);     // long, free-seat class 2
  add_pair("駅1", "駅10", 0, 3000, 4000, 0);     // neither
  add_pair("駅1", "駅30", 5000, 9000, 7000, 0);  // free-seat charge given
  s.cond.st_station = "駅1";

  s.cond.ed_station = "駅14";
  plan(2000, 8, 1);
  set_kikan(s, flags);
  FareAmounts a = compute_fare_amounts(s, flags);
  EXPECT_TRUE(a.long_class);
  EXPECT_EQ(a.ordinary_express, 6340);
  EXPECT_EQ(a.green_express, 5130);
  EXPECT_EQ(a.free_seat_express, 5130);
  plan(2000, 6, 14);
  set_kikan(s, flags);
  EXPECT_EQ(compute_fare_amounts(s, flags).ordinary_express, 5660);

  // The return journey gets the same charges.
  std::swap(s.cond.st_station, s.cond.ed_station);
  a = compute_fare_amounts(s, flags);
  EXPECT_TRUE(a.long_class);
  EXPECT_EQ(a.ordinary_express, 5660);
  EXPECT_EQ(a.free_seat_express, 5130);

  s.cond.st_station = "駅9";
  s.cond.ed_station = "駅13";
  a = compute_fare_amounts(s, flags);
  EXPECT_EQ(a.free_seat_class, 2);
  EXPECT_EQ(a.free_seat_express, 3000 - 1820);

  s.cond.st_station = "駅1";
  s.cond.ed_station = "駅10";
  a = compute_fare_amounts(s, flags);
  EXPECT_FALSE(a.long_class);
  EXPECT_EQ(a.ordinary_express, 3800);
  EXPECT_EQ(a.green_express, 3490);
  EXPECT_EQ(a.free_seat_express, 3490);

  s.cond.ed_station = "駅30";
  EXPECT_EQ(compute_fare_amounts(s, flags).free_seat_express, 5000);

  // Other Editions never use the row classes.
  s.edition = 3;
  s.cond.ed_station = "駅14";
  a = compute_fare_amounts(s, flags);
  EXPECT_FALSE(a.long_class);
  EXPECT_EQ(a.ordinary_express, 5800);
}

TEST_F(FareTest, MissingDataGivesEmptyAmounts) {
  // No fare pair between 東京 and 京都: every amount of the pair is empty, the
  // distance-based ones stay.
  s.cond.ed_station = "京都";
  add_ticket("京都", "東京", 0, 3, 5, 10000);  // a set without sheets
  std::string const text = fare_text_on(2000, 6, 14);
  EXPECT_TRUE(contains(text, "運賃\t\t\t\t\t：円（有効期間：４日）\r\n"));
  EXPECT_TRUE(contains(text, "普通車指定席特急料金\t\t\t：円\r\n"));
  EXPECT_TRUE(contains(text, "グリーン車料金\t\t\t\t：５，１５０円\r\n"));
  EXPECT_TRUE(contains(text, "料金は､円となります\r\n"));
  EXPECT_TRUE(contains(text, "\tグリーン車指定席利用時\t\t：円\r\n"));
  EXPECT_TRUE(contains(text, "\t全区間自由席利用時\t\t：円\r\n"));
  EXPECT_TRUE(contains(
      text, "（普通車用）\t：円／１枚あたりの料金（枚綴り、３ヶ月、ねだん：１０，０００円）"));

  // A station without a kilometre entry counts as 0 km.
  s.cond.st_station = "品川";
  s.cond.ed_station = "名古屋";
  EXPECT_EQ(compute_fare_amounts(s, flags).distance_tenths, 3660);

  // A ticket kind outside the table shows without a name.
  s.cond.st_station = "東京";
  s.cond.ed_station = "新大阪";
  add_ticket("東京", "新大阪", 2, 1, 40, 2000);
  EXPECT_TRUE(contains(fare_text_on(2000, 6, 14), "\r\n\t\t\t\t\t：１，０００円／１枚あたり"));
}

}  // namespace
}  // namespace vorlash
