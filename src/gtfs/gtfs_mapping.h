// The mapping file that tells the feed importer how a transit feed becomes
// the timetable parts of a source folder: which routes are the Shinkansen
// line and which the Keiyo line, the station rows per direction, how services
// map to operating-day codes and Keiyo tables, and how a trip gives its train
// code and vehicle type. Tab-separated UTF-8, one keyword per line; a line
// or a field starting with '#' starts a comment (docs/gtfs.md).
#pragma once

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/status.h"
#include "data/app_state.h"

namespace vorlash {

inline constexpr char kGtfsMappingFile[] = "vorlash-mapping.tsv";

struct MappedRow {
  bool given = false;
  std::string stop_id;  // empty: a row without a station name
  int kind = 0;         // 0 single, 1 arrival, 2 departure
  int line = 0;
};

struct MappedTrip {
  std::string code;
  std::string vehicle;
  int line = 0;
};

struct GtfsMapping {
  int edition = 0;        // 0 = take it from the base folder
  int station_count = 0;  // 0 = the highest row given
  std::vector<std::string> shinkansen_routes;
  std::string keiyo_route;               // empty: the Keiyo tables come from the base folder
  std::map<std::string, int> direction;  // direction_id -> 1 down, 2 up
  std::array<std::array<MappedRow, kMaxRows + 1>, 3> rows{};
  std::map<std::string, int> service_days;                // service_id -> operating-day code
  std::vector<std::pair<char, std::string>> train_names;  // code letter, name
  std::map<std::string, MappedTrip> trips;                // trip_id -> code, vehicle
  // (service_id, direction_id) -> Keiyo table 1..4.
  std::map<std::pair<std::string, std::string>, int> keiyo_tables;
  std::array<int, kKeiyoTables + 1> keiyo_count{};  // 0 = the highest position given
  std::array<std::array<std::string, kMaxKeiyoPositions + 1>, kKeiyoTables + 1> keiyo_stop{};
};

// Parses a mapping; name is the file's name for messages. Every problem is
// reported with its line.
Status parse_gtfs_mapping(std::string_view text, const std::string& name, GtfsMapping& mapping);

// The mapping in the form parse_gtfs_mapping reads; station lines end with
// the stop's name from stop_names as a comment.
std::string format_gtfs_mapping(const GtfsMapping& mapping,
                                const std::map<std::string, std::string>& stop_names = {});

// The train code that a trip's short name gives under the mapping's names:
// "のぞみ００１" or "のぞみ1号" under (N, のぞみ) gives "N1". A name that
// no rule matches is taken as the code itself.
std::string code_from_short_name(const GtfsMapping& mapping, std::string_view short_name);

}  // namespace vorlash
