#include "board/passing_stations.h"

#include <algorithm>

#include "board/board_texts.h"
#include "text/names.h"
#include "text/number_format.h"

namespace vorlash {

namespace {

void add_stop(std::string& text, const std::string& name, int hhmm) {
  if (!text.empty()) text += board_text::kArrow;
  text += std::string(shown_name(name)) + "(" + format_hhmm(hhmm) + ")";
}

}  // namespace

std::string keiyo_passing_stations(const AppState& state, const BoardState& board) {
  int const row = board.chosen_keiyo_row;
  if (row < 0 || row >= board.keiyo_rows) return {};
  int const k = board.keiyo_table;
  if (k < 1 || k > kKeiyoTables) return {};
  int const t = board.keiyo_row_train[row + 1];
  KeiyoTables const& tab = state.keiyo;

  std::string text;
  int const last = std::min(tab.station_count[k], kMaxKeiyoPositions);
  for (int p = std::max(board.keiyo_station_row, 1); p <= last; ++p) {
    if (tab.time[k][p][t] != 0) add_stop(text, tab.station[k][p], tab.time[k][p][t]);
  }
  return text;
}

std::string sinkansen_passing_stations(const AppState& state, const BoardState& board) {
  int const row = board.chosen_sinkansen_row;
  if (row < 0 || row >= board.sinkansen_rows) return {};
  int const d = board.sinkansen_dir;
  int const s = board.sinkansen_station_row;
  if (d < 1 || d > 2 || s < 1 || s > kMaxRows) return {};
  int const t = board.sinkansen_row_train[row + 1];
  ShinkansenTables const& tab = state.sinkansen;

  std::string text;
  // The departure row of a station listed twice would be passed over by the
  // loop below, so the user's own station is written first.
  if (tab.row_kind[d][s] == 2) add_stop(text, tab.station[d][s], tab.time[d][s][t]);
  int const last = std::min(tab.station_count[d], kMaxRows);
  for (int r = s; r <= last; ++r) {
    int const kind = tab.row_kind[d][r];
    if ((kind == 0 || kind == 1) && tab.time[d][r][t] != 0)
      add_stop(text, tab.station[d][r], tab.time[d][r][t]);
  }
  for (auto const& note : board_text::kVehicleNotes) {
    if (note.code == tab.vehicle[d][t]) {
      text += note.text;
      break;
    }
  }
  return text;
}

std::string passing_stations_text(const AppState& state, const BoardState& board) {
  if (board.view_mode == 1) return keiyo_passing_stations(state, board);
  if (board.view_mode == 2) return sinkansen_passing_stations(state, board);
  return {};
}

}  // namespace vorlash
