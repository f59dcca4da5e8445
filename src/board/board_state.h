// What the departure board works on between events: the trains picked for
// each list, the rows those lists show, and what a row opens.
#pragma once

#include <array>

#include "data/loaded_tables.h"

namespace vorlash {

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

}  // namespace vorlash
