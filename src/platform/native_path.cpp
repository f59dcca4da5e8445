#include "platform/native_path.h"

#include <system_error>

namespace vorlash {

namespace {

std::string_view trim_ascii_blanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

// Through char8_t the standard library converts to and from the native
// encoding itself: UTF-16 on Windows, nothing on POSIX.
std::filesystem::path native_path(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8_path(const std::filesystem::path& path) {
  std::u8string const text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string program_path(std::string_view folder, std::string_view file_name) {
  return utf8_path(native_path(trim_ascii_blanks(folder)) / native_path(file_name));
}

bool file_exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(native_path(path), ec);
}

}  // namespace vorlash
