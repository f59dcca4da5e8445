#include "data/file_io.h"

#include <filesystem>

#include "data/data_file.h"
#include "platform/native_path.h"
#include "platform/safe_file.h"

namespace vorlash {

namespace {

std::string_view trim_ascii_blanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

std::string program_path(std::string_view folder, std::string_view file_name) {
  return utf8_path(native_path(trim_ascii_blanks(folder)) / native_path(file_name));
}

bool file_exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(native_path(path), ec);
}

Status read_file_bytes(const std::string& path, std::string& bytes) {
  return read_regular_file(path, kMaxDataFileSize, bytes);
}

Status write_file_atomically(const std::string& path, std::string_view bytes) {
  return replace_file(path, bytes);
}

}  // namespace vorlash
