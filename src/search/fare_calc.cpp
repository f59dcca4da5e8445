// Lookups in the fare tables and the amounts of the fare text.
#include "search/fare_calc.h"

#include <algorithm>
#include <cstdlib>

namespace vorlash {

namespace {

constexpr int kPeak = 2;
constexpr int kOffPeak = 3;

bool same_pair(std::string const& a, std::string const& b, std::string const& x,
               std::string const& y) {
  return (a == x && b == y) || (a == y && b == x);
}

// Kilometre of the first entry with this name, in tenths; a station missing
// from the table counts as 0 km.
int km_tenths(FareTables const& fares, std::string const& name) {
  int const count = std::clamp(fares.km_count, 0, kMaxKmEntries);
  for (int i = 1; i <= count; ++i) {
    if (fares.km[i].station == name) return fares.km[i].tenths;
  }
  return 0;
}

int find_pair(FareTables const& fares, std::string const& st, std::string const& ed) {
  int const count = std::clamp(fares.pair_count, 0, kMaxFarePairs);
  for (int i = 1; i <= count; ++i) {
    if (same_pair(fares.pair[i].station_a, fares.pair[i].station_b, st, ed)) return i;
  }
  return 0;
}

// The bracket i with upper(i - 1) < distance <= upper(i), upper(0) = 0; 0 when
// no bracket covers the distance.
int find_green_bracket(FareTables const& fares, int distance_tenths) {
  int const count = std::clamp(fares.green_count, 0, kMaxGreenBrackets);
  int lower_tenths = 0;
  for (int i = 1; i <= count; ++i) {
    int const upper_tenths = fares.green[i].upper_km * 10;
    if (lower_tenths < distance_tenths && distance_tenths <= upper_tenths) return i;
    lower_tenths = upper_tenths;
  }
  return 0;
}

int find_nozomi(FareTables const& fares, std::string const& st, std::string const& ed) {
  int const count = std::clamp(fares.nozomi_count, 0, kMaxNozomi);
  for (int i = 1; i <= count; ++i) {
    if (same_pair(fares.nozomi[i].station_a, fares.nozomi[i].station_b, st, ed)) return i;
  }
  return 0;
}

bool in(int value, int low, int high) {
  return low <= value && value <= high;
}

// Edition 2 row classes. The rows are taken in line order (smaller row first)
// so that a journey and its return journey get the same charges: the fare-pair
// table holds one record for both directions, and the charges do not depend on
// the direction of travel.
bool is_long_class(int lo, int hi) {
  return (in(lo, 1, 9) && in(hi, 12, 16)) || (in(lo, 1, 25) && in(hi, 28, 32));
}

int free_seat_class(int lo, int hi) {
  if ((in(lo, 1, 8) && in(hi, 12, 16)) || (in(lo, 1, 23) && in(hi, 28, 32))) return 1;
  if ((lo == 9 && in(hi, 12, 16)) || (in(lo, 24, 25) && in(hi, 28, 32))) return 2;
  return 0;
}

}  // namespace

int validity_days(int distance_tenths) {
  if (distance_tenths <= 1000) return 1;
  // 1 + ceil(tenths / 2000), exactly, for positive tenths.
  return 1 + (distance_tenths + 1999) / 2000;
}

int fare_station_row(AppState const& state, std::string const& name) {
  int const count = std::clamp(state.sinkansen.station_count[1], 0, kMaxRows);
  for (int row = 1; row <= count; ++row) {
    if (state.sinkansen.station[1][row] == name) return row;
  }
  return 0;
}

FareAmounts compute_fare_amounts(AppState const& state, FareFlags const& flags) {
  FareTables const& fares = state.fares;
  std::string const& st = state.cond.st_station;
  std::string const& ed = state.cond.ed_station;
  int const season = flags.season_class;
  FareAmounts a;

  a.distance_tenths = std::abs(km_tenths(fares, ed) - km_tenths(fares, st));
  a.validity_days = validity_days(a.distance_tenths);
  a.boarding_row = fare_station_row(state, st);
  a.alighting_row = fare_station_row(state, ed);

  if (state.edition == 2 && a.boarding_row > 0 && a.alighting_row > 0) {
    int const lo = std::min(a.boarding_row, a.alighting_row);
    int const hi = std::max(a.boarding_row, a.alighting_row);
    a.long_class = is_long_class(lo, hi);
    a.free_seat_class = free_seat_class(lo, hi);
  }

  if (int const g = find_green_bracket(fares, a.distance_tenths); g != 0) {
    a.green = fares.green[g].green;
    a.room_1_2 = fares.green[g].room_1_2;
    a.room_3_4 = fares.green[g].room_3_4;
  }

  if (state.edition == 1) {
    if (int const n = find_nozomi(fares, st, ed); n != 0) {
      a.nozomi_express = fares.nozomi[n].nozomi_express;
      if (a.nozomi_express != 0) {
        if (season == kPeak) a.nozomi_express += 200;
        if (season == kOffPeak) a.nozomi_express -= 200;
      }
    }
  }

  // Without a fare-pair record every amount taken from it stays 0 (shown
  // empty) rather than showing discounts applied to a missing charge.
  a.pair_index = find_pair(fares, st, ed);
  a.has_pair = a.pair_index != 0;
  if (!a.has_pair) return a;

  FarePair const& pair = fares.pair[a.pair_index];
  int const base = pair.express;
  int const season_step = a.long_class ? 340 : 200;
  a.fare = pair.fare;
  a.ordinary_express = base;
  if (season == kPeak) a.ordinary_express += season_step;
  if (season == kOffPeak) a.ordinary_express -= season_step;
  a.green_express = base - (a.long_class ? 870 : 510);
  if (pair.free_seat_express != 0) {
    a.free_seat_express = pair.free_seat_express;
  } else {
    static constexpr int kFreeSeatDiscount[] = {510, 870, 1820};
    a.free_seat_express = base - kFreeSeatDiscount[a.free_seat_class];
  }
  a.coupon = pair.coupon;
  return a;
}

}  // namespace vorlash
