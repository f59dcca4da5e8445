// Each sample Edition's DataFile exported as a feed: the feed keeps the rules
// that GTFS readers rely on, and importing it with its own mapping over the
// sample sources compiles into the same DataFile byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "data/data_compiler.h"
#include "data/file_io.h"
#include "gtfs/gtfs.h"
#include "gtfs/gtfs_csv.h"
#include "gtfs_test_support.h"

namespace vorlash {
namespace {

namespace fs = std::filesystem;

// The build writes build/bin (Edition 1), build/edition2 and build/edition3.
std::string sample_data_file(int edition) {
  fs::path const bin(VORLASH_SAMPLE_DIR);
  fs::path const dir =
      edition == 1 ? bin : bin.parent_path() / ("edition" + std::to_string(edition));
  return (dir / "vorlashj.dat").string();
}

std::string sample_sources(int edition) {
  return std::string(VORLASH_SOURCE_DIR) + "/data/edition" + std::to_string(edition);
}

class GtfsEditions : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    if (!fs::exists(sample_data_file(GetParam())))
      FAIL() << "missing file: " << sample_data_file(GetParam());
    Status const exported = export_gtfs_file(sample_data_file(GetParam()), dir_.path("feed"));
    ASSERT_TRUE(exported.ok()) << exported.error;
  }
  testing::GtfsTempDir dir_;
};

TEST_P(GtfsEditions, ImportGivesTheSameDataFile) {
  Status const imported =
      import_gtfs_folder(dir_.path("feed"), dir_.path("feed/" + std::string(kGtfsMappingFile)),
                         dir_.path("src"), sample_sources(GetParam()));
  ASSERT_TRUE(imported.ok()) << imported.error;
  std::string rebuilt;
  std::string original;
  Status const compiled = compile_data_folder(dir_.path("src"), rebuilt);
  ASSERT_TRUE(compiled.ok()) << compiled.error;
  ASSERT_TRUE(read_file_bytes(sample_data_file(GetParam()), original).ok());
  EXPECT_TRUE(rebuilt == original) << "the rebuilt DataFile differs";
}

// docs/gtfs/ shows the mapping that each sample Edition exports.
TEST_P(GtfsEditions, MappingMatchesTheDocumentedOne) {
  std::string exported;
  std::string documented;
  ASSERT_TRUE(read_file_bytes(dir_.path("feed/" + std::string(kGtfsMappingFile)), exported).ok());
  ASSERT_TRUE(read_file_bytes(std::string(VORLASH_SOURCE_DIR) + "/docs/gtfs/edition" +
                                  std::to_string(GetParam()) + "-mapping.tsv",
                              documented)
                  .ok());
  EXPECT_TRUE(exported == documented) << "docs/gtfs/ is stale: export the sample again";
}

// Rows of a feed table keyed by a column.
std::map<std::string, std::vector<std::string>> by_key(const CsvTable& t, const std::string& key) {
  std::map<std::string, std::vector<std::string>> rows;
  for (auto const& row : t.rows) {
    CsvFields const f(t, row);
    EXPECT_TRUE(rows.emplace(f.get(key), row.fields).second) << f.where(key) << " twice";
  }
  return rows;
}

int seconds(const std::string& time) {
  int h = 0, m = 0, s = 0;
  EXPECT_EQ(std::sscanf(time.c_str(), "%d:%d:%d", &h, &m, &s), 3) << time;
  EXPECT_EQ(time.size(), 8u) << time;  // HH:MM:SS
  return h * 3600 + m * 60 + s;
}

TEST_P(GtfsEditions, FeedKeepsTheRules) {
  FeedTexts feed;
  ASSERT_TRUE(read_feed_texts(dir_.path("feed"), feed).ok());
  std::map<std::string, std::vector<std::string>> const required = {
      {"agency.txt", {"agency_name", "agency_url", "agency_timezone"}},
      {"stops.txt", {"stop_id", "stop_name"}},
      {"routes.txt", {"route_id", "route_long_name", "route_type"}},
      {"trips.txt", {"route_id", "service_id", "trip_id", "direction_id"}},
      {"stop_times.txt", {"trip_id", "arrival_time", "departure_time", "stop_id", "stop_sequence"}},
      {"calendar.txt",
       {"service_id", "monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday",
        "start_date", "end_date"}},
      {"feed_info.txt", {"feed_publisher_name", "feed_publisher_url", "feed_lang"}},
  };
  std::map<std::string, CsvTable> tables;
  for (auto const& [file, columns] : required) {
    ASSERT_TRUE(feed.count(file)) << file;
    ASSERT_TRUE(parse_csv(feed[file], file, tables[file]).ok()) << file;
    for (auto const& row : tables[file].rows) {
      CsvFields const f(tables[file], row);
      for (auto const& column : columns) EXPECT_FALSE(f.get(column).empty()) << f.where(column);
    }
  }
  auto const agencies = by_key(tables["agency.txt"], "agency_id");
  auto const stops = by_key(tables["stops.txt"], "stop_id");
  auto const routes = by_key(tables["routes.txt"], "route_id");
  auto const trips = by_key(tables["trips.txt"], "trip_id");
  auto const services = by_key(tables["calendar.txt"], "service_id");
  for (auto const& row : tables["routes.txt"].rows)
    EXPECT_TRUE(agencies.count(CsvFields(tables["routes.txt"], row).get("agency_id")));
  for (auto const& row : tables["trips.txt"].rows) {
    CsvFields const f(tables["trips.txt"], row);
    EXPECT_TRUE(routes.count(f.get("route_id"))) << f.where("route_id");
    EXPECT_TRUE(services.count(f.get("service_id"))) << f.where("service_id");
  }
  // Along each trip: stop_sequence increases, times never go back.
  std::map<std::string, std::pair<int, int>> last;  // trip -> sequence, departure
  std::set<std::string> with_stops;
  for (auto const& row : tables["stop_times.txt"].rows) {
    CsvFields const f(tables["stop_times.txt"], row);
    std::string const& trip = f.get("trip_id");
    EXPECT_TRUE(trips.count(trip)) << f.where("trip_id");
    EXPECT_TRUE(stops.count(f.get("stop_id"))) << f.where("stop_id");
    int const sequence = std::stoi(f.get("stop_sequence"));
    int const arrival = seconds(f.get("arrival_time"));
    int const departure = seconds(f.get("departure_time"));
    EXPECT_LE(arrival, departure) << f.where("departure_time");
    if (auto const before = last.find(trip); before != last.end()) {
      EXPECT_GT(sequence, before->second.first) << f.where("stop_sequence");
      EXPECT_GE(arrival, before->second.second) << f.where("arrival_time");
    }
    last[trip] = {sequence, departure};
    with_stops.insert(trip);
  }
  EXPECT_EQ(with_stops.size(), trips.size()) << "every trip has stop times";
}

INSTANTIATE_TEST_SUITE_P(Samples, GtfsEditions, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace vorlash
