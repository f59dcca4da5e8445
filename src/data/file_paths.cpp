#include "data/file_paths.h"

#include "platform/native_path.h"
#include "platform/program_files.h"

namespace vorlash {

void apply_locations(const FileLocations& locations, AppState& state) {
  state.program_folder = locations.data_folder;
  state.settings_folder = locations.settings_folder;
  state.user_hotel_folder = locations.user_data_folder;
}

std::string settings_file_path(const AppState& state) {
  auto const& folder = state.settings_folder.empty() ? state.program_folder : state.settings_folder;
  return program_path(folder, state.settings_file_name);
}

std::string user_hotel_file_path(const AppState& state, const std::string& program_folder) {
  auto const& folder = state.user_hotel_folder.empty() ? program_folder : state.user_hotel_folder;
  return program_path(folder, kUserHotelFileName);
}

}  // namespace vorlash
