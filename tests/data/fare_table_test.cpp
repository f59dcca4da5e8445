#include "data/fare_table.h"

#include <gtest/gtest.h>

#include "data/test_data_file.h"

namespace vorlash {
namespace {

using testing::encode_data_file;
using testing::Layout;
using testing::sample_tables;

void put_long(std::string& bytes, std::size_t pos, std::int32_t v) {
  for (int i = 0; i < 4; ++i)
    bytes[pos + static_cast<std::size_t>(i)] =
        static_cast<char>(static_cast<std::uint32_t>(v) >> (8 * i));
}

std::size_t at(long block, std::size_t offset = 0) {
  return static_cast<std::size_t>(block) * 1024 + offset;
}

Status read(const std::string& bytes, AppState& state) {
  return read_whole_data_file(DataFile(bytes), state, YieldFn{});
}

TEST(FareTable, ReadsEveryTableAndTheTicketNames) {
  auto const want = sample_tables();
  auto got = std::make_unique<AppState>();
  ASSERT_TRUE(read(encode_data_file(*want), *got).ok());
  auto const& f = got->fares;
  ASSERT_EQ(f.km_count, 2);
  EXPECT_EQ(f.km[2].station, "新大阪");
  EXPECT_EQ(f.km[2].tenths, 5526);
  ASSERT_EQ(f.pair_count, 1);
  EXPECT_EQ(f.pair[1].station_a, "東京");
  EXPECT_EQ(f.pair[1].station_b, "新大阪");
  EXPECT_EQ(f.pair[1].fare, 8510);
  EXPECT_EQ(f.pair[1].express, 5540);
  ASSERT_EQ(f.green_count, 2);
  EXPECT_EQ(f.green[2].room_3_4, 10000);
  ASSERT_EQ(f.ticket_count, 1);
  EXPECT_EQ(f.ticket[1].station_a, "新大阪");
  EXPECT_EQ(f.ticket[1].sheets, 6);
  EXPECT_EQ(f.ticket[1].validity, 3);
  EXPECT_EQ(f.ticket[1].kind, 5);
  EXPECT_EQ(f.ticket[1].price, 81000);
  ASSERT_EQ(f.nozomi_count, 1);
  EXPECT_EQ(f.nozomi[1].spare, 7);
  EXPECT_EQ(f.nozomi[1].supplement, 1360);
  EXPECT_EQ(got->ticket_name[1], "のぞみ指定席特急回数券（普通車用）");
  EXPECT_EQ(got->ticket_name[7], "なすのきっぷ（往復割引きっぷ：普通車自由席）");
  EXPECT_EQ(got->ticket_name[14], "新幹線自由席特急回数券");
}

TEST(FareTable, SectionOfExactly63TimesKRecords) {
  auto s = sample_tables();
  s->fares.pair_count = 126;
  for (std::size_t i = 1; i <= 126; ++i)
    s->fares.pair[i] = {"東京", "新大阪", 0, static_cast<int>(i), 0, static_cast<int>(i) * 1000};
  Layout l;
  std::string bytes = encode_data_file(*s, &l);
  EXPECT_EQ(l.green - l.pair, 3);  // two full blocks and an empty last block
  auto got = std::make_unique<AppState>();
  ASSERT_TRUE(read(bytes, *got).ok());
  EXPECT_EQ(got->fares.pair_count, 126);
  EXPECT_EQ(got->fares.pair[126].fare, 126);
  EXPECT_EQ(got->fares.pair[64].coupon, 64000);

  // A last block whose trailer is 126 holds 126 mod 63 = 0 records.
  put_long(bytes, at(l.pair + 2, 1020), 126);
  ASSERT_TRUE(read(bytes, *got).ok());
  EXPECT_EQ(got->fares.pair_count, 126);
}

TEST(FareTable, BrokenSectionsAreRefused) {
  auto s = sample_tables();
  Layout l;
  std::string const good = encode_data_file(*s, &l);
  struct Damage {
    std::size_t pos;
    std::int32_t value;
    std::string expected;
  };
  Damage const damages[] = {
      {at(l.km), 5526 * 64, "営業キロの表: 1 件目：駅の行 0 が 1～50 の外です"},
      {at(l.km, 1020), 256,
       "ブロック " + std::to_string(l.km) + " の件数 256 が1ブロックに入る数を超えています"},
      {at(l.km, 1020), -1, "の件数 -1 が負の値です"},
      {at(l.green, 1020), 11, "グリーン料金の表: 10 件（表の大きさ）を超えています"},
      {at(l.pair, 4), 40000, "運賃の表: 1 件目：運賃 40000 が16ビットに収まりません"},
      {at(l.pair), 1 + 64 * 51, "駅の行 51"},
      {at(l.ticket, 4), 3 * 64 + 15, "きっぷの種類 15 が 1～14 の外です"},
      {at(l.nozomi), 51 * 64 + 1, "のぞみ料金の表: 1 件目：駅の行 51"},
      {at(l.nozomi, 1020), 999, "のぞみ料金の表: 2 件目：駅の行 0"},
  };
  for (auto const& d : damages) {
    std::string bytes = good;
    put_long(bytes, d.pos, d.value);
    auto got = std::make_unique<AppState>();
    Status const st = read(bytes, *got);
    EXPECT_NE(st.error.find(d.expected), std::string::npos) << d.expected << " / " << st.error;
  }
}

TEST(FareTable, FailureLeavesTheFormerTables) {
  auto s = sample_tables();
  Layout l;
  std::string bytes = encode_data_file(*s, &l);
  auto state = std::make_unique<AppState>();
  ASSERT_TRUE(read(bytes, *state).ok());
  put_long(bytes, at(l.ticket), 0);
  EXPECT_FALSE(get_paytable(DataFile(bytes), *state, YieldFn{}).ok());
  EXPECT_EQ(state->fares.km_count, 2);
  EXPECT_EQ(state->fares.ticket_count, 1);
}

}  // namespace
}  // namespace vorlash
