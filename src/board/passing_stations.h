// The passing-stations window's text: the stops and times of the train on the
// departure-list row last double-clicked, from the user's station on.
#pragma once

#include <string>

#include "board/board_state.h"
#include "data/app_state.h"

namespace vorlash {

// Keiyo train of row board.chosen_keiyo_row of the last Keiyo list build.
// Empty when that row holds no train (an empty-list message, or no such row).
std::string keiyo_passing_stations(const AppState& state, const BoardState& board);

// Shinkansen train of row board.chosen_sinkansen_row, followed by its
// vehicle note. Empty when that row holds no train.
std::string sinkansen_passing_stations(const AppState& state, const BoardState& board);

// By the board's view mode: 1 Keiyo, 2 Shinkansen, anything else empty.
std::string passing_stations_text(const AppState& state, const BoardState& board);

}  // namespace vorlash
