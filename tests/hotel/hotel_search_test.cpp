// The hotel search: loading the hotel table, the region check, selecting and
// narrowing the hotels of a region, the list texts, and vorlash-cli hotels.
#include "hotel/hotel_search.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "data/file_io.h"
#include "data/startup.h"
#include "data/test_data_file.h"
#include "hotel/area_district.h"
#include "hotel/hotel_lines.h"
#include "hotel/hotel_load.h"
#include "text/date.h"
#include "text/sjis.h"

namespace vorlash {
namespace {

namespace fs = std::filesystem;

class TempFolder {
 public:
  TempFolder() {
    auto const* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = fs::temp_directory_path() /
            (std::string("vorlash_hotel_search_") + test->test_suite_name() + "_" + test->name());
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempFolder() { fs::remove_all(path_); }
  std::string path() const { return path_.string(); }
  void write(std::string_view name, std::string_view utf8) const {
    std::string sjis;
    ASSERT_TRUE(utf8_to_sjis(utf8, sjis).ok());
    ASSERT_TRUE(write_file_atomically(program_path(path(), name), sjis).ok());
  }

 private:
  fs::path path_;
};

// Region and district tables of the small test DataFile, read back.
std::unique_ptr<AppState> tables_of(const std::string& data_file) {
  auto state = std::make_unique<AppState>();
  DataFile const file(data_file);
  EXPECT_TRUE(get_control(file, *state).ok());
  EXPECT_TRUE(get_hatyaku(file, *state, YieldFn{}).ok());
  EXPECT_TRUE(get_tiku(file, *state, YieldFn{}).ok());
  return state;
}

std::string names_of_table(const AppState& s) {
  std::string out;
  for (int i = 1; i <= s.user_hotel_count + s.data_hotel_count; ++i)
    out += s.hotel[static_cast<std::size_t>(i)].region + "/" +
           s.hotel[static_cast<std::size_t>(i)].name + ";";
  return out;
}

TEST(HotelLoad, ReadsUserThenDataFileHotelsFoldedBehindTheLoadingWindow) {
  TempFolder folder;
  std::string const dat = testing::encode_data_file(*testing::sample_tables());
  ASSERT_TRUE(write_file_atomically(program_path(folder.path(), "vorlashj.dat"), dat).ok());
  folder.write("hotelusr.csv",
               "\"東京／成田\",\"空港\",\"成田ホテル\",\"0476-00-0000\",10,\"駅前\",\"\\8,000\","
               "\"A\"\r\n");
  auto state = tables_of(dat);
  std::string events;
  HotelLoadHooks hooks;
  hooks.open_loading = [&] { events += "open "; };
  hooks.close_loading = [&] { events += "close "; };
  hooks.yield = [&] { events += "."; };

  auto const report = load_hotel_table(*state, folder.path(), hooks);
  EXPECT_TRUE(report.user_hotels.ok()) << report.user_hotels.error;
  EXPECT_TRUE(report.data_file.ok()) << report.data_file.error;
  EXPECT_EQ(state->hotel_loaded, 1);
  EXPECT_EQ(names_of_table(*state), "東京/成田ホテル;東京/ホテルＡ;大阪/ホテルＢ;");
  EXPECT_EQ(state->hotel[1].remarks, "A       ");
  // Events run after the window opens, after opening the DataFile, after
  // its index, telephone and charge blocks, after reading it, and after the
  // window closes.
  EXPECT_EQ(events, "open ......close .");
}

TEST(HotelLoad, EachStepFailsAloneAndTheOthersStillLoad) {
  TempFolder folder;
  std::string const dat = testing::encode_data_file(*testing::sample_tables());
  ASSERT_TRUE(write_file_atomically(program_path(folder.path(), "vorlashj.dat"), dat).ok());
  // The second line holds a text in the room count: it is left out, the
  // first is read, and the DataFile hotels follow it.
  folder.write("hotelusr.csv",
               "\"京都\",\"四条\",\"宿1\",\"075\",1,\"\",\"\",\"\"\r\n"
               "\"京都\",\"四条\",\"宿2\",\"075\",x,\"\",\"\",\"\"\r\n");
  auto state = tables_of(dat);
  state->user_hotel_count = 2;
  state->hotel[1].name = "前1";
  state->hotel[2].name = "前2";
  auto report = load_hotel_table(*state, folder.path(), HotelLoadHooks{});
  EXPECT_FALSE(report.user_hotels.ok());
  EXPECT_NE(report.user_hotels.error.find("2 行目"), std::string::npos) << report.user_hotels.error;
  EXPECT_TRUE(report.data_file.ok());
  EXPECT_EQ(names_of_table(*state), "京都/宿1;東京/ホテルＡ;大阪/ホテルＢ;");

  // Without the DataFile the user hotels alone are loaded, and no DataFile
  // hotel of the earlier load is kept.
  fs::remove(program_path(folder.path(), "vorlashj.dat"));
  fs::remove(program_path(folder.path(), "hotelusr.csv"));
  folder.write("hotelusr.csv", "\"大阪／関西\",\"りんくう\",\"宿3\",\"072\",5,\"\",\"\",\"\"\r\n");
  state->hotel_loaded = 0;
  report = load_hotel_table(*state, folder.path(), HotelLoadHooks{});
  EXPECT_TRUE(report.user_hotels.ok());
  EXPECT_FALSE(report.data_file.ok());
  EXPECT_EQ(state->hotel_loaded, 1);
  EXPECT_EQ(names_of_table(*state), "大阪/宿3;");
}

// A hand-made table: user hotels 1..2, DataFile hotels 3..8.
std::unique_ptr<AppState> small_table() {
  auto s = std::make_unique<AppState>();
  HotelSearchState search;
  s->regions.count = 3;
  s->regions.name[1] = "東京／羽田";
  s->regions.name[2] = "京都";
  s->regions.name[3] = "東京／成田";
  auto const put = [&](int slot, const char* region, const char* district, const char* name) {
    auto& h = s->hotel[static_cast<std::size_t>(slot)];
    h.region = region;
    h.district = district;
    h.name = name;
  };
  put(1, "東京", "八重洲", "U1");
  put(2, "京都", "四条", "U2");
  put(3, "東京", "丸の内", "D1");
  put(4, "東京", "丸の内 ", "D2");
  put(5, "東京", "八重洲", "D3");
  put(6, "京都", "祇園", "D4");
  put(7, "東京", "銀座", "D5");
  put(8, "新東京", "銀座", "D6");
  s->user_hotel_count = 2;
  s->data_hotel_count = 6;
  return s;
}

std::string results(const AppState& s, const HotelSearchState& search) {
  std::string out;
  for (int r = 1; r <= search.result_count; ++r)
    out += s.hotel[static_cast<std::size_t>(search.result[static_cast<std::size_t>(r)])].name + " ";
  return out;
}

std::string district_runs(const HotelSearchState& search) {
  std::string out;
  for (int d = 1; d <= search.district_count; ++d)
    out += search.district[static_cast<std::size_t>(d)] + "|";
  return out;
}

TEST(SelData, FoldsTheSearchRegionAndListsDistrictRunsInTableOrder) {
  auto s = small_table();
  HotelSearchState search;
  search.region_text = " 東京／成田 ";
  sel_data(*s, search);
  EXPECT_EQ(results(*s, search), "U1 D1 D2 D3 D5 ");
  // 丸の内 and "丸の内 " are one run (trimmed); 八重洲 comes back as a run
  // of its own after 丸の内.
  EXPECT_EQ(district_runs(search), "八重洲|丸の内|八重洲|銀座|");
  EXPECT_FALSE(can_narrow(search));

  search.region_text = "新東京";
  sel_data(*s, search);
  EXPECT_EQ(results(*s, search), "D6 ");
}

TEST(SelData, NarrowsToTheSelectedDistrictsButKeepsEveryRun) {
  auto s = small_table();
  HotelSearchState search;
  search.region_text = "東京／羽田";
  store_selected_districts(search, {" 丸の内", "銀座"});
  sel_data(*s, search);
  EXPECT_EQ(results(*s, search), "D1 D2 D5 ");
  EXPECT_EQ(district_runs(search), "八重洲|丸の内|八重洲|銀座|");

  // The district selection offers the runs not chosen (exact comparison),
  // and choosing none is no narrowing.
  store_selected_districts(search, {"丸の内", "銀座"});
  auto const lists = district_lists(search);
  EXPECT_EQ(lists.available, (std::vector<std::string>{"八重洲", "八重洲"}));
  EXPECT_EQ(lists.chosen, (std::vector<std::string>{"丸の内", "銀座"}));
  store_selected_districts(search, {});
  sel_data(*s, search);
  EXPECT_EQ(results(*s, search), "U1 D1 D2 D3 D5 ");
}

TEST(SelData, SortModeOneOrdersByDistrictOthersKeepTableOrder) {
  auto s = small_table();
  HotelSearchState search;
  search.region_text = "東京／羽田";
  for (int mode : {0, 2}) {
    s->control3_flg = mode;
    EXPECT_EQ(select_hotel_list(*s, search), 5);
    EXPECT_EQ(results(*s, search), "U1 D1 D2 D3 D5 ") << mode;
  }
  s->control3_flg = 1;
  select_hotel_list(*s, search);
  // 丸 U+4E38, 八 U+516B, 銀 U+9280; "丸の内" sorts before "丸の内 ".
  EXPECT_EQ(results(*s, search), "D1 D2 U1 D3 D5 ");
}

TEST(SelData, CutsAtTwoHundredHotelsAndDistrictRuns) {
  auto s = std::make_unique<AppState>();
  HotelSearchState search;
  s->data_hotel_count = 250;
  for (int i = 1; i <= 250; ++i) {
    auto& h = s->hotel[static_cast<std::size_t>(i)];
    h.region = "京都";
    h.district = "地区" + std::to_string(i);
    h.name = std::to_string(i);
  }
  search.region_text = "京都";
  auto const cut = sel_data(*s, search);
  EXPECT_TRUE(cut.hotels);
  EXPECT_TRUE(cut.districts);
  ASSERT_EQ(search.result_count, 200);
  EXPECT_EQ(search.result[200], 200);
  ASSERT_EQ(search.district_count, 200);
  EXPECT_EQ(search.district[200], "地区200");
  EXPECT_TRUE(can_narrow(search));
}

TEST(SelData, EmptyRegionFindsNothingEvenHotelsWithoutRegion) {
  auto s = small_table();
  HotelSearchState search;
  s->hotel[2].region = "";  // as a DataFile index entry of region 0 gives
  search.region_text = "";
  EXPECT_EQ(select_hotel_list(*s, search), 0);
  EXPECT_EQ(search.district_count, 0);
}

TEST(HotelSearchStart, RegionCheckAndTheStateOfANewSearch) {
  auto s = small_table();
  HotelSearchState search;
  EXPECT_EQ(check_search_start(*s, "  東京／羽田 "), SearchStart::Run);
  // Hotels are held under 東京, but 東京 itself is no region name.
  EXPECT_EQ(check_search_start(*s, "東京"), SearchStart::BadRegion);
  EXPECT_EQ(check_search_start(*s, " "), SearchStart::BadRegion);
  EXPECT_EQ(check_search_start(*s, ""), SearchStart::EmptyRegion);
  EXPECT_EQ(search_region("大阪／関西"), "大阪");

  s->clock.corrected_year = 1999;
  store_selected_districts(search, {"銀座"});
  begin_hotel_search(*s, search, " 京都 ", day_number(2000, 3, 20));
  EXPECT_EQ(search.origin_text, "＊＊＊＊＊");
  EXPECT_EQ(search.region_text, " 京都 ");
  EXPECT_EQ(search.opened_from_search, 1);
  EXPECT_EQ(search.selected_count, 0);
  EXPECT_EQ(s->clock.corrected_year, 1999);
  EXPECT_EQ(hotel_list_title(*s, search), "＊＊＊＊＊ → 京都  2000/03/20 (月) 出発");
}

TEST(HotelTexts, GridCellsAndListLineTabs) {
  HotelRecord h{"京都", "四条", "ホテル四条", "075-000-0000", 0, "駅前", "\\8,000", "A       "};
  auto const join = [](const HotelGridRow& row) {
    std::string out;
    for (auto const& cell : row) out += cell + "|";
    return out;
  };
  EXPECT_EQ(join(hotel_grid_header()), "地区|ホテル名|電話番号|部屋数|交通|部屋代|備考(評価)|");
  EXPECT_EQ(join(hotel_grid_cells(h)), "四条|ホテル四条|075-000-0000||駅前|\\8,000|A       |");
  h.rooms = 1234;
  EXPECT_EQ(hotel_grid_cells(h)[3], "1234");

  EXPECT_EQ(hotel_list_line(h), "京都\t\t四条\t\tホテル四条\t\t\t075-000-0000");
  h.region = "北陸・中部";                      // 5 characters: one tab
  h.district = "八文字の地区名だ";              // 8 characters: none
  h.name = "十六文字のとても長いホテルの名前";  // 16 characters: none
  EXPECT_EQ(hotel_list_line(h),
            "北陸・中部\t八文字の地区名だ十六文字のとても長いホテルの名前075-000-0000");
}

TEST(AreaSelection, RegionsByAreaAndRecentPlaces) {
  AppState s;
  s.regions.count = 4;
  s.regions.name = {"", "札幌", "東京／羽田", "東京／成田", "京都"};
  s.regions.area = {0, 1, 4, 4, 5};
  EXPECT_EQ(regions_of_area(s, 4), (std::vector<std::string>{"東京／羽田", "東京／成田"}));
  EXPECT_EQ(regions_of_area(s, 0).size(), 4u);
  EXPECT_TRUE(regions_of_area(s, 9).empty());
  EXPECT_EQ(preselected_area(4), 4);
  EXPECT_EQ(preselected_area(12), 0);
  s.departure_ground = {"", "博多", "", "京都", "", ""};
  s.arrival_ground = {"", "札幌", "", "", "", ""};
  EXPECT_EQ(recent_places(s), (std::vector<std::string>{"博多", "京都"}));
}

// vorlash-cli hotels on the compiled sample program folder.
using vorlash::test::CliRun;

CliRun run_cli(const std::string& arguments) {
  return vorlash::test::run_shell(vorlash::test::cli_path() + " hotels " + arguments + " --dir \"" +
                                  VORLASH_SAMPLE_DIR + "\" 2>&1");
}

TEST(HotelsCli, ListsNarrowsAndRefuses) {
  VORLASH_SKIP_CLI_ON_WINDOWS();
  if (!fs::exists(fs::path(VORLASH_SAMPLE_DIR) / "vorlashj.dat"))
    FAIL() << "missing file: vorlashj.dat in " << VORLASH_SAMPLE_DIR;
  CliRun const narrowed =
      run_cli("東京／羽田 --district 八重洲 --district 浅草 --at \"2000-03-20 10:00\"");
  ASSERT_EQ(narrowed.status, 0) << narrowed.out;
  // The sample sorts on every entry (control3_flg 1): 八 U+516B before 浅 U+6D45;
  // the user's own hotel comes first among the 八重洲 hotels.
  EXPECT_EQ(narrowed.out.rfind(
                "＊＊＊＊＊ → 東京／羽田  2000/03/20 (月) 出発\n"
                "地区\tホテル名\t電話番号\t部屋数\t交通\t部屋代\t備考(評価)\n"
                "八重洲\tホテル八重洲さくら\t03-0000-0001\t120\t東京駅徒歩5分\t\\9,800\t★★★     \n"
                "八重洲\t",
                0),
            0u)
      << narrowed.out;
  int lines = 0;
  for (char c : narrowed.out) lines += c == '\n';
  EXPECT_EQ(lines, 2 + 6 + 2);

  CliRun const none = run_cli("京都 --district 銀座");
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.out, "ホテルデータなし\n");
  CliRun const empty = run_cli("\"\"");
  EXPECT_EQ(empty.out, "ホテルデータなし\n");
  CliRun const bad = run_cli("東京");
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.out.find("ホテル検索地域名の入力エラー！！"), std::string::npos) << bad.out;
}

}  // namespace
}  // namespace vorlash
