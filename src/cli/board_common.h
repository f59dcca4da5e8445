// What the board, timetable and stops subcommands share: building the
// departure board as the main window shows it after start-up, and reading the
// line name argument.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "board/departure_list.h"
#include "cli/cli_common.h"

namespace vorlash::cli {

struct BoardRun {
  std::unique_ptr<AppState> state = std::make_unique<AppState>();
  BoardState board;
  std::string clock_line;
  DepartureList sinkansen;
  DepartureList keiyo;  // left empty unless keiyo_use is 1
};

// Loads the program folder, then day flags, clock line and both departure
// lists against the --at moment (or the computer's clock). Returns kExitOk,
// or kExitBrokenFile after the loader has reported the failure.
int build_board(const CliArgs& args, BoardRun& run);

// "shinkansen" -> view mode 2, "keiyo" -> view mode 1.
std::optional<int> parse_line_name(std::string_view name);

// Reports a rejected argument on stderr: "vorlash-cli: COMMAND: FIELD ...".
int reject(std::string_view command, std::string_view message);

}  // namespace vorlash::cli
