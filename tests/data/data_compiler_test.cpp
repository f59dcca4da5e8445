// The DataFile compiler: source folders compiled to bytes, checked at the byte
// level where the layout has edges, read back with the program's readers, and
// exported and compiled again.
#include "data/data_compiler.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "cli/cli_run.h"
#include "data/data_file.h"
#include "data/file_io.h"
#include "data/readers.h"
#include "data/test_data_file.h"

namespace vorlash {
namespace {

namespace fs = std::filesystem;

std::string const kMiniDir = std::string(VORLASH_SOURCE_DIR) + "/tests/data/mini_edition";

SourceTexts mini_texts() {
  SourceTexts texts;
  EXPECT_TRUE(read_source_texts(kMiniDir, texts).ok());
  return texts;
}

struct Compiled {
  Status status;
  std::string bytes;
};

Compiled compile(const SourceTexts& texts) {
  auto source = std::make_unique<DataSource>();
  Compiled out;
  out.status = parse_data_source(texts, *source);
  if (out.status) out.status = write_data_file(*source, out.bytes);
  return out;
}

std::string compile_ok(const SourceTexts& texts) {
  Compiled c = compile(texts);
  EXPECT_TRUE(c.status.ok()) << c.status.error;
  return c.bytes;
}

std::unique_ptr<AppState> read_back(const std::string& bytes) {
  auto state = std::make_unique<AppState>();
  Status const st = read_whole_data_file(DataFile(bytes), *state, YieldFn{});
  EXPECT_TRUE(st.ok()) << st.error;
  return state;
}

std::int32_t long_at(const std::string& bytes, std::size_t offset) {
  std::uint32_t u = 0;
  for (int i = 3; i >= 0; --i) u = (u << 8) | static_cast<unsigned char>(bytes.at(offset + i));
  return static_cast<std::int32_t>(u);
}

std::int32_t block_long(const std::string& bytes, long block, std::size_t offset) {
  return long_at(bytes, static_cast<std::size_t>(block) * 1024 + offset);
}

int control(const std::string& bytes, int i) {
  return long_at(bytes, bytes.size() - 1024 + 4 * (i - 1));
}

std::int32_t float_bits(int count) {
  return std::bit_cast<std::int32_t>(static_cast<float>(count));
}

std::string hhmm(int minutes) {
  return std::to_string(minutes / 60) + ":" + (minutes % 60 < 10 ? "0" : "") +
         std::to_string(minutes % 60);
}

// n Keiyo trains "101M".."(100+n)M" stopping at positions 1..3.
std::string keiyo_trains(int n) {
  std::string text = "code\tp1\tp2\tp3\tp4\tp5\tp6\tp7\tp8\tp9\tp10\tp11\tp12\n";
  for (int i = 1; i <= n; ++i)
    text += std::to_string(100 + i) + "M\t" + hhmm(300 + i) + "\t" + hhmm(310 + i) + "\t" +
            hhmm(330 + i) + "\t\t\t\t\t\t\t\t\t\n";
  return text;
}

// Shinkansen trains of the mini edition's four rows; `stops` stops in all,
// four to a train (rows 1..4), the last train taking the remainder.
std::string shinkansen_trains(int stops) {
  std::string text = "code\tdays\tvehicle\tr1\tr2\tr3\tr4\n";
  for (int t = 1; stops > 0; ++t) {
    int const here = std::min(stops, 4);
    text += "K" + std::to_string(t) + "\t" + std::to_string(t % 3) + "\t" + (t % 2 ? "N" : "");
    for (int r = 1; r <= 4; ++r) text += "\t" + (r <= here ? hhmm(360 + t + r) : "");
    text += "\n";
    stops -= here;
  }
  return text;
}

std::string fare_pairs(int n) {
  std::string text = "station_a\tstation_b\tfare\texpress\tfree_seat_express\tcoupon\n";
  for (int i = 1; i <= n; ++i) text += "東京\t小田原\t" + std::to_string(i) + "\t2930\t0\t0\n";
  return text;
}

std::string tickets(int n) {
  std::string text = "station_a\tstation_b\tkind\tsheets\tvalidity\tprice\n";
  for (int i = 1; i <= n; ++i) text += "新横浜\t東京\t14\t6\t3\t" + std::to_string(i) + "\n";
  return text;
}

// n hotels named H0001.. (each name record 9 bytes), or with the given names.
std::string hotels(int n, const std::vector<std::string>& names = {}) {
  std::string text = "region\tdistrict\tname\ttel\trooms\taccess\tcharge\tremarks\n";
  for (int i = 1; i <= n; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "H%04d", i);
    std::string const shown = names.empty() ? name : names[i - 1];
    text += "小田原\t梅田\t" + shown + "\t0465-" + std::to_string(i) + "\t" +
            std::to_string(i % 4096) + "\t徒歩" + std::to_string(i) + "分\t\\" + std::to_string(i) +
            "\t" + (i % 2 ? "良" : "") + "\n";
  }
  return text;
}

class TempDir {
 public:
  TempDir() {
    path_ = fs::temp_directory_path() /
            (std::string("vorlash_compiler_") +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempDir() { fs::remove_all(path_); }
  std::string path(std::string_view name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

void write_texts(const std::string& dir, const SourceTexts& texts) {
  fs::create_directories(dir);
  for (auto const& [name, text] : texts) ASSERT_TRUE(write_file_atomically(dir + "/" + name, text));
}

std::string without_comments(const std::string& text) {
  std::string out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t const end = text.find('\n', pos);
    std::string const line = text.substr(pos, end - pos + 1);
    if (!line.starts_with('#')) out += line;
    pos = end + 1;
  }
  return out;
}

// ---- What the readers get back ---------------------------------------------

TEST(DataCompiler, MiniEditionReadsBackAsWritten) {
  std::string const bytes = compile_ok(mini_texts());
  ASSERT_EQ(bytes.size() % 1024, 0u);
  auto const s = read_back(bytes);

  EXPECT_EQ(s->edition, 1);
  EXPECT_EQ(s->regions.count, 3);
  EXPECT_EQ(s->regions.name[2], "大阪／伊丹");
  EXPECT_EQ(s->regions.area[2], 5);
  EXPECT_EQ(s->regions.digit[2], 1);
  EXPECT_EQ(s->districts.count, 3);
  EXPECT_EQ(s->districts.name[3], "梅田");

  auto const& k = s->keiyo;
  EXPECT_EQ(k.station_count[2], 3);
  EXPECT_EQ(k.station[2][1], "蘇我");
  EXPECT_EQ(k.station[2][4], "");
  EXPECT_EQ(k.train_count[1], 3);
  EXPECT_EQ(k.train_count[4], 1);
  EXPECT_EQ(k.code[1][2], "1205M");
  EXPECT_EQ(k.code[1][1], "503A ");
  EXPECT_EQ(k.time[1][2][3], 2402);  // past midnight
  EXPECT_EQ(k.time[1][3][3], 0);
  EXPECT_EQ(k.time[4][1][1], 0);  // starts at the second position
  EXPECT_EQ(k.time[4][2][1], 731);

  auto const& sk = s->sinkansen;
  EXPECT_EQ(sk.station_count[1], 4);
  EXPECT_EQ(sk.station_count[2], 4);
  EXPECT_EQ(sk.station[1][3], "新横浜");
  EXPECT_EQ(sk.row_kind[1][2], 1);
  EXPECT_EQ(sk.row_kind[1][3], 2);
  EXPECT_EQ(sk.station[2][4], "東京");
  EXPECT_EQ(sk.station[1][5], "");
  EXPECT_EQ(sk.train_count[1], 3);
  EXPECT_EQ(sk.train_count[2], 2);
  EXPECT_EQ(sk.code[1][1], "N1  ");
  EXPECT_EQ(sk.time[1][4][1], 0);
  EXPECT_EQ(sk.time[1][4][3], 2412);
  EXPECT_EQ(sk.vehicle[1][1], "N7");
  EXPECT_EQ(sk.vehicle[1][2], "G");
  EXPECT_EQ(sk.vehicle[1][3], "");
  EXPECT_EQ(sk.operating_day[2][1], 11);
  EXPECT_EQ(sk.operating_day[2][2], 70);

  auto const& f = s->fares;
  ASSERT_EQ(f.km_count, 3);
  EXPECT_EQ(f.km[3].station, "小田原");
  EXPECT_EQ(f.km[3].tenths, 839);
  ASSERT_EQ(f.pair_count, 3);
  EXPECT_EQ(f.pair[2].station_b, "小田原");
  EXPECT_EQ(f.pair[2].free_seat_express, 2400);
  EXPECT_EQ(f.pair[2].coupon, 14400);
  EXPECT_EQ(f.green_count, 3);
  EXPECT_EQ(f.green[3].upper_km, 400);
  ASSERT_EQ(f.ticket_count, 1);
  EXPECT_EQ(f.ticket[1].station_a, "東京");
  EXPECT_EQ(f.ticket[1].kind, 5);
  EXPECT_EQ(f.ticket[1].sheets, 6);
  EXPECT_EQ(f.ticket[1].validity, 3);
  ASSERT_EQ(f.nozomi_count, 2);
  EXPECT_EQ(f.nozomi[2].supplement, 190);

  ASSERT_EQ(s->data_hotel_count, 3);
  EXPECT_EQ(s->hotel[1].region, "東京／羽田");  // not folded
  EXPECT_EQ(s->hotel[1].tel, "03-1234-5678");
  EXPECT_EQ(s->hotel[1].charge, "\\12,000 ");
  EXPECT_EQ(s->hotel[1].remarks, "★★★     ");
  EXPECT_EQ(s->hotel[2].district, "");
  EXPECT_EQ(s->hotel[2].remarks, "        ");
  EXPECT_EQ(s->hotel[3].rooms, 0);
  EXPECT_EQ(s->hotel[3].tel, "06-6345-6789");
}

TEST(DataCompiler, TablesOfTheReadersFixtureSurviveWritingAndReading) {
  auto want = testing::sample_tables();
  want->keiyo.code[1][2] = "1003M";  // every Keiyo code ends in a letter
  want->keiyo.code[2][2] = want->keiyo.code[3][2] = want->keiyo.code[4][2] = "1003M";
  auto source = std::make_unique<DataSource>();
  ASSERT_TRUE(data_source_from_state(*want, *source));
  std::string bytes;
  Status const written = write_data_file(*source, bytes);
  ASSERT_TRUE(written.ok()) << written.error;
  auto const got = read_back(bytes);

  auto again = std::make_unique<DataSource>();
  ASSERT_TRUE(data_source_from_state(*got, *again));
  SourceTexts want_texts;
  SourceTexts got_texts;
  ASSERT_TRUE(format_data_source(*source, want_texts));
  ASSERT_TRUE(format_data_source(*again, got_texts));
  EXPECT_EQ(got_texts, want_texts);
  EXPECT_EQ(got->sinkansen.time[1][4][2], 10);
  EXPECT_EQ(got->hotel[1].remarks, "○       ");
}

// ---- Byte layout at the edges of blocks ------------------------------------

TEST(DataFileLayout, KeiyoStreamEndingAtABlockEdgePushesTheNextStreamOn) {
  for (int const trains : {84, 85}) {
    SCOPED_TRACE(trains);
    auto texts = mini_texts();
    texts["keiyo_1.tsv"] = keiyo_trains(trains);
    std::string const bytes = compile_ok(texts);
    long const first = control(bytes, 4) + 4;  // after the four code blocks
    EXPECT_EQ(block_long(bytes, control(bytes, 4), 1020), trains);
    // 6 longs a train, 255 to a block: 504 longs end in the second block,
    // 510 fill two blocks and put the terminator at byte 0 of the third.
    EXPECT_EQ(block_long(bytes, first, 1020), 0);  // unused bytes of a stream block
    if (trains == 85) {
      EXPECT_NE(block_long(bytes, first + 1, 1016), 0);
      EXPECT_EQ(block_long(bytes, first + 2, 0), 0);
    } else {
      EXPECT_NE(block_long(bytes, first + 1, 992), 0);
      EXPECT_EQ(block_long(bytes, first + 1, 996), 0);
    }
    long const next = trains == 85 ? first + 3 : first + 2;
    // Table 2's first train 502A: 6:05 and 6:31 at positions 1 and 2.
    EXPECT_EQ(block_long(bytes, next, 0), (605 + 502) * 8192 + (631 + 502));
    auto const s = read_back(bytes);
    EXPECT_EQ(s->keiyo.train_count[1], trains);
    EXPECT_EQ(s->keiyo.code[1][trains], std::to_string(100 + trains) + "M ");
    EXPECT_EQ(s->keiyo.time[1][3][trains], (330 + trains) / 60 * 100 + (330 + trains) % 60);
    EXPECT_EQ(s->keiyo.time[2][3][2], 706);
  }
}

TEST(DataFileLayout, ShinkansenStreamOf255StopsAndBlankCodeSlots) {
  auto texts = mini_texts();
  texts["shinkansen_1.tsv"] = shinkansen_trains(255);  // 64 trains
  std::string const bytes = compile_ok(texts);
  long const codes = control(bytes, 6);
  std::string_view const code_block(bytes.data() + codes * 1024, 1024);
  EXPECT_EQ(code_block.substr(0, 8), "K1  K2  ");
  EXPECT_EQ(code_block.substr(64 * 4, 1020 - 64 * 4), std::string(1020 - 64 * 4, ' '));
  long const stream = codes + 2;
  EXPECT_EQ(block_long(bytes, stream, 0), (1 * 64 + 1) * 5678 + 602);
  EXPECT_NE(block_long(bytes, stream, 1016), 0);
  EXPECT_EQ(block_long(bytes, stream + 1, 0), 0);                          // terminator
  EXPECT_EQ(bytes[(stream + 2) * 1024 + 4], 2);                            // days of train 2
  EXPECT_EQ(block_long(bytes, stream + 3, 0), 1);                          // vehicle N, train 1
  EXPECT_EQ(block_long(bytes, stream + 3, 4), 3);                          // train 3
  EXPECT_EQ(block_long(bytes, stream + 4, 0), (1 * 64 + 1) * 5678 + 610);  // direction 2
  auto const s = read_back(bytes);
  EXPECT_EQ(s->sinkansen.train_count[1], 64);
  EXPECT_EQ(s->sinkansen.time[1][4][64], 0);
  EXPECT_EQ(s->sinkansen.time[1][2][64], 706);
  EXPECT_EQ(s->sinkansen.vehicle[1][63], "N");
  EXPECT_EQ(s->sinkansen.vehicle[1][64], "");
  EXPECT_EQ(s->sinkansen.operating_day[1][64], 1);
  EXPECT_EQ(s->sinkansen.code[2][2], "K400");
}

TEST(DataFileLayout, FullAndEmptyFareSections) {
  for (int const n : {62, 63, 64, 126}) {
    SCOPED_TRACE(n);
    auto texts = mini_texts();
    texts["fare_pairs.tsv"] = fare_pairs(n);
    texts["tickets.tsv"] = tickets(n + 22);  // 84, 85, 86, 148 for 85 to a block
    std::string const bytes = compile_ok(texts);
    long const pairs = control(bytes, 12);
    int const full = n / 63;
    for (int b = 0; b < full; ++b) EXPECT_EQ(block_long(bytes, pairs + b, 1020), 999);
    EXPECT_EQ(block_long(bytes, pairs + full, 1020), n % 63);
    EXPECT_EQ(control(bytes, 13), pairs + full + 1);
    long const ticket_blocks = control(bytes, 15) - control(bytes, 14);
    EXPECT_EQ(ticket_blocks, (n + 22) / 85 + 1);
    EXPECT_EQ(block_long(bytes, control(bytes, 15) - 1, 1020), (n + 22) % 85);
    auto const s = read_back(bytes);
    EXPECT_EQ(s->fares.pair_count, n);
    EXPECT_EQ(s->fares.pair[n].fare, n);
    EXPECT_EQ(s->fares.ticket_count, n + 22);
    EXPECT_EQ(s->fares.ticket[n + 22].price, n + 22);
  }
  // Empty sections still have their block; Editions 2 and 3 get an empty Nozomi block.
  auto texts = mini_texts();
  texts["edition.tsv"] = "key\tvalue\nedition\t2\nstation_count\t4\n";
  texts["nozomi.tsv"] = "station_a\tstation_b\tnozomi_express\tsupplement\tspare\n";
  texts["shinkansen_1.tsv"] = "code\tdays\tvehicle\tr1\tr2\tr3\tr4\nY1\t0\tM\t6:00\n";
  texts["shinkansen_2.tsv"] = "code\tdays\tvehicle\tr1\tr2\tr3\tr4\n";
  texts["green.tsv"] = "upper_km\tgreen\troom_1_2\troom_3_4\n";
  texts["hotels.tsv"] = hotels(0);
  std::string const bytes = compile_ok(texts);
  EXPECT_EQ(control(bytes, 23), 2);
  EXPECT_EQ(static_cast<long>(bytes.size() / 1024), control(bytes, 9) + 2);  // one index block
  EXPECT_EQ(control(bytes, 14), control(bytes, 13) + 1);
  EXPECT_EQ(block_long(bytes, control(bytes, 13), 1020), 0);
  EXPECT_EQ(block_long(bytes, control(bytes, 15), 1020), 0);
  EXPECT_EQ(control(bytes, 9), control(bytes, 15) + 1);
  auto const s = read_back(bytes);
  EXPECT_EQ(s->sinkansen.vehicle[1][1], "M");
  EXPECT_EQ(s->sinkansen.train_count[2], 0);
  EXPECT_EQ(s->data_hotel_count, 0);
}

TEST(DataFileLayout, HotelSectionBlocksFollowTheHotelCount) {
  for (int const n : {85, 86, 128, 250, 251}) {
    SCOPED_TRACE(n);
    auto texts = mini_texts();
    texts["hotels.tsv"] = hotels(n);
    std::string const bytes = compile_ok(texts);
    long const index = control(bytes, 9);
    int const index_blocks = (n + 249) / 250;
    for (int b = 0; b + 1 < index_blocks; ++b)
      EXPECT_EQ(block_long(bytes, index + b, 1020), float_bits(999));
    EXPECT_EQ(block_long(bytes, index + index_blocks - 1, 1020),
              float_bits(n - 250 * (index_blocks - 1)));
    EXPECT_EQ(block_long(bytes, index, 0), 3 * 1048576 + 3 * 4096 + 1);  // 小田原, 梅田, 1 room
    // Names of 9 bytes each, then the telephone blocks from the next boundary.
    long const names = index + index_blocks;
    long const tels = names + (9 * n + 1023) / 1024;
    int const tel_blocks = (n + 84) / 85;
    std::string_view const last_tels(bytes.data() + (tels + tel_blocks - 1) * 1024, 1024);
    int const used = n - 85 * (tel_blocks - 1);
    EXPECT_EQ(last_tels.substr(0, 12),
              "0465-" + std::to_string(85 * (tel_blocks - 1) + 1) +
                  std::string(7 - std::to_string(85 * (tel_blocks - 1) + 1).size(), ' '));
    EXPECT_EQ(last_tels.substr(used * 12, 1020 - used * 12), std::string(1020 - used * 12, ' '));
    EXPECT_EQ(last_tels.substr(1020), std::string(4, '\0'));

    auto const s = read_back(bytes);
    ASSERT_EQ(s->data_hotel_count, n);
    auto const& last = s->hotel[n];
    EXPECT_EQ(last.tel,
              "0465-" + std::to_string(n) + std::string(7 - std::to_string(n).size(), ' '));
    EXPECT_EQ(last.access, "徒歩" + std::to_string(n) + "分");
    EXPECT_EQ(last.charge,
              "\\" + std::to_string(n) + std::string(7 - std::to_string(n).size(), ' '));
    EXPECT_EQ(last.remarks, n % 2 ? "良       " : "        ");
    EXPECT_EQ(last.rooms, n);
  }
  // Names that end exactly at a block boundary: the telephones follow directly.
  auto texts = mini_texts();
  texts["hotels.tsv"] = hotels(2, {std::string(508, 'a'), std::string(508, 'b')});
  std::string const bytes = compile_ok(texts);
  long const tels = control(bytes, 9) + 2;
  EXPECT_EQ(std::string_view(bytes.data() + tels * 1024, 12), "0465-1      ");
  auto const s = read_back(bytes);
  EXPECT_EQ(s->hotel[2].name, std::string(508, 'b'));
  EXPECT_EQ(s->hotel[2].access, "徒歩2分");
}

TEST(DataFileLayout, RegionNamesMustFitBlockZero) {
  auto texts = mini_texts();
  std::string const mini_regions = texts["regions.tsv"];  // 4 + 14 + 14 + 10 bytes of names
  std::string regions = mini_regions;
  for (int i = 0; i < 97; ++i) regions += "東京都\t3\t0\n";
  texts["regions.tsv"] = regions;  // 1012 bytes in all
  std::string const bytes = compile_ok(texts);
  EXPECT_EQ(std::string_view(bytes.data() + 1024, 12), "030051030030");
  auto const s = read_back(bytes);
  EXPECT_EQ(s->regions.count, 100);
  EXPECT_EQ(s->regions.name[100], "東京都");
  EXPECT_EQ(s->districts.count, 3);

  regions = mini_regions;
  for (int i = 0; i < 97; ++i) regions += "東京都内\t3\t0\n";
  texts["regions.tsv"] = regions;
  EXPECT_EQ(compile(texts).status.error,
            "regions.tsv: 地域の数と名前が Shift-JIS で 1206 バイトあり、ブロック 0 の 1024 "
            "バイトに収まりません");
}

// ---- Errors ------------------------------------------------------------------

struct BadSource {
  std::string file;
  std::string text;
  std::string error;
};

TEST(DataCompilerErrors, NameTheFileAndTheLine) {
  std::string const keiyo = "code\tp1\tp2\tp3\tp4\tp5\tp6\tp7\tp8\tp9\tp10\tp11\tp12\n";
  std::string const shin = "code\tdays\tvehicle\tr1\tr2\tr3\tr4\n";
  std::string const hotel = "region\tdistrict\tname\ttel\trooms\taccess\tcharge\tremarks\n";
  std::string const pair = "station_a\tstation_b\tfare\texpress\tfree_seat_express\tcoupon\n";
  std::string const many_trains = [&] {
    std::string text = shin;
    for (int i = 1; i <= 251; ++i) text += "K" + std::to_string(i) + "\t0\t\t6:00\n";
    return text;
  }();
  std::vector<BadSource> const cases = {
      {"edition.tsv", "key\tval\nedition\t1\n",
       "edition.tsv:1: 見出しの行はタブ区切りの列 key, value でなければなりません"},
      {"edition.tsv", "key\tvalue\nedition\t1\nstation_count\t51\n",
       "edition.tsv:3: station_count 51 が 1～50 の外です"},
      {"keiyo_1.tsv", keiyo + "# comment\n503A\t25:7x\n",
       "keiyo_1.tsv:3: p1 \"25:7x\" は H:MM の時刻ではありません（時 0～47、分 0～59）"},
      {"keiyo_1.tsv", keiyo + "503A\t0:00\n",
       "keiyo_1.tsv:2: p1 \"0:00\" は記録できません：0 は停車なしのしるしです（24:00 "
       "と書いてください）"},
      {"keiyo_1.tsv", keiyo + "503\t6:00\n",
       "keiyo_1.tsv:2: code \"503\" は列車番号と英字 1 文字の形（5 文字まで）ではありません"},
      {"keiyo_1.tsv", keiyo + "6000A\t\t23:59\n",
       "keiyo_1.tsv:2: p2 23:59 と列車番号 6000 の和が 13 ビットの欄（8191）を超えています"},
      {"keiyo_2.tsv", keiyo + "503A\t6:00\t\t\t\t\t\t\t\t\t\t\t\t\n",
       "keiyo_2.tsv:2: 列が 14 個あります（見出しは 13 個）"},
      {"shinkansen_1.tsv", shin + "H2011\t0\t\t6:00\n",
       "shinkansen_1.tsv:2: code \"H2011\" が 4 文字を超えています"},
      {"shinkansen_1.tsv", shin + "ひ1\t0\t\t6:00\n",
       "shinkansen_1.tsv:2: code \"ひ1\" は 1 バイト文字（ASCII か半角カナ）だけで書いてください"},
      {"shinkansen_1.tsv", shin + "H1\t0\tM\t6:00\n",
       "shinkansen_1.tsv:2: vehicle \"M\" は版 1 の車両の種類ではありません（N, G, W, N5, F, "
       "N7, RS）"},
      {"shinkansen_2.tsv", shin + "H1\t256\t\t6:00\n",
       "shinkansen_2.tsv:2: days 256 が 0～255 の外です"},
      {"shinkansen_2.tsv", many_trains,
       "shinkansen_2.tsv:252: 列車が 250 件を超えています（これが 251 件目）"},
      {"shinkansen_stations.tsv", "direction\trow\tname\tkind\n1\t1\t東京\t0\n1\t1\t品川\t0\n",
       "shinkansen_stations.tsv:3: direction 1 row 1 が二度あります（最初は 2 行目）"},
      {"regions.tsv", "name\tarea\tdigit\n東京\t12\t0\n", "regions.tsv:2: area 12 が 1～9 の外です"},
      {"districts.tsv", "name\n丸の内\n\xE2\x98\x83\n", "districts.tsv:3: name \"\xE2\x98\x83\": "},
      {"fare_pairs.tsv", pair + "東京\t名古屋\t6090\t4410\t0\t0\n",
       "fare_pairs.tsv:2: station_b \"名古屋\" は shinkansen_stations.tsv の direction 1 "
       "の駅ではありません"},
      {"fare_pairs.tsv", pair + "東京\t小田原\t40000\t0\t0\t0\n",
       "fare_pairs.tsv:2: fare 40000 が 0～32767 の外です"},
      {"tickets.tsv",
       "station_a\tstation_b\tkind\tsheets\tvalidity\tprice\n東京\t小田原\t15\t64\t3\t1\n",
       "tickets.tsv:2: kind 15 が 1～14 の外です\ntickets.tsv:2: sheets 64 が 1～63 の外です"},
      {"km.tsv", "station\tkm\n東京\t0\n", "km.tsv:2: km \"0\" は小数 1 けたの距離ではありません"},
      {"hotels.tsv", hotel + "小田原\t\tA\t0465-1\t4096\t\t\t\n",
       "hotels.tsv:2: rooms 4096 が 0～4095 の外です"},
      {"hotels.tsv", hotel + "熱海\t\tA\t0465-1\t1\t\t\t\n",
       "hotels.tsv:2: region \"熱海\" は regions.tsv にありません"},
      {"hotels.tsv", hotel + "小田原\t箱根\tA\t0465-1\t1\t\t\t\n",
       "hotels.tsv:2: district \"箱根\" は districts.tsv にありません"},
      {"hotels.tsv", hotel + "小田原\t\tA\t   \t1\t\t\t\n", "hotels.tsv:2: tel が空白だけです"},
      {"hotels.tsv", hotel + "小田原\t\tA\t0465-22-11111\t1\t\t\t\n",
       "hotels.tsv:2: tel \"0465-22-11111\" が 12 文字を超えています"},
      {"hotels.tsv", hotel + "小田原\t\tA\t1\t1\t\t￥5,000\t\n",
       "hotels.tsv:2: charge \"￥5,000\" は 1 バイト文字"},
      {"hotels.tsv", hotel + "小田原\t\t" + std::string(65536, 'x') + "\t1\t1\t\t\t\n",
       "hotels.tsv:2: name は Shift-JIS で 65536 バイトあります（一つの値は 65535 バイトまで）"},
      {"hotels.tsv", hotel + "小田原\t\tA\t1\tmany\t\t\t\n",
       "hotels.tsv:2: rooms \"many\" は整数ではありません"},
  };
  for (auto const& c : cases) {
    SCOPED_TRACE(c.file + ": " + c.error);
    auto texts = mini_texts();
    texts[c.file] = c.text;
    Compiled const got = compile(texts);
    ASSERT_FALSE(got.status.ok());
    EXPECT_EQ(got.status.error.rfind(c.error, 0), 0u) << got.status.error;
    EXPECT_TRUE(got.bytes.empty());
  }
}

TEST(DataCompilerErrors, AllProblemsAreReportedAtOnce) {
  auto texts = mini_texts();
  texts.erase("green.tsv");
  texts["regions.tsv"] = "name\tarea\tdigit\n東京\t0\t0\n東京\t1\t10\n";
  texts["edition.tsv"] = "key\tvalue\nedition\t2\nstation_count\t4\n";  // Nozomi and vehicles
  Compiled got = compile(texts);
  EXPECT_EQ(got.status.error, "green.tsv: ファイルがありません");
  texts["green.tsv"] = "upper_km\tgreen\troom_1_2\troom_3_4\n";
  got = compile(texts);
  EXPECT_EQ(got.status.error,
            "regions.tsv:2: area 0 が 1～9 の外です\n"
            "regions.tsv:3: digit 10 が 0～9 の外です\n"
            "shinkansen_1.tsv:2: vehicle \"N7\" は版 2 の車両の種類ではありません（M）\n"
            "shinkansen_1.tsv:3: vehicle \"G\" は版 2 の車両の種類ではありません（M）\n"
            "shinkansen_2.tsv:2: vehicle \"N\" は版 2 の車両の種類ではありません（M）\n"
            "nozomi.tsv:2: のぞみ料金は版 1 でしか読まれません（これは版 2）\n"
            "hotels.tsv:2: region \"東京／羽田\" は regions.tsv にありません\n"
            "hotels.tsv:3: region \"小田原\" は regions.tsv にありません\n"
            "hotels.tsv:4: region \"大阪／伊丹\" は regions.tsv にありません");
}

// ---- Export and build again ----------------------------------------------------

TEST(DataExport, ExportGivesTheSourcesBackAndBuildsTheSameBytes) {
  TempDir dir;
  auto texts = mini_texts();
  std::string const mini = compile_ok(texts);
  ASSERT_TRUE(write_file_atomically(dir.path("mini.dat"), mini));
  Status const exported = export_data_file(dir.path("mini.dat"), dir.path("mini"));
  ASSERT_TRUE(exported.ok()) << exported.error;
  SourceTexts back;
  ASSERT_TRUE(read_source_texts(dir.path("mini"), back));
  ASSERT_EQ(back.size(), texts.size());
  for (auto const& [name, text] : texts) EXPECT_EQ(back[name], without_comments(text)) << name;

  // A larger folder that crosses block edges in every section.
  texts["keiyo_1.tsv"] = keiyo_trains(200);
  texts["shinkansen_1.tsv"] = shinkansen_trains(900);
  texts["fare_pairs.tsv"] = fare_pairs(1000);
  texts["tickets.tsv"] = tickets(500);
  texts["hotels.tsv"] = hotels(1000);
  write_texts(dir.path("big"), texts);
  std::string big;
  Status const built = compile_data_folder(dir.path("big"), big);
  ASSERT_TRUE(built.ok()) << built.error;
  ASSERT_TRUE(write_file_atomically(dir.path("big.dat"), big));
  ASSERT_TRUE(export_data_file(dir.path("big.dat"), dir.path("big_export")));
  std::string again;
  ASSERT_TRUE(compile_data_folder(dir.path("big_export"), again));
  EXPECT_TRUE(again == big);
}

TEST(DataExport, TextsThatASourceFileCannotCarryAreRefused) {
  auto source = std::make_unique<DataSource>();
  source->edition = 1;
  source->station_count = 1;
  source->districts = {{"丸の内", 0}, {"", 0}, {"#3", 0}, {"a\tb", 0}};
  source->trains[1].push_back(SourceShinkansenTrain{"H1", 0, "", {0, 1275}, 0});
  SourceTexts texts;
  EXPECT_EQ(format_data_source(*source, texts).error,
            "districts.tsv: 2 件目：空の名前は空の行として読まれてしまいます\n"
            "districts.tsv: 3 件目：\"#3\" は注釈の行として読まれてしまいます\n"
            "districts.tsv: 4 件目：\"a\tb\" にタブか改行があります\n"
            "shinkansen_1.tsv: 1 件目：時刻 1275 は H:MM で書けません");
}

TEST(DataCompilerCli, BuildDataWritesOnlyGoodSources) {
  VORLASH_SKIP_CLI_ON_WINDOWS();
  TempDir dir;
  auto texts = mini_texts();
  write_texts(dir.path("src"), texts);
  auto run = [&](const std::string& args, std::string& err) {
    std::string const command =
        std::string("\"") + VORLASH_CLI + "\" " + args + " 2>\"" + dir.path("err.txt") + "\"";
    int const raw = std::system(command.c_str());
    EXPECT_TRUE(read_file_bytes(dir.path("err.txt"), err).ok());
    return vorlash::test::exit_status(raw);
  };
  std::string err;
  EXPECT_EQ(run("build-data \"" + dir.path("src") + "\" \"" + dir.path("out.dat") + "\"", err), 0)
      << err;
  std::string bytes;
  ASSERT_TRUE(read_file_bytes(dir.path("out.dat"), bytes));
  EXPECT_TRUE(bytes == compile_ok(texts));

  EXPECT_EQ(run("export-data \"" + dir.path("out.dat") + "\" \"" + dir.path("exp") + "\"", err), 0)
      << err;
  EXPECT_TRUE(file_exists(dir.path("exp") + "/hotels.tsv"));

  ASSERT_TRUE(
      write_file_atomically(dir.path("src") + "/keiyo_3.tsv", keiyo_trains(1) + "9A\t1:5\n"));
  EXPECT_EQ(run("build-data \"" + dir.path("src") + "\" \"" + dir.path("bad.dat") + "\"", err), 1);
  EXPECT_NE(err.find("keiyo_3.tsv:3: p1 \"1:5\" は H:MM の時刻ではありません"), std::string::npos) << err;
  EXPECT_FALSE(file_exists(dir.path("bad.dat")));
  EXPECT_EQ(run("build-data \"" + dir.path("src") + "\"", err), 2);
}

}  // namespace
}  // namespace vorlash
