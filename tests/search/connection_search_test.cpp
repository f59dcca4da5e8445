// Connection search on small timetables written out in full.
#include "search/connection_search.h"

#include <gtest/gtest.h>

#include <random>

#include "search_fixture.h"

namespace vorlash {
namespace {

using testing::Timetable;

struct Row {
  int first, second, third, row1, row2;
  bool operator==(Row const&) const = default;
};

std::vector<Row> rows_of(SearchResult const& result) {
  std::vector<Row> out;
  for (int k = 1; k <= result.hit_count; ++k) {
    auto const& r = result.row[k];
    out.push_back({r.first_train, r.second_train, r.third_train, r.first_transfer_row,
                   r.second_transfer_row});
  }
  return out;
}

void search(Timetable& tt, std::function<void()> yield = {}) {
  static auto work = make_search_work();
  run_connection_search(tt.state(), tt.result(), *work, yield);
}

TEST(ConnectionSearch, AdjacentStationsGiveOnlyDirectTrains) {
  Timetable tt;
  tt.stations({{"A"}, {"B"}, {"C"}});
  tt.train(1, "K1", {600, 630, 700});
  tt.train(1, "K2", {0, 640, 720});
  tt.train(1, "K3", {610, 650, 0});
  tt.from_to("A", "B");
  search(tt);
  EXPECT_EQ(rows_of(tt.result()), (std::vector<Row>{{1, 0, 0, 0, 0}, {3, 0, 0, 0, 0}}));
}

TEST(ConnectionSearch, ZeroWaitNeedsTheSameMinute) {
  Timetable tt;
  tt.stations({{"A"}, {"B"}, {"C"}});
  tt.train(1, "K1", {600, 700, 0});  // arrival outside any window: still a first train
  tt.train(1, "K2", {0, 700, 800});
  tt.train(1, "K3", {0, 701, 750});
  tt.train(1, "K4", {0, 659, 740});
  tt.from_to("A", "C");
  tt.cond().wait_time = 0;
  search(tt);
  EXPECT_EQ(rows_of(tt.result()), (std::vector<Row>{{1, 2, 0, 2, 0}}));
  EXPECT_EQ(tt.result().row[1].ride_minutes, 120);
}

TEST(ConnectionSearch, TransferStationWithArrivalAndDepartureRows) {
  Timetable tt;
  tt.stations({{"A"}, {"B", 1}, {"B", 2}, {"C"}});
  tt.train(1, "H1", {600, 700, 702, 0});
  tt.train(1, "K2", {0, 0, 710, 800});    // boards at B's departure row
  tt.train(1, "K3", {0, 705, 830, 900});  // its departure from B is too late
  tt.train(1, "K4", {0, 650, 0, 0});
  tt.from_to("A", "C");
  search(tt);
  // The first train's time is read on the arrival row, the connecting
  // train's on the departure row, which is the recorded transfer row.
  EXPECT_EQ(rows_of(tt.result()), (std::vector<Row>{{1, 2, 0, 3, 0}}));
}

TEST(ConnectionSearch, TwoTransfersExtendEachOneTransferCandidate) {
  Timetable tt;
  tt.stations({{"A"}, {"B"}, {"C"}, {"D"}});
  tt.train(1, "N1", {600, 700, 0, 0});
  tt.train(1, "K2", {0, 710, 800, 900});
  tt.train(1, "K3", {0, 0, 820, 850});
  tt.train(1, "K4", {0, 0, 815, 2000});  // arrives outside the window
  tt.from_to("A", "D");
  tt.cond().ed_time2 = 1800;
  tt.cond().wait_count = 2;
  tt.cond().sort_order = 1;
  search(tt);
  // Found in order: via K2 alone, then K2 + K3. Both leave at 6:00, so the
  // departure order puts the shorter ride (8:50 against 9:00) first.
  auto const rows = rows_of(tt.result());
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], (Row{1, 2, 3, 2, 3}));
  EXPECT_EQ(rows[1], (Row{1, 2, 0, 2, 0}));
}

TEST(ConnectionSearch, UpDirectionUsesTheSecondStationList) {
  Timetable tt;
  tt.stations({{"A"}, {"B", 1}, {"B", 2}, {"C"}});
  // Direction 2 lists C, B arrival, B departure, A.
  tt.train(2, "H2", {600, 650, 655, 730});
  tt.from_to("B", "A");
  search(tt);
  auto const& r = tt.result();
  EXPECT_EQ(r.search_dir, 2);
  EXPECT_EQ(r.st_row, 3);  // boarding uses the departure row
  EXPECT_EQ(r.ed_row, 4);
  EXPECT_EQ(rows_of(tt.result()), (std::vector<Row>{{1, 0, 0, 0, 0}}));
}

TEST(ConnectionSearch, FirstTrainsMustRunAndLeaveInTheWindow) {
  Timetable tt;
  tt.stations({{"A"}, {"B"}});
  tt.train(1, "K1", {0, 700});        // passes A
  tt.train(1, "K2", {559, 700});      // before the window
  tt.train(1, "K3", {800, 900}, 11);  // weekdays only
  tt.train(1, "K4", {801, 900}, 70);  // Sundays and holidays only
  tt.from_to("A", "B");
  search(tt);
  EXPECT_EQ(rows_of(tt.result()), (std::vector<Row>{{3, 0, 0, 0, 0}}));
  tt.state().day_flags[3] = 1;
  tt.state().day_flags[4] = 1;
  search(tt);
  EXPECT_EQ(rows_of(tt.result()), (std::vector<Row>{{4, 0, 0, 0, 0}}));
}

TEST(ConnectionSearch, OperatingDayCodes) {
  Timetable tt;
  struct Case {
    int code, weekday, f3, f4, f5;
    bool runs;
  };
  Case const cases[] = {
      {0, 1, 1, 1, 0, true},    {11, 4, 0, 0, 0, true},  {11, 7, 1, 0, 1, false},
      {1, 7, 1, 0, 1, true},    {1, 1, 1, 1, 0, false},  {10, 1, 1, 1, 0, true},
      {10, 7, 1, 0, 1, false},  {50, 6, 0, 0, 0, true},  {50, 5, 0, 0, 0, false},
      {51, 6, 0, 0, 0, true},   {51, 4, 1, 1, 0, true},  {51, 7, 1, 0, 1, false},
      {70, 4, 1, 1, 0, true},   {70, 7, 1, 0, 1, false}, {170, 7, 1, 0, 1, true},
      {170, 1, 1, 1, 0, false}, {99, 1, 1, 1, 0, true},
  };
  tt.train(1, "K1", {600});
  for (auto const& c : cases) {
    tt.state().sinkansen.operating_day[1][1] = c.code;
    tt.cond().plan_weekday = c.weekday;
    tt.state().day_flags[3] = c.f3;
    tt.state().day_flags[4] = c.f4;
    tt.state().day_flags[5] = c.f5;
    EXPECT_EQ(runs_on_date(tt.state(), 1, 1), c.runs) << "code " << c.code;
  }
}

TEST(ConnectionSearch, CandidatesPerFirstTrainStopAtOneHundred) {
  Timetable tt;
  tt.stations({{"A"}, {"B"}, {"C"}});
  tt.train(1, "H1", {600, 700, 0});
  for (int i = 0; i < 150; ++i) tt.train(1, "K" + std::to_string(i), {0, 700 + i % 60, 900});
  tt.from_to("A", "C");
  search(tt);
  auto const rows = rows_of(tt.result());
  ASSERT_EQ(rows.size(), 100u);
  // All rides are equal, so the exchange sort orders by nothing but key ties;
  // the set is the first 100 trains found: trains 2..101.
  std::vector<int> seconds;
  for (auto const& r : rows) seconds.push_back(r.second);
  std::sort(seconds.begin(), seconds.end());
  EXPECT_EQ(seconds.front(), 2);
  EXPECT_EQ(seconds.back(), 101);
}

TEST(ConnectionSearch, TheWholeSearchEndsAtOneThousandConnections) {
  Timetable tt;
  tt.stations({{"A"}, {"B"}, {"C"}});
  for (int i = 0; i < 11; ++i) tt.train(1, "H" + std::to_string(i), {600 + i, 700, 0});
  for (int i = 0; i < 100; ++i) tt.train(1, "K" + std::to_string(i), {0, 710, 800 + i % 50});
  tt.train(1, "N1", {630, 0, 830});  // a direct train after the limit
  int yields = 0;
  tt.from_to("A", "C");
  search(tt, [&yields] { ++yields; });
  auto const& r = tt.result();
  ASSERT_EQ(r.hit_count, 1000);
  for (int k = 1; k <= r.hit_count; ++k) {
    ASSERT_LE(r.row[k].first_train, 10) << "row " << k;
    ASSERT_NE(r.row[k].second_train, 0);
  }
  // Yields come every twentieth train until the search ends (train 11).
  EXPECT_EQ(yields, 0);
  tt.cond().st_time2 = 600;
  search(tt, [&yields] { ++yields; });
  EXPECT_EQ(yields, 5);  // trains 20, 40, ..., 100 of 112
  EXPECT_EQ(tt.result().hit_count, 100);
}

TEST(ConnectionSearch, ExchangeSortOrderForEqualKeys) {
  Timetable tt;
  tt.stations({{"A"}, {"B"}});
  tt.train(1, "K1", {600, 800});  // ride 120
  tt.train(1, "K2", {600, 800});  // ride 120, same key
  tt.train(1, "K3", {610, 710});  // ride 60
  tt.from_to("A", "B");
  search(tt);
  // Moving K3 to the front puts K1 where K3 was: equal keys end up reversed.
  EXPECT_EQ(rows_of(tt.result()),
            (std::vector<Row>{{3, 0, 0, 0, 0}, {2, 0, 0, 0, 0}, {1, 0, 0, 0, 0}}));
}

TEST(ConnectionSearch, KeysOfTheThreeOrders) {
  Connection c;
  set_key(c, 1, 1, 605, 1010);
  EXPECT_EQ(c.ride_minutes, 245);
  EXPECT_EQ(c.sort_key, 605 * 10000 + 245 + 1);
  set_key(c, 2, 2, 605, 1010);
  EXPECT_EQ(c.sort_key, 1010 * 10000 + 245 + 2);
  set_key(c, 3, 0, 605, 1010);
  EXPECT_EQ(c.sort_key, 245 * 10000 + 605);
  set_key(c, 0, 0, 605, 1010);
  EXPECT_EQ(c.sort_key, 245 * 10000 + 605);
  EXPECT_EQ(latest_departure(2330, 45), 2415);  // no wrap at midnight
  EXPECT_EQ(latest_departure(655, 0), 655);
}

TEST(ConnectionSearch, DepartureOrderPutsDirectBeforeTransferAtEqualRide) {
  Timetable tt;
  tt.stations({{"A"}, {"B"}, {"C"}});
  tt.train(1, "H1", {600, 650, 0});
  tt.train(1, "K2", {0, 700, 800});
  tt.train(1, "K3", {600, 0, 800});
  tt.from_to("A", "C");
  tt.cond().sort_order = 1;
  search(tt);
  EXPECT_EQ(rows_of(tt.result()), (std::vector<Row>{{3, 0, 0, 0, 0}, {1, 2, 0, 2, 0}}));
}

// The sort against exchanging whole rows, on random keys with many ties and
// on every table length from 0 to 40 and a few long ones.
TEST(ConnectionSearch, SortMatchesExchangingWholeRows) {
  std::mt19937 rng(7);
  auto table = std::make_unique<SearchResult>();
  auto reference = std::make_unique<SearchResult>();
  std::vector<int> lengths;
  for (int n = 0; n <= 40; ++n) lengths.push_back(n);
  for (int n : {999, 1000, 997}) lengths.push_back(n);
  for (int n : lengths) {
    int const distinct = std::uniform_int_distribution<int>(1, 50)(rng);
    table->hit_count = n;
    for (int k = 1; k <= n; ++k) {
      table->row[k] = {k, 0, 0, 0, 0, std::uniform_int_distribution<int>(-3, distinct)(rng), k};
    }
    *reference = *table;
    for (int i = 1; i < n; ++i) {
      for (int j = i + 1; j <= n; ++j) {
        if (reference->row[j].sort_key < reference->row[i].sort_key)
          std::swap(reference->row[i], reference->row[j]);
      }
    }
    sort_connections(*table);
    for (int k = 1; k <= n; ++k) {
      ASSERT_EQ(table->row[k].first_train, reference->row[k].first_train)
          << n << " rows, row " << k;
    }
  }
}

}  // namespace
}  // namespace vorlash
