// Every save on a disk that fills up half-way: the writing commands and the
// desktop program's saves fail with the disk's reason and leave the old
// files as they were, with no temporary file behind. The disk is a small
// tmpfs, which only root may mount: the tests say so and skip otherwise.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "cli/cli_run.h"
#include "data/app_state.h"
#include "data/file_io.h"
#include "data/hotel_file.h"
#include "data/ini_file.h"

#if !defined(_WIN32)
#include <sys/mount.h>
#include <unistd.h>
#endif

namespace vorlash {
namespace {

namespace fs = std::filesystem;

std::string const kSampleDir = VORLASH_SAMPLE_DIR;

class FullDisk : public ::testing::Test {
 protected:
  void SetUp() override {
#if defined(_WIN32)
    GTEST_SKIP() << "full-disk tests mount a tmpfs (Linux only)";
#else
    if (::geteuid() != 0) GTEST_SKIP() << "full-disk tests mount a tmpfs and need root: skipped";
    dir_ = fs::temp_directory_path() / ("vorlash-full-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir_);
    if (::mount("tmpfs", dir_.c_str(), "tmpfs", 0, "size=8m,mode=0755") != 0) {
      fs::remove(dir_);
      dir_.clear();
      GTEST_SKIP() << "cannot mount a tmpfs here: skipped";
    }
    mounted_ = true;
#endif
  }
  void TearDown() override {
#if !defined(_WIN32)
    if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
    if (!dir_.empty()) fs::remove_all(dir_);
#endif
  }
  // Fills the disk so that only about `left` bytes stay free.
  void fill(std::size_t left) const {
    { std::ofstream(dir_ / "spare", std::ios::binary) << std::string(left, 's'); }
    std::ofstream filler(dir_ / "filler", std::ios::binary);
    std::string const chunk(64 * 1024, 'f');
    while (filler.write(chunk.data(), chunk.size()) && filler.flush()) {
    }
    fs::remove(dir_ / "spare");
  }
  // Every file under folder, name -> bytes (the fill files left out).
  std::map<std::string, std::string> contents(const fs::path& folder) const {
    std::map<std::string, std::string> files;
    for (auto const& e : fs::recursive_directory_iterator(folder)) {
      std::string const name = fs::relative(e.path(), folder).string();
      if (!e.is_regular_file() || name == "filler") continue;
      std::ifstream in(e.path(), std::ios::binary);
      files[name].assign(std::istreambuf_iterator<char>(in), {});
    }
    return files;
  }
  std::string at(const std::string& name) const {
    return (dir_ / name).string();
  }

  fs::path dir_;
  bool mounted_ = false;
};

TEST_F(FullDisk, WritingCommandsLeaveTheOldSetWhole) {
  std::string const cli = test::cli_path();
  std::string const data = "\"" + kSampleDir + "/vorlashj.dat\"";
  // The feed and sources import-gtfs reads live outside the small disk.
  fs::path const inputs =
      fs::temp_directory_path() / ("vorlash-full-in-" + std::to_string(::getpid()));
  fs::remove_all(inputs);
  ASSERT_EQ(
      test::run_shell(cli + " export-gtfs " + data + " \"" + (inputs / "feed").string() + "\"")
          .status,
      0);
  ASSERT_EQ(test::run_shell(cli + " export-data " + data + " \"" + (inputs / "src").string() + "\"")
                .status,
            0);
  std::string const feed = "\"" + (inputs / "feed").string() + "\"";
  std::string const commands[] = {
      " export-data " + data + " ",
      " export-gtfs " + data + " ",
      " import-gtfs " + feed + " \"" + (inputs / "feed/vorlash-mapping.tsv").string() +
          "\" --base \"" + (inputs / "src").string() + "\" ",
  };
  for (auto const& command : commands) {
    std::string const out = "\"" + at("out") + "\"";
    ASSERT_EQ(test::run_shell(cli + command + out).status, 0) << command;
    auto const before = contents(at("out"));
    fill(16 * 1024);  // some of the new files fit, not all
    auto const r = test::run_shell(cli + command + out + " 2>&1");
    EXPECT_EQ(r.status, 1) << command << "\n" << r.out;
    EXPECT_NE(r.out.find("ディスクがいっぱいです"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find(".tmp"), std::string::npos) << r.out;
    EXPECT_EQ(contents(at("out")), before) << command;
    fs::remove_all(at("out"));
    fs::remove(at("filler"));
  }
  fs::remove_all(inputs);
}

TEST_F(FullDisk, DesktopSavesKeepTheOldFiles) {
  for (auto const* name : {"vorlash2.ini", "hotelusr.csv"})
    fs::copy_file(kSampleDir + "/" + name, at(name));
  auto state = std::make_unique<AppState>();  // large: keep it off the stack
  state->program_folder = dir_.string();
  state->settings_file_name = "vorlash2.ini";
  ASSERT_TRUE(get_ini_file(*state).ok());
  ASSERT_TRUE(get_hotel_user(at("hotelusr.csv"), *state, false, nullptr).ok());
  state->hotel[1].name = "変えた名前";
  struct Case {
    const char* name;
    std::function<Status()> save;
  };
  Case const cases[] = {
      {"settings", [&] { return put_ini_file(*state); }},
      {"user hotels and their backup",
       [&] { return write_user_hotels(at("hotelusr.csv"), *state); }},
  };
  auto const before = contents(dir_);
  fill(0);
  for (auto const& c : cases) {
    Status const st = c.save();
    ASSERT_FALSE(st.ok()) << c.name;
    EXPECT_NE(st.error.find("ディスクがいっぱいです）。元のファイルはそのままです"),
              std::string::npos)
        << st.error;
    EXPECT_EQ(contents(dir_), before) << c.name;
  }
}

}  // namespace
}  // namespace vorlash
