// What the windows work on between events: the departure board's picks, the
// search's results and fare flags, the hotel search and the calendar.
#pragma once

#include <array>
#include <string>

#include "data/loaded_tables.h"

namespace vorlash {

// One row of the connection table.
struct Connection {
  int first_train = 0;
  int second_train = 0;
  int third_train = 0;
  int first_transfer_row = 0;
  int second_transfer_row = 0;
  int sort_key = 0;
  int ride_minutes = 0;
};

struct SearchResult {
  int search_dir = 0;
  int st_row = 0, ed_row = 0;
  int hit_count = 0;
  std::array<Connection, kMaxConnections + 1> row{};
};

// Season and ticket flags of the planned date.
struct FareFlags {
  int near_holiday = 0;
  int season_class = 1;  // 1 regular, 2 peak, 3 off-peak
  bool ticket_ok = false;
  bool weekend_ok = false;
  bool offpeak_ok = false;
};

struct HotelSearchState {
  std::string region_text;  // as typed, not trimmed
  std::string origin_text;  // before the arrow of the hotel list's title
  int opened_from_search = 0;
  int result_count = 0;
  std::array<int, kMaxHotelResults + 1> result{};
  int district_count = 0;
  std::array<std::string, kMaxHotelResults + 1> district{};
  int selected_count = 0;
  std::array<std::string, kMaxHotelResults + 1> selected{};
  std::string editor_mode;  // "add" or "upd"
  int edited_slot = 0;
  int area_mode = 0;  // 2 hotel search, 3 user hotel editor
};

struct CalendarState {
  int cal_year = 0, cal_month = 0;
  std::array<int, 43> cal_days{};
};

// ---- Departure board -------------------------------------------------------------
struct BoardState {
  std::array<int, kMaxPicks + 1> pick{};
  int pick_count = 0;
  int keiyo_table = 0;
  int keiyo_station_row = 0;
  std::array<int, kMaxPicks + 1> keiyo_row_train{};
  int keiyo_rows = 0;  // rows in the Keiyo list that map to a train
  int chosen_keiyo_row = 0;
  int sinkansen_dir = 0;
  int sinkansen_station_row = 0;
  std::array<int, kMaxTrains + 1> sinkansen_row_train{};
  int sinkansen_rows = 0;  // rows in the Shinkansen list that map to a train
  int chosen_sinkansen_row = 0;
  int view_mode = 0;  // 1 Keiyo, 2 Shinkansen, 12/22 search stations
};

struct WindowStates {
  BoardState board;
  int loading_mode = 0;  // 0 start-up, 2 hotel data, 3 Shinkansen search
  SearchResult search;
  FareFlags fare_flags;
  HotelSearchState hotel_search;
  CalendarState calendar;
};

}  // namespace vorlash
