// Exporting: loaded tables -> source model -> tab-separated source files.
// The files come out in the compiler's canonical form (Shinkansen rows in
// order, fixed-width fields trimmed on the right, times as H:MM, kilometres
// with one decimal), so that compiling them again gives the same DataFile.
#include <algorithm>
#include <memory>

#include "data/data_compiler.h"
#include "data/data_source_errors.h"
#include "data/data_source_texts.h"
#include "data/file_io.h"
#include "data/output_folder.h"
#include "data/readers.h"
#include "text/fill.h"
#include "text/utf8.h"

namespace vorlash {

namespace {

// Builds one source file, refusing texts that its format cannot carry.
class TsvBuilder {
 public:
  TsvBuilder(std::string name, const std::vector<std::string>& header, SourceErrors& errors)
      : name_(std::move(name)), errors_(errors) {
    add(header, 0);
  }

  // entry: the table slot the row comes from, for error messages.
  void add(const std::vector<std::string>& fields, int entry) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (fields[i].find_first_of("\t\r\n") != std::string::npos) {
        fail(entry, fill(source_text::kHoldsTabOrBreak, {quote_text(fields[i])}));
        return;
      }
    }
    if (!fields.empty() && fields[0].starts_with('#')) {
      fail(entry, fill(source_text::kReadsAsComment, {quote_text(fields[0])}));
      return;
    }
    if (fields.size() == 1 && fields[0].empty()) {
      fail(entry, source_text::kEmptyNameLine);
      return;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (i > 0) text_ += '\t';
      text_ += fields[i];
    }
    text_ += '\n';
  }

  // H:MM, empty for 0.
  std::string time(int hhmm, int entry) {
    if (hhmm == 0) return {};
    int const hour = hhmm / 100;
    int const minute = hhmm % 100;
    if (hhmm < 0 || minute > 59 || hour > 47) {
      fail(entry, fill(source_text::kTimeNotHmm, {std::to_string(hhmm)}));
      return {};
    }
    return std::to_string(hour) + ":" + (minute < 10 ? "0" : "") + std::to_string(minute);
  }

  std::string km(int tenths, int entry) {
    if (tenths < 0) {
      fail(entry, source_text::kNegativeDistance);
      return {};
    }
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
  }

  void fail(int entry, std::string_view message) {
    errors_.add(name_, 0,
                fill(source_text::kExportEntry, {std::to_string(entry), std::string(message)}));
  }

  const std::string& name() const { return name_; }
  std::string take() { return std::move(text_); }

 private:
  std::string name_;
  SourceErrors& errors_;
  std::string text_;
};

std::vector<std::string> numbered(std::vector<std::string> header, std::string_view prefix, int n) {
  for (int i = 1; i <= n; ++i) header.push_back(std::string(prefix) + std::to_string(i));
  return header;
}

std::string num(int value) {
  return std::to_string(value);
}

void finish(TsvBuilder& builder, SourceTexts& texts) {
  texts[builder.name()] = builder.take();
}

}  // namespace

Status data_source_from_state(const AppState& state, DataSource& source) {
  source = DataSource{};
  source.edition = state.edition;
  source.station_count = state.sinkansen.station_count[1];

  for (int i = 1; i <= std::min(state.regions.count, kMaxRegions); ++i)
    source.regions.push_back(
        SourceRegion{state.regions.name[i], state.regions.area[i], state.regions.digit[i], 0});
  for (int i = 1; i <= std::min(state.districts.count, kMaxDistricts); ++i)
    source.districts.push_back(SourceDistrict{state.districts.name[i], 0});

  auto const& keiyo = state.keiyo;
  for (int k = 1; k <= kKeiyoTables; ++k) {
    auto& table = source.keiyo[k];
    table.station_count = keiyo.station_count[k];
    for (int p = 1; p <= kMaxKeiyoPositions; ++p) table.station[p] = keiyo.station[k][p];
    for (int t = 1; t <= std::min(keiyo.train_count[k], kMaxKeiyoTrains); ++t) {
      SourceKeiyoTrain train;
      train.code = trim_right(keiyo.code[k][t]);
      for (int p = 1; p <= kKeiyoTimedPositions; ++p) train.time[p] = keiyo.time[k][p][t];
      table.trains.push_back(std::move(train));
    }
  }

  auto const& sk = state.sinkansen;
  int const rows = std::clamp(source.station_count, 0, kMaxRows);
  for (int d = 1; d <= 2; ++d) {
    for (int r = 1; r <= kMaxRows; ++r)
      source.stations[d][r] = SourceStationRow{sk.station[d][r], sk.row_kind[d][r], 0};
    for (int t = 1; t <= std::min(sk.train_count[d], kMaxTrains); ++t) {
      SourceShinkansenTrain train;
      train.code = trim_right(sk.code[d][t]);
      train.days = sk.operating_day[d][t];
      train.vehicle = sk.vehicle[d][t];
      for (int r = 1; r <= rows; ++r) train.time[r] = sk.time[d][r][t];
      source.trains[d].push_back(std::move(train));
    }
  }

  auto const& f = state.fares;
  for (int i = 1; i <= std::min(f.km_count, kMaxKmEntries); ++i)
    source.km.push_back(SourceKm{f.km[i]});
  for (int i = 1; i <= std::min(f.pair_count, kMaxFarePairs); ++i) {
    source.fare_pairs.push_back(SourceFarePair{f.pair[i]});
  }
  for (int i = 1; i <= std::min(f.green_count, kMaxGreenBrackets); ++i) {
    source.green.push_back(SourceGreen{f.green[i]});
  }
  for (int i = 1; i <= std::min(f.ticket_count, kMaxTickets); ++i) {
    source.tickets.push_back(SourceTicket{f.ticket[i]});
  }
  for (int i = 1; i <= std::min(f.nozomi_count, kMaxNozomi); ++i) {
    source.nozomi.push_back(SourceNozomi{f.nozomi[i]});
  }

  int const first = state.user_hotel_count + 1;
  int const last = std::min(state.user_hotel_count + state.data_hotel_count, kMaxHotels);
  for (int s = first; s <= last; ++s) {
    SourceHotel& h = source.hotels.emplace_back(SourceHotel{state.hotel[s]});
    // The table pads these fields with blanks; the source holds them trimmed.
    h.tel = trim_right(h.tel);
    h.charge = trim_right(h.charge);
    h.remarks = trim_right(h.remarks);
  }
  return Status::success();
}

Status format_data_source(const DataSource& s, SourceTexts& texts) {
  SourceErrors errors;
  texts.clear();

  TsvBuilder edition(kEditionFile, {"key", "value"}, errors);
  edition.add({"edition", num(s.edition)}, 1);
  edition.add({"station_count", num(s.station_count)}, 2);
  finish(edition, texts);

  TsvBuilder regions(kRegionsFile, {"name", "area", "digit"}, errors);
  for (std::size_t i = 0; i < s.regions.size(); ++i) {
    auto const& r = s.regions[i];
    regions.add({r.name, num(r.area), num(r.digit)}, static_cast<int>(i) + 1);
  }
  finish(regions, texts);

  TsvBuilder districts(kDistrictsFile, {"name"}, errors);
  for (std::size_t i = 0; i < s.districts.size(); ++i)
    districts.add({s.districts[i].name}, static_cast<int>(i) + 1);
  finish(districts, texts);

  TsvBuilder keiyo_stations(kKeiyoStationsFile,
                            numbered({"table", "count"}, "name", kMaxKeiyoPositions), errors);
  for (int k = 1; k <= kKeiyoTables; ++k) {
    std::vector<std::string> fields = {num(k), num(s.keiyo[k].station_count)};
    for (int p = 1; p <= kMaxKeiyoPositions; ++p) fields.push_back(s.keiyo[k].station[p]);
    keiyo_stations.add(fields, k);
  }
  finish(keiyo_stations, texts);

  for (int k = 1; k <= kKeiyoTables; ++k) {
    TsvBuilder trains(keiyo_file_name(k), numbered({"code"}, "p", kKeiyoTimedPositions), errors);
    for (std::size_t i = 0; i < s.keiyo[k].trains.size(); ++i) {
      auto const& train = s.keiyo[k].trains[i];
      int const entry = static_cast<int>(i) + 1;
      std::vector<std::string> fields = {train.code};
      for (int p = 1; p <= kKeiyoTimedPositions; ++p)
        fields.push_back(trains.time(train.time[p], entry));
      trains.add(fields, entry);
    }
    finish(trains, texts);
  }

  TsvBuilder stations(kShinkansenStationsFile, {"direction", "row", "name", "kind"}, errors);
  for (int d = 1; d <= 2; ++d) {
    for (int r = 1; r <= kMaxRows; ++r) {
      auto const& row = s.stations[d][r];
      if (row.name.empty() && row.kind == 0) continue;  // rows not given are empty
      stations.add({num(d), num(r), row.name, num(row.kind)}, r);
    }
  }
  finish(stations, texts);

  int const rows = std::clamp(s.station_count, 0, kMaxRows);
  for (int d = 1; d <= 2; ++d) {
    TsvBuilder trains(shinkansen_file_name(d), numbered({"code", "days", "vehicle"}, "r", rows),
                      errors);
    for (std::size_t i = 0; i < s.trains[d].size(); ++i) {
      auto const& train = s.trains[d][i];
      int const entry = static_cast<int>(i) + 1;
      std::vector<std::string> fields = {train.code, num(train.days), train.vehicle};
      for (int r = 1; r <= rows; ++r) fields.push_back(trains.time(train.time[r], entry));
      trains.add(fields, entry);
    }
    finish(trains, texts);
  }

  TsvBuilder km(kKmFile, {"station", "km"}, errors);
  for (std::size_t i = 0; i < s.km.size(); ++i) {
    int const entry = static_cast<int>(i) + 1;
    km.add({s.km[i].station, km.km(s.km[i].tenths, entry)}, entry);
  }
  finish(km, texts);

  TsvBuilder pairs(kFarePairsFile,
                   {"station_a", "station_b", "fare", "express", "free_seat_express", "coupon"},
                   errors);
  for (std::size_t i = 0; i < s.fare_pairs.size(); ++i) {
    auto const& e = s.fare_pairs[i];
    pairs.add({e.station_a, e.station_b, num(e.fare), num(e.express), num(e.free_seat_express),
               num(e.coupon)},
              static_cast<int>(i) + 1);
  }
  finish(pairs, texts);

  TsvBuilder green(kGreenFile, {"upper_km", "green", "room_1_2", "room_3_4"}, errors);
  for (std::size_t i = 0; i < s.green.size(); ++i) {
    auto const& e = s.green[i];
    green.add({num(e.upper_km), num(e.green), num(e.room_1_2), num(e.room_3_4)},
              static_cast<int>(i) + 1);
  }
  finish(green, texts);

  TsvBuilder tickets(kTicketsFile,
                     {"station_a", "station_b", "kind", "sheets", "validity", "price"}, errors);
  for (std::size_t i = 0; i < s.tickets.size(); ++i) {
    auto const& e = s.tickets[i];
    tickets.add(
        {e.station_a, e.station_b, num(e.kind), num(e.sheets), num(e.validity), num(e.price)},
        static_cast<int>(i) + 1);
  }
  finish(tickets, texts);

  TsvBuilder nozomi(kNozomiFile,
                    {"station_a", "station_b", "nozomi_express", "supplement", "spare"}, errors);
  for (std::size_t i = 0; i < s.nozomi.size(); ++i) {
    auto const& e = s.nozomi[i];
    nozomi.add({e.station_a, e.station_b, num(e.nozomi_express), num(e.supplement), num(e.spare)},
               static_cast<int>(i) + 1);
  }
  finish(nozomi, texts);

  TsvBuilder hotels(kHotelsFile,
                    {"region", "district", "name", "tel", "rooms", "access", "charge", "remarks"},
                    errors);
  for (std::size_t i = 0; i < s.hotels.size(); ++i) {
    auto const& h = s.hotels[i];
    hotels.add({h.region, h.district, h.name, h.tel, num(h.rooms), h.access, h.charge, h.remarks},
               static_cast<int>(i) + 1);
  }
  finish(hotels, texts);

  return errors.status();
}

Status write_data_source(const DataSource& source, const std::string& dir) {
  SourceTexts texts;
  if (Status const formatted = format_data_source(source, texts); !formatted) return formatted;
  return write_output_folder(data_source_output(dir), texts);
}

Status export_data_file(const std::string& data_file, const std::string& dir) {
  auto state = std::make_unique<AppState>();  // large: keep it off the stack
  if (Status const read = read_whole_data_file(data_file, *state); !read) return read;
  auto source = std::make_unique<DataSource>();
  if (Status const made = data_source_from_state(*state, *source); !made) return made;
  return write_data_source(*source, dir);
}

}  // namespace vorlash
