// The SettingsFile of the running Edition (vorlash2.ini, vorlash3.ini or
// vorlash4.ini in the program folder): read whole into AppState at start-up,
// written whole from AppState when the program ends.
#pragma once

#include <string>
#include <string_view>

#include "base/status.h"
#include "data/app_state.h"
#include "data/file_paths.h"

namespace vorlash {

// Reads settings_file_path(state): the settings folder, else the program
// folder.
// A missing file or a line that breaks the format is an error naming the file
// and the line; values read before the error stay in AppState.
Status get_ini_file(AppState& state);

// Parses SettingsFile bytes (Shift-JIS) into AppState; file_name is used in
// error messages only.
Status parse_ini_bytes(std::string_view sjis_bytes, std::string_view file_name, AppState& state);

// The whole SettingsFile text (Shift-JIS, CR LF) for the values in AppState.
// Fails when a text cannot be written in code page 932.
Status render_ini_bytes(const AppState& state, std::string& sjis_bytes);

// Writes the SettingsFile safely (temporary file, then rename).
Status put_ini_file(const AppState& state);

}  // namespace vorlash
