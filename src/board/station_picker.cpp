#include "board/station_picker.h"

#include <algorithm>

#include "board/board_texts.h"

namespace vorlash {

namespace {

// The picker offers the Keiyo stations that the settings window's check
// accepts: positions 1 to 11 except 8. Positions past the table's station
// count hold no name and are not offered as blank rows.
constexpr int kKeiyoPickerLast = 11;
constexpr int kKeiyoPickerSkipped = 8;

}  // namespace

StationChoices station_picker(const AppState& state, int mode) {
  StationChoices out;
  if (mode == 1) {
    out.header = std::string(board_text::kKeiyoLine);
    int const last = std::min(kKeiyoPickerLast, state.keiyo.station_count[1]);
    for (int p = 1; p <= last; ++p) {
      if (p != kKeiyoPickerSkipped) out.names.push_back(state.keiyo.station[1][p]);
    }
  } else if (mode == 2 || mode == 12 || mode == 22) {
    out.header = state.edition_title;
    ShinkansenTables const& tab = state.sinkansen;
    int const last = std::min(tab.station_count[1], kMaxRows);
    for (int r = 1; r <= last; ++r) {
      // Rows left empty (a line family whose up list is longer than its
      // down list) are not stations and are not offered.
      bool const boardable = tab.row_kind[1][r] == 0 || tab.row_kind[1][r] == 1;
      if (boardable && !tab.station[1][r].empty()) out.names.push_back(tab.station[1][r]);
    }
  }
  return out;
}

}  // namespace vorlash
