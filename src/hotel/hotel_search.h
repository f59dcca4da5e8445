// The hotel search: the region check of the hotel search window, the start
// of a search, and the selection of the hotels of one region (`sel_data`),
// optionally narrowed to chosen districts.
#pragma once

#include <string>
#include <string_view>

#include "data/app_state.h"
#include "hotel/hotel_search_state.h"

namespace vorlash {

// The region the hotels are looked up under: the typed text trimmed and
// folded as the hotel table's regions are ("東京／羽田" -> "東京").
std::string search_region(std::string_view region_text);

// The region check: the trimmed text is exactly one of the region table's
// names 1..region count.
bool check_region(const AppState& state, std::string_view text);

enum class SearchStart {
  Run,          // a region name: the search runs
  EmptyRegion,  // nothing typed: the search runs and finds nothing
  BadRegion,    // not a region name: refused with the region error
};

// What "検索開始" makes of the region box's text.
SearchStart check_search_start(const AppState& state, std::string_view region_text);

// Prepares the hotel list of a new search: the title's origin "＊＊＊＊＊",
// the region text as typed, the corrected date's day number set to today
// (the other corrected date values stay), the opened-from-search flag set.
// A new search starts without district narrowing.
void begin_hotel_search(AppState& state, HotelSearchState& search, std::string_view region_text,
                        int today);

// Which lists `sel_data` had to cut at 200 entries.
struct SelectionCut {
  bool hotels = false;
  bool districts = false;
};

// Selects the hotels of the search region in table order (user hotels, then
// DataFile hotels) into the result list, taking only hotels of the selected
// districts when districts are selected. Every run of equal districts among
// the region's hotels, taken or not, adds one entry to the district list.
// Both lists hold at most 200 entries: later hotels and runs are left out.
// An empty search region selects nothing.
SelectionCut sel_data(const AppState& state, HotelSearchState& search);

// The hotel list's selection: sel_data, then, with sort mode control3_flg 1,
// the result list ordered by region and district. Returns the result count.
int select_hotel_list(const AppState& state, HotelSearchState& search);

// "地区の絞り込み" is offered when the region has more than five district runs.
bool can_narrow(const HotelSearchState& search);

}  // namespace vorlash
