// The connection search written as plain loops over the whole timetable:
// every train for every transfer row, candidates counted as they are found,
// and the exchange sort moving whole rows. It is the reference the fast
// search must match exactly (tests) and the baseline it is measured against
// (benchmark).
#pragma once

#include <utility>

#include "data/app_state.h"
#include "search/search_state.h"

namespace vorlash::literal {

struct LiteralWork {
  int cand_count = 0;
  int cand_second[kMaxCandidates + 1] = {};
  int cand_third[kMaxCandidates + 1] = {};
  int cand_row1[kMaxCandidates + 1] = {};
  int cand_row2[kMaxCandidates + 1] = {};
  int leg_count = 0;
  int leg_third[kMaxCandidates + 1] = {};
  int leg_row2[kMaxCandidates + 1] = {};
};

struct LiteralSearch {
  const AppState& s;
  SearchResult& out;
  LiteralWork& w;
  int d = 0;

  int time(int row, int t) const { return s.sinkansen.time[d][row][t]; }
  int kind(int row) const { return s.sinkansen.row_kind[d][row]; }

  static int minutes(int hhmm) { return (hhmm / 100) * 60 + hhmm % 100; }
  int latest(int a) const {
    int const m = minutes(a) + s.cond.wait_time;
    return (m / 60) * 100 + m % 60;
  }

  void find_rows() {
    auto const look = [&](int dir) {
      for (int r = 1; r <= s.sinkansen.station_count[dir]; ++r) {
        int const k = s.sinkansen.row_kind[dir][r];
        if ((k == 0 || k == 2) && s.sinkansen.station[dir][r] == s.cond.st_station) {
          out.st_row = r;
          break;
        }
      }
      for (int r = 1; r <= s.sinkansen.station_count[dir]; ++r) {
        int const k = s.sinkansen.row_kind[dir][r];
        if ((k == 0 || k == 1) && s.sinkansen.station[dir][r] == s.cond.ed_station) {
          out.ed_row = r;
          break;
        }
      }
    };
    look(1);
    if (out.st_row < out.ed_row) {
      out.search_dir = 1;
    } else {
      out.search_dir = 2;
      look(2);
    }
  }

  void clear_table() {
    out.hit_count = 0;
    for (int k = 1; k <= kMaxConnections; ++k) out.row[k] = Connection{};
  }

  bool runs(int t) const {
    auto const& f = s.day_flags;
    int const wd = s.cond.plan_weekday;
    int const code = s.sinkansen.operating_day[d][t];
    if (code == 11) return f[3] == 0;
    if (code == 1) return f[4] == 0;
    if (code == 10) return f[5] == 0;
    if (code == 50) return wd == 6;
    if (code == 51) return wd == 6 || f[4] == 1;
    if (code == 70) return f[4] == 1;
    if (code == 170) return wd != 1;
    return true;
  }

  void set_key(int k, int n, int dep, int arr) {
    int const ride = minutes(arr) - minutes(dep);
    out.row[k].ride_minutes = ride;
    if (s.cond.sort_order == 1) {
      out.row[k].sort_key = dep * 10000 + ride + n;
    } else if (s.cond.sort_order == 2) {
      out.row[k].sort_key = arr * 10000 + ride + n;
    } else {
      out.row[k].sort_key = ride * 10000 + dep + n;
    }
  }

  // Returns false when the table is full (the whole search ends).
  bool add_connection(int t, int second, int third, int row1, int row2, int n, int dep, int arr) {
    ++out.hit_count;
    if (out.hit_count > kMaxConnections) {
      out.hit_count = kMaxConnections;
      return false;
    }
    int const k = out.hit_count;
    out.row[k].first_train = t;
    if (n > 0) {
      out.row[k].second_train = second;
      out.row[k].third_train = third;
      out.row[k].first_transfer_row = row1;
      out.row[k].second_transfer_row = row2;
    }
    set_key(k, n, dep, arr);
    return true;
  }

  void clear_candidates() {
    w.cand_count = 0;
    for (int j = 1; j <= kMaxCandidates; ++j) {
      w.cand_second[j] = w.cand_third[j] = w.cand_row1[j] = w.cand_row2[j] = 0;
    }
  }

  void clear_legs() {
    w.leg_count = 0;
    for (int j = 1; j <= kMaxCandidates; ++j) w.leg_third[j] = w.leg_row2[j] = 0;
  }

  bool add_candidate(int second, int third, int row1, int row2) {
    ++w.cand_count;
    if (w.cand_count > kMaxCandidates) {
      w.cand_count = kMaxCandidates;
      return false;
    }
    w.cand_second[w.cand_count] = second;
    w.cand_third[w.cand_count] = third;
    w.cand_row1[w.cand_count] = row1;
    w.cand_row2[w.cand_count] = row2;
    return true;
  }

  void second_transfer(int u, int j) {
    int const start = kind(j) == 1 ? j + 1 : j;
    int const upper = out.ed_row - 1;
    for (int s2 = start + 1; s2 <= upper; ++s2) {
      int const a2 = time(s2, u);
      if (a2 == 0) continue;
      int const l2 = latest(a2);
      if (kind(s2) == 1) {
        ++s2;
        if (s2 > upper) return;
      }
      for (int x = 1; x <= s.sinkansen.train_count[d]; ++x) {
        if (x == u || !runs(x)) continue;
        int const tx = time(s2, x);
        if (tx < a2 || tx > l2) continue;
        int const ax = time(out.ed_row, x);
        if (ax < s.cond.ed_time1 || ax > s.cond.ed_time2) continue;
        ++w.leg_count;
        if (w.leg_count > kMaxCandidates) {
          w.leg_count = kMaxCandidates;
          return;
        }
        w.leg_third[w.leg_count] = x;
        w.leg_row2[w.leg_count] = s2;
      }
    }
  }

  void one_transfer(int t) {
    int const upper = out.ed_row - 1;
    for (int st = out.st_row + 1; st <= upper; ++st) {
      int const a = time(st, t);
      if (a == 0) continue;
      int const l = latest(a);
      if (kind(st) == 1) {
        ++st;
        if (st > upper) return;
      }
      for (int u = 1; u <= s.sinkansen.train_count[d]; ++u) {
        if (u == t || !runs(u)) continue;
        int const tu = time(st, u);
        if (tu < a || tu > l) continue;
        int const au = time(out.ed_row, u);
        if (s.cond.ed_time1 <= au && au <= s.cond.ed_time2) {
          if (!add_candidate(u, 0, st, 0)) return;
        }
        if (s.cond.wait_count == 2) {
          clear_legs();
          second_transfer(u, st);
          for (int m = 1; m <= w.leg_count; ++m) {
            if (!add_candidate(u, w.leg_third[m], st, w.leg_row2[m])) return;
          }
        }
      }
    }
  }

  void sort() {
    for (int i = 1; i <= out.hit_count - 1; ++i) {
      for (int j = i + 1; j <= out.hit_count; ++j) {
        if (out.row[j].sort_key < out.row[i].sort_key) std::swap(out.row[i], out.row[j]);
      }
    }
  }

  void search() {
    out.hit_count = 0;
    for (int t = 1; t <= s.sinkansen.train_count[d]; ++t) {
      if (!runs(t)) continue;
      int const dep = time(out.st_row, t);
      if (dep < s.cond.st_time1 || dep > s.cond.st_time2) continue;
      int const arr = time(out.ed_row, t);
      if (s.cond.ed_time1 <= arr && arr <= s.cond.ed_time2) {
        if (!add_connection(t, 0, 0, 0, 0, 0, dep, arr)) return;
      }
      clear_candidates();
      one_transfer(t);
      for (int j = 1; j <= w.cand_count; ++j) {
        bool const two = w.cand_third[j] != 0;
        int const end_arr = time(out.ed_row, two ? w.cand_third[j] : w.cand_second[j]);
        if (!add_connection(t, w.cand_second[j], w.cand_third[j], w.cand_row1[j], w.cand_row2[j],
                            two ? 2 : 1, dep, end_arr))
          return;
      }
    }
  }

  void run() {
    find_rows();
    clear_table();
    d = out.search_dir;
    search();
    sort();
  }
};

// Direction and rows, clearing, search and sort into `out`, reading the
// conditions and tables of `state`.
inline void literal_search(const AppState& state, SearchResult& out, LiteralWork& work) {
  LiteralSearch{state, out, work}.run();
}

}  // namespace vorlash::literal
