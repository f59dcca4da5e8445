// vorlash-cli dump: what start-up loaded from the program folder, as counts
// and samples, plus the hotel table as the hotel list window would load it.
#include <cstdio>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "data/data_file.h"
#include "data/file_io.h"
#include "data/file_paths.h"
#include "data/hotel_file.h"
#include "data/startup.h"
#include "hotel/user_hotels.h"
#include "platform/file_locations.h"
#include "text/language.h"
#include "text/number_format.h"

namespace vorlash::cli {

namespace {

constexpr Text kKeiyoTableNames[] = {{"", ""},
                                     {"平日下り", "weekdays, down"},
                                     {"平日上り", "weekdays, up"},
                                     {"土休日下り", "weekends/holidays, down"},
                                     {"土休日上り", "weekends/holidays, up"}};
const char* const kDirectionNames[] = {"", "down", "up"};

std::string row_kind_name(int kind) {
  switch (kind) {
    case 1:
      return "arrival";
    case 2:
      return "departure";
    default:
      return "single";
  }
}

std::string num(long long v) {
  return std::to_string(v);
}

void print_sample_train(const AppState& state, std::size_t d) {
  auto const& sk = state.sinkansen;
  if (sk.train_count[d] < 1) {
    print_line(std::string("Sample ") + kDirectionNames[d] + " train: none");
    return;
  }
  print_line(std::string("Sample ") + kDirectionNames[d] + " train 1: code \"" +
             sk.code[d][1].str() + "\", operating day " + num(sk.operating_day[d][1]) +
             ", vehicle \"" + sk.vehicle[d][1].str() + "\"");
  for (std::size_t r = 1; r <= static_cast<std::size_t>(sk.station_count[d]); ++r) {
    int const t = sk.time[d][r][1];
    if (t != 0)
      print_line("  " + num(static_cast<long long>(r)) + " " + sk.station[d][r] + " " +
                 format_hhmm(t));
  }
}

// The hotel table as the hotel list window loads it: user hotels (folded),
// then the DataFile's hotel section.
bool load_hotels(AppState& state) {
  std::string const user_file = user_hotel_file_path(state, state.program_folder);
  Status st = get_hotel_user(user_file, state, true, nullptr);
  DataFile file;
  if (st) st = startup_data_file(state, file);
  LeftOutHotels left_out;
  if (st) st = get_hotel(file, state, YieldFn{}, true, &left_out);
  if (!st) {
    std::fprintf(stderr, "vorlash-cli: %s\n", st.error.c_str());
    return false;
  }
  if (auto const note = left_out_message(left_out); !note.empty())
    std::fprintf(stderr, "vorlash-cli: %s\n", note.c_str());
  return true;
}

}  // namespace

int cmd_dump(CliArgs& args) {
  if (!args.args.empty()) {
    std::fprintf(stderr, "vorlash-cli dump: unexpected argument \"%s\"\n", args.args[0].c_str());
    return kExitRejected;
  }
  auto state = std::make_unique<AppState>();
  if (!load_program(args, *state)) return kExitBrokenFile;
  if (!load_hotels(*state)) return kExitBrokenFile;
  AppState const& s = *state;

  print_line("Edition: " + num(s.edition) + " " + s.edition_title + " (edition code " +
             num(s.edition_code) + ")");
  print_line("SettingsFile: " + s.settings_file_name);
  print_line("Regions: " + num(s.regions.count));
  print_line("Districts: " + num(s.districts.count));
  if (s.keiyo_use == 1) {
    for (std::size_t k = 1; k <= kKeiyoTables; ++k)
      print_line("Keiyo table " + num(static_cast<long long>(k)) + " (" + kKeiyoTableNames[k] +
                 "): " + num(s.keiyo.station_count[k]) + " stations, " +
                 num(s.keiyo.train_count[k]) + " trains");
  } else {
    print_line("Keiyo: not loaded (keiyo_use = " + num(s.keiyo_use) + ")");
  }

  auto const& sk = s.sinkansen;
  print_line("Shinkansen stations: " + num(sk.station_count[1]));
  for (std::size_t r = 1; r <= static_cast<std::size_t>(sk.station_count[1]); ++r)
    print_line("  " + num(static_cast<long long>(r)) + " down " + sk.station[1][r] + " (" +
               row_kind_name(sk.row_kind[1][r]) + ") | up " + sk.station[2][r] + " (" +
               row_kind_name(sk.row_kind[2][r]) + ")");
  print_line("Shinkansen trains: down " + num(sk.train_count[1]) + ", up " +
             num(sk.train_count[2]));
  print_sample_train(s, 1);
  print_sample_train(s, 2);

  auto const& f = s.fares;
  print_line("Fare tables: " + num(f.km_count) + " km, " + num(f.pair_count) + " pairs, " +
             num(f.green_count) + " green, " + num(f.ticket_count) + " tickets, " +
             num(f.nozomi_count) + " nozomi");
  print_line("Hotels: " + num(s.user_hotel_count) + " user, " + num(s.data_hotel_count) +
             " DataFile");
  return kExitOk;
}

}  // namespace vorlash::cli
