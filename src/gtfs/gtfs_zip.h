// Reading the files of a .zip archive from memory: the central directory is
// walked with every offset and size checked against the archive, entries are
// stored or deflated, and each is checked against its CRC.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "base/status.h"

namespace vorlash {

// Largest entry the reader unpacks (a transit feed is far smaller).
inline constexpr std::size_t kMaxZipEntryBytes = 512u << 20;

// Unpacks the files at the top of the archive (entries in subfolders and
// folder entries are skipped). name is the archive's name for messages.
Status read_zip_files(std::string_view archive, const std::string& name,
                      std::map<std::string, std::string>& files);

}  // namespace vorlash
