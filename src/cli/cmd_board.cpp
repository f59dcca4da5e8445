// vorlash-cli board: the clock line and the departure lists of the main window.
#include "cli/board_common.h"
#include "cli/commands.h"

namespace vorlash::cli {

int cmd_board(CliArgs& args) {
  if (!args.args.empty()) return reject("board", "unexpected argument \"" + args.args[0] + "\"");
  BoardRun run;
  if (int const status = build_board(args, run); status != kExitOk) return status;

  print_line(run.clock_line);
  print_line(run.sinkansen.caption);
  for (auto const& row : run.sinkansen.rows) print_line(row);
  if (run.state->keiyo_use == 1) {
    print_line("");
    print_line(run.keiyo.caption);
    for (auto const& row : run.keiyo.rows) print_line(row);
  }
  return kExitOk;
}

}  // namespace vorlash::cli
