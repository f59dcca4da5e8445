// The feed and source folders of import-gtfs: reading a feed from a folder or
// a .zip archive, and writing the imported source folder whole or not at all.
#include <filesystem>
#include <memory>
#include <vector>

#include "data/data_compiler.h"
#include "data/file_io.h"
#include "data/output_folder.h"
#include "data/output_folder_texts.h"
#include "gtfs/gtfs.h"
#include "gtfs/gtfs_texts.h"
#include "gtfs/gtfs_zip.h"
#include "platform/native_path.h"
#include "platform/system_error.h"

namespace vorlash {

namespace {

namespace fs = std::filesystem;

// The feed files the importer reads; others in the folder are ignored.
constexpr const char* kFeedFiles[] = {"agency.txt",         "stops.txt",      "routes.txt",
                                      "trips.txt",          "stop_times.txt", "calendar.txt",
                                      "calendar_dates.txt", "feed_info.txt"};

bool is_feed_file(const std::string& name) {
  for (auto const* f : kFeedFiles) {
    if (name == f) return true;
  }
  return false;
}

// The names of the base folder's regular files (its subfolders are not
// carried over).
Status base_file_names(const std::string& base_dir, std::vector<std::string>& names) {
  std::error_code ec;
  fs::directory_iterator entries(native_path(base_dir), ec);
  if (ec)
    return read_failure(std::string(output_text::kFromBase) + base_dir,
                        filesystem_reason(ec, FileAccess::read));
  for (auto const& entry : entries) {
    std::error_code entry_ec;
    if (entry.is_regular_file(entry_ec)) names.push_back(utf8_path(entry.path().filename()));
  }
  return Status::success();
}

// The base folder's files other than the sources, which import-gtfs copies
// beside the sources it writes (settings, user hotels), added to files.
Status add_base_companions(const std::string& base_dir, SourceTexts& files) {
  std::vector<std::string> names;
  if (Status const listed = base_file_names(base_dir, names); !listed) return listed;
  for (auto const& name : names) {
    if (files.count(name)) continue;
    std::string const path = utf8_path(native_path(base_dir) / native_path(name));
    if (Status const read = read_file_bytes(path, files[name]); !read)
      return Status::failure(std::string(output_text::kFromBase) + read.error);
  }
  return Status::success();
}

bool same_folder(const std::string& a, const std::string& b) {
  std::error_code ec;
  return !a.empty() && !b.empty() && fs::equivalent(native_path(a), native_path(b), ec);
}

}  // namespace

Status read_feed_texts(const std::string& path, FeedTexts& texts) {
  texts.clear();
  std::error_code ec;
  auto const status = fs::status(native_path(path), ec);
  if (fs::is_directory(status)) {
    for (auto const* name : kFeedFiles) {
      fs::path const file = native_path(path) / name;
      if (!fs::exists(file, ec)) continue;
      if (Status const read = read_file_bytes(utf8_path(file), texts[name]); !read) return read;
    }
    return Status::success();
  }
  if (!fs::is_regular_file(status)) return read_failure(path, gtfs_text::kNotFeed);
  std::string archive;
  if (Status const read = read_file_bytes(path, archive); !read) return read;
  std::map<std::string, std::string> files;
  if (Status const unpacked = read_zip_files(archive, path, files); !unpacked) return unpacked;
  for (auto& [name, bytes] : files) {
    if (is_feed_file(name)) texts[name] = std::move(bytes);
  }
  return Status::success();
}

Status import_gtfs_folder(const std::string& feed_path, const std::string& mapping_path,
                          const std::string& out_dir, const std::string& base_dir) {
  std::string mapping_text;
  if (Status const read = read_file_bytes(mapping_path, mapping_text); !read) return read;
  GtfsMapping mapping;
  std::string const mapping_name = utf8_path(native_path(mapping_path).filename());
  if (Status const parsed = parse_gtfs_mapping(mapping_text, mapping_name, mapping); !parsed)
    return parsed;
  FeedTexts feed;
  if (Status const read = read_feed_texts(feed_path, feed); !read) return read;

  auto source = std::make_unique<DataSource>();  // large: keep it off the stack
  if (!base_dir.empty()) {
    SourceTexts base;
    std::string const from_base = std::string(output_text::kFromBase) + base_dir + ":\n";
    if (Status const read = read_source_texts(base_dir, base); !read)
      return Status::failure(from_base + read.error);
    if (Status const parsed = parse_data_source(base, *source); !parsed)
      return Status::failure(from_base + parsed.error);
  } else if (mapping.edition == 0) {
    return read_failure(mapping_path, gtfs_text::kEditionNeeded);
  }
  if (Status const imported = import_gtfs(feed, mapping, *source); !imported) return imported;
  SourceTexts texts;
  if (Status const formatted = format_data_source(*source, texts); !formatted) return formatted;
  OutputFolder out;
  if (Status const listed = gtfs_import_output(out_dir, base_dir, out); !listed) return listed;
  if (!base_dir.empty() && !out.in_place) {
    if (Status const copied = add_base_companions(base_dir, texts); !copied) return copied;
  }
  return write_output_folder(out, texts);
}

Status gtfs_import_output(const std::string& out_dir, const std::string& base_dir,
                          OutputFolder& out) {
  out = data_source_output(out_dir);
  out.in_place = same_folder(out_dir, base_dir);
  if (base_dir.empty() || out.in_place) return Status::success();
  std::vector<std::string> names;
  if (Status const listed = base_file_names(base_dir, names); !listed) return listed;
  out.owned.insert(names.begin(), names.end());
  return Status::success();
}

OutputFolder gtfs_export_output(const std::string& dir) {
  return OutputFolder{dir,
                      {"agency.txt", "stops.txt", "routes.txt", "trips.txt", "stop_times.txt",
                       "calendar.txt", "feed_info.txt", kGtfsMappingFile},
                      false};
}

}  // namespace vorlash
