#include "hotel/user_hotels.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "data/file_io.h"
#include "data/hotel_file.h"
#include "text/sjis.h"

namespace vorlash {
namespace {

namespace fs = std::filesystem;

HotelRecord hotel(std::string region, std::string district, std::string name) {
  HotelRecord h;
  h.region = std::move(region);
  h.district = std::move(district);
  h.name = std::move(name);
  h.tel = "03-0000-0000";
  h.rooms = 10;
  h.remarks = "        ";
  return h;
}

// Regions 東京／羽田 and 大阪／伊丹; user hotels first, then DataFile hotels.
std::unique_ptr<AppState> state_with(std::vector<HotelRecord> user,
                                     std::vector<HotelRecord> data = {}) {
  auto state = std::make_unique<AppState>();
  state->regions.count = 2;
  state->regions.name[1] = "東京／羽田";
  state->regions.name[2] = "大阪／伊丹";
  std::size_t slot = 1;
  for (auto& h : user) state->hotel[slot++] = std::move(h);
  for (auto& h : data) state->hotel[slot++] = std::move(h);
  state->user_hotel_count = static_cast<int>(user.size());
  state->data_hotel_count = static_cast<int>(data.size());
  return state;
}

std::vector<std::string> names(const AppState& state, int from, int to) {
  std::vector<std::string> out;
  for (int s = from; s <= to; ++s) out.push_back(state.hotel[static_cast<std::size_t>(s)].name);
  return out;
}

HotelInput typed(std::string region, std::string district, std::string name, std::string tel,
                 std::string rooms) {
  return {std::move(region),
          std::move(district),
          std::move(name),
          std::move(tel),
          std::move(rooms),
          "",
          "",
          ""};
}

class TempFolder {
 public:
  TempFolder() {
    path_ = fs::temp_directory_path() /
            ("vorlash_userhotels_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempFolder() { fs::remove_all(path_); }
  std::string folder() const { return path_.string(); }
  std::string file(std::string_view name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

std::string utf8_file(const std::string& path) {
  std::string bytes, text;
  EXPECT_TRUE(read_file_bytes(path, bytes).ok());
  EXPECT_TRUE(sjis_to_utf8(bytes, text).ok());
  return text;
}

TEST(UserHotelEditor, EnterChecksGiveTheirMessages) {
  auto const state = state_with({});
  struct Case {
    HotelField field;
    HotelInput input;
    std::string message;
  };
  Case const cases[] = {
      {HotelField::region, typed("", "", "", "", ""), "ホテル検索地域名は省略できません"},
      {HotelField::region, typed("東京", "", "", "", ""), "ホテル検索地域名の入力です"},
      {HotelField::region, typed(" 東京／羽田 ", "", "", "", ""), ""},
      {HotelField::name, typed("", "", "", "", ""), "ホテル名は省略できません"},
      {HotelField::tel, typed("", "", "", "", ""), "電話番号は省略できません"},
      {HotelField::rooms, typed("", "", "", "", "12a"), "部屋数の入力に誤り(数字のみ可)"},
      {HotelField::rooms, typed("", "", "", "", "40000"), "部屋数の入力に誤り(数字のみ可)"},
      {HotelField::rooms, typed("", "", "", "", ""), ""},
      {HotelField::rooms, typed("", "", "", "", " 12 "), ""},
      // Texts the UserHotelFile could not hold.
      {HotelField::name, typed("", "", "ホテル\"月\"", "", ""),
       "ダブルクォーテーション(\")は入力できません"},
      {HotelField::district, typed("", "𠮷野", "", "", ""), "保存できない文字です：𠮷"},
      {HotelField::tel, typed("", "", "", "03\n1", ""), "改行は入力できません"},
  };
  for (auto const& c : cases) {
    SCOPED_TRACE(c.message);
    HotelInput in = c.input;
    EXPECT_EQ(check_field(*state, c.field, in), c.message);
  }

  HotelInput in = typed("東京／羽田", "", "", "", "");
  EXPECT_EQ(check_field(*state, HotelField::district, in), "");
  EXPECT_EQ(in[1], "東京／羽田");
}

TEST(UserHotelEditor, StoreChecksStopAtTheFirstFaultyBox) {
  auto const state = state_with({});
  HotelInput in = typed("大阪／伊丹", "", "", "", "x");
  auto error = check_input(*state, in);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->field, HotelField::name);
  EXPECT_EQ(error->message, "ホテル名は省略できません");
  EXPECT_EQ(in[1], "大阪／伊丹");  // the district was filled on the way

  in = typed("大阪／伊丹", "梅田", "梅田館", "06", "x");
  error = check_input(*state, in);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->field, HotelField::rooms);

  in = typed("大阪／伊丹", "梅田", "梅田館", "06", "");
  in[7] = "\"";
  error = check_input(*state, in);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->field, HotelField::remarks);

  in[7] = "★★★★★★★★★★";
  EXPECT_FALSE(check_input(*state, in));
  HotelRecord const h = hotel_from_input(in);
  EXPECT_EQ(h.rooms, 0);
  EXPECT_EQ(h.remarks, "★★★★★★★★");
  in[4] = "2.5";
  in[7] = "A";
  EXPECT_EQ(hotel_from_input(in).rooms, 2);
  EXPECT_EQ(hotel_from_input(in).remarks, "A       ");
  EXPECT_EQ(input_from_hotel(hotel_from_input(in))[4], "2");
}

TEST(UserHotelEditor, ProposesTheMostRecentHotelRegion) {
  auto state = state_with({});
  EXPECT_EQ(proposed_region(*state), "東京／羽田");
  state->arrival_ground[1] = "京都";
  EXPECT_EQ(proposed_region(*state), "京都");
}

TEST(UserHotelSlots, AddAppendsBeforeTheDataFileHotels) {
  auto state = state_with({hotel("東京／羽田", "八重洲", "A"), hotel("京都", "四条", "B")},
                          {hotel("東京", "京橋", "D1"), hotel("大阪", "梅田", "D2")});
  EXPECT_EQ(add_user_hotel(*state, hotel("大阪／伊丹", "梅田", "C")), 3);
  EXPECT_EQ(state->user_hotel_count, 3);
  EXPECT_EQ(state->data_hotel_count, 2);
  EXPECT_EQ(names(*state, 1, 5), (std::vector<std::string>{"A", "B", "C", "D1", "D2"}));
  EXPECT_EQ(user_hotel_lines(*state),
            (std::vector<std::string>{"東京／羽田\t八重洲\t\tA\t\t\t\t03-0000-0000",
                                      "京都\t\t四条\t\tB\t\t\t\t03-0000-0000",
                                      "大阪／伊丹\t梅田\t\tC\t\t\t\t03-0000-0000"}));
}

TEST(UserHotelSlots, SortModeOneReSortsAfterEveryEntry) {
  auto state = state_with({hotel("東京／羽田", "八重洲", "A"), hotel("東京／羽田", "京橋", "B")});
  state->control3_flg = 1;
  EXPECT_EQ(add_user_hotel(*state, hotel("大阪／伊丹", "梅田", "C")), 1);
  EXPECT_EQ(names(*state, 1, 3), (std::vector<std::string>{"C", "B", "A"}));

  // Changing the region of C moves it behind the 東京 hotels.
  ASSERT_TRUE(change_user_hotel(*state, 1, hotel("横浜", "関内", "C2")));
  EXPECT_EQ(names(*state, 1, 3), (std::vector<std::string>{"B", "A", "C2"}));
}

TEST(UserHotelSlots, ChangeReplacesAndAddAsNewKeepsTheEditedHotel) {
  auto state = state_with(
      {hotel("京都", "四条", "A"), hotel("京都", "四条", "B"), hotel("京都", "三条", "C")});
  HotelRecord changed = state->hotel[3];
  changed.name = "C 新館";
  // "追加更新" on hotel 3: hotel 3 stays, the changed one is added at the end.
  EXPECT_EQ(add_user_hotel(*state, changed), 4);
  EXPECT_EQ(names(*state, 1, 4), (std::vector<std::string>{"A", "B", "C", "C 新館"}));

  ASSERT_TRUE(change_user_hotel(*state, 2, hotel("京都", "四条", "B2")));
  EXPECT_EQ(names(*state, 1, 4), (std::vector<std::string>{"A", "B2", "C", "C 新館"}));
  EXPECT_FALSE(change_user_hotel(*state, 5, hotel("京都", "四条", "X")));
  EXPECT_FALSE(change_user_hotel(*state, 0, hotel("京都", "四条", "X")));
  EXPECT_EQ(state->user_hotel_count, 4);
}

TEST(UserHotelSlots, DeleteMovesTheFollowingHotelsUp) {
  auto state = state_with(
      {hotel("京都", "四条", "A"), hotel("京都", "四条", "B"), hotel("京都", "三条", "C")},
      {hotel("東京", "京橋", "D1")});
  ASSERT_TRUE(delete_user_hotel(*state, 2));
  EXPECT_EQ(state->user_hotel_count, 2);
  EXPECT_EQ(names(*state, 1, 4), (std::vector<std::string>{"A", "C", "D1", ""}));
  EXPECT_FALSE(delete_user_hotel(*state, 3));  // a DataFile hotel
  EXPECT_EQ(state->user_hotel_count, 2);
}

TEST(UserHotelSlots, ANewHotelNeverPushesADataFileHotelOut) {
  struct Case {
    int data_file_hotels;
    int users;
    bool fits;
  };
  Case const cases[] = {{1, 998, true}, {1, 999, false}, {0, 999, true}, {0, kMaxHotels, false}};
  for (auto const& c : cases) {
    SCOPED_TRACE(c.users);
    auto state = std::make_unique<AppState>();
    state->user_hotel_count = c.users;
    state->data_hotel_count = c.data_file_hotels;
    state->data_file_hotel_count = c.data_file_hotels;
    if (c.users < kMaxHotels) state->hotel[static_cast<std::size_t>(c.users + 1)].name = "D1";
    EXPECT_EQ(can_add_user_hotel(*state), c.fits);
    EXPECT_EQ(add_user_hotel(*state, hotel("京都", "四条", "new")), c.fits ? c.users + 1 : 0);
    EXPECT_EQ(state->user_hotel_count, c.users + (c.fits ? 1 : 0));
    EXPECT_EQ(state->data_hotel_count, c.data_file_hotels);
  }
  auto state = std::make_unique<AppState>();
  state->data_file_hotel_count = 250;
  EXPECT_EQ(table_full_message(*state),
            "これ以上ホテルを登録できません(データファイルのホテルと合わせて1000件までのため、"
            "登録は750件まで)");
}

TEST(UserHotelSlots, RestorePutsTheRowsBackAfterAReload) {
  auto state = state_with({hotel("東京／羽田", "八重洲", "A")}, {hotel("東京", "京橋", "D1")});
  add_user_hotel(*state, hotel("京都", "四条", "unsaved"));
  auto const rows = user_hotels(*state);
  EXPECT_FALSE(restore_user_hotels(*state, rows));

  // A hotel search reloads the file: one user hotel, folded, then the
  // DataFile hotels.
  state->hotel_loaded = 1;
  state->user_hotel_count = 1;
  state->hotel[1].region = "東京";
  state->hotel[2] = hotel("東京", "京橋", "D1");
  EXPECT_TRUE(restore_user_hotels(*state, rows));
  EXPECT_EQ(state->user_hotel_count, 2);
  EXPECT_EQ(state->hotel[1].region, "東京／羽田");
  EXPECT_EQ(state->hotel[2].name, "unsaved");
  EXPECT_EQ(state->hotel_loaded, 0);  // the next search reads both files again
}

TEST(UserHotelRegistration, EndingWritesTheRowsAndASecondSaveKeepsTheUnreadableLine) {
  TempFolder dir;
  std::string const path = dir.file("hotelusr.csv");
  std::string old;
  ASSERT_TRUE(utf8_to_sjis("\"京都\",\"四条\",\"A\",\"075\",5,\"\",\"\",\"        \"\r\n"
                           "\"京都\",\"四条\",\"B\",\"075\",many,\"\",\"\",\"        \"\r\n",
                           old)
                  .ok());
  ASSERT_TRUE(write_file_atomically(path, old).ok());

  // The readable line is listed; the original is copied at once.
  auto state = state_with({});
  auto const opening = read_for_registration(*state, dir.folder());
  EXPECT_EQ(opening.unread_lines, std::vector<int>{2});
  EXPECT_EQ(names(*state, 1, state->user_hotel_count), std::vector<std::string>{"A"});
  EXPECT_EQ(registration_message(path, opening),
            path +
                "\r\n2行目が読み込めません。\r\n読み込めなかった行のホテルは一覧に出ず、"
                "登録終了で書き込むファイルにも入りません。\r\n元のファイルは " +
                path + ".bak に残してあります。");
  std::string backup;
  ASSERT_TRUE(read_file_bytes(path + ".bak", backup).ok());
  EXPECT_EQ(backup, old);

  // Register three hotels, delete the second, end with sort mode 2.
  state->control3_flg = 2;
  state->hotel_loaded = 1;
  add_user_hotel(*state, hotel("東京／羽田", "八重洲", "T"));
  add_user_hotel(*state, hotel("京都", "四条", "gone"));
  HotelRecord osaka = hotel("大阪／伊丹", "梅田", "O");
  osaka.rooms = 0;
  osaka.charge = "\\8,500";
  osaka.remarks = "A       ";
  add_user_hotel(*state, osaka);
  ASSERT_TRUE(delete_user_hotel(*state, 3));
  EXPECT_EQ(names(*state, 1, 3), (std::vector<std::string>{"A", "T", "O"}));  // order of entry
  ASSERT_TRUE(end_registration(*state, dir.folder()).ok());
  EXPECT_EQ(state->hotel_loaded, 0);

  std::string const first_save =
      "\"京都\",\"四条\",\"A\",\"075\",5,\"\",\"\",\"        \"\r\n"
      "\"大阪／伊丹\",\"梅田\",\"O\",\"03-0000-0000\",0,\"\",\"\\8,500\",\"A       \"\r\n"
      "\"東京／羽田\",\"八重洲\",\"T\",\"03-0000-0000\",10,\"\",\"\",\"        \"\r\n";
  EXPECT_EQ(utf8_file(path), first_save);
  ASSERT_TRUE(read_file_bytes(path + ".bak", backup).ok());
  EXPECT_EQ(backup, old);

  // A second save keeps the backup that alone holds line 2; the file it
  // replaces goes to a new backup.
  auto again = state_with({});
  auto const reopening = read_for_registration(*again, dir.folder());
  EXPECT_TRUE(reopening.user_file.ok());
  EXPECT_EQ(registration_message(path, reopening), "");
  EXPECT_EQ(user_hotels(*again).size(), 3u);
  EXPECT_EQ(again->hotel[2].region, "大阪／伊丹");  // no folding in the registration
  ASSERT_TRUE(end_registration(*again, dir.folder()).ok());
  ASSERT_TRUE(read_file_bytes(path + ".bak", backup).ok());
  EXPECT_EQ(backup, old);
  std::vector<std::string> dated;
  for (auto const& entry : fs::directory_iterator(dir.folder())) {
    std::string const name = entry.path().filename().string();
    if (name != "hotelusr.csv.bak" && name.ends_with(".bak")) dated.push_back(name);
  }
  ASSERT_EQ(dated.size(), 1u);
  EXPECT_EQ(dated[0].size(), std::string("hotelusr.csv.20261208-0130.bak").size()) << dated[0];
  EXPECT_EQ(utf8_file(dir.file(dated[0])), first_save);
}

TEST(UserHotelRegistration, ABackupOfReadableLinesIsReplacedAndOneWithTheSameBytesReused) {
  TempFolder dir;
  std::string const path = dir.file("hotelusr.csv");
  std::string first, second;
  ASSERT_TRUE(
      utf8_to_sjis("\"京都\",\"四条\",\"A\",\"075\",5,\"\",\"\",\"        \"\r\n", first).ok());
  ASSERT_TRUE(
      utf8_to_sjis("\"京都\",\"四条\",\"B\",\"075\",5,\"\",\"\",\"        \"\r\n", second).ok());
  std::string backup;
  for (auto const* bytes : {&first, &second, &second}) {
    ASSERT_TRUE(write_file_atomically(path, *bytes).ok());
    ASSERT_TRUE(back_up_user_hotels(path, &backup).ok());
    EXPECT_EQ(backup, path + ".bak");
    EXPECT_EQ(utf8_file(backup), utf8_file(path));
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.folder()), fs::directory_iterator{}), 2);
}

TEST(UserHotelRegistration, MessagesNameTheUnreadLinesAndTheHotelsLeftOut) {
  struct Case {
    std::vector<int> lines;
    std::string head;
  };
  Case const cases[] = {
      {{2, 5, 7, 8, 9}, "f\r\n2、5、7～9行目が読み込めません。"},
      {{1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23},
       "f\r\n1、3、5、7、9、11、13、15、17、19行目ほかが読み込めません。"},
  };
  for (auto const& c : cases) {
    RegistrationOpening opening;
    opening.unread_lines = c.lines;
    opening.backup = "f.bak";
    EXPECT_EQ(registration_message("f", opening).rfind(c.head, 0), 0u)
        << registration_message("f", opening);
  }
  RegistrationOpening opening;
  EXPECT_EQ(registration_message("f", opening), "");
  opening.left_out = {3, {"釧路", "帯広"}};
  EXPECT_EQ(
      registration_message("f", opening),
      "登録ホテルとデータファイルのホテルを合わせると1000件を超えるため、データファイルのホテル"
      "3件がホテル検索に出ません(地域：釧路、帯広)。登録ホテルをその件数だけ減らすと、"
      "すべて出るようになります。");
  // A hotel section that cannot be counted is told, not passed over.
  opening.data_file_hotels = Status::failure("vorlashj.dat: ホテル");
  EXPECT_EQ(registration_message("f", opening),
            "データファイルのホテル情報が読み込めないため、ホテル検索に出なくなるホテルを"
            "確かめられません。\r\nvorlashj.dat: ホテル");
}

TEST(UserHotelRegistration, ATableLoadedBySearchIsUsedUnchanged) {
  TempFolder dir;
  std::string sjis;
  ASSERT_TRUE(
      utf8_to_sjis("\"京都\",\"四条\",\"A\",\"075\",5,\"\",\"\",\"        \"\r\n", sjis).ok());
  ASSERT_TRUE(write_file_atomically(dir.file("hotelusr.csv"), sjis).ok());
  auto state = state_with({hotel("東京", "八重洲", "loaded")});
  state->hotel_loaded = 1;
  ASSERT_TRUE(read_for_registration(*state, dir.folder()).user_file.ok());
  EXPECT_EQ(names(*state, 1, 1), (std::vector<std::string>{"loaded"}));
  state->hotel_loaded = 0;
  ASSERT_TRUE(read_for_registration(*state, dir.folder()).user_file.ok());
  EXPECT_EQ(names(*state, 1, 1), (std::vector<std::string>{"A"}));
}

}  // namespace
}  // namespace vorlash
