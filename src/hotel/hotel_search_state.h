// What the hotel windows work on between events: the region typed, the
// hotels and districts found, the districts chosen, and which user hotel the
// editor changes.
#pragma once

#include <array>
#include <string>

#include "data/loaded_tables.h"

namespace vorlash {

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

}  // namespace vorlash
