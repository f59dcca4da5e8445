// Feeds arbitrary words to vorlash-cli's command-line parsing (one word per
// line) and the whole input to each date and time parser. Whatever the
// bytes, a parse either refuses with a message or yields values in range
// that print back to a text parsing to the same values.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_common.h"
#include "cli/cli_parse.h"

namespace {

using namespace vorlash;
using namespace vorlash::cli;

void check(bool ok) {
  if (!ok) std::abort();
}

std::string two(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

void check_date(const CivilDate& d) {
  check(d.year >= 1900 && d.year <= 9999 && is_valid_date(d.year, d.month, d.day));
  auto const again = parse_date(std::to_string(d.year) + "-" + two(d.month) + "-" + two(d.day));
  check(again && again->year == d.year && again->month == d.month && again->day == d.day);
}

void check_time(const TimeOfDay& t) {
  check(t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59);
  auto const again = parse_time(two(t.hour) + ":" + two(t.minute));
  check(again && again->hour == t.hour && again->minute == t.minute);
}

void check_moment(const ClockReading& r) {
  check_date({r.year, r.month, r.day});
  check_time({r.hour, r.minute});
  check(r.second == 0);
}

// Every parser on one text.
void parse_value(std::string_view text) {
  if (auto const d = parse_date(text)) check_date(*d);
  if (auto const t = parse_time(text)) check_time(*t);
  if (auto const m = parse_moment(text)) check_moment(*m);
  if (auto const w = parse_time_window(text)) {
    if (w->from) check_time(*w->from);
    if (w->to) check_time(*w->to);
  }
  if (auto const n = parse_count(text)) check(*n >= 0 && *n <= 9999);
}

bool is_global(std::string_view word) {
  return word == "--dir" || word == "--at" || word == "--help" || word == "-h" ||
         word == "--version" || word.starts_with("--dir=") || word.starts_with("--at=");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view const input(reinterpret_cast<const char*>(data), size);
  parse_value(input);

  std::vector<std::string> words;
  for (std::string_view rest = input;;) {
    std::size_t const end = rest.find('\n');
    words.emplace_back(rest.substr(0, end));
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  std::string error;
  auto args = parse_command_line(words, error);
  if (!args) {
    check(!error.empty());
    return 0;
  }
  if (args->at) check_moment(*args->at);
  for (auto const& word : args->args) check(!is_global(word));
  check(args->command.empty() || args->command[0] != '-');
  // The options of search, as it takes them from what is left.
  for (char const* name : {"--date", "--dep", "--arr", "--wait", "--from"}) {
    // Each take removes what it took, so the loop ends.
    while (auto const value = take_option(args->args, name)) parse_value(*value);
  }
  return 0;
}
