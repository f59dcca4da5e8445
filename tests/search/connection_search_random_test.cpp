// The fast search against the plain loops on many random timetables: the
// connection tables must be identical, row for row, in every field.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "../../bench/literal_search.h"
#include "search/connection_search.h"
#include "search_fixture.h"

namespace vorlash {
namespace {

using testing::StationRow;
using testing::Timetable;

struct RandomCase {
  int rows = 0;
  int trains = 0;
  bool two_transfers = false;
};

int random_hhmm(int minutes) {
  return (minutes / 60) * 100 + minutes % 60;
}

void fill_random(Timetable& tt, std::mt19937& rng, RandomCase const& rc) {
  auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  std::vector<StationRow> rows;
  int station = 0;
  while (static_cast<int>(rows.size()) < rc.rows) {
    std::string const name = "S" + std::to_string(++station);
    if (static_cast<int>(rows.size()) + 2 <= rc.rows && pick(0, 3) == 0) {
      rows.push_back({name, 1});
      rows.push_back({name, 2});
    } else {
      rows.push_back({name, 0});
    }
  }
  tt.stations(rows);
  static constexpr int kCodes[] = {0, 0, 0, 0, 1, 10, 11, 50, 51, 70, 170};
  static constexpr const char* kLetters[] = {"N", "H", "K", "Y", "Q"};
  // Dense timetables (most trains stopping almost everywhere in a few hours)
  // reach the limits; sparse ones test the empty and narrow cases.
  bool const dense = pick(0, 1) == 0;
  for (int d = 1; d <= 2; ++d) {
    for (int t = 1; t <= rc.trains; ++t) {
      int const stop_percent = dense ? pick(70, 100) : pick(30, 100);
      int minute = dense ? pick(360, 600) : pick(300, 1300);
      // Times on a five-minute grid give many equal keys.
      bool const coarse = pick(0, 1) == 0;
      std::vector<int> times(static_cast<std::size_t>(rc.rows), 0);
      int const first = pick(0, rc.rows / 3);
      int const last = pick(rc.rows * 2 / 3, rc.rows - 1);
      for (int r = first; r <= last; ++r) {
        minute += coarse ? 5 * pick(1, 4) : pick(1, 20);
        if (pick(1, 100) <= stop_percent) times[static_cast<std::size_t>(r)] = random_hhmm(minute);
      }
      // Codes repeat now and then, as "one per train" compares codes.
      std::string const code =
          std::string(kLetters[pick(0, 4)]) + std::to_string(pick(1, rc.trains));
      tt.train(d, code, times, kCodes[pick(0, 10)]);
    }
  }
  auto& c = tt.cond();
  int const st = dense ? pick(1, 3) : pick(1, station - 1);
  int const ed = dense ? pick(station - 2, station) : pick(1, station);
  tt.from_to("S" + std::to_string(st), "S" + std::to_string(ed == st ? st + 1 : ed));
  int const dep_from = dense ? 360 : pick(360, 1200);
  c.st_time1 = random_hhmm(dep_from);
  c.st_time2 = random_hhmm(std::min(dep_from + pick(0, 600), 1439));
  int const arr_from = dense ? pick(360, 600) : pick(360, 1300);
  c.ed_time1 = random_hhmm(arr_from);
  c.ed_time2 = random_hhmm(std::min(arr_from + pick(0, 900), 1439));
  c.wait_time = pick(0, 6) == 0 ? 0 : pick(dense ? 30 : 0, 120);
  c.wait_count = rc.two_transfers ? 2 : 1;
  c.sort_order = pick(1, 3);
  c.plan_weekday = pick(1, 7);
  auto& f = tt.state().day_flags;
  f[3] = pick(0, 1);
  f[4] = pick(0, 1);
  f[5] = pick(0, 1);
}

void expect_same_tables(SearchResult const& fast, SearchResult const& literal, int case_no) {
  ASSERT_EQ(fast.search_dir, literal.search_dir) << "case " << case_no;
  ASSERT_EQ(fast.st_row, literal.st_row) << "case " << case_no;
  ASSERT_EQ(fast.ed_row, literal.ed_row) << "case " << case_no;
  ASSERT_EQ(fast.hit_count, literal.hit_count) << "case " << case_no;
  for (int k = 1; k <= fast.hit_count; ++k) {
    auto const& a = fast.row[k];
    auto const& b = literal.row[k];
    ASSERT_TRUE(a.first_train == b.first_train && a.second_train == b.second_train &&
                a.third_train == b.third_train && a.first_transfer_row == b.first_transfer_row &&
                a.second_transfer_row == b.second_transfer_row && a.sort_key == b.sort_key &&
                a.ride_minutes == b.ride_minutes)
        << "case " << case_no << ", row " << k;
  }
}

// Some first train has 100 transfer connections: its candidate list was cut.
bool has_full_candidate_list(SearchResult const& r) {
  std::array<int, kMaxTrains + 1> transfers{};
  for (int k = 1; k <= r.hit_count; ++k) {
    if (r.row[k].second_train != 0 && ++transfers[r.row[k].first_train] == kMaxCandidates)
      return true;
  }
  return false;
}

void compare_random_cases(int cases, unsigned seed, int max_rows, int max_trains, bool two) {
  std::mt19937 rng(seed);
  auto work = make_search_work();
  auto literal_out = std::make_unique<SearchResult>();
  auto literal_work = std::make_unique<literal::LiteralWork>();
  int with_hits = 0;
  int at_limit = 0;
  int full_candidates = 0;
  for (int i = 0; i < cases; ++i) {
    Timetable tt;
    RandomCase const rc{std::uniform_int_distribution<int>(3, max_rows)(rng),
                        std::uniform_int_distribution<int>(1, max_trains)(rng), two};
    fill_random(tt, rng, rc);
    *literal_out = SearchResult{};
    literal::literal_search(tt.state(), *literal_out, *literal_work);
    run_connection_search(tt.state(), tt.result(), *work, {});
    expect_same_tables(tt.result(), *literal_out, i);
    if (::testing::Test::HasFatalFailure()) return;
    with_hits += tt.result().hit_count > 0;
    full_candidates += has_full_candidate_list(tt.result());
    at_limit += tt.result().hit_count == kMaxConnections;
  }
  // The random cases must exercise the search, not just find nothing.
  EXPECT_GT(with_hits, cases / 3);
  if (two) {
    EXPECT_GT(at_limit, 0);
  }
}

TEST(ConnectionSearchRandom, OneTransferMatchesPlainLoops) {
  compare_random_cases(400, 1234u, 50, 250, false);
}

TEST(ConnectionSearchRandom, TwoTransfersMatchPlainLoops) {
  compare_random_cases(300, 98765u, 30, 80, true);
}

TEST(ConnectionSearchRandom, TwoTransfersOnLargeTimetablesMatchPlainLoops) {
  compare_random_cases(20, 555u, 50, 250, true);
}

}  // namespace
}  // namespace vorlash
