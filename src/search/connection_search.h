// The connection search: every direct, one-transfer and two-transfer journey
// between the two stations of the search conditions on the planned date, up
// to 1000 connections, each with its sort key, sorted by the chosen order.
//
// The result is a SearchResult (the connection table). The search keeps its
// own working tables in a SearchWork, apart from the departure board's, so a
// clock tick that rebuilds the board while the search yields cannot disturb it.
#pragma once

#include <functional>
#include <memory>

#include "data/app_state.h"
#include "search/search_state.h"
#include "search/search_work.h"

namespace vorlash {

// The working tables of the search, fixed-size; allocate once and reuse.
std::unique_ptr<SearchWork> make_search_work();

// Direction and rows: search_dir, st_row (row kind 0 or 2) and ed_row (row
// kind 0 or 1) from the station names of the conditions. A name that is not
// found leaves its row as it was.
void find_direction_and_rows(const AppState& state, SearchResult& result);

// Empties the connection table.
void clear_connections(SearchResult& result);

// Whether train t of direction d runs on the planned date (operating-day code
// against day_flags slots 3..5 and plan_weekday).
bool runs_on_date(const AppState& state, int d, int t);

// The latest departure of a connecting train after arriving at hhmm `arrival`
// with `wait_time` minutes to wait; it may pass 2359 (no wrap at midnight).
inline int latest_departure(int arrival, int wait_time) {
  int const m = (arrival / 100) * 60 + arrival % 100 + wait_time;
  return (m / 60) * 100 + m % 60;
}

// Ride minutes and sort key of a connection with `transfers` transfers.
void set_key(Connection& row, int sort_order, int transfers, int dep, int arr);

// Exchange sort of rows 1..hit_count by sort key. Rows with equal keys end
// up in the order this particular exchange sort leaves them, which the list
// shows, so it must not be replaced by another sort.
void sort_connections(SearchResult& result);

// Fills the connection table for the current direction and rows, then sorts
// it. `yield` (may be empty) lets pending window events run every twentieth
// train.
void search_connections(const AppState& state, SearchResult& result, SearchWork& work,
                        const std::function<void()>& yield);

// The whole search as the results window runs it: direction and rows,
// clearing, search and sort.
void run_connection_search(const AppState& state, SearchResult& result, SearchWork& work,
                           const std::function<void()>& yield);

}  // namespace vorlash
