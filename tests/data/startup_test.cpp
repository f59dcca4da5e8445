#include "data/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "data/file_io.h"
#include "data/ini_file.h"
#include "data/test_data_file.h"

namespace vorlash {
namespace {

namespace fs = std::filesystem;

// A program folder with the sample DataFile and a SettingsFile.
class ProgramFolder {
 public:
  explicit ProgramFolder(int keiyo_use, int edition = 1) {
    path_ = fs::temp_directory_path() /
            ("vorlash_startup_" +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
             std::to_string(keiyo_use) + std::to_string(edition));
    fs::remove_all(path_);
    fs::create_directories(path_);
    auto tables = testing::sample_tables();
    tables->edition = edition;
    EXPECT_TRUE(
        write_file_atomically(file("vorlashj.dat"), testing::encode_data_file(*tables)).ok());
    auto settings = std::make_unique<AppState>();
    settings->keiyo_use = keiyo_use;
    std::string ini;
    EXPECT_TRUE(render_ini_bytes(*settings, ini).ok());
    EXPECT_TRUE(write_file_atomically(file("vorlash2.ini"), ini).ok());
  }
  ~ProgramFolder() { fs::remove_all(path_); }
  std::string dir() const { return path_.string(); }
  std::string file(std::string_view name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

struct Recorder {
  std::vector<int> progress;
  int yields = 0;
  int skipped = 0;
  LoadHooks hooks() {
    return LoadHooks{[this] { ++yields; }, [this](int p) { progress.push_back(p); },
                     [this] { ++skipped; }};
  }
};

TEST(Startup, LoadsEverySectionWithTheKeiyoLine) {
  ProgramFolder const folder(1);
  auto state = std::make_unique<AppState>();
  ASSERT_TRUE(identify_installation(*state, folder.dir()).ok());
  EXPECT_EQ(state->edition, 1);
  EXPECT_EQ(state->edition_title, "東海道・山陽新幹線");
  EXPECT_EQ(state->edition_code, 5006);
  EXPECT_EQ(state->settings_file_name, "vorlash2.ini");
  EXPECT_EQ(state->data_file_name, "vorlashj.dat");
  EXPECT_EQ(state->help_file_name, "vorlash2.hlp");

  Recorder rec;
  ASSERT_TRUE(load_settings_and_tables(*state, rec.hooks()).ok());
  EXPECT_EQ(rec.progress, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(rec.skipped, 0);
  EXPECT_GT(rec.yields, 7);
  EXPECT_EQ(state->keiyo.train_count[1], 2);
  EXPECT_EQ(state->sinkansen.train_count[2], 2);
  EXPECT_EQ(state->fares.km_count, 2);
  EXPECT_EQ(state->data_hotel_count, 0);   // the hotel section is read later
  EXPECT_FALSE(state->hotel.allocated());  // no memory for it before then
}

TEST(Startup, KeiyoSwitchedOffLeavesItsTablesEmpty) {
  ProgramFolder const folder(0);
  auto state = std::make_unique<AppState>();
  ASSERT_TRUE(identify_installation(*state, folder.dir()).ok());
  state->keiyo.train_count[1] = 9;  // left over: must be cleared
  Recorder rec;
  ASSERT_TRUE(load_settings_and_tables(*state, rec.hooks()).ok());
  EXPECT_EQ(rec.progress, (std::vector<int>{1, 2, 5, 6, 7}));
  EXPECT_EQ(rec.skipped, 1);
  EXPECT_EQ(state->keiyo.train_count[1], 0);
  EXPECT_EQ(state->keiyo.station_count[1], 0);
  EXPECT_FALSE(state->keiyo.time.allocated() || state->keiyo.code.allocated());
}

// The DataFile is read once: the tables come from the bytes whose control
// block identified the installation, even if the file changes meanwhile.
TEST(Startup, TablesComeFromTheBytesReadOnce) {
  ProgramFolder const folder(1);
  auto state = std::make_unique<AppState>();
  ASSERT_TRUE(identify_installation(*state, folder.dir()).ok());
  ASSERT_TRUE(write_file_atomically(folder.file("vorlashj.dat"), "changed").ok());
  ASSERT_TRUE(load_settings_and_tables(*state, LoadHooks{}).ok());
  EXPECT_EQ(state->sinkansen.train_count[1], testing::sample_tables()->sinkansen.train_count[1]);
}

TEST(Startup, MissingOrUnknownFilesAreErrorsNamingThem) {
  ProgramFolder const folder(1, 4);
  auto state = std::make_unique<AppState>();
  Status st = identify_installation(*state, folder.dir());
  EXPECT_NE(st.error.find("vorlashj.dat: 制御ブロック: 版 4 は知らない版です"), std::string::npos)
      << st.error;
  EXPECT_EQ(state->edition_title, "");

  st = identify_installation(*state, folder.file("nowhere"));
  EXPECT_NE(st.error.find("vorlashj.dat"), std::string::npos) << st.error;

  ProgramFolder const good(1);
  ASSERT_TRUE(identify_installation(*state, good.dir()).ok());
  fs::remove(good.file("vorlash2.ini"));
  st = load_settings_and_tables(*state, LoadHooks{});
  EXPECT_NE(st.error.find("vorlash2.ini"), std::string::npos) << st.error;
}

}  // namespace
}  // namespace vorlash
