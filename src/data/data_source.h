// The human-readable sources of a DataFile, held in memory: one struct per
// source file, names instead of slot numbers. The compiler reads a folder of
// tab-separated UTF-8 files into this model and writes the binary DataFile
// from it; the exporter builds the model from loaded tables and writes the
// files back. Every record keeps the line it came from (0 when it did not
// come from a file) so that errors can name the file and the line.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/app_state.h"

namespace vorlash {

// File names of a source folder.
inline constexpr char kEditionFile[] = "edition.tsv";
inline constexpr char kRegionsFile[] = "regions.tsv";
inline constexpr char kDistrictsFile[] = "districts.tsv";
inline constexpr char kKeiyoStationsFile[] = "keiyo_stations.tsv";
inline constexpr char kShinkansenStationsFile[] = "shinkansen_stations.tsv";
inline constexpr char kKmFile[] = "km.tsv";
inline constexpr char kFarePairsFile[] = "fare_pairs.tsv";
inline constexpr char kGreenFile[] = "green.tsv";
inline constexpr char kTicketsFile[] = "tickets.tsv";
inline constexpr char kNozomiFile[] = "nozomi.tsv";
inline constexpr char kHotelsFile[] = "hotels.tsv";
// "keiyo_1.tsv" .. "keiyo_4.tsv", "shinkansen_1.tsv", "shinkansen_2.tsv".
std::string keiyo_file_name(int table);
std::string shinkansen_file_name(int direction);
// Every file of a source folder, in reading order.
std::vector<std::string> source_file_names();

// Number of Keiyo station positions that carry times (six pairs per train).
inline constexpr int kKeiyoTimedPositions = 12;

struct SourceRegion {
  std::string name;
  int area = 0;   // 1..9
  int digit = 0;  // the unused third digit, 0..9
  int line = 0;
};

struct SourceDistrict {
  std::string name;
  int line = 0;
};

struct SourceKeiyoTrain {
  std::string code;                                  // number + one letter, unpadded
  std::array<int, kKeiyoTimedPositions + 1> time{};  // [1..12] hhmm, 0 = no stop
  int line = 0;
};

struct SourceKeiyoTable {
  int station_count = 0;
  std::array<std::string, kMaxKeiyoPositions + 1> station{};  // [1..15]
  int line = 0;                                               // line of keiyo_stations.tsv
  std::vector<SourceKeiyoTrain> trains;
};

struct SourceStationRow {
  std::string name;
  int kind = 0;  // 0 single, 1 arrival, 2 departure
  int line = 0;
};

struct SourceShinkansenTrain {
  std::string code;                      // letter + number, unpadded
  int days = 0;                          // operating-day code
  std::string vehicle;                   // "N", "G", ... or ""
  std::array<int, kMaxRows + 1> time{};  // [1..50] hhmm, 0 = no time
  int line = 0;
};

// The fare and hotel records of a source file are the table records
// themselves, plus the line they came from.
template <class Record>
struct Sourced : Record {
  int line = 0;
};
using SourceKm = Sourced<KmEntry>;
using SourceFarePair = Sourced<FarePair>;
using SourceGreen = Sourced<GreenBracket>;
using SourceTicket = Sourced<DiscountTicket>;
using SourceNozomi = Sourced<NozomiCharge>;
using SourceHotel = Sourced<HotelRecord>;

struct DataSource {
  int edition = 0;
  int station_count = 0;  // Shinkansen rows in use, both directions
  int edition_line = 0;   // lines of edition.tsv that gave the two values
  int station_count_line = 0;
  std::vector<SourceRegion> regions;
  std::vector<SourceDistrict> districts;
  std::array<SourceKeiyoTable, kKeiyoTables + 1> keiyo{};  // [1..4]
  // stations[d][row], d = 1 down, 2 up; rows 1..50.
  std::array<std::array<SourceStationRow, kMaxRows + 1>, 3> stations{};
  std::array<std::vector<SourceShinkansenTrain>, 3> trains{};  // [1..2]
  std::vector<SourceKm> km;
  std::vector<SourceFarePair> fare_pairs;
  std::vector<SourceGreen> green;
  std::vector<SourceTicket> tickets;
  std::vector<SourceNozomi> nozomi;
  std::vector<SourceHotel> hotels;
};

}  // namespace vorlash
