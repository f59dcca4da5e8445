#include "hotel/hotel_lines.h"

#include <algorithm>

#include "text/date.h"
#include "text/language.h"
#include "text/names.h"
#include "text/number_format.h"
#include "text/utf8.h"

namespace vorlash {

namespace {

constexpr int kCharsPerTab = 4;
constexpr int kRegionTabs = 2;
constexpr int kDistrictTabs = 2;
constexpr int kNameTabs = 4;

std::string with_tabs(std::string_view field, int base) {
  return std::string(field) + std::string(static_cast<std::size_t>(field_tabs(field, base)), '\t');
}

}  // namespace

std::string hotel_list_title(const AppState& state, const HotelSearchState& search) {
  using namespace hotel_text;
  return std::string(shown_name(trim(search.origin_text))) + std::string(kTitleArrow) +
         std::string(shown_name(trim(search.region_text))) + std::string(kTitleGap) +
         format_date_paren(state.clock.corrected_date) + std::string(kTitleTail);
}

HotelGridRow hotel_grid_header() {
  HotelGridRow row;
  std::copy(hotel_text::kGridHeaders.begin(), hotel_text::kGridHeaders.end(), row.begin());
  return row;
}

HotelGridRow hotel_grid_cells(const HotelRecord& hotel) {
  return {std::string(shown_name(hotel.district)),
          hotel.name,
          hotel.tel,
          format_number(hotel.rooms, hotel_text::kRoomsPicture),
          hotel.access,
          hotel.charge,
          hotel.remarks};
}

int field_tabs(std::string_view field, int base) {
  // English names mix half-width and full-width text: counted in columns.
  if (language() == Language::en) return std::max(0, base - display_columns(field) / 8);
  return std::max(0, base - char_count(field) / kCharsPerTab);
}

std::string hotel_list_line(const HotelRecord& hotel) {
  return with_tabs(shown_name(hotel.region), kRegionTabs) +
         with_tabs(shown_name(hotel.district), kDistrictTabs) + with_tabs(hotel.name, kNameTabs) +
         hotel.tel;
}

}  // namespace vorlash
