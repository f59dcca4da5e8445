// Importing a small hand-made feed: two services and a weekday-only one, a
// trip past midnight, stops in a shuffled stop_sequence order, a waiting
// station, a quoted name with a comma, a bus route that is not carried; and
// the errors a feed can raise, each naming its file, line and field.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "data/data_compiler.h"
#include "gtfs/gtfs.h"
#include "gtfs/gtfs_mapping.h"
#include "gtfs_test_support.h"

namespace vorlash {
namespace {

namespace fs = std::filesystem;
using testing::GtfsTempDir;

std::string const kMiniDir = std::string(VORLASH_SOURCE_DIR) + "/tests/data/mini_edition";

FeedTexts small_feed() {
  return {
      {"agency.txt",
       "agency_id,agency_name,agency_url,agency_timezone\n"
       "A,\"東日本鉄道, 京葉\",https://example.invalid/,Asia/Tokyo\n"},
      {"routes.txt",
       "route_id,agency_id,route_short_name,route_long_name,route_type\n"
       "TKD,A,,東海道新幹線,2\n"
       "KY,A,,京葉線,2\n"
       "BUS,A,1,バス,3\n"},
      {"stops.txt",  // lines 2..7
       "stop_id,stop_name,stop_lat,stop_lon\r\n"
       "TYO,東京,35.68,139.77\r\n"
       "SYH,新横浜,35.51,139.62\r\n"
       "ODW,小田原,35.26,139.16\r\n"
       "KTYO,東京,35.68,139.76\r\n"
       "SKB,新木場,35.65,139.83\r\n"
       "SOG,\"蘇我, 千葉市\",35.58,140.13\r\n"},
      {"calendar.txt",
       "service_id,monday,tuesday,wednesday,thursday,friday,saturday,sunday,start_date,end_date\n"
       "DAILY,1,1,1,1,1,1,1,20000311,20010310\n"
       "WK,1,1,1,1,1,0,0,20000311,20010310\n"},
      {"calendar_dates.txt",
       "service_id,date,exception_type\n"
       "SH,20000311,1\n"},
      {"trips.txt",  // lines 2..8
       "route_id,service_id,trip_id,trip_short_name,direction_id\n"
       "TKD,DAILY,t1,のぞみ1号,0\n"
       "TKD,WK,t2,ひかり２０１号,0\n"
       "TKD,DAILY,t3,こだま401号,0\n"
       "TKD,DAILY,t4,のぞみ2号,1\n"
       "KY,WK,k1,503A,0\n"
       "KY,SH,k2,2301M,0\n"
       "BUS,WK,b1,1,0\n"},
      {"stop_times.txt",  // lines 2..19
       "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n"
       "t1,06:40:00,06:40:00,ODW,30\n"
       "t1,06:00:00,06:00:00,TYO,10\n"
       "t1,06:16:00,06:17:00,SYH,20\n"
       "t2,06:20:00,06:20:00,SYH,1\n"
       "t2,06:45:00,06:45:00,ODW,2\n"
       "t3,23:30:00,23:30:00,TYO,1\n"
       "t3,23:48:00,23:50:00,SYH,2\n"
       "t3,24:12:00,24:12:00,ODW,3\n"
       "t4,7:00:00,7:00:00,ODW,1\n"
       "t4,07:20:00,07:20:00,SYH,2\n"
       "k1,06:02:00,06:02:00,KTYO,1\n"
       "k1,06:13:00,06:13:00,SKB,2\n"
       "k1,06:40:00,06:40:00,SOG,3\n"
       "k2,23:50:00,23:50:00,KTYO,1\n"
       "k2,24:02:00,,SKB,2\n"
       "b1,08:00:00,08:00:00,TYO,1\n"
       "b1,08:30:00,08:30:00,ODW,2\n"},
  };
}

constexpr char kMapping[] =
    "# The small feed: a Tokaido route and the Keiyo line.\n"
    "shinkansen_route\tTKD\n"
    "direction\t0\t1\n"
    "direction\t1\t2\n"
    "station\t1\t1\tTYO\t0\n"
    "station\t1\t2\tSYH\t1\n"
    "station\t1\t3\tSYH\t2\n"
    "station\t1\t4\tODW\t0\n"
    "station\t2\t1\tODW\t0\n"
    "station\t2\t2\tSYH\t1\n"
    "station\t2\t3\tSYH\t2\n"
    "station\t2\t4\tTYO\t0\n"
    "service\tDAILY\t0\n"
    "service\tWK\t11\n"
    "train_name\tN\tのぞみ\n"
    "train_name\tH\tひかり\n"
    "train_name\tK\tこだま\n"
    "trip\tt1\tN1\tN7\n"
    "keiyo_route\tKY\n"
    "keiyo_table\t1\tWK\t0\n"
    "keiyo_table\t3\tSH\t0\n"
    "keiyo_station\t1\t1\tKTYO\n"
    "keiyo_station\t1\t2\tSKB\n"
    "keiyo_station\t1\t3\tSOG\n"
    "keiyo_station\t3\t1\tKTYO\n"
    "keiyo_station\t3\t2\tSKB\n"
    "keiyo_station\t3\t3\tSOG\n";

GtfsMapping mapping(const std::string& text = kMapping) {
  GtfsMapping m;
  EXPECT_TRUE(parse_gtfs_mapping(text, kGtfsMappingFile, m).ok());
  return m;
}

std::unique_ptr<DataSource> mini_source() {
  auto source = std::make_unique<DataSource>();
  SourceTexts texts;
  EXPECT_TRUE(read_source_texts(kMiniDir, texts).ok());
  EXPECT_TRUE(parse_data_source(texts, *source).ok());
  return source;
}

std::string const kEmpty9 = "\t\t\t\t\t\t\t\t\t";

TEST(GtfsImport, SmallFeedGivesTheExpectedSources) {
  auto source = mini_source();
  Status const imported = import_gtfs(small_feed(), mapping(), *source);
  ASSERT_TRUE(imported.ok()) << imported.error;
  SourceTexts texts;
  ASSERT_TRUE(format_data_source(*source, texts).ok());

  EXPECT_EQ(texts["shinkansen_1.tsv"],
            "code\tdays\tvehicle\tr1\tr2\tr3\tr4\n"
            "N1\t0\tN7\t6:00\t6:16\t6:17\t6:40\n"
            "H201\t11\t\t\t\t6:20\t6:45\n"
            "K401\t0\t\t23:30\t23:48\t23:50\t24:12\n");
  // An up train that ends at the waiting station has its arrival row only.
  EXPECT_EQ(texts["shinkansen_2.tsv"],
            "code\tdays\tvehicle\tr1\tr2\tr3\tr4\n"
            "N2\t0\t\t7:00\t7:20\t\t\n");
  EXPECT_EQ(texts["keiyo_1.tsv"].substr(texts["keiyo_1.tsv"].find('\n') + 1),
            "503A\t6:02\t6:13\t6:40" + kEmpty9 + "\n");
  EXPECT_EQ(texts["keiyo_3.tsv"].substr(texts["keiyo_3.tsv"].find('\n') + 1),
            "2301M\t23:50\t24:02\t" + kEmpty9 + "\n");
  EXPECT_TRUE(source->keiyo[2].trains.empty());
  EXPECT_EQ(source->keiyo[1].station_count, 3);
  EXPECT_EQ(source->keiyo[1].station[3], "蘇我, 千葉市");
  EXPECT_EQ(source->keiyo[2].station_count, 0);  // not mapped: no stations
  EXPECT_EQ(source->station_count, 4);
  EXPECT_EQ(source->stations[2][3].name, "新横浜");
  EXPECT_EQ(source->stations[2][3].kind, 2);
  // Everything else is the base's.
  EXPECT_EQ(source->hotels.size(), mini_source()->hotels.size());
}

// Replaces the first occurrence of `from` in one file of the feed.
struct Damage {
  const char* file;
  const char* from;
  const char* to;
  const char* error;  // expected part of the message
};

TEST(GtfsImport, ErrorsNameFileLineAndField) {
  Damage const cases[] = {
      {"stop_times.txt", "t1,06:40:00,06:40:00,ODW", "t1,06:40:00,06:40:00,XXX",
       "stop_times.txt:2: stop_id \"XXX\": この停留所は stops.txt にありません"},
      {"trips.txt", "TKD,WK,t2", "TKD,NOPE,t2",
       "trips.txt:3: service_id \"NOPE\": この運行日は calendar.txt にも"},
      {"trips.txt", "TKD,DAILY,t3", "TKD,SH,t3",
       "trips.txt:4: service_id \"SH\": 対応表にこの運行日の運転日コードがありません"},
      {"trips.txt", "KY,SH,k2,2301M,0", "KY,SH,k2,2301M,1",
       "trips.txt:7: service_id \"SH\": 対応表に、この運行日と direction_id \"1\" の京葉線の表がありません"},
      {"stop_times.txt", "t1,06:40:00,06:40:00", "t1,06:10:00,06:10:00",
       "stop_times.txt:2: arrival_time: 前の停留所の発車より前です"},
      {"stop_times.txt", "06:16:00,06:17:00", "06:17:00,06:16:00",
       "stop_times.txt:4: departure_time \"06:16:00\": 到着より前です"},
      {"stop_times.txt", "t2,06:20:00,06:20:00,SYH", "t2,06:20:30,06:20:30,SYH",
       "stop_times.txt:5: arrival_time \"06:20:30\": 秒があります"},
      {"stop_times.txt", "t3,24:12:00,24:12:00", "t3,48:12:00,48:12:00",
       "stop_times.txt:9: arrival_time \"48:12:00\": 47:59 を過ぎています"},
      {"stop_times.txt", "t4,7:00:00,7:00:00,ODW", "t4,7:00:00,7:00:00,TYO",
       "stop_times.txt:11: stop_id \"SYH\": direction 2 の駅の並びで"},
      {"stop_times.txt", "k1,06:40:00,06:40:00,SOG,3", "k1,06:40:00,06:40:00,SOG,2",
       "stop_times.txt:14: stop_sequence 2: 一つの便の中で二度あります"},
      {"stops.txt", "ODW,小田原", "ODW,小田原\xF0\x9F\x98\x80",
       "stops.txt:4: stop_name \"小田原\xF0\x9F\x98\x80\": Shift-JIS で表せない名前です"},
      {"stops.txt", "千葉市\"", "千葉市", "stops.txt:7: 引用符で始まる欄が"},
      {"trips.txt", "KY,WK,k1,503A", "KY,WK,k1,X503", "trips.txt:6: trip_short_name \"X503\""},
      {"trips.txt", "TKD,DAILY,t3,こだま401号", "TKD,DAILY,t3,こだま40001号",
       "trips.txt:4: trip_short_name \"こだま40001号\": 列車コード \"K40001\" になりますが"},
      {"trips.txt", "t4", "t1", "trips.txt:5: trip_id \"t1\": この便が二度あります"},
  };
  for (auto const& c : cases) {
    FeedTexts feed = small_feed();
    std::string& text = feed[c.file];
    std::size_t const at = text.find(c.from);
    ASSERT_NE(at, std::string::npos) << c.from;
    text.replace(at, std::strlen(c.from), c.to);
    auto source = mini_source();
    Status const imported = import_gtfs(feed, mapping(), *source);
    EXPECT_NE(imported.error.find(c.error), std::string::npos)
        << "expected: " << c.error << "\n got: " << imported.error;
  }
}

TEST(GtfsImport, LimitsOfTheDataFile) {
  FeedTexts feed = small_feed();
  for (int i = 0; i < kMaxTrains; ++i)
    feed["trips.txt"] += "TKD,DAILY,x" + std::to_string(i) + ",のぞみ" + std::to_string(i) + ",0\n";
  auto source = mini_source();
  Status const too_many = import_gtfs(feed, mapping(), *source);
  EXPECT_NE(too_many.error.find("trips.txt:256: trip_id \"x247\": DataFile の direction 1 に入る列車は 250 本までです"),
            std::string::npos)
      << too_many.error;

  GtfsMapping m;
  Status const row = parse_gtfs_mapping("station\t1\t51\tTYO\t0\n", "m.tsv", m);
  EXPECT_NE(row.error.find("m.tsv:1: 方向は 1 か 2、行は 1～50 です"),
            std::string::npos)
      << row.error;
  Status const position = parse_gtfs_mapping("keiyo_station\t1\t16\tKTYO\n", "m.tsv", m);
  EXPECT_NE(position.error.find("m.tsv:1:"), std::string::npos) << position.error;
}

TEST(GtfsImport, FolderIsWrittenWholeOrNotAtAll) {
  GtfsTempDir dir;
  testing::write_files(dir.path("feed"), small_feed());
  testing::write_files(dir.path("feed"), {{"mapping.tsv", kMapping}});
  std::string const out = dir.path("out");
  // A folder holding something the import does not write is refused whole.
  testing::write_files(out, {{"old.txt", "old"}});
  Status const refused =
      import_gtfs_folder(dir.path("feed"), dir.path("feed/mapping.tsv"), out, kMiniDir);
  EXPECT_NE(refused.error.find("「old.txt」"), std::string::npos) << refused.error;
  EXPECT_TRUE(fs::exists(out + "/old.txt"));
  fs::remove(out + "/old.txt");

  FeedTexts broken = small_feed();
  broken["stop_times.txt"] += "t1,25:00:00,25:00:00,NOWHERE,40\n";
  testing::write_files(dir.path("broken"), broken);
  Status const failed =
      import_gtfs_folder(dir.path("broken"), dir.path("feed/mapping.tsv"), out, kMiniDir);
  EXPECT_NE(failed.error.find("NOWHERE"), std::string::npos) << failed.error;
  EXPECT_TRUE(fs::is_empty(out));

  Status const done =
      import_gtfs_folder(dir.path("feed"), dir.path("feed/mapping.tsv"), out, kMiniDir);
  ASSERT_TRUE(done.ok()) << done.error;
  std::string bytes;
  Status const compiled = compile_data_folder(out, bytes);
  EXPECT_TRUE(compiled.ok()) << compiled.error;

  Status const no_edition =
      import_gtfs_folder(dir.path("feed"), dir.path("feed/mapping.tsv"), out, "");
  EXPECT_NE(no_edition.error.find("版（edition）"), std::string::npos) << no_edition.error;
}

}  // namespace
}  // namespace vorlash
