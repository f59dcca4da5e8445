// vorlash-cli: the program's core without windows, for scripting and checking.
#include <cstdio>
#include <string_view>

#include "cli/commands.h"

namespace {

struct Command {
  std::string_view name;
  int (*run)(vorlash::cli::CliArgs&);
  std::string_view usage;
};

constexpr Command kCommands[] = {
    {"dump", vorlash::cli::cmd_dump, "dump [--dir DIR]"},
    {"board", vorlash::cli::cmd_board, "board [--dir DIR] [--at \"YYYY-MM-DD HH:MM\"]"},
    {"timetable", vorlash::cli::cmd_timetable, "timetable shinkansen|keiyo [--dir DIR] [--at T]"},
    {"stops", vorlash::cli::cmd_stops, "stops shinkansen|keiyo ROW [--dir DIR] [--at T]"},
    {"search", vorlash::cli::cmd_search,
     "search --from NAME --to NAME [--date YYYY-MM-DD] [--dep HH:MM-HH:MM] [--arr HH:MM-HH:MM]\n"
     "         [--wait MIN] [--transfers 1|2] [--order dep|arr|ride] [--one|--all] [--dir DIR]"},
    {"hotels", vorlash::cli::cmd_hotels, "hotels REGION [--district NAME]... [--dir DIR]"},
    {"build-data", vorlash::cli::cmd_build_data, "build-data SRC_DIR OUT.dat"},
    {"export-data", vorlash::cli::cmd_export_data, "export-data DATAFILE OUT_DIR"},
    {"export-gtfs", vorlash::cli::cmd_export_gtfs, "export-gtfs DATAFILE OUT_DIR"},
    {"import-gtfs", vorlash::cli::cmd_import_gtfs,
     "import-gtfs FEED MAPPING OUT_SRC_DIR [--base SRC_DIR]"},
    {"encode-text", vorlash::cli::cmd_encode_text, "encode-text IN.utf8 OUT (Shift-JIS, CR LF)"},
};

void print_usage() {
  std::fputs("usage: vorlash-cli COMMAND ...\n", stderr);
  for (auto const& c : kCommands) std::fprintf(stderr, "  vorlash-cli %s\n", c.usage.data());
}

}  // namespace

int main(int argc, char** argv) {
  auto args = vorlash::cli::parse_args(argc, argv);
  if (!args) {
    print_usage();
    return vorlash::cli::kExitRejected;
  }
  for (auto const& c : kCommands) {
    if (c.name == args->command) return c.run(*args);
  }
  print_usage();
  return vorlash::cli::kExitRejected;
}
