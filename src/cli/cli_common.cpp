#include "cli/cli_common.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include "board/clock_day.h"
#include "data/startup.h"
#include "platform/file_locations.h"
#include "text/utf8.h"

namespace vorlash::cli {

namespace {

// "YYYY-MM-DD HH:MM"
std::optional<ClockReading> parse_at(const std::string& text) {
  ClockReading r{};
  char tail = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d%c", &r.year, &r.month, &r.day, &r.hour,
                  &r.minute, &tail) != 5)
    return std::nullopt;
  if (r.month < 1 || r.month > 12 || r.day < 1 || r.day > 31 || r.hour > 23 || r.minute > 59 ||
      r.year < 1900 || r.hour < 0 || r.minute < 0)
    return std::nullopt;
  r.second = 0;
  return r;
}

}  // namespace

std::optional<CliArgs> parse_args(int argc, char** argv) {
  if (argc < 2) return std::nullopt;
  CliArgs out;
  out.command = argv[1];
  out.exe_folder = executable_folder(argv[0]);
  for (int i = 2; i < argc; ++i) out.args.emplace_back(argv[i]);
  if (auto dir = take_option(out.args, "--dir")) out.dir = *dir;
  if (auto edition = take_option(out.args, "--edition")) {
    out.edition = parse_edition(*edition);
    if (out.edition == 0) {
      std::fprintf(stderr, "vorlash-cli: --edition wants a number, not \"%s\"\n", edition->c_str());
      return std::nullopt;
    }
  }
  if (auto at = take_option(out.args, "--at")) {
    out.at = parse_at(*at);
    if (!out.at) {
      std::fprintf(stderr, "vorlash-cli: --at wants \"YYYY-MM-DD HH:MM\", not \"%s\"\n",
                   at->c_str());
      return std::nullopt;
    }
  }
  return out;
}

std::unique_ptr<Clock> make_clock(const CliArgs& args) {
  if (args.at) return std::make_unique<FakeClock>(*args.at);
  return std::make_unique<SystemClock>();
}

bool load_program(const CliArgs& args, AppState& state) {
  FileLocations locations = portable_locations(args.dir);
  Status st = Status::success();
  if (args.dir.empty()) {
    st = locate_files(args.exe_folder, args.edition, process_environment(), locations);
    if (st) st = prepare_user_folders(locations);
  }
  apply_locations(locations, state);
  if (st) st = identify_installation(state, locations.data_folder);
  if (st) st = load_settings_and_tables(state, LoadHooks{});
  if (!st) {
    std::fprintf(stderr, "vorlash-cli: %s\n", st.error.c_str());
    return false;
  }
  auto clock = make_clock(args);
  get_today(state, *clock);
  return true;
}

void print_text(std::string_view text) {
  std::string const out = crlf_to_lf(text);
  std::fwrite(out.data(), 1, out.size(), stdout);
}

void print_line(std::string_view text) {
  print_text(text);
  std::fputc('\n', stdout);
}

std::optional<std::string> take_option(std::vector<std::string>& args, std::string_view name) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == name) {
      if (i + 1 >= args.size()) return std::string();
      std::string value = args[i + 1];
      args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
      return value;
    }
    std::string const prefix = std::string(name) + "=";
    if (args[i].rfind(prefix, 0) == 0) {
      std::string value = args[i].substr(prefix.size());
      args.erase(args.begin() + static_cast<long>(i));
      return value;
    }
  }
  return std::nullopt;
}

bool take_flag(std::vector<std::string>& args, std::string_view name) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == name) {
      args.erase(args.begin() + static_cast<long>(i));
      return true;
    }
  }
  return false;
}

}  // namespace vorlash::cli
