// Loading the hotel table for the hotel list: the user's own hotels from the
// UserHotelFile, then the hotels of the DataFile's hotel section, both with
// their regions folded.
#pragma once

#include <functional>
#include <string>

#include "base/status.h"
#include "data/app_state.h"
#include "data/file_paths.h"
#include "data/hotel_file.h"
#include "data/readers.h"

namespace vorlash {

// What the loading sequence asks of the windows around it; every hook may be
// empty.
struct HotelLoadHooks {
  std::function<void()> open_loading;   // show the loading window with the hotel message
  std::function<void()> close_loading;  // the loading is over
  YieldFn yield;                        // let pending window events run
};

// Each step's outcome. The loader reports nothing to the user: an error only
// ends its own step, and the table holds whatever the other steps read.
struct HotelLoadReport {
  Status user_hotels;
  Status data_file;
  LeftOutHotels left_out;  // DataFile hotels with no slot beside the user hotels
};

// Runs the loading sequence over the DataFile of program_folder and the
// UserHotelFile of user_hotel_file_path(state, program_folder):
// 1. opens the loading window and lets events run;
// 2. reads the UserHotelFile into slots 1..U (a missing or empty file
//    leaves U as it was; a line that cannot be read is left out);
// 3. reads the DataFile's hotel section into slots U+1..U+N, letting events
//    run after opening it, between its blocks and after reading it (N is 0
//    when the file or its section cannot be read; hotels past the 1000
//    slots are left out);
// 4. sets the hotel-loaded flag, closes the loading window, lets events run.
HotelLoadReport load_hotel_table(AppState& state, const std::string& program_folder,
                                 const HotelLoadHooks& hooks);

}  // namespace vorlash
