// Where the files live: portable program folders keep everything beside the
// executable; installed programs read their Edition's data folder and keep
// the user's files in the XDG folders, copied from the defaults once.
#include "platform/file_locations.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <utility>
#include <vector>

#include "cli/cli_run.h"
#include "data/file_io.h"
#include "data/file_paths.h"
#include "data/ini_file.h"

namespace vorlash {
namespace {

namespace fs = std::filesystem;

class Locations : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("vorlash_locations_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "usr/bin");
    fs::create_directories(data_folder(1));
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ec);
    // Windows deletes no read-only file.
    for (auto const& e : fs::recursive_directory_iterator(root_, ec))
      fs::permissions(e.path(), fs::perms::owner_write, fs::perm_options::add, ec);
    fs::remove_all(root_);
  }
  fs::path data_folder(int edition) const {
    return root_ / "usr/share/vorlash" / ("edition" + std::to_string(edition));
  }
  std::string bin() const { return (root_ / "usr/bin").string(); }
  std::string at(const char* rel) const { return (root_ / rel).string(); }
  static void write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::string read(const fs::path& path) {
    std::string bytes;
    EXPECT_TRUE(read_file_bytes(path.string(), bytes).ok()) << path;
    return bytes;
  }
  fs::path root_;
};

TEST_F(Locations, DataFileOrSettingsFileBesideTheExecutableMeansPortable) {
  // A SettingsFile alone still makes the folder portable: its DataFile is
  // missing there, and the start-up says so of that folder.
  for (auto const* beside : {"vorlashj.dat", "vorlash3.ini"}) {
    write(root_ / "usr/bin" / beside, "x");
    FileLocations loc;
    ASSERT_TRUE(locate_files(bin(), 2, {at("home"), "", "", ""}, loc).ok());
    EXPECT_FALSE(loc.installed) << beside;
    EXPECT_EQ(loc.data_folder, bin());
    EXPECT_EQ(loc.settings_folder, bin());
    EXPECT_EQ(loc.user_data_folder, bin());
    // Portable: nothing to prepare, nothing created.
    PreparedUserFiles made;
    ASSERT_TRUE(prepare_user_folders(loc, made).ok());
    EXPECT_FALSE(fs::exists(root_ / "home"));
    fs::remove(root_ / "usr/bin" / beside);
  }
}

#if !defined(_WIN32)
TEST_F(Locations, InstalledUsesTheEditionDataFolderAndTheXdgFolders) {
  struct Case {
    const char* name;
    UserEnvironment env;
    int edition;
    const char* settings;
    const char* user_data;
  };
  std::string const home = at("home");
  Case const cases[] = {
      {"unset",
       {home, "", "", ""},
       1,
       "home/.config/vorlash/edition1",
       "home/.local/share/vorlash/edition1"},
      {"set", {home, at("cfg"), at("dat"), ""}, 3, "cfg/vorlash/edition3", "dat/vorlash/edition3"},
      {"relative ignored",
       {home, "cfg", "dat", ""},
       2,
       "home/.config/vorlash/edition2",
       "home/.local/share/vorlash/edition2"},
      {"no home",
       {"", at("cfg"), at("dat"), ""},
       1,
       "cfg/vorlash/edition1",
       "dat/vorlash/edition1"},
  };
  for (auto const& c : cases) {
    FileLocations loc;
    ASSERT_TRUE(locate_files(bin(), c.edition, c.env, loc).ok()) << c.name;
    EXPECT_TRUE(loc.installed) << c.name;
    EXPECT_EQ(loc.data_folder, data_folder(c.edition).string()) << c.name;
    EXPECT_EQ(loc.settings_folder, at(c.settings)) << c.name;
    EXPECT_EQ(loc.user_data_folder, at(c.user_data)) << c.name;
  }
  FileLocations loc;
  EXPECT_FALSE(locate_files(bin(), 1, {"", "", "", ""}, loc).ok());
}
#else
TEST_F(Locations, InstalledUsesTheEditionDataFolderAndAppData) {
  FileLocations loc;
  ASSERT_TRUE(locate_files(bin(), 2, {"", "", "", at("Roaming")}, loc).ok());
  EXPECT_TRUE(loc.installed);
  EXPECT_EQ(fs::path(loc.data_folder), data_folder(2));
  EXPECT_EQ(fs::path(loc.settings_folder), root_ / "Roaming/vorlash/edition2");
  EXPECT_EQ(loc.user_data_folder, loc.settings_folder);
  EXPECT_FALSE(locate_files(bin(), 1, {at("home"), "", "", ""}, loc).ok());
}
#endif

TEST_F(Locations, FirstStartCopiesTheDefaultsOnceAndLeavesTheDataFolderAlone) {
  write(data_folder(1) / "vorlashj.dat", "data");
  write(data_folder(1) / "vorlash2.ini", "default ini");
  write(data_folder(1) / "hotelusr.csv", "default hotels");
  write(data_folder(1) / "vorlash2.html", "manual");
  for (auto const& e : fs::directory_iterator(data_folder(1)))
    fs::permissions(e.path(),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  FileLocations const loc{true, data_folder(1).string(), at("cfg"), at("dat")};

  PreparedUserFiles made;
  ASSERT_TRUE(prepare_user_folders(loc, made).ok());
  EXPECT_EQ(read(root_ / "cfg/vorlash2.ini"), "default ini");
  EXPECT_EQ(read(root_ / "dat/hotelusr.csv"), "default hotels");
  EXPECT_FALSE(fs::exists(root_ / "cfg/vorlashj.dat"));
  EXPECT_FALSE(fs::exists(root_ / "dat/vorlash2.html"));
  EXPECT_FALSE(fs::exists(root_ / "cfg/hotelusr.csv"));

  // The user's copies are theirs to write; a later start keeps them.
  AppState state;
  apply_locations(loc, state);
  state.settings_file_name = "vorlash2.ini";
  ASSERT_TRUE(put_ini_file(state).ok());
  ASSERT_TRUE(
      write_file_atomically(user_hotel_file_path(state, state.program_folder), "mine").ok());
  std::string const saved_ini = read(root_ / "cfg/vorlash2.ini");
  ASSERT_TRUE(prepare_user_folders(loc, made).ok());
  EXPECT_EQ(read(root_ / "cfg/vorlash2.ini"), saved_ini);
  EXPECT_EQ(read(root_ / "dat/hotelusr.csv"), "mine");
  EXPECT_EQ(read(data_folder(1) / "vorlash2.ini"), "default ini");
  EXPECT_EQ(read(data_folder(1) / "hotelusr.csv"), "default hotels");
}

// An Edition without a DataFile is not installed: refused before any of the
// user's folders is made.
TEST_F(Locations, EditionNotInstalledMakesNoFolder) {
  FileLocations const loc{true, data_folder(4).string(), at("cfg"), at("dat")};
  PreparedUserFiles made;
  Status const st = prepare_user_folders(loc, made);
  EXPECT_EQ(st.error, (data_folder(4) / "vorlashj.dat").string() +
                          ": この版はインストールされていません（ファイルがありません）");
  EXPECT_FALSE(fs::exists(root_ / "cfg"));
  EXPECT_FALSE(fs::exists(root_ / "dat"));
}

TEST_F(Locations, UnsetUserFoldersFallBackToTheProgramFolder) {
  AppState state;
  state.program_folder = at("prog");
  state.settings_file_name = "vorlash3.ini";
  EXPECT_EQ(settings_file_path(state), program_path(at("prog"), "vorlash3.ini"));
  EXPECT_EQ(user_hotel_file_path(state, at("other")), program_path(at("other"), "hotelusr.csv"));
  apply_locations(portable_locations(at("p")), state);
  EXPECT_EQ(settings_file_path(state), program_path(at("p"), "vorlash3.ini"));
  EXPECT_EQ(user_hotel_file_path(state, at("other")), program_path(at("p"), "hotelusr.csv"));
}

TEST(EditionOption, ReadsEitherFormAndRejectsNonNumbers) {
  struct Case {
    std::vector<const char*> argv;
    int edition;
  };
  Case const cases[] = {
      {{"vorlash"}, 1},
      {{"vorlash", "--edition", "2"}, 2},
      {{"vorlash", "-style", "x", "--edition=3"}, 3},
      {{"vorlash", "--edition"}, 0},
      {{"vorlash", "--edition", "two"}, 0},
      {{"vorlash", "--edition", "0"}, 0},
      {{"vorlash", "--edition", "123"}, 0},
  };
  for (auto const& c : cases)
    EXPECT_EQ(edition_option(static_cast<int>(c.argv.size()), c.argv.data()), c.edition)
        << c.argv.back();
}

#if !defined(_WIN32)
// vorlash-cli in an installed layout reads the installed DataFile and makes
// the user's files under the temporary home, never beside the data.
TEST_F(Locations, CliInstalledLayoutKeepsUserFilesInTheHome) {
  fs::copy_file(VORLASH_CLI, root_ / "usr/bin/vorlash-cli");
  for (char const* name : {"vorlashj.dat", "vorlash2.ini", "hotelusr.csv"})
    fs::copy_file(fs::path(VORLASH_SAMPLE_DIR) / name, data_folder(1) / name);
  std::string const board = " board --at '2000-03-15 08:00'";
  auto const portable =
      test::run_shell(test::cli_path() + board + " --dir \"" + VORLASH_SAMPLE_DIR + "\" 2>&1");
  auto const installed =
      test::run_shell("env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME=\"" + at("home") + "\" \"" +
                      at("usr/bin/vorlash-cli") + "\"" + board + " 2>&1");
  EXPECT_EQ(installed.status, 0) << installed.out;
  EXPECT_EQ(installed.out, portable.out);
  EXPECT_TRUE(fs::exists(root_ / "home/.config/vorlash/edition1/vorlash2.ini"));
  EXPECT_TRUE(fs::exists(root_ / "home/.local/share/vorlash/edition1/hotelusr.csv"));
  EXPECT_EQ(std::distance(fs::directory_iterator(data_folder(1)), fs::directory_iterator()), 3);
}

// Every path under folder with the content of its files: a picture of what a
// run may not change.
std::map<std::string, std::string> tree(const fs::path& folder) {
  std::map<std::string, std::string> out;
  std::error_code ec;
  for (auto const& e : fs::recursive_directory_iterator(folder, ec)) {
    std::string bytes = "(folder)";
    if (!e.is_directory()) {
      EXPECT_TRUE(read_file_bytes(e.path().string(), bytes).ok());
    }
    out[fs::relative(e.path(), folder).string()] = bytes;
  }
  return out;
}

// A start that fails, in the DataFile or while the user's folders are being
// prepared, leaves the home as it found it: the folders and defaults it made
// are gone, what was there before stays.
TEST_F(Locations, FailedStartLeavesTheHomeAsItWas) {
  struct Case {
    const char* name;
    std::vector<std::pair<const char*, const char*>> before;  // files in the home
  };
  Case const cases[] = {
      {"no home yet", {}},
      {"empty home", {{"keep", "mine"}}},
      {"settings folder with the user's own file",
       {{".config/vorlash/edition1/notes.txt", "mine"}, {".local/other", "mine"}}},
      {"user data folder name taken by a file",
       {{".config/x", "mine"}, {".local/share/vorlash", "not a folder"}}},
  };
  fs::copy_file(VORLASH_CLI, root_ / "usr/bin/vorlash-cli");
  write(data_folder(1) / "vorlashj.dat", "damaged");
  write(data_folder(1) / "vorlash2.ini", "default ini");
  write(data_folder(1) / "hotelusr.csv", "default hotels");
  for (auto const& c : cases) {
    fs::remove_all(root_ / "home");
    for (auto const& [rel, text] : c.before) write(root_ / "home" / rel, text);
    auto const before = tree(root_ / "home");
    auto const run =
        test::run_shell("env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME=\"" + at("home") + "\" \"" +
                        at("usr/bin/vorlash-cli") + "\" board 2>&1");
    EXPECT_NE(run.status, 0) << c.name << run.out;
    EXPECT_EQ(fs::exists(root_ / "home"), !c.before.empty()) << c.name;
    EXPECT_EQ(tree(root_ / "home"), before) << c.name;
  }
}
#endif

}  // namespace
}  // namespace vorlash
