// Whole-file reading and safe replacement of files.
#pragma once

#include <string>
#include <string_view>

#include "data/status.h"

namespace vorlash {

// The full path of a file of the program folder: the folder, trimmed of
// blanks, then the file name.
std::string program_path(std::string_view folder, std::string_view file_name);

bool file_exists(const std::string& path);

// Reads the whole file into bytes. A missing or unreadable file is an error
// that names the path.
Status read_file_bytes(const std::string& path, std::string& bytes);

// Writes bytes to a temporary file in the same folder, flushes and syncs it,
// then renames it over path. On any failure the old file stays as it was and
// the temporary file is removed.
Status write_file_atomically(const std::string& path, std::string_view bytes);

}  // namespace vorlash
