// The windows' working states of one desktop run, each defined by its
// feature; the window context holds one of these beside the AppState.
#pragma once

#include "board/board_state.h"
#include "hotel/hotel_search_state.h"
#include "search/search_state.h"
#include "settings/calendar_state.h"

namespace vorlash {

struct WindowStates {
  BoardState board;
  SearchResult search;
  FareFlags fare_flags;
  HotelSearchState hotel_search;
  CalendarState calendar;
};

}  // namespace vorlash
