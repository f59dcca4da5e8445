#include "cli/board_common.h"

#include <cstdio>

#include "board/clock_day.h"

namespace vorlash::cli {

int build_board(const CliArgs& args, BoardRun& run) {
  AppState& state = *run.state;
  if (!load_program(args, state)) return kExitBrokenFile;
  auto const clock = make_clock(args);
  set_holiday(state);
  run.clock_line = edit_time(state, *clock);
  edit_sinkansen(state, run.board, run.sinkansen);
  edit_keiyo(state, run.board, run.keiyo);
  return kExitOk;
}

std::optional<int> parse_line_name(std::string_view name) {
  if (name == "shinkansen") return 2;
  if (name == "keiyo") return 1;
  return std::nullopt;
}

int reject(std::string_view command, std::string_view message) {
  std::fprintf(stderr, "vorlash-cli: %.*s: %.*s\n", static_cast<int>(command.size()),
               command.data(), static_cast<int>(message.size()), message.data());
  return kExitRejected;
}

}  // namespace vorlash::cli
