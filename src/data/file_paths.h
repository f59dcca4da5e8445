// Where the loaded program's SettingsFile and UserHotelFile are, once the
// file locations are known.
#pragma once

#include <string>

#include "data/app_state.h"
#include "platform/file_locations.h"

namespace vorlash {

// Points the state at the folders (program_folder is the data folder).
void apply_locations(const FileLocations& locations, AppState& state);

// The SettingsFile: in settings_folder, or in the program folder when that
// is not set.
std::string settings_file_path(const AppState& state);

// The UserHotelFile: in user_hotel_folder, or in program_folder when that is
// not set.
std::string user_hotel_file_path(const AppState& state, const std::string& program_folder);

}  // namespace vorlash
