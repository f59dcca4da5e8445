// vorlash-cli search on the compiled sample data.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "cli/cli_run.h"

namespace {

using vorlash::test::CliRun;

CliRun run_cli(const std::string& arguments, const std::string& dir = VORLASH_SAMPLE_DIR) {
  return vorlash::test::run_shell(vorlash::test::cli_path() + " search " + arguments +
                                  " --at \"2000-03-15 10:00\" --dir \"" + dir + "\" 2>&1");
}

class SearchCli : public ::testing::Test {
 protected:
  void SetUp() override {
    VORLASH_SKIP_CLI_ON_WINDOWS();
    if (!std::filesystem::exists(std::filesystem::path(VORLASH_SAMPLE_DIR) / "vorlashj.dat"))
      FAIL() << "missing file: vorlashj.dat in " << VORLASH_SAMPLE_DIR;
  }
};

TEST_F(SearchCli, TwoTransfersFromTokyoToHakata) {
  CliRun const r = run_cli("--from 東京 --to 博多 --transfers 2 --dep 06:00-08:00");
  ASSERT_EQ(r.status, 0) << r.out;
  std::string const eq(89, '=');
  // Conditions from the options; arrival window, wait and "one per train"
  // from the sample SettingsFile; the fastest journeys by ride first.
  std::string const head =
      " \n"
      "ソルマー時刻表（東海道・山陽新幹線編）＆ホテル情報　(Version 1.59)\n" +
      eq +
      "\n"
      "　検索条件　　乗車駅　：東京　下車駅：博多\n"
      "              乗車時間：06:00 ～ 08:00\n"
      "              下車時間：06:00 ～ 23:59\n"
      "　　　　　　　乗換条件：２回乗り換え　　［乗り換え時間：60分］\n"
      "　　　　　　　表示順　：乗車時間順\n"
      "              日付　　：2000/03/15（水）　通常期\n" +
      eq +
      "\n"
      "[291分]のぞみ001n 東京(06:00発)→博多(10:51着) \n"
      "\n"
      "[300分]のぞみ005E 東京(07:00発)→博多(12:00着) \n"
      "\n"
      "[327分]こだま309  東京(06:33発)→新横浜(06:52着) \n"
      "\t\t～ のぞみ005E 新横浜(07:16発)→博多(12:00着) \n"
      "\n";
  EXPECT_EQ(r.out.substr(0, head.size()), head);
  // A two-transfer connection changing at 新大阪's departure row.
  EXPECT_NE(r.out.find("[345分]ひかり101G 東京(06:03発)→新横浜(06:20着) \n"
                       "\t\t～ ひかり201N 新横浜(06:26発)→新大阪(08:41着) \n"
                       "\t\t\t～ ひかり411W 新大阪(08:44発)→博多(11:48着) \n\n"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\n" + std::string(89, '-') + "\n運賃"), std::string::npos);
  std::string const legend = "[W]:ｳｴｽﾄひかり [R]:Rail Star\n";
  EXPECT_EQ(r.out.substr(r.out.size() - legend.size()), legend);
}

TEST_F(SearchCli, RejectionsExitWithTheMessage) {
  struct Case {
    const char* args;
    const char* message;
  };
  Case const cases[] = {
      {"--from 東京 --to 京都x", "vorlash-cli: search: 入力エラーです\n"},
      {"--from 東京 --to 東京",
       "vorlash-cli: search: --to: alighting station \"東京\" is not accepted\n"},
      {"--from 東京 --to 博多 --transfers 2 --dep 06:59-09:00",
       "vorlash-cli: search: 発車時刻の範囲を２時間以内としてください\n"},
      {"--from 東京 --to 博多 --date 2000-02-30",
       "vorlash-cli: search: --date wants a date of the calendar, YYYY-MM-DD, not "
       "\"2000-02-30\"\n"},
      {"--from 東京 --to 博多 --date 1999-12-31",
       "vorlash-cli: search: --date: year \"1999\" is not accepted\n"},
      {"--from 東京 --to 博多 --dep 6-7",
       "vorlash-cli: search: --dep wants HH:MM-HH:MM (00:00 to 23:59), not \"6-7\"\n"},
      {"--from 東京 --to \"\"", "vorlash-cli: search: --to wants a station name\n"},
  };
  for (auto const& c : cases) {
    CliRun const r = run_cli(c.args);
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_EQ(r.out, c.message) << c.args;
  }
}

TEST_F(SearchCli, NothingFound) {
  CliRun const r = run_cli("--from 東京 --to 博多 --dep 23:00-23:59 --order dep --all");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("　　　　　　　表示順　：発車時刻順\n"), std::string::npos);
  EXPECT_NE(r.out.find("条件にあう新幹線を検索できませんでした\n"
                       "乗車条件：東京   \t2300 -> 2359\n"
                       "下車条件：博多   \t600 -> 2359\n"),
            std::string::npos)
      << r.out;
}

// Stations not given come from the SettingsFile's last conditions, as the
// window opens filled; a SettingsFile without them leaves nothing to search.
TEST_F(SearchCli, StationsFromTheSettingsFile) {
  CliRun const r = run_cli("--to 博多");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("乗車駅　：東京　下車駅：博多\n"), std::string::npos) << r.out;
  EXPECT_NE(run_cli("").out.find("乗車駅　：東京　下車駅：新大阪\n"), std::string::npos);

  namespace fs = std::filesystem;
  fs::path const dir = fs::path(testing::TempDir()) / "search_cli_no_stations";
  fs::remove_all(dir);
  fs::create_directories(dir);
  for (char const* name : {"vorlashj.dat", "vorlash2.ini", "hotelusr.csv"})
    fs::copy_file(fs::path(VORLASH_SAMPLE_DIR) / name, dir / name);
  std::string ini;
  {
    std::ifstream in(dir / "vorlash2.ini", std::ios::binary);
    ini.assign(std::istreambuf_iterator<char>(in), {});
  }
  for (std::string const key : {"st_station=", "ed_station="}) {
    std::size_t const at = ini.find(key) + key.size();
    ini.erase(at, ini.find("\r\n", at) - at);
  }
  std::ofstream(dir / "vorlash2.ini", std::ios::binary) << ini;
  EXPECT_EQ(run_cli("--from 東京", dir.string()).out,
            "vorlash-cli: search: --to NAME is required: the SettingsFile holds no alighting "
            "station\n");
  CliRun const none = run_cli("", dir.string());
  EXPECT_EQ(none.status, 2);
  EXPECT_EQ(none.out.rfind("vorlash-cli: search: --from NAME is required", 0), 0u) << none.out;
  fs::remove_all(dir);
}

}  // namespace
