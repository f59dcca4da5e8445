// Opening and replacing the program's files so that no file can crash or
// hang the program and no save can lose data.
//
// Reading: only a regular file (a symlink is followed) no larger than its
// format allows is read, in one sized read. A folder, a FIFO, a device or an
// oversized file is an error naming the file, never a hang or an exception.
//
// Replacing: the bytes go to a new temporary file created exclusively beside
// the target, are synced, then renamed over the target, and the folder is
// synced. Readers see the old file or the new one, whole; on failure the old
// file is untouched. A symlink is written through to its target and stays.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "data/status.h"

namespace vorlash {

// Upper size of the small text files (SettingsFile, UserHotelFile, sources).
inline constexpr std::size_t kMaxTextFileSize = std::size_t{1} << 20;

// Reads the whole regular file at path, at most max_size bytes. When missing
// is given, a file that does not exist is no error: *missing becomes true and
// bytes empty. Errors are Japanese and name path.
Status read_regular_file(const std::string& path, std::size_t max_size, std::string& bytes,
                         bool* missing = nullptr);

// Replaces the file at path by bytes as described above, keeping the old
// file's permissions. Errors name path, not the temporary file, or shown_as
// when given (the file the user saves, when path is its backup).
Status replace_file(const std::string& path, std::string_view bytes,
                    const std::string& shown_as = {});

// True when something is at path (a file, a folder, a link, ...).
bool path_exists(const std::string& path);

}  // namespace vorlash
