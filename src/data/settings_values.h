// The values the SettingsFile holds: window positions, the board's lines,
// the recent stations, the holidays and the last search conditions.
#pragma once

#include <array>
#include <string>

#include "data/loaded_tables.h"

namespace vorlash {

// ---- Window positions ("[Form]" section), in twips -------------------------
struct WindowPosition {
  int top = 0;
  int left = 0;
};

// The windows that keep a position, in the order of the "[Form]" section.
inline constexpr std::array<int, 16> kFormWindows = {1,  4,  5,  6,  7,  11, 12, 13,
                                                     14, 15, 21, 22, 23, 24, 25, 26};

// ---- Settings ("[Control]", board sections, "[Retrieval condition]") ---------
struct LineSettings {
  int flg = 0;          // 1 down, otherwise up
  std::string station;  // as read (not trimmed)
  int hun1 = 0;         // minutes to the station at a normal pace
  int hun2 = 0;         // minutes when hurrying
  int hyouji = 0;       // rows to list, 0 = every train in the next two hours
};

struct SearchConditions {
  std::string st_station;
  std::string ed_station;
  int st_time1 = 0, st_time2 = 0;
  int ed_time1 = 0, ed_time2 = 0;
  int wait_time = 0;
  int wait_count = 0;
  int combination_number = 0;
  int sort_order = 0;  // 1 departure, 2 arrival, 3 ride; 0 until first set
  int plan_year = 0, plan_month = 0, plan_day = 0;
  int plan_date = 0;  // day number, 0 = not chosen yet in this run
  int plan_weekday = 0;
  int st_row = 0, ed_row = 0;
};

// ---- Everything the SettingsFile keeps ---------------------------------------
struct SettingsValues {
  std::array<WindowPosition, 27> form{};  // form[n] for window number n
  int control1_flg = 0, control2_flg = 0, control3_flg = 0, control9_flg = 0;
  std::array<std::string, kRecentEntries + 1> departure_ground{};
  std::array<std::string, kRecentEntries + 1> arrival_ground{};
  LineSettings keiyo_line;
  int keiyo_use = 0;
  LineSettings sinkansen_line;
  std::array<int, kMaxHolidays + 1> holiday_month{};
  std::array<int, kMaxHolidays + 1> holiday_day{};
  int holiday_count = 0;
  SearchConditions cond;  // "[Retrieval condition]"
};

}  // namespace vorlash
