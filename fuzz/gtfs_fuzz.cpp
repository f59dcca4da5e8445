// Feeds arbitrary bytes to the transit feed readers. The input is a mapping
// and the feed files separated by NUL bytes (mapping, stops.txt, routes.txt,
// trips.txt, stop_times.txt, calendar.txt, calendar_dates.txt), or a .zip
// archive when it starts with "PK". Whatever the bytes, the readers must
// return a status without crashing; a table that parses must write and parse
// back to the same rows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "gtfs/gtfs.h"
#include "gtfs/gtfs_csv.h"
#include "gtfs/gtfs_zip.h"

namespace {

constexpr const char* kParts[] = {"stops.txt",      "routes.txt",   "trips.txt",
                                  "stop_times.txt", "calendar.txt", "calendar_dates.txt"};

void check_csv_round_trip(const std::string& text, const std::string& name) {
  vorlash::CsvTable table;
  if (!vorlash::parse_csv(text, name, table)) return;
  std::string written = vorlash::format_csv_row(table.header);
  for (auto const& row : table.rows) written += vorlash::format_csv_row(row.fields);
  vorlash::CsvTable again;
  if (!vorlash::parse_csv(written, name, again)) std::abort();
  if (again.rows.size() != table.rows.size()) std::abort();
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    if (again.rows[i].fields != table.rows[i].fields) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (bytes.starts_with("PK")) {
    std::map<std::string, std::string> files;
    if (vorlash::read_zip_files(bytes, "feed.zip", files)) {
      for (auto const& [name, text] : files) check_csv_round_trip(text, name);
    }
    return 0;
  }
  std::string mapping_text;
  vorlash::FeedTexts feed;
  for (int part = -1; part < static_cast<int>(std::size(kParts)); ++part) {
    std::size_t const nul = bytes.find('\0');
    std::string const text(bytes.substr(0, nul));
    bytes.remove_prefix(nul == std::string_view::npos ? bytes.size() : nul + 1);
    if (part < 0) {
      mapping_text = text;
    } else {
      feed[kParts[part]] = text;
      check_csv_round_trip(text, kParts[part]);
    }
  }
  vorlash::GtfsMapping mapping;
  if (!vorlash::parse_gtfs_mapping(mapping_text, "mapping.tsv", mapping)) return 0;
  auto source = std::make_unique<vorlash::DataSource>();
  source->edition = 1;
  (void)vorlash::import_gtfs(feed, mapping, *source);
  return 0;
}
