#include "app/register_windows.h"

#include "board/ui/passing_stations_window.h"
#include "board/ui/timetable_window.h"
#include "hotel/ui/hotel_search_window.h"
#include "hotel/ui/user_hotel_list_window.h"
#include "search/ui/search_window.h"
#include "settings/ui/correction_window.h"
#include "settings/ui/settings_window.h"

namespace vorlash {

void register_windows(AppContext& ctx) {
  // Timetable views. The station picker (board/ui/station_picker_window.h) is
  // opened with open_station_picker, which carries the field to write into.
  ctx.set_opener("timetable24", [&ctx] { ctx.show_window<TimetableWindow>(kTimetableWindow); });
  ctx.set_opener("timetable23", [&ctx] {
    ctx.close_window(kPassingStationsWindow);
    ctx.show_window<PassingStationsWindow>(kPassingStationsWindow);
  });
  ctx.set_opener("timetable5", [&ctx] { open_settings_window(ctx); });
  ctx.set_opener("timetable21", [&ctx] { open_correction_window(ctx); });
  ctx.set_opener("timetable12", [&ctx] { open_hotel_search_window(ctx); });
  ctx.set_opener("timetable13", [&ctx] { open_user_hotel_list_window(ctx); });
  ctx.set_opener("timetable25", [&ctx] { open_search_conditions_window(ctx); });
}

}  // namespace vorlash
