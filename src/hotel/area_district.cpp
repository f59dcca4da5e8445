#include "hotel/area_district.h"

#include <algorithm>

namespace vorlash {

int preselected_area(int control9_flg) {
  return control9_flg >= kAllAreas && control9_flg <= kLastArea ? control9_flg : kAllAreas;
}

std::vector<std::string> regions_of_area(const AppState& state, int area) {
  std::vector<std::string> names;
  int const count = std::clamp(state.regions.count, 0, kMaxRegions);
  for (int i = 1; i <= count; ++i) {
    auto const slot = static_cast<std::size_t>(i);
    if (area == kAllAreas || state.regions.area[slot] == area)
      names.push_back(state.regions.name[slot]);
  }
  return names;
}

std::vector<std::string> recent_places(const AppState& state) {
  std::vector<std::string> places;
  for (int i = 1; i <= kRecentEntries; ++i) {
    auto const& entry = state.departure_ground[static_cast<std::size_t>(i)];
    if (!entry.empty()) places.push_back(entry);
  }
  return places;
}

DistrictLists district_lists(const HotelSearchState& search) {
  DistrictLists lists;
  int const chosen = std::clamp(search.selected_count, 0, kMaxHotelResults);
  auto const first = search.selected.begin() + 1;
  auto const last = first + chosen;
  lists.chosen.assign(first, last);
  int const count = std::clamp(search.district_count, 0, kMaxHotelResults);
  for (int i = 1; i <= count; ++i) {
    auto const& district = search.district[static_cast<std::size_t>(i)];
    if (std::find(first, last, district) == last) lists.available.push_back(district);
  }
  return lists;
}

void store_selected_districts(HotelSearchState& search, const std::vector<std::string>& chosen) {
  search.selected.fill({});
  int const count = std::min(static_cast<int>(chosen.size()), kMaxHotelResults);
  for (int i = 1; i <= count; ++i)
    search.selected[static_cast<std::size_t>(i)] = chosen[static_cast<std::size_t>(i - 1)];
  search.selected_count = count;
}

}  // namespace vorlash
