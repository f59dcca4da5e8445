// What the connection search works on between events: the connection table
// of the last search and the season and ticket flags of its planned date.
#pragma once

#include <array>

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

}  // namespace vorlash
