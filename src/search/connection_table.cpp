// The connection table: direction and rows, operating days, keys and the
// exchange sort.
#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "search/connection_search.h"
#include "search/search_form.h"
#include "text/date.h"

namespace vorlash {

void find_direction_and_rows(const AppState& state, SearchResult& r) {
  auto const look_up = [&](int d) {
    if (int const row = find_station_row(state, d, state.cond.st_station, 0, 2)) r.st_row = row;
    if (int const row = find_station_row(state, d, state.cond.ed_station, 0, 1)) r.ed_row = row;
  };
  look_up(1);
  if (r.st_row < r.ed_row) {
    r.search_dir = 1;
  } else {
    r.search_dir = 2;
    look_up(2);
  }
}

void clear_connections(SearchResult& result) {
  result.hit_count = 0;
  std::fill(result.row.begin(), result.row.end(), Connection{});
}

bool runs_on_date(const AppState& state, int d, int t) {
  auto const& flags = state.day_flags;
  int const weekday = state.cond.plan_weekday;
  switch (state.sinkansen.operating_day[d][t]) {
    case 11:
      return flags[3] == 0;
    case 1:
      return flags[4] == 0;
    case 10:
      return flags[5] == 0;
    case 50:
      return weekday == 6;
    case 51:
      return weekday == 6 || flags[4] == 1;
    case 70:
      return flags[4] == 1;
    case 170:
      return weekday != 1;
    default:
      return true;
  }
}

void set_key(Connection& row, int sort_order, int transfers, int dep, int arr) {
  int const ride = hhmm_minutes(arr) - hhmm_minutes(dep);
  row.ride_minutes = ride;
  if (sort_order == 1) {
    row.sort_key = dep * 10000 + ride + transfers;
  } else if (sort_order == 2) {
    row.sort_key = arr * 10000 + ride + transfers;
  } else {
    row.sort_key = ride * 10000 + dep + transfers;
  }
}

namespace {

// The exchange sort runs on (key, row number) pairs packed into one integer,
// key in the high half: "key(j) < key(i)" is "packed(j) < packed(i) with its
// low half cleared", since row numbers are never negative. The comparison
// decides no branch, as equal keys make it unpredictable.
constexpr std::int64_t kKeyMask = ~std::int64_t{0xFFFFFFFF};

// One step of pass a at position j: the value at j is exchanged with pass
// a's current row when it has a smaller key.
inline void exchange_step(std::int64_t& champion, std::int64_t& value) {
  bool const smaller = value < (champion & kKeyMask);
  std::int64_t const held = champion;
  champion = smaller ? value : champion;
  value = smaller ? held : value;
}

}  // namespace

void sort_connections(SearchResult& result) {
  int const n = std::clamp(result.hit_count, 0, kMaxConnections);
  std::array<std::int64_t, kMaxConnections + 1> p;
  for (int k = 1; k <= n; ++k) p[k] = std::int64_t{result.row[k].sort_key} * 0x100000000LL + k;

  // Passes i..i+3 run together in one sweep, each one position behind the
  // one before, which is the order the passes would see the values in one
  // after another: pass a takes its row at position a once the earlier
  // passes have been there, and looks at position j after them.
  constexpr int kFused = 4;
  int i = 1;
  for (; i + kFused <= n; i += kFused) {
    std::array<std::int64_t, kFused> c{};
    for (int j = i; j < i + kFused; ++j) {
      std::int64_t v = p[j];
      for (int a = 0; a < j - i; ++a) exchange_step(c[a], v);
      c[j - i] = v;
    }
    for (int j = i + kFused; j <= n; ++j) {
      std::int64_t v = p[j];
      exchange_step(c[0], v);
      exchange_step(c[1], v);
      exchange_step(c[2], v);
      exchange_step(c[3], v);
      p[j] = v;
    }
    for (int a = 0; a < kFused; ++a) p[i + a] = c[a];
  }
  for (; i < n; ++i) {
    std::int64_t c = p[i];
    for (int j = i + 1; j <= n; ++j) exchange_step(c, p[j]);
    p[i] = c;
  }

  std::array<Connection, kMaxConnections + 1> sorted;
  for (int k = 1; k <= n; ++k) sorted[k] = result.row[p[k] & 0xFFFFFFFF];
  std::copy(sorted.begin() + 1, sorted.begin() + n + 1, result.row.begin() + 1);
}

void run_connection_search(const AppState& state, SearchResult& result, SearchWork& work,
                           const std::function<void()>& yield) {
  find_direction_and_rows(state, result);
  clear_connections(result);
  search_connections(state, result, work, yield);
}

}  // namespace vorlash
