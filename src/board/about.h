// The text of the About box (ﾍﾙﾌﾟ menu): the program, its version, the
// Edition, the date the DataFile's timetables are valid from, and where each
// of the program's files lives.
#pragma once

#include <string>

#include "data/app_state.h"

namespace vorlash {

std::string about_text(const AppState& state);

}  // namespace vorlash
