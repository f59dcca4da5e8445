// vorlash-cli hotels: the hotel list of a region as the hotel list window
// shows it after a hotel search: the title line, the grid's header row and
// one row per hotel, the cells joined by tabs.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/board_common.h"
#include "cli/commands.h"
#include "hotel/area_district.h"
#include "hotel/hotel_lines.h"
#include "hotel/hotel_load.h"
#include "hotel/hotel_search.h"
#include "hotel/hotel_texts.h"
#include "hotel/user_hotels.h"
#include "text/date.h"
#include "text/names.h"

namespace vorlash::cli {

namespace {

constexpr char kCommand[] = "hotels";

std::string joined(const HotelGridRow& cells) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += '\t';
    line += cells[i];
  }
  return line;
}

// The loader reports nothing in the windows; here what it left out (a
// file, or lines of it) is at least named on stderr.
void warn_skipped(const Status& status) {
  if (!status) std::fprintf(stderr, "vorlash-cli: hotels: skipped: %s\n", status.error.c_str());
}

}  // namespace

void print_region_names(const CliArgs& args) {
  auto state = std::make_unique<AppState>();
  auto search = std::make_unique<HotelSearchState>();
  if (!load_program(args, *state)) return;
  std::string line = "  REGION  one of:";
  for (int r = 1; r <= state->regions.count; ++r) {
    auto const& name = state->regions.name[static_cast<std::size_t>(r)];
    if (line.size() + name.size() > 150) {  // bytes: about 60 columns of names
      print_line(line);
      line = "         ";
    }
    line += " " + name;
  }
  print_line(line);
}

int cmd_hotels(CliArgs& args) {
  std::vector<std::string> districts;
  while (auto district = take_option(args.args, "--district")) {
    if (district->empty()) return reject(kCommand, "--district wants a district name");
    districts.push_back(data_name(*district));
  }
  if (args.args.empty()) return reject(kCommand, "a REGION is required");
  if (args.args.size() > 1) return reject(kCommand, "unexpected argument \"" + args.args[1] + "\"");
  std::string const region = data_name(args.args[0]);  // Japanese or English

  auto state = std::make_unique<AppState>();
  auto search = std::make_unique<HotelSearchState>();
  if (!load_program(args, *state)) return kExitBrokenFile;
  if (check_search_start(*state, region) == SearchStart::BadRegion)
    return reject(kCommand, hotel_text::kRegionError);

  auto const now = make_clock(args)->now();
  begin_hotel_search(*state, *search, region, day_number(now.year, now.month, now.day));
  store_selected_districts(*search, districts);

  auto const report = load_hotel_table(*state, state->program_folder, HotelLoadHooks{});
  warn_skipped(report.user_hotels);
  warn_skipped(report.data_file);
  // DataFile hotels pushed out by the user hotels, as the hotel list says.
  if (auto const left_out = left_out_message(report.left_out); !left_out.empty())
    std::fprintf(stderr, "vorlash-cli: hotels: %s\n", left_out.c_str());

  if (select_hotel_list(*state, *search) == 0) {
    print_line(hotel_text::kNoHotels);
    return kExitOk;
  }
  print_line(hotel_list_title(*state, *search));
  print_line(joined(hotel_grid_header()));
  for (int r = 1; r <= search->result_count; ++r) {
    auto const slot = static_cast<std::size_t>(search->result[static_cast<std::size_t>(r)]);
    print_line(joined(hotel_grid_cells(state->hotel[slot])));
  }
  return kExitOk;
}

}  // namespace vorlash::cli
