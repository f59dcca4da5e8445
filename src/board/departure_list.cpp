#include "board/departure_list.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "board/board_texts.h"
#include "board/train_selection.h"
#include "text/date.h"
#include "text/fullwidth.h"
#include "text/names.h"
#include "text/number_format.h"
#include "text/utf8.h"

namespace vorlash {

namespace {

// hour and minute + minutes, carrying whole hours; the minute stays as it is
// when it does not reach 60 (a negative walk gives a minute below 0).
void add_minutes(int hour, int minute, int minutes, int& out_hour, int& out_minute) {
  int const m = minute + minutes;
  if (m >= 60) {
    out_hour = hour + m / 60;
    out_minute = m - 60 * (m / 60);
  } else {
    out_hour = hour;
    out_minute = m;
  }
}

bool all_digits(std::string_view text) {
  return !text.empty() && text.size() <= 18 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string_view vehicle_mark(std::string_view code) {
  for (auto const& mark : board_text::kVehicleMarks) {
    if (mark.code == code) return mark.text;
  }
  return board_text::kNoVehicleMark;
}

std::string_view keiyo_kind(std::string_view code) {
  std::string const trimmed = trim(code);
  return (!trimmed.empty() && trimmed.back() == 'A') ? board_text::kKeiyoRapid
                                                     : board_text::kKeiyoLocal;
}

// The message of an empty list: before 07:00 (by the earliest limit's hour)
// the service has not started yet, later it has ended.
std::string empty_list_message(const AppState& state) {
  return std::string(state.clock.corrected_hour <= 6 ? board_text::kNoTrainsNow
                                                     : board_text::kServiceEnded);
}

ReachableWindow window_for(AppState& state, const LineSettings& line) {
  // Rounded to the nearest second, so 14:05:00 is never taken as 14:04.
  int hour = 0;
  int minute = 0;
  int second = 0;
  split_time_of_day(state.clock.board_time, hour, minute, second);
  ReachableWindow const w = reachable_window(hour, minute, line.hun1, line.hun2);
  state.clock.corrected_hour = w.earliest_hour;
  state.clock.corrected_minute = w.earliest_minute;
  return w;
}

void add_pick(BoardState& board, int t) {
  if (board.pick_count < kMaxPicks) board.pick[++board.pick_count] = t;
}

}  // namespace

ReachableWindow reachable_window(int hour, int minute, int hun1, int hun2) {
  ReachableWindow w;
  w.end_limit = (hour + 2) * 100 + minute;
  int h = 0;
  int m = 0;
  add_minutes(hour, minute, hun1, h, m);
  w.hurry_limit = h * 100 + m;
  add_minutes(hour, minute, hun2, w.earliest_hour, w.earliest_minute);
  w.earliest_limit = w.earliest_hour * 100 + w.earliest_minute;
  return w;
}

void edit_bin(const AppState& state, int d, [[maybe_unused]] int s, int t, std::string& text) {
  std::string const code = trim(state.sinkansen.code[d][t]);
  int const length = char_count(code);
  if (!code.empty()) {
    std::string name = board_text::train_name_field(code.front());
    if (!name.empty()) text = std::move(name);
  }
  std::string const number = length > 1 ? right_chars(code, length - 1) : std::string();
  std::string const formatted =
      all_digits(number) ? format_number(std::stoll(number), "000") : number;
  text += shown_digits(formatted);
  text += vehicle_mark(state.sinkansen.vehicle[d][t]);
}

void edit_sinkansen(AppState& state, BoardState& board, DepartureList& list) {
  ShinkansenTables const& tab = state.sinkansen;
  LineSettings const& line = state.sinkansen_line;

  int const d = sinkansen_direction(state);
  list.caption = sinkansen_caption(state, d);
  board.sinkansen_dir = d;
  int const s = find_sinkansen_row(state, d);
  board.sinkansen_station_row = s;
  ReachableWindow const w = window_for(state, line);

  board.pick_count = 0;
  // A station that is not in the list selects nothing.
  for (int t = 1; s != 0 && t <= tab.train_count[d] && t <= kMaxTrains; ++t) {
    int const departs = tab.time[d][s][t];
    int skip = 0;
    if (line.hyouji == 0 && departs >= w.end_limit) skip = 1;
    select_data(state, d, s, t, skip);
    // A train that does not stop here (time 0) is never listed.
    if (skip == 0 && departs != 0 && has_stop_after(state, d, s, t) && departs >= w.earliest_limit)
      add_pick(board, t);
  }
  if (s != 0) sort_sinkansen(state, board, d, s);

  list.rows.clear();
  board.sinkansen_rows = 0;
  int shown = 0;
  for (int i = 1; i <= board.pick_count; ++i) {
    int const t = board.pick[i];
    int const departs = tab.time[d][s][t];
    std::string text;
    edit_bin(state, d, s, t, text);
    text += " " + fullwidth_hhmm(departs);
    if (int const r = sinkansen_destination_row(state, d, s, t); r != 0)
      text += "  " + std::string(shown_name(tab.station[d][r])) + " (" +
              fullwidth_hhmm(tab.time[d][r][t]) + ")";
    if (departs <= w.hurry_limit) text += "  " + std::string(board_text::kHurry);
    list.rows.push_back(text);
    board.sinkansen_rows = static_cast<int>(list.rows.size());
    board.sinkansen_row_train[board.sinkansen_rows] = t;
    if (line.hyouji != 0 && ++shown >= line.hyouji) break;
  }
  if (list.rows.empty()) list.rows.push_back(empty_list_message(state));
}

void edit_keiyo(AppState& state, BoardState& board, DepartureList& list) {
  if (state.keiyo_use != 1) return;
  KeiyoTables const& tab = state.keiyo;
  LineSettings const& line = state.keiyo_line;

  int const k = keiyo_table_for(state);
  list.caption = keiyo_caption(state, k);
  board.keiyo_table = k;
  int const j = find_keiyo_position(state, k);
  board.keiyo_station_row = j;
  ReachableWindow const w = window_for(state, line);

  // No operating-day filter (the table is already the day's) and no test for
  // later stops.
  board.pick_count = 0;
  for (int t = 1; j != 0 && t <= tab.train_count[k] && t <= kMaxKeiyoTrains; ++t) {
    int const departs = tab.time[k][j][t];
    bool const too_late = line.hyouji == 0 && departs >= w.end_limit;
    if (!too_late && departs != 0 && departs >= w.earliest_limit) add_pick(board, t);
  }
  if (j != 0) sort_keiyo(state, board, k, j);

  list.rows.clear();
  board.keiyo_rows = 0;
  int shown = 0;
  for (int i = 1; i <= board.pick_count; ++i) {
    int const t = board.pick[i];
    int const departs = tab.time[k][j][t];
    std::string text(keiyo_kind(tab.code[k][t]));
    text += " " + fullwidth_hhmm(departs);
    if (int const p = keiyo_destination_position(state, k, j, t); p != 0)
      text += "  " + std::string(shown_name(tab.station[k][p])) + " (" +
              fullwidth_hhmm(tab.time[k][p][t]) + ")";
    if (departs <= w.hurry_limit) text += "  " + std::string(board_text::kHurry);
    list.rows.push_back(text);
    board.keiyo_rows = static_cast<int>(list.rows.size());
    board.keiyo_row_train[board.keiyo_rows] = t;
    if (line.hyouji != 0 && ++shown >= line.hyouji) break;
  }
  if (list.rows.empty()) list.rows.push_back(empty_list_message(state));
}

}  // namespace vorlash
