// The connection search on a timetable of the largest size the tables hold
// (250 trains per direction, 50 rows, most trains stopping at most rows):
// the whole results-window load (season, header, search, sort, list, fare
// text), the search alone, and the plain-loop search as the baseline. And the
// densest timetable the tables hold, compiled from bench/dense/ by the data
// compiler: 250 trains leaving the first station within two hours, every one
// stopping everywhere, searched with two transfers.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

#include "data/readers.h"
#include "literal_search.h"
#include "search/connection_search.h"
#include "search/result_text.h"
#include "search/search_results.h"
#include "text/date.h"

namespace vorlash {
namespace {

struct Scenario {
  const char* name;
  int st_time1, st_time2, ed_time1, ed_time2, wait_time, wait_count;
};

// The two searches asked of the benchmark: direct and one transfer over the
// whole day, and two transfers over two hours with the longest wait. Both
// reach the limit of 1000 connections early, so the scans stop early too.
// The other three ask for arrival windows few journeys reach, so the scans
// run to the end: the most work either search can be given (the last one
// finds nothing at all).
constexpr Scenario kScenarios[] = {
    {"one_transfer_whole_day", 600, 2359, 600, 2359, 60, 1},
    {"two_transfers_two_hours", 600, 800, 600, 2359, 120, 2},
    {"one_transfer_whole_day_late_arrival", 600, 2359, 2355, 2359, 120, 1},
    {"two_transfers_two_hours_afternoon_arrival", 600, 800, 1400, 1430, 120, 2},
    {"two_transfers_two_hours_unreachable_arrival", 600, 800, 1135, 1136, 120, 2},
};

int hhmm(int minutes) {
  return (minutes / 60) * 100 + minutes % 60;
}

std::unique_ptr<AppState> make_timetable() {
  auto state = std::make_unique<AppState>();
  auto& sk = state->sinkansen;
  std::mt19937 rng(20000311u);
  auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };

  // 50 rows: 45 stations, every ninth one with an arrival and a departure row.
  int row = 0;
  for (int s = 1; row < kMaxRows; ++s) {
    std::string const name = "駅" + std::to_string(s);
    if (s % 9 == 0 && row + 2 <= kMaxRows) {
      sk.station[1][++row] = name;
      sk.row_kind[1][row] = 1;
      sk.station[1][++row] = name;
      sk.row_kind[1][row] = 2;
    } else {
      sk.station[1][++row] = name;
      sk.row_kind[1][row] = 0;
    }
  }
  sk.station_count = {0, kMaxRows, kMaxRows};
  // Direction 2: the stations in reverse order, arrival row still first.
  for (int r = 1, src = kMaxRows; src >= 1; --src) {
    if (sk.row_kind[1][src] == 2) {
      sk.station[2][r] = sk.station[2][r + 1] = sk.station[1][src];
      sk.row_kind[2][r] = 1;
      sk.row_kind[2][r + 1] = 2;
      r += 2;
      --src;
    } else {
      sk.station[2][r] = sk.station[1][src];
      sk.row_kind[2][r++] = 0;
    }
  }

  static constexpr const char* kLetters[] = {"N", "H", "K"};
  for (int d = 1; d <= 2; ++d) {
    sk.train_count[d] = kMaxTrains;
    for (int t = 1; t <= kMaxTrains; ++t) {
      int const kind = pick(0, 2);  // 0 fast, 1 semi-fast, 2 all stations
      int const stop_percent = kind == 0 ? 70 : kind == 1 ? 85 : 100;
      int minute = 360 + (t - 1) * 4 + pick(0, 3);
      int const first = pick(0, 5) == 0 ? pick(2, 10) : 1;
      for (int r = first; r <= kMaxRows; ++r) {
        minute += kind == 0 ? pick(3, 5) : pick(4, 8);
        bool const ends = r == first || r == kMaxRows;
        if (sk.row_kind[d][r] == 2) {
          if (sk.time[d][r - 1][t] != 0) sk.time[d][r][t] = hhmm(++minute);
        } else if (ends || pick(1, 100) <= stop_percent) {
          sk.time[d][r][t] = hhmm(minute);
        }
      }
      sk.code[d][t] = std::string(kLetters[kind]) + std::to_string(t);
      sk.vehicle[d][t] = kind == 0 ? "N" : "";
    }
  }

  auto& c = state->cond;
  c.st_station = sk.station[1][1];
  c.ed_station = sk.station[1][kMaxRows];
  c.sort_order = 3;
  c.combination_number = 0;
  c.plan_year = 2000;
  c.plan_month = 3;
  c.plan_day = 15;
  c.plan_date = day_number(2000, 3, 15);
  c.plan_weekday = weekday_of(c.plan_date);
  state->edition = 1;
  state->edition_code = 5006;

  auto& f = state->fares;
  f.km_count = 2;
  f.km[1] = {c.st_station, 0};
  f.km[2] = {c.ed_station, 11749};
  f.pair_count = 1;
  f.pair[1] = {c.st_station, c.ed_station, 0, 13440, 8280, 0};
  f.green_count = 1;
  f.green[1] = {2000, 7440, 11530, 9300};
  return state;
}

AppState& timetable() {
  static auto const state = make_timetable();
  return *state;
}

void apply(AppState& state, Scenario const& s) {
  auto& c = state.cond;
  c.st_time1 = s.st_time1;
  c.st_time2 = s.st_time2;
  c.ed_time1 = s.ed_time1;
  c.ed_time2 = s.ed_time2;
  c.wait_time = s.wait_time;
  c.wait_count = s.wait_count;
}

void BM_ResultsWindowLoad(benchmark::State& bm) {
  Scenario const& s = kScenarios[bm.range(0)];
  AppState& state = timetable();
  apply(state, s);
  auto work = make_search_work();
  auto result = std::make_unique<SearchResult>();
  FareFlags flags;
  std::size_t chars = 0;
  for (auto _ : bm) {
    auto const texts = load_search_results(state, *result, flags, *work, {});
    chars = texts.list.size() + texts.fare.size();
    benchmark::DoNotOptimize(chars);
  }
  bm.SetLabel(std::string(s.name) + " hits=" + std::to_string(result->hit_count));
}

// Whether the fast search gives the plain loops' table on this scenario; a
// benchmark of a search that differs would measure nothing useful.
bool same_as_literal(AppState& state, SearchResult& fast, SearchWork& work) {
  auto literal_out = std::make_unique<SearchResult>();
  auto literal_work = std::make_unique<literal::LiteralWork>();
  literal::literal_search(state, *literal_out, *literal_work);
  run_connection_search(state, fast, work, {});
  if (fast.hit_count != literal_out->hit_count) return false;
  for (int k = 1; k <= fast.hit_count; ++k) {
    auto const& a = fast.row[k];
    auto const& b = literal_out->row[k];
    if (a.first_train != b.first_train || a.second_train != b.second_train ||
        a.third_train != b.third_train || a.first_transfer_row != b.first_transfer_row ||
        a.second_transfer_row != b.second_transfer_row || a.sort_key != b.sort_key ||
        a.ride_minutes != b.ride_minutes)
      return false;
  }
  return true;
}

// Times the fast search of one scenario, once it is known to give the plain
// loops' table there (where the loops are quick enough to run).
void time_fast_search(benchmark::State& bm, AppState& state, Scenario const& s,
                      bool compare_with_loops = true) {
  apply(state, s);
  auto work = make_search_work();
  auto result = std::make_unique<SearchResult>();
  bool const right = !compare_with_loops || same_as_literal(state, *result, *work);
  if (!right) {
    bm.SkipWithError("the fast search differs from the plain loops");
    return;
  }
  for (auto _ : bm) {
    run_connection_search(state, *result, *work, {});
    benchmark::DoNotOptimize(result->hit_count);
  }
  bm.SetLabel(std::string(s.name) + " hits=" + std::to_string(result->hit_count));
}

void BM_FastSearch(benchmark::State& bm) {
  time_fast_search(bm, timetable(), kScenarios[bm.range(0)]);
}

void BM_LiteralSearch(benchmark::State& bm) {
  Scenario const& s = kScenarios[bm.range(0)];
  AppState& state = timetable();
  apply(state, s);
  auto out = std::make_unique<SearchResult>();
  auto work = std::make_unique<literal::LiteralWork>();
  for (auto _ : bm) {
    literal::literal_search(state, *out, *work);
    benchmark::DoNotOptimize(out->hit_count);
  }
  bm.SetLabel(std::string(s.name) + " hits=" + std::to_string(out->hit_count));
}

void BM_ListText(benchmark::State& bm) {
  Scenario const& s = kScenarios[bm.range(0)];
  AppState& state = timetable();
  apply(state, s);
  auto work = make_search_work();
  auto result = std::make_unique<SearchResult>();
  run_connection_search(state, *result, *work, {});
  for (auto _ : bm) {
    auto const text = connection_list_text(state, *result);
    benchmark::DoNotOptimize(text.data());
  }
  bm.SetLabel(std::string(s.name) + " hits=" + std::to_string(result->hit_count));
}

// The exchange sort alone, on the table in the order the search found it.
void BM_Sort(benchmark::State& bm) {
  Scenario const& s = kScenarios[bm.range(0)];
  AppState& state = timetable();
  apply(state, s);
  auto found = std::make_unique<SearchResult>();
  auto work = std::make_unique<literal::LiteralWork>();
  literal::LiteralSearch unsorted{state, *found, *work};
  unsorted.find_rows();
  unsorted.clear_table();
  unsorted.d = found->search_dir;
  unsorted.search();
  auto table = std::make_unique<SearchResult>();
  for (auto _ : bm) {
    bm.PauseTiming();
    *table = *found;
    bm.ResumeTiming();
    sort_connections(*table);
    benchmark::DoNotOptimize(table->row[1].sort_key);
  }
  bm.SetLabel(std::string(s.name) + " rows=" + std::to_string(found->hit_count));
}

constexpr int kScenarioCount = static_cast<int>(std::size(kScenarios));

#ifdef VORLASH_DENSE_DATA_FILE
// Two-transfer searches over the departure window of all 250 trains with the
// longest wait: every arrival and an early arrival window (the table fills
// after a few first trains), the last arrivals (only the slowest trains reach
// them, so every first train is scanned to the end for a few connections),
// and an arrival no train reaches (every scan runs to the end, finding none).
constexpr Scenario kDenseScenarios[] = {
    {"dense_every_arrival", 600, 800, 600, 2359, 120, 2},
    {"dense_arrival_9_00_to_9_05", 600, 800, 900, 905, 120, 2},
    {"dense_arrival_10_55_to_10_59", 600, 800, 1055, 1059, 120, 2},
    {"dense_arrival_10_58_to_10_59", 600, 800, 1058, 1059, 120, 2},
    {"dense_unreachable_arrival", 600, 800, 1130, 1140, 120, 2},
};
constexpr int kDenseScenarioCount = static_cast<int>(std::size(kDenseScenarios));

std::unique_ptr<AppState> load_dense() {
  auto state = std::make_unique<AppState>();
  if (!read_whole_data_file(VORLASH_DENSE_DATA_FILE, *state)) return nullptr;
  auto const& sk = state->sinkansen;
  auto& c = state->cond;
  c.st_station = sk.station[1][1];
  c.ed_station = sk.station[1][sk.station_count[1]];
  c.sort_order = 3;
  c.plan_year = 2000;
  c.plan_month = 3;
  c.plan_day = 15;
  c.plan_date = day_number(2000, 3, 15);
  c.plan_weekday = weekday_of(c.plan_date);
  return state;
}

void BM_DenseSearch(benchmark::State& bm) {
  static auto const dense = load_dense();
  if (!dense) {
    bm.SkipWithError("the dense DataFile does not load");
    return;
  }
  // On the dense timetable the plain loops need up to half a minute but for
  // the first scenario; tests/search compares the two on random timetables.
  time_fast_search(bm, *dense, kDenseScenarios[bm.range(0)], bm.range(0) == 0);
}
BENCHMARK(BM_DenseSearch)->DenseRange(0, kDenseScenarioCount - 1)->Unit(benchmark::kMillisecond);
#endif

BENCHMARK(BM_ResultsWindowLoad)->DenseRange(0, kScenarioCount - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FastSearch)->DenseRange(0, kScenarioCount - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sort)->DenseRange(0, kScenarioCount - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListText)->DenseRange(0, kScenarioCount - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiteralSearch)->DenseRange(0, kScenarioCount - 1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorlash

BENCHMARK_MAIN();
