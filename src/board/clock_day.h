// The program's notion of now: the clock values, the corrected date and time,
// the board time, the clock line and the day flags of the corrected date.
#pragma once

#include <string>

#include "data/app_state.h"
#include "platform/clock.h"

namespace vorlash {

// Reads the clock into the clock values and copies them to the corrected
// values; the correction offset becomes 0.
void get_today(AppState& state, const Clock& clock);

// day_flags slots 0..2 for the corrected date.
void set_holiday(AppState& state);

// Reads the clock's time of day into the corrected time, computes the board
// time (offset added, wrapped by 23:59:59) and returns the clock line
// ("現在日時 ： 2000/03/11（土）  14:05").
std::string edit_time(AppState& state, const Clock& clock);

}  // namespace vorlash
