// What every vorlash-cli subcommand shares: the global options, loading the
// program folder as start-up does, and printing texts.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_parse.h"
#include "data/app_state.h"
#include "platform/clock.h"

namespace vorlash::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitBrokenFile = 1;
inline constexpr int kExitRejected = 2;

// Parses argv and notes the executable's folder. On a refused option prints
// one line naming it to stderr and returns nullopt.
std::optional<CliArgs> parse_args(int argc, char** argv);

// Reads the DataFile (control section, all start-up sections including the
// fare tables) and the Edition's SettingsFile from args.dir, or when that is
// empty from where the executable's layout puts them (portable beside it, or
// installed for args.edition: see platform/file_locations.h), then sets the
// clock values from --at or from the computer's clock. On failure prints a
// clear message to stderr and returns false (the caller exits 1).
bool load_program(const CliArgs& args, AppState& state);

// The clock the subcommand works against: --at when given, else the
// computer's clock.
std::unique_ptr<Clock> make_clock(const CliArgs& args);

// Prints a text of the system (CR LF becomes LF) followed by nothing.
void print_text(std::string_view text);
// Prints a text and a line break.
void print_line(std::string_view text);

// Takes "--name value" or "--name=value" from args (removing both); nullopt
// when absent, "" when the option ends args without a value.
std::optional<std::string> take_option(std::vector<std::string>& args, std::string_view name);
// Takes a "--flag" from args; true when present.
bool take_flag(std::vector<std::string>& args, std::string_view name);

}  // namespace vorlash::cli
