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
  std::string_view summary;  // one line: what the command prints or does
  std::string_view values;   // the values its arguments take ("" when none)
  // Values only the data can tell (the region names), printed after `values`.
  void (*data_values)(const vorlash::cli::CliArgs&) = nullptr;
};

constexpr Command kCommands[] = {
    {"dump", vorlash::cli::cmd_dump, "dump [--dir DIR]",
     "what the DataFile and the SettingsFile hold, as counts and samples", ""},
    {"board", vorlash::cli::cmd_board, "board [--dir DIR] [--at \"YYYY-MM-DD HH:MM\"]",
     "the clock line and the two departure lists of the main window", ""},
    {"timetable", vorlash::cli::cmd_timetable, "timetable shinkansen|keiyo [--dir DIR] [--at T]",
     "the whole day's timetable of one departure list",
     "  shinkansen|keiyo  which departure list\n"},
    {"stops", vorlash::cli::cmd_stops, "stops shinkansen|keiyo ROW [--dir DIR] [--at T]",
     "the stops and times of the train on one departure-list row",
     "  shinkansen|keiyo  which departure list\n"
     "  ROW               the row of that list, counted from 0\n"},
    {"search", vorlash::cli::cmd_search,
     "search [--from NAME] [--to NAME] [--date YYYY-MM-DD] [--dep HH:MM-HH:MM]\n"
     "         [--arr HH:MM-HH:MM] [--wait MIN] [--transfers 1|2] [--order dep|arr|ride]\n"
     "         [--one|--all] [--dir DIR]",
     "a connection search with its fares, as the search results window prints it",
     "  --from, --to NAME  the boarding and alighting Shinkansen stations\n"
     "  --date             the planned day (default: today)\n"
     "  --dep, --arr       the earliest and latest departure and arrival times\n"
     "  --wait MIN         the longest wait when changing trains, in minutes\n"
     "  --transfers 1|2    at most one or two changes\n"
     "  --order            by departure, arrival or riding time\n"
     "  --one|--all        one connection per first train, or all of them\n"},
    {"hotels", vorlash::cli::cmd_hotels, "hotels REGION [--district NAME]... [--dir DIR]",
     "the hotel list of a region, as the hotel list window shows it",
     "  --district NAME  only the hotels of that district (repeatable)\n",
     vorlash::cli::print_region_names},
    {"build-data", vorlash::cli::cmd_build_data, "build-data SRC_DIR OUT.dat",
     "compiles the data sources of SRC_DIR into the DataFile OUT.dat", ""},
    {"export-data", vorlash::cli::cmd_export_data, "export-data DATAFILE OUT_DIR",
     "writes the data sources of a DataFile back into OUT_DIR", ""},
    {"export-gtfs", vorlash::cli::cmd_export_gtfs, "export-gtfs DATAFILE OUT_DIR",
     "writes the Shinkansen and Keiyo timetables of a DataFile as a GTFS feed", ""},
    {"import-gtfs", vorlash::cli::cmd_import_gtfs,
     "import-gtfs FEED MAPPING OUT_SRC_DIR [--base SRC_DIR]",
     "makes data sources from a GTFS feed (a folder or .zip) and a station mapping",
     "  FEED           the GTFS feed, a folder or a .zip file\n"
     "  MAPPING        the station and line mapping (see docs/gtfs.md)\n"
     "  --base SRC_DIR the data sources the tables not in the feed come from\n"},
    {"encode-text", vorlash::cli::cmd_encode_text, "encode-text IN.utf8 OUT (Shift-JIS, CR LF)",
     "converts a UTF-8 text file to Shift-JIS with CR LF line ends", ""},
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
    std::printf("usage: vorlash-cli %.*s\n%.*s\n%.*s", static_cast<int>(c.usage.size()),
                c.usage.data(), static_cast<int>(c.summary.size()), c.summary.data(),
                static_cast<int>(c.values.size()), c.values.data());
    if (c.data_values) c.data_values(*args);
    std::fputs(kGlobalOptions, stdout);
    return kExitOk;
  }
  std::fprintf(stderr, "vorlash-cli: unknown command \"%s\"\n", args->command.c_str());
  print_usage(stderr);
  return kExitRejected;
}
