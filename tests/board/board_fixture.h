// Tiny timetables for the departure board tests, built in memory.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "board/clock_day.h"
#include "data/app_state.h"
#include "platform/clock.h"

namespace vorlash::test {

// Direction 1 (down) with six rows; 名古屋 is listed twice (arrival row 3,
// departure row 4). The user's station is 新横浜, row 2.
inline std::unique_ptr<AppState> make_board_state() {
  auto state = std::make_unique<AppState>();
  state->edition = 1;
  state->edition_title = "東海道・山陽新幹線";
  auto& tab = state->sinkansen;
  std::pair<const char*, int> const rows[] = {{"東京", 0},   {"新横浜", 0}, {"名古屋", 1},
                                              {"名古屋", 2}, {"京都", 0},   {"新大阪", 0}};
  tab.station_count[1] = tab.station_count[2] = 6;
  for (int r = 1; r <= 6; ++r) {
    tab.station[1][r] = rows[r - 1].first;
    tab.row_kind[1][r] = rows[r - 1].second;
  }
  state->sinkansen_line = LineSettings{1, "新横浜", 15, 5, 0};
  return state;
}

// Appends a direction-1 train; times are given for rows 1, 2, ... (0 = no stop).
inline int add_train(AppState& state, const std::string& code, std::initializer_list<int> times,
                     int operating_day = 0, const std::string& vehicle = "") {
  auto& tab = state.sinkansen;
  int const t = ++tab.train_count[1];
  tab.code[1][t] = code;
  int r = 1;
  for (int const time : times) tab.time[1][r++][t] = time;
  tab.operating_day[1][t] = operating_day;
  tab.vehicle[1][t] = vehicle;
  return t;
}

// Keiyo table k with the given station names.
inline void set_keiyo_stations(AppState& state, int k, std::initializer_list<const char*> names) {
  int p = 0;
  for (const char* name : names) state.keiyo.station[k][++p] = name;
  state.keiyo.station_count[k] = p;
}

inline int add_keiyo_train(AppState& state, int k, const std::string& code,
                           std::initializer_list<int> times) {
  int const t = ++state.keiyo.train_count[k];
  state.keiyo.code[k][t] = code;
  int p = 1;
  for (int const time : times) state.keiyo.time[k][p++][t] = time;
  return t;
}

// Sets the clock to the given moment as start-up and a tick would: clock
// values, day flags, board time. Returns the clock line.
inline std::string set_now(AppState& state, int year, int month, int day, int hour, int minute,
                           int second = 0) {
  FakeClock const clock(ClockReading{year, month, day, hour, minute, second});
  get_today(state, clock);
  set_holiday(state);
  return edit_time(state, clock);
}

}  // namespace vorlash::test
