// POSIX body of platform/program_lock.h: flock on the lock file. flock locks
// belong to the open file, so a second acquire in the same process is
// refused too.
#if !defined(_WIN32)

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_texts.h"
#include "platform/native_path.h"
#include "platform/program_lock.h"
#include "platform/system_error.h"

namespace vorlash {

namespace {

// Why the lock file at path cannot be used, for an open that failed with
// code (O_NOFOLLOW reports a symlink as a loop).
std::string open_failure_reason(const std::string& path, int code) {
  struct stat info {};
  if (code == ELOOP && ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode))
    return std::string(file_text::kIsSymlink);
  return system_reason(code, FileAccess::write);
}

}  // namespace

LockResult ProgramLock::acquire(const std::string& folder, Status& error) {
  release();
  std::string const path = program_path(folder, kLockFileName);
  auto const failed = [&](std::string_view why) {
    error = path_failure(path, file_text::kCannotLock, why);
    return LockResult::failed;
  };
  // Created exclusively when missing; an existing one is opened without
  // following a link and without waiting on a FIFO.
  bool created = true;
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0 && errno == EEXIST) {
    created = false;
    fd = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  }
  if (fd < 0) return failed(open_failure_reason(path, errno));
  struct stat info {};
  std::string_view refusal;
  if (::fstat(fd, &info) != 0)
    refusal = file_text::kNotRegular;
  else if (S_ISDIR(info.st_mode))
    refusal = file_text::kIsFolder;
  else if (!S_ISREG(info.st_mode))
    refusal = file_text::kNotRegular;
  else if (info.st_nlink > 1)
    refusal = file_text::kIsHardLinked;
  if (!refusal.empty()) {
    ::close(fd);
    return failed(refusal);
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    int const code = errno;
    ::close(fd);
    if (code == EWOULDBLOCK) {
      error = Status::success();
      return LockResult::busy;
    }
    return failed(system_reason(code, FileAccess::write));
  }
  // The process id helps a person who finds the file; the lock is the flock.
  std::string const pid = std::to_string(::getpid()) + "\n";
  if (::ftruncate(fd, 0) == 0 && ::write(fd, pid.data(), pid.size()) < 0) {
    // The content is informative only.
  }
  handle_ = fd;
  created_ = created ? path : std::string();
  error = Status::success();
  return LockResult::taken;
}

void ProgramLock::release() {
  if (handle_ < 0) return;
  ::close(static_cast<int>(handle_));  // closing drops the flock
  handle_ = -1;
  created_.clear();
}

void ProgramLock::discard() {
  if (handle_ >= 0 && !created_.empty()) ::unlink(created_.c_str());
  release();
}

}  // namespace vorlash

#endif  // !_WIN32
