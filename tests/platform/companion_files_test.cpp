// The program's own companion files (backups, the lock, temporary files):
// never written through a planted link, no more readable than what they
// copy, made only when needed, and cleaned up after a crash.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include "cli/cli_run.h"
#include "data/file_io.h"
#include "data/hotel_file.h"
#include "platform/program_lock.h"
#include "platform/safe_file.h"

#if !defined(_WIN32)
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace vorlash {
namespace {

namespace fs = std::filesystem;

class CompanionFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() / ("vorlash-companion-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir_ / "elsewhere");
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  void put(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
  }
  std::string get(const std::string& name) const {
    std::string bytes;
    EXPECT_TRUE(read_file_bytes(path(name), bytes).ok()) << name;
    return bytes;
  }
  int count_named(const std::string& tail) const {
    int n = 0;
    for (auto const& e : fs::directory_iterator(dir_))
      n += e.path().filename().string().ends_with(tail) ? 1 : 0;
    return n;
  }
  fs::path dir_;
};

// A line the user-hotel reader leaves out, so that a backup holds it alone.
constexpr char kGood[] = "\"x\",\"y\",\"A\",\"0\",5,\"\",\"\",\"        \"\r\n";
constexpr char kBad[] = "\"x\",\"y\",\"B\",\"0\",many,\"\",\"\",\"        \"\r\n";
constexpr char kOther[] = "\"x\",\"y\",\"C\",\"0\",5,\"\",\"\",\"        \"\r\n";

#if !defined(_WIN32)
TEST_F(CompanionFiles, PlantedLinksAreRefusedNeverWrittenThrough) {
  struct Case {
    const char* name;
    std::function<Status()> write;
    const char* reason;
  };
  put("hotelusr.csv", kGood);
  Case const cases[] = {
      {"hotelusr.csv.bak", [&] { return back_up_user_hotels(path("hotelusr.csv"), nullptr); },
       nullptr},
      {"vorlash.lock",
       [&] {
         ProgramLock lock;
         Status error;
         return lock.acquire(dir_.string(), error) == LockResult::taken ? Status::success() : error;
       },
       nullptr},
  };
  for (auto const& c : cases) {
    for (bool const hard : {false, true}) {
      std::string const secret = (dir_ / "elsewhere/secret").string();
      std::ofstream(secret) << "secret";
      if (hard)
        fs::create_hard_link(secret, path(c.name));
      else
        fs::create_symlink(secret, path(c.name));
      Status const st = c.write();
      ASSERT_FALSE(st.ok()) << c.name << (hard ? " hard" : " symlink");
      std::string const why = hard ? "ハードリンク" : "シンボリックリンクです";
      EXPECT_NE(st.error.find(why), std::string::npos) << st.error;
      std::string bytes;
      ASSERT_TRUE(read_file_bytes(secret, bytes).ok());
      EXPECT_EQ(bytes, "secret") << c.name;
      fs::remove(path(c.name));
    }
  }
}

TEST_F(CompanionFiles, BackupKeepsThePermissionsOfWhatItCopies) {
  put("hotelusr.csv", kGood);
  ::chmod(path("hotelusr.csv").c_str(), 0600);
  put("hotelusr.csv.bak", kOther);  // an earlier, readable backup is replaced
  ::chmod(path("hotelusr.csv.bak").c_str(), 0644);
  ASSERT_TRUE(back_up_user_hotels(path("hotelusr.csv"), nullptr).ok());
  EXPECT_EQ(get("hotelusr.csv.bak"), kGood);
  EXPECT_EQ(fs::status(path("hotelusr.csv.bak")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(CompanionFiles, DanglingLinkIsNotCreatedOutsideTheFolder) {
  std::string const target = (dir_ / "elsewhere/new.csv").string();
  fs::create_symlink(target, path("hotelusr.csv"));
  Status const st = replace_file(path("hotelusr.csv"), "x");
  EXPECT_EQ(st.error,
            path("hotelusr.csv") + ": 保存できません（シンボリックリンクの指す先がありません）");
  EXPECT_FALSE(fs::exists(target));
}

TEST_F(CompanionFiles, SocketIsNotARegularFile) {
  int const fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::string const socket_path = path("s");
  ASSERT_LT(socket_path.size(), sizeof address.sun_path);
  std::copy(socket_path.begin(), socket_path.end(), address.sun_path);
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  std::string bytes;
  Status const st = read_file_bytes(socket_path, bytes);
  ::close(fd);
  EXPECT_EQ(st.error, socket_path + ": 読み込めません（通常のファイルではありません）");
}

TEST_F(CompanionFiles, CrashLeftTemporariesAloneAreRemoved) {
  auto const age = [&](const std::string& name, int seconds) {
    fs::last_write_time(path(name),
                        fs::file_time_type::clock::now() - std::chrono::seconds(seconds));
  };
  for (auto const* name : {"vorlash2.ini.a1b2c3d4.tmp", "young.ini.a1b2c3d4.tmp", "notes.tmp",
                           "vorlash2.ini.ABCDEFGH.tmp", "mine.tmp.txt"}) {
    put(name, "x");
    age(name, std::string(name).starts_with("young") ? 5 : 600);
  }
  fs::create_symlink(path("notes.tmp"), path("link.a1b2c3d4.tmp"));
  EXPECT_EQ(remove_stale_temporaries(dir_.string()), 1);
  EXPECT_FALSE(fs::exists(path("vorlash2.ini.a1b2c3d4.tmp")));
  for (auto const* kept : {"young.ini.a1b2c3d4.tmp", "notes.tmp", "vorlash2.ini.ABCDEFGH.tmp",
                           "mine.tmp.txt", "link.a1b2c3d4.tmp"})
    EXPECT_TRUE(fs::exists(fs::symlink_status(path(kept)))) << kept;
}
#endif

TEST_F(CompanionFiles, LockOfAFailedStartIsRemovedOnlyWhenItWasNew) {
  for (bool const existed : {false, true}) {
    if (existed) put(kLockFileName, "");
    ProgramLock lock;
    Status error;
    ASSERT_EQ(lock.acquire(dir_.string(), error), LockResult::taken) << error.error;
    lock.discard();
    EXPECT_EQ(fs::exists(path(kLockFileName)), existed);
  }
}

// A dated backup only when a line of the replaced file is held by no backup.
TEST_F(CompanionFiles, DatedBackupOnlyForLinesNotHeldYet) {
  put("hotelusr.csv.bak", std::string(kGood) + kBad);  // alone holds the bad line
  struct Case {
    std::string file;
    int dated_after;
  };
  std::string const c_line = kOther;
  Case const cases[] = {
      {kGood, 0},                        // every line is in the .bak
      {std::string(kGood) + c_line, 1},  // C is new
      {c_line + kGood, 1},               // the same lines reordered
      {c_line, 1},                       // a hotel deleted
  };
  for (auto const& c : cases) {
    put("hotelusr.csv", c.file);
    std::string backup;
    ASSERT_TRUE(back_up_user_hotels(path("hotelusr.csv"), &backup).ok());
    EXPECT_EQ(count_named(".bak") - 1, c.dated_after) << c.file;
    EXPECT_TRUE(fs::exists(backup)) << backup;
  }
  EXPECT_EQ(get("hotelusr.csv.bak"), std::string(kGood) + kBad);
}

}  // namespace
}  // namespace vorlash
