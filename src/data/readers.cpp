#include "data/readers.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "data/data_file_texts.h"
#include "data/fare_file_texts.h"
#include "data/fare_table.h"
#include "data/file_io.h"
#include "data/hotel_file.h"
#include "data/hotel_file_texts.h"
#include "text/fill.h"
#include "text/numeric.h"
#include "text/utf8.h"

namespace vorlash {

namespace {

using namespace data_text;

// The control values that give the first block of a section.
struct SectionStart {
  int control;
  Text section;
};
constexpr SectionStart kSectionStarts[] = {{2, kDistrictSection},
                                           {3, kKeiyoStationSection},
                                           {4, kKeiyoTimeSection},
                                           {5, kSinkansenStationSection},
                                           {6, kSinkansenTimeSection},
                                           {11, fare_texts::kKmSection},
                                           {12, fare_texts::kPairSection},
                                           {13, fare_texts::kGreenSection},
                                           {14, fare_texts::kTicketSection},
                                           {15, fare_texts::kNozomiSection},
                                           {9, hotel_text::kHotelSection}};

constexpr int kControlCount = 24;
constexpr std::size_t kLongsPerStreamBlock = 255;
constexpr std::size_t kKeiyoCodeWidth = 5;
constexpr std::size_t kSinkansenCodeWidth = 4;
constexpr int kKeiyoLongsPerTrain = 6;
constexpr int kKeiyoFieldBase = 8192;  // two 13-bit fields per long
constexpr int kStopTimeBase = 5678;    // time = v mod 5678
constexpr int kStopRowBase = 64;       // q = train * 64 + row

void run(const YieldFn& yield) {
  if (yield) yield();
}

std::string str(long long v) {
  return std::to_string(v);
}

// The byte offset of a section that starts at block b, after checking that
// the block lies inside the file.
Status section_start(const DataFile& file, std::string_view section, long b, std::size_t& offset) {
  std::string_view ignored;
  if (Status st = file.block(b, section, ignored); !st) return st;
  offset = static_cast<std::size_t>(b) * kBlockSize;
  return Status::success();
}

// A time stream: longs, 255 per block, ended by a long of value 0. Calls
// on_value(n, v, error) for the n-th non-zero long; it returns false, with
// the error filled, for a value it refuses. On return b is the block that
// holds the terminator.
template <typename OnValue>
Status read_stream(const DataFile& file, std::string_view section, const std::string& what, long& b,
                   const YieldFn& yield, OnValue&& on_value) {
  std::string_view block;
  auto const load = [&]() -> Status {
    if (file.block(b, section, block)) return Status::success();
    return file.fail(section, fill(kStreamPastEnd, {what, str(b)}));
  };
  if (Status st = load(); !st) return st;
  Status error;
  long n = 1;
  for (;;) {
    for (std::size_t j = 0; j < kLongsPerStreamBlock; ++j, ++n) {
      std::int32_t const v = block_long(block, 4 * j);
      if (v == 0) return Status::success();
      if (!on_value(n, v, error)) return error;
    }
    // A full block: the stream goes on in the next one.
    ++b;
    run(yield);
    if (Status st = load(); !st) return st;
  }
}

bool is_blank(std::string_view field) {
  return field.find_first_not_of(' ') == std::string_view::npos;
}

// The numeric value of a Keiyo train code without its last character
// ("1234A" -> 1234); a code without digits gives 0.
int keiyo_train_number(std::string_view code) {
  // The usual code, digits then one letter padded with blanks, is read
  // directly; anything else goes the general way below.
  std::size_t digits = 0;
  int number = 0;
  while (digits < code.size() && digits < 9 && code[digits] >= '0' && code[digits] <= '9')
    number = number * 10 + (code[digits++] - '0');
  if (digits > 0 && digits < code.size() &&
      code.find_first_not_of(' ', digits + 1) == std::string_view::npos &&
      static_cast<unsigned char>(code[digits]) < 0x80 && code[digits] != ' ' &&
      code[digits] != '.' && (code[digits] < '0' || code[digits] > '9'))
    return number;
  std::string const t = trim(code);
  std::string const head = left_chars(t, char_count(t) - 1);
  return static_cast<int>(round_half_even(leading_number(head)));
}

struct VehicleRange {
  int base;
  const char* code;
};

// Edition 1: h in (base, base + 1000] gives train h - base; above 6000 is "RS".
constexpr VehicleRange kEdition1Vehicles[] = {{0, "N"},    {1000, "G"},  {2000, "W"}, {3000, "N5"},
                                              {4000, "F"}, {5000, "N7"}, {6000, "RS"}};

}  // namespace

double cnv_data(std::int32_t c) {
  std::int64_t const v = c;
  if (v >= 0) {
    for (std::int64_t i = 0; i <= 23; ++i) {
      if (0x3F800000LL + i * 0x800000LL <= v && v < 0x40000000LL + i * 0x800000LL)
        return static_cast<double>(v - (i * 0x800000LL + 0x3F000000LL)) /
               static_cast<double>(1LL << (23 - i));
    }
    return 0;
  }
  constexpr std::int64_t kMinusOne = -1082130432LL;  // 0xBF800000, the bits of -1.0
  for (std::int64_t i = 0; i <= 23; ++i) {
    if (kMinusOne + i * 8388608LL <= v && v < kMinusOne + (i + 1) * 8388608LL)
      return -static_cast<double>((1LL << 30) + v + (1LL << 23) * (2 - i)) /
             static_cast<double>(1LL << (23 - i));
  }
  return 0;
}

Status float_count(const DataFile& file, std::string_view section, std::int32_t c, int limit,
                   int& count) {
  long long const n = round_half_even(cnv_data(c));
  if (n < 0 || n > limit) return file.fail(section, fill(kCountOutside, {str(n), str(limit)}));
  count = static_cast<int>(n);
  return Status::success();
}

Status get_control(const std::string& path, AppState& state) {
  DataFile file;
  if (Status st = DataFile::open(path, file); !st) return st;
  return get_control(file, state);
}

Status get_control(const DataFile& file, AppState& state) {
  // The control block is the last block, so a file cut short loses it
  // first: say so rather than read whatever the last bytes hold.
  auto const size = static_cast<long long>(file.size());
  auto const blocks = size / static_cast<long long>(kBlockSize);
  if (blocks == 0) return file.fail(kControlSection, fill(kShorterThanBlock, {str(size)}));
  if (size % static_cast<long long>(kBlockSize) != 0)
    return file.fail(kControlSection, fill(kCutInBlock, {str(size), str(blocks)}));
  std::size_t const start = file.size() - kBlockSize;
  std::array<int, kControlValues + 1> values{};
  for (int i = 1; i <= kControlCount; ++i) {
    std::int32_t v = 0;
    if (Status st = file.long_at(start + 4 * static_cast<std::size_t>(i - 1), kControlSection, v);
        !st)
      return st;
    if (!fits_int16(v))
      return file.fail(kControlSection,
                       fill(kNoControlBlock, {str(size), str(blocks), str(i), str(v)}));
    values[static_cast<std::size_t>(i)] = v;
  }
  for (auto const& [i, section] : kSectionStarts) {
    int const b = values[static_cast<std::size_t>(i)];
    // Blocks 0 and 1 hold the regions: no other section starts there.
    if (b < 2)
      return file.fail(kControlSection,
                       fill(kNoControlBlock, {str(size), str(blocks), str(i), str(b)}));
    if (b >= blocks - 1)
      return file.fail(kControlSection,
                       fill(kSectionPastEnd, {std::string(section), str(b), str(blocks)}));
  }
  state.control = values;
  return Status::success();
}

Status apply_edition(AppState& state) {
  struct Edition {
    Text const& title;
    int code;
    const char* settings;
  };
  static constexpr Edition kEditions[] = {
      {kEditionTitles[1], 5006, "vorlash2.ini"},
      {kEditionTitles[2], 5057, "vorlash3.ini"},
      {kEditionTitles[3], 5058, "vorlash4.ini"},
  };
  state.edition = state.control[23];
  state.edition_title.clear();
  state.edition_code = 0;
  state.settings_file_name.clear();
  if (state.edition < 1 || state.edition > 3)
    return Status::failure(state.data_file_name + ": " + std::string(kControlSection) + ": " +
                           fill(kUnknownEdition, {str(state.edition)}));
  Edition const& e = kEditions[state.edition - 1];
  state.edition_title = e.title;
  state.edition_code = e.code;
  state.settings_file_name = e.settings;
  return Status::success();
}

Status get_hatyaku(const DataFile& file, AppState& state, const YieldFn&) {
  auto table = new_table<RegionTable>();
  std::int32_t raw = 0;
  if (Status st = file.long_at(0, kRegionSection, raw); !st) return st;
  if (Status st = float_count(file, kRegionSection, raw, kMaxRegions, table->count); !st) return st;
  std::size_t pos = 4;
  if (Status st = file.value_records(pos, table->count, kRegionSection, table->name); !st)
    return st;
  // The area entries start at block 1 whatever the names' length.
  if (pos > kBlockSize)
    return file.fail(kRegionSection, fill(kRegionNamesTooLong, {str(static_cast<long long>(pos))}));
  std::size_t const entries = kBlockSize;
  std::size_t const needed = entries + 3 * static_cast<std::size_t>(table->count);
  if (file.size() < needed) return file.fail(kRegionSection, kAreaPastEnd);
  std::string_view const bytes = file.bytes();
  for (int i = 1; i <= table->count; ++i) {
    std::size_t const at = entries + 3 * static_cast<std::size_t>(i - 1);
    auto const idx = static_cast<std::size_t>(i);
    table->area[idx] = static_cast<int>(round_half_even(leading_number(bytes.substr(at, 2))));
    table->digit[idx] = static_cast<int>(round_half_even(leading_number(bytes.substr(at + 2, 1))));
  }
  state.regions = std::move(*table);
  return Status::success();
}

Status get_tiku(const DataFile& file, AppState& state, const YieldFn&) {
  auto table = new_table<DistrictTable>();
  std::size_t pos = 0;
  if (Status st = section_start(file, kDistrictSection, state.control[2], pos); !st) return st;
  std::int32_t raw = 0;
  if (Status st = file.long_at(pos, kDistrictSection, raw); !st) return st;
  if (Status st = float_count(file, kDistrictSection, raw, kMaxDistricts, table->count); !st)
    return st;
  pos += 4;
  if (Status st = file.value_records(pos, table->count, kDistrictSection, table->name); !st)
    return st;
  state.districts = std::move(*table);
  return Status::success();
}

Status get_keiyo_station(const DataFile& file, AppState& state, const YieldFn&) {
  // Only the station lists change: the times stay where they are.
  struct StationLists {
    std::array<int, kKeiyoTables + 1> station_count{};
    decltype(KeiyoTables::station) station;
  };
  auto table = new_table<StationLists>();
  std::size_t pos = 0;
  if (Status st = section_start(file, kKeiyoStationSection, state.control[3], pos); !st) return st;
  for (int k = 1; k <= kKeiyoTables; ++k) {
    std::int32_t v = 0;
    if (Status st = file.long_at(pos, kKeiyoStationSection, v); !st) return st;
    if (v < 0 || v > kMaxKeiyoPositions)
      return file.fail(kKeiyoStationSection,
                       fill(kKeiyoStationCount, {str(k), str(v), str(kMaxKeiyoPositions)}));
    table->station_count[static_cast<std::size_t>(k)] = v;
    pos += 4;
  }
  for (int k = 1; k <= kKeiyoTables; ++k) {
    if (Status st = file.value_records(pos, kMaxKeiyoPositions, kKeiyoStationSection,
                                       table->station[static_cast<std::size_t>(k)]);
        !st)
      return st;
  }
  state.keiyo.station_count = table->station_count;
  state.keiyo.station = std::move(table->station);
  return Status::success();
}

Status get_keiyo_time(const DataFile& file, AppState& state, const YieldFn& yield) {
  auto table = std::make_unique<KeiyoTables>(state.keiyo);
  table->train_count = {};
  table->code = {};
  table->time = {};
  long b = state.control[4] - 1;
  for (int k = 1; k <= kKeiyoTables; ++k) {
    auto const kk = static_cast<std::size_t>(k);
    ++b;
    std::string_view block;
    if (Status st = file.block(b, kKeiyoTimeSection, block); !st) return st;
    auto const count = static_cast<std::uint32_t>(block_long(block, 1020));
    if (count > static_cast<std::uint32_t>(kMaxKeiyoTrains))
      return file.fail(kKeiyoTimeSection,
                       fill(kKeiyoTrainCount, {str(k), str(count), str(kMaxKeiyoTrains)}));
    table->train_count[kk] = static_cast<int>(count);
    for (std::size_t t = 1; t <= count; ++t) {
      std::string_view const field = block.substr(kKeiyoCodeWidth * (t - 1), kKeiyoCodeWidth);
      auto const what = [&] {
        return fill(kKeiyoTrainCode, {str(k), str(static_cast<long long>(t))});
      };
      if (Status st = fixed_text(file, kKeiyoTimeSection, field, what, table->code[kk][t]); !st)
        return st;
    }
    run(yield);
  }
  for (int k = 1; k <= kKeiyoTables; ++k) {
    auto const kk = static_cast<std::size_t>(k);
    ++b;
    // The train numbers, decoded once per table.
    std::array<int, kMaxKeiyoTrains + 1> number{};
    for (int t = 1; t <= table->train_count[kk]; ++t)
      number[static_cast<std::size_t>(t)] =
          keiyo_train_number(table->code[kk][static_cast<std::size_t>(t)]);
    std::string const what = fill(kKeiyoStream, {str(k)});
    auto& times = table->time[kk];
    int const train_count = table->train_count[kk];
    Status st = read_stream(
        file, kKeiyoTimeSection, what, b, yield, [&](long n, std::int32_t v, Status& error) {
          long const t = (n - 1) / kKeiyoLongsPerTrain + 1;
          long const p = (n - 1) % kKeiyoLongsPerTrain + 1;
          if (t > train_count) {
            error = file.fail(kKeiyoTimeSection,
                              fill(kStreamTrainBeyond, {what, str(t), str(train_count)}));
            return false;
          }
          if (v < 0) {
            error = file.fail(kKeiyoTimeSection, fill(kStreamNegative, {what, str(v)}));
            return false;
          }
          auto const tt = static_cast<std::size_t>(t);
          int const first = v / kKeiyoFieldBase - number[tt];
          int const second = v % kKeiyoFieldBase - number[tt];
          if (first < 0 || second < 0) {
            error = file.fail(kKeiyoTimeSection, fill(kKeiyoTimeBelowNumber, {what, str(t)}));
            return false;
          }
          times[static_cast<std::size_t>(2 * p - 1)][tt] = first;
          times[static_cast<std::size_t>(2 * p)][tt] = second;
          return true;
        });
    if (!st) return st;
    run(yield);
  }
  state.keiyo = std::move(*table);
  return Status::success();
}

Status get_sinkansen_station(const DataFile& file, AppState& state, const YieldFn&) {
  // Only the station lists change: the times stay where they are.
  struct StationLists {
    std::array<int, 3> station_count{};
    std::array<std::array<std::string, kMaxRows + 1>, 3> station{};
    std::array<std::array<int, kMaxRows + 1>, 3> row_kind{};
  };
  auto table = new_table<StationLists>();
  std::size_t pos = 0;
  if (Status st = section_start(file, kSinkansenStationSection, state.control[5], pos); !st)
    return st;
  for (std::size_t d = 1; d <= 2; ++d) {
    if (Status st = file.value_records(pos, kMaxRows, kSinkansenStationSection, table->station[d]);
        !st)
      return st;
    for (std::size_t r = 1; r <= kMaxRows; ++r) {
      std::int32_t kind = 0;
      if (Status st = file.long_at(pos, kSinkansenStationSection, kind); !st) return st;
      if (kind < 0 || kind > 2)
        return file.fail(kSinkansenStationSection,
                         fill(kRowKind, {str(static_cast<long long>(d)),
                                         str(static_cast<long long>(r)), str(kind)}));
      table->row_kind[d][r] = kind;
      pos += 4;
    }
  }
  std::int32_t rows = 0;
  if (Status st = file.long_at(pos, kSinkansenStationSection, rows); !st) return st;
  if (rows < 0 || rows > kMaxRows)
    return file.fail(kSinkansenStationSection, fill(kStationCount, {str(rows), str(kMaxRows)}));
  table->station_count[1] = rows;
  table->station_count[2] = rows;
  state.sinkansen.station_count = table->station_count;
  state.sinkansen.station = std::move(table->station);
  state.sinkansen.row_kind = table->row_kind;
  return Status::success();
}

namespace {

// The Shinkansen tables that the time section fills, read on the side so
// that a broken section leaves the former tables whole.
struct SinkansenTimes {
  std::array<int, 3> train_count{};
  decltype(ShinkansenTables::code) code{};
  decltype(ShinkansenTables::time) time;
  decltype(ShinkansenTables::operating_day) operating_day{};
  decltype(ShinkansenTables::vehicle) vehicle{};
};

// Reads the Shinkansen time section starting at block b into out.
Status read_sinkansen_time(const DataFile& file, long b, int edition, const YieldFn& yield,
                           SinkansenTimes& out) {
  std::array<int, 3>& train_count = out.train_count;
  --b;
  for (std::size_t d = 1; d <= 2; ++d) {
    ++b;
    std::string_view block;
    if (Status st = file.block(b, kSinkansenTimeSection, block); !st) return st;
    int count = 0;
    for (std::size_t c = 1; c <= kMaxTrains; ++c) {
      std::string_view const field =
          block.substr(kSinkansenCodeWidth * (c - 1), kSinkansenCodeWidth);
      if (is_blank(field)) break;
      auto const what = [&] {
        return fill(kSinkansenTrainCode,
                    {str(static_cast<long long>(d)), str(static_cast<long long>(c))});
      };
      if (Status st = fixed_text(file, kSinkansenTimeSection, field, what, out.code[d][c]); !st)
        return st;
      ++count;
    }
    train_count[d] = count;
    run(yield);
  }
  for (std::size_t d = 1; d <= 2; ++d) {
    ++b;
    std::string const what = fill(kSinkansenStream, {str(static_cast<long long>(d))});
    auto& times = out.time[d];
    Status st = read_stream(
        file, kSinkansenTimeSection, what, b, yield, [&](long, std::int32_t v, Status& error) {
          if (v < 0) {
            error = file.fail(kSinkansenTimeSection, fill(kStreamNegative, {what, str(v)}));
            return false;
          }
          int const time = v % kStopTimeBase;
          int const q = v / kStopTimeBase;
          int const t = q / kStopRowBase;
          int const r = q % kStopRowBase;
          if (t < 1 || t > kMaxTrains) {
            error = file.fail(kSinkansenTimeSection,
                              fill(kStreamTrainOutside, {what, str(t), str(kMaxTrains)}));
            return false;
          }
          if (r < 1 || r > kMaxRows) {
            error = file.fail(kSinkansenTimeSection,
                              fill(kStreamRowOutside, {what, str(r), str(kMaxRows)}));
            return false;
          }
          times[static_cast<std::size_t>(r)][static_cast<std::size_t>(t)] =
              static_cast<ShinkansenTime>(time);
          return true;
        });
    if (!st) return st;
    run(yield);

    std::string_view block;
    ++b;
    if (Status st2 = file.block(b, kSinkansenTimeSection, block); !st2) return st2;
    int const count = train_count[d];
    for (std::size_t i = 1; i <= static_cast<std::size_t>(count); ++i)
      out.operating_day[d][i] = static_cast<unsigned char>(block[4 * (i - 1)]);
    run(yield);

    ++b;
    if (Status st2 = file.block(b, kSinkansenTimeSection, block); !st2) return st2;
    for (std::size_t i = 1; i <= static_cast<std::size_t>(count); ++i) {
      int const h = block_u16(block, 4 * (i - 1));
      if (h == 0) break;
      int train = 0;
      const char* code = nullptr;
      if (edition == 1) {
        for (auto const& range : kEdition1Vehicles) {
          if (h > range.base) {
            train = h - range.base;
            code = range.code;
          }
        }
      } else if (edition == 2 || edition == 3) {
        train = h & 0xFF;
        code = "M";
      } else {
        continue;
      }
      if (train < 1 || train > kMaxTrains)
        return file.fail(kSinkansenTimeSection,
                         fill(kVehicleTrainOutside,
                              {str(static_cast<long long>(d)), str(static_cast<long long>(i)),
                               str(train), str(kMaxTrains)}));
      out.vehicle[d][static_cast<std::size_t>(train)] = code;
    }
    run(yield);
  }
  return Status::success();
}

}  // namespace

Status get_sinkansen_time(const DataFile& file, AppState& state, const YieldFn& yield) {
  // One reading on the side, moved in whole: events may run between its
  // blocks without seeing the tables half written.
  auto times = new_table<SinkansenTimes>();
  if (Status st = read_sinkansen_time(file, state.control[6], state.edition, yield, *times); !st)
    return st;
  auto& sk = state.sinkansen;
  sk.train_count = times->train_count;
  sk.code = std::move(times->code);
  sk.time = std::move(times->time);
  sk.operating_day = times->operating_day;
  sk.vehicle = std::move(times->vehicle);
  return Status::success();
}

Status read_whole_data_file(const std::string& path, AppState& state) {
  DataFile file;
  if (Status st = DataFile::open(path, file); !st) return st;
  return read_whole_data_file(file, state, YieldFn{});
}

Status read_whole_data_file(const DataFile& file, AppState& state, const YieldFn& yield) {
  Status st = get_control(file, state);
  if (st) st = apply_edition(state);
  if (st) st = get_hatyaku(file, state, yield);
  if (st) st = get_tiku(file, state, yield);
  if (st) st = get_keiyo_station(file, state, yield);
  if (st) st = get_keiyo_time(file, state, yield);
  if (st) st = get_sinkansen_station(file, state, yield);
  if (st) st = get_sinkansen_time(file, state, yield);
  if (st) st = get_paytable(file, state, yield);
  if (st) {
    state.user_hotel_count = 0;
    st = get_hotel(file, state, yield, false);
  }
  return st;
}

}  // namespace vorlash
