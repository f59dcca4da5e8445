#include "data/fare_table.h"

#include <memory>
#include <utility>

#include "data/fare_file_texts.h"
#include "text/fill.h"
#include "text/numeric.h"

namespace vorlash {

namespace {

constexpr std::int32_t kContinues = 999;  // trailer of a full block

struct FareSection {
  Text name;
  int control;              // control value holding the first block
  std::size_t record_size;  // bytes
  int full_block;           // records in a block whose trailer is 999
  int modulus;              // last block holds T mod this (0: T itself)
  int limit;                // table size
};

constexpr FareSection kKmSection{fare_texts::kKmSection, 11, 4, 255, 0, kMaxKmEntries};
constexpr FareSection kPairSection{fare_texts::kPairSection, 12, 16, 63, 63, kMaxFarePairs};
constexpr FareSection kGreenSection{fare_texts::kGreenSection, 13, 16, 63, 63, kMaxGreenBrackets};
constexpr FareSection kTicketSection{fare_texts::kTicketSection, 14, 12, 85, 85, kMaxTickets};
constexpr FareSection kNozomiSection{fare_texts::kNozomiSection, 15, 16, 63, 63, kMaxNozomi};

std::string str(long long v) {
  return std::to_string(v);
}

// Reads the chain of blocks of one section, calling on_record(bytes, index,
// error) for records 1, 2, ... in order; a record it refuses returns false
// with the error filled.
template <typename OnRecord>
Status read_section(const DataFile& file, const AppState& state, FareSection const& section,
                    const YieldFn& yield, int& count, OnRecord&& on_record) {
  count = 0;
  Status error;
  long b = state.control[static_cast<std::size_t>(section.control)];
  for (;;) {
    std::string_view block;
    if (Status st = file.block(b, section.name, block); !st) return st;
    std::int32_t const trailer = block_long(block, 1020);
    if (yield) yield();
    bool const more = trailer == kContinues;
    int records = section.full_block;
    if (!more) {
      if (trailer < 0)
        return file.fail(section.name, fill(fare_texts::kNegativeTrailer, {str(b), str(trailer)}));
      if (section.modulus == 0) {
        if (trailer > section.full_block)
          return file.fail(section.name,
                           fill(fare_texts::kTrailerTooLarge, {str(b), str(trailer)}));
        records = trailer;
      } else {
        records = trailer % section.modulus;
      }
    }
    for (int i = 0; i < records; ++i) {
      if (count == section.limit)
        return file.fail(section.name, fill(fare_texts::kTooManyRecords, {str(section.limit)}));
      ++count;
      std::string_view const record =
          block.substr(section.record_size * static_cast<std::size_t>(i), section.record_size);
      if (!on_record(record, count, error)) return error;
    }
    if (!more) return Status::success();
    ++b;
  }
}

// Decodes the fields of one record. Each check returns whether the field
// passed; the first that fails fills the error, naming the record. (The
// error is only built then: a file of a thousand good records builds none.)
class RecordReader {
 public:
  RecordReader(const DataFile& file, const AppState& state, FareSection const& section,
               std::string_view record, int index, Status& error)
      : file_(file),
        state_(state),
        section_(section),
        record_(record),
        index_(index),
        error_(error) {}

  std::int32_t field(std::size_t n) const { return block_long(record_, 4 * n); }

  // Out of line: the checks below then inline into the record loops.
  [[gnu::noinline, gnu::cold]] bool fail(const std::string& what) const {
    error_ = file_.fail(section_.name, fill(fare_texts::kRecord, {str(index_), what}));
    return false;
  }

  bool key(std::size_t n, std::int32_t& out) const {
    out = field(n);
    if (out < 0) [[unlikely]]
      return fail_with(fare_texts::kNegativeKey, out);
    return true;
  }

  // The field's name is looked up in the chosen language only for an error.
  bool int16(std::size_t n, Text what, int& out) const { return fits16(field(n), what, out); }

  bool fits16(long long v, Text what, int& out) const {
    if (!fits_int16(v)) [[unlikely]]
      return fail_with(fare_texts::kNot16Bits, what, v);
    out = static_cast<int>(v);
    return true;
  }

  // The name of row r of station list 1.
  bool station(long long r, std::string& out) const {
    if (r < 1 || r > kMaxRows) [[unlikely]]
      return fail_with(fare_texts::kStationRowOutside, r);
    out = state_.sinkansen.station[1][static_cast<std::size_t>(r)];
    return true;
  }

 private:
  [[gnu::noinline, gnu::cold]] bool fail_with(Text pattern, long long v) const {
    return fail(fill(pattern, {str(v)}));
  }
  [[gnu::noinline, gnu::cold]] bool fail_with(Text pattern, Text what, long long v) const {
    return fail(fill(pattern, {what.str(), str(v)}));
  }

  const DataFile& file_;
  const AppState& state_;
  FareSection const& section_;
  std::string_view record_;
  int index_;
  Status& error_;
};

}  // namespace

Status get_paytable(const DataFile& file, AppState& state, const YieldFn& yield) {
  auto tables = new_table<FareTables>();
  FareTables& t = *tables;

  Status st = read_section(file, state, kKmSection, yield, t.km_count,
                           [&](std::string_view record, int i, Status& error) {
                             RecordReader const r(file, state, kKmSection, record, i, error);
                             std::int32_t key = 0;
                             if (!r.key(0, key)) return false;
                             KmEntry& e = t.km[static_cast<std::size_t>(i)];
                             e.tenths = key / 64;
                             return r.station(key % 64, e.station);
                           });
  if (!st) return st;

  st = read_section(file, state, kPairSection, yield, t.pair_count,
                    [&](std::string_view record, int i, Status& error) {
                      RecordReader const r(file, state, kPairSection, record, i, error);
                      std::int32_t key = 0;
                      FarePair& e = t.pair[static_cast<std::size_t>(i)];
                      e.coupon = r.field(3);
                      return r.key(0, key) && r.station(key % 64, e.station_a) &&
                             r.station((key / 64) % 64, e.station_b) &&
                             r.fits16(key / 4096, fare_texts::kFieldFreeSeatExpress,
                                      e.free_seat_express) &&
                             r.int16(1, fare_texts::kFieldFare, e.fare) &&
                             r.int16(2, fare_texts::kFieldExpress, e.express);
                    });
  if (!st) return st;

  st = read_section(file, state, kGreenSection, yield, t.green_count,
                    [&](std::string_view record, int i, Status& error) {
                      RecordReader const r(file, state, kGreenSection, record, i, error);
                      GreenBracket& e = t.green[static_cast<std::size_t>(i)];
                      return r.int16(0, fare_texts::kFieldUpperKm, e.upper_km) &&
                             r.int16(1, fare_texts::kFieldGreen, e.green) &&
                             r.int16(2, fare_texts::kFieldRoom12, e.room_1_2) &&
                             r.int16(3, fare_texts::kFieldRoom34, e.room_3_4);
                    });
  if (!st) return st;

  st = read_section(file, state, kTicketSection, yield, t.ticket_count,
                    [&](std::string_view record, int i, Status& error) {
                      RecordReader const r(file, state, kTicketSection, record, i, error);
                      DiscountTicket& e = t.ticket[static_cast<std::size_t>(i)];
                      std::int32_t key = 0;
                      std::int32_t terms = 0;
                      if (!(r.key(0, key) && r.station(key / 4096, e.station_a) &&
                            r.station((key / 64) % 64, e.station_b) && r.key(1, terms) &&
                            r.fits16(terms / 64, fare_texts::kFieldValidity, e.validity)))
                        return false;
                      e.sheets = key % 64;
                      e.kind = terms % 64;
                      if (e.kind < 1 || e.kind > kTicketKinds)
                        return r.fail(fill(fare_texts::kTicketKindOutside, {str(e.kind)}));
                      e.price = r.field(2);
                      return true;
                    });
  if (!st) return st;

  if (state.edition == 1) {
    st = read_section(file, state, kNozomiSection, yield, t.nozomi_count,
                      [&](std::string_view record, int i, Status& error) {
                        RecordReader const r(file, state, kNozomiSection, record, i, error);
                        NozomiCharge& e = t.nozomi[static_cast<std::size_t>(i)];
                        std::int32_t key = 0;
                        return r.key(0, key) && r.station(key / 64, e.station_a) &&
                               r.station(key % 64, e.station_b) &&
                               r.int16(1, fare_texts::kFieldSpare, e.spare) &&
                               r.int16(2, fare_texts::kFieldNozomiExpress, e.nozomi_express) &&
                               r.int16(3, fare_texts::kFieldSupplement, e.supplement);
                      });
    if (!st) return st;
  }

  state.fares = std::move(t);
  for (std::size_t k = 0; k <= kTicketKinds; ++k)
    state.ticket_name[k] = fare_texts::kTicketNames[k];
  return Status::success();
}

}  // namespace vorlash
