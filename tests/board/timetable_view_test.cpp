#include "board/timetable_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/departure_list.h"
#include "board/passing_stations.h"
#include "board/station_picker.h"
#include "board_fixture.h"

namespace vorlash {
namespace {

TEST(TimetableView, KeiyoDayByHourWithShortTrainsInParentheses) {
  auto state = test::make_board_state();
  state->keiyo_use = 1;
  state->keiyo_line = LineSettings{1, "海浜幕張", 10, 3, 0};
  test::set_keiyo_stations(*state, 1, {"東京", "新木場", "舞浜", "海浜幕張", "蘇我"});
  test::add_keiyo_train(*state, 1, "1101 ", {530, 545, 550, 605, 620});
  test::add_keiyo_train(*state, 1, "1001 ", {2340, 2355, 0, 15, 30});  // after midnight
  test::add_keiyo_train(*state, 1, "1003A", {500, 515, 520, 530, 545});
  test::add_keiyo_train(*state, 1, "1005 ", {510, 525, 535, 545, 0});  // ends short
  test::add_keiyo_train(*state, 1, "1007 ", {510, 525, 535, 0, 0});    // does not stop here
  test::set_now(*state, 2000, 3, 8, 14, 5);

  TimetableView const view = timetable_view(*state, 1);
  EXPECT_EQ(view.caption, "京葉線（平日下り）  海浜幕張");
  // The 00:15 train heads the day without an hour label.
  EXPECT_EQ(view.text, "   15 \r\n05|快 30   (45)\r\n06|   05 ");
  EXPECT_EQ(view.note, "（注）（　）内は新習志野駅とまり");
}

TEST(TimetableView, SinkansenEntriesByTrainLetterAndEndStation) {
  auto state = test::make_board_state();
  test::add_train(*state, "N10", {0, 610, 730, 733, 810, 830});
  test::add_train(*state, "K20", {0, 620, 800, 0, 0, 0});  // ends at the arrival row
  test::add_train(*state, "M30", {0, 630, 0, 0, 0, 900});
  test::add_train(*state, "H40", {0, 705, 0, 0, 900, 0});
  test::add_train(*state, "X50", {0, 710, 0, 0, 0, 900});      // unknown letter
  test::add_train(*state, "H60", {600, 715, 0, 0, 0, 0});      // ends here
  test::add_train(*state, "H70", {0, 720, 0, 0, 0, 900}, 70);  // Sundays only
  test::add_train(*state, "A80", {0, 15, 0, 0, 0, 200});
  test::set_now(*state, 2000, 3, 8, 14, 5);

  TimetableView view = timetable_view(*state, 2);
  EXPECT_EQ(view.caption, "新幹線（下り）  新横浜");
  EXPECT_EQ(view.text, "新 15  \r\n06|新[10] 名(20) 新<30> \r\n07|京 05  新");
  EXPECT_EQ(view.note, "（注）無印はひかり  [　］はのぞみ　（　）はこだま");

  state->edition = 3;
  EXPECT_EQ(timetable_view(*state, 2).note, "（注）無印はあさひ ［　］はあさま　（　）はたにがわ");
  state->edition = 4;
  EXPECT_EQ(timetable_view(*state, 2).note, "");
  EXPECT_EQ(timetable_view(*state, 0).text, "");
}

TEST(TimetableView, SinkansenShowsTheWholeDayBeyond200Trains) {
  auto state = test::make_board_state();
  for (int i = 0; i < 240; ++i) test::add_train(*state, "H1", {0, 600 + i % 60, 0, 0, 0, 900});
  test::set_now(*state, 2000, 3, 8, 14, 5);
  std::string const text = sinkansen_timetable(*state).text;
  std::size_t entries = 0;
  for (auto at = text.find("新"); at != std::string::npos; at = text.find("新", at + 1)) ++entries;
  EXPECT_EQ(entries, 240u);
}

TEST(PassingStations, SinkansenFromTheUserStationWithVehicleNote) {
  auto state = test::make_board_state();
  BoardState board;
  test::add_train(*state, "N10", {1350, 1410, 1530, 1533, 1610, 1630}, 0, "N");
  test::set_now(*state, 2000, 3, 8, 14, 5);
  DepartureList list;
  edit_sinkansen(*state, board, list);
  board.chosen_sinkansen_row = 0;
  board.view_mode = 2;
  EXPECT_EQ(passing_stations_text(*state, board),
            "新横浜(14:10) → 名古屋(15:30) → 京都(16:10) → 新大阪(16:30)　【のぞみ型車両】");

  // At the departure row of a station listed twice the user's station still
  // comes first.
  state->sinkansen_line.station = "名古屋";
  edit_sinkansen(*state, board, list);
  EXPECT_EQ(board.sinkansen_station_row, 4);
  EXPECT_EQ(sinkansen_passing_stations(*state, board),
            "名古屋(15:33) → 京都(16:10) → 新大阪(16:30)　【のぞみ型車両】");

  // Past the list, and a row holding an empty-list message: nothing.
  board.chosen_sinkansen_row = 1;
  EXPECT_EQ(sinkansen_passing_stations(*state, board), "");
  state->sinkansen_line.station = "東京";
  edit_sinkansen(*state, board, list);
  board.chosen_sinkansen_row = 0;
  ASSERT_EQ(list.rows.size(), 1u);
  EXPECT_EQ(sinkansen_passing_stations(*state, board), "");
}

TEST(PassingStations, KeiyoFromTheUserStation) {
  auto state = test::make_board_state();
  BoardState board;
  state->keiyo_use = 1;
  state->keiyo_line = LineSettings{2, "舞浜", 10, 3, 0};
  test::set_keiyo_stations(*state, 2, {"蘇我", "海浜幕張", "舞浜", "新木場", "東京"});
  test::add_keiyo_train(*state, 2, "2001 ", {1330, 1350, 1430, 0, 1450});
  test::add_keiyo_train(*state, 2, "2003 ", {1300, 1320, 1415, 1425, 1440});
  test::set_now(*state, 2000, 3, 8, 14, 5);
  DepartureList list;
  edit_keiyo(*state, board, list);
  board.chosen_keiyo_row = 1;
  board.view_mode = 1;
  EXPECT_EQ(passing_stations_text(*state, board), "舞浜(14:30) → 東京(14:50)");
  board.chosen_keiyo_row = 2;
  EXPECT_EQ(keiyo_passing_stations(*state, board), "");
}

TEST(StationPicker, ListsByMode) {
  auto state = test::make_board_state();
  test::set_keiyo_stations(
      *state, 1, {"p1", "p2", "p3", "p4", "p5", "p6", "p7", "p8", "p9", "p10", "p11", "p12"});
  StationChoices const keiyo = station_picker(*state, 1);
  EXPECT_EQ(keiyo.header, "京葉線");
  EXPECT_EQ(keiyo.names, (std::vector<std::string>{"p1", "p2", "p3", "p4", "p5", "p6", "p7", "p9",
                                                   "p10", "p11"}));

  std::vector<std::string> const shinkansen{"東京", "新横浜", "名古屋", "京都", "新大阪"};
  for (int const mode : {2, 12, 22}) {
    StationChoices const choices = station_picker(*state, mode);
    EXPECT_EQ(choices.header, "東海道・山陽新幹線");
    EXPECT_EQ(choices.names, shinkansen) << "mode " << mode;
  }
  EXPECT_TRUE(station_picker(*state, 3).names.empty());

  // Empty rows inside the station count are not offered as blank entries.
  int const count = ++state->sinkansen.station_count[1];
  state->sinkansen.station[1][count] = "";
  state->sinkansen.row_kind[1][count] = 0;
  EXPECT_EQ(station_picker(*state, 2).names, shinkansen);
}

}  // namespace
}  // namespace vorlash
