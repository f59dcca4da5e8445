// The tables loaded from the DataFile at start-up, read-only afterwards, and
// the sizes of every table. Tables indexed from 1 keep slot 0 unused so that
// code reads like the model. Texts are UTF-8 (converted from Shift-JIS when
// read). Numbers that the model calls 16-bit are held in int; the readers
// keep them within 16 bits.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "data/lazy_table.h"
#include "text/short_text.h"

namespace vorlash {

// ---- Table sizes ----------------------------------------------------------
inline constexpr int kMaxRegions = 100;
inline constexpr int kMaxDistricts = 200;
inline constexpr int kKeiyoTables = 4;
inline constexpr int kMaxKeiyoPositions = 15;
inline constexpr int kMaxKeiyoTrains = 200;
inline constexpr int kMaxRows = 50;
inline constexpr int kMaxTrains = 250;
inline constexpr int kMaxPicks = 200;
inline constexpr int kMaxHolidays = 20;
inline constexpr int kRecentEntries = 5;
inline constexpr int kMaxConnections = 1000;
inline constexpr int kMaxCandidates = 100;
inline constexpr int kMaxKmEntries = 50;
inline constexpr int kMaxFarePairs = 1000;
inline constexpr int kMaxGreenBrackets = 10;
inline constexpr int kMaxTickets = 500;
inline constexpr int kMaxNozomi = 100;
inline constexpr int kTicketKinds = 14;
inline constexpr int kMaxHotels = 1000;
inline constexpr int kMaxHotelResults = 200;
inline constexpr int kControlValues = 30;

// ---- Loaded tables -----------------------------------------------------------
struct RegionTable {
  int count = 0;
  std::array<std::string, kMaxRegions + 1> name{};
  std::array<int, kMaxRegions + 1> area{};
  std::array<int, kMaxRegions + 1> digit{};  // read and kept, never used
};

struct DistrictTable {
  int count = 0;
  std::array<std::string, kMaxDistricts + 1> name{};
};

// Keiyo tables k = 1..4: 1 weekday down, 2 weekday up, 3 Sat/holiday down,
// 4 Sat/holiday up. The station lists, codes and times take memory only once
// used: an Edition without the Keiyo line never reads them.
struct KeiyoTables {
  std::array<int, kKeiyoTables + 1> station_count{};
  LazyTable<std::array<std::string, kMaxKeiyoPositions + 1>, kKeiyoTables + 1> station;
  std::array<int, kKeiyoTables + 1> train_count{};
  // code[k][t]: the 5-character train code (as stored, with padding).
  LazyTable<std::array<TrainCode, kMaxKeiyoTrains + 1>, kKeiyoTables + 1> code;
  // time[k][position][t]: hhmm, 0 = no stop. Only positions 1..12 are filled.
  LazyTable<std::array<std::array<int, kMaxKeiyoTrains + 1>, kMaxKeiyoPositions + 1>,
            kKeiyoTables + 1>
      time;
};

// Shinkansen tables, direction d: 1 down, 2 up.
using ShinkansenTime = std::int16_t;
using ShinkansenTimeRows = std::array<std::array<ShinkansenTime, kMaxTrains + 1>, kMaxRows + 1>;

struct ShinkansenTables {
  std::array<int, 3> station_count{};
  std::array<std::array<std::string, kMaxRows + 1>, 3> station{};
  std::array<std::array<int, kMaxRows + 1>, 3> row_kind{};  // 0 single, 1 arrival, 2 departure
  std::array<int, 3> train_count{};
  // code[d][t]: the 4-character train code (timetable row 0), as stored.
  std::array<std::array<TrainCode, kMaxTrains + 1>, 3> code{};
  // time[d][row][t]: hhmm, 0 = no time. Zero pages from the system until
  // written, so that only the rows of the stations there are cost memory;
  // 16 bits each, as the DataFile's times (below 5678) need no more.
  LazyTable<ShinkansenTimeRows, 3> time;
  std::array<std::array<int, kMaxTrains + 1>, 3> operating_day{};
  std::array<std::array<VehicleMark, kMaxTrains + 1>, 3> vehicle{};  // "N", "G", ... or ""
};

// ---- Fare tables -------------------------------------------------------------
struct KmEntry {
  std::string station;
  int tenths = 0;  // distance in tenths of a kilometre (exact)
};

struct FarePair {
  std::string station_a;
  std::string station_b;
  int free_seat_express = 0;  // 0 = not given
  int fare = 0;
  int express = 0;
  int coupon = 0;  // six-sheet free-seat coupon set, 0 = none
};

struct GreenBracket {
  int upper_km = 0;
  int green = 0;
  int room_1_2 = 0;
  int room_3_4 = 0;
};

struct DiscountTicket {
  std::string station_a;
  std::string station_b;
  int sheets = 0;
  int validity = 0;
  int kind = 0;  // 1..14
  int price = 0;
};

struct NozomiCharge {
  std::string station_a;
  std::string station_b;
  int spare = 0;
  int nozomi_express = 0;
  int supplement = 0;
};

// The lists take memory once read (the board never reads them): a table
// built on the side then moves in without a copy.
struct FareTables {
  int km_count = 0;
  LazyTable<KmEntry, kMaxKmEntries + 1> km;
  int pair_count = 0;
  LazyTable<FarePair, kMaxFarePairs + 1> pair;
  int green_count = 0;
  std::array<GreenBracket, kMaxGreenBrackets + 1> green{};
  int ticket_count = 0;
  LazyTable<DiscountTicket, kMaxTickets + 1> ticket;
  int nozomi_count = 0;
  LazyTable<NozomiCharge, kMaxNozomi + 1> nozomi;
};

// ---- Hotel table -------------------------------------------------------------
struct HotelRecord {
  std::string region;
  std::string district;
  std::string name;
  std::string tel;
  int rooms = 0;
  std::string access;
  std::string charge;
  std::string remarks;  // always exactly 8 characters once stored
};

// ---- Everything read from the DataFile -------------------------------------
struct LoadedTables {
  int edition = 0;
  int edition_code = 0;
  std::string edition_title;
  std::array<int, kControlValues + 1> control{};
  // The DataFile's bytes as read once at start-up: the control block, the
  // tables and the hotel section all come from them.
  std::string data_file_bytes;
  RegionTable regions;
  DistrictTable districts;
  KeiyoTables keiyo;
  ShinkansenTables sinkansen;
  FareTables fares;
  std::array<std::string, kTicketKinds + 1> ticket_name{};
};

// The hotel table: the user's hotels first, then the DataFile's. Unlike the
// other tables it changes while the program runs (the user's own hotels).
// It takes memory only once used: the departure board never reads it.
struct HotelTable {
  LazyTable<HotelRecord, kMaxHotels + 1> hotel;
  int user_hotel_count = 0;  // U: slots 1..U
  int data_hotel_count = 0;  // N: slots U+1..U+N
  // The hotels of the DataFile's hotel section, whether or not all of them
  // fit beside the user hotels (0 until the section is read).
  int data_file_hotel_count = 0;
  int hotel_loaded = 0;
};

// A table built on the side by a reader. Default-initialised, unlike
// std::make_unique: every member has an initialiser of its own, so the whole
// object is not cleared to zero first (tens of kilobytes for the code lists).
template <typename Table>
std::unique_ptr<Table> new_table() {
  return std::unique_ptr<Table>(new Table);
}

}  // namespace vorlash
