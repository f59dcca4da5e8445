// The Edition 2 and Edition 3 sample program folders, loaded as start-up
// loads them, and the rules that depend on the Edition run on their data:
// the station combinations of the search window, the row classes of the fare
// calculation, the terminus row of the settings window, the timetable note
// line, the vehicle type "M" and the legend.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "board/clock_day.h"
#include "board/timetable_view.h"
#include "cli/cli_run.h"
#include "data/app_state.h"
#include "data/startup.h"
#include "platform/clock.h"
#include "search/connection_search.h"
#include "search/fare_calc.h"
#include "search/result_text.h"
#include "search/search_form.h"
#include "search/search_texts.h"
#include "settings/settings_form.h"
#include "settings/settings_texts.h"
#include "text/date.h"
#include "text/utf8.h"

namespace vorlash {
namespace {

namespace fs = std::filesystem;

// The build writes build/bin (the Edition 1 folder), build/edition2 and
// build/edition3.
std::string edition_folder(int edition) {
  return (fs::path(VORLASH_SAMPLE_DIR).parent_path() / ("edition" + std::to_string(edition)))
      .string();
}

class Editions : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int edition : {2, 3}) {
      if (!fs::exists(fs::path(edition_folder(edition)) / "vorlashj.dat"))
        FAIL() << "missing file: vorlashj.dat in " << edition_folder(edition);
    }
  }

  // Loads the program folder of the Edition as start-up does; the clock reads
  // Tuesday 14 March 2000, 9:30, a regular-season weekday.
  AppState& load(int edition) {
    auto& s = *states_.emplace_back(std::make_unique<AppState>());
    Status const id = identify_installation(s, edition_folder(edition));
    EXPECT_TRUE(id.ok()) << id.error;
    Status const loaded = load_settings_and_tables(s, LoadHooks{});
    EXPECT_TRUE(loaded.ok()) << loaded.error;
    FakeClock const clock(ClockReading{2000, 3, 14, 9, 30, 0});
    get_today(s, clock);
    set_holiday(s);
    return s;
  }

  // The search window's station check, as "検索開始" runs it.
  bool accepted(AppState& state, const char* from, const char* to) {
    SearchForm form;
    form.text[kFieldBoarding] = from;
    form.text[kFieldAlighting] = to;
    bool const ok = check_station_combination(form, state);
    EXPECT_EQ(form.text[kMessageLine],
              ok ? std::string_view() : search_texts::kBadCombination.get())
        << from << to;
    return ok;
  }

  // Every ordered pair of stations whose journey the combination rule refuses
  // although a direct train serves it.
  std::set<std::pair<std::string, std::string>> refused_but_served(AppState& state) {
    std::vector<std::string> names;
    for (int r = 1; r <= state.sinkansen.station_count[1]; ++r) {
      std::string const& name = state.sinkansen.station[1][r];
      if (!name.empty() && state.sinkansen.row_kind[1][r] != 2) names.push_back(name);
    }
    std::set<std::pair<std::string, std::string>> out;
    for (auto const& a : names) {
      for (auto const& b : names) {
        if (a == b || accepted(state, a.c_str(), b.c_str())) continue;
        state.cond.st_station = a;
        state.cond.ed_station = b;
        SearchResult rows;
        find_direction_and_rows(state, rows);
        int const d = rows.search_dir;
        int const st = rows.st_row;
        int const ed = rows.ed_row;
        if (st >= ed) continue;
        for (int t = 1; t <= state.sinkansen.train_count[d]; ++t) {
          if (state.sinkansen.time[d][st][t] != 0 && state.sinkansen.time[d][ed][t] != 0) {
            out.insert({a, b});
            break;
          }
        }
      }
    }
    return out;
  }

  FareAmounts fares(AppState& state, const char* from, const char* to, int season) {
    state.cond.st_station = from;
    state.cond.ed_station = to;
    FareFlags flags;
    flags.season_class = season;
    return compute_fare_amounts(state, flags);
  }

  std::vector<std::unique_ptr<AppState>> states_;
};

struct EditionFacts {
  int edition;
  const char* title;
  int code;
  const char* settings;
  std::set<char> letters;
};

TEST_F(Editions, IdentityTrainsAndNoNozomi) {
  for (EditionFacts const& e :
       {EditionFacts{2, "東北・山形・秋田新幹線", 5057, "vorlash3.ini", {'Y', 'O', 'T', 'M'}},
        EditionFacts{3, "上越・長野行新幹線", 5058, "vorlash4.ini", {'A', 'S', 'G'}}}) {
    SCOPED_TRACE(e.title);
    AppState& s = load(e.edition);
    EXPECT_EQ(s.edition, e.edition);
    EXPECT_EQ(s.edition_title, e.title);
    EXPECT_EQ(s.edition_code, e.code);
    EXPECT_EQ(s.settings_file_name, e.settings);
    EXPECT_EQ(s.sinkansen.station[1][1], "東京");
    for (int d = 1; d <= 2; ++d) {
      EXPECT_GE(s.sinkansen.train_count[d], 120);
      std::set<char> letters;
      for (int t = 1; t <= s.sinkansen.train_count[d]; ++t)
        letters.insert(s.sinkansen.code[d][t][0]);
      EXPECT_EQ(letters, e.letters);
    }
    EXPECT_EQ(s.fares.nozomi_count, 0);
    for (int i = 1; i <= s.fares.ticket_count; ++i) {
      int const kind = s.fares.ticket[i].kind;
      EXPECT_TRUE(kind != 1 && kind != 2 && kind != 9 && kind != 10) << "Nozomi ticket " << kind;
    }
    s.cond.plan_year = 2000;
    s.cond.plan_month = 3;
    s.cond.plan_day = 14;
    s.cond.plan_date = day_number(2000, 3, 14);
    s.cond.plan_weekday = weekday_of(s.cond.plan_date);
    s.cond.st_station = "東京";
    s.cond.ed_station = e.edition == 2 ? "盛岡" : "新潟";
    FareFlags flags;
    set_kikan(s, flags);
    std::string const text = edit_unchin(s, flags);
    EXPECT_EQ(text.find("のぞみ"), std::string::npos) << text;
    EXPECT_NE(text.find("＜＜新幹線のトクトクきっぷ＞＞"), std::string::npos) << text;
  }
}

// The vehicle type of Editions 2 and 3 is the low byte of the stored value,
// which names the train: every train the source marks "M" reads back as "M",
// and no other train does.
TEST_F(Editions, VehicleTypeMMarksTheTrainsOfTheSource) {
  for (int edition : {2, 3}) {
    AppState& s = load(edition);
    for (int d = 1; d <= 2; ++d) {
      SCOPED_TRACE("edition " + std::to_string(edition) + " direction " + std::to_string(d));
      std::ifstream in(fs::path(VORLASH_SOURCE_DIR) / "data" /
                       ("edition" + std::to_string(edition)) /
                       ("shinkansen_" + std::to_string(d) + ".tsv"));
      ASSERT_TRUE(in) << "source missing";
      std::set<std::string> marked_in_source;
      std::string line;
      while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string code, days, vehicle;
        std::getline(fields, code, '\t');
        std::getline(fields, days, '\t');
        std::getline(fields, vehicle, '\t');
        if (vehicle == "M") marked_in_source.insert(code);
      }
      std::set<std::string> marked;
      for (int t = 1; t <= s.sinkansen.train_count[d]; ++t) {
        auto const& vehicle = s.sinkansen.vehicle[d][t];
        EXPECT_TRUE(vehicle.empty() || vehicle == "M") << vehicle;
        std::string const label = train_label(s, d, t);
        EXPECT_EQ(label.substr(label.size() - 2), vehicle == "M" ? "M " : "  ") << label;
        if (vehicle == "M") marked.insert(trim(s.sinkansen.code[d][t]));
      }
      EXPECT_FALSE(marked.empty());
      EXPECT_EQ(marked, marked_in_source);
    }
    EXPECT_EQ(legend_text(edition), "列車名の[M]は「オール２階建て車両」で運行しています");
  }
}

TEST_F(Editions, Edition2CombinationsFollowTheBranches) {
  AppState& s = load(2);
  // Down: the trunk reaches both branches; 盛岡 (row 16) may go on to 秋田.
  EXPECT_TRUE(accepted(s, "東京", "秋田"));
  EXPECT_TRUE(accepted(s, "盛岡", "秋田"));
  EXPECT_TRUE(accepted(s, "東京", "新庄"));
  // The Akita line (rows 17..22) is a dead end: nothing after it.
  EXPECT_FALSE(accepted(s, "秋田", "山形"));
  EXPECT_FALSE(accepted(s, "大曲", "新庄"));
  // Up: from the Yamagata line (up rows 1..16) neither the Akita line nor
  // the trunk north of 仙台 (up rows 17..27) can be reached.
  EXPECT_FALSE(accepted(s, "山形", "秋田"));
  EXPECT_EQ(s.cond.st_row, 6);
  EXPECT_EQ(s.cond.ed_row, 17);
  EXPECT_FALSE(accepted(s, "新庄", "盛岡"));
  EXPECT_TRUE(accepted(s, "新庄", "福島"));
  EXPECT_TRUE(accepted(s, "山形", "東京"));
  EXPECT_TRUE(accepted(s, "秋田", "東京"));
  // The only served journeys the rule refuses are the down journeys inside
  // the Akita line (its rule covers every row after 16).
  std::set<std::pair<std::string, std::string>> expected;
  std::vector<std::string> const akita = {"雫石", "田沢湖", "角館", "大曲", "秋田"};
  for (std::size_t i = 0; i < akita.size(); ++i) {
    for (std::size_t j = i + 1; j < akita.size(); ++j) expected.insert({akita[i], akita[j]});
  }
  EXPECT_EQ(refused_but_served(s), expected);
}

TEST_F(Editions, Edition3CombinationsFollowTheBranches) {
  AppState& s = load(3);
  EXPECT_TRUE(accepted(s, "東京", "新潟"));
  EXPECT_TRUE(accepted(s, "高崎", "長野"));
  EXPECT_TRUE(accepted(s, "越後湯沢", "ガーラ湯沢"));
  EXPECT_TRUE(accepted(s, "ガーラ湯沢", "越後湯沢"));
  // Down: north of 越後湯沢 (rows 8..11) leads nowhere after row 12, and 長野
  // (row 16) not on to ガーラ湯沢.
  EXPECT_FALSE(accepted(s, "新潟", "軽井沢"));
  EXPECT_FALSE(accepted(s, "浦佐", "ガーラ湯沢"));
  EXPECT_FALSE(accepted(s, "長野", "ガーラ湯沢"));
  // Up: from the Nagano line (up rows 1..5) and from ガーラ湯沢 (up row 6)
  // the Joetsu line north of 越後湯沢 (up rows 10..14) is out of reach.
  EXPECT_FALSE(accepted(s, "長野", "新潟"));
  EXPECT_FALSE(accepted(s, "軽井沢", "長岡"));
  EXPECT_FALSE(accepted(s, "ガーラ湯沢", "長岡"));
  EXPECT_EQ(s.cond.st_row, 6);
  EXPECT_EQ(s.cond.ed_row, 12);
  // Row 12 (安中榛名) lies inside the refused down range.
  std::set<std::pair<std::string, std::string>> const expected = {
      {"安中榛名", "軽井沢"}, {"安中榛名", "佐久平"}, {"安中榛名", "上田"}, {"安中榛名", "長野"}};
  EXPECT_EQ(refused_but_served(s), expected);
}

TEST_F(Editions, Edition2RowClassesOfTheFares) {
  AppState& s = load(2);
  struct Case {
    const char* from;
    const char* to;
    bool long_class;
    int free_seat_class;
  };
  for (Case const& c : {Case{"東京", "盛岡", true, 1}, Case{"盛岡", "東京", true, 1},
                        Case{"福島", "一ノ関", true, 2}, Case{"東京", "新庄", true, 1},
                        Case{"赤湯", "新庄", true, 2}, Case{"東京", "仙台", false, 0},
                        Case{"東京", "秋田", false, 0}, Case{"仙台", "盛岡", false, 0}}) {
    SCOPED_TRACE(std::string(c.from) + "-" + c.to);
    FareAmounts const regular = fares(s, c.from, c.to, 1);
    FareAmounts const peak = fares(s, c.from, c.to, 2);
    ASSERT_TRUE(regular.has_pair);
    EXPECT_EQ(regular.long_class, c.long_class);
    EXPECT_EQ(regular.free_seat_class, c.free_seat_class);
    int const base = regular.ordinary_express;
    EXPECT_EQ(peak.ordinary_express - base, c.long_class ? 340 : 200);
    EXPECT_EQ(regular.green_express, base - (c.long_class ? 870 : 510));
    int const discount[] = {510, 870, 1820};
    EXPECT_EQ(regular.free_seat_express, base - discount[c.free_seat_class]);
    EXPECT_EQ(regular.nozomi_express, 0);
  }
  // Neighbouring trunk stations carry their own flat free-seat charge.
  EXPECT_EQ(fares(s, "東京", "上野", 1).free_seat_express, 840);
  EXPECT_EQ(fares(s, "東京", "秋田", 1).fare, 9560);
}

TEST_F(Editions, Edition3HasNoRowClasses) {
  AppState& s = load(3);
  // Rows 1 and 16 would be a long journey in Edition 2.
  FareAmounts const a = fares(s, "東京", "長野", 2);
  EXPECT_FALSE(a.long_class);
  EXPECT_EQ(a.free_seat_class, 0);
  EXPECT_EQ(a.ordinary_express - fares(s, "東京", "長野", 1).ordinary_express, 200);
  EXPECT_EQ(a.fare, 3890);
  EXPECT_EQ(fares(s, "東京", "新潟", 1).fare, 5460);
}

// With the down direction the settings window refuses the end of the line:
// 盛岡 (row 16) in Edition 2, 新潟 (row 11) in Edition 3.
TEST_F(Editions, SettingsRefuseTheTerminusRow) {
  for (auto const& [edition, terminus, through] :
       {std::tuple{2, "盛岡", "仙台"}, std::tuple{3, "新潟", "越後湯沢"}}) {
    AppState& s = load(edition);
    SettingsForm form = fill_settings_form(s);
    form.text[kSinkansenStationField] = terminus;
    form.sinkansen_down = true;
    EXPECT_FALSE(check_settings_field(form, s, kSinkansenStationField)) << terminus;
    EXPECT_EQ(form.message, settings_text::kNoTerminus);
    form.sinkansen_down = false;
    EXPECT_TRUE(check_settings_field(form, s, kSinkansenStationField)) << terminus;
    form.text[kSinkansenStationField] = through;
    form.sinkansen_down = true;
    EXPECT_TRUE(check_settings_field(form, s, kSinkansenStationField)) << through;
  }
}

// The timetable of 東京 going down: the note line of the Edition and the
// entry of each train name (one hour of the installed timetable).
TEST_F(Editions, TimetableNoteAndEntriesByTrainName) {
  AppState& s2 = load(2);
  TimetableView const v2 = sinkansen_timetable(s2);
  EXPECT_EQ(v2.caption, "新幹線（下り）  東京");
  EXPECT_EQ(v2.note, "（注）無印はやまびこ  ［　］はつばさ　＜　＞はこまち　（　）はなすの");
  EXPECT_NE(v2.text.find("\r\n10|秋<04> 盛 04  新[16] 仙 16  那(28) 仙 40  盛 52  \r\n"),
            std::string::npos)
      << v2.text;
  AppState& s3 = load(3);
  TimetableView const v3 = sinkansen_timetable(s3);
  EXPECT_EQ(v3.note, "（注）無印はあさひ ［　］はあさま　（　）はたにがわ");
  EXPECT_NE(v3.text.find("\r\n10|新 00  長[12] 越(20) 長[28] 新 32  長[44] 長 48  \r\n"),
            std::string::npos)
      << v3.text;
}

using vorlash::test::CliRun;

CliRun run_cli(int edition, const std::string& arguments) {
  return vorlash::test::run_shell(vorlash::test::cli_path() + " " + arguments + " --dir \"" +
                                  edition_folder(edition) + "\" --at \"2000-03-14 09:30\" 2>&1");
}

TEST_F(Editions, CliCommandsOnEachEdition) {
  VORLASH_SKIP_CLI_ON_WINDOWS();
  struct Case {
    int edition;
    const char* search;
    const char* expect;
  };
  for (Case const& c : {Case{2, "--from 東京 --to 秋田 --dep 09:00-10:00", "こまち"},
                        Case{2, "--from 山形 --to 東京 --dep 09:00-11:00", "つばさ"},
                        Case{3, "--from 東京 --to 新潟 --dep 09:00-10:00", "あさひ"},
                        Case{3, "--from 長野 --to 高崎 --dep 09:00-11:00", "あさま"}}) {
    SCOPED_TRACE(c.search);
    CliRun const board = run_cli(c.edition, "board");
    EXPECT_EQ(board.status, 0) << board.out;
    EXPECT_NE(board.out.find("新幹線（下り）  東京\n"), std::string::npos) << board.out;
    CliRun const table = run_cli(c.edition, "timetable shinkansen");
    EXPECT_EQ(table.status, 0);
    EXPECT_NE(table.out.find("（注）無印は"), std::string::npos) << table.out;
    CliRun const stops = run_cli(c.edition, "stops shinkansen 0");
    EXPECT_EQ(stops.status, 0);
    EXPECT_EQ(stops.out.rfind("東京(", 0), 0u) << stops.out;
    CliRun const search = run_cli(c.edition, std::string("search --date 2000-03-14 ") + c.search);
    EXPECT_EQ(search.status, 0) << search.out;
    EXPECT_NE(search.out.find(c.expect), std::string::npos) << search.out;
    EXPECT_EQ(search.out.find("条件にあう新幹線を検索できませんでした"), std::string::npos);
  }
  CliRun const refused = run_cli(2, "search --date 2000-03-14 --from 山形 --to 秋田");
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.out.find("指定できない組み合わせです"), std::string::npos) << refused.out;
}

}  // namespace
}  // namespace vorlash
