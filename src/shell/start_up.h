// The start-up of the desktop program, run by the main window before it is
// shown: the installation (fixed names, program folder, Edition), the clock,
// the SettingsFile, then the DataFile sections behind the loading window
// with its progress bar, and last the main window's first display.
#pragma once

#include <functional>

#include "base/status.h"
#include "shell/app_context.h"

namespace vorlash {

struct StartUpSteps {
  // The Keiyo sections are not read (keiyo_use is not 1).
  std::function<void()> keiyo_skipped;
  // Places the main window and fills it; runs before the loading window closes.
  std::function<void()> set_form1;
  // Brings the main window to the front when a second copy is started.
  std::function<void()> show_again;
};

// Runs the start-up. A missing or broken DataFile or SettingsFile stops it:
// the loading window closes, an error box names the file and the problem,
// and the status is returned; the caller must not show the main window.
// A second copy in the same folder asks the running one to come to the
// front and fails quietly (ctx.handed_to_running_copy), without a box.
Status start_up(AppContext& ctx, const StartUpSteps& steps);

}  // namespace vorlash
