// Whole-file reading and safe replacement for tools and tests (the programs' readers use
// platform/safe_file.h with each file's own size limit).
#pragma once

#include <string>
#include <string_view>

#include "base/status.h"
#include "platform/native_path.h"

namespace vorlash {

// Reads the whole regular file at path, up to the largest DataFile. A
// missing, unreadable or special file is an error that names the path.
Status read_file_bytes(const std::string& path, std::string& bytes);

// Replaces path by bytes safely (platform/safe_file.h: replace_file).
Status write_file_atomically(const std::string& path, std::string_view bytes);

}  // namespace vorlash
