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

#include "platform/file_texts.h"
#include "platform/native_path.h"
#include "platform/program_lock.h"
#include "platform/system_error.h"

namespace vorlash {

LockResult ProgramLock::acquire(const std::string& folder, Status& error) {
  release();
  std::string const path = program_path(folder, kLockFileName);
  std::filesystem::path const native = native_path(path);
  std::error_code ec;
  std::filesystem::file_status const st = std::filesystem::symlink_status(native, ec);
  std::string_view refusal;
  if (std::filesystem::is_symlink(st))
    refusal = file_text::kIsSymlink;
  else if (std::filesystem::is_directory(st))
    refusal = file_text::kIsFolder;
  else if (std::filesystem::exists(st) && !std::filesystem::is_regular_file(st))
    refusal = file_text::kNotRegular;
  else if (std::filesystem::exists(st) && std::filesystem::hard_link_count(native, ec) > 1)
    refusal = file_text::kIsHardLinked;
  if (!refusal.empty()) {
    error = path_failure(path, file_text::kCannotLock, refusal);
    return LockResult::failed;
  }
  bool const existed = std::filesystem::exists(st);
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
  created_ = existed ? std::string() : path;
  error = Status::success();
  return LockResult::taken;
}

void ProgramLock::release() {
  if (handle_ < 0) return;
  _close(static_cast<int>(handle_));
  handle_ = -1;
  created_.clear();
}

void ProgramLock::discard() {
  std::string const created = handle_ >= 0 ? created_ : std::string();
  release();  // Windows removes no file that is still open
  std::error_code ec;
  if (!created.empty()) std::filesystem::remove(native_path(created), ec);
}

}  // namespace vorlash

#endif  // _WIN32
