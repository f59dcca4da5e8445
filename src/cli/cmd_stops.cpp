// vorlash-cli stops shinkansen|keiyo ROW: builds the board, then shows the
// passing-stations text of list row ROW (0-based) as a double-click would.
#include <charconv>
#include <optional>
#include <string>

#include "board/passing_stations.h"
#include "cli/board_common.h"
#include "cli/commands.h"

namespace vorlash::cli {

namespace {

std::optional<int> parse_row(const std::string& text) {
  int row = 0;
  auto const [end, ec] = std::from_chars(text.data(), text.data() + text.size(), row);
  if (ec != std::errc() || end != text.data() + text.size() || row < 0) return std::nullopt;
  return row;
}

}  // namespace

int cmd_stops(CliArgs& args) {
  if (args.args.empty()) return reject("stops", "LINE missing: shinkansen or keiyo");
  std::optional<int> const mode = parse_line_name(args.args[0]);
  if (!mode)
    return reject("stops", "LINE must be shinkansen or keiyo, not \"" + args.args[0] + "\"");
  if (args.args.size() < 2) return reject("stops", "ROW missing: a list row number from 0");
  std::optional<int> const row = parse_row(args.args[1]);
  if (!row)
    return reject("stops", "ROW must be a list row number from 0, not \"" + args.args[1] + "\"");
  if (args.args.size() > 2) return reject("stops", "unexpected argument \"" + args.args[2] + "\"");

  BoardRun run;
  if (int const status = build_board(args, run); status != kExitOk) return status;
  AppState& state = *run.state;
  // With the Keiyo line off there is no Keiyo list to click on.
  if (*mode == 1 && state.keiyo_use != 1) return kExitOk;

  if (*mode == 1) {
    run.board.chosen_keiyo_row = *row;
  } else {
    run.board.chosen_sinkansen_row = *row;
  }
  run.board.view_mode = *mode;
  // A row holding an empty-list message, or past the list, maps to no train.
  std::string const text = passing_stations_text(state, run.board);
  if (!text.empty()) print_line(text);
  return kExitOk;
}

}  // namespace vorlash::cli
