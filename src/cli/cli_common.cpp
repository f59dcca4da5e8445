#include "cli/cli_common.h"

#include <cstdio>
#include <string>
#include <vector>

#include "board/clock_day.h"
#include "data/file_paths.h"
#include "data/startup.h"
#include "platform/file_locations.h"
#include "text/utf8.h"

namespace vorlash::cli {

std::optional<CliArgs> parse_args(int argc, char** argv) {
  std::string error;
  std::vector<std::string> const words(argv + (argc > 0 ? 1 : 0), argv + argc);
  auto args = parse_command_line(words, error);
  if (!args) {
    std::fprintf(stderr, "vorlash-cli: %s\n", error.c_str());
    return std::nullopt;
  }
  args->exe_folder = executable_folder(argv[0]);
  return args;
}

std::unique_ptr<Clock> make_clock(const CliArgs& args) {
  if (args.at) return std::make_unique<FakeClock>(*args.at);
  return std::make_unique<SystemClock>();
}

bool load_program(const CliArgs& args, AppState& state) {
  FileLocations locations = portable_locations(args.dir);
  PreparedUserFiles made;
  Status st = Status::success();
  if (args.dir.empty()) {
    st = locate_files(args.exe_folder, args.edition, process_environment(), locations);
    if (st) st = prepare_user_folders(locations, made);
  }
  apply_locations(locations, state);
  if (st) st = identify_installation(state, locations.data_folder);
  if (st) st = load_settings_and_tables(state, LoadHooks{});
  if (!st) {
    // A failed start leaves nothing it made.
    undo_user_folders(made);
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
      // An option without its value is taken as an empty value.
      std::size_t const taken = i + 1 < args.size() ? 2 : 1;
      std::string value = taken == 2 ? args[i + 1] : std::string();
      args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i + taken));
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
