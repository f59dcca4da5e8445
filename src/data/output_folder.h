// The folder that a writing command (export-data, export-gtfs, import-gtfs)
// fills. Such a command writes and replaces only the files it owns and never
// deletes anything: a folder holding something else is refused, unless it is
// the command's own source folder updated in place. The new files are all
// written under temporary names first and put in place only when every one
// of them is whole, so a failure half-way (a full disk) leaves the old set as
// it was. The folder itself, and so its mode, stays.
#pragma once

#include <map>
#include <set>
#include <string>

#include "base/status.h"

namespace vorlash {

struct OutputFolder {
  std::string dir;
  std::set<std::string> owned;  // every name the command writes there
  bool in_place = false;        // dir is the command's source: other entries stay
};

// The output folder of export-data: the files of a source folder.
OutputFolder data_source_output(const std::string& dir);

// Refuses dir when it is something other than a folder, or holds an entry
// the command does not own (unless in_place); the message names the folder
// and the first such entry. A missing folder is fine.
Status check_output_folder(const OutputFolder& out);

// check_output_folder, then creates dir when missing and replaces the named
// files by files (name -> bytes) as a set, as described above.
Status write_output_folder(const OutputFolder& out,
                           const std::map<std::string, std::string>& files);

}  // namespace vorlash
