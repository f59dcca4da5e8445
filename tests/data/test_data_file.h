// Test support: writes small DataFiles byte by byte from the tables of an
// AppState, in the block layout the readers expect, and reports where each
// section landed so that tests can damage one section at a time.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "data/app_state.h"

namespace vorlash::testing {

std::int32_t float_bits(float value);

// Little blocks of 1024 bytes, zero-filled, growing on demand.
class BlockWriter {
 public:
  std::string bytes;

  long blocks() const { return static_cast<long>(bytes.size() / 1024); }
  // Appends n zero blocks and returns the number of the first.
  long add_blocks(long n = 1);
  void put_long(std::size_t pos, std::int32_t value);
  void put_u16(std::size_t pos, int value);
  void put_bytes(std::size_t pos, std::string_view raw);
  // A text value record (UTF-8 converted to Shift-JIS); returns the position
  // after it.
  std::size_t put_record(std::size_t pos, std::string_view utf8);
  // Appends the control block holding control values 1..24.
  void put_control(const std::array<int, kControlValues + 1>& control);
  // Grows the file by whole blocks until it is at least `end` bytes long.
  void reach(std::size_t end);
};

// Where each section starts (block numbers).
struct Layout {
  long district = 0, keiyo_station = 0, keiyo_time = 0, sinkansen_station = 0, sinkansen_time = 0,
       km = 0, pair = 0, green = 0, ticket = 0, nozomi = 0, hotel = 0, control = 0;
  std::array<long, 5> keiyo_stream{};      // first block of each Keiyo time stream
  std::array<long, 3> sinkansen_stream{};  // first block of each Shinkansen time stream
  long hotel_names = 0, hotel_tels = 0, hotel_access = 0, hotel_charges = 0, hotel_remarks = 0;
};

// The DataFile for the tables of `s` (regions, districts, Keiyo, Shinkansen,
// fares, DataFile hotels in slots 1..data_hotel_count, edition). Control
// values are set to the layout; `s.control` is not used.
std::string encode_data_file(const AppState& s, Layout* layout = nullptr);

// A small AppState with every table filled (Edition 1): 3 regions, 2
// districts, two trains per Keiyo table, 4 Shinkansen rows with 2 trains per
// direction, a few fare entries and 2 hotels.
std::unique_ptr<AppState> sample_tables();

// The same file with the blocks from `from_block` on dropped and the control
// block appended again.
std::string cut_at_block(const std::string& file, long from_block);

}  // namespace vorlash::testing
