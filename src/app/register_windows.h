// Every window of the desktop program that is opened by name through the
// AppContext ("timetable5", "timetable24", ...). The main window disables the
// buttons and menu entries of names that have no opener.
#pragma once

#include "shell/app_context.h"

namespace vorlash {

void register_windows(AppContext& ctx);

}  // namespace vorlash
