// The compiled Edition 1 sample, read back the way the program reads it. The
// departure board, the timetable views, the connection search and the fare
// text all assume these properties of the installed data.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "data/app_state.h"
#include "data/readers.h"

namespace vorlash {
namespace {

class SampleData : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::path const path = std::filesystem::path(VORLASH_SAMPLE_DIR) / "vorlashj.dat";
    if (!std::filesystem::exists(path)) FAIL() << "missing file: " << path;
    state_ = std::make_unique<AppState>();
    Status const read = read_whole_data_file(path.string(), *state_);
    ASSERT_TRUE(read.ok()) << read.error;
  }

  int minutes(int hhmm) const { return hhmm / 100 * 60 + hhmm % 100; }

  std::unique_ptr<AppState> state_;
};

TEST_F(SampleData, ShinkansenTrainsKeepTheirRowsInOrder) {
  auto const& s = state_->sinkansen;
  ASSERT_EQ(state_->edition, 1);
  for (int d = 1; d <= 2; ++d) {
    SCOPED_TRACE("direction " + std::to_string(d));
    int const rows = s.station_count[d];
    EXPECT_EQ(rows, 38);
    EXPECT_EQ(s.station[d][1], d == 1 ? "東京" : "博多");
    EXPECT_EQ(s.station[d][rows], d == 1 ? "博多" : "東京");
    std::set<std::string> doubled;
    for (int r = 1; r <= rows; ++r) {
      if (s.row_kind[d][r] != 1) continue;
      EXPECT_EQ(s.row_kind[d][r + 1], 2) << s.station[d][r];
      EXPECT_EQ(s.station[d][r + 1], s.station[d][r]);
      doubled.insert(s.station[d][r]);
    }
    EXPECT_EQ(doubled, (std::set<std::string>{"名古屋", "新大阪", "岡山", "広島"}));

    EXPECT_GE(s.train_count[d], 200);
    EXPECT_LE(s.train_count[d], kMaxTrains);
    std::set<std::string> codes;
    int previous_first = 0;
    for (int t = 1; t <= s.train_count[d]; ++t) {
      std::string const code = s.code[d][t].str();
      EXPECT_TRUE(codes.insert(code).second) << "code twice: " << code;
      int first = 0;
      int last = 0;
      for (int r = 1; r <= rows; ++r) {
        int const time = s.time[d][r][t];
        if (time == 0) continue;
        if (last != 0) {
          EXPECT_LT(minutes(s.time[d][last][t]), minutes(time)) << code << " row " << r;
        }
        if (first == 0) first = r;
        last = r;
      }
      ASSERT_NE(first, last) << code << " has fewer than two stops";
      EXPECT_NE(s.row_kind[d][first], 1) << code << " starts on an arrival row";
      EXPECT_NE(s.row_kind[d][last], 2) << code << " ends on a departure row";
      // A call at a doubly listed station has both rows, so the search finds
      // the arrival on one and the connecting departure on the other.
      for (int r = first + 1; r < last; ++r) {
        if (s.row_kind[d][r] == 1) {
          EXPECT_EQ(s.time[d][r][t] == 0, s.time[d][r + 1][t] == 0) << code << " row " << r;
        }
      }
      EXPECT_GE(s.time[d][first][t], 600) << code;
      EXPECT_LE(s.time[d][last][t], 2359) << code;
      EXPECT_GE(s.time[d][first][t], previous_first) << code << " out of timetable order";
      previous_first = s.time[d][first][t];
    }
  }
}

TEST_F(SampleData, KeiyoRapidsPassAndShortTrainsEndAtShinNarashino) {
  auto const& k = state_->keiyo;
  for (int table = 1; table <= kKeiyoTables; ++table) {
    SCOPED_TRACE("table " + std::to_string(table));
    ASSERT_EQ(k.station_count[table], 11);
    bool const down = table == 1 || table == 3;
    EXPECT_EQ(k.station[table][1], down ? "東京" : "蘇我");
    int kasai = 0;
    int narashino = 0;
    for (int p = 1; p <= 11; ++p) {
      if (k.station[table][p] == "葛西臨海公園") kasai = p;
      if (k.station[table][p] == "新習志野") narashino = p;
    }
    ASSERT_NE(kasai, 0);
    ASSERT_NE(narashino, 0);
    EXPECT_GE(k.train_count[table], 120);
    int short_trains = 0;
    for (int t = 1; t <= k.train_count[table]; ++t) {
      std::string const code = k.code[table][t].str();
      bool const rapid = code.find_last_not_of(' ') != std::string::npos &&
                         code[code.find_last_not_of(' ')] == 'A';
      if (rapid) {
        EXPECT_EQ(k.time[table][kasai][t], 0) << code;
        EXPECT_EQ(k.time[table][narashino][t], 0) << code;
      }
      int last = 0;
      for (int p = 1; p <= 11; ++p) {
        if (k.time[table][p][t] == 0) continue;
        if (last != 0) {
          EXPECT_LT(minutes(k.time[table][last][t]), minutes(k.time[table][p][t])) << code;
        }
        last = p;
      }
      if (k.time[table][11][t] == 0) {
        ++short_trains;
        EXPECT_EQ(last, narashino) << code;
      }
      if (!down && k.time[table][1][t] == 0) {
        // An up train that does not start at 蘇我 starts at 新習志野.
        int first = 1;
        while (first <= 11 && k.time[table][first][t] == 0) ++first;
        EXPECT_EQ(first, narashino) << code;
      }
    }
    if (down) {
      EXPECT_GT(short_trains, 0) << "no train ends at 新習志野";
    }
  }
}

TEST_F(SampleData, EveryStationPairHasKilometresAndAFare) {
  auto const& f = state_->fares;
  auto const& s = state_->sinkansen;
  std::map<std::string, int> km;
  for (int i = 1; i <= f.km_count; ++i) km[f.km[i].station] = f.km[i].tenths;
  std::map<std::pair<std::string, std::string>, FarePair> pairs;
  for (int i = 1; i <= f.pair_count; ++i) {
    auto const& pair = f.pair[i];
    EXPECT_TRUE(pairs.emplace(std::make_pair(pair.station_a, pair.station_b), pair).second);
  }
  std::set<std::string> names;
  for (int r = 1; r <= s.station_count[1]; ++r) names.insert(s.station[1][r]);
  for (auto const& a : names) {
    EXPECT_TRUE(km.count(a)) << a;
    for (auto const& b : names) {
      if (a >= b) continue;
      EXPECT_EQ(pairs.count({a, b}) + pairs.count({b, a}), 1u) << a << "-" << b;
    }
  }

  auto const& osaka = pairs.at({"東京", "新大阪"});
  EXPECT_EQ(km.at("新大阪") - km.at("東京"), 5526);
  EXPECT_EQ(osaka.fare, 8510);
  EXPECT_EQ(osaka.express, 5240);
  EXPECT_EQ(osaka.free_seat_express, 0);  // the program takes 510 off
  EXPECT_EQ(pairs.at({"東京", "名古屋"}).express, 4490);
  EXPECT_EQ(pairs.at({"東京", "博多"}).fare, 13440);

  ASSERT_EQ(f.green_count, 6);
  EXPECT_EQ(f.green[f.green_count].upper_km, 9999);
  bool found = false;
  for (int i = 1; i <= f.nozomi_count; ++i) {
    if (f.nozomi[i].station_a != "東京" || f.nozomi[i].station_b != "新大阪") continue;
    found = true;
    EXPECT_EQ(f.nozomi[i].nozomi_express, 6210);
    EXPECT_EQ(f.nozomi[i].supplement, 970);
  }
  EXPECT_TRUE(found);
  for (int i = 1; i <= f.ticket_count; ++i) {
    EXPECT_GT(f.ticket[i].sheets, 0);
    EXPECT_EQ(f.ticket[i].price % f.ticket[i].sheets, 0) << "ticket " << i;
  }
}

TEST_F(SampleData, HotelsNameKnownRegionsAndFitTheLists) {
  std::set<std::string> regions;
  for (int i = 1; i <= state_->regions.count; ++i) regions.insert(state_->regions.name[i]);
  EXPECT_TRUE(regions.count("東京／羽田") && regions.count("大阪／伊丹"));
  int const n = state_->data_hotel_count;
  EXPECT_GE(n, 300);
  EXPECT_LE(n, 900) << "leave room for the user's own hotels";
  std::map<std::string, int> per_region;
  for (int i = 1; i <= n; ++i) {
    auto const& h = state_->hotel[i];
    EXPECT_TRUE(regions.count(h.region)) << h.name;
    EXPECT_FALSE(h.district.empty()) << h.name;
    EXPECT_FALSE(h.tel.empty()) << h.name;
    std::string const folded = h.region.rfind("東京", 0) == 0   ? "東京"
                               : h.region.rfind("大阪", 0) == 0 ? "大阪"
                                                                : h.region;
    ++per_region[folded];
  }
  for (auto const& [region, count] : per_region)
    EXPECT_LE(count, kMaxHotelResults) << region << ": the hotel list shows 200";
}

}  // namespace
}  // namespace vorlash
