// vorlash-cli: the program's core without windows, for scripting and checking.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "platform/command_line.h"
#include "platform/language_choice.h"

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
     "search [--from NAME] [--to NAME] [--date YYYY-MM-DD] [--dep HH:MM-HH:MM]\n"
     "         [--arr HH:MM-HH:MM] [--wait MIN] [--transfers 1|2] [--order dep|arr|ride]\n"
     "         [--one|--all] [--dir DIR]"},
    {"hotels", vorlash::cli::cmd_hotels, "hotels REGION [--district NAME]... [--dir DIR]"},
    {"build-data", vorlash::cli::cmd_build_data, "build-data SRC_DIR OUT.dat"},
    {"export-data", vorlash::cli::cmd_export_data, "export-data DATAFILE OUT_DIR"},
    {"export-gtfs", vorlash::cli::cmd_export_gtfs, "export-gtfs DATAFILE OUT_DIR"},
    {"import-gtfs", vorlash::cli::cmd_import_gtfs,
     "import-gtfs FEED MAPPING OUT_SRC_DIR [--base SRC_DIR]"},
    {"encode-text", vorlash::cli::cmd_encode_text, "encode-text IN.utf8 OUT (Shift-JIS, CR LF)"},
};

constexpr char kGlobalOptions[] =
    "Options (before or after the command):\n"
    "  --dir DIR   the program folder (default: the folder of this executable, or the\n"
    "              installed Edition's data and the user's folders when it holds no data)\n"
    "  --edition N the Edition of an installed program (default 1)\n"
    "  --at T      run as if the clock stood at T, \"YYYY-MM-DD HH:MM\"\n"
    "  --lang L    the language of the output, ja or en (default: from the locale)\n"
    "  --help      this text; COMMAND --help shows the usage of one command\n"
    "  --version   the program's name and version\n"
    "Exit status: 0 success, 1 unreadable or broken file, 2 input rejected.\n";

void print_usage(std::FILE* out) {
  std::fputs("usage: vorlash-cli [--dir DIR | --edition N] [--at T] COMMAND ...\n", out);
  for (auto const& c : kCommands)
    std::fprintf(out, "  vorlash-cli %.*s\n", static_cast<int>(c.usage.size()), c.usage.data());
  std::fputs(kGlobalOptions, out);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vorlash::cli;
  vorlash::use_utf8_console();
  std::vector<std::string> words = vorlash::utf8_arguments(argc, argv);
  std::vector<char*> utf8_argv;
  for (auto& word : words) utf8_argv.push_back(word.data());
  auto args = parse_args(static_cast<int>(utf8_argv.size()), utf8_argv.data());
  if (!args) return kExitRejected;
  vorlash::set_language(
      vorlash::chosen_language(args->lang, std::nullopt, vorlash::locale_language()));
  if (args->version && !args->help) {
    std::printf("vorlash-cli %s\n", VORLASH_VERSION);
    return kExitOk;
  }
  if (args->command.empty()) {
    print_usage(args->help ? stdout : stderr);
    return args->help ? kExitOk : kExitRejected;
  }
  for (auto const& c : kCommands) {
    if (c.name != args->command) continue;
    if (!args->help) return c.run(*args);
    std::printf("usage: vorlash-cli %.*s\n", static_cast<int>(c.usage.size()), c.usage.data());
    std::fputs(kGlobalOptions, stdout);
    return kExitOk;
  }
  std::fprintf(stderr, "vorlash-cli: unknown command \"%s\"\n", args->command.c_str());
  print_usage(stderr);
  return kExitRejected;
}
