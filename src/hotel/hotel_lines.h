// The texts the hotel windows show: the hotel list's title line and grid
// cells, and the line of a user hotel in the registration list.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "data/app_state.h"
#include "hotel/hotel_search_state.h"
#include "hotel/hotel_texts.h"

namespace vorlash {

using HotelGridRow = std::array<std::string, hotel_text::kGridColumns>;

// "<origin> → <region>  yyyy/mm/dd (aaa) 出発": the search origin and region
// texts trimmed, the corrected date's day number.
std::string hotel_list_title(const AppState& state, const HotelSearchState& search);

// Row 0 of the hotel grid.
HotelGridRow hotel_grid_header();

// A hotel's grid row: district, name, telephone, room count ("#####", so 0
// is an empty cell), access, charge, remarks with their padding.
HotelGridRow hotel_grid_cells(const HotelRecord& hotel);

// Tabs after a field of `base` tab stops' room: base - (characters / 4),
// none when that is below 1.
int field_tabs(std::string_view field, int base);

// A user hotel as a line of the registration list: region, district, name
// and telephone, the first three followed by their tabs (2, 2 and 4 stops).
std::string hotel_list_line(const HotelRecord& hotel);

}  // namespace vorlash
