// vorlash-cli board, timetable and stops on the compiled sample data.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/cli_run.h"

namespace {

using vorlash::test::CliRun;

CliRun run_cli(const std::string& arguments) {
  return vorlash::test::run_shell(vorlash::test::cli_path() + " " + arguments + " --dir \"" +
                                  VORLASH_SAMPLE_DIR + "\" 2>/dev/null");
}

class BoardCli : public ::testing::Test {
 protected:
  void SetUp() override {
    VORLASH_SKIP_CLI_ON_WINDOWS();
    if (!std::filesystem::exists(std::filesystem::path(VORLASH_SAMPLE_DIR) / "vorlashj.dat"))
      FAIL() << "missing file: vorlashj.dat in " << VORLASH_SAMPLE_DIR;
  }
};

TEST_F(BoardCli, SameMomentGivesTheSameBoard) {
  CliRun const first = run_cli("board --at \"2000-03-11 14:05\"");
  CliRun const second = run_cli("board --at \"2000-03-11 14:05\"");
  ASSERT_EQ(first.status, 0);
  EXPECT_EQ(second.status, 0);
  EXPECT_EQ(first.out, second.out);
  EXPECT_EQ(first.out.rfind("現在日時 ： 2000/03/11（土）  14:05\n新幹線（", 0), 0u) << first.out;
}

TEST_F(BoardCli, StopsAndTimetableArguments) {
  CliRun const stops = run_cli("stops shinkansen 0 --at \"2000-03-11 14:05\"");
  EXPECT_EQ(stops.status, 0);
  EXPECT_NE(stops.out.find(" → "), std::string::npos) << stops.out;
  CliRun const past = run_cli("stops shinkansen 999 --at \"2000-03-11 14:05\"");
  EXPECT_EQ(past.status, 0);
  EXPECT_EQ(past.out, "");
  EXPECT_EQ(run_cli("stops shinkansen -1").status, 2);
  EXPECT_EQ(run_cli("stops tram 0").status, 2);
  EXPECT_EQ(run_cli("timetable").status, 2);
  CliRun const table = run_cli("timetable shinkansen --at \"2000-03-11 14:05\"");
  EXPECT_EQ(table.status, 0);
  EXPECT_NE(table.out.find("（注）"), std::string::npos) << table.out;
}

}  // namespace
