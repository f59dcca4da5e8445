// Encoding a DataSource as the bytes of a DataFile.
//
// The file is a sequence of 1024-byte blocks, every unused byte 0. Sections
// follow each other in a fixed order, each starting at a new block: regions
// (blocks 0 and 1), districts, Keiyo stations, Keiyo times, Shinkansen
// stations, Shinkansen times, the five fare sections, the hotel section, and
// last the control block that says where each section starts.
//
// Anything that the readers could not read back as it was written is an
// error naming the source file and line: table sizes, values that do not fit
// their fields, texts that Shift-JIS cannot hold, names that do not resolve.
#include "data/data_file_writer.h"

namespace vorlash {

namespace file_writer {

namespace {

std::string format_hhmm_text(int hhmm) {
  return std::to_string(hhmm / 100) + ":" + (hhmm % 100 < 10 ? "0" : "") +
         std::to_string(hhmm % 100);
}

// ---- Regions and districts --------------------------------------------------

void write_regions(Writer& w) {
  auto const& regions = w.src.regions;
  w.check_count(kRegionsFile, regions, kMaxRegions, source_text::kRegions);
  w.out.put_long(float_coded(static_cast<int>(regions.size())));
  for (auto const& r : regions) w.record(kRegionsFile, r.line, "name", r.name);
  // The entries start at byte 1024 whatever the names' length.
  if (w.out.size() > kBlock)
    w.fail(kRegionsFile, 0, fill(source_text::kRegionBlockFull, {std::to_string(w.out.size())}));
  w.out.align();
  for (auto const& r : regions) {
    w.in_range(kRegionsFile, r.line, "area", r.area, 1, 9);
    w.in_range(kRegionsFile, r.line, "digit", r.digit, 0, 9);
    w.out.put_bytes(std::string(1, static_cast<char>('0' + (r.area / 10) % 10)) +
                    static_cast<char>('0' + r.area % 10) + static_cast<char>('0' + r.digit % 10));
  }
  w.out.pad_to(2 * kBlock);
}

void write_districts(Writer& w) {
  auto const& districts = w.src.districts;
  w.control[2] = w.out.begin_block();
  w.check_count(kDistrictsFile, districts, kMaxDistricts, source_text::kDistricts);
  w.out.put_long(float_coded(static_cast<int>(districts.size())));
  for (auto const& d : districts) w.record(kDistrictsFile, d.line, "name", d.name);
}

// ---- Keiyo line -----------------------------------------------------------------

void write_keiyo_stations(Writer& w) {
  w.control[3] = w.out.begin_block();
  for (int k = 1; k <= kKeiyoTables; ++k) {
    auto const& table = w.src.keiyo[k];
    w.in_range(kKeiyoStationsFile, table.line, "count", table.station_count, 0, kMaxKeiyoPositions);
    w.out.put_long(table.station_count);
  }
  for (int k = 1; k <= kKeiyoTables; ++k) {
    for (int p = 1; p <= kMaxKeiyoPositions; ++p)
      w.record(kKeiyoStationsFile, w.src.keiyo[k].line, "name" + std::to_string(p),
               w.src.keiyo[k].station[p]);
  }
}

// The train number of a Keiyo code (digits and one final letter), or -1.
int keiyo_train_number(std::string_view code) {
  if (code.size() < 2 || code.size() > static_cast<std::size_t>(kKeiyoCodeWidth)) return -1;
  int number = 0;
  for (std::size_t i = 0; i + 1 < code.size(); ++i) {
    if (code[i] < '0' || code[i] > '9') return -1;
    number = number * 10 + (code[i] - '0');
  }
  char const last = code.back();
  if (!((last >= 'A' && last <= 'Z') || (last >= 'a' && last <= 'z'))) return -1;
  return number;
}

// Writes a time stream: 255 longs to a block (the last 4 bytes of a block stay
// unused), then the terminator 0, which may fall at byte 0 of a new block.
// The stream ends with the block that holds the terminator.
void put_stream(BlockWriter& out, const std::vector<std::int32_t>& values) {
  out.align();
  std::size_t n = 0;
  auto put = [&](std::int32_t v) {
    if (n > 0 && n % kStreamLongsPerBlock == 0) out.align();
    out.put_long(v);
    ++n;
  };
  for (auto const v : values) put(v);
  put(0);
  out.align();
}

void write_keiyo_times(Writer& w) {
  std::array<std::vector<std::int32_t>, kKeiyoTables + 1> streams{};
  w.control[4] = w.out.begin_block();
  for (int k = 1; k <= kKeiyoTables; ++k) {
    std::string const file = keiyo_file_name(k);
    auto const& trains = w.src.keiyo[k].trains;
    w.check_count(file, trains, kMaxKeiyoTrains, source_text::kTrains);
    std::string codes;
    for (auto const& train : trains) {
      int const number = keiyo_train_number(train.code);
      if (number < 0) {
        w.fail(file, train.line, fill(source_text::kKeiyoCodeForm, {quote_text(train.code)}));
      } else if (number == 0) {
        w.fail(file, train.line, fill(source_text::kKeiyoCodeZero, {quote_text(train.code)}));
      }
      for (int p = 1; p <= kKeiyoTimedPositions; ++p) {
        if (number > 0 && train.time[p] + number > kKeiyoFieldLimit) {
          std::string const time = train.time[p] == 0 ? std::string(source_text::kNoStop)
                                                      : format_hhmm_text(train.time[p]);
          w.fail(file, train.line,
                 fill(source_text::kKeiyoFieldFull,
                      {"p" + std::to_string(p), time, std::to_string(number)}));
        }
        if (train.time[p] < 0)
          w.fail(file, train.line, fill(source_text::kNegative, {"p" + std::to_string(p)}));
      }
      std::string code = train.code;
      code.resize(kKeiyoCodeWidth, ' ');
      if (codes.size() < kKeiyoCodeSlots * kKeiyoCodeWidth) codes += code;
      int const n = std::max(number, 1);
      for (int pair = 1; pair <= kKeiyoTimedPositions / 2; ++pair) {
        int const high = (train.time[2 * pair - 1] + n) & 0x1FFF;
        int const low = (train.time[2 * pair] + n) & 0x1FFF;
        streams[k].push_back(high * 8192 + low);
      }
    }
    codes.resize(kKeiyoCodeSlots * kKeiyoCodeWidth, ' ');  // unused codes are blank
    w.out.begin_block();
    w.out.put_bytes(codes);
    w.out.put_long(static_cast<std::int32_t>(trains.size()));
  }
  for (int k = 1; k <= kKeiyoTables; ++k) put_stream(w.out, streams[k]);
}

// ---- Shinkansen ------------------------------------------------------------------

void write_shinkansen_stations(Writer& w) {
  w.control[5] = w.out.begin_block();
  for (int d = 1; d <= 2; ++d) {
    for (int r = 1; r <= kMaxRows; ++r) {
      auto const& row = w.src.stations[d][r];
      w.record(kShinkansenStationsFile, row.line, "name", row.name);
    }
    for (int r = 1; r <= kMaxRows; ++r) {
      auto const& row = w.src.stations[d][r];
      w.in_range(kShinkansenStationsFile, row.line, "kind", row.kind, 0, 2);
      w.out.put_long(row.kind);
    }
  }
  w.in_range(kEditionFile, w.src.station_count_line, "station_count", w.src.station_count, 1,
             kMaxRows);
  w.out.put_long(w.src.station_count);
}

// The h value of a vehicle type entry, or -1 when the Edition has no such type.
int vehicle_entry(int edition, const std::string& vehicle, int train) {
  if (edition == 1) {
    static constexpr std::array<const char*, 7> kTypes = {"N", "G", "W", "N5", "F", "N7", "RS"};
    for (std::size_t i = 0; i < kTypes.size(); ++i)
      if (vehicle == kTypes[i]) return static_cast<int>(i) * 1000 + train;
    return -1;
  }
  return vehicle == "M" ? train : -1;
}

void write_shinkansen_times(Writer& w) {
  int const rows = std::clamp(w.src.station_count, 0, kMaxRows);
  w.control[6] = w.out.begin_block();
  for (int d = 1; d <= 2; ++d) {
    std::string const file = shinkansen_file_name(d);
    auto const& trains = w.src.trains[d];
    w.check_count(file, trains, kMaxTrains, source_text::kTrains);
    std::string codes;
    for (auto const& train : trains) {
      std::string const code = w.fixed(file, train.line, "code", train.code, kShinkansenCodeWidth);
      // A blank code ends the list of trains, and the exporter trims codes.
      if (train.code.empty() || train.code.front() == ' ' || train.code.back() == ' ')
        w.fail(file, train.line, fill(source_text::kShinkansenCodeBlank, {quote_text(train.code)}));
      if (codes.size() < kShinkansenCodeSlots * kShinkansenCodeWidth) codes += code;
    }
    codes.resize(kShinkansenCodeSlots * kShinkansenCodeWidth, ' ');  // blank = no more trains
    w.out.begin_block();
    w.out.put_bytes(codes);
  }
  for (int d = 1; d <= 2; ++d) {
    std::string const file = shinkansen_file_name(d);
    auto const& trains = w.src.trains[d];
    std::vector<std::int32_t> stops;
    std::string days;
    std::vector<int> vehicles;
    for (std::size_t i = 0; i < trains.size(); ++i) {
      auto const& train = trains[i];
      int const t = static_cast<int>(i) + 1;
      for (int r = 1; r <= rows; ++r) {
        int const time = train.time[r];
        if (time == 0) continue;
        if (!w.in_range(file, train.line, "r" + std::to_string(r), time, 1, kStopTimeModulus - 1))
          continue;
        stops.push_back(((t * 64) + r) * kStopTimeModulus + time);
      }
      w.in_range(file, train.line, "days", train.days, 0, 255);
      days.push_back(static_cast<char>(train.days & 0xFF));
      days.append(3, '\0');
      if (!train.vehicle.empty()) {
        int const h = vehicle_entry(w.src.edition, train.vehicle, t);
        if (h < 0)
          w.fail(file, train.line,
                 fill(source_text::kNotVehicle,
                      {quote_text(train.vehicle), std::to_string(w.src.edition),
                       w.src.edition == 1 ? "N, G, W, N5, F, N7, RS" : "M"}));
        else
          vehicles.push_back(h);
      }
    }
    // The operating-day block and the vehicle block exist even when empty.
    put_stream(w.out, stops);
    std::size_t const day_block = w.out.size();
    w.out.put_bytes(days);
    w.out.pad_to(day_block + kBlock);
    std::size_t const vehicle_block = w.out.size();
    for (auto const h : vehicles) w.out.put_long(h);
    w.out.pad_to(vehicle_block + kBlock);
  }
}

// ---- Control block -------------------------------------------------------------------

void write_control(Writer& w) {
  w.in_range(kEditionFile, w.src.edition_line, "edition", w.src.edition, 1, 3);
  w.control[23] = w.src.edition;
  int const highest = *std::max_element(w.control.begin(), w.control.end());
  if (highest > kMaxBlockNumber)
    w.fail(source_text::kAllFiles, 0,
           fill(source_text::kBlockBeyondControl, {std::to_string(highest)}));
  w.out.begin_block();
  for (int i = 1; i <= 24; ++i) w.out.put_long(w.control[i]);
  w.out.align();
}

}  // namespace

}  // namespace file_writer

Status write_data_file(const DataSource& source, std::string& bytes) {
  using namespace file_writer;

  Writer w{source, {}, {}, {}};
  write_regions(w);
  write_districts(w);
  write_keiyo_stations(w);
  write_keiyo_times(w);
  write_shinkansen_stations(w);
  write_shinkansen_times(w);
  write_fares(w);
  write_hotels(w);
  write_control(w);
  if (!w.errors.empty()) return w.errors.status();
  bytes = w.out.take();
  return Status::success();
}

}  // namespace vorlash