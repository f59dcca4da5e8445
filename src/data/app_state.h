// The program-wide values shared by every window, one instance per run
// (allocate it on the heap: it is large), made of parts that code can take
// on their own: the loaded tables (read-only after loading), the hotel
// table, the SettingsFile's values and the clock and day type. What each
// window works on between events is defined by its feature and held by
// whoever runs the windows (the window context, a vorlash-cli command).
#pragma once

#include <string>

#include "data/clock_state.h"
#include "data/loaded_tables.h"
#include "data/settings_values.h"

namespace vorlash {

struct AppState : LoadedTables, HotelTable, SettingsValues, ClockAndDay {
  // Identity and files.
  std::string program_folder;     // DataFile and manual
  std::string settings_folder;    // SettingsFile; empty = program_folder
  std::string user_hotel_folder;  // UserHotelFile; empty = program_folder
  std::string data_file_name = "vorlashj.dat";
  std::string settings_file_name;
  std::string help_file_name = "vorlash2.hlp";
  std::string version_text = "1.59";
  std::string data_date_text = "2000/03/11";
};

}  // namespace vorlash
