// Tiny Shinkansen timetables written inline for the search tests.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "data/app_state.h"
#include "search/search_state.h"

namespace vorlash::testing {

struct StationRow {
  std::string name;
  int kind = 0;  // 0 single, 1 arrival, 2 departure
};

class Timetable {
 public:
  Timetable() : state_(std::make_unique<AppState>()), result_(std::make_unique<SearchResult>()) {
    auto& c = state_->cond;
    c.st_time1 = 600;
    c.st_time2 = 2359;
    c.ed_time1 = 600;
    c.ed_time2 = 2359;
    c.wait_time = 60;
    c.wait_count = 1;
    c.sort_order = 3;
    c.plan_weekday = 4;  // a Wednesday
    state_->edition = 1;
  }

  // Station list 1 as given; list 2 the same stations in reverse travel
  // order (a station's arrival row still comes before its departure row).
  void stations(const std::vector<StationRow>& rows) {
    auto& sk = state_->sinkansen;
    int const n = static_cast<int>(rows.size());
    sk.station_count = {0, n, n};
    for (int r = 1; r <= n; ++r) {
      sk.station[1][r] = rows[r - 1].name;
      sk.row_kind[1][r] = rows[r - 1].kind;
    }
    // Reverse station by station: a pair (arrival, departure) stays a pair.
    std::vector<std::vector<StationRow>> units;
    for (int i = 0; i < n; ++i) {
      if (rows[i].kind == 2 && !units.empty()) {
        units.back().push_back(rows[i]);
      } else {
        units.push_back({rows[i]});
      }
    }
    int r = 1;
    for (auto u = units.rbegin(); u != units.rend(); ++u) {
      for (auto const& row : *u) {
        sk.station[2][r] = row.name;
        sk.row_kind[2][r] = row.kind;
        ++r;
      }
    }
  }

  // Adds a train of direction d with its times by row (times[0] is row 1).
  int train(int d, const std::string& code, const std::vector<int>& times, int operating_day = 0,
            const std::string& vehicle = "") {
    auto& sk = state_->sinkansen;
    int const t = ++sk.train_count[d];
    sk.code[d][t] = code;
    sk.vehicle[d][t] = vehicle;
    sk.operating_day[d][t] = operating_day;
    for (std::size_t i = 0; i < times.size(); ++i) sk.time[d][i + 1][t] = times[i];
    return t;
  }

  void from_to(const std::string& st, const std::string& ed) {
    state_->cond.st_station = st;
    state_->cond.ed_station = ed;
  }

  AppState& state() { return *state_; }
  SearchResult& result() { return *result_; }
  SearchConditions& cond() { return state_->cond; }

 private:
  std::unique_ptr<AppState> state_;
  std::unique_ptr<SearchResult> result_;
};

}  // namespace vorlash::testing
