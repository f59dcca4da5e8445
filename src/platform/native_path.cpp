#include "platform/native_path.h"

namespace vorlash {

// Through char8_t the standard library converts to and from the native
// encoding itself: UTF-16 on Windows, nothing on POSIX.
std::filesystem::path native_path(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8_path(const std::filesystem::path& path) {
  std::u8string const text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace vorlash
