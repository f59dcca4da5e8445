#include <cstring>
#include <stdexcept>
#include <vector>

#include "data/test_data_file.h"
#include "text/sjis.h"
#include "text/utf8.h"

namespace vorlash::testing {

namespace {

// A fixed-width code or text in Shift-JIS; one that Shift-JIS cannot hold
// stays empty, so that the field keeps its blanks.
std::string sjis_or_empty(const std::string& utf8) {
  std::string sjis;
  if (!utf8_to_sjis(utf8, sjis)) sjis.clear();
  return sjis;
}

constexpr std::size_t kBlock = 1024;

std::size_t at(long block, std::size_t offset = 0) {
  return static_cast<std::size_t>(block) * kBlock + offset;
}

long next_block(std::size_t pos) {
  return static_cast<long>((pos + kBlock - 1) / kBlock);
}

int keiyo_number(std::string_view code) {
  std::string const t = trim(code);
  return t.size() > 1 ? std::atoi(t.substr(0, t.size() - 1).c_str()) : 0;
}

int row_of(const AppState& s, const std::string& name) {
  for (int r = 1; r <= kMaxRows; ++r)
    if (s.sinkansen.station[1][static_cast<std::size_t>(r)] == name) return r;
  throw std::runtime_error("no station row named " + name);
}

template <typename Table>
int slot_of(const Table& names, int count, const std::string& name) {
  for (int i = 1; i <= count; ++i)
    if (names[static_cast<std::size_t>(i)] == name) return i;
  return 0;
}

// Packs longs 255 per block from block b on, then the terminator; returns the
// block holding the terminator.
long put_stream(BlockWriter& w, long b, const std::vector<std::int32_t>& values) {
  std::size_t j = 0;
  for (std::int32_t v : values) {
    if (j == 255) {
      ++b;
      j = 0;
    }
    if (b >= w.blocks()) w.add_blocks();
    w.put_long(at(b, 4 * j++), v);
  }
  if (j == 255) {
    ++b;
    j = 0;
  }
  if (b >= w.blocks()) w.add_blocks();
  w.put_long(at(b, 4 * j), 0);
  return b;
}

// Fare section: records of `size` bytes, `full` per block with trailer 999;
// the last block's trailer is the number of records it holds.
template <typename Put>
long put_fare_section(BlockWriter& w, int count, std::size_t size, int full, Put put) {
  long const first = w.add_blocks();
  long b = first;
  int in_block = 0;
  for (int i = 1; i <= count; ++i) {
    if (in_block == full) {
      w.put_long(at(b, 1020), 999);
      b = w.add_blocks();
      in_block = 0;
    }
    put(at(b, size * static_cast<std::size_t>(in_block)), i);
    ++in_block;
  }
  if (in_block == full) {
    w.put_long(at(b, 1020), 999);
    b = w.add_blocks();
    in_block = 0;
  }
  w.put_long(at(b, 1020), in_block);
  return first;
}

}  // namespace

std::int32_t float_bits(float value) {
  std::int32_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

void BlockWriter::reach(std::size_t end) {
  while (bytes.size() < end) add_blocks();
}

long BlockWriter::add_blocks(long n) {
  long const first = blocks();
  bytes.append(static_cast<std::size_t>(n) * kBlock, '\0');
  return first;
}

void BlockWriter::put_long(std::size_t pos, std::int32_t value) {
  reach(pos + 4);
  auto const u = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i)
    bytes[pos + static_cast<std::size_t>(i)] = static_cast<char>(u >> (8 * i));
}

void BlockWriter::put_u16(std::size_t pos, int value) {
  reach(pos + 2);
  bytes[pos] = static_cast<char>(value & 0xFF);
  bytes[pos + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void BlockWriter::put_bytes(std::size_t pos, std::string_view raw) {
  reach(pos + raw.size());
  bytes.replace(pos, raw.size(), raw);
}

std::size_t BlockWriter::put_record(std::size_t pos, std::string_view utf8) {
  std::string sjis;
  if (!utf8_to_sjis(utf8, sjis)) throw std::runtime_error("not Shift-JIS: " + std::string(utf8));
  put_u16(pos, 8);
  put_u16(pos + 2, static_cast<int>(sjis.size()));
  put_bytes(pos + 4, sjis);
  return pos + 4 + sjis.size();
}

void BlockWriter::put_control(const std::array<int, kControlValues + 1>& control) {
  long const b = add_blocks();
  for (std::size_t i = 1; i <= 24; ++i) put_long(at(b, 4 * (i - 1)), control[i]);
}

std::string encode_data_file(const AppState& s, Layout* layout_out) {
  BlockWriter w;
  Layout l;
  std::array<int, kControlValues + 1> control{};
  control[23] = s.edition;

  // Regions: count and names in block 0, area entries in block 1.
  w.add_blocks(2);
  w.put_long(0, float_bits(static_cast<float>(s.regions.count)));
  std::size_t pos = 4;
  for (int i = 1; i <= s.regions.count; ++i) {
    auto const idx = static_cast<std::size_t>(i);
    pos = w.put_record(pos, s.regions.name[idx]);
    char entry[16];
    std::snprintf(entry, sizeof entry, "%02d%d", s.regions.area[idx] % 100,
                  s.regions.digit[idx] % 10);
    w.put_bytes(kBlock + 3 * (idx - 1), std::string_view(entry, 3));
  }

  l.district = w.add_blocks();
  w.put_long(at(l.district), float_bits(static_cast<float>(s.districts.count)));
  pos = at(l.district, 4);
  for (int i = 1; i <= s.districts.count; ++i)
    pos = w.put_record(pos, s.districts.name[static_cast<std::size_t>(i)]);

  l.keiyo_station = next_block(pos);
  for (std::size_t k = 1; k <= 4; ++k)
    w.put_long(at(l.keiyo_station, 4 * (k - 1)), s.keiyo.station_count[k]);
  pos = at(l.keiyo_station, 16);
  for (std::size_t k = 1; k <= 4; ++k)
    for (std::size_t p = 1; p <= 15; ++p) pos = w.put_record(pos, s.keiyo.station[k][p]);

  l.keiyo_time = next_block(pos);
  w.reach(at(l.keiyo_time));
  for (std::size_t k = 1; k <= 4; ++k) {
    long const b = w.add_blocks();
    for (std::size_t t = 1; t <= static_cast<std::size_t>(s.keiyo.train_count[k]); ++t) {
      std::string const sjis = sjis_or_empty(fit_chars(s.keiyo.code[k][t], 5));
      w.put_bytes(at(b, 5 * (t - 1)), sjis);
    }
    w.put_long(at(b, 1020), s.keiyo.train_count[k]);
  }
  for (std::size_t k = 1; k <= 4; ++k) {
    std::vector<std::int32_t> values;
    for (std::size_t t = 1; t <= static_cast<std::size_t>(s.keiyo.train_count[k]); ++t) {
      int const n = keiyo_number(s.keiyo.code[k][t]);
      for (std::size_t p = 1; p <= 6; ++p)
        values.push_back((s.keiyo.time[k][2 * p - 1][t] + n) * 8192 + s.keiyo.time[k][2 * p][t] +
                         n);
    }
    l.keiyo_stream[k] = w.add_blocks();
    put_stream(w, l.keiyo_stream[k], values);
  }

  l.sinkansen_station = w.add_blocks();
  pos = at(l.sinkansen_station);
  for (std::size_t d = 1; d <= 2; ++d) {
    for (std::size_t r = 1; r <= 50; ++r) pos = w.put_record(pos, s.sinkansen.station[d][r]);
    for (std::size_t r = 1; r <= 50; ++r, pos += 4) w.put_long(pos, s.sinkansen.row_kind[d][r]);
  }
  w.put_long(pos, s.sinkansen.station_count[1]);
  pos += 4;

  l.sinkansen_time = next_block(pos);
  w.reach(at(l.sinkansen_time));
  for (std::size_t d = 1; d <= 2; ++d) {
    long const b = w.add_blocks();
    w.put_bytes(at(b), std::string(1020, ' '));
    for (std::size_t t = 1; t <= static_cast<std::size_t>(s.sinkansen.train_count[d]); ++t) {
      std::string const sjis = sjis_or_empty(fit_chars(s.sinkansen.code[d][t], 4));
      w.put_bytes(at(b, 4 * (t - 1)), sjis);
    }
  }
  for (std::size_t d = 1; d <= 2; ++d) {
    auto const count = static_cast<std::size_t>(s.sinkansen.train_count[d]);
    std::vector<std::int32_t> values;
    for (std::size_t t = 1; t <= count; ++t)
      for (std::size_t r = 1; r <= 50; ++r)
        if (int const time = s.sinkansen.time[d][r][t]; time != 0)
          values.push_back(
              static_cast<std::int32_t>((t * 64 + r) * 5678 + static_cast<std::size_t>(time)));
    l.sinkansen_stream[d] = w.add_blocks();
    long const end = put_stream(w, l.sinkansen_stream[d], values);
    long const days = end + 1;
    long const vehicles = end + 2;
    w.reach(at(vehicles + 1));
    for (std::size_t t = 1; t <= count; ++t)
      w.put_bytes(at(days, 4 * (t - 1)),
                  std::string(1, static_cast<char>(s.sinkansen.operating_day[d][t])));
    std::size_t e = 0;
    static const char* const kCodes[] = {"N", "G", "W", "N5", "F", "N7", "RS"};
    for (std::size_t t = 1; t <= count; ++t) {
      auto const& v = s.sinkansen.vehicle[d][t];
      if (v.empty()) continue;
      int h = static_cast<int>(t);
      if (s.edition == 1)
        for (int i = 0; i < 7; ++i)
          if (v == kCodes[i]) h += 1000 * i;
      w.put_u16(at(vehicles, 4 * e++), h);
    }
  }

  FareTables const& f = s.fares;
  l.km = put_fare_section(w, f.km_count, 4, 255, [&](std::size_t p, int i) {
    auto const& e = f.km[static_cast<std::size_t>(i)];
    w.put_long(p, e.tenths * 64 + row_of(s, e.station));
  });
  l.pair = put_fare_section(w, f.pair_count, 16, 63, [&](std::size_t p, int i) {
    auto const& e = f.pair[static_cast<std::size_t>(i)];
    w.put_long(p,
               row_of(s, e.station_a) + 64 * row_of(s, e.station_b) + 4096 * e.free_seat_express);
    w.put_long(p + 4, e.fare);
    w.put_long(p + 8, e.express);
    w.put_long(p + 12, e.coupon);
  });
  l.green = put_fare_section(w, f.green_count, 16, 63, [&](std::size_t p, int i) {
    auto const& e = f.green[static_cast<std::size_t>(i)];
    w.put_long(p, e.upper_km);
    w.put_long(p + 4, e.green);
    w.put_long(p + 8, e.room_1_2);
    w.put_long(p + 12, e.room_3_4);
  });
  l.ticket = put_fare_section(w, f.ticket_count, 12, 85, [&](std::size_t p, int i) {
    auto const& e = f.ticket[static_cast<std::size_t>(i)];
    w.put_long(p, row_of(s, e.station_a) * 4096 + row_of(s, e.station_b) * 64 + e.sheets);
    w.put_long(p + 4, e.validity * 64 + e.kind);
    w.put_long(p + 8, e.price);
  });
  l.nozomi = put_fare_section(w, f.nozomi_count, 16, 63, [&](std::size_t p, int i) {
    auto const& e = f.nozomi[static_cast<std::size_t>(i)];
    w.put_long(p, row_of(s, e.station_a) * 64 + row_of(s, e.station_b));
    w.put_long(p + 4, e.spare);
    w.put_long(p + 8, e.nozomi_express);
    w.put_long(p + 12, e.supplement);
  });

  // Hotels: index blocks, names, telephones, access, charges, remarks.
  auto const n = static_cast<std::size_t>(s.data_hotel_count);
  l.hotel = w.add_blocks();
  long b = l.hotel;
  std::size_t done = 0;
  for (;;) {
    if (b >= w.blocks()) w.add_blocks();
    std::size_t const in_block = std::min<std::size_t>(250, n - done);
    for (std::size_t j = 0; j < in_block; ++j, ++done) {
      HotelRecord const& h = s.hotel[done + 1];
      int const region = slot_of(s.regions.name, s.regions.count, h.region);
      int const district = slot_of(s.districts.name, s.districts.count, h.district);
      w.put_long(at(b, 4 * j), region * 1048576 + district * 4096 + h.rooms);
    }
    bool const more = done < n;
    w.put_long(at(b, 1020), float_bits(more ? 999.0f : static_cast<float>(in_block)));
    if (!more) break;
    ++b;
  }
  l.hotel_names = b + 1;
  pos = at(l.hotel_names);
  w.reach(pos);
  for (std::size_t i = 1; i <= n; ++i) pos = w.put_record(pos, s.hotel[i].name);
  l.hotel_tels = next_block(pos);
  long const tel_blocks = static_cast<long>((n + 84) / 85);
  w.reach(at(l.hotel_tels + tel_blocks));
  for (long tb = 0; tb < tel_blocks; ++tb)
    w.put_bytes(at(l.hotel_tels + tb), std::string(1020, ' '));
  for (std::size_t i = 1; i <= n; ++i) {
    std::string const sjis = sjis_or_empty(fit_chars(s.hotel[i].tel, 12));
    w.put_bytes(at(l.hotel_tels) + ((i - 1) / 85) * kBlock + 12 * ((i - 1) % 85), sjis);
  }
  l.hotel_access = l.hotel_tels + tel_blocks;
  pos = at(l.hotel_access);
  for (std::size_t i = 1; i <= n; ++i) pos = w.put_record(pos, s.hotel[i].access);
  l.hotel_charges = next_block(pos);
  long const charge_blocks = static_cast<long>((n + 127) / 128);
  w.reach(at(l.hotel_charges + charge_blocks));
  for (std::size_t i = 1; i <= n; ++i) {
    std::string const sjis = sjis_or_empty(fit_chars(s.hotel[i].charge, 8));
    w.put_bytes(at(l.hotel_charges) + 8 * (i - 1), sjis);
  }
  l.hotel_remarks = l.hotel_charges + charge_blocks;
  pos = at(l.hotel_remarks);
  for (std::size_t i = 1; i <= n; ++i) pos = w.put_record(pos, s.hotel[i].remarks);
  w.reach(at(next_block(pos)));

  control[2] = static_cast<int>(l.district);
  control[3] = static_cast<int>(l.keiyo_station);
  control[4] = static_cast<int>(l.keiyo_time);
  control[5] = static_cast<int>(l.sinkansen_station);
  control[6] = static_cast<int>(l.sinkansen_time);
  control[9] = static_cast<int>(l.hotel);
  control[11] = static_cast<int>(l.km);
  control[12] = static_cast<int>(l.pair);
  control[13] = static_cast<int>(l.green);
  control[14] = static_cast<int>(l.ticket);
  control[15] = static_cast<int>(l.nozomi);
  l.control = w.blocks();
  w.put_control(control);
  if (layout_out) *layout_out = l;
  return w.bytes;
}

std::unique_ptr<AppState> sample_tables() {
  auto s = std::make_unique<AppState>();
  s->edition = 1;
  s->regions.count = 3;
  s->regions.name[1] = "東京／羽田";
  s->regions.area[1] = 3;
  s->regions.digit[1] = 1;
  s->regions.name[2] = "大阪／伊丹";
  s->regions.area[2] = 5;
  s->regions.digit[2] = 2;
  s->regions.name[3] = "新東京";
  s->regions.area[3] = 3;
  s->districts.count = 2;
  s->districts.name[1] = "京橋";
  s->districts.name[2] = "梅田";

  KeiyoTables& k = s->keiyo;
  for (std::size_t t = 1; t <= 4; ++t) {
    k.station_count[t] = 3;
    k.station[t][1] = t % 2 ? "東京" : "蘇我";
    k.station[t][2] = "新木場";
    k.station[t][3] = t % 2 ? "蘇我" : "東京";
    k.train_count[t] = 2;
    k.code[t][1] = "1001A";
    k.code[t][2] = "1003 ";
    k.time[t][1][1] = 600;
    k.time[t][2][1] = 615;
    k.time[t][3][1] = 640;
    k.time[t][1][2] = 2330;
    k.time[t][3][2] = 2359;  // no stop at position 2
  }

  ShinkansenTables& sk = s->sinkansen;
  sk.station_count = {0, 4, 4};
  const char* const down[] = {"東京", "名古屋", "名古屋", "新大阪"};
  const int kinds[] = {0, 1, 2, 0};
  for (std::size_t r = 1; r <= 4; ++r) {
    sk.station[1][r] = down[r - 1];
    sk.row_kind[1][r] = kinds[r - 1];
    sk.station[2][r] = down[4 - r];
    sk.row_kind[2][r] = kinds[4 - r];
  }
  for (std::size_t d = 1; d <= 2; ++d) {
    sk.train_count[d] = 2;
    sk.code[d][1] = "H1  ";
    sk.code[d][2] = "K3  ";
    sk.time[d][1][1] = 600;
    sk.time[d][2][1] = 742;
    sk.time[d][3][1] = 744;
    sk.time[d][4][1] = 836;
    sk.time[d][1][2] = 2210;
    sk.time[d][4][2] = 10;
    sk.operating_day[d][2] = 3;
    sk.vehicle[d][1] = "N";
    sk.vehicle[d][2] = "RS";
  }

  FareTables& f = s->fares;
  f.km_count = 2;
  f.km[1] = {"東京", 0};
  f.km[2] = {"新大阪", 5526};
  f.pair_count = 1;
  f.pair[1] = {"東京", "新大阪", 0, 8510, 5540, 0};
  f.green_count = 2;
  f.green[1] = {100, 1260, 0, 0};
  f.green[2] = {400, 4000, 5000, 10000};
  f.ticket_count = 1;
  f.ticket[1] = {"新大阪", "東京", 6, 3, 5, 81000};
  f.nozomi_count = 1;
  f.nozomi[1] = {"東京", "新大阪", 7, 6900, 1360};

  s->data_hotel_count = 2;
  s->hotel[1] = {"東京／羽田", "京橋",           "ホテルＡ", "03-1234-5678",
                 120,          "京橋駅徒歩５分", "\\9,800",  "○       "};
  s->hotel[2] = {"大阪／伊丹", "梅田",     "ホテルＢ", "06-9876-5432", 0,
                 "梅田駅前",   "\\12,000", "        "};
  return s;
}

std::string cut_at_block(const std::string& file, long from_block) {
  std::string out = file.substr(0, at(from_block));
  out += file.substr(file.size() - kBlock);
  return out;
}

}  // namespace vorlash::testing
