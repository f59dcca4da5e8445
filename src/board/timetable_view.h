// The timetable window's texts: the whole day's departures from the user's
// station, one line per hour.
#pragma once

#include <string>

#include "data/app_state.h"

namespace vorlash {

struct TimetableView {
  std::string caption;  // frame caption
  std::string text;     // hour lines separated by CR LF
  std::string note;     // note line under the text
};

// Keiyo view: the day's table for keiyo_flg; a train ending short of the last
// position shows its minute in parentheses.
TimetableView keiyo_timetable(const AppState& state);

// Shinkansen view: every train of the direction that runs on the corrected
// date, stops at the user's station and goes on from it.
TimetableView sinkansen_timetable(const AppState& state);

// By view mode: 1 Keiyo, 2 Shinkansen, anything else an empty window.
TimetableView timetable_view(const AppState& state, int view_mode);

}  // namespace vorlash
