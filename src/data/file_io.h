// Paths of the program folder's files, and whole-file reading and safe
// replacement for tools and tests (the programs' readers use
// platform/safe_file.h with each file's own size limit).
#pragma once

#include <string>
#include <string_view>

#include "data/status.h"

namespace vorlash {

// The full path of a file of the program folder: the folder, trimmed of
// blanks, then the file name.
std::string program_path(std::string_view folder, std::string_view file_name);

// True when path names a regular file (a symlink is followed).
bool file_exists(const std::string& path);

// Reads the whole regular file at path, up to the largest DataFile. A
// missing, unreadable or special file is an error that names the path.
Status read_file_bytes(const std::string& path, std::string& bytes);

// Replaces path by bytes safely (platform/safe_file.h: replace_file).
Status write_file_atomically(const std::string& path, std::string_view bytes);

}  // namespace vorlash
