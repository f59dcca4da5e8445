// Windows bodies of platform/safe_file.h: the same rules with the C runtime's
// exclusive create and MoveFileExW for the replacing rename.
#if defined(_WIN32)

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <random>

#include "platform/file_texts.h"
#include "platform/native_path.h"
#include "platform/safe_file.h"
#include "platform/system_error.h"

namespace vorlash {

namespace {

namespace fs = std::filesystem;

// The errno value closest to a Windows error code, for system_reason.
int errno_of(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_WRITE_PROTECT:
      return EROFS;
    default:
      return EIO;
  }
}

// Another process (a reader, a virus scanner) may hold the file for a moment
// while it is being replaced; Windows then refuses the open or the rename
// with a sharing error instead of waiting. Try again for up to half a second.
template <typename Attempt>
bool retry_while_busy(Attempt attempt) {
  for (int tries = 0;; ++tries) {
    if (attempt()) return true;
    DWORD const code = GetLastError();
    bool const busy = code == ERROR_ACCESS_DENIED || code == ERROR_SHARING_VIOLATION ||
                      code == ERROR_LOCK_VIOLATION;
    if (!busy || tries >= 50) return false;
    Sleep(10);
    SetLastError(code);
  }
}

// Opens for reading, sharing every access so that a save may replace the file
// while it is read; returns 0 or an errno value.
int open_for_reading(const fs::path& path, int& fd) {
  HANDLE handle = INVALID_HANDLE_VALUE;
  bool const opened = retry_while_busy([&] {
    handle = CreateFileW(path.c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return handle != INVALID_HANDLE_VALUE;
  });
  if (!opened) return errno_of(GetLastError());
  fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
  if (fd < 0) {
    CloseHandle(handle);
    return EIO;
  }
  return 0;
}

}  // namespace

Status read_regular_file(const std::string& path, std::size_t max_size, std::string& bytes,
                         bool* missing) {
  bytes.clear();
  if (missing) *missing = false;
  std::error_code ec;
  fs::file_status const st = fs::status(native_path(path), ec);
  if (!fs::exists(st)) {
    if (missing) {
      *missing = true;
      return Status::success();
    }
    return read_failure(path, file_text::kMissing);
  }
  if (fs::is_directory(st)) return read_failure(path, file_text::kIsFolder);
  if (!fs::is_regular_file(st)) return read_failure(path, file_text::kNotRegular);
  int fd = -1;
  if (int const code = open_for_reading(native_path(path), fd); code != 0)
    return read_failure(path, system_reason(code, FileAccess::read));
  long long const size = _filelengthi64(fd);
  if (size < 0 || static_cast<unsigned long long>(size) > max_size) {
    _close(fd);
    return read_failure(path, too_large_reason(max_size));
  }
  bytes.resize(static_cast<std::size_t>(size) + 1);
  std::size_t done = 0;
  while (done < bytes.size()) {
    int const n = _read(fd, bytes.data() + done, static_cast<unsigned>(bytes.size() - done));
    if (n < 0) {
      int const code = errno;
      _close(fd);
      bytes.clear();
      return read_failure(path, system_reason(code, FileAccess::read));
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  _close(fd);
  if (done > static_cast<std::size_t>(size)) {
    bytes.clear();
    return read_failure(path, file_text::kChangedWhileReading);
  }
  bytes.resize(done);
  return Status::success();
}

namespace {

// A symlink, a junction or a hard-linked file under a companion name, as the
// reason to refuse it; "" when nothing or a lone regular file is there.
std::string_view companion_refusal(const fs::path& target) {
  std::error_code ec;
  fs::file_status const st = fs::symlink_status(target, ec);
  if (!fs::exists(st)) return {};
  if (fs::is_symlink(st)) return file_text::kIsSymlink;
  if (fs::is_directory(st)) return file_text::kIsFolder;
  if (!fs::is_regular_file(st)) return file_text::kNotRegular;
  if (fs::hard_link_count(target, ec) > 1) return file_text::kIsHardLinked;
  return {};
}

Status stage(const std::string& target_path, std::string_view bytes, StagedFile& staged,
             const std::string& shown_as, bool companion) {
  staged = StagedFile{};
  staged.target = target_path;
  staged.shown = shown_as.empty() ? target_path : shown_as;
  fs::path const target = native_path(target_path);
  std::error_code ec;
  if (companion) {
    if (std::string_view const why = companion_refusal(target); !why.empty())
      return save_failure(staged.shown, why);
  }
  if (fs::is_directory(target, ec)) return save_failure(staged.shown, file_text::kIsFolder, false);
  // A companion's errors name the original, which exists and stays.
  staged.had_old = companion || fs::is_regular_file(target, ec);

  static std::atomic<unsigned> counter{0};
  std::mt19937_64 random(std::random_device{}() ^ GetCurrentProcessId() ^ counter++);
  constexpr char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  fs::path temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    std::string tag;
    for (int i = 0; i < 8; ++i) tag += kDigits[random() % (sizeof kDigits - 1)];
    temp = target;
    temp += "." + tag + ".tmp";
    if (_wsopen_s(&fd, temp.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _SH_DENYRW,
                  _S_IREAD | _S_IWRITE) != 0 &&
        errno != EEXIST)
      return save_failure(staged.shown, system_reason(errno, FileAccess::write), staged.had_old);
  }
  if (fd < 0)
    return save_failure(staged.shown, system_reason(EEXIST, FileAccess::write), staged.had_old);
  staged.temp = utf8_path(temp);
  auto const fail = [&](int code) {
    discard_staged(staged);
    return save_failure(staged.shown, system_reason(code, FileAccess::write), staged.had_old);
  };
  std::size_t done = 0;
  while (done < bytes.size()) {
    unsigned const chunk =
        static_cast<unsigned>(std::min<std::size_t>(bytes.size() - done, 1 << 30));
    int const n = _write(fd, bytes.data() + done, chunk);
    if (n <= 0) {
      int const code = errno;
      _close(fd);
      return fail(code);
    }
    done += static_cast<std::size_t>(n);
  }
  if (_commit(fd) != 0) {
    int const code = errno;
    _close(fd);
    return fail(code);
  }
  if (_close(fd) != 0) return fail(errno);
  return Status::success();
}

}  // namespace

Status stage_file(const std::string& path, std::string_view bytes, StagedFile& staged) {
  return stage(path, bytes, staged, {}, false);
}

Status commit_staged(StagedFile& staged) {
  if (staged.temp.empty()) return Status::success();
  fs::path const temp = native_path(staged.temp);
  fs::path const target = native_path(staged.target);
  if (!retry_while_busy([&] {
        return MoveFileExW(temp.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
      })) {
    int const code = errno_of(GetLastError());
    discard_staged(staged);
    return save_failure(staged.shown, system_reason(code, FileAccess::write), staged.had_old);
  }
  staged.temp.clear();
  return Status::success();
}

void discard_staged(StagedFile& staged) {
  if (staged.temp.empty()) return;
  std::error_code ec;
  fs::remove(native_path(staged.temp), ec);
  staged.temp.clear();
}

Status replace_file(const std::string& target_path, std::string_view bytes,
                    const std::string& shown_as) {
  StagedFile staged;
  if (Status st = stage(target_path, bytes, staged, shown_as, false); !st) return st;
  return commit_staged(staged);
}

// The new file inherits the folder's access rules, as its original did.
Status replace_companion_file(const std::string& path, std::string_view bytes,
                              const std::string& /*original*/, const std::string& shown_as) {
  StagedFile staged;
  if (Status st = stage(path, bytes, staged, shown_as, true); !st) return st;
  return commit_staged(staged);
}

int remove_stale_temporaries(const std::string& folder,
                             const std::function<bool(std::string_view)>& only_for) {
  std::error_code ec;
  int removed = 0;
  auto const now = fs::file_time_type::clock::now();
  for (auto const& entry : fs::directory_iterator(native_path(folder), ec)) {
    std::string const name = utf8_path(entry.path().filename());
    std::string_view const of = temporary_of(name);
    if (of.empty() || (only_for && !only_for(of))) continue;
    std::error_code entry_ec;
    if (!entry.is_regular_file(entry_ec) || entry.is_symlink(entry_ec)) continue;
    auto const written = entry.last_write_time(entry_ec);
    if (entry_ec || now - written < std::chrono::minutes(1)) continue;
    if (fs::remove(entry.path(), entry_ec)) ++removed;
  }
  return removed;
}

bool path_exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(native_path(path), ec));
}

}  // namespace vorlash

#endif  // _WIN32
