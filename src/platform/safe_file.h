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
// file is untouched. A symlink to a regular file is written through to its
// target and stays; a dangling symlink is refused, so that no save creates a
// file outside the folder.
//
// Companion files (backups, temporary files, the lock) bear names the
// program chose: they are created exclusively and never written through a
// symlink or a hard link planted under such a name.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "base/status.h"

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

// Replaces the program's own companion file at path (a backup of original)
// like replace_file, but refuses a symlink or a hard-linked file at path
// instead of writing through it, and gives the new file the permissions of
// original, so that a backup is no more readable than what it copies.
// Errors name shown_as.
Status replace_companion_file(const std::string& path, std::string_view bytes,
                              const std::string& original, const std::string& shown_as);

// A file written whole and synced under a temporary name beside the file it
// is to replace, not yet in place. Several staged files are put in place
// together only once every one of them was written (a folder of files that
// is replaced as a set).
struct StagedFile {
  std::string target;  // the file it replaces
  std::string temp;    // its temporary name; empty once put in place or discarded
  std::string shown;   // the name errors give
  bool had_old = false;
};

// Writes bytes for path under a temporary name (the first half of
// replace_file), to be renamed over path itself: a symlink at path is
// replaced, not written through (a folder of files that a command owns).
// Errors name path.
Status stage_file(const std::string& path, std::string_view bytes, StagedFile& staged);
// Renames the staged file over its target and syncs the folder.
Status commit_staged(StagedFile& staged);
// Removes a staged file that will not be put in place.
void discard_staged(StagedFile& staged);

// Removes what a crashed save left in folder: files named like the program's
// temporary files ("<name>.<8 letters or digits>.tmp"), regular, owned by
// this user and older than a minute (a save in progress is younger); when
// only_for is given, only those whose <name> it accepts. Returns how many
// were removed.
int remove_stale_temporaries(const std::string& folder,
                             const std::function<bool(std::string_view)>& only_for = {});
// The <name> of such a temporary file's name, or "" when name has not that
// shape.
std::string_view temporary_of(std::string_view name);

// True when something is at path (a file, a folder, a link, ...).
bool path_exists(const std::string& path);

}  // namespace vorlash
