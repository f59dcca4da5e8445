// File names are UTF-8 everywhere inside the program. These turn them into
// the platform's own paths and back: wide strings on Windows (whose narrow
// file functions would take the ANSI code page), the same bytes on POSIX.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vorlash {

std::filesystem::path native_path(std::string_view utf8);
std::string utf8_path(const std::filesystem::path& path);

// The full path of a file of the program folder: the folder, trimmed of
// blanks, then the file name.
std::string program_path(std::string_view folder, std::string_view file_name);

// True when path names a regular file (a symlink is followed).
bool file_exists(const std::string& path);

}  // namespace vorlash
