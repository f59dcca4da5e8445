// POSIX bodies of platform/safe_file.h.
#if !defined(_WIN32)

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <ctime>
#include <filesystem>
#include <random>

#include "platform/file_texts.h"
#include "platform/safe_file.h"
#include "platform/system_error.h"

namespace vorlash {

namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now; false (errno set) when the system reports an error.
  bool close() {
    int const fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

std::string reason(int code, FileAccess access) {
  return system_reason(code, access);
}

// The kind of a non-regular file as a reason, or "" for a regular file.
std::string_view not_regular_reason(mode_t mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISDIR(mode)) return file_text::kIsFolder;
  return file_text::kNotRegular;
}

bool write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t const n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The file a save must replace: path, or the last target of its chain of
// symlinks, so that the link itself stays. Fails (errno = ELOOP) on a loop.
bool resolve_links(const std::string& path, std::string& target) {
  namespace fs = std::filesystem;
  target = path;
  for (int hop = 0; hop < 40; ++hop) {
    char buf[PATH_MAX];
    ssize_t const n = ::readlink(target.c_str(), buf, sizeof buf);
    if (n < 0) return true;  // not a link, or nothing there yet
    fs::path next(std::string(buf, static_cast<std::size_t>(n)));
    if (next.is_relative()) next = fs::path(target).parent_path() / next;
    target = next.string();
  }
  errno = ELOOP;
  return false;
}

// Creates a new file beside target under a name no other writer uses,
// exclusively (an existing file or planted link of that name is never
// opened). Returns the descriptor or -1 with errno set.
int create_temporary(const std::string& target, std::string& temp) {
  static std::atomic<unsigned> counter{0};
  std::random_device seed;
  std::mt19937_64 random(
      seed() ^ static_cast<std::uint64_t>(::getpid()) ^
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
      counter++);
  constexpr char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string tag;
    for (int i = 0; i < 8; ++i) tag += kDigits[random() % (sizeof kDigits - 1)];
    temp = target + "." + tag + ".tmp";
    int const fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Makes the new file as the old one was: mode, and owner where allowed.
void copy_permissions(int fd, const struct stat& old) {
  ::fchmod(fd, old.st_mode & 07777);
  if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
    // Only the owner's rights matter for the program; a group it cannot set is kept as created.
  }
}

void sync_folder(const std::string& target) {
  std::string const folder = std::filesystem::path(target).parent_path().string();
  int const fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // some file systems cannot sync a folder; the rename stands anyway
  ::close(fd);
}

}  // namespace

Status read_regular_file(const std::string& path, std::size_t max_size, std::string& bytes,
                         bool* missing) {
  bytes.clear();
  if (missing) *missing = false;
  // O_NONBLOCK: opening a FIFO must not wait for a writer.
  Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) {
    int const code = errno;
    if (code == ENOENT && missing) {
      *missing = true;
      return Status::success();
    }
    return read_failure(path, reason(code, FileAccess::read));
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) return read_failure(path, reason(errno, FileAccess::read));
  if (std::string_view const why = not_regular_reason(info.st_mode); !why.empty())
    return read_failure(path, why);
  if (info.st_size < 0 || static_cast<unsigned long long>(info.st_size) > max_size)
    return read_failure(path, too_large_reason(max_size));

  // One sized read (repeated only if the system hands out less at a time),
  // then a check that the file did not grow meanwhile.
  bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t const n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      int const code = errno;
      bytes.clear();
      return read_failure(path, reason(code, FileAccess::read));
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  if (done > static_cast<std::size_t>(info.st_size)) {
    bytes.clear();
    return read_failure(path, file_text::kChangedWhileReading);
  }
  bytes.resize(done);
  return Status::success();
}

namespace {

// How stage() treats what is at the path already.
enum class AtLink { write_through, refuse, replace };
struct StageRules {
  AtLink at_link = AtLink::write_through;
  std::string mode_from;  // take the permissions of this file (empty: of the old file)
};

// The reason a companion name may not be written, or "" when nothing or a
// lone regular file is there.
std::string_view companion_refusal(const struct stat& info) {
  if (S_ISLNK(info.st_mode)) return file_text::kIsSymlink;
  if (std::string_view const why = not_regular_reason(info.st_mode); !why.empty()) return why;
  if (info.st_nlink > 1) return file_text::kIsHardLinked;
  return {};
}

Status stage(const std::string& path, std::string_view bytes, StagedFile& staged,
             const std::string& shown, const StageRules& rules) {
  staged = StagedFile{};
  staged.shown = shown.empty() ? path : shown;
  struct stat old {};
  if (rules.at_link == AtLink::refuse) {
    // Errors name the original, which exists and stays as it is.
    staged.target = path;
    staged.had_old = true;
    if (::lstat(path.c_str(), &old) == 0) {
      if (std::string_view const why = companion_refusal(old); !why.empty())
        return save_failure(staged.shown, why);
    }
  } else if (rules.at_link == AtLink::replace) {
    staged.target = path;
    if (::lstat(path.c_str(), &old) == 0) {
      if (S_ISDIR(old.st_mode)) return save_failure(staged.shown, file_text::kIsFolder, false);
      staged.had_old = S_ISREG(old.st_mode);  // a link's target lends no permissions
    }
  } else {
    if (!resolve_links(path, staged.target))
      return save_failure(staged.shown, reason(errno, FileAccess::write), false);
    if (::stat(staged.target.c_str(), &old) == 0) {
      staged.had_old = true;
      if (std::string_view const why = not_regular_reason(old.st_mode); !why.empty())
        return save_failure(staged.shown, why, false);
    } else if (staged.target != path && errno == ENOENT) {
      // A link whose target is gone: writing it would create a file
      // wherever the link points.
      return save_failure(staged.shown, file_text::kDanglingLink, false);
    }
  }
  struct stat mode_source = old;
  bool const have_mode =
      rules.mode_from.empty() ? staged.had_old : ::stat(rules.mode_from.c_str(), &mode_source) == 0;

  Fd fd(create_temporary(staged.target, staged.temp));
  if (fd.get() < 0) {
    staged.temp.clear();
    return save_failure(staged.shown, reason(errno, FileAccess::write), staged.had_old);
  }
  auto const fail = [&](int code) {
    discard_staged(staged);
    return save_failure(staged.shown, reason(code, FileAccess::write), staged.had_old);
  };
  if (have_mode) copy_permissions(fd.get(), mode_source);
  if (!write_all(fd.get(), bytes)) return fail(errno);
  if (::fsync(fd.get()) != 0) return fail(errno);
  if (!fd.close()) return fail(errno);
  return Status::success();
}

}  // namespace

Status stage_file(const std::string& path, std::string_view bytes, StagedFile& staged) {
  return stage(path, bytes, staged, {}, {AtLink::replace, {}});
}

Status commit_staged(StagedFile& staged) {
  if (staged.temp.empty()) return Status::success();
  if (::rename(staged.temp.c_str(), staged.target.c_str()) != 0) {
    int const code = errno;
    discard_staged(staged);
    return save_failure(staged.shown, reason(code, FileAccess::write), staged.had_old);
  }
  staged.temp.clear();
  sync_folder(staged.target);
  return Status::success();
}

void discard_staged(StagedFile& staged) {
  if (staged.temp.empty()) return;
  ::unlink(staged.temp.c_str());
  staged.temp.clear();
}

Status replace_file(const std::string& target_path, std::string_view bytes,
                    const std::string& shown_as) {
  StagedFile staged;
  if (Status st = stage(target_path, bytes, staged, shown_as, {}); !st) return st;
  return commit_staged(staged);
}

Status replace_companion_file(const std::string& path, std::string_view bytes,
                              const std::string& original, const std::string& shown_as) {
  StagedFile staged;
  if (Status st = stage(path, bytes, staged, shown_as, {AtLink::refuse, original}); !st) return st;
  return commit_staged(staged);
}

int remove_stale_temporaries(const std::string& folder,
                             const std::function<bool(std::string_view)>& only_for) {
  namespace fs = std::filesystem;
  std::error_code ec;
  int removed = 0;
  auto const now = std::time(nullptr);
  for (auto const& entry : fs::directory_iterator(fs::path(folder), ec)) {
    std::string const path = entry.path().string();
    std::string const name = entry.path().filename().string();
    std::string_view const of = temporary_of(name);
    if (of.empty() || (only_for && !only_for(of))) continue;
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid() ||
        info.st_nlink != 1 || now - info.st_mtime < 60)
      continue;
    if (::unlink(path.c_str()) == 0) ++removed;
  }
  return removed;
}

bool path_exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace vorlash

#endif  // !_WIN32
