// The lists of the area selection (regions by area, recent places) and of
// the district selection (districts still available, districts chosen).
#pragma once

#include <string>
#include <vector>

#include "data/app_state.h"
#include "hotel/hotel_search_state.h"

namespace vorlash {

inline constexpr int kAllAreas = 0;
inline constexpr int kLastArea = 9;

// The area to preselect for control9_flg; a value outside 0..9 counts as
// every region (0).
int preselected_area(int control9_flg);

// The region names of an area in region table order; area 0 gives every
// region.
std::vector<std::string> regions_of_area(const AppState& state, int area);

// The recent places offered beside the regions: the non-empty entries of the
// recent departure places, in order 1..5.
std::vector<std::string> recent_places(const AppState& state);

struct DistrictLists {
  std::vector<std::string> available;  // the district list minus the chosen ones
  std::vector<std::string> chosen;     // the selected districts
};

// The district selection's two lists as it opens: every entry of the last
// search's district list that is not (exactly) one of the selected
// districts, and the selected districts, each in order.
DistrictLists district_lists(const HotelSearchState& search);

// The chosen districts become the selected districts (at most 200); none
// chosen means no narrowing.
void store_selected_districts(HotelSearchState& search, const std::vector<std::string>& chosen);

}  // namespace vorlash
