// The search loops. Their result (which connections, in which order, where the
// limits cut) is that of scanning every train of the timetable for every
// transfer row; the scans are sped up by looking trains up by time at each
// row, and by skipping work whose outcome can no longer reach the tables:
//  - the trains in a time window come from a binary search over the row's
//    trains sorted by time, then go out in timetable order through a set of
//    train numbers;
//  - a one-transfer scan only looks at trains that arrive in the arrival
//    window, unless a second transfer can follow;
//  - for each second train the rows where a third train could be found are
//    worked out once per search, in one sweep per row over the trains in time
//    order, so hopeless second-transfer scans end at once;
//  - with two transfers, a first train's scan at a row only visits the
//    trains that can still add a candidate there, so a timetable whose
//    journeys mostly miss the arrival window is not walked train by train;
//  - candidate lists stop growing once the rest could never be stored.
#include "search/connection_search.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

#include "search/search_work.h"

namespace vorlash {

namespace {

constexpr std::int64_t key_low(std::int64_t time) {
  return time * 256;
}
constexpr std::int64_t key_high(std::int64_t time) {
  return time * 256 + 255;
}

struct Range {
  int lo = 0;
  int hi = 0;
};

// Entries of the index whose time lies in low..high, bounds included.
Range time_range(const RowIndex& index, int low, int high) {
  auto const first = index.key.begin();
  auto const last = first + index.count;
  auto const lo = std::lower_bound(first, last, key_low(low));
  auto const hi = std::upper_bound(lo, last, key_high(high));
  return {static_cast<int>(lo - first), static_cast<int>(hi - first)};
}

// Train numbers of a range in timetable order.
struct TrainSet {
  std::array<std::uint64_t, 4> word{};

  void add(int t) { word[t >> 6] |= std::uint64_t{1} << (t & 63); }
  void remove(int t) { word[t >> 6] &= ~(std::uint64_t{1} << (t & 63)); }

  // Calls f(t) for each train in ascending order while f returns true;
  // returns false when f stopped it.
  template <typename F>
  bool for_each(F&& f) const {
    for (int w = 0; w < 4; ++w) {
      std::uint64_t bits = word[w];
      while (bits != 0) {
        int const t = w * 64 + std::countr_zero(bits);
        bits &= bits - 1;
        if (!f(t)) return false;
      }
    }
    return true;
  }
};

TrainSet trains_of(const RowIndex& index, Range r) {
  TrainSet set;
  for (int i = r.lo; i < r.hi; ++i) set.add(static_cast<int>(index.key[i] & 255));
  return set;
}

class Searcher {
 public:
  Searcher(const AppState& state, SearchResult& result, SearchWork& work)
      : state_(state),
        result_(result),
        w_(work),
        c_(state.cond),
        time_(state.sinkansen.time[work.dir]),
        kind_(state.sinkansen.row_kind[work.dir]) {}

  void prepare();
  void run(const std::function<void()>& yield);

 private:
  int time(int row, int t) const { return time_[row][t]; }
  void build_index(int row);
  void find_third_leg_rows();
  std::uint64_t third_leg_rows(int u);
  RowIndex const& useful_at(int row);
  void one_transfer_search(int first, int cap);
  void second_transfer_search(int second, int boarded_row, int need);
  bool add_candidate(int cap, TransferCandidate const& c);
  bool add_connection(int first, TransferCandidate const& c, int transfers, int dep, int arr);

  const AppState& state_;
  SearchResult& result_;
  SearchWork& w_;
  SearchConditions const& c_;
  ShinkansenTimeRows const& time_;
  std::array<int, kMaxRows + 1> const& kind_;
};

// Brings the time order of the searched direction up to date with the
// tables (only a changed timetable costs the sorting again).
void refresh_time_order(TimeOrder& order, const ShinkansenTables& sk, int d, int train_count) {
  auto const& time = sk.time[d];
  if (order.train_count == train_count &&
      std::memcmp(order.time.data(), time.data(), sizeof order.time) == 0)
    return;
  order.train_count = train_count;
  order.time = time;
  std::array<std::int64_t, kMaxTrains> keys{};
  for (int row = 0; row <= kMaxRows; ++row) {
    for (int t = 1; t <= train_count; ++t) keys[t - 1] = std::int64_t{time[row][t]} * 256 + t;
    std::sort(keys.begin(), keys.begin() + train_count);
    for (int i = 0; i < train_count; ++i)
      order.by_time[row][i] = static_cast<std::uint8_t>(keys[i] & 255);
  }
}

// The running trains and the finishers at one row, in time order.
void Searcher::build_index(int row) {
  auto const& by_time = w_.order[w_.dir].by_time[row];
  RowIndex& running = w_.running_at[row];
  RowIndex& finishing = w_.finishing_at[row];
  int n = 0;
  int f = 0;
  for (int i = 0; i < w_.train_count; ++i) {
    int const t = by_time[i];
    if (!w_.runs[t]) continue;
    std::int64_t const key = std::int64_t{time(row, t)} * 256 + t;
    running.key[n++] = key;
    if (w_.finisher[t]) finishing.key[f++] = key;
  }
  running.count = n;
  finishing.count = f;
}

void Searcher::prepare() {
  ++w_.stamp;
  refresh_time_order(w_.order[w_.dir], state_.sinkansen, w_.dir, w_.train_count);
  for (int t = 1; t <= w_.train_count; ++t) {
    w_.runs[t] = runs_on_date(state_, w_.dir, t);
    int const arr = time(w_.ed_row, t);
    w_.finisher[t] = w_.runs[t] && c_.ed_time1 <= arr && arr <= c_.ed_time2;
  }
  // Trains are boarded at transfers on rows st_row + 1 .. ed_row - 1 only.
  for (int row = std::max(w_.st_row + 1, 1); row <= w_.ed_row - 1; ++row) build_index(row);
}

// Bit v of train u: the second-transfer scan of u, at loop row v, finds a
// third train. It depends on u and v only, never on the first train. For
// each row the trains come in time order, so the window of finishers each
// one reaches moves forward and is found without a search.
void Searcher::find_third_leg_rows() {
  if (w_.third_leg_rows_stamp == w_.stamp) return;
  w_.third_leg_rows_stamp = w_.stamp;
  std::fill_n(w_.third_leg_rows.begin(), w_.train_count + 1, std::uint64_t{0});
  auto const& order = w_.order[w_.dir].by_time;
  int const last = w_.ed_row - 1;
  for (int v = std::max(w_.st_row + 1, 1); v <= last; ++v) {
    int const board = kind_[v] == 1 ? v + 1 : v;
    if (board > last) continue;
    RowIndex const& finishers = w_.finishing_at[board];
    if (finishers.count == 0) continue;
    auto const first = finishers.key.begin();
    auto const end = first + finishers.count;
    auto lo = first;
    auto hi = first;
    int previous_latest = -1;
    for (int i = 0; i < w_.train_count; ++i) {
      int const u = order[v][i];
      int const a = time(v, u);
      if (a == 0) continue;
      int const latest = latest_departure(a, w_.wait_time);
      while (lo != end && *lo < key_low(a)) ++lo;
      // The latest departure grows with the arrival, except after a time
      // whose minutes are not below 60.
      if (latest >= previous_latest) {
        hi = std::max(hi, lo);
        while (hi != end && *hi <= key_high(latest)) ++hi;
      } else {
        hi = std::upper_bound(lo, end, key_high(latest));
      }
      previous_latest = latest;
      auto found = hi - lo;
      int const own = time(board, u);
      if (w_.finisher[u] && a <= own && own <= latest) --found;  // u is no third train for itself
      if (found > 0) w_.third_leg_rows[u] |= std::uint64_t{1} << v;
    }
  }
}

std::uint64_t Searcher::third_leg_rows(int u) {
  find_third_leg_rows();
  return w_.third_leg_rows[u];
}

// The running trains boarded at `row` that add a candidate there: a finisher
// is one itself, any other only when its second-transfer scan from the row
// on can find a third train.
RowIndex const& Searcher::useful_at(int row) {
  RowIndex& useful = w_.useful_at[row];
  if (w_.useful_at_stamp[row] == w_.stamp) return useful;
  w_.useful_at_stamp[row] = w_.stamp;
  int const start = kind_[row] == 1 ? row + 1 : row;
  bool const third_legs = start + 1 <= w_.ed_row - 1;
  RowIndex const& running = w_.running_at[row];
  int n = 0;
  for (int i = 0; i < running.count; ++i) {
    int const u = static_cast<int>(running.key[i] & 255);
    if (w_.finisher[u] || (third_legs && (third_leg_rows(u) >> (start + 1)) != 0))
      useful.key[n++] = running.key[i];
  }
  useful.count = n;
  return useful;
}

// Third-leg candidates of second train u boarded at row j: the first `need`
// of those the full scan would find (at most 100).
void Searcher::second_transfer_search(int u, int j, int need) {
  w_.third_leg_count = 0;
  int const start = kind_[j] == 1 ? j + 1 : j;
  int const last = w_.ed_row - 1;
  if (start + 1 > last) return;
  std::uint64_t const rows = third_leg_rows(u);
  if ((rows >> (start + 1)) == 0) return;
  for (int s = start + 1; s <= last; ++s) {
    int const a = time(s, u);
    if (a == 0) continue;
    int const v = s;
    if (kind_[s] == 1) {
      ++s;
      if (s > last) return;
    }
    if (((rows >> v) & 1) == 0) continue;
    int const latest = latest_departure(a, w_.wait_time);
    TrainSet set = trains_of(w_.finishing_at[s], time_range(w_.finishing_at[s], a, latest));
    set.remove(u);
    bool const more = set.for_each([&](int t) {
      w_.third_leg[++w_.third_leg_count] = {t, s};
      return w_.third_leg_count < need;
    });
    if (!more) return;
  }
}

bool Searcher::add_candidate(int cap, TransferCandidate const& c) {
  w_.candidate[++w_.candidate_count] = c;
  return w_.candidate_count < cap;
}

// Transfer candidates of first train `first`: the first `cap` of those the
// full scan would find (at most 100).
void Searcher::one_transfer_search(int first, int cap) {
  w_.candidate_count = 0;
  int const last = w_.ed_row - 1;
  for (int s = w_.st_row + 1; s <= last; ++s) {
    int const a = time(s, first);
    if (a == 0) continue;
    int const latest = latest_departure(a, w_.wait_time);
    if (kind_[s] == 1) {
      ++s;
      if (s > last) return;
    }
    RowIndex const& index = w_.two_transfers ? useful_at(s) : w_.finishing_at[s];
    Range const r = time_range(index, a, latest);
    if (r.lo == r.hi) continue;
    TrainSet set = trains_of(index, r);
    set.remove(first);
    bool const more = set.for_each([&](int u) {
      if (w_.finisher[u] && !add_candidate(cap, {u, 0, s, 0})) return false;
      if (!w_.two_transfers) return true;
      second_transfer_search(u, s, std::min(kMaxCandidates, cap - w_.candidate_count));
      for (int m = 1; m <= w_.third_leg_count; ++m) {
        auto const& leg = w_.third_leg[m];
        if (!add_candidate(cap, {u, leg.third_train, s, leg.second_transfer_row})) return false;
      }
      return true;
    });
    if (!more) return;
  }
}

bool Searcher::add_connection(int first, TransferCandidate const& c, int transfers, int dep,
                              int arr) {
  auto& result = result_;
  if (result.hit_count >= kMaxConnections) return false;
  Connection& row = result.row[++result.hit_count];
  row = {first, c.second_train, c.third_train, c.first_transfer_row, c.second_transfer_row, 0, 0};
  set_key(row, c_.sort_order, transfers, dep, arr);
  return true;
}

void Searcher::run(const std::function<void()>& yield) {
  auto& result = result_;
  for (int t = 1; t <= w_.train_count; ++t) {
    if (t % 20 == 0 && yield) yield();
    if (!w_.runs[t]) continue;
    int const dep = time(w_.st_row, t);
    if (dep < c_.st_time1 || dep > c_.st_time2) continue;
    int const arr = time(w_.ed_row, t);
    if (c_.ed_time1 <= arr && arr <= c_.ed_time2 && !add_connection(t, {}, 0, dep, arr)) return;
    // Candidates past the room left in the connection table are never stored.
    int const room = kMaxConnections - result.hit_count;
    one_transfer_search(t, std::min(kMaxCandidates, room + 1));
    for (int j = 1; j <= w_.candidate_count; ++j) {
      auto const& c = w_.candidate[j];
      bool const two = c.third_train != 0;
      int const end_arr = time(w_.ed_row, two ? c.third_train : c.second_train);
      if (!add_connection(t, c, two ? 2 : 1, dep, end_arr)) return;
    }
  }
}

}  // namespace

std::unique_ptr<SearchWork> make_search_work() {
  return std::make_unique<SearchWork>();
}

void search_connections(const AppState& state, SearchResult& result, SearchWork& work,
                        const std::function<void()>& yield) {
  result.hit_count = 0;
  int const d = result.search_dir;
  bool const usable = (d == 1 || d == 2) && result.st_row >= 0 && result.st_row <= kMaxRows &&
                      result.ed_row >= 0 && result.ed_row <= kMaxRows;
  if (usable) {
    work.dir = d;
    work.st_row = result.st_row;
    work.ed_row = result.ed_row;
    work.wait_time = state.cond.wait_time;
    work.two_transfers = state.cond.wait_count == 2;
    work.train_count = std::clamp(state.sinkansen.train_count[d], 0, kMaxTrains);
    Searcher searcher(state, result, work);
    searcher.prepare();
    searcher.run(yield);
  }
  sort_connections(result);
}

}  // namespace vorlash
