// The working tables of the connection search: fixed-size, allocated once by
// make_search_work and rebuilt for every search.
#pragma once

#include <array>
#include <cstdint>

#include "data/app_state.h"

namespace vorlash {

// The trains with a time at one row, ascending by (time, train number), as
// keys time * 256 + train so that a time window is one binary search.
struct RowIndex {
  int count = 0;
  std::array<std::int64_t, kMaxTrains> key{};
};

struct TransferCandidate {
  int second_train = 0;
  int third_train = 0;
  int first_transfer_row = 0;
  int second_transfer_row = 0;
};

struct ThirdLegCandidate {
  int third_train = 0;
  int second_transfer_row = 0;
};

// The trains of one direction sorted by their time at each row. The
// timetable does not change after loading, so this is built once; a copy of
// the times tells whether it still fits the tables searched.
struct TimeOrder {
  int train_count = -1;
  ShinkansenTimeRows time{};
  // by_time[row][i]: train numbers ascending by (time at row, number).
  std::array<std::array<std::uint8_t, kMaxTrains>, kMaxRows + 1> by_time{};
};

struct SearchWork {
  std::array<TimeOrder, 3> order{};  // by direction
  // The conditions of the running search.
  int dir = 0;
  int st_row = 0;
  int ed_row = 0;
  int wait_time = 0;
  bool two_transfers = false;
  int train_count = 0;

  std::array<bool, kMaxTrains + 1> runs{};            // runs on the planned date
  std::array<bool, kMaxTrains + 1> finisher{};        // runs, and arrives within the arrival window
  std::array<RowIndex, kMaxRows + 1> running_at{};    // every running train, by row
  std::array<RowIndex, kMaxRows + 1> finishing_at{};  // the finishers, by row

  // For a second train U, bit v is set when the second-transfer scan at
  // loop row v can find a third train; computed for every train at once when
  // first needed in a search.
  std::array<std::uint64_t, kMaxTrains + 1> third_leg_rows{};
  std::uint32_t third_leg_rows_stamp = 0;
  std::uint32_t stamp = 0;
  // Two transfers: the running trains boarded at a row that can still add a
  // candidate there (they finish, or a third train follows them), built when
  // the row is first scanned in a search.
  std::array<RowIndex, kMaxRows + 1> useful_at{};
  std::array<std::uint32_t, kMaxRows + 1> useful_at_stamp{};

  int candidate_count = 0;
  std::array<TransferCandidate, kMaxCandidates + 1> candidate{};
  int third_leg_count = 0;
  std::array<ThirdLegCandidate, kMaxCandidates + 1> third_leg{};
};

}  // namespace vorlash
