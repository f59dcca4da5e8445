#include "board/timetable_view.h"

#include <algorithm>
#include <span>
#include <string_view>
#include <vector>

#include "board/board_texts.h"
#include "board/train_selection.h"
#include "text/names.h"
#include "text/number_format.h"
#include "text/utf8.h"

namespace vorlash {

namespace {

// Starts a new hour line when the hour changes. The previous hour starts at
// 0, so trains of hour 0 at the head of the day get no label.
void hour_label(std::string& text, int hour, int& previous_hour) {
  if (hour == previous_hour) return;
  if (!text.empty()) text += "\r\n";
  text += format_number(hour, "00") + "|";
  previous_hour = hour;
}

// Entry of a Shinkansen train after its end-station initial, by the first
// letter of its code.
std::string sinkansen_entry(char letter, const std::string& mm) {
  switch (letter) {
    case 'N':
    case 'T':
    case 'S':
      return "[" + mm + "] ";
    case 'K':
    case 'O':
    case 'G':
      return "(" + mm + ") ";
    case 'M':
      return "<" + mm + "> ";
    case 'H':
    case 'Y':
    case 'A':
      return " " + mm + "  ";
    default:
      return "";
  }
}

}  // namespace

TimetableView keiyo_timetable(const AppState& state) {
  KeiyoTables const& tab = state.keiyo;
  int const k = keiyo_table_for(state);
  TimetableView view;
  view.caption = keiyo_caption(state, k);
  view.note = std::string(board_text::kKeiyoNote);

  int const j = find_keiyo_position(state, k);
  std::vector<int> picks;
  for (int t = 1; j != 0 && t <= tab.train_count[k] && t <= kMaxKeiyoTrains; ++t) {
    if (tab.time[k][j][t] != 0) picks.push_back(t);
  }
  auto const& times = tab.time[k][j];
  exchange_sort(std::span<int>(picks), [&](int t) { return times[t]; });

  int const last = tab.station_count[k];
  int previous_hour = 0;
  for (int const t : picks) {
    int const time = times[t];
    hour_label(view.text, time / 100, previous_hour);
    std::string const code = trim(tab.code[k][t]);
    bool const rapid = !code.empty() && code.back() == 'A';
    view.text += rapid ? board_text::kKeiyoRapidMark : board_text::kKeiyoLocalMark;
    std::string const mm = format_number(time % 100, "00");
    bool const ends_short = last < 1 || last > kMaxKeiyoPositions || tab.time[k][last][t] == 0;
    view.text += ends_short ? "(" + mm + ")" : " " + mm + " ";
  }
  return view;
}

TimetableView sinkansen_timetable(const AppState& state) {
  ShinkansenTables const& tab = state.sinkansen;
  int const d = sinkansen_direction(state);
  TimetableView view;
  view.caption = sinkansen_caption(state, d);
  if (state.edition >= 1 && state.edition <= 3)
    view.note = std::string(board_text::kSinkansenNote[state.edition]);

  // The whole day: no cap on the number of trains.
  int const s = find_sinkansen_row(state, d);
  std::vector<int> picks;
  for (int t = 1; s != 0 && t <= tab.train_count[d] && t <= kMaxTrains; ++t) {
    int skip = 0;
    select_data(state, d, s, t, skip);
    if (skip == 0 && has_stop_after(state, d, s, t) && tab.time[d][s][t] != 0) picks.push_back(t);
  }
  auto const& times = tab.time[d][s];
  exchange_sort(std::span<int>(picks), [&](int t) { return times[t]; });

  int const last = tab.station_count[d];
  int previous_hour = 0;
  for (int const t : picks) {
    int const time = times[t];
    hour_label(view.text, time / 100, previous_hour);
    for (int r = std::min(last, kMaxRows); r >= s; --r) {
      int const kind = tab.row_kind[d][r];
      if ((kind == 0 || kind == 1) && tab.time[d][r][t] != 0) {
        view.text += left_chars(std::string(shown_name(trim(tab.station[d][r]))), 1);
        break;
      }
    }
    std::string const code = trim(tab.code[d][t]);
    if (!code.empty()) view.text += sinkansen_entry(code.front(), format_number(time % 100, "00"));
  }
  return view;
}

TimetableView timetable_view(const AppState& state, int view_mode) {
  if (view_mode == 1) return keiyo_timetable(state);
  if (view_mode == 2) return sinkansen_timetable(state);
  return {};
}

}  // namespace vorlash
