// vorlash-cli dump on a program folder made from the test tables.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "cli/cli_run.h"
#include "data/file_io.h"
#include "data/ini_file.h"
#include "data/test_data_file.h"
#include "text/sjis.h"

namespace vorlash {
namespace {

namespace fs = std::filesystem;

using vorlash::test::CliRun;

CliRun run_cli(const std::string& command) {
  return vorlash::test::run_shell(vorlash::test::cli_path() + " " + command + " 2>&1");
}

class DumpFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    VORLASH_SKIP_CLI_ON_WINDOWS();
    // One folder per test and process: ctest runs the tests side by side.
    dir_ = fs::temp_directory_path() /
           ("vorlash_dump_test_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    auto tables = testing::sample_tables();
    data_ = testing::encode_data_file(*tables);
    ASSERT_TRUE(write_file_atomically(file("vorlashj.dat"), data_).ok());
    auto settings = std::make_unique<AppState>();
    settings->keiyo_use = 1;
    std::string ini;
    ASSERT_TRUE(render_ini_bytes(*settings, ini).ok());
    ASSERT_TRUE(write_file_atomically(file("vorlash2.ini"), ini).ok());
    std::string hotels;
    ASSERT_TRUE(
        utf8_to_sjis("\"東京／成田\",\"成田\",\"Ｈ\",\"1\",5,\"\",\"\",\"\"\r\n", hotels).ok());
    ASSERT_TRUE(write_file_atomically(file("hotelusr.csv"), hotels).ok());
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string file(std::string_view name) const { return (dir_ / name).string(); }

  fs::path dir_;
  std::string data_;
};

TEST_F(DumpFolder, PrintsTheLoadedTables) {
  CliRun const r = run_cli("dump --dir " + dir_.string());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "Edition: 1 東海道・山陽新幹線 (edition code 5006)\n"
            "SettingsFile: vorlash2.ini\n"
            "Regions: 3\n"
            "Districts: 2\n"
            "Keiyo table 1 (平日下り): 3 stations, 2 trains\n"
            "Keiyo table 2 (平日上り): 3 stations, 2 trains\n"
            "Keiyo table 3 (土休日下り): 3 stations, 2 trains\n"
            "Keiyo table 4 (土休日上り): 3 stations, 2 trains\n"
            "Shinkansen stations: 4\n"
            "  1 down 東京 (single) | up 新大阪 (single)\n"
            "  2 down 名古屋 (arrival) | up 名古屋 (departure)\n"
            "  3 down 名古屋 (departure) | up 名古屋 (arrival)\n"
            "  4 down 新大阪 (single) | up 東京 (single)\n"
            "Shinkansen trains: down 2, up 2\n"
            "Sample down train 1: code \"H1  \", operating day 0, vehicle \"N\"\n"
            "  1 東京 06:00\n"
            "  2 名古屋 07:42\n"
            "  3 名古屋 07:44\n"
            "  4 新大阪 08:36\n"
            "Sample up train 1: code \"H1  \", operating day 0, vehicle \"N\"\n"
            "  1 新大阪 06:00\n"
            "  2 名古屋 07:42\n"
            "  3 名古屋 07:44\n"
            "  4 東京 08:36\n"
            "Fare tables: 2 km, 1 pairs, 2 green, 1 tickets, 1 nozomi\n"
            "Hotels: 1 user, 2 DataFile\n");
}

TEST_F(DumpFolder, BrokenFilesExitWithOne) {
  std::string broken = data_.substr(0, data_.size() - 2048) + data_.substr(data_.size() - 1024);
  ASSERT_TRUE(write_file_atomically(file("vorlashj.dat"), broken).ok());
  CliRun r = run_cli("dump --dir " + dir_.string());
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("vorlashj.dat: ホテル情報"), std::string::npos) << r.out;

  ASSERT_TRUE(write_file_atomically(file("vorlashj.dat"), data_).ok());
  ASSERT_TRUE(write_file_atomically(file("hotelusr.csv"), "\"a\",x\r\n").ok());
  r = run_cli("dump --dir " + dir_.string());
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("hotelusr.csv: 1 行目: "), std::string::npos) << r.out;
}

}  // namespace
}  // namespace vorlash
