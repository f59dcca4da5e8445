#include "data/hotel_file.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "data/file_io.h"
#include "data/hotel_file_texts.h"
#include "data/user_hotel_file_texts.h"
#include "platform/clock.h"
#include "platform/native_path.h"
#include "platform/safe_file.h"
#include "text/fill.h"
#include "text/numeric.h"
#include "text/sjis.h"
#include "text/utf8.h"

namespace vorlash {

namespace {

namespace fs = std::filesystem;

constexpr Text kHotelSection = hotel_text::kHotelSection;

constexpr std::size_t kIndexEntries = 250;  // per index block
constexpr int kMoreIndexBlocks = 999;       // count of a full index block
constexpr std::size_t kTelWidth = 12;
constexpr std::size_t kTelsPerBlock = 85;
constexpr std::size_t kChargeWidth = 8;
constexpr std::size_t kChargesPerBlock = 128;
constexpr std::int32_t kRegionUnit = 1048576;  // 2^20
constexpr std::int32_t kDistrictUnit = 4096;

std::string str(long long v) {
  return std::to_string(v);
}

void run(const YieldFn& yield) {
  if (yield) yield();
}

std::size_t blocks_for(std::size_t n, std::size_t per_block) {
  return (n + per_block - 1) / per_block;
}

// The first block boundary at or after a byte position, as a block number.
std::size_t boundary_block(std::size_t pos) {
  return blocks_for(pos, kBlockSize);
}

Status read_index(const DataFile& file, const AppState& state, const YieldFn& yield,
                  bool fold_regions, std::vector<HotelRecord>& hotels, long& last_block) {
  long b = state.control[9];
  for (;;) {
    std::string_view block;
    if (Status st = file.block(b, kHotelSection, block); !st) return st;
    long long const count = round_half_even(cnv_data(block_long(block, 1020)));
    bool const more = count == kMoreIndexBlocks;
    if (!more && (count < 0 || count > static_cast<long long>(kIndexEntries)))
      return file.fail(kHotelSection, fill(hotel_text::kIndexCount, {str(b), str(count)}));
    std::size_t const entries = more ? kIndexEntries : static_cast<std::size_t>(count);
    for (std::size_t i = 0; i < entries; ++i) {
      if (hotels.size() >= static_cast<std::size_t>(kMaxHotels))
        return file.fail(kHotelSection, fill(hotel_text::kTooManyHotels, {str(kMaxHotels)}));
      std::int32_t const v = block_long(block, 4 * i);
      std::string const where = str(static_cast<long long>(hotels.size() + 1));
      if (v < 0) return file.fail(kHotelSection, fill(hotel_text::kNegativeIndex, {where, str(v)}));
      int const region = v / kRegionUnit;
      int const district = (v / kDistrictUnit) % 256;
      if (region > kMaxRegions)
        return file.fail(kHotelSection, fill(hotel_text::kRegionAbove, {where, str(region)}));
      if (district > kMaxDistricts)
        return file.fail(kHotelSection, fill(hotel_text::kDistrictAbove, {where, str(district)}));
      HotelRecord h;
      h.region = state.regions.name[static_cast<std::size_t>(region)];
      if (fold_regions) h.region = fold_region(h.region);
      h.district = state.districts.name[static_cast<std::size_t>(district)];
      h.rooms = v % kDistrictUnit;
      hotels.push_back(std::move(h));
    }
    run(yield);
    if (!more) break;
    ++b;
  }
  last_block = b;
  return Status::success();
}

// The slots left beside the user hotels.
std::size_t room_beside_users(const AppState& state) {
  return static_cast<std::size_t>(kMaxHotels - std::clamp(state.user_hotel_count, 0, kMaxHotels));
}

// The DataFile hotels past the room left beside the user hotels.
LeftOutHotels left_out_of(const std::vector<HotelRecord>& hotels, std::size_t room) {
  LeftOutHotels out;
  for (std::size_t i = room; i < hotels.size(); ++i) {
    ++out.count;
    std::string const region = trim(hotels[i].region);
    if (std::find(out.regions.begin(), out.regions.end(), region) == out.regions.end())
      out.regions.push_back(region);
  }
  return out;
}

template <typename Field>
Status read_records(const DataFile& file, std::size_t& pos, std::vector<HotelRecord>& hotels,
                    Field field) {
  for (auto& h : hotels) {
    if (Status st = file.value_record(pos, kHotelSection, h.*field); !st) return st;
  }
  return Status::success();
}

// One user hotel line split into its fields by the delimited-text rules:
// leading blanks skipped; a quoted field runs to the closing quote; any other
// field runs to the next comma or the end of the line (trailing blanks cut).
bool split_fields(std::string_view line, std::vector<std::string>& fields, std::string& why) {
  fields.clear();
  std::size_t i = 0;
  for (;;) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i < line.size() && line[i] == '"') {
      std::size_t const close = line.find('"', i + 1);
      if (close == std::string_view::npos) {
        why = fill(user_hotel_text::kNoClosingQuote,
                   {str(static_cast<long long>(fields.size() + 1))});
        return false;
      }
      fields.emplace_back(line.substr(i + 1, close - i - 1));
      i = close + 1;
      while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
      if (i < line.size() && line[i] != ',') {
        why = fill(user_hotel_text::kTextAfterQuote, {str(static_cast<long long>(fields.size()))});
        return false;
      }
    } else {
      std::size_t const comma = std::min(line.find(',', i), line.size());
      fields.push_back(trim_right(line.substr(i, comma - i)));
      i = comma;
    }
    if (i >= line.size()) return true;
    ++i;  // the comma
  }
}

constexpr int kUserFields = 8;

bool blank_line(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

// Calls line(number, text) for every non-blank line of a UserHotelFile (CR
// LF or LF ends); true when there was one.
template <typename Line>
bool for_each_line(std::string_view bytes, Line line) {
  bool any = false;
  int number = 0;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view raw = bytes.substr(start, end - start);
    start = end + 1;
    ++number;
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    if (blank_line(raw)) continue;
    any = true;
    line(number, raw);
  }
  return any;
}

// One UserHotelFile line (Shift-JIS) as a hotel, or nullopt with the reason.
std::optional<HotelRecord> read_user_line(std::string_view raw, bool fold_regions,
                                          std::string& why) {
  std::string line;
  if (Status st = sjis_to_utf8(raw, line); !st) {
    why = user_hotel_text::kNotShiftJis;
    return std::nullopt;
  }
  std::vector<std::string> fields;
  if (!split_fields(line, fields, why)) return std::nullopt;
  if (fields.size() != kUserFields) {
    why = fill(user_hotel_text::kFieldCount, {str(static_cast<long long>(fields.size()))});
    return std::nullopt;
  }
  auto const rooms = parse_int16(fields[4]);
  if (!rooms) {
    why = fill(user_hotel_text::kRoomsFieldNotNumber, {fields[4]});
    return std::nullopt;
  }
  HotelRecord h;
  h.region = fold_regions ? fold_region(fields[0]) : fields[0];
  h.district = fields[1];
  h.name = fields[2];
  h.tel = fields[3];
  h.rooms = *rooms;
  h.access = fields[5];
  h.charge = fields[6];
  h.remarks = fit_chars(fields[7], kRemarksWidth);
  return h;
}

// Calls unread(number, text) for every line parse_user_hotels leaves out.
template <typename Unread>
void for_each_unread_line(std::string_view bytes, Unread unread) {
  int readable = 0;
  for_each_line(bytes, [&](int number, std::string_view raw) {
    std::string why;
    if (!read_user_line(raw, false, why) || ++readable > kMaxHotels) unread(number, raw);
  });
}

// Whether backup holds a line the reader leaves out and current lacks: a
// hotel that exists nowhere else.
bool holds_lost_lines(std::string_view backup, std::string_view current) {
  std::vector<std::string_view> kept;
  for_each_line(current, [&](int, std::string_view raw) { kept.push_back(raw); });
  bool lost = false;
  for_each_unread_line(backup, [&](int, std::string_view raw) {
    if (std::find(kept.begin(), kept.end(), raw) == kept.end()) lost = true;
  });
  return lost;
}

// "20261208-0130": the local date and time, for a backup's name.
std::string backup_stamp() {
  std::tm const local = local_time(std::time(nullptr));
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M", &local);
  return text;
}

// The program's backups of path (path + ".….bak"): lone regular files only,
// never a link planted under such a name.
std::vector<std::string> backups_of(const std::string& path) {
  fs::path const file = native_path(path);
  std::string const prefix = utf8_path(file.filename()) + ".";
  std::error_code ec;
  fs::path const folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  std::vector<std::string> found;
  for (auto const& entry : fs::directory_iterator(folder, ec)) {
    std::string const name = utf8_path(entry.path().filename());
    if (name.rfind(prefix, 0) != 0 || !name.ends_with(".bak")) continue;
    std::error_code entry_ec;
    if (!fs::is_regular_file(entry.symlink_status(entry_ec)) ||
        fs::hard_link_count(entry.path(), entry_ec) != 1)
      continue;
    // Spelt as path spells its folder, so that it compares with path + ".bak".
    found.push_back(utf8_path(file.has_parent_path() ? file.parent_path() / entry.path().filename()
                                                     : entry.path().filename()));
  }
  std::sort(found.begin(), found.end());
  return found;
}

// A backup of path that already holds bytes, or empty.
std::string backup_holding(const std::vector<std::string>& backups, const std::string& bytes) {
  for (auto const& backup : backups) {
    std::string held;
    if (read_file_bytes(backup, held) && held == bytes) return backup;
  }
  return {};
}

// Whether every line of current is held, byte for byte, by one of backups;
// holder then names the one holding the first line. A copy of current would
// save nothing that is not kept already.
bool lines_held(const std::vector<std::string>& backups, std::string_view current,
                std::string& holder) {
  std::vector<std::string> texts;
  for (auto const& backup : backups) {
    std::string held;
    texts.push_back(read_file_bytes(backup, held) ? std::move(held) : std::string());
  }
  bool all_held = true;
  holder.clear();
  for_each_line(current, [&](int, std::string_view raw) {
    bool held = false;
    for (std::size_t i = 0; i < texts.size() && !held; ++i) {
      for_each_line(texts[i], [&](int, std::string_view line) { held = held || line == raw; });
      if (held && holder.empty()) holder = backups[i];
    }
    all_held = all_held && held;
  });
  return all_held && !holder.empty();
}

// Selection sort by (region, district) over positions 1..count, comparing
// the texts' bytes (UTF-8 byte order is code point order).
template <typename KeyOf, typename Swap>
void selection_sort(int count, KeyOf key_of, Swap swap_at) {
  for (int i = 1; i <= count - 1; ++i) {
    int best = i;
    for (int j = i + 1; j <= count; ++j) {
      auto const& [best_region, best_district] = key_of(best);
      auto const& [region, district] = key_of(j);
      if (best_region > region || (region == best_region && best_district > district)) best = j;
    }
    if (best != i) swap_at(i, best);
  }
}

}  // namespace

std::string fold_region(std::string region) {
  std::string const t = trim(region);
  if (t.rfind("東京", 0) == 0) return "東京";  // data text: not translated
  if (t.rfind("大阪", 0) == 0) return "大阪";  // data text: not translated
  return region;
}

Status count_data_file_hotels(const DataFile& file, AppState& state, LeftOutHotels& left_out) {
  left_out = {};
  std::vector<HotelRecord> hotels;
  long last_index = 0;
  if (Status st = read_index(file, state, YieldFn{}, false, hotels, last_index); !st) return st;
  state.data_file_hotel_count = static_cast<int>(hotels.size());
  left_out = left_out_of(hotels, room_beside_users(state));
  return Status::success();
}

Status get_hotel(const DataFile& file, AppState& state, const YieldFn& yield, bool fold_regions,
                 LeftOutHotels* left_out) {
  state.data_hotel_count = 0;
  if (left_out) *left_out = {};
  std::vector<HotelRecord> hotels;
  long last_index = 0;
  if (Status st = read_index(file, state, yield, fold_regions, hotels, last_index); !st) return st;
  std::size_t const n = hotels.size();
  state.data_file_hotel_count = static_cast<int>(n);

  std::size_t pos = static_cast<std::size_t>(last_index + 1) * kBlockSize;
  if (Status st = read_records(file, pos, hotels, &HotelRecord::name); !st) return st;

  std::size_t const tel_start = boundary_block(pos);
  std::size_t const tel_blocks = blocks_for(n, kTelsPerBlock);
  std::size_t slot = 0;
  for (std::size_t tb = 0; tb < tel_blocks; ++tb) {
    std::string_view block;
    if (Status st = file.block(static_cast<long>(tel_start + tb), kHotelSection, block); !st)
      return st;
    run(yield);
    for (std::size_t f = 0; f < kTelsPerBlock; ++f) {
      std::string_view const field = block.substr(kTelWidth * f, kTelWidth);
      if (trim(field).empty()) break;
      if (slot >= n) break;
      if (Status st = fixed_text(file, kHotelSection, field,
                                 fill(hotel_text::kTelOf, {str(static_cast<long long>(slot + 1))}),
                                 hotels[slot].tel);
          !st)
        return st;
      ++slot;
    }
  }
  // A blank telephone field before the last hotel would shift every later
  // telephone onto the wrong hotel.
  if (slot < n)
    return file.fail(kHotelSection,
                     fill(hotel_text::kBlankTel, {str(static_cast<long long>(slot + 1))}));

  pos = (tel_start + tel_blocks) * kBlockSize;
  if (Status st = read_records(file, pos, hotels, &HotelRecord::access); !st) return st;

  std::size_t const charge_start = boundary_block(pos);
  std::size_t const charge_blocks = blocks_for(n, kChargesPerBlock);
  slot = 0;
  for (std::size_t cb = 0; cb < charge_blocks; ++cb) {
    std::string_view block;
    if (Status st = file.block(static_cast<long>(charge_start + cb), kHotelSection, block); !st)
      return st;
    run(yield);
    for (std::size_t f = 0; f < kChargesPerBlock && slot < n; ++f, ++slot) {
      if (Status st =
              fixed_text(file, kHotelSection, block.substr(kChargeWidth * f, kChargeWidth),
                         fill(hotel_text::kChargeOf, {str(static_cast<long long>(slot + 1))}),
                         hotels[slot].charge);
          !st)
        return st;
    }
  }

  pos = (charge_start + charge_blocks) * kBlockSize;
  if (Status st = read_records(file, pos, hotels, &HotelRecord::remarks); !st) return st;

  // Hotels past the room beside the user hotels are left out, the first
  // ones kept: the rest of the section is still read in full, since every
  // part is sized by the whole count.
  std::size_t const room = room_beside_users(state);
  if (left_out) *left_out = left_out_of(hotels, room);
  std::size_t const kept = std::min(n, room);
  auto const u = static_cast<std::size_t>(kMaxHotels) - room;
  for (std::size_t i = 0; i < kept; ++i) {
    hotels[i].remarks = fit_chars(hotels[i].remarks, kRemarksWidth);
    state.hotel[u + 1 + i] = std::move(hotels[i]);
  }
  state.data_hotel_count = static_cast<int>(kept);
  return Status::success();
}

Status parse_user_hotels(std::string_view bytes, std::string_view file_name, AppState& state,
                         bool fold_regions, std::vector<int>* unread_lines) {
  if (unread_lines) unread_lines->clear();
  std::vector<HotelRecord> hotels;
  std::string errors;
  bool const any_line = for_each_line(bytes, [&](int number, std::string_view raw) {
    // A line that cannot be read is left out; the lines around it are
    // still read.
    std::string why;
    auto hotel = read_user_line(raw, fold_regions, why);
    if (hotel && hotels.size() >= static_cast<std::size_t>(kMaxHotels)) {
      hotel.reset();
      why = fill(user_hotel_text::kTooManyUserHotels, {str(kMaxHotels)});
    }
    if (hotel) {
      hotels.push_back(std::move(*hotel));
      return;
    }
    if (unread_lines) unread_lines->push_back(number);
    if (!errors.empty()) errors += user_hotel_text::kLineSeparator;
    errors += fill(user_hotel_text::kLineUnread, {str(number), why});
  });
  // A file without a hotel line leaves U as it was (see get_hotel_user).
  if (any_line) {
    for (std::size_t i = 0; i < hotels.size(); ++i) state.hotel[i + 1] = std::move(hotels[i]);
    state.user_hotel_count = static_cast<int>(hotels.size());
  }
  if (errors.empty()) return Status::success();
  return Status::failure(std::string(file_name) + ": " + errors);
}

std::vector<int> unreadable_user_lines(std::string_view bytes) {
  std::vector<int> lines;
  for_each_unread_line(bytes, [&](int number, std::string_view) { lines.push_back(number); });
  return lines;
}

Status get_hotel_user(const std::string& path, AppState& state, bool fold_regions,
                      std::vector<int>* unread_lines) {
  if (unread_lines) unread_lines->clear();
  std::string bytes;
  bool missing = false;
  if (Status st = read_regular_file(path, kMaxTextFileSize, bytes, &missing); !st) return st;
  if (missing) return Status::success();
  return parse_user_hotels(bytes, path, state, fold_regions, unread_lines);
}

Status render_user_hotels(const AppState& state, std::string_view file_name, std::string& sjis) {
  sjis.clear();
  std::string encoded;
  int const count = std::clamp(state.user_hotel_count, 0, kMaxHotels);
  for (int i = 1; i <= count; ++i) {
    HotelRecord const& h = state.hotel[static_cast<std::size_t>(i)];
    std::string const remarks = fit_chars(h.remarks, kRemarksWidth);
    std::array<const std::string*, 7> const texts = {&h.region, &h.district, &h.name, &h.tel,
                                                     &h.access, &h.charge,   &remarks};
    std::string line;
    for (std::size_t f = 0; f < texts.size(); ++f) {
      std::string const* text = texts[f];
      auto const fail = [&](std::string_view why) {
        return Status::failure(
            fill(user_hotel_text::kHotelField,
                 {std::string(file_name), str(i), std::string(user_hotel_text::kFieldNames[f]),
                  std::string(why)}));
      };
      if (text->find('"') != std::string::npos) return fail(user_hotel_text::kQuoteNotStored);
      if (text->find_first_of("\r\n") != std::string::npos)
        return fail(user_hotel_text::kBreakNotStored);
      if (Status st = utf8_to_sjis(*text, encoded); !st)
        return fail(user_hotel_text::kNotInShiftJis);
      if (text == &h.access) line += str(h.rooms) + ",";
      line += '"' + encoded + "\"";
      line += text == &remarks ? "\r\n" : ",";
    }
    sjis += line;
  }
  return Status::success();
}

Status back_up_user_hotels(const std::string& path, std::string* backup) {
  if (backup) backup->clear();
  if (!file_exists(path)) return Status::success();
  std::string current;
  if (Status st = read_file_bytes(path, current); !st) return st;
  std::vector<std::string> const backups = backups_of(path);
  std::string target = backup_holding(backups, current);
  if (target.empty()) {
    target = path + ".bak";
    std::string older;
    // A link or special file under the name is not read but refused below.
    bool const own = std::find(backups.begin(), backups.end(), target) != backups.end();
    // A backup that cannot be read is kept too: it may hold such lines.
    if (own && (!read_file_bytes(target, older) || holds_lost_lines(older, current))) {
      std::string holder;
      if (lines_held(backups, current, holder)) {
        if (backup) *backup = holder;
        return Status::success();
      }
      std::string const stem = path + "." + backup_stamp();
      target = stem + ".bak";
      for (int n = 2; path_exists(target); ++n) target = stem + "-" + str(n) + ".bak";
    }
    // A refused backup is a refused save of the user's file. The backup is
    // no more readable than the file it copies.
    if (Status st = replace_companion_file(target, current, path, path); !st) return st;
  }
  if (backup) *backup = target;
  return Status::success();
}

Status write_user_hotels(const std::string& path, AppState& state) {
  std::string bytes;
  // Check every text before anything is changed or written.
  if (Status st = render_user_hotels(state, path, bytes); !st) return st;
  if (state.control3_flg == 2) {
    sort_hotel(state);
    if (Status st = render_user_hotels(state, path, bytes); !st) return st;
  }
  // The old file may hold hotels that could not be read in this run; keep a
  // copy before replacing it.
  if (Status st = back_up_user_hotels(path, nullptr); !st) return st;
  return write_file_atomically(path, bytes);
}

void sort_hotel(AppState& state) {
  auto& hotels = state.hotel;
  int const count = std::clamp(state.user_hotel_count, 0, kMaxHotels);
  selection_sort(
      count,
      [&](int i) {
        auto const& h = hotels[static_cast<std::size_t>(i)];
        return std::pair<const std::string&, const std::string&>(h.region, h.district);
      },
      [&](int i, int j) {
        std::swap(hotels[static_cast<std::size_t>(i)], hotels[static_cast<std::size_t>(j)]);
      });
}

void sort_hotel(const AppState& state, std::array<int, kMaxHotelResults + 1>& result, int count) {
  count = std::clamp(count, 0, kMaxHotelResults);
  selection_sort(
      count,
      [&](int i) {
        auto const& h = state.hotel[static_cast<std::size_t>(result[static_cast<std::size_t>(i)])];
        return std::pair<const std::string&, const std::string&>(h.region, h.district);
      },
      [&](int i, int j) {
        std::swap(result[static_cast<std::size_t>(i)], result[static_cast<std::size_t>(j)]);
      });
}

}  // namespace vorlash
