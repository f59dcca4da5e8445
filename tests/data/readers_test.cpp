#include "data/readers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "data/test_data_file.h"

namespace vorlash {
namespace {

using testing::encode_data_file;
using testing::float_bits;
using testing::Layout;
using testing::sample_tables;

Status read_all(const std::string& bytes, AppState& state) {
  return read_whole_data_file(DataFile(bytes), state, YieldFn{});
}

void expect_error(const Status& st, std::string_view section) {
  ASSERT_FALSE(st.ok());
  EXPECT_NE(st.error.find("vorlashj.dat: "), std::string::npos) << st.error;
  EXPECT_NE(st.error.find(section), std::string::npos) << st.error;
}

void put_long(std::string& bytes, std::size_t pos, std::int32_t v) {
  for (int i = 0; i < 4; ++i)
    bytes[pos + static_cast<std::size_t>(i)] =
        static_cast<char>(static_cast<std::uint32_t>(v) >> (8 * i));
}

TEST(CnvData, DecodesWholeMagnitudesFromOneToTwoPower24) {
  EXPECT_EQ(cnv_data(float_bits(0.0f)), 0.0);
  EXPECT_EQ(cnv_data(float_bits(1.0f)), 1.0);
  EXPECT_EQ(cnv_data(float_bits(0.5f)), 0.0);
  EXPECT_EQ(cnv_data(float_bits(250.0f)), 250.0);
  EXPECT_EQ(cnv_data(float_bits(999.0f)), 999.0);
  EXPECT_EQ(cnv_data(float_bits(2.5f)), 2.5);
  EXPECT_EQ(cnv_data(float_bits(-1.0f)), -1.0);
  EXPECT_EQ(cnv_data(float_bits(-37.25f)), -37.25);
  EXPECT_EQ(cnv_data(float_bits(16777215.0f)), 16777215.0);
  EXPECT_EQ(cnv_data(float_bits(16777216.0f)), 0.0);
  EXPECT_EQ(cnv_data(float_bits(-16777216.0f)), 0.0);
  EXPECT_EQ(cnv_data(float_bits(std::numeric_limits<float>::quiet_NaN())), 0.0);
  EXPECT_EQ(cnv_data(float_bits(-std::numeric_limits<float>::infinity())), 0.0);
  EXPECT_EQ(cnv_data(float_bits(-0.75f)), 0.0);
}

TEST(Readers, ReadBackEveryTableOfTheSampleFile) {
  auto const want = sample_tables();
  auto got = std::make_unique<AppState>();
  ASSERT_TRUE(read_all(encode_data_file(*want), *got).ok());

  EXPECT_EQ(got->edition, 1);
  EXPECT_EQ(got->edition_code, 5006);
  EXPECT_EQ(got->settings_file_name, "vorlash2.ini");
  EXPECT_EQ(got->regions.count, 3);
  EXPECT_EQ(got->regions.name, want->regions.name);
  EXPECT_EQ(got->regions.area, want->regions.area);
  EXPECT_EQ(got->regions.digit, want->regions.digit);
  EXPECT_EQ(got->districts.name, want->districts.name);

  EXPECT_EQ(got->keiyo.station_count, want->keiyo.station_count);
  EXPECT_EQ(got->keiyo.station, want->keiyo.station);
  EXPECT_EQ(got->keiyo.train_count, want->keiyo.train_count);
  EXPECT_EQ(got->keiyo.code, want->keiyo.code);
  EXPECT_EQ(got->keiyo.time, want->keiyo.time);
  EXPECT_EQ(got->keiyo.time[1][2][2], 0);  // no stop: the stored field equals the train number

  EXPECT_EQ(got->sinkansen.station_count, want->sinkansen.station_count);
  EXPECT_EQ(got->sinkansen.station, want->sinkansen.station);
  EXPECT_EQ(got->sinkansen.row_kind, want->sinkansen.row_kind);
  EXPECT_EQ(got->sinkansen.train_count, want->sinkansen.train_count);
  EXPECT_EQ(got->sinkansen.code, want->sinkansen.code);
  EXPECT_EQ(got->sinkansen.time, want->sinkansen.time);
  EXPECT_EQ(got->sinkansen.operating_day, want->sinkansen.operating_day);
  EXPECT_EQ(got->sinkansen.vehicle, want->sinkansen.vehicle);
}

TEST(Readers, ShinkansenStreamOf255StopsEndsAtTheStartOfTheNextBlock) {
  auto s = sample_tables();
  auto& sk = s->sinkansen;
  sk.train_count[1] = 51;
  for (std::size_t t = 1; t <= 51; ++t) {
    sk.code[1][t] = "H" + std::to_string(t);
    for (std::size_t r = 1; r <= 5; ++r) sk.time[1][r][t] = static_cast<int>(600 + t);
    sk.operating_day[1][t] = static_cast<int>(t % 7);
    sk.vehicle[1][t] = t % 2 ? "N" : "G";
  }
  sk.station_count = {0, 5, 5};
  sk.station[1][5] = "京都";
  Layout layout;
  std::string const bytes = encode_data_file(*s, &layout);
  // 255 stops fill the first block; the terminator is byte 0 of the next.
  EXPECT_EQ(layout.sinkansen_stream[2] - layout.sinkansen_stream[1], 4);
  auto got = std::make_unique<AppState>();
  ASSERT_TRUE(read_all(bytes, *got).ok());
  EXPECT_EQ(got->sinkansen.time, sk.time);
  EXPECT_EQ(got->sinkansen.operating_day, sk.operating_day);
  EXPECT_EQ(got->sinkansen.vehicle, sk.vehicle);
  EXPECT_EQ(got->sinkansen.code[2], sk.code[2]);  // direction 2 found one block later
}

TEST(Readers, KeiyoStreamEndingOnABlockBoundaryAndTrainsWithFewerLongs) {
  auto s = sample_tables();
  // 43 trains give 258 longs: the stream spans two blocks.
  auto& k = s->keiyo;
  k.train_count[1] = 43;
  for (std::size_t t = 1; t <= 43; ++t) {
    k.code[1][t] = std::to_string(2000 + t) + "A";
    for (std::size_t p = 1; p <= 12; ++p) k.time[1][p][t] = static_cast<int>(500 + 10 * p + t);
  }
  auto got = std::make_unique<AppState>();
  ASSERT_TRUE(read_all(encode_data_file(*s), *got).ok());
  EXPECT_EQ(got->keiyo.time, k.time);
  EXPECT_EQ(got->keiyo.code[2], k.code[2]);

  // Cut the stream to exactly 255 longs: the terminator becomes byte 0 of the
  // next block and the last train keeps only its first three pairs.
  Layout layout;
  std::string bytes = encode_data_file(*s, &layout);
  std::size_t const next = static_cast<std::size_t>(layout.keiyo_stream[1] + 1) * 1024;
  put_long(bytes, next, 0);
  ASSERT_TRUE(read_all(bytes, *got).ok());
  EXPECT_EQ(got->keiyo.time[1][6][43], k.time[1][6][43]);
  EXPECT_EQ(got->keiyo.time[1][7][43], 0);
  EXPECT_EQ(got->keiyo.time[1][12][42], k.time[1][12][42]);
}

TEST(Readers, CodeBlockWith250CodesGives250Trains) {
  auto s = sample_tables();
  s->sinkansen.train_count[2] = 250;
  for (std::size_t t = 1; t <= 250; ++t) s->sinkansen.code[2][t] = "K" + std::to_string(t);
  s->sinkansen.code[2][1] = "ｶﾞｷﾞ";  // four bytes in the file, twelve in UTF-8
  Layout layout;
  std::string bytes = encode_data_file(*s, &layout);
  // Codes 251..255 are ignored even when not blank.
  std::size_t const codes = static_cast<std::size_t>(layout.sinkansen_time + 1) * 1024;
  bytes.replace(codes + 1000, 20, std::string(20, 'X'));
  auto got = std::make_unique<AppState>();
  ASSERT_TRUE(read_all(bytes, *got).ok());
  EXPECT_EQ(got->sinkansen.train_count[2], 250);
  EXPECT_EQ(got->sinkansen.code[2][250], "K250");
  EXPECT_EQ(got->sinkansen.code[2][1], "ｶﾞｷﾞ");
}

TEST(Readers, VehicleTypesByEdition) {
  auto s = sample_tables();
  Layout layout;
  std::string bytes = encode_data_file(*s, &layout);
  // The direction-1 vehicle block is two blocks after the stream's single block.
  std::size_t const vehicles = static_cast<std::size_t>(layout.sinkansen_stream[1] + 2) * 1024;
  auto got = std::make_unique<AppState>();

  bytes[vehicles] = static_cast<char>(1001 & 0xFF);  // 1001: "G" train 1
  bytes[vehicles + 1] = static_cast<char>(1001 >> 8);
  ASSERT_TRUE(read_all(bytes, *got).ok());
  EXPECT_EQ(got->sinkansen.vehicle[1][1], "G");

  bytes[vehicles] = static_cast<char>(1000 & 0xFF);  // 1000: "N" train 1000, beyond the table
  bytes[vehicles + 1] = static_cast<char>(1000 >> 8);
  expect_error(read_all(bytes, *got), "列車 1000");

  // Editions 2 and 3 take the low byte as the train, always "M".
  put_long(bytes, bytes.size() - 1024 + 22 * 4, 2);
  bytes[vehicles] = 2;
  bytes[vehicles + 1] = 1;
  ASSERT_TRUE(read_all(bytes, *got).ok());
  EXPECT_EQ(got->edition_title, "東北・山形・秋田新幹線");
  EXPECT_EQ(got->sinkansen.vehicle[1][2], "M");
  EXPECT_EQ(got->sinkansen.vehicle[1][1], "");
  EXPECT_EQ(got->fares.nozomi_count, 0);
}

TEST(Readers, SectionsPastTheEndAndTruncatedFilesAreErrors) {
  auto s = sample_tables();
  Layout l;
  std::string const bytes = encode_data_file(*s, &l);
  struct Moved {
    std::size_t control;
    std::string_view section;
  };
  Moved const moved[] = {{2, "地区名の表"},      {3, "京葉線の駅名"},      {4, "京葉線の時刻"},
                         {5, "新幹線の駅名"},    {6, "新幹線の時刻"},      {11, "営業キロの表"},
                         {12, "運賃の表"},       {13, "グリーン料金の表"}, {14, "割引きっぷの表"},
                         {15, "のぞみ料金の表"}, {9, "ホテル情報"}};
  for (auto const& m : moved) {
    SCOPED_TRACE(m.section);
    std::string damaged = bytes;
    put_long(damaged, damaged.size() - 1024 + 4 * (m.control - 1),
             static_cast<std::int32_t>(l.control + 1));
    auto got = std::make_unique<AppState>();
    expect_error(read_all(damaged, *got), "制御ブロック: ファイルが途中で終わっています（" +
                                              std::string(m.section) + "はブロック " +
                                              std::to_string(l.control + 1) + " から");
  }
  // Cut anywhere (keeping the control block at the end): never a success.
  // (Cut at the hotel index, the control block reads as an empty index.)
  for (long cut = 1; cut < l.control; ++cut) {
    if (cut == l.hotel) continue;
    auto got = std::make_unique<AppState>();
    EXPECT_FALSE(read_all(testing::cut_at_block(bytes, cut), *got).ok()) << cut;
  }
  auto got = std::make_unique<AppState>();
  expect_error(read_all(bytes.substr(0, 1000), *got),
               "制御ブロック: ファイルが途中で終わっています（1000 バイトしかなく");
}

// A file cut short anywhere says that it ends early, not what its last
// bytes happen to hold.
TEST(Readers, TruncatedFileSaysItEndsEarly) {
  auto s = sample_tables();
  Layout l;
  std::string const bytes = encode_data_file(*s, &l);
  for (long blocks = 1; blocks <= l.control; ++blocks) {
    for (std::size_t extra : {std::size_t{0}, std::size_t{517}}) {
      std::size_t const size = static_cast<std::size_t>(blocks) * 1024 + extra;
      auto got = std::make_unique<AppState>();
      Status const st = read_all(bytes.substr(0, size), *got);
      ASSERT_FALSE(st.ok()) << size;
      EXPECT_NE(st.error.find("vorlashj.dat: 制御ブロック: ファイルが途中で終わってい"),
                std::string::npos)
          << st.error;
      if (extra != 0) {
        EXPECT_NE(st.error.find(std::to_string(size) + " バイトで終わり、最後のブロック " +
                                std::to_string(blocks) + " が欠けています"),
                  std::string::npos)
            << st.error;
      }
    }
  }
}

TEST(Readers, InconsistentCountsAndValuesAreRefused) {
  auto s = sample_tables();
  Layout l;
  std::string const good = encode_data_file(*s, &l);
  auto const block = [](long b, std::size_t offset = 0) {
    return static_cast<std::size_t>(b) * 1024 + offset;
  };
  struct Damage {
    std::size_t pos;
    std::int32_t value;
    std::string_view expected;
  };
  Damage const damages[] = {
      {0, float_bits(101.0f), "地域名の表: 件数 101 が 0～100 の外です"},
      {block(l.district), float_bits(201.0f), "地区名の表: 件数 201"},
      {block(l.keiyo_station, 8), 16, "表 3 の駅数 16"},
      {block(l.keiyo_time + 1, 1020), 201, "表 2 の列車数 201"},
      {block(l.keiyo_stream[1], 4 * 12), 7, "表 1 の時刻に列車 3 の時刻があります"},
      {block(l.keiyo_stream[1]), 5, "列車番号より小さく"},
      {block(l.sinkansen_stream[1]), (251 * 64 + 1) * 5678 + 600, "方向 1 の時刻の列車 251 が"},
      {block(l.sinkansen_stream[1]), (1 * 64 + 51) * 5678 + 600, "駅の行 51"},
      {block(l.sinkansen_stream[1]), -5, "負の値 -5"},
      {good.size() - 1024 + 4 * 6, 70000, "制御ブロックになっていません：値 7 が 70000"},
      {good.size() - 1024 + 4 * 22, 4, "版 4 は知らない版です"},
      {block(l.hotel, 1020), float_bits(251.0f), "件数 251"},
      {block(l.hotel), 101 * 1048576, "地域 101 が"},
      {block(l.hotel), 201 * 4096, "地区 201 が"},
  };
  for (auto const& d : damages) {
    std::string bytes = good;
    put_long(bytes, d.pos, d.value);
    auto got = std::make_unique<AppState>();
    Status const st = read_all(bytes, *got);
    EXPECT_NE(st.error.find(d.expected), std::string::npos) << d.expected << " / " << st.error;
  }
}

TEST(Readers, StreamWithoutTerminatorAndRecordsPastTheEnd) {
  // Two code blocks, then a time stream that fills its block and the file.
  std::string bytes(3 * 1024, ' ');
  for (std::size_t j = 0; j < 255; ++j) put_long(bytes, 2048 + 4 * j, (1 * 64 + 1) * 5678 + 600);
  bytes.replace(0, 4, "H1  ");
  auto state = std::make_unique<AppState>();
  state->edition = 1;
  state->control[6] = 0;
  expect_error(get_sinkansen_time(DataFile(bytes), *state, YieldFn{}),
               "新幹線の時刻: ファイルが途中で終わっています（方向 1 の時刻の終わりの印より前に");

  // A region name record whose length runs past the end of the file.
  std::string tiny(2048, '\0');
  put_long(tiny, 0, float_bits(1.0f));
  tiny[4] = 8;
  tiny[6] = static_cast<char>(0xF0);
  tiny[7] = 0x7F;
  expect_error(get_hatyaku(DataFile(tiny), *state, YieldFn{}),
               "地域名の表: ファイルが途中で終わっています（4 バイト目の文字列");
  // Region names that spill over block 0.
  std::string spill(3072, '\0');
  put_long(spill, 0, float_bits(1.0f));
  spill[4] = 8;
  spill[6] = static_cast<char>(1100 & 0xFF);
  spill[7] = static_cast<char>(1100 >> 8);
  std::fill(spill.begin() + 8, spill.begin() + 1108, 'A');
  expect_error(get_hatyaku(DataFile(spill), *state, YieldFn{}),
               "地域名がブロック 0 に収まりません");
  EXPECT_EQ(state->regions.count, 0);
}

TEST(Readers, FailedSectionLeavesTheFormerTableInPlace) {
  auto s = sample_tables();
  Layout l;
  std::string bytes = encode_data_file(*s, &l);
  auto state = std::make_unique<AppState>();
  ASSERT_TRUE(read_all(bytes, *state).ok());
  put_long(bytes, static_cast<std::size_t>(l.sinkansen_stream[1]) * 1024 + 4, (1 * 64 + 60) * 5678);
  DataFile const broken(bytes);
  EXPECT_FALSE(get_sinkansen_time(broken, *state, YieldFn{}).ok());
  EXPECT_EQ(state->sinkansen.time, s->sinkansen.time);
  EXPECT_EQ(state->sinkansen.train_count[1], 2);
}

TEST(Readers, YieldRunsBetweenBlocks) {
  auto s = sample_tables();
  auto state = std::make_unique<AppState>();
  int yields = 0;
  ASSERT_TRUE(read_whole_data_file(DataFile(encode_data_file(*s)), *state, [&] { ++yields; }).ok());
  EXPECT_GE(yields, 20);
}

}  // namespace
}  // namespace vorlash
