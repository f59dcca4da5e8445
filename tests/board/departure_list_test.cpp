#include "board/departure_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board_fixture.h"

namespace vorlash {
namespace {

using Rows = std::vector<std::string>;

TEST(ReachableWindow, CarriesWholeHoursAndNeverWraps) {
  ReachableWindow const w = reachable_window(14, 50, 15, 70);
  EXPECT_EQ(w.end_limit, 1650);
  EXPECT_EQ(w.hurry_limit, 1505);
  EXPECT_EQ(w.earliest_limit, 1600);
  ReachableWindow const late = reachable_window(23, 30, 45, 5);
  EXPECT_EQ(late.end_limit, 2530);
  EXPECT_EQ(late.hurry_limit, 2415);
  EXPECT_EQ(late.earliest_limit, 2335);
  EXPECT_EQ(late.earliest_hour, 23);
}

// Board time 14:05, walk 15 minutes, hurrying 5: earliest 14:10, hurry limit
// 14:20, end limit 16:05.
TEST(EditSinkansen, ListsTrainsBetweenTheEarliestAndTheEndLimit) {
  auto state = test::make_board_state();
  BoardState board;
  for (int const departs : {1409, 1410, 1420, 1421, 1604, 1605})
    test::add_train(*state, "H" + std::to_string(departs % 100), {0, departs, 0, 0, 0, 1700});
  test::set_now(*state, 2000, 3, 8, 14, 5);
  DepartureList list;
  edit_sinkansen(*state, board, list);
  EXPECT_EQ(list.caption, "新幹線（下り）  新横浜");
  EXPECT_EQ(list.rows, (Rows{
                           "ひかり０１０  １４：１０  新大阪 (１７：００)  急げ!!",
                           "ひかり０２０  １４：２０  新大阪 (１７：００)  急げ!!",
                           "ひかり０２１  １４：２１  新大阪 (１７：００)",
                           "ひかり００４  １６：０４  新大阪 (１７：００)",
                       }));
  EXPECT_EQ(board.sinkansen_rows, 4);
  EXPECT_EQ(board.sinkansen_row_train[1], 2);
  EXPECT_EQ(board.sinkansen_row_train[4], 5);
  EXPECT_EQ(board.sinkansen_dir, 1);
  EXPECT_EQ(board.sinkansen_station_row, 2);
  EXPECT_EQ(state->clock.corrected_hour, 14);
  EXPECT_EQ(state->clock.corrected_minute, 10);
}

TEST(EditSinkansen, FixedRowCountIgnoresTheTwoHourLimit) {
  auto state = test::make_board_state();
  BoardState board;
  for (int const departs : {1410, 1500, 1900})
    test::add_train(*state, "K1", {0, departs, 0, 0, 0, 2100});
  test::set_now(*state, 2000, 3, 8, 14, 5);
  DepartureList list;
  for (auto [hyouji, rows] : {std::pair{0, 2}, std::pair{3, 3}, std::pair{1, 1}}) {
    state->sinkansen_line.hyouji = hyouji;
    edit_sinkansen(*state, board, list);
    EXPECT_EQ(static_cast<int>(list.rows.size()), rows) << "hyouji " << hyouji;
    EXPECT_EQ(board.sinkansen_rows, rows);
  }
}

TEST(EditSinkansen, OperatingDayCodes) {
  struct Day {
    int month_day;  // March 2000
    bool holiday;
  };
  // Wednesday, Friday, Saturday, Sunday; then Wednesday, Friday and Saturday
  // in the holiday list.
  Day const days[] = {{8, false}, {10, false}, {11, false}, {12, false},
                      {8, true},  {10, true},  {11, true}};
  struct Code {
    int code;
    const char* runs;  // one letter per day above: y runs, n does not
  };
  Code const codes[] = {{0, "yyyyyyy"},  {1, "yyynnnn"},   {10, "yynyyyy"},
                        {11, "yynnnnn"}, {50, "nynnnyn"},  {51, "nynyyyy"},
                        {70, "nnnyyyy"}, {170, "yyynyyy"}, {99, "yyyyyyy"}};
  for (auto const& c : codes) {
    for (std::size_t i = 0; i < std::size(days); ++i) {
      auto state = test::make_board_state();
      BoardState board;
      test::add_train(*state, "H1", {0, 1430, 0, 0, 0, 1600}, c.code);
      if (days[i].holiday) {
        state->holiday_count = 1;
        state->holiday_month[1] = 3;
        state->holiday_day[1] = days[i].month_day;
      }
      test::set_now(*state, 2000, 3, days[i].month_day, 14, 5);
      DepartureList list;
      edit_sinkansen(*state, board, list);
      EXPECT_EQ(board.sinkansen_rows == 1, c.runs[i] == 'y') << "code " << c.code << ", day " << i;
    }
  }
}

TEST(EditSinkansen, DestinationIsTheLastRowOrTheLastArrivalBeforeIt) {
  auto state = test::make_board_state();
  BoardState board;
  test::add_train(*state, "N10", {0, 1410, 1530, 1533, 1610, 1630}, 0, "N");
  test::add_train(*state, "K20", {0, 1430, 1600, 0, 0, 0});     // ends at the arrival row
  test::add_train(*state, "K30", {0, 1440, 0, 1610, 1700, 0});  // only the departure row
  test::add_train(*state, "H40", {1400, 1450, 0, 0, 0, 0});     // ends at the user's station
  test::add_train(*state, "H50", {1430, 0, 1530, 1533, 0, 0});  // passes the user's station
  test::set_now(*state, 2000, 3, 8, 14, 5);
  DepartureList list;
  edit_sinkansen(*state, board, list);
  EXPECT_EQ(list.rows, (Rows{
                           "のぞみ０１０N １４：１０  新大阪 (１６：３０)  急げ!!",
                           "こだま０２０  １４：３０  名古屋 (１６：００)",
                           "こだま０３０  １４：４０  京都 (１７：００)",
                       }));

  // The last row of the list is named even when it is a departure row.
  state->sinkansen.station_count[1] = 4;
  edit_sinkansen(*state, board, list);
  EXPECT_EQ(list.rows[2], "こだま０３０  １４：４０  名古屋 (１６：１０)");
}

TEST(EditSinkansen, TrainWithoutATimeHereIsNotListedAtMidnight) {
  auto state = test::make_board_state();
  BoardState board;
  state->sinkansen_line.hun1 = state->sinkansen_line.hun2 = 0;
  test::add_train(*state, "H1", {2350, 0, 30, 35, 100, 120});
  test::add_train(*state, "H2", {0, 5, 0, 0, 0, 120});
  test::set_now(*state, 2000, 3, 8, 0, 0);
  DepartureList list;
  edit_sinkansen(*state, board, list);
  EXPECT_EQ(list.rows, (Rows{"ひかり００２  ００：０５  新大阪 (０１：２０)"}));
}

TEST(EditSinkansen, EmptyListMessageFollowsTheEarliestLimitHour) {
  auto state = test::make_board_state();
  BoardState board;
  test::add_train(*state, "H1", {0, 1000, 0, 0, 0, 1200});
  DepartureList list;
  struct Case {
    int hour, minute, hun2;
    const char* message;
  };
  Case const cases[] = {{5, 50, 5, "この時間は運行していません"},
                        {5, 55, 5, "この時間は運行していません"},  // 06:00 after the walk
                        {23, 30, 5, "本日の運行は終了しました"},
                        {6, 50, 15, "本日の運行は終了しました"}};  // 07:05 after the walk
  for (auto const& c : cases) {
    state->sinkansen_line.hun2 = c.hun2;
    test::set_now(*state, 2000, 3, 8, c.hour, c.minute);
    edit_sinkansen(*state, board, list);
    EXPECT_EQ(list.rows, (Rows{c.message})) << c.hour << ":" << c.minute;
    EXPECT_EQ(board.sinkansen_rows, 0);
  }
}

TEST(EditSinkansen, UnknownStationSelectsNothing) {
  auto state = test::make_board_state();
  BoardState board;
  test::add_train(*state, "H1", {1400, 1430, 0, 0, 0, 1600});
  state->sinkansen_line.station = "品川 ";
  test::set_now(*state, 2000, 3, 8, 14, 5);
  DepartureList list;
  edit_sinkansen(*state, board, list);
  EXPECT_EQ(list.caption, "新幹線（下り）  品川");
  EXPECT_EQ(list.rows, (Rows{"本日の運行は終了しました"}));
  EXPECT_EQ(board.sinkansen_station_row, 0);
  EXPECT_EQ(board.sinkansen_rows, 0);
}

TEST(EditSinkansen, TrainNumberAndVehicleMark) {
  auto state = test::make_board_state();
  BoardState board;
  test::add_train(*state, "X123", {0, 1430, 0, 0, 0, 1600}, 0, "N5");
  test::add_train(*state, "S7  ", {0, 1431, 0, 0, 0, 1600}, 0, "N7");
  test::add_train(*state, "G1234", {0, 1432, 0, 0, 0, 1600}, 0, "ZZ");
  test::set_now(*state, 2000, 3, 8, 14, 5);
  DepartureList list;
  edit_sinkansen(*state, board, list);
  EXPECT_EQ(list.rows, (Rows{
                           "１２３n １４：３０  新大阪 (１６：００)",
                           "あさま００７E １４：３１  新大阪 (１６：００)",
                           "たにがわ１２３４  １４：３２  新大阪 (１６：００)",
                       }));
}

// The exchange sort reorders trains with equal times: [15:00 a, 15:00 b,
// 14:30 c] becomes [c, b, a], where a stable sort would give [c, a, b].
TEST(EditSinkansen, ExchangeSortOrderForEqualTimes) {
  auto state = test::make_board_state();
  BoardState board;
  test::add_train(*state, "H1", {0, 1500, 0, 0, 0, 1700});
  test::add_train(*state, "H2", {0, 1500, 0, 0, 0, 1700});
  test::add_train(*state, "H3", {0, 1430, 0, 0, 0, 1700});
  test::set_now(*state, 2000, 3, 8, 14, 5);
  DepartureList list;
  edit_sinkansen(*state, board, list);
  auto const& map = board.sinkansen_row_train;
  EXPECT_EQ((std::vector<int>{map[1], map[2], map[3]}), (std::vector<int>{3, 2, 1}));
}

TEST(EditSinkansen, TakesTheFirst200CatchableTrainsInTableOrder) {
  auto state = test::make_board_state();
  BoardState board;
  for (int i = 0; i < 200; ++i) test::add_train(*state, "H1", {0, 1500, 0, 0, 0, 1700});
  for (int i = 0; i < 10; ++i) test::add_train(*state, "H2", {0, 1430, 0, 0, 0, 1700});
  test::set_now(*state, 2000, 3, 8, 14, 5);
  DepartureList list;
  edit_sinkansen(*state, board, list);
  ASSERT_EQ(list.rows.size(), 200u);
  EXPECT_EQ(list.rows[0], "ひかり００１  １５：００  新大阪 (１７：００)");
}

class EditKeiyo : public ::testing::Test {
 protected:
  void SetUp() override {
    state = test::make_board_state();
    state->keiyo_use = 1;
    state->keiyo_line = LineSettings{1, "海浜幕張", 10, 3, 0};
    for (int k : {1, 3})
      test::set_keiyo_stations(*state, k, {"東京", "新木場", "舞浜", "海浜幕張", "蘇我"});
    test::add_keiyo_train(*state, 1, "1001A", {1300, 1320, 1330, 1410, 1425});
    test::add_keiyo_train(*state, 1, "1003 ", {1330, 1350, 1400, 1407, 1420});  // gone
    test::add_keiyo_train(*state, 1, "1005 ", {1400, 1420, 1430, 1445, 1500});
    test::add_keiyo_train(*state, 1, "1007 ", {1300, 1320, 1330, 1408, 0});  // ends short
    test::add_keiyo_train(*state, 3, "2001A", {1300, 1320, 1330, 1420, 1435});
  }
  std::unique_ptr<AppState> state;
  BoardState board;
};

TEST_F(EditKeiyo, WeekdayTable) {
  test::set_now(*state, 2000, 3, 8, 14, 5);
  DepartureList list;
  edit_keiyo(*state, board, list);
  EXPECT_EQ(list.caption, "京葉線（平日下り）  海浜幕張");
  EXPECT_EQ(list.rows, (Rows{
                           "普通 １４：０８  海浜幕張 (１４：０８)  急げ!!",
                           "快速 １４：１０  蘇我 (１４：２５)  急げ!!",
                           "普通 １４：４５  蘇我 (１５：００)",
                       }));
  EXPECT_EQ(board.keiyo_table, 1);
  EXPECT_EQ(board.keiyo_station_row, 4);
  EXPECT_EQ(board.keiyo_rows, 3);
  EXPECT_EQ(board.keiyo_row_train[2], 1);
}

TEST_F(EditKeiyo, SaturdayTableAndSwitchedOff) {
  test::set_now(*state, 2000, 3, 11, 14, 5);
  DepartureList list;
  edit_keiyo(*state, board, list);
  EXPECT_EQ(list.caption, "京葉線（土休日下り）  海浜幕張");
  EXPECT_EQ(list.rows, (Rows{"快速 １４：２０  蘇我 (１４：３５)"}));

  state->keiyo_use = 0;
  DepartureList untouched{"京葉線", {}};
  edit_keiyo(*state, board, untouched);
  EXPECT_EQ(untouched.caption, "京葉線");
  EXPECT_TRUE(untouched.rows.empty());
}

}  // namespace
}  // namespace vorlash
