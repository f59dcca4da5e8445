// vorlash-cli's command line: strict dates and times, the global options on
// either side of the command, --help and --version.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/app_texts.h"
#include "cli/cli_run.h"

namespace {

using vorlash::test::cli_path;
using vorlash::test::CliRun;
using vorlash::test::run_shell;

bool have_sample() {
  return std::filesystem::exists(std::filesystem::path(VORLASH_SAMPLE_DIR) / "vorlashj.dat");
}

// A successful run is judged by its standard output, a refused one by its
// error output: each run keeps only the stream its outcome should use.
CliRun run(std::string arguments, int expected_status) {
  std::string const dir = std::string("\"") + VORLASH_SAMPLE_DIR + "\"";
  for (std::size_t at; (at = arguments.find("DIR")) != std::string::npos;)
    arguments.replace(at, 3, dir);
  char const* const keep = expected_status == 0 ? " 2>/dev/null" : " 2>&1 >/dev/null";
  return run_shell(cli_path() + " " + arguments + keep);
}

TEST(CommandLine, StatusAndFirstOutput) {
  VORLASH_SKIP_CLI_ON_WINDOWS();
  if (!have_sample()) FAIL() << "missing file: vorlashj.dat in " << VORLASH_SAMPLE_DIR;
  struct Case {
    const char* args;
    int status;
    const char* begins;
  };
  char const* const board_line = "現在日時 ： 2000/03/11（土）  14:05\n";
  Case const cases[] = {
      // Dates that do not exist, and malformed dates and times, are refused
      // naming the option instead of running for a neighbouring day.
      {"board --dir DIR --at \"2024-02-31 10:00\"", 2, "vorlash-cli: --at wants"},
      {"board --dir DIR --at \"2024-04-31 10:00\"", 2, "vorlash-cli: --at wants"},
      {"board --dir DIR --at \"2023-02-29 10:00\"", 2, "vorlash-cli: --at wants"},
      {"board --dir DIR --at \"2024-+2-01 10:00\"", 2, "vorlash-cli: --at wants"},
      {"board --dir DIR --at \"2024-03-01 10:5\"", 2, "vorlash-cli: --at wants"},
      {"board --dir DIR --at=", 2, "vorlash-cli: --at wants"},
      {"search --dir DIR --from 東京 --to 博多 --date 2024-5-1.5", 2,
       "vorlash-cli: search: --date wants"},
      {"search --dir DIR --from 東京 --to 博多 --dep 25:00-", 2,
       "vorlash-cli: search: --dep wants"},
      {"search --dir DIR --from 東京 --to 博多 --wait 2.5", 2, "vorlash-cli: search: --wait wants"},
      {"board --dir DIR --dir DIR", 2, "vorlash-cli: --dir is given twice"},
      {"board --dir", 2, "vorlash-cli: --dir wants a value"},
      {"board --edition 0", 2, "vorlash-cli: --edition wants an Edition number"},
      {"board --edition=x", 2, "vorlash-cli: --edition wants an Edition number"},
      // A named program folder is the program, whatever the Edition.
      {"--edition 2 --dir DIR --at \"2000-03-11 14:05\" board", 0, board_line},
      // The global options also stand before the command.
      {"--dir DIR --at \"2000-03-11 14:05\" board", 0, board_line},
      {"--dir=DIR board --at=\"2000-03-11 14:05\"", 0, board_line},
      {"--at \"2000-03-11 14:05\" -x board", 2, "vorlash-cli: unknown option \"-x\""},
      // Help and version on standard output.
      {"--help", 0,
       "usage: vorlash-cli [--dir DIR | --edition N] [--at T] COMMAND ...\n  vorlash-cli dump"},
      {"stops --help", 0, "usage: vorlash-cli stops shinkansen|keiyo ROW"},
      // A command's help says what it does and the values of its arguments.
      {"hotels --dir DIR --help", 0,
       "usage: vorlash-cli hotels REGION [--district NAME]... [--dir DIR]\n"
       "the hotel list of a region, as the hotel list window shows it\n"
       "  --district NAME  only the hotels of that district (repeatable)\n"
       "  REGION  one of: 札幌 函館"},
      {"--version", 0, "vorlash-cli " VORLASH_VERSION "\n"},
      {"tram", 2, "vorlash-cli: unknown command \"tram\"\nusage:"},
  };
  for (auto const& c : cases) {
    CliRun const r = run(c.args, c.status);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.out;
    EXPECT_EQ(r.out.rfind(c.begins, 0), 0u) << c.args << "\n" << r.out;
  }
}

#ifdef VORLASH_APP
// The desktop program answers --version and --help before it opens a display.
TEST(CommandLine, DesktopProgramAnswersWithoutDisplay) {
  VORLASH_SKIP_ON_WINDOWS("starts the desktop program by a POSIX shell");
  struct Case {
    const char* option;
    std::string out;
  };
  Case const cases[] = {{"--version", "vorlash " VORLASH_VERSION "\n"},
                        {"--help", std::string(vorlash::app_text::kUsage)}};
  for (auto const& c : cases) {
    std::string const command =
        std::string("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb \"") + VORLASH_APP +
        "\" " + c.option + " 2>/dev/null";
    CliRun const r = run_shell(command);
    EXPECT_EQ(r.status, 0) << c.option;
    EXPECT_EQ(r.out, c.out);
  }
}
#endif

}  // namespace
