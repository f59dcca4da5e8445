#include "cli/cli_parse.h"

#include <charconv>
#include <utility>

#include "platform/file_locations.h"

namespace vorlash::cli {

namespace {

// Digits only, between min_digits and max_digits of them: no sign, blank,
// fraction or anything after (from_chars alone would stop at a '.').
std::optional<int> digits(std::string_view text, std::size_t min_digits, std::size_t max_digits) {
  if (text.size() < min_digits || text.size() > max_digits) return std::nullopt;
  for (char const c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// The text before the first `sep` and the rest after it; nullopt without one.
std::optional<std::pair<std::string_view, std::string_view>> cut(std::string_view text, char sep) {
  auto const at = text.find(sep);
  if (at == std::string_view::npos) return std::nullopt;
  return std::pair{text.substr(0, at), text.substr(at + 1)};
}

// What the options found so far hold; dir and at are kept apart from CliArgs
// to tell "given twice" from "given".
struct Globals {
  std::optional<std::string> dir;
  std::optional<std::string> at;
  std::optional<std::string> edition;
  std::optional<std::string> lang;
};

enum class Taken { no, yes, refused };

// Takes the global option at words[i] (and its value), advancing i past a
// separate value.
Taken take_global(const std::vector<std::string>& words, std::size_t& i, CliArgs& out,
                  Globals& globals, std::string& error) {
  std::string_view const word = words[i];
  if (word == "--help" || word == "-h") {
    out.help = true;
    return Taken::yes;
  }
  if (word == "--version") {
    out.version = true;
    return Taken::yes;
  }
  for (auto [name, slot] : {std::pair{std::string_view("--dir"), &globals.dir},
                            std::pair{std::string_view("--at"), &globals.at},
                            std::pair{std::string_view("--edition"), &globals.edition},
                            std::pair{std::string_view("--lang"), &globals.lang}}) {
    std::optional<std::string> value;
    if (word == name) {
      if (i + 1 >= words.size()) {
        error = std::string(name) + " wants a value";
        return Taken::refused;
      }
      value = words[++i];
    } else if (word.starts_with(name) && word.size() > name.size() && word[name.size()] == '=') {
      value = std::string(word.substr(name.size() + 1));
    } else {
      continue;
    }
    if (slot->has_value()) {
      error = std::string(name) + " is given twice";
      return Taken::refused;
    }
    *slot = std::move(value);
    return Taken::yes;
  }
  return Taken::no;
}

}  // namespace

std::optional<CliArgs> parse_command_line(const std::vector<std::string>& words,
                                          std::string& error) {
  CliArgs out;
  Globals globals;
  bool have_command = false;
  for (std::size_t i = 0; i < words.size(); ++i) {
    Taken const taken = take_global(words, i, out, globals, error);
    if (taken == Taken::refused) return std::nullopt;
    if (taken == Taken::yes) continue;
    if (have_command) {
      out.args.push_back(words[i]);
    } else if (words[i].starts_with('-')) {
      error = "unknown option \"" + words[i] + "\" before the command";
      return std::nullopt;
    } else {
      out.command = words[i];
      have_command = true;
    }
  }
  if (globals.dir) {
    if (globals.dir->empty()) {
      error = "--dir wants a program folder";
      return std::nullopt;
    }
    out.dir = *globals.dir;
  }
  if (globals.edition) {
    out.edition = parse_edition(*globals.edition);
    if (out.edition == 0) {
      error = "--edition wants an Edition number, not \"" + *globals.edition + "\"";
      return std::nullopt;
    }
  }
  if (globals.lang) {
    out.lang = parse_language(*globals.lang);
    if (!out.lang) {
      error = "--lang wants ja or en, not \"" + *globals.lang + "\"";
      return std::nullopt;
    }
  }
  if (globals.at) {
    out.at = parse_moment(*globals.at);
    if (!out.at) {
      error =
          "--at wants a moment of the calendar, \"YYYY-MM-DD HH:MM\", not \"" + *globals.at + "\"";
      return std::nullopt;
    }
  }
  return out;
}

std::optional<CivilDate> parse_date(std::string_view text) {
  auto const year_rest = cut(text, '-');
  if (!year_rest) return std::nullopt;
  auto const month_day = cut(year_rest->second, '-');
  if (!month_day) return std::nullopt;
  auto const year = digits(year_rest->first, 4, 4);
  auto const month = digits(month_day->first, 1, 2);
  auto const day = digits(month_day->second, 1, 2);
  if (!year || !month || !day || *year < 1900 || !is_valid_date(*year, *month, *day))
    return std::nullopt;
  return CivilDate{*year, *month, *day};
}

std::optional<TimeOfDay> parse_time(std::string_view text) {
  auto const parts = cut(text, ':');
  if (!parts) return std::nullopt;
  auto const hour = digits(parts->first, 1, 2);
  auto const minute = digits(parts->second, 2, 2);
  if (!hour || !minute || *hour > 23 || *minute > 59) return std::nullopt;
  return TimeOfDay{*hour, *minute};
}

std::optional<ClockReading> parse_moment(std::string_view text) {
  auto const parts = cut(text, ' ');
  if (!parts) return std::nullopt;
  auto const date = parse_date(parts->first);
  auto const time = parse_time(parts->second);
  if (!date || !time) return std::nullopt;
  return ClockReading{date->year, date->month, date->day, time->hour, time->minute, 0};
}

std::optional<TimeWindow> parse_time_window(std::string_view text) {
  auto const halves = cut(text, '-');
  if (!halves) return std::nullopt;
  TimeWindow window;
  for (auto [half, slot] :
       {std::pair{halves->first, &window.from}, std::pair{halves->second, &window.to}}) {
    if (half.empty()) continue;
    *slot = parse_time(half);
    if (!*slot) return std::nullopt;
  }
  return window;
}

std::optional<int> parse_count(std::string_view text) {
  return digits(text, 1, 4);
}

}  // namespace vorlash::cli
