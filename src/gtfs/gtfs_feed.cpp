// The feed and source folders of import-gtfs: reading a feed from a folder or
// a .zip archive, and writing the imported source folder whole or not at all.
#include <filesystem>
#include <memory>

#include "data/data_compiler.h"
#include "data/file_io.h"
#include "gtfs/gtfs.h"
#include "gtfs/gtfs_zip.h"

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

// Writes texts into a new folder beside out_dir, copies the base folder's
// other files there, then puts the folder in place of out_dir.
Status replace_folder(const SourceTexts& texts, const std::string& base_dir,
                      const std::string& out_dir) {
  fs::path out = fs::path(out_dir).lexically_normal();
  if (out.filename().empty()) out = out.parent_path();
  fs::path const temp = out.string() + ".import-tmp";
  fs::path const old = out.string() + ".import-old";
  std::error_code ec;
  fs::remove_all(temp, ec);
  auto fail = [&](const std::string& message) {
    std::error_code ignored;
    fs::remove_all(temp, ignored);
    return Status::failure(message);
  };
  if (Status const written = write_text_files(texts, temp.string()); !written)
    return fail(written.error);
  if (!base_dir.empty()) {
    for (auto const& entry : fs::directory_iterator(base_dir, ec)) {
      std::string const name = entry.path().filename().string();
      if (!entry.is_regular_file() || texts.count(name)) continue;
      fs::copy_file(entry.path(), temp / name, ec);
      if (ec) return fail(entry.path().string() + ": cannot copy (" + ec.message() + ")");
    }
    if (ec) return fail(base_dir + ": cannot list the folder (" + ec.message() + ")");
  }
  bool const had = fs::exists(out, ec);
  if (had) {
    if (!fs::is_directory(out, ec)) return fail(out.string() + ": exists and is not a folder");
    fs::remove_all(old, ec);
    fs::rename(out, old, ec);
    if (ec) return fail(out.string() + ": cannot move the old folder aside (" + ec.message() + ")");
  }
  fs::rename(temp, out, ec);
  if (ec) {
    std::error_code ignored;
    if (had) fs::rename(old, out, ignored);
    return fail(out.string() + ": cannot put the new folder in place (" + ec.message() + ")");
  }
  if (had) fs::remove_all(old, ec);
  return Status::success();
}

}  // namespace

Status read_feed_texts(const std::string& path, FeedTexts& texts) {
  texts.clear();
  std::error_code ec;
  auto const status = fs::status(path, ec);
  if (fs::is_directory(status)) {
    for (auto const* name : kFeedFiles) {
      fs::path const file = fs::path(path) / name;
      if (!fs::exists(file, ec)) continue;
      if (!fs::is_regular_file(file, ec)) return Status::failure(file.string() + ": not a file");
      if (Status const read = read_file_bytes(file.string(), texts[name]); !read) return read;
    }
    return Status::success();
  }
  if (!fs::is_regular_file(status))
    return Status::failure(path + ": neither a feed folder nor a .zip file");
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
  std::error_code ec;
  if (!fs::is_regular_file(mapping_path, ec))
    return Status::failure(mapping_path + ": the mapping is not a file");
  if (Status const read = read_file_bytes(mapping_path, mapping_text); !read) return read;
  GtfsMapping mapping;
  std::string const mapping_name = fs::path(mapping_path).filename().string();
  if (Status const parsed = parse_gtfs_mapping(mapping_text, mapping_name, mapping); !parsed)
    return parsed;
  FeedTexts feed;
  if (Status const read = read_feed_texts(feed_path, feed); !read) return read;

  auto source = std::make_unique<DataSource>();  // large: keep it off the stack
  if (!base_dir.empty()) {
    SourceTexts base;
    if (Status const read = read_source_texts(base_dir, base); !read) return read;
    if (Status const parsed = parse_data_source(base, *source); !parsed)
      return Status::failure(base_dir + ":\n" + parsed.error);
  } else if (mapping.edition == 0) {
    return Status::failure(mapping_name + ": without --base the mapping must give the edition");
  }
  if (Status const imported = import_gtfs(feed, mapping, *source); !imported) return imported;
  SourceTexts texts;
  if (Status const formatted = format_data_source(*source, texts); !formatted) return formatted;
  return replace_folder(texts, base_dir, out_dir);
}

}  // namespace vorlash
