// The start-up sequence without windows: identify the installation from the
// DataFile's control section, then read the SettingsFile and the DataFile
// sections into AppState. The desktop program runs these behind its loading
// window; vorlash-cli runs them directly.
#pragma once

#include <functional>
#include <string>

#include "base/status.h"
#include "data/app_state.h"
#include "data/data_file.h"

namespace vorlash {

struct LoadHooks {
  std::function<void()> yield;          // let pending window events run
  std::function<void(int)> progress;    // progress bar value 1..7
  std::function<void()> keiyo_skipped;  // keiyo_use is not 1: the Keiyo sections are not read
};

// Sets the fixed names and the program folder, reads the control section
// (get_control) and sets Edition, edition code, edition title and
// SettingsFile name. An unreadable DataFile or an unknown Edition is an error.
Status identify_installation(AppState& state, const std::string& program_folder);

// The DataFile as identify_installation read it (the file is read again
// only when nothing was kept).
Status startup_data_file(const AppState& state, DataFile& file);

// get_ini_file, then the DataFile sections in start-up order: regions,
// districts, Keiyo stations and times (only when keiyo_use = 1), Shinkansen
// stations and times, fare tables. Stops at the first error; the caller must
// not go on with the tables.
Status load_settings_and_tables(AppState& state, const LoadHooks& hooks);

}  // namespace vorlash
