// The feed's files: comma-separated tables (quotes, line breaks in quotes,
// CR LF, a byte order mark, the errors with their lines) and .zip archives
// (stored and deflated entries; damaged archives are refused, never read
// past their end).
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>

#include "gtfs/gtfs.h"
#include "gtfs/gtfs_csv.h"
#include "gtfs/gtfs_zip.h"
#include "gtfs_test_support.h"

namespace vorlash {
namespace {

TEST(GtfsCsv, ReadsFieldsAndLines) {
  struct Case {
    const char* text;
    std::vector<std::string> row;  // fields of the first data row
    int line;                      // its line
  };
  Case const cases[] = {
      {"a,b,c\n1,2,3\n", {"1", "2", "3"}, 2},
      {"\xEF\xBB\xBF"
       "a,b\r\n\r\nx,\"y, z\"\r\n",
       {"x", "y, z"},
       3},
      {"a,b\n\"say \"\"hi\"\"\",\n", {"say \"hi\"", ""}, 2},
      {"a,b\n\"two\nlines\",x\n", {"two\nlines", "x"}, 2},
      {"a, b ,c\n1\n", {"1", "", ""}, 2},  // short rows are padded
      {"a,b\n1,2", {"1", "2"}, 2},         // no line break at the end
      {"  \na,b\n1,2\n", {"1", "2"}, 3},   // a line of blanks before the header
  };
  for (auto const& c : cases) {
    CsvTable table;
    ASSERT_TRUE(parse_csv(c.text, "t.txt", table).ok()) << c.text;
    ASSERT_FALSE(table.rows.empty()) << c.text;
    EXPECT_EQ(table.rows[0].fields, c.row) << c.text;
    EXPECT_EQ(table.rows[0].line, c.line) << c.text;
  }
  CsvTable table;
  ASSERT_TRUE(parse_csv("a, b ,c\n", "t.txt", table).ok());
  EXPECT_EQ(table.column("b"), 1);  // blanks around column names do not count

  // The line of a row after a quoted line break.
  ASSERT_TRUE(parse_csv("a,b\n\"x\ny\",1\nz,2\n", "t.txt", table).ok());
  EXPECT_EQ(table.rows[1].line, 4);
}

TEST(GtfsCsv, RefusesBrokenTables) {
  std::pair<const char*, const char*> const cases[] = {
      {"a,b\n1,\"open\n2,3\n", "t.txt:2: 引用符で始まる欄がファイルの終わりまで閉じていません"},
      {"a,b\n\"x\"y,1\n", "t.txt:2: 1 番目の欄の閉じた引用符の後に文字があります"},
      {"a,b\n1,2\n1,2,3\n", "t.txt:3: 欄が 3 個あります（見出しは 2 個）"},
      {"\n\n", "t.txt: 見出しの行がありません"},
  };
  for (auto const& [text, error] : cases) {
    CsvTable table;
    Status const parsed = parse_csv(text, "t.txt", table);
    EXPECT_NE(parsed.error.find(error), std::string::npos) << text << "\n" << parsed.error;
  }
}

TEST(GtfsCsv, WrittenRowsReadBack) {
  std::vector<std::string> const fields = {"plain", "a,b", "say \"x\"", "two\nlines", " pad", ""};
  CsvTable table;
  ASSERT_TRUE(parse_csv(format_csv_row({"1", "2", "3", "4", "5", "6"}) + format_csv_row(fields),
                        "t.txt", table)
                  .ok());
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_EQ(table.rows[0].fields, fields);
  EXPECT_EQ(format_csv_row({"a", "b"}), "a,b\r\n");

  // A header whose first field begins with a byte-order mark (one that
  // followed a blank line) reads back as it was, not as the file's mark.
  ASSERT_TRUE(parse_csv("\xEF\xBB\xBF\n\xEF\xBB\xBFx\n", "t.txt", table).ok());
  CsvTable again;
  ASSERT_TRUE(parse_csv(format_csv_row(table.header), "t.txt", again).ok());
  EXPECT_EQ(again.header, table.header);
}

void put16(std::string& out, std::uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

// A .zip archive of the files, deflated or stored.
std::string make_zip(const FeedTexts& files, bool deflated) {
  std::string out;
  std::string directory;
  for (auto const& [name, data] : files) {
    std::string packed = data;
    if (deflated) {
      z_stream z{};
      deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
      packed.resize(deflateBound(&z, data.size()));
      z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
      z.avail_in = static_cast<uInt>(data.size());
      z.next_out = reinterpret_cast<Bytef*>(packed.data());
      z.avail_out = static_cast<uInt>(packed.size());
      deflate(&z, Z_FINISH);
      packed.resize(z.total_out);
      deflateEnd(&z);
    }
    std::uint32_t const crc = static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
    std::uint32_t const offset = static_cast<std::uint32_t>(out.size());
    auto header = [&](std::string& h) {
      put16(h, 20);
      put16(h, 0);
      put16(h, deflated ? 8 : 0);
      put32(h, 0);
      put32(h, crc);
      put32(h, static_cast<std::uint32_t>(packed.size()));
      put32(h, static_cast<std::uint32_t>(data.size()));
      put16(h, static_cast<std::uint32_t>(name.size()));
      put16(h, 0);
    };
    put32(out, 0x04034b50);
    header(out);
    out += name + packed;
    put32(directory, 0x02014b50);
    put16(directory, 20);
    header(directory);
    put16(directory, 0);
    put32(directory, 0);
    put32(directory, 0);
    put32(directory, offset);
    directory += name;
  }
  std::uint32_t const at = static_cast<std::uint32_t>(out.size());
  out += directory;
  put32(out, 0x06054b50);
  put32(out, 0);
  put16(out, static_cast<std::uint32_t>(files.size()));
  put16(out, static_cast<std::uint32_t>(files.size()));
  put32(out, static_cast<std::uint32_t>(directory.size()));
  put32(out, at);
  put16(out, 0);
  return out;
}

FeedTexts const kFiles = {{"stops.txt", "stop_id,stop_name\nA,東京\n"},
                          {"trips.txt", std::string(3000, 'x')},
                          {"folder/", ""}};

TEST(GtfsZip, ReadsStoredAndDeflatedEntries) {
  for (bool const deflated : {false, true}) {
    std::map<std::string, std::string> files;
    Status const read = read_zip_files(make_zip(kFiles, deflated), "f.zip", files);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(files.size(), 2u);  // the folder entry is skipped
    EXPECT_EQ(files["stops.txt"], kFiles.at("stops.txt"));
    EXPECT_EQ(files["trips.txt"], kFiles.at("trips.txt"));
  }
}

TEST(GtfsZip, RefusesDamagedArchives) {
  std::string const good = make_zip(kFiles, true);
  std::size_t const end = good.size() - 22;
  struct Case {
    const char* what;
    std::size_t at;    // byte to change
    char value;        // its new value
    std::size_t keep;  // bytes kept (0 = all)
  };
  Case const cases[] = {
      {"no end record", 0, 0, 10},
      {"directory offset past the end", end + 19, '\x7F', 0},
      {"entry count too large", end + 10, '\x09', 0},
      {"damaged data", good.find("stops.txt") + 10, '\x55', 0},
      {"local header offset past the end", good.rfind("stops.txt") - 1, '\x7F', 0},
      {"cut inside the data", 0, 0, good.size() / 2},
  };
  for (auto const& c : cases) {
    std::string bytes = c.keep ? good.substr(0, c.keep) : good;
    if (!c.keep) bytes[c.at] = c.value;
    std::map<std::string, std::string> files;
    Status const read = read_zip_files(bytes, "f.zip", files);
    EXPECT_FALSE(read.ok()) << c.what;
    EXPECT_EQ(read.error.rfind("f.zip: ", 0), 0u) << read.error;
  }
}

TEST(GtfsFeed, ReadsAFolderOrAZip) {
  testing::GtfsTempDir dir;
  FeedTexts const feed = {{"stops.txt", "stop_id,stop_name\nA,東京\n"},
                          {"trips.txt", "route_id,service_id,trip_id\n"},
                          {"notes.md", "not a feed file"}};
  testing::write_files(dir.path("feed"), feed);
  testing::write_files(dir.path(""), {{"feed.zip", make_zip(feed, true)}});
  for (std::string const& path : {dir.path("feed"), dir.path("feed.zip")}) {
    FeedTexts texts;
    Status const read = read_feed_texts(path, texts);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(texts.size(), 2u) << path;
    EXPECT_EQ(texts["stops.txt"], feed.at("stops.txt"));
  }
  FeedTexts texts;
  EXPECT_FALSE(read_feed_texts(dir.path("missing"), texts).ok());
  EXPECT_FALSE(read_feed_texts(dir.path("feed/notes.md"), texts).ok());  // not an archive
}

}  // namespace
}  // namespace vorlash
