// The pieces shared by the DataFile writer's sections: a growing buffer of
// 1024-byte blocks and the writing context that collects errors with the
// source file and line. Internal to the compiler.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/data_compiler.h"
#include "data/data_source_errors.h"
#include "data/data_source_texts.h"
#include "text/fill.h"
#include "text/sjis.h"

namespace vorlash::file_writer {

inline constexpr std::size_t kBlock = 1024;
inline constexpr std::size_t kBlockPayload = 1020;  // bytes before a block's trailer
inline constexpr int kMaxBlockNumber = 32767;       // control values are 16-bit
inline constexpr int kFullBlockTrailer = 999;
inline constexpr int kKeiyoCodeWidth = 5;
inline constexpr int kKeiyoCodeSlots = 204;
inline constexpr int kShinkansenCodeWidth = 4;
inline constexpr int kShinkansenCodeSlots = 255;
inline constexpr int kStreamLongsPerBlock = 255;
inline constexpr int kKeiyoFieldLimit = 8191;  // 13 bits
inline constexpr int kStopTimeModulus = 5678;  // v = (train * 64 + row) * 5678 + time
inline constexpr int kHotelIndexPerBlock = 250;
inline constexpr int kTelWidth = 12;
inline constexpr int kTelsPerBlock = 85;
inline constexpr int kChargeWidth = 8;
inline constexpr int kChargesPerBlock = 128;
inline constexpr int kRemarksChars = 8;
inline constexpr int kMaxRooms = 4095;
inline constexpr int kMaxRecordLength = 65535;
inline constexpr int kMax16 = 32767;
inline constexpr int kMax32 = INT32_MAX;

class BlockWriter {
 public:
  std::size_t size() const { return bytes_.size(); }
  int block() const { return static_cast<int>(bytes_.size() / kBlock); }
  // Pads with zeros to the next block boundary (nothing when already there).
  void align() { pad_to((bytes_.size() + kBlock - 1) / kBlock * kBlock); }
  int begin_block() {
    align();
    return block();
  }
  void pad_to(std::size_t size) {
    if (bytes_.size() < size) bytes_.resize(size, '\0');
  }
  void put_long(std::int32_t value) {
    auto const u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
  }
  void put_u16(std::uint16_t value) {
    bytes_.push_back(static_cast<char>(value & 0xFF));
    bytes_.push_back(static_cast<char>(value >> 8));
  }
  void put_bytes(std::string_view bytes) { bytes_.append(bytes); }
  // A value record of type 8 (text).
  void put_record(std::string_view sjis) {
    put_u16(8);
    put_u16(static_cast<std::uint16_t>(sjis.size()));
    put_bytes(sjis);
  }
  std::string take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

inline std::int32_t float_coded(int count) {
  return std::bit_cast<std::int32_t>(static_cast<float>(count));
}

// A byte that is a whole character of code page 932: printable ASCII or
// half-width kana.
inline bool single_byte_char(unsigned char c) {
  return (c >= 0x20 && c <= 0x7E) || (c >= 0xA1 && c <= 0xDF);
}

struct Writer {
  const DataSource& src;
  BlockWriter out;
  SourceErrors errors;
  std::array<int, 25> control{};

  void fail(std::string_view file, int line, std::string_view message) {
    errors.add(file, line, message);
  }

  std::string sjis(std::string_view file, int line, std::string_view what,
                   const std::string& text) {
    std::string bytes;
    if (Status const st = utf8_to_sjis(text, bytes); !st) {
      fail(file, line, std::string(what) + " " + quote_text(text) + ": " + st.error);
      return {};
    }
    return bytes;
  }

  void record(std::string_view file, int line, std::string_view what, const std::string& text) {
    std::string const bytes = sjis(file, line, what, text);
    if (bytes.size() > static_cast<std::size_t>(kMaxRecordLength))
      fail(file, line,
           fill(source_text::kRecordTooLong, {std::string(what), std::to_string(bytes.size())}));
    out.put_record(bytes);
  }

  // A fixed-width field: single-byte characters only, padded with blanks.
  std::string fixed(std::string_view file, int line, std::string_view what, const std::string& text,
                    int width) {
    std::string bytes = sjis(file, line, what, text);
    if (!std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return single_byte_char(static_cast<unsigned char>(c)); })) {
      fail(file, line, fill(source_text::kNotSingleByte, {std::string(what), quote_text(text)}));
    } else if (bytes.size() > static_cast<std::size_t>(width)) {
      fail(file, line,
           fill(source_text::kLongerThan,
                {std::string(what), quote_text(text), std::to_string(width)}));
    }
    bytes.resize(width, ' ');
    return bytes;
  }

  // value within lo..hi, else an error naming the field.
  bool in_range(std::string_view file, int line, std::string_view what, long long value,
                long long lo, long long hi) {
    if (value >= lo && value <= hi) return true;
    fail(file, line,
         fill(source_text::kOutOfRange,
              {std::string(what), std::to_string(value), std::to_string(lo), std::to_string(hi)}));
    return false;
  }

  // A table holds at most `limit` entries; what: a noun of source_text.
  template <typename Entry>
  void check_count(std::string_view file, const std::vector<Entry>& entries, std::size_t limit,
                   std::string_view what) {
    if (entries.size() > limit)
      fail(file, entries[limit].line,
           fill(source_text::kTooMany,
                {std::string(what), std::to_string(limit), std::to_string(limit + 1)}));
  }

  // The first row of station list 1 with this name, or 0 (an error).
  int station_row(std::string_view file, int line, std::string_view what, const std::string& name) {
    if (!name.empty()) {
      for (int r = 1; r <= kMaxRows; ++r)
        if (src.stations[1][r].name == name) return r;
    }
    fail(file, line,
         fill(source_text::kNotStation,
              {std::string(what), quote_text(name), kShinkansenStationsFile}));
    return 0;
  }
};

void write_fares(Writer& w);
void write_hotels(Writer& w);

}  // namespace vorlash::file_writer
