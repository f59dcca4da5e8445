// POSIX body of platform/program_lock.h: flock on the lock file. flock locks
// belong to the open file, so a second acquire in the same process is
// refused too.
#if !defined(_WIN32)

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "data/file_io.h"
#include "platform/file_texts.h"
#include "platform/program_lock.h"
#include "platform/system_error.h"

namespace vorlash {

LockResult ProgramLock::acquire(const std::string& folder, Status& error) {
  release();
  std::string const path = program_path(folder, kLockFileName);
  int const fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = path_failure(path, file_text::kCannotLock, system_reason(errno, FileAccess::write));
    return LockResult::failed;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    int const code = errno;
    ::close(fd);
    if (code == EWOULDBLOCK) {
      error = Status::success();
      return LockResult::busy;
    }
    error = path_failure(path, file_text::kCannotLock, system_reason(code, FileAccess::write));
    return LockResult::failed;
  }
  // The process id helps a person who finds the file; the lock is the flock.
  std::string const pid = std::to_string(::getpid()) + "\n";
  if (::ftruncate(fd, 0) == 0 && ::write(fd, pid.data(), pid.size()) < 0) {
    // The content is informative only.
  }
  handle_ = fd;
  error = Status::success();
  return LockResult::taken;
}

void ProgramLock::release() {
  if (handle_ < 0) return;
  ::close(static_cast<int>(handle_));  // closing drops the flock
  handle_ = -1;
}

}  // namespace vorlash

#endif  // !_WIN32
