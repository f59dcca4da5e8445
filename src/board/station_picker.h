// The station picker's header caption and the station names it offers.
#pragma once

#include <string>
#include <vector>

#include "data/app_state.h"

namespace vorlash {

struct StationChoices {
  std::string header;
  std::vector<std::string> names;
};

// Mode 1 (Keiyo station of the settings window): "京葉線" and positions 1 to
// 11 of Keiyo table 1 except position 8. Modes 2, 12 and 22 (Shinkansen
// station of the settings window, boarding and alighting stations of the
// search window): the edition title and the down-direction rows of kind 0 or 1.
// Any other mode: nothing.
StationChoices station_picker(const AppState& state, int mode);

}  // namespace vorlash
