// What the departure lists and the timetable views share: finding the user's
// station and line, the operating-day filter, the destination of a train and
// the exchange sorts of the pick list.
#pragma once

#include <span>
#include <string>
#include <utility>

#include "board/board_state.h"
#include "data/app_state.h"

namespace vorlash {

// Direction of the Shinkansen board: 1 down when sinkansen_flg is 1, else 2 up.
int sinkansen_direction(const AppState& state);

// First row 1..station count of direction d with row kind 0 or 2 whose name
// equals sinkansen_station; 0 when there is none.
int find_sinkansen_row(const AppState& state, int d);

// Keiyo table of the corrected day: 1/2 weekday down/up, 3/4 Saturday or
// holiday down/up (day_flags slot 0 and keiyo_flg).
int keiyo_table_for(const AppState& state);

// First position 1..station count of Keiyo table k whose name equals
// keiyo_station; 0 when there is none.
int find_keiyo_position(const AppState& state, int k);

// "新幹線（下り）  東京" and "京葉線（平日下り）  海浜幕張": the frame captions.
std::string sinkansen_caption(const AppState& state, int d);
std::string keiyo_caption(const AppState& state, int k);

// Sets skip to 1 when train t of direction d does not run on the corrected
// date; codes 50, 51 and 70 write 0 when the train runs. Does nothing when
// skip is already 1. The station row s plays no part.
void select_data(const AppState& state, int d, int s, int t, int& skip);

// The train has a time at a row after s (s + 1 .. station count).
bool has_stop_after(const AppState& state, int d, int s, int t);

// End row of a Shinkansen train for the departure list: the last row when the
// train stops there, else the first row from station count - 1 down to s with
// row kind 0 or 1 where it stops; 0 when none.
int sinkansen_destination_row(const AppState& state, int d, int s, int t);

// End position of a Keiyo train: the last position of table k when the train
// stops there, else the first position from the last - 1 down to j where it
// stops; 0 when none.
int keiyo_destination_position(const AppState& state, int k, int j, int t);

// Exchange sort, ascending by time_of(train), strict comparison. The order of
// equal times is what this exact procedure yields, and callers rely on it.
template <class TimeOf>
void exchange_sort(std::span<int> picks, TimeOf time_of) {
  for (std::size_t i = 0; i + 1 < picks.size(); ++i) {
    for (std::size_t j = i + 1; j < picks.size(); ++j) {
      if (time_of(picks[i]) > time_of(picks[j])) std::swap(picks[i], picks[j]);
    }
  }
}

// Orders the board's pick list 1..pick count by the time at row s of
// direction d / at position j of Keiyo table k.
void sort_sinkansen(const AppState& state, BoardState& board, int d, int s);
void sort_keiyo(const AppState& state, BoardState& board, int k, int j);

// hhmm as "hh:mm" in full-width characters (1234 -> "１２：３４").
std::string fullwidth_hhmm(int hhmm);

}  // namespace vorlash
