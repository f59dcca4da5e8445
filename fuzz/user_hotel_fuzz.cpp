// Feeds arbitrary bytes to the UserHotelFile reader. Whatever the bytes, the
// reader must return a status without crashing; hotels it read must write,
// read back and compare equal.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "data/hotel_file.h"

namespace {

bool same(const vorlash::HotelRecord& a, const vorlash::HotelRecord& b) {
  return a.region == b.region && a.district == b.district && a.name == b.name && a.tel == b.tel &&
         a.rooms == b.rooms && a.access == b.access && a.charge == b.charge &&
         a.remarks == b.remarks;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vorlash;
  std::string_view const bytes(reinterpret_cast<const char*>(data), size);
  // Three large states reused across runs; each run starts with no hotels.
  static auto* const state = new AppState();
  static auto* const again = new AppState();
  static auto* const folded = new AppState();
  state->user_hotel_count = 0;
  again->user_hotel_count = 0;
  folded->user_hotel_count = 0;
  std::vector<int> unread;
  Status const st = parse_user_hotels(bytes, "hotelusr.csv", *state, false, &unread);
  if (st.ok() != unread.empty()) std::abort();
  if (unread != unreadable_user_lines(bytes)) std::abort();
  if (state->user_hotel_count < 0 || state->user_hotel_count > kMaxHotels) std::abort();

  std::string written;
  if (!render_user_hotels(*state, "hotelusr.csv", written)) return 0;
  if (!parse_user_hotels(written, "hotelusr.csv", *again, false, nullptr)) std::abort();
  if (again->user_hotel_count != state->user_hotel_count) std::abort();
  for (int i = 1; i <= state->user_hotel_count; ++i) {
    auto const slot = static_cast<std::size_t>(i);
    if (!same(state->hotel[slot], again->hotel[slot])) std::abort();
  }

  // Folding changes only the region.
  parse_user_hotels(bytes, "hotelusr.csv", *folded, true, nullptr);
  if (folded->user_hotel_count != state->user_hotel_count) std::abort();
  for (int i = 1; i <= state->user_hotel_count; ++i) {
    auto const slot = static_cast<std::size_t>(i);
    if (folded->hotel[slot].region != fold_region(state->hotel[slot].region)) std::abort();
  }
  return 0;
}
