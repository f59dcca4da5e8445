#include "hotel/user_hotels.h"

#include <algorithm>
#include <utility>

#include "data/data_file.h"
#include "data/file_io.h"
#include "data/hotel_file.h"
#include "hotel/hotel_lines.h"
#include "hotel/hotel_search.h"
#include "hotel/hotel_texts.h"
#include "hotel/user_hotel_texts.h"
#include "platform/file_locations.h"
#include "text/numeric.h"
#include "text/sjis.h"
#include "text/utf8.h"

namespace vorlash {

namespace {

namespace txt = user_hotel_text;

std::string& box(HotelInput& input, HotelField field) {
  return input[static_cast<std::size_t>(field_index(field))];
}

std::size_t slot_of(int slot) {
  return static_cast<std::size_t>(slot);
}

int user_count(const AppState& state) {
  return std::clamp(state.user_hotel_count, 0, kMaxHotels);
}

// The last slot in use: the user hotels and the DataFile hotels behind them.
int last_used_slot(const AppState& state) {
  return std::clamp(user_count(state) + std::max(state.data_hotel_count, 0), 0, kMaxHotels);
}

void sort_if_asked(AppState& state) {
  if (state.control3_flg == 1) sort_hotel(state);
}

// A hotel record compared field by field.
bool same_hotel(const HotelRecord& a, const HotelRecord& b) {
  return a.region == b.region && a.district == b.district && a.name == b.name && a.tel == b.tel &&
         a.rooms == b.rooms && a.access == b.access && a.charge == b.charge &&
         a.remarks == b.remarks;
}

}  // namespace

std::string field_hint(HotelField field) {
  auto const i = static_cast<std::size_t>(field_index(field));
  return std::string(txt::kHints[i]) + "\r\n" + std::string(txt::kExamples[i]);
}

std::optional<int> room_count(std::string_view text) {
  if (trim(text).empty()) return 0;
  return parse_int16(text);
}

std::string unstorable_text(std::string_view text) {
  if (text.find('"') != std::string_view::npos) return std::string(txt::kQuoteRefused);
  if (text.find_first_of("\r\n") != std::string_view::npos)
    return std::string(txt::kLineBreakRefused);
  if (fits_cp932(text)) return {};
  int const n = char_count(text);
  for (int i = 0; i < n; ++i) {
    std::string const ch = mid_chars(text, i, 1);
    if (!fits_cp932(ch)) return std::string(txt::kCharRefusedHead) + ch;
  }
  return std::string(txt::kCharRefusedHead);
}

std::string check_field(const AppState& state, HotelField field, HotelInput& input) {
  std::string const& text = box(input, field);
  switch (field) {
    case HotelField::region:
      if (text.empty()) return std::string(txt::kRegionEmpty);
      if (!check_region(state, text)) return std::string(txt::kRegionUnknown);
      return unstorable_text(text);
    case HotelField::district:
      if (text.empty()) box(input, field) = box(input, HotelField::region);
      return unstorable_text(box(input, field));
    case HotelField::name:
      if (text.empty()) return std::string(txt::kNameEmpty);
      return unstorable_text(text);
    case HotelField::tel:
      if (text.empty()) return std::string(txt::kTelEmpty);
      return unstorable_text(text);
    case HotelField::rooms:
      if (!room_count(text)) return std::string(txt::kRoomsNotNumber);
      return {};
    case HotelField::access:
    case HotelField::charge:
    case HotelField::remarks:
      return unstorable_text(text);
  }
  return {};
}

std::optional<InputError> check_input(const AppState& state, HotelInput& input) {
  for (int i = 0; i < kHotelFieldCount; ++i) {
    auto const field = static_cast<HotelField>(i);
    if (auto message = check_field(state, field, input); !message.empty())
      return InputError{field, std::move(message)};
  }
  return std::nullopt;
}

HotelRecord hotel_from_input(const HotelInput& input) {
  // The record holds what the file will read back, so the lists show the same
  // text before and after the next start (a typed ¥ is the 0x5C byte).
  auto const at = [&](HotelField f) {
    return as_read_back(input[static_cast<std::size_t>(field_index(f))]);
  };
  HotelRecord h;
  h.region = at(HotelField::region);
  h.district = at(HotelField::district);
  h.name = at(HotelField::name);
  h.tel = at(HotelField::tel);
  h.rooms = room_count(at(HotelField::rooms)).value_or(0);
  h.access = at(HotelField::access);
  h.charge = at(HotelField::charge);
  h.remarks = fit_chars(at(HotelField::remarks), kRemarksWidth);
  return h;
}

HotelInput input_from_hotel(const HotelRecord& hotel) {
  return {hotel.region,
          hotel.district,
          hotel.name,
          hotel.tel,
          std::to_string(hotel.rooms),
          hotel.access,
          hotel.charge,
          fit_chars(hotel.remarks, kRemarksWidth)};
}

std::string proposed_region(const AppState& state) {
  auto const& recent = state.arrival_ground[1];
  return recent.empty() ? std::string(hotel_text::kDefaultRegion) : recent;
}

int user_hotel_room(const AppState& state) {
  return kMaxHotels - std::clamp(state.data_file_hotel_count, 0, kMaxHotels);
}

bool can_add_user_hotel(const AppState& state) {
  return user_count(state) < user_hotel_room(state);
}

std::string table_full_message(const AppState& state) {
  return std::string(txt::kTableFullHead) + std::to_string(user_hotel_room(state)) +
         std::string(txt::kTableFullTail);
}

int add_user_hotel(AppState& state, HotelRecord hotel) {
  if (!can_add_user_hotel(state)) return 0;
  int const k = user_count(state) + 1;
  int const last = last_used_slot(state);
  // Make room behind the user hotels; a full table loses its last DataFile
  // hotel.
  if (last == kMaxHotels && state.data_hotel_count > 0) --state.data_hotel_count;
  int const end = std::min(last, kMaxHotels - 1);
  for (int s = end; s >= k; --s) state.hotel[slot_of(s + 1)] = std::move(state.hotel[slot_of(s)]);
  state.hotel[slot_of(k)] = std::move(hotel);
  state.user_hotel_count = k;
  if (state.control3_flg != 1) return k;
  // Follow the new hotel through the sort: it is the record at k before.
  HotelRecord const added = state.hotel[slot_of(k)];
  sort_hotel(state);
  for (int s = 1; s <= k; ++s)
    if (same_hotel(state.hotel[slot_of(s)], added)) return s;
  return k;
}

bool change_user_hotel(AppState& state, int slot, HotelRecord hotel) {
  if (slot < 1 || slot > user_count(state)) return false;
  state.hotel[slot_of(slot)] = std::move(hotel);
  sort_if_asked(state);
  return true;
}

bool delete_user_hotel(AppState& state, int slot) {
  int const u = user_count(state);
  if (slot < 1 || slot > u) return false;
  int const last = last_used_slot(state);
  for (int s = slot; s < last; ++s)
    state.hotel[slot_of(s)] = std::move(state.hotel[slot_of(s + 1)]);
  state.hotel[slot_of(last)] = HotelRecord{};
  state.user_hotel_count = u - 1;
  return true;
}

std::vector<std::string> user_hotel_lines(const AppState& state) {
  std::vector<std::string> lines;
  int const u = user_count(state);
  lines.reserve(static_cast<std::size_t>(u));
  for (int s = 1; s <= u; ++s) lines.push_back(hotel_list_line(state.hotel[slot_of(s)]));
  return lines;
}

std::vector<HotelRecord> user_hotels(const AppState& state) {
  int const u = user_count(state);
  return {state.hotel.begin() + 1, state.hotel.begin() + 1 + u};
}

bool restore_user_hotels(AppState& state, const std::vector<HotelRecord>& hotels) {
  auto const n = std::min(hotels.size(), static_cast<std::size_t>(kMaxHotels));
  bool same = state.user_hotel_count == static_cast<int>(n);
  for (std::size_t i = 0; same && i < n; ++i) same = same_hotel(state.hotel[i + 1], hotels[i]);
  if (same) return false;
  std::copy_n(hotels.begin(), n, state.hotel.begin() + 1);
  state.user_hotel_count = static_cast<int>(n);
  state.data_hotel_count = 0;
  state.hotel_loaded = 0;
  return true;
}

RegistrationOpening read_for_registration(AppState& state, const std::string& program_folder) {
  RegistrationOpening out;
  std::string const path = user_hotel_file_path(state, program_folder);
  if (state.hotel_loaded == 0) {
    out.user_file = get_hotel_user(path, state, /*fold_regions=*/false, &out.unread_lines);
  } else if (file_exists(path)) {
    // The loaded table holds what the file gave; only its unread lines are
    // wanted.
    std::string bytes;
    out.user_file = read_file_bytes(path, bytes);
    if (out.user_file) out.unread_lines = unreadable_user_lines(bytes);
  }
  if (!out.unread_lines.empty()) out.backup_status = back_up_user_hotels(path, &out.backup);
  // A DataFile that cannot be opened now was read at start-up; without it
  // there is nothing to count. A damaged hotel section is told.
  DataFile file;
  if (DataFile::open(program_path(program_folder, state.data_file_name), file))
    out.data_file_hotels = count_data_file_hotels(file, state, out.left_out);
  return out;
}

namespace {

// "2、5、7～9行目" for lines 2, 5, 7, 8 and 9; past ten runs "…行目ほか".
std::string line_runs(const std::vector<int>& lines) {
  constexpr int kShownRuns = 10;
  std::string text;
  int runs = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::size_t j = i;
    while (j + 1 < lines.size() && lines[j + 1] == lines[j] + 1) ++j;
    if (runs == kShownRuns)
      return txt::kLineHead + text + std::string(txt::kLineTail) + std::string(txt::kMoreLines);
    if (runs++ > 0) text += txt::kListComma;
    text += std::to_string(lines[i]);
    if (j > i) text += txt::kRangeDash + std::to_string(lines[j]);
    i = j;
  }
  return txt::kLineHead + text + std::string(txt::kLineTail);
}

}  // namespace

std::string registration_message(const std::string& path, const RegistrationOpening& opening) {
  std::string text;
  if (!opening.unread_lines.empty()) {
    text = path + "\r\n" + line_runs(opening.unread_lines) + std::string(txt::kUnreadable) +
           "\r\n" + std::string(txt::kUnreadNote) + "\r\n";
    text += opening.backup_status
                ? std::string(txt::kKeptHead) + opening.backup + std::string(txt::kKeptTail)
                : std::string(txt::kNotKept) + "\r\n" + opening.backup_status.error;
  } else if (!opening.user_file) {
    text = path + "\r\n" + std::string(txt::kFileUnreadable) + "\r\n" + opening.user_file.error;
  }
  std::string left_out = left_out_message(opening.left_out);
  if (!opening.data_file_hotels)
    left_out = std::string(txt::kDataHotelsUnread) + "\r\n" + opening.data_file_hotels.error;
  if (!text.empty() && !left_out.empty()) text += "\r\n\r\n";
  return text + left_out;
}

std::string left_out_message(const LeftOutHotels& left_out) {
  if (left_out.count <= 0) return {};
  constexpr std::size_t kShownRegions = 10;
  std::string regions;
  for (std::size_t i = 0; i < left_out.regions.size(); ++i) {
    if (i == kShownRegions) {
      regions += std::string(txt::kMoreRegions);
      break;
    }
    if (i > 0) regions += txt::kListComma;
    regions += left_out.regions[i];
  }
  return std::string(txt::kLeftOutHead) + std::to_string(left_out.count) +
         std::string(txt::kLeftOutCount) + regions + std::string(txt::kLeftOutTail);
}

Status end_registration(AppState& state, const std::string& program_folder) {
  if (Status st = write_user_hotels(user_hotel_file_path(state, program_folder), state); !st)
    return st;
  state.hotel_loaded = 0;
  return Status::success();
}

}  // namespace vorlash
