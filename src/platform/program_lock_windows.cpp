// Windows body of platform/program_lock.h: the lock file opened without
// sharing; the system closes the handle, and so frees the lock, when the
// process ends in any way.
#if defined(_WIN32)

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "data/file_io.h"
#include "platform/file_texts.h"
#include "platform/native_path.h"
#include "platform/program_lock.h"
#include "platform/system_error.h"

namespace vorlash {

LockResult ProgramLock::acquire(const std::string& folder, Status& error) {
  release();
  std::string const path = program_path(folder, kLockFileName);
  std::filesystem::path const native = native_path(path);
  int fd = -1;
  if (_wsopen_s(&fd, native.c_str(), _O_RDWR | _O_CREAT | _O_BINARY, _SH_DENYRW,
                _S_IREAD | _S_IWRITE) != 0) {
    int const code = errno;
    // Another copy holds the file open without sharing.
    if (code == EACCES && std::filesystem::exists(native)) {
      error = Status::success();
      return LockResult::busy;
    }
    error = path_failure(path, file_text::kCannotLock, system_reason(code, FileAccess::write));
    return LockResult::failed;
  }
  handle_ = fd;
  error = Status::success();
  return LockResult::taken;
}

void ProgramLock::release() {
  if (handle_ < 0) return;
  _close(static_cast<int>(handle_));
  handle_ = -1;
}

}  // namespace vorlash

#endif  // _WIN32
