// The hotel section of the DataFile: index blocks, names, telephone blocks,
// access texts, charge blocks and remarks.
#include "data/data_file_writer.h"
#include "text/utf8.h"

namespace vorlash::file_writer {

namespace {

// Slot of the first entry with this name; an empty name is slot 0.
template <typename Entry>
int slot_of(const std::vector<Entry>& entries, const std::string& name) {
  if (name.empty()) return 0;
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].name == name) return static_cast<int>(i) + 1;
  return -1;
}

// Fixed-width fields, `per_block` to a block; unused fields are blank.
void put_field_blocks(BlockWriter& out, const std::vector<std::string>& fields, int width,
                      int per_block) {
  for (std::size_t i = 0; i < fields.size(); i += per_block) {
    out.begin_block();
    for (int j = 0; j < per_block; ++j)
      out.put_bytes(i + j < fields.size() ? fields[i + j] : std::string(width, ' '));
    out.align();
  }
}

}  // namespace

void write_hotels(Writer& w) {
  auto const& hotels = w.src.hotels;
  int const n = static_cast<int>(hotels.size());
  w.check_count(kHotelsFile, hotels, kMaxHotels, source_text::kHotels);
  std::vector<std::int32_t> index;
  std::vector<std::string> tels;
  std::vector<std::string> charges;
  for (auto const& h : hotels) {
    int region = slot_of(w.src.regions, h.region);
    int district = slot_of(w.src.districts, h.district);
    if (region < 0 || region > kMaxRegions) {
      w.fail(kHotelsFile, h.line,
             fill(source_text::kNotListed, {"region", quote_text(h.region), kRegionsFile}));
      region = 0;
    }
    if (district < 0 || district > kMaxDistricts) {
      w.fail(kHotelsFile, h.line,
             fill(source_text::kNotListed, {"district", quote_text(h.district), kDistrictsFile}));
      district = 0;
    }
    w.in_range(kHotelsFile, h.line, "rooms", h.rooms, 0, kMaxRooms);
    index.push_back(region * 1048576 + district * 4096 + (h.rooms & kMaxRooms));
    // A blank telephone field ends the reading of its block.
    if (trim(h.tel).empty()) w.fail(kHotelsFile, h.line, fill(source_text::kBlank, {"tel"}));
    tels.push_back(w.fixed(kHotelsFile, h.line, "tel", h.tel, kTelWidth));
    charges.push_back(w.fixed(kHotelsFile, h.line, "charge", h.charge, kChargeWidth));
  }

  w.control[9] = w.out.begin_block();
  std::size_t i = 0;
  do {
    std::size_t const left = index.size() - i;
    std::size_t const here = std::min<std::size_t>(left, kHotelIndexPerBlock);
    std::size_t const start = w.out.size();
    for (std::size_t j = 0; j < here; ++j) w.out.put_long(index[i + j]);
    i += here;
    w.out.pad_to(start + kBlockPayload);
    w.out.put_long(
        float_coded(left > kHotelIndexPerBlock ? kFullBlockTrailer : static_cast<int>(here)));
  } while (i < index.size());
  if (n == 0) return;

  for (auto const& h : hotels) w.record(kHotelsFile, h.line, "name", h.name);
  w.out.align();
  put_field_blocks(w.out, tels, kTelWidth, kTelsPerBlock);
  for (auto const& h : hotels) w.record(kHotelsFile, h.line, "access", h.access);
  w.out.align();
  put_field_blocks(w.out, charges, kChargeWidth, kChargesPerBlock);
  for (auto const& h : hotels)
    w.record(kHotelsFile, h.line, "remarks", fit_chars(h.remarks, kRemarksChars));
}

}  // namespace vorlash::file_writer
