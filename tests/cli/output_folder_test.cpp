// The writing commands (export-data, export-gtfs, import-gtfs) write only the
// files they own: a folder holding anything else is refused and left as it
// is, a previous output is updated, and a source folder updated in place
// keeps its other entries and its mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "cli/cli_run.h"

namespace vorlash {
namespace {

namespace fs = std::filesystem;
using test::cli_path;
using test::run_shell;

std::string const kSample = std::string(VORLASH_SAMPLE_DIR) + "/vorlashj.dat";

class OutputFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    VORLASH_SKIP_CLI_ON_WINDOWS();
    dir_ = fs::temp_directory_path() / ("vorlash-out-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir_);
    // A source folder and a feed with its mapping, for import-gtfs.
    ASSERT_EQ(run("export-data \"" + kSample + "\" " + at("src")).status, 0);
    ASSERT_EQ(run("export-gtfs \"" + kSample + "\" " + at("feed")).status, 0);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string at(const std::string& name) const { return "\"" + (dir_ / name).string() + "\""; }
  test::CliRun run(const std::string& command) const {
    return run_shell(cli_path() + " " + command + " 2>&1");
  }
  // The commands, each writing into the folder name.
  std::vector<std::string> commands(const std::string& name) const {
    return {"export-data \"" + kSample + "\" " + at(name),
            "export-gtfs \"" + kSample + "\" " + at(name),
            "import-gtfs " + at("feed") + " " + at("feed/vorlash-mapping.tsv") + " " + at(name) +
                " --base " + at("src")};
  }
  // Every entry under folder, for comparing before and after.
  std::vector<std::string> listing(const fs::path& folder) const {
    std::vector<std::string> names;
    for (auto const& e : fs::recursive_directory_iterator(folder))
      names.push_back(fs::relative(e.path(), folder).string());
    std::sort(names.begin(), names.end());
    return names;
  }
  fs::path dir_;
};

TEST_F(OutputFolders, ForeignFolderIsRefusedAndAPreviousOutputUpdated) {
  // A file each command owns, whose temporary a killed run may leave.
  char const* const owned[] = {"edition.tsv", "stops.txt", "edition.tsv"};
  int index = 0;
  for (auto const& command : commands("out")) {
    std::string const leftover = std::string(owned[index++]) + ".k1ll3d00.tmp";
    fs::path const out = dir_ / "out";
    fs::create_directories(out / "Documents/thesis");
    fs::create_directories(out / ".ssh");
    std::ofstream(out / "Documents/thesis/thesis.tex") << "thesis";
    std::ofstream(out / ".ssh/id_ed25519") << "key";
    auto const before = listing(out);
    auto const refused = run(command);
    EXPECT_EQ(refused.status, 2) << command << "\n" << refused.out;
    EXPECT_NE(refused.out.find(out.string() + ": 書き込みません（「.ssh」"), std::string::npos)
        << refused.out;
    EXPECT_EQ(listing(out), before) << command;
    fs::remove_all(out);

    // Into a new folder, then again into that previous output, which a
    // killed run left a temporary file in: it is taken for the command's
    // own and removed.
    for (int pass = 0; pass < 2; ++pass) {
      if (pass == 1) {
        std::ofstream(out / leftover) << "cut short";
        fs::last_write_time(out / leftover,
                            fs::file_time_type::clock::now() - std::chrono::minutes(5));
      }
      auto const done = run(command);
      EXPECT_EQ(done.status, 0) << command << "\n" << done.out;
    }
    for (auto const& name : listing(out))
      EXPECT_FALSE(name.ends_with(".tmp")) << command << ": " << name;
    fs::remove_all(out);
  }
}

TEST_F(OutputFolders, InPlaceUpdateKeepsOtherEntriesAndTheMode) {
  fs::path const src = dir_ / "src";
  fs::create_directories(src / "notes");
  std::ofstream(src / "notes/todo.txt") << "todo";
  std::ofstream(src / "vorlash2.ini") << "settings";
  fs::permissions(src, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
  auto const before = listing(src);
  auto const done = run("import-gtfs " + at("feed") + " " + at("feed/vorlash-mapping.tsv") + " " +
                        at("src") + " --base " + at("src"));
  ASSERT_EQ(done.status, 0) << done.out;
  EXPECT_EQ(listing(src), before);
  EXPECT_EQ(fs::status(src).permissions(),
            fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
  EXPECT_EQ(run("build-data " + at("src") + " " + at("again.dat")).status, 0);
}

TEST_F(OutputFolders, FileErrorsAreJapaneseAndNameTheBase) {
  struct Case {
    std::string command;
    std::string expected;
  };
  fs::create_directories(dir_ / "base");
  std::ofstream(dir_ / "file") << "x";
  Case const cases[] = {
      {"export-data \"" + kSample + "\" " + at("file/out"), "途中にフォルダーでないものがあります"},
      {"export-data \"" + kSample + "\" " + at("file"),
       "書き込みません（フォルダーではありません）"},
      {"import-gtfs " + at("feed") + " " + at("feed/vorlash-mapping.tsv") + " " + at("o") +
           " --base " + at("base"),
       "--base のフォルダー "},
      {"import-gtfs " + at("nofeed") + " " + at("feed/vorlash-mapping.tsv") + " " + at("o"),
       "読み込めません（フィードのフォルダーでも .zip ファイルでもありません）"},
      {"build-data " + at("base") + " " + at("x.dat"),
       "edition.tsv: 読み込めません（ファイルがありません）"},
  };
  for (auto const& c : cases) {
    auto const r = run(c.command);
    EXPECT_NE(r.status, 0) << c.command;
    EXPECT_NE(r.out.find(c.expected), std::string::npos) << c.command << "\n" << r.out;
  }
}

}  // namespace
}  // namespace vorlash
