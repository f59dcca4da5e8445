#include "hotel/hotel_load.h"

#include "data/data_file.h"
#include "data/file_io.h"
#include "data/hotel_file.h"
#include "platform/file_locations.h"

namespace vorlash {

namespace {

void run(const std::function<void()>& hook) {
  if (hook) hook();
}

}  // namespace

HotelLoadReport load_hotel_table(AppState& state, const std::string& program_folder,
                                 const HotelLoadHooks& hooks) {
  HotelLoadReport report;
  run(hooks.open_loading);
  run(hooks.yield);

  report.user_hotels = get_hotel_user(user_hotel_file_path(state, program_folder), state,
                                      /*fold_regions=*/true, nullptr);

  // The DataFile hotels follow the user hotels just read; hotels of an
  // earlier load would sit at the wrong slots, so none are kept when the
  // section cannot be read now.
  state.data_hotel_count = 0;
  DataFile file;
  report.data_file = DataFile::open(program_path(program_folder, state.data_file_name), file);
  if (report.data_file) {
    run(hooks.yield);
    report.data_file = get_hotel(file, state, hooks.yield, /*fold_regions=*/true, &report.left_out);
    run(hooks.yield);
  }

  state.hotel_loaded = 1;
  run(hooks.close_loading);
  run(hooks.yield);
  return report;
}

}  // namespace vorlash
