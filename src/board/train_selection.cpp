#include "board/train_selection.h"

#include "board/board_texts.h"
#include "text/fullwidth.h"
#include "text/names.h"
#include "text/number_format.h"
#include "text/utf8.h"

namespace vorlash {

int sinkansen_direction(const AppState& state) {
  return state.sinkansen_line.flg == 1 ? 1 : 2;
}

int find_sinkansen_row(const AppState& state, int d) {
  ShinkansenTables const& tab = state.sinkansen;
  for (int r = 1; r <= tab.station_count[d] && r <= kMaxRows; ++r) {
    int const kind = tab.row_kind[d][r];
    if ((kind == 0 || kind == 2) && !tab.station[d][r].empty() &&
        tab.station[d][r] == state.sinkansen_line.station)
      return r;
  }
  return 0;
}

int keiyo_table_for(const AppState& state) {
  bool const down = state.keiyo_line.flg == 1;
  if (state.day_flags[0] == 0) return down ? 1 : 2;
  return down ? 3 : 4;
}

int find_keiyo_position(const AppState& state, int k) {
  KeiyoTables const& tab = state.keiyo;
  for (int p = 1; p <= tab.station_count[k] && p <= kMaxKeiyoPositions; ++p) {
    if (tab.station[k][p] == state.keiyo_line.station) return p;
  }
  return 0;
}

std::string sinkansen_caption(const AppState& state, int d) {
  std::string caption(d == 1 ? board_text::kSinkansenDown : board_text::kSinkansenUp);
  return caption + "  " + std::string(shown_name(trim(state.sinkansen_line.station)));
}

std::string keiyo_caption(const AppState& state, int k) {
  return board_text::kKeiyoCaption[k] + "  " +
         std::string(shown_name(trim(state.keiyo_line.station)));
}

void select_data(const AppState& state, int d, [[maybe_unused]] int s, int t, int& skip) {
  if (skip == 1) return;
  int const weekday = state.clock.corrected_weekday;
  auto const& flags = state.day_flags;
  switch (state.sinkansen.operating_day[d][t]) {
    case 1:  // not on Sundays and holidays
      if (flags[1] == 1) skip = 1;
      break;
    case 10:  // not on Saturdays that are not holidays
      if (flags[2] == 1) skip = 1;
      break;
    case 11:  // weekdays only
      if (flags[0] == 1) skip = 1;
      break;
    case 50:  // Fridays only
      skip = weekday == 6 ? 0 : 1;
      break;
    case 51:  // Fridays, Sundays and holidays
      skip = (flags[1] == 1 || weekday == 6) ? 0 : 1;
      break;
    case 70:  // Sundays and holidays only
      skip = flags[1] == 1 ? 0 : 1;
      break;
    case 170:  // not on Sundays
      if (weekday == 1) skip = 1;
      break;
    default:  // daily
      break;
  }
}

bool has_stop_after(const AppState& state, int d, int s, int t) {
  ShinkansenTables const& tab = state.sinkansen;
  for (int r = s + 1; r <= tab.station_count[d] && r <= kMaxRows; ++r) {
    if (tab.time[d][r][t] != 0) return true;
  }
  return false;
}

int sinkansen_destination_row(const AppState& state, int d, int s, int t) {
  ShinkansenTables const& tab = state.sinkansen;
  int const last = tab.station_count[d];
  if (last < 1 || last > kMaxRows) return 0;
  if (tab.time[d][last][t] != 0) return last;
  for (int r = last - 1; r >= s && r >= 1; --r) {
    int const kind = tab.row_kind[d][r];
    if ((kind == 0 || kind == 1) && tab.time[d][r][t] != 0) return r;
  }
  return 0;
}

int keiyo_destination_position(const AppState& state, int k, int j, int t) {
  KeiyoTables const& tab = state.keiyo;
  int const last = tab.station_count[k];
  if (last < 1 || last > kMaxKeiyoPositions) return 0;
  if (tab.time[k][last][t] != 0) return last;
  for (int p = last - 1; p >= j && p >= 1; --p) {
    if (tab.time[k][p][t] != 0) return p;
  }
  return 0;
}

void sort_sinkansen(const AppState& state, BoardState& board, int d, int s) {
  auto const& times = state.sinkansen.time[d][s];
  exchange_sort(std::span<int>(board.pick).subspan(1, board.pick_count),
                [&](int t) { return times[t]; });
}

void sort_keiyo(const AppState& state, BoardState& board, int k, int j) {
  auto const& times = state.keiyo.time[k][j];
  exchange_sort(std::span<int>(board.pick).subspan(1, board.pick_count),
                [&](int t) { return times[t]; });
}

std::string fullwidth_hhmm(int hhmm) {
  return shown_digits(format_number(hhmm / 100, "00") + ":" + format_number(hhmm % 100, "00"));
}

}  // namespace vorlash
