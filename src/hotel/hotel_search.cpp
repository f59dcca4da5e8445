#include "hotel/hotel_search.h"

#include <algorithm>

#include "data/hotel_file.h"
#include "hotel/hotel_texts.h"
#include "text/utf8.h"

namespace vorlash {

namespace {

constexpr int kNarrowAbove = 5;

bool in_selected_districts(const HotelSearchState& search, const std::string& district) {
  std::string const wanted = trim(district);
  int const count = std::clamp(search.selected_count, 0, kMaxHotelResults);
  for (int i = 1; i <= count; ++i) {
    if (trim(search.selected[static_cast<std::size_t>(i)]) == wanted) return true;
  }
  return false;
}

}  // namespace

std::string search_region(std::string_view region_text) {
  return fold_region(trim(region_text));
}

bool check_region(const AppState& state, std::string_view text) {
  std::string const wanted = trim(text);
  int const count = std::clamp(state.regions.count, 0, kMaxRegions);
  for (int i = 1; i <= count; ++i) {
    if (state.regions.name[static_cast<std::size_t>(i)] == wanted) return true;
  }
  return false;
}

SearchStart check_search_start(const AppState& state, std::string_view region_text) {
  if (region_text.empty()) return SearchStart::EmptyRegion;
  return check_region(state, region_text) ? SearchStart::Run : SearchStart::BadRegion;
}

void begin_hotel_search(AppState& state, HotelSearchState& search, std::string_view region_text,
                        int today) {
  search.origin_text = std::string(hotel_text::kSearchOrigin);
  search.region_text = std::string(region_text);
  state.clock.corrected_date = today;
  search.opened_from_search = 1;
  // Districts chosen for another list would narrow this one to districts
  // of the same names, hiding hotels of the new region.
  search.selected_count = 0;
  search.selected.fill({});
}

SelectionCut sel_data(const AppState& state, HotelSearchState& search) {
  SelectionCut cut;
  search.result_count = 0;
  search.district_count = 0;
  std::string const region = search_region(search.region_text);
  if (region.empty()) return cut;

  bool const narrowed = search.selected_count > 0;
  int const last = std::clamp(state.user_hotel_count + state.data_hotel_count, 0, kMaxHotels);
  std::string previous;
  for (int i = 1; i <= last; ++i) {
    HotelRecord const& h = state.hotel[static_cast<std::size_t>(i)];
    if (trim(h.region) != region) continue;
    if (!narrowed || in_selected_districts(search, h.district)) {
      if (search.result_count < kMaxHotelResults)
        search.result[static_cast<std::size_t>(++search.result_count)] = i;
      else
        cut.hotels = true;
    }
    if (trim(h.district) != trim(previous)) {
      if (search.district_count < kMaxHotelResults)
        search.district[static_cast<std::size_t>(++search.district_count)] = h.district;
      else
        cut.districts = true;
      previous = h.district;
    }
  }
  return cut;
}

int select_hotel_list(const AppState& state, HotelSearchState& search) {
  sel_data(state, search);
  if (search.result_count > 0 && state.control3_flg == 1)
    sort_hotel(state, search.result, search.result_count);
  return search.result_count;
}

bool can_narrow(const HotelSearchState& search) {
  return search.district_count > kNarrowAbove;
}

}  // namespace vorlash
