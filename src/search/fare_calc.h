// The season of the planned travel date, the discount-ticket flags, and the
// fare text of the search results window (fare, charges, totals, discount
// tickets and Nozomi supplements between the two searched stations).
//
// Call order on a results-window load: set_kikan while the header is filled,
// then edit_unchin after the connection list (it sets the ticket flags itself).
#pragma once

#include <string>

#include "data/app_state.h"
#include "search/search_state.h"

namespace vorlash {

// "　通常期", "　繁忙期" or "　閑散期" for season class 1, 2, 3; "" otherwise.
std::string season_text(int season_class);

// near_holiday: 1 when the planned date is a listed holiday, the day
// before one, or the day after a listed holiday that falls on a Sunday. Each
// listed month/day is taken as a date in plan_year; entries that are no date
// in that year (the 99/99 marker, 29 February of a common year) are skipped.
void set_near_holiday(const AppState& state, FareFlags& flags);

// season_class of the planned date (computes near_holiday first).
void set_kikan(const AppState& state, FareFlags& flags);

// ticket_ok, weekend_ok, offpeak_ok of the planned date.
void chk_yukoh(const AppState& state, FareFlags& flags);

// The whole fare text, lines ending in CR LF. Sets the ticket flags first.
std::string edit_unchin(const AppState& state, FareFlags& flags);

// ---- Working values, exposed for the fare text, the tests and the CLI ----------

// Days a ticket over the distance (tenths of a km) is valid: 1 up to 100.0 km,
// then one more day for each started 200 km.
int validity_days(int distance_tenths);

// Everything the fare text shows, computed from the fare tables, the search
// conditions, the season and the Edition.
struct FareAmounts {
  bool has_pair = false;  // a fare-pair record exists for the two stations
  int pair_index = 0;     // its slot, 0 = none
  int distance_tenths = 0;
  int validity_days = 1;
  int boarding_row = 0;   // r1: first row of station list 1 named st_station
  int alighting_row = 0;  // r2: likewise for ed_station
  bool long_class = false;
  int free_seat_class = 0;
  int fare = 0;
  int ordinary_express = 0;
  int green = 0;
  int room_1_2 = 0;
  int room_3_4 = 0;
  int green_express = 0;
  int nozomi_express = 0;  // Edition 1 only
  int free_seat_express = 0;
  int coupon = 0;  // six-sheet free-seat coupon set, 0 = none
};

FareAmounts compute_fare_amounts(AppState const& state, FareFlags const& flags);

// First row (1..station count) of station list 1 with this name, 0 = none.
int fare_station_row(AppState const& state, std::string const& name);

}  // namespace vorlash
