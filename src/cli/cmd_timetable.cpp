// vorlash-cli timetable shinkansen|keiyo: the timetable window's caption, text
// and note line.
#include <optional>

#include "board/timetable_view.h"
#include "cli/board_common.h"
#include "cli/commands.h"

namespace vorlash::cli {

int cmd_timetable(CliArgs& args) {
  if (args.args.empty()) return reject("timetable", "LINE missing: shinkansen or keiyo");
  std::optional<int> const mode = parse_line_name(args.args[0]);
  if (!mode)
    return reject("timetable", "LINE must be shinkansen or keiyo, not \"" + args.args[0] + "\"");
  if (args.args.size() > 1)
    return reject("timetable", "unexpected argument \"" + args.args[1] + "\"");

  BoardRun run;
  if (int const status = build_board(args, run); status != kExitOk) return status;
  AppState& state = *run.state;
  // The main window greys its Keiyo timetable entry when the line is off.
  if (*mode == 1 && state.keiyo_use != 1)
    return reject("timetable", "the Keiyo line is switched off (keiyo_use is not 1)");

  TimetableView const view = timetable_view(state, *mode);
  print_line(view.caption);
  print_line(view.text);
  print_line(view.note);
  return kExitOk;
}

}  // namespace vorlash::cli
