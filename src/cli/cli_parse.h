// Strict reading of vorlash-cli's command line: the global options, and the
// dates and times that options carry. A value not exactly in its documented
// form is refused rather than guessed at, so that a mistyped date such as
// 2024-02-31 never runs silently for another day.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "text/date.h"
#include "text/language.h"

namespace vorlash::cli {

struct CliArgs {
  std::string command;             // empty when only --help or --version was given
  std::vector<std::string> args;   // what follows the subcommand, global options removed
  std::string dir;                 // program folder (--dir; empty when not given)
  int edition = 1;                 // --edition: the Edition of an installed program
  std::string exe_folder;          // the folder of vorlash-cli, set by parse_args
  std::optional<ClockReading> at;  // --at "YYYY-MM-DD HH:MM"
  std::optional<Language> lang;    // --lang ja|en
  bool help = false;               // --help or -h
  bool version = false;            // --version
};

// Splits the words after the program name. The global options --dir,
// --edition, --at, --help and --version may stand before or after the subcommand, valued ones
// as "--dir DIR" or "--dir=DIR", each at most once. On a refusal returns
// nullopt and sets error to one line naming the option.
std::optional<CliArgs> parse_command_line(const std::vector<std::string>& words,
                                          std::string& error);

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
};

// "HH:MM-HH:MM"; either half may be empty (the search window's default).
struct TimeWindow {
  std::optional<TimeOfDay> from;
  std::optional<TimeOfDay> to;
};

// "YYYY-MM-DD" (month and day may have one digit), a date of the calendar
// from 1900 on.
std::optional<CivilDate> parse_date(std::string_view text);
// "HH:MM" (the hour may have one digit), 00:00 to 23:59.
std::optional<TimeOfDay> parse_time(std::string_view text);
// "YYYY-MM-DD HH:MM", one blank between date and time.
std::optional<ClockReading> parse_moment(std::string_view text);
std::optional<TimeWindow> parse_time_window(std::string_view text);
// A whole number of at most four digits, no sign.
std::optional<int> parse_count(std::string_view text);

}  // namespace vorlash::cli
