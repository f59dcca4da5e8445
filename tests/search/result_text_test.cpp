// The texts of the results window, compared whole.
#include "search/result_text.h"

#include <gtest/gtest.h>

#include "search_fixture.h"
#include "text/date.h"

namespace vorlash {
namespace {

using testing::Timetable;

class ResultTextTest : public ::testing::Test {
 protected:
  ResultTextTest() {
    tt.stations({{"東京"}, {"名古屋", 1}, {"名古屋", 2}, {"京都"}, {"新大阪"}});
    tt.train(1, "N1  ", {600, 741, 742, 0, 830}, 0, "N");
    tt.train(1, "K456", {0, 0, 750, 850, 908});
    tt.train(1, "H123", {0, 0, 0, 900, 915}, 0, "W");
    tt.train(1, "K2", {610, 0, 745, 0, 0});  // only a departure time at 名古屋
    tt.from_to("東京", "新大阪");
    auto& s = tt.result();
    s.search_dir = 1;
    s.st_row = 1;
    s.ed_row = 5;
  }

  void add(Connection c) {
    auto& s = tt.result();
    s.row[++s.hit_count] = c;
  }

  Timetable tt;
};

TEST_F(ResultTextTest, TrainLabels) {
  auto& sk = tt.state().sinkansen;
  EXPECT_EQ(train_label(tt.state(), 1, 1), "のぞみ001N ");
  EXPECT_EQ(train_label(tt.state(), 1, 2), "こだま456  ");
  sk.code[1][2] = "Q12";
  sk.vehicle[1][2] = "N5";
  EXPECT_EQ(train_label(tt.state(), 1, 2), "012n ");
  sk.code[1][2] = "M1234";
  sk.vehicle[1][2] = "RS";
  EXPECT_EQ(train_label(tt.state(), 1, 2), "こまち1234R ");
  sk.vehicle[1][2] = "X";
  EXPECT_EQ(train_label(tt.state(), 1, 2), "こまち1234  ");
}

TEST_F(ResultTextTest, ConnectionListWithEveryKindOfConnection) {
  add({1, 0, 0, 0, 0, 0, 150});
  add({1, 2, 0, 3, 0, 0, 188});
  add({1, 2, 3, 3, 4, 0, 1005});
  EXPECT_EQ(connection_list_text(tt.state(), tt.result()),
            "[150分]のぞみ001N 東京(06:00発)→新大阪(08:30着) \r\n\r\n"
            "[188分]のぞみ001N 東京(06:00発)→名古屋(07:41着) \r\n"
            "\t\t～ こだま456  名古屋(07:50発)→新大阪(09:08着) \r\n\r\n"
            "[1005分]のぞみ001N 東京(06:00発)→名古屋(07:41着) \r\n"
            "\t\t～ こだま456  名古屋(07:50発)→京都(08:50着) \r\n"
            "\t\t\t～ ひかり123W 京都(09:00発)→新大阪(09:15着) \r\n\r\n");
}

TEST_F(ResultTextTest, LegWithoutTimeAtItsArrivalRowIsLeftOut) {
  // K2 has no time on 名古屋's arrival row: its leg goes, and with it the
  // line break that would lead into the next leg.
  add({4, 2, 0, 3, 0, 0, 178});
  add({1, 0, 0, 0, 0, 0, 150});
  EXPECT_EQ(connection_list_text(tt.state(), tt.result()),
            "\t\t～ こだま456  名古屋(07:50発)→新大阪(09:08着) \r\n\r\n"
            "[150分]のぞみ001N 東京(06:00発)→新大阪(08:30着) \r\n\r\n");
  // A second leg without its arrival time: the third leg follows the first.
  Timetable kyoto;
  kyoto.stations({{"東京"}, {"名古屋"}, {"京都", 1}, {"京都", 2}, {"新大阪"}});
  kyoto.train(1, "N1", {600, 740, 0, 0, 0});
  kyoto.train(1, "K456", {0, 750, 0, 855, 0});  // leaves 京都 without arriving
  kyoto.train(1, "H123", {0, 0, 0, 900, 915});
  auto& s = kyoto.result();
  s = {1, 1, 5, 1, {}};
  s.row[1] = {1, 2, 3, 2, 4, 0, 195};
  EXPECT_EQ(connection_list_text(kyoto.state(), kyoto.result()),
            "[195分]のぞみ001  東京(06:00発)→名古屋(07:40着) \r\n"
            "\t\t\t～ ひかり123  京都(09:00発)→新大阪(09:15着) \r\n\r\n");
}

TEST_F(ResultTextTest, OneConnectionPerFirstTrainByCode) {
  tt.cond().combination_number = 1;
  tt.state().sinkansen.code[1][4] = "N1";    // another train with the same code, trimmed
  tt.state().sinkansen.code[1][3] = "N1  ";  // the same code exactly
  add({1, 2, 0, 3, 0, 0, 188});
  add({1, 0, 0, 0, 0, 0, 150});
  add({3, 0, 0, 0, 0, 0, 15});
  add({4, 2, 0, 3, 0, 0, 178});
  ListedFilter filter(tt.state(), tt.result());
  std::vector<bool> listed;
  for (int k = 1; k <= 4; ++k) listed.push_back(filter.listed(k));
  EXPECT_EQ(listed, (std::vector<bool>{true, false, false, true}));
  tt.cond().combination_number = 0;
  ListedFilter all(tt.state(), tt.result());
  for (int k = 1; k <= 4; ++k) EXPECT_TRUE(all.listed(k));
}

TEST_F(ResultTextTest, NoConnectionText) {
  auto& c = tt.cond();
  c.st_time1 = 600;
  c.st_time2 = 800;
  c.ed_time1 = 905;
  c.ed_time2 = 2359;
  std::string const expected =
      "条件にあう新幹線を検索できませんでした\r\n"
      "乗車条件：東京   \t600 -> 800\r\n"
      "下車条件：新大阪   \t905 -> 2359\r\n";
  EXPECT_EQ(connection_list_text(tt.state(), tt.result()), expected);
  // Rows that are not listed leave the text empty as well.
  tt.state().sinkansen.time[1][2][4] = 0;
  tt.state().sinkansen.code[1][4] = "";
  EXPECT_EQ(no_connection_text(tt.state()), expected);
}

TEST_F(ResultTextTest, HeaderLegendAndPrintout) {
  auto& s = tt.state();
  auto& c = s.cond;
  c.plan_date = day_number(2000, 3, 11);
  c.sort_order = 1;
  c.st_time1 = 600;
  c.st_time2 = 800;
  c.ed_time1 = 905;
  c.ed_time2 = 2359;
  c.wait_time = 5;
  c.wait_count = 2;
  FareFlags flags;
  flags.season_class = 2;
  s.edition = 1;
  s.edition_title = "東海道・山陽新幹線";
  EXPECT_EQ(header_line(s, flags),
            "東京 → 新大阪  【2000/03/11（土）　繁忙期】　表示順序：発車時刻順");
  EXPECT_EQ(legend_text(2), "列車名の[M]は「オール２階建て車両」で運行しています");
  std::string const eq(89, '=');
  std::vector<std::string> const expected = {
      " ",
      "ソルマー時刻表（東海道・山陽新幹線編）＆ホテル情報　(Version 1.59)",
      eq,
      "　検索条件　　乗車駅　：東京　下車駅：新大阪",
      "              乗車時間：06:00 ～ 08:00",
      "              下車時間：09:05 ～ 23:59",
      "　　　　　　　乗換条件：２回乗り換え　　［乗り換え時間：5分］",
      "　　　　　　　表示順　：発車時刻順",
      "              日付　　：2000/03/11（土）　繁忙期",
      eq,
      "LIST",
      std::string(89, '-'),
      "FARE",
      eq,
      "列車名の[N]:のぞみ型 [n]:のぞみ500系 [E]:のぞみ700系 [G]:ｸﾞﾗﾝﾄﾞひかり [W]:ｳｴｽﾄひかり "
      "[R]:Rail Star",
  };
  EXPECT_EQ(printout_items(s, flags, "LIST", "FARE"), expected);
}

}  // namespace
}  // namespace vorlash
