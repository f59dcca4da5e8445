// One running copy per program folder: a held lock refuses a second copy,
// and the lock of a copy killed without cleaning up is free at once.
#include "platform/program_lock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#if defined(_WIN32)
#include <random>
#else
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace vorlash {
namespace {

#if defined(_WIN32)
// The lock file is held open without sharing: a second holder is refused
// until the first lets go (or its process ends and Windows closes the file).
TEST(ProgramLockTest, SecondHolderRefusedUntilTheFirstLetsGo) {
  auto const folder = std::filesystem::temp_directory_path() /
                      ("vorlash-lock-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directory(folder);
  Status error;
  ProgramLock first;
  ASSERT_EQ(first.acquire(folder.string(), error), LockResult::taken) << error.error;
  ProgramLock second;
  EXPECT_EQ(second.acquire(folder.string(), error), LockResult::busy);
  EXPECT_FALSE(second.held());
  first.release();
  EXPECT_EQ(second.acquire(folder.string(), error), LockResult::taken) << error.error;
  second.release();
  std::filesystem::remove_all(folder);
}
#else
TEST(ProgramLockTest, SecondCopyRefusedUntilTheFirstDies) {
  std::string folder = (std::filesystem::temp_directory_path() / "vorlash-lock-XXXXXX").string();
  ASSERT_NE(::mkdtemp(folder.data()), nullptr);
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  pid_t const child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ProgramLock lock;
    Status error;
    char const ok = lock.acquire(folder, error) == LockResult::taken ? 'y' : 'n';
    if (::write(ready[1], &ok, 1) != 1) ::_exit(1);
    ::pause();  // killed by the parent, never released
    ::_exit(0);
  }
  char ok = 0;
  ASSERT_EQ(::read(ready[0], &ok, 1), 1);
  EXPECT_EQ(ok, 'y');

  ProgramLock second;
  Status error;
  EXPECT_EQ(second.acquire(folder, error), LockResult::busy);
  EXPECT_FALSE(second.held());

  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  EXPECT_EQ(second.acquire(folder, error), LockResult::taken) << error.error;
  EXPECT_TRUE(second.held());
  ::close(ready[0]);
  ::close(ready[1]);
  std::filesystem::remove_all(folder);
}
#endif

}  // namespace
}  // namespace vorlash
