// The five fare sections of the DataFile: kilometres, fare pairs, green
// charges, discount tickets and Nozomi charges.
#include "data/data_file_writer.h"

namespace vorlash::file_writer {

namespace {

using Record = std::vector<std::int32_t>;

// Records packed from byte 0, a trailer at bytes 1020..1023: 999 for a full
// block that another block follows, else the number of records in this last
// block. A section that fills its blocks exactly ends with an empty block of
// trailer 0, since a trailer of 63 (or 85) would read as no records.
int put_fare_section(BlockWriter& out, std::size_t per_block, const std::vector<Record>& records) {
  int const first = out.begin_block();
  std::size_t i = 0;
  while (true) {
    std::size_t const here = std::min(per_block, records.size() - i);
    std::size_t const start = out.size();
    for (std::size_t j = 0; j < here; ++j)
      for (auto const v : records[i + j]) out.put_long(v);
    i += here;
    out.pad_to(start + kBlockPayload);
    bool const full = here == per_block;
    out.put_long(full ? kFullBlockTrailer : static_cast<std::int32_t>(here));
    if (!full) break;
  }
  return first;
}

}  // namespace

void write_fares(Writer& w) {
  auto const& s = w.src;
  std::vector<Record> km;
  w.check_count(kKmFile, s.km, kMaxKmEntries, source_text::kKmEntries);
  for (auto const& e : s.km) {
    int const row = w.station_row(kKmFile, e.line, "station", e.station);
    w.in_range(kKmFile, e.line, source_text::kKmInTenths, e.tenths, 0, kMax32 / 64 - 1);
    km.push_back({e.tenths * 64 + row});
  }
  w.control[11] = put_fare_section(w.out, 255, km);

  std::vector<Record> pairs;
  w.check_count(kFarePairsFile, s.fare_pairs, kMaxFarePairs, source_text::kFarePairs);
  for (auto const& e : s.fare_pairs) {
    int const a = w.station_row(kFarePairsFile, e.line, "station_a", e.station_a);
    int const b = w.station_row(kFarePairsFile, e.line, "station_b", e.station_b);
    w.in_range(kFarePairsFile, e.line, "fare", e.fare, 0, kMax16);
    w.in_range(kFarePairsFile, e.line, "express", e.express, 0, kMax16);
    w.in_range(kFarePairsFile, e.line, "free_seat_express", e.free_seat_express, 0, kMax16);
    w.in_range(kFarePairsFile, e.line, "coupon", e.coupon, 0, kMax32);
    pairs.push_back(
        {(e.free_seat_express & 0x7FFF) * 4096 + b * 64 + a, e.fare, e.express, e.coupon});
  }
  w.control[12] = put_fare_section(w.out, 63, pairs);

  std::vector<Record> green;
  w.check_count(kGreenFile, s.green, kMaxGreenBrackets, source_text::kGreenBrackets);
  for (auto const& e : s.green) {
    w.in_range(kGreenFile, e.line, "upper_km", e.upper_km, 0, kMax16);
    w.in_range(kGreenFile, e.line, "green", e.green, 0, kMax16);
    w.in_range(kGreenFile, e.line, "room_1_2", e.room_1_2, 0, kMax16);
    w.in_range(kGreenFile, e.line, "room_3_4", e.room_3_4, 0, kMax16);
    green.push_back({e.upper_km, e.green, e.room_1_2, e.room_3_4});
  }
  w.control[13] = put_fare_section(w.out, 63, green);

  std::vector<Record> tickets;
  w.check_count(kTicketsFile, s.tickets, kMaxTickets, source_text::kTickets);
  for (auto const& e : s.tickets) {
    int const a = w.station_row(kTicketsFile, e.line, "station_a", e.station_a);
    int const b = w.station_row(kTicketsFile, e.line, "station_b", e.station_b);
    w.in_range(kTicketsFile, e.line, "kind", e.kind, 1, kTicketKinds);
    w.in_range(kTicketsFile, e.line, "sheets", e.sheets, 1, 63);
    w.in_range(kTicketsFile, e.line, "validity", e.validity, 0, kMax16);
    w.in_range(kTicketsFile, e.line, "price", e.price, 0, kMax32);
    tickets.push_back(
        {a * 4096 + b * 64 + (e.sheets & 63), (e.validity & 0x7FFF) * 64 + (e.kind & 63), e.price});
  }
  w.control[14] = put_fare_section(w.out, 85, tickets);

  std::vector<Record> nozomi;
  if (s.edition != 1 && !s.nozomi.empty())
    w.fail(kNozomiFile, s.nozomi.front().line,
           fill(source_text::kNozomiEditionOne, {std::to_string(s.edition)}));
  w.check_count(kNozomiFile, s.nozomi, kMaxNozomi, source_text::kNozomiCharges);
  for (auto const& e : s.nozomi) {
    int const a = w.station_row(kNozomiFile, e.line, "station_a", e.station_a);
    int const b = w.station_row(kNozomiFile, e.line, "station_b", e.station_b);
    w.in_range(kNozomiFile, e.line, "nozomi_express", e.nozomi_express, 0, kMax16);
    w.in_range(kNozomiFile, e.line, "supplement", e.supplement, 0, kMax16);
    w.in_range(kNozomiFile, e.line, "spare", e.spare, -kMax16 - 1, kMax16);
    nozomi.push_back({a * 64 + b, e.spare, e.nozomi_express, e.supplement});
  }
  w.control[15] = put_fare_section(w.out, 63, nozomi);
}

}  // namespace vorlash::file_writer
