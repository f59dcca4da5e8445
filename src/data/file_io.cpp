#include "data/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#if defined(_WIN32)
#include <io.h>
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

}  // namespace

std::string program_path(std::string_view folder, std::string_view file_name) {
  std::filesystem::path p{std::string(trim_ascii_blanks(folder))};
  p /= std::string(file_name);
  return p.string();
}

bool file_exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

Status read_file_bytes(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Status::failure(path + ": cannot open the file (" + errno_text() + ")");
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return Status::failure(path + ": read error");
  return Status::success();
}

Status write_file_atomically(const std::string& path, std::string_view bytes) {
  std::string const temp = path + ".tmp";
#if defined(_WIN32)
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) return Status::failure(path + ": cannot create a temporary file (" + errno_text() + ")");
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
  ok = _commit(_fileno(f)) == 0 && ok;
  ok = std::fclose(f) == 0 && ok;
  std::string const why = ok ? std::string() : errno_text();
#else
  int const fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0)
    return Status::failure(path + ": cannot create a temporary file (" + errno_text() + ")");
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
  std::string why = ok ? std::string() : errno_text();
  if (::close(fd) != 0 && ok) {
    ok = false;
    why = errno_text();
  }
#endif
  if (!ok) {
    std::remove(temp.c_str());
    return Status::failure(path + ": writing failed (" + why + "); the old file was kept");
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::remove(temp.c_str());
    return Status::failure(path + ": cannot replace the file (" + ec.message() +
                           "); the old file was kept");
  }
  return Status::success();
}

}  // namespace vorlash
