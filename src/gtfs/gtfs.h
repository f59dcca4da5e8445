// Transit feeds (GTFS) in and out of the data compiler.
//
// export_gtfs writes the Shinkansen and Keiyo timetables of a source model as
// a feed plus the mapping that imports it again; import_gtfs reads a feed
// under a mapping into the timetable parts of a source model whose other
// parts come from a base folder. Errors name the feed file, line and field.
#pragma once

#include <map>
#include <string>

#include "base/status.h"
#include "data/data_source.h"
#include "data/output_folder.h"
#include "gtfs/gtfs_mapping.h"

namespace vorlash {

// Feed file name -> its bytes.
using FeedTexts = std::map<std::string, std::string>;

// Reads the feed files of a folder or a .zip archive.
Status read_feed_texts(const std::string& path, FeedTexts& texts);

struct GtfsExportInfo {
  std::string date;  // "YYYY/MM/DD": the DataFile's date, first day of the calendar
};

// The feed files of a model's timetables, and the mapping (kGtfsMappingFile)
// that imports them back into the same sources.
Status export_gtfs(const DataSource& source, const GtfsExportInfo& info, FeedTexts& files);

// Reads a DataFile and writes its feed and mapping into dir, the output
// folder gtfs_export_output describes.
Status export_gtfs_file(const std::string& data_file, const std::string& dir);

// The output folder of export-gtfs: the feed files and the mapping.
OutputFolder gtfs_export_output(const std::string& dir);

// Replaces the timetable parts of source (the station lists, the trains and
// the Shinkansen row count) by those of the feed under the mapping; a line
// that the mapping does not name keeps its tables. The result is checked as
// the compiler checks a source folder.
Status import_gtfs(const FeedTexts& feed, const GtfsMapping& mapping, DataSource& source);

// The output folder of import-gtfs: the source files, and the base folder's
// other regular files that are copied beside them; the base folder itself is
// updated in place (its other entries stay).
Status gtfs_import_output(const std::string& out_dir, const std::string& base_dir,
                          OutputFolder& out);

// import-gtfs: reads the feed, the mapping and the base folder (when given),
// and writes the source files into out_dir as a set, or nothing. The base
// folder's other files (settings, user hotels) are copied beside the
// sources.
Status import_gtfs_folder(const std::string& feed_path, const std::string& mapping_path,
                          const std::string& out_dir, const std::string& base_dir);

}  // namespace vorlash
