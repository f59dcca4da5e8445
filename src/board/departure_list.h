// The two departure lists of the main window: the next Shinkansen trains and
// the next Keiyo-line trains from the user's stations against the board time.
// The main window, the settings window and the correction window all rebuild
// them through edit_sinkansen and edit_keiyo, each passing the list it shows.
#pragma once

#include <string>
#include <vector>

#include "board/board_state.h"
#include "data/app_state.h"

namespace vorlash {

// A list frame's caption and its rows, in display order.
struct DepartureList {
  std::string caption;
  std::vector<std::string> rows;
};

// Limits of the trains a list shows, as hhmm values that do not wrap at
// midnight (an hour of 24 or more stays as it is).
struct ReachableWindow {
  int end_limit = 0;       // board time + 2 h: later trains are not listed (hyouji 0)
  int hurry_limit = 0;     // board time + hun1: trains up to here get "急げ!!"
  int earliest_limit = 0;  // board time + hun2: earlier trains cannot be caught
  int earliest_hour = 0;
  int earliest_minute = 0;
};

ReachableWindow reachable_window(int hour, int minute, int hun1, int hun2);

// Appends the train name (replacing the text when the first letter of the
// code names a train), the full-width train number and the vehicle mark of
// train t of direction d.
void edit_bin(const AppState& state, int d, int s, int t, std::string& text);

// Rebuilds the Shinkansen list: caption, rows, the board's pick list,
// direction and station row in use, the row-to-train map and its count, and
// the corrected hour and minute (the earliest limit).
void edit_sinkansen(AppState& state, BoardState& board, DepartureList& list);

// The same for the Keiyo list; does nothing unless keiyo_use is 1.
void edit_keiyo(AppState& state, BoardState& board, DepartureList& list);

}  // namespace vorlash
