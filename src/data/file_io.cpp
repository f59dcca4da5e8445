#include "data/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/native_path.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace vorlash {

namespace {

std::string_view trim_ascii_blanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string errno_text() {
  return std::strerror(errno);
}

// How far writing the temporary file got.
enum class Written { all, not_created, failed };

#if defined(_WIN32)

std::string windows_error_text(DWORD code) {
  wchar_t* text = nullptr;
  DWORD const n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string out = n > 0 ? utf8_path(std::filesystem::path(std::wstring(text, n))) : "";
  if (text) LocalFree(text);
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == '.'))
    out.pop_back();
  return out.empty() ? "error " + std::to_string(code) : out;
}

// Writes the temporary file and forces it to the disk (FlushFileBuffers), so
// that a power cut after the replacement cannot leave an empty file.
Written write_synced(const std::wstring& temp, std::string_view bytes, std::string& why) {
  HANDLE const h = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    why = windows_error_text(GetLastError());
    return Written::not_created;
  }
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < bytes.size()) {
    DWORD const chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    ok = WriteFile(h, bytes.data() + done, chunk, &written, nullptr) && written > 0;
    done += written;
  }
  ok = ok && FlushFileBuffers(h);
  if (!ok) why = windows_error_text(GetLastError());
  if (!CloseHandle(h) && ok) {
    ok = false;
    why = windows_error_text(GetLastError());
  }
  return ok ? Written::all : Written::failed;
}

// MoveFileExW with MOVEFILE_WRITE_THROUGH returns only once the new name is
// on the disk; it replaces the old file in one step.
bool replace_with(const std::wstring& temp, const std::wstring& path, std::string& why) {
  if (MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  why = windows_error_text(GetLastError());
  return false;
}

#else

Written write_synced(const std::string& temp, std::string_view bytes, std::string& why) {
  int const fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) {
    why = errno_text();
    return Written::not_created;
  }
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < bytes.size()) {
    ssize_t const n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      ok = false;
    } else {
      done += static_cast<std::size_t>(n);
    }
  }
  ok = ok && ::fsync(fd) == 0;
  if (!ok) why = errno_text();
  if (::close(fd) != 0 && ok) {
    ok = false;
    why = errno_text();
  }
  return ok ? Written::all : Written::failed;
}

bool replace_with(const std::string& temp, const std::string& path, std::string& why) {
  if (::rename(temp.c_str(), path.c_str()) == 0) return true;
  why = errno_text();
  return false;
}

#endif

}  // namespace

std::string program_path(std::string_view folder, std::string_view file_name) {
  return utf8_path(native_path(trim_ascii_blanks(folder)) / native_path(file_name));
}

bool file_exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(native_path(path), ec);
}

Status read_file_bytes(const std::string& path, std::string& bytes) {
  std::ifstream in(native_path(path), std::ios::binary);
  if (!in) return Status::failure(path + ": cannot open the file (" + errno_text() + ")");
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return Status::failure(path + ": read error");
  return Status::success();
}

Status write_file_atomically(const std::string& path, std::string_view bytes) {
  auto const target = native_path(path);
  auto const temp = native_path(path + ".tmp");
  std::string why;
  Written const written = write_synced(temp.native(), bytes, why);
  if (written == Written::not_created)
    return Status::failure(path + ": cannot create a temporary file (" + why + ")");
  if (written == Written::failed) {
    std::error_code ec;
    std::filesystem::remove(temp, ec);
    return Status::failure(path + ": writing failed (" + why + "); the old file was kept");
  }
  if (!replace_with(temp.native(), target.native(), why)) {
    std::error_code ec;
    std::filesystem::remove(temp, ec);
    return Status::failure(path + ": cannot replace the file (" + why + "); the old file was kept");
  }
  return Status::success();
}

}  // namespace vorlash
