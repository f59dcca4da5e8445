#include "data/hotel_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/file_io.h"
#include "data/test_data_file.h"
#include "text/sjis.h"
#include "text/utf8.h"

namespace vorlash {
namespace {

using testing::encode_data_file;
using testing::Layout;
using testing::sample_tables;

namespace fs = std::filesystem;

std::unique_ptr<AppState> tables_read_from(const std::string& bytes) {
  auto state = std::make_unique<AppState>();
  DataFile const file(bytes);
  EXPECT_TRUE(get_control(file, *state).ok());
  EXPECT_TRUE(apply_edition(*state).ok());
  EXPECT_TRUE(get_hatyaku(file, *state, YieldFn{}).ok());
  EXPECT_TRUE(get_tiku(file, *state, YieldFn{}).ok());
  return state;
}

std::string sjis(std::string_view utf8) {
  std::string out;
  EXPECT_TRUE(utf8_to_sjis(utf8, out).ok());
  return out;
}

class TempDir {
 public:
  TempDir() {
    path_ = fs::temp_directory_path() /
            ("vorlash_hotel_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempDir() { fs::remove_all(path_); }
  std::string file(std::string_view name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

TEST(HotelSection, ReadsAfterTheUserHotelsWithAndWithoutFolding) {
  auto const want = sample_tables();
  std::string const bytes = encode_data_file(*want);
  auto state = tables_read_from(bytes);
  state->user_hotel_count = 1;
  state->hotel[1].name = "自分のホテル";
  ASSERT_TRUE(get_hotel(DataFile(bytes), *state, YieldFn{}).ok());
  EXPECT_EQ(state->data_hotel_count, 2);
  EXPECT_EQ(state->hotel[1].name, "自分のホテル");
  HotelRecord const& a = state->hotel[2];
  EXPECT_EQ(a.region, "東京");
  EXPECT_EQ(a.district, "京橋");
  EXPECT_EQ(a.name, "ホテルＡ");
  EXPECT_EQ(a.tel, "03-1234-5678");
  EXPECT_EQ(a.rooms, 120);
  EXPECT_EQ(a.access, "京橋駅徒歩５分");
  EXPECT_EQ(a.charge, "\\9,800  ");
  EXPECT_EQ(a.remarks, "○       ");
  EXPECT_EQ(state->hotel[3].region, "大阪");
  EXPECT_EQ(state->hotel[3].rooms, 0);

  ASSERT_TRUE(get_hotel(DataFile(bytes), *state, YieldFn{}, false).ok());
  EXPECT_EQ(state->hotel[2].region, "東京／羽田");
}

TEST(HotelSection, BlockCountsFollowTheNumberOfHotels) {
  for (int n : {85, 86, 128, 250, 251}) {
    SCOPED_TRACE(n);
    auto s = sample_tables();
    s->data_hotel_count = n;
    for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i) {
      std::string const id = std::to_string(i);
      s->hotel[i] = {"新東京", "梅田",   "H" + id, "T" + id, static_cast<int>(i),
                     "A" + id, "C" + id, "R" + id};
    }
    Layout l;
    std::string const bytes = encode_data_file(*s, &l);
    EXPECT_EQ(l.hotel_access - l.hotel_tels, (n + 84) / 85);
    EXPECT_EQ(l.hotel_remarks - l.hotel_charges, (n + 127) / 128);
    EXPECT_EQ(l.hotel_names - l.hotel, n > 250 ? 2 : 1);
    auto state = tables_read_from(bytes);
    ASSERT_TRUE(get_hotel(DataFile(bytes), *state, YieldFn{}).ok());
    ASSERT_EQ(state->data_hotel_count, n);
    HotelRecord const& last = state->hotel[static_cast<std::size_t>(n)];
    std::string const id = std::to_string(n);
    EXPECT_EQ(last.region, "新東京");
    EXPECT_EQ(last.name, "H" + id);
    EXPECT_EQ(last.tel, fit_chars("T" + id, 12));
    EXPECT_EQ(last.charge, fit_chars("C" + id, 8));
    EXPECT_EQ(last.rooms, n);
    EXPECT_EQ(last.access, "A" + id);
    EXPECT_EQ(last.remarks, fit_chars("R" + id, 8));
  }
}

TEST(HotelSection, NamesEndingOnABlockBoundaryAreFollowedByTheTelephones) {
  auto s = sample_tables();
  s->data_hotel_count = 1;
  s->hotel[1].name = std::string(1020, 'N');  // 4 + 1020 bytes: exactly one block
  Layout l;
  std::string const bytes = encode_data_file(*s, &l);
  EXPECT_EQ(l.hotel_tels, l.hotel_names + 1);
  auto state = tables_read_from(bytes);
  ASSERT_TRUE(get_hotel(DataFile(bytes), *state, YieldFn{}).ok());
  EXPECT_EQ(state->hotel[1].tel, "03-1234-5678");
  EXPECT_EQ(state->hotel[1].access, "京橋駅徒歩５分");
}

TEST(HotelSection, BrokenSectionsAreRefusedAndLeaveNoDataHotels) {
  auto s = sample_tables();
  Layout l;
  std::string const good = encode_data_file(*s, &l);
  auto state = tables_read_from(good);

  std::string blank_tel = good;
  blank_tel.replace(static_cast<std::size_t>(l.hotel_tels) * 1024, 12, std::string(12, ' '));
  Status st = get_hotel(DataFile(blank_tel), *state, YieldFn{});
  EXPECT_NE(st.error.find("ホテル情報: ホテル 1 の電話番号が空です"), std::string::npos)
      << st.error;
  EXPECT_EQ(state->data_hotel_count, 0);
}

TEST(HotelSection, HotelsPastTheTableAreLeftOutAndNamed) {
  auto s = sample_tables();
  std::string const bytes = encode_data_file(*s);
  struct Case {
    int users;
    int kept;
    std::vector<std::string> left_out_regions;
  };
  Case const cases[] = {
      {998, 2, {}}, {999, 1, {"大阪／伊丹"}}, {1000, 0, {"東京／羽田", "大阪／伊丹"}}};
  for (auto const& c : cases) {
    SCOPED_TRACE(c.users);
    auto state = tables_read_from(bytes);
    state->user_hotel_count = c.users;
    LeftOutHotels left_out;
    ASSERT_TRUE(get_hotel(DataFile(bytes), *state, YieldFn{}, false, &left_out).ok());
    EXPECT_EQ(state->data_hotel_count, c.kept);
    EXPECT_EQ(state->data_file_hotel_count, 2);
    EXPECT_EQ(left_out.count, 2 - c.kept);
    EXPECT_EQ(left_out.regions, c.left_out_regions);
    if (c.kept > 0) {
      EXPECT_EQ(state->hotel[static_cast<std::size_t>(c.users + 1)].name, "ホテルＡ");
    }

    LeftOutHotels counted;
    state->data_file_hotel_count = 0;
    ASSERT_TRUE(count_data_file_hotels(DataFile(bytes), *state, counted).ok());
    EXPECT_EQ(state->data_file_hotel_count, 2);
    EXPECT_EQ(counted.regions, c.left_out_regions);
  }
}

TEST(HotelFold, OnlyNamesBeginningWithTokyoOrOsaka) {
  EXPECT_EQ(fold_region("東京／羽田"), "東京");
  EXPECT_EQ(fold_region(" 大阪／関西"), "大阪");
  EXPECT_EQ(fold_region("新東京"), "新東京");
  EXPECT_EQ(fold_region("京都 "), "京都 ");
}

TEST(UserHotelFile, WritesAndReadsBack) {
  TempDir dir;
  std::string const path = dir.file("hotelusr.csv");
  auto state = std::make_unique<AppState>();
  state->user_hotel_count = 2;
  state->hotel[1] = {"東京／羽田", "京橋", "ホテル, 京橋", "03-1234-5678", 0, "徒歩５分",
                     "\\10,000",   "A"};
  state->hotel[2] = {"大阪／伊丹", "梅田", "梅田ホテル", "06-1",
                     -3,           "",     "",           "とても良いホテルです"};
  ASSERT_TRUE(write_user_hotels(path, *state).ok());
  std::string bytes;
  ASSERT_TRUE(read_file_bytes(path, bytes).ok());
  EXPECT_EQ(bytes, sjis("\"東京／羽田\",\"京橋\",\"ホテル, 京橋\",\"03-1234-5678\",0,\"徒歩５分\","
                        "\"\\10,000\",\"A       \"\r\n"
                        "\"大阪／伊丹\",\"梅田\",\"梅田ホテル\",\"06-1\",-3,\"\",\"\","
                        "\"とても良いホテル\"\r\n"));
  EXPECT_FALSE(file_exists(path + ".bak"));

  auto back = std::make_unique<AppState>();
  std::vector<int> unread = {-1};
  ASSERT_TRUE(get_hotel_user(path, *back, false, &unread).ok());
  EXPECT_TRUE(unread.empty());
  ASSERT_EQ(back->user_hotel_count, 2);
  EXPECT_EQ(back->hotel[1].name, "ホテル, 京橋");
  EXPECT_EQ(back->hotel[1].rooms, 0);
  EXPECT_EQ(back->hotel[1].remarks, "A       ");
  EXPECT_EQ(back->hotel[2].region, "大阪／伊丹");
  EXPECT_EQ(back->hotel[2].rooms, -3);
  EXPECT_EQ(back->hotel[2].remarks, "とても良いホテル");

  ASSERT_TRUE(get_hotel_user(path, *back, true, nullptr).ok());
  EXPECT_EQ(back->hotel[1].region, "東京");
}

TEST(UserHotelFile, UnreadableLinesAreLeftOutAndTheOthersRead) {
  auto state = std::make_unique<AppState>();
  std::string const good = sjis("\"東京\",\"京橋\",\"Ａ\",\"1\",10,\"\",\"\",\"\"\r\n");
  struct Case {
    std::string bytes;
    std::vector<int> lines;
    std::string_view why;
    int read;
  };
  Case const cases[] = {
      {good + sjis("\"東京\",\"京橋\",\"Ｂ\",\"1\",abc,\"\",\"\",\"\"\r\n") + good,
       {2},
       "2 行目: 部屋数「abc」が数字ではありません",
       2},
      {good + "\r\n" + sjis("\"東京\",\"京橋\",\"Ｂ\"\r\n"),
       {3},
       "項目が 3 個あります（8 個のはずです）",
       1},
      {sjis("\"東京\",\"京橋\",\"Ａ\"x,\"1\",10,\"\",\"\",\"\"\r\n") + good +
           sjis("\"東京\",\"京橋\r\n"),
       {1, 3},
       "1 行目: 3 番目の項目の閉じたダブルクォーテーションの後に文字があります；3 行目: 2 "
       "番目の項目のダブルクォーテーションが閉じていません",
       1},
      {"\"\x81\",\"\",\"\",\"\",1,\"\",\"\",\"\"\r\n", {1}, "Shift-JIS として読めない文字", 0},
  };
  for (auto const& c : cases) {
    std::vector<int> unread;
    state->user_hotel_count = 5;
    Status const st = parse_user_hotels(c.bytes, "hotelusr.csv", *state, false, &unread);
    EXPECT_EQ(st.error.rfind("hotelusr.csv: " + std::to_string(c.lines[0]) + " 行目: ", 0), 0u)
        << st.error;
    EXPECT_NE(st.error.find(c.why), std::string::npos) << st.error;
    EXPECT_EQ(unread, c.lines);
    EXPECT_EQ(unreadable_user_lines(c.bytes), c.lines);
    EXPECT_EQ(state->user_hotel_count, c.read);
    if (c.read > 0) {
      EXPECT_EQ(state->hotel[1].name, "Ａ");
    }
  }
  // Blanks before a field and an unquoted text are read as delimited text.
  ASSERT_TRUE(parse_user_hotels(sjis(" \"東京\", 京橋 ,Ａ,1, 12 ,\"\",\"\",\"x\""), "f", *state,
                                false, nullptr)
                  .ok());
  EXPECT_EQ(state->user_hotel_count, 1);
  EXPECT_EQ(state->hotel[1].district, "京橋");
  EXPECT_EQ(state->hotel[1].name, "Ａ");
  EXPECT_EQ(state->hotel[1].rooms, 12);
  // Empty input keeps the former hotels.
  ASSERT_TRUE(parse_user_hotels("", "f", *state, false, nullptr).ok());
  EXPECT_EQ(state->user_hotel_count, 1);
}

TEST(UserHotelFile, UnwritableTextsAreRefusedAndNothingIsWritten) {
  TempDir dir;
  std::string const path = dir.file("hotelusr.csv");
  ASSERT_TRUE(write_file_atomically(path, "old").ok());
  auto state = std::make_unique<AppState>();
  state->user_hotel_count = 2;
  state->hotel[1] = {"東京", "京橋", "Ａ", "1", 1, "", "", ""};
  state->hotel[2] = {"東京", "京橋", "\"Ｂ\"", "1", 1, "", "", ""};
  Status st = write_user_hotels(path, *state);
  EXPECT_NE(st.error.find("利用者ホテル 2 のホテル名: ダブルクォーテーション"), std::string::npos)
      << st.error;
  state->hotel[2].name = "Ｂ\U0001F600";
  st = write_user_hotels(path, *state);
  EXPECT_NE(st.error.find("利用者ホテル 2 のホテル名: "), std::string::npos) << st.error;
  std::string bytes;
  ASSERT_TRUE(read_file_bytes(path, bytes).ok());
  EXPECT_EQ(bytes, "old");
  EXPECT_FALSE(file_exists(path + ".bak"));

  // A backup that cannot be written stops the save; the message names the
  // file the user saves, not the backup.
  state->hotel[2].name = "Ｂ";
  std::filesystem::create_directory(path + ".bak");
  st = write_user_hotels(path, *state);
  EXPECT_EQ(st.error, path + ": 保存できません（フォルダーです）。元のファイルはそのままです");
  ASSERT_TRUE(read_file_bytes(path, bytes).ok());
  EXPECT_EQ(bytes, "old");
}

std::string order_of(const AppState& s, int count) {
  std::string out;
  for (std::size_t i = 1; i <= static_cast<std::size_t>(count); ++i)
    out += s.hotel[i].region + " " + s.hotel[i].district + "/";
  return out;
}

TEST(SortHotel, OrdersByRegionThenDistrictInCodePointOrder) {
  auto state = std::make_unique<AppState>();
  state->user_hotel_count = 3;
  state->hotel[1] = {"大阪", "梅田", "1", "", 0, "", "", ""};
  state->hotel[2] = {"東京", "京橋", "2", "", 0, "", "", ""};
  state->hotel[3] = {"大阪", "難波", "3", "", 0, "", "", ""};

  std::array<int, kMaxHotelResults + 1> result{0, 2, 3, 1};
  sort_hotel(*state, result, 3);
  EXPECT_EQ(result[1], 1);
  EXPECT_EQ(result[2], 3);
  EXPECT_EQ(result[3], 2);
  EXPECT_EQ(state->hotel[2].name, "2");  // the table is unchanged

  TempDir dir;
  std::string const path = dir.file("hotelusr.csv");
  ASSERT_TRUE(write_file_atomically(path, "old").ok());
  state->control3_flg = 2;
  ASSERT_TRUE(write_user_hotels(path, *state).ok());
  EXPECT_EQ(order_of(*state, 3), "大阪 梅田/大阪 難波/東京 京橋/");
  EXPECT_EQ(state->hotel[2].name, "3");
  std::string bak;
  ASSERT_TRUE(read_file_bytes(path + ".bak", bak).ok());
  EXPECT_EQ(bak, "old");

  // A prefix sorts first; no trimming.
  state->hotel[1].region = "大阪 ";
  state->hotel[2].region = "大阪";
  state->hotel[3].region = "大";
  sort_hotel(*state);
  EXPECT_EQ(order_of(*state, 3), "大 京橋/大阪 難波/大阪  梅田/");
}

}  // namespace
}  // namespace vorlash
