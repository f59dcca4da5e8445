// Reading a transit feed under a mapping into the timetable parts of a
// source model. Every problem names the feed file, the line and the field;
// the first ones found are all reported.
#include <algorithm>
#include <cctype>
#include <set>

#include "data/data_compiler.h"
#include "data/data_source_errors.h"
#include "gtfs/gtfs.h"
#include "gtfs/gtfs_csv.h"
#include "gtfs/gtfs_texts.h"
#include "text/fill.h"
#include "text/sjis.h"

namespace vorlash {

namespace {

struct FeedStop {
  std::string name;
  int line = 0;
};

struct StopTime {
  long long sequence = 0;
  int arrival = 0;  // hhmm
  int departure = 0;
  std::string stop_id;
  int line = 0;
};

struct FeedTrip {
  bool shinkansen = true;
  int table = 0;  // direction 1..2 or Keiyo table 1..4
  int days = 0;
  std::string code;
  std::string vehicle;
  int line = 0;
  std::vector<StopTime> stops;
};

// "H:MM:SS" as hhmm; 0:00 is written 24:00, as the DataFile needs.
bool parse_gtfs_time(std::string_view text, int& hhmm, std::string& problem) {
  std::size_t const colon = text.find(':');
  bool ok = colon != std::string_view::npos && colon >= 1 && colon <= 3 &&
            text.size() == colon + 6 && text[colon + 3] == ':';
  for (std::size_t i = 0; ok && i < text.size(); ++i)
    ok = i == colon || i == colon + 3 || (text[i] >= '0' && text[i] <= '9');
  if (!ok) {
    problem = gtfs_text::kNotHms;
    return false;
  }
  int const hour = std::stoi(std::string(text.substr(0, colon)));
  int const minute = std::stoi(std::string(text.substr(colon + 1, 2)));
  int const second = std::stoi(std::string(text.substr(colon + 4, 2)));
  if (minute > 59 || second > 59) {
    problem = gtfs_text::kNotHms;
    return false;
  }
  if (second != 0) {
    problem = gtfs_text::kHasSeconds;
    return false;
  }
  if (hour > 47) {
    problem = gtfs_text::kPast4759;
    return false;
  }
  hhmm = hour == 0 && minute == 0 ? 2400 : hour * 100 + minute;
  return true;
}

class FeedImporter {
 public:
  FeedImporter(const FeedTexts& feed, const GtfsMapping& m, SourceErrors& errors)
      : feed_(feed), m_(m), errors_(errors) {}

  void run(DataSource& s) {
    bool const all = load("stops.txt", stops_) & load("trips.txt", trips_) &
                     load("stop_times.txt", times_) & load("routes.txt", routes_);
    bool const calendar = load_optional("calendar.txt", calendar_);
    bool const dates = load_optional("calendar_dates.txt", calendar_dates_);
    if (!calendar && !dates)
      errors_.add("calendar.txt", 0, gtfs_text::kNoCalendar);
    if (!all || !errors_.empty()) return;
    read_stops();
    read_services();
    check_routes();
    read_trips();
    read_stop_times();
    if (!errors_.empty()) return;
    if (!m_.shinkansen_routes.empty()) place_shinkansen(s);
    if (!m_.keiyo_route.empty()) place_keiyo(s);
    if (m_.edition != 0) s.edition = m_.edition;
  }

 private:
  bool load(const std::string& name, CsvTable& table) {
    auto const found = feed_.find(name);
    if (found == feed_.end()) {
      errors_.add(name, 0, gtfs_text::kFeedLacksFile);
      return false;
    }
    if (Status const parsed = parse_csv(found->second, name, table); !parsed) {
      errors_.add_message(parsed.error);
      return false;
    }
    return true;
  }

  bool load_optional(const std::string& name, CsvTable& table) {
    return feed_.count(name) != 0 && load(name, table);
  }

  // Reports a field: "trips.txt:4: service_id "X": message".
  void fail(const CsvFields& f, std::string_view column, std::string_view message) {
    errors_.add(f.where(column) + " " + quote_text(f.get(column)), 0, message);
  }

  bool require_columns(const CsvTable& table, std::initializer_list<std::string_view> columns) {
    bool ok = true;
    for (auto const column : columns) {
      if (table.column(column) < 0) {
        errors_.add(table.name, 1, fill(gtfs_text::kHeaderLacksColumn, {std::string(column)}));
        ok = false;
      }
    }
    return ok;
  }

  void read_stops() {
    if (!require_columns(stops_, {"stop_id", "stop_name"})) return;
    for (auto const& row : stops_.rows) {
      CsvFields const f(stops_, row);
      if (!stops_by_id_.emplace(f.get("stop_id"), FeedStop{f.get("stop_name"), row.line}).second)
        fail(f, "stop_id", gtfs_text::kStopTwice);
    }
  }

  void read_services() {
    if (calendar_.column("service_id") >= 0) {
      for (auto const& row : calendar_.rows)
        services_.insert(CsvFields(calendar_, row).get("service_id"));
    }
    if (calendar_dates_.column("service_id") >= 0) {
      for (auto const& row : calendar_dates_.rows)
        services_.insert(CsvFields(calendar_dates_, row).get("service_id"));
    }
  }

  void check_routes() {
    if (!require_columns(routes_, {"route_id"})) return;
    std::set<std::string> routes;
    for (auto const& row : routes_.rows) routes.insert(CsvFields(routes_, row).get("route_id"));
    auto check = [&](const std::string& id) {
      if (!routes.count(id))
        errors_.add(kGtfsMappingFile, 0, fill(gtfs_text::kRouteNotInRoutes, {quote_text(id)}));
    };
    for (auto const& id : m_.shinkansen_routes) check(id);
    if (!m_.keiyo_route.empty()) check(m_.keiyo_route);
  }

  void read_trips() {
    if (!require_columns(trips_, {"route_id", "service_id", "trip_id"})) return;
    std::set<std::string> const shinkansen(m_.shinkansen_routes.begin(),
                                           m_.shinkansen_routes.end());
    for (auto const& row : trips_.rows) {
      CsvFields const f(trips_, row);
      std::string const& id = f.get("trip_id");
      if (!all_trips_.insert(id).second) {
        fail(f, "trip_id", gtfs_text::kTripTwice);
        continue;
      }
      std::string const& route = f.get("route_id");
      bool const is_shinkansen = shinkansen.count(route) != 0;
      if (!is_shinkansen && route != m_.keiyo_route) continue;  // a line we do not carry
      std::string const& service = f.get("service_id");
      if (!services_.count(service)) {
        fail(f, "service_id", gtfs_text::kServiceUnknown);
        continue;
      }
      FeedTrip trip;
      trip.shinkansen = is_shinkansen;
      trip.line = row.line;
      std::string const& direction = f.get("direction_id");
      if (is_shinkansen) {
        auto const d = m_.direction.find(direction);
        auto const days = m_.service_days.find(service);
        if (d == m_.direction.end()) {
          fail(f, "direction_id", gtfs_text::kNoDirection);
          continue;
        }
        if (days == m_.service_days.end()) {
          fail(f, "service_id", gtfs_text::kNoDayCode);
          continue;
        }
        trip.table = d->second;
        trip.days = days->second;
      } else {
        auto const k = m_.keiyo_tables.find({service, direction});
        if (k == m_.keiyo_tables.end()) {
          fail(f, "service_id", fill(gtfs_text::kNoKeiyoTable, {quote_text(direction)}));
          continue;
        }
        trip.table = k->second;
      }
      if (auto const over = m_.trips.find(id); over != m_.trips.end()) {
        trip.code = over->second.code;
        trip.vehicle = over->second.vehicle;
      } else {
        trip.code = is_shinkansen ? code_from_short_name(m_, f.get("trip_short_name"))
                                  : f.get("trip_short_name");
      }
      if (!code_fits(trip)) {
        fail(f, "trip_short_name",
             is_shinkansen ? fill(gtfs_text::kShinkansenCodeUnfit, {quote_text(trip.code)})
                           : std::string(gtfs_text::kKeiyoCodeUnfit));
        continue;
      }
      auto& list = is_shinkansen ? shinkansen_[trip.table] : keiyo_[trip.table];
      int const limit = is_shinkansen ? kMaxTrains : kMaxKeiyoTrains;
      if (static_cast<int>(list.size()) == limit) {
        fail(f, "trip_id",
             fill(is_shinkansen ? gtfs_text::kTooManyInDirection : gtfs_text::kTooManyInKeiyo,
                  {std::to_string(trip.table), std::to_string(limit)}));
        continue;
      }
      trip_index_[id] = {is_shinkansen, trip.table, static_cast<int>(list.size())};
      list.push_back(std::move(trip));
    }
  }

  static bool code_fits(const FeedTrip& trip) {
    std::string const& c = trip.code;
    if (trip.shinkansen) {
      bool ok = !c.empty() && c.size() <= 4 && c.front() != ' ' && c.back() != ' ';
      for (char const ch : c)
        ok = ok && static_cast<unsigned char>(ch) >= 0x20 && static_cast<unsigned char>(ch) < 0x7F;
      return ok;
    }
    bool ok = c.size() >= 2 && c.size() <= 5 && std::isalpha(static_cast<unsigned char>(c.back()));
    for (std::size_t i = 0; ok && i + 1 < c.size(); ++i) ok = c[i] >= '0' && c[i] <= '9';
    return ok;
  }

  void read_stop_times() {
    if (!require_columns(times_,
                         {"trip_id", "arrival_time", "departure_time", "stop_id", "stop_sequence"}))
      return;
    for (auto const& row : times_.rows) {
      CsvFields const f(times_, row);
      auto const found = trip_index_.find(f.get("trip_id"));
      if (found == trip_index_.end()) {
        if (!all_trips_.count(f.get("trip_id"))) fail(f, "trip_id", gtfs_text::kTripNotInTrips);
        continue;
      }
      StopTime stop;
      stop.line = row.line;
      stop.stop_id = f.get("stop_id");
      if (!stops_by_id_.count(stop.stop_id)) {
        fail(f, "stop_id", gtfs_text::kStopNotInStops);
        continue;
      }
      std::string const& sequence = f.get("stop_sequence");
      bool ok = !sequence.empty() && sequence.size() <= 9;
      for (char const c : sequence) ok = ok && c >= '0' && c <= '9';
      if (!ok) {
        fail(f, "stop_sequence", gtfs_text::kNotWhole);
        continue;
      }
      stop.sequence = std::stoll(sequence);
      if (!read_time(f, "arrival_time", stop.arrival) ||
          !read_time(f, "departure_time", stop.departure))
        continue;
      if (stop.arrival == 0 && stop.departure == 0) {
        fail(f, "departure_time", gtfs_text::kStopNeedsTime);
        continue;
      }
      if (stop.arrival == 0) stop.arrival = stop.departure;
      if (stop.departure == 0) stop.departure = stop.arrival;
      if (stop.departure < stop.arrival) {
        fail(f, "departure_time", gtfs_text::kDepartsBeforeArrival);
        continue;
      }
      auto const& [shinkansen, table, index] = found->second;
      auto& trip = (shinkansen ? shinkansen_[table] : keiyo_[table])[index];
      trip.stops.push_back(std::move(stop));
    }
    for (auto& list : shinkansen_) {
      for (auto& trip : list) order_stops(trip);
    }
    for (auto& list : keiyo_) {
      for (auto& trip : list) order_stops(trip);
    }
  }

  bool read_time(const CsvFields& f, std::string_view column, int& hhmm) {
    std::string const& text = f.get(column);
    if (text.empty()) return true;
    std::string problem;
    if (parse_gtfs_time(text, hhmm, problem)) return true;
    fail(f, column, problem);
    return false;
  }

  // Sorts a trip's stops by stop_sequence and checks that time never runs back.
  void order_stops(FeedTrip& trip) {
    std::stable_sort(trip.stops.begin(), trip.stops.end(),
                     [](const StopTime& a, const StopTime& b) { return a.sequence < b.sequence; });
    for (std::size_t i = 1; i < trip.stops.size(); ++i) {
      auto const& before = trip.stops[i - 1];
      auto const& stop = trip.stops[i];
      std::string const where = "stop_times.txt:" + std::to_string(stop.line) + ": ";
      if (stop.sequence == before.sequence)
        errors_.add(where + "stop_sequence " + std::to_string(stop.sequence), 0,
                    gtfs_text::kSequenceTwice);
      else if (stop.arrival < before.departure)
        errors_.add(where + "arrival_time", 0, gtfs_text::kArrivesBeforeDeparture);
    }
  }

  // The name of a mapped stop; an unknown stop is reported at the mapping line.
  std::string station_name(const std::string& stop_id, int mapping_line) {
    if (stop_id.empty()) return {};
    auto const found = stops_by_id_.find(stop_id);
    if (found != stops_by_id_.end()) {
      // Only the stations the mapping uses must fit Shift-JIS.
      std::string const& name = found->second.name;
      if (!fits_cp932(name) && unfit_.insert(stop_id).second)
        errors_.add(
            "stops.txt:" + std::to_string(found->second.line) + ": stop_name " + quote_text(name),
            0, gtfs_text::kNameNotSjis);
      return name;
    }
    errors_.add(kGtfsMappingFile, mapping_line,
                fill(gtfs_text::kMappedStopNotInStops, {quote_text(stop_id)}));
    return {};
  }

  // pattern: kStopOffDirection or kStopOffKeiyo; table: the direction or Keiyo table.
  void stop_error(const FeedTrip& trip, const StopTime& stop, std::string_view pattern,
                  int table) {
    errors_.add(
        "stop_times.txt:" + std::to_string(stop.line) + ": stop_id " + quote_text(stop.stop_id), 0,
        fill(pattern, {std::to_string(table), std::to_string(trip.line)}));
  }

  void place_shinkansen(DataSource& s) {
    int highest = 0;
    for (int d = 1; d <= 2; ++d) {
      for (int r = 1; r <= kMaxRows; ++r) {
        auto const& row = m_.rows[d][r];
        s.stations[d][r] = SourceStationRow{row.given ? station_name(row.stop_id, row.line) : "",
                                            row.given ? row.kind : 0, 0};
        if (row.given) highest = r;
      }
    }
    s.station_count = m_.station_count != 0 ? m_.station_count : highest;
    for (int d = 1; d <= 2; ++d) {
      s.trains[d].clear();
      auto const& rows = m_.rows[d];
      for (auto const& trip : shinkansen_[d]) {
        SourceShinkansenTrain train;
        train.code = trip.code;
        train.days = trip.days;
        train.vehicle = trip.vehicle;
        int last = 0;  // the row of the stop before
        for (std::size_t i = 0; i < trip.stops.size(); ++i) {
          auto const& stop = trip.stops[i];
          int r = last + 1;
          while (r <= s.station_count && !(rows[r].given && rows[r].stop_id == stop.stop_id)) ++r;
          if (r > s.station_count) {
            stop_error(trip, stop, gtfs_text::kStopOffDirection, d);
            break;
          }
          bool const first = i == 0;
          bool const final = i + 1 == trip.stops.size();
          // A station listed as an arrival row and a departure row: a train that
          // starts there has only the departure, one that ends there only the arrival.
          if (rows[r].kind == 1 && r < s.station_count && rows[r + 1].given &&
              rows[r + 1].kind == 2 && rows[r + 1].stop_id == stop.stop_id) {
            bool const both = !(first || final) || stop.arrival != stop.departure;
            if (both || final) train.time[r] = stop.arrival;
            if (both || !final) train.time[r + 1] = stop.departure;
            last = r + 1;
          } else {
            train.time[r] = final ? stop.arrival : stop.departure;
            last = r;
          }
        }
        s.trains[d].push_back(std::move(train));
      }
    }
  }

  void place_keiyo(DataSource& s) {
    for (int k = 1; k <= kKeiyoTables; ++k) {
      auto& table = s.keiyo[k];
      int highest = 0;
      for (int p = 1; p <= kMaxKeiyoPositions; ++p) {
        table.station[p] = station_name(m_.keiyo_stop[k][p], 0);
        if (!m_.keiyo_stop[k][p].empty()) highest = p;
      }
      table.station_count = m_.keiyo_count[k] != 0 ? m_.keiyo_count[k] : highest;
      table.trains.clear();
      for (auto const& trip : keiyo_[k]) {
        SourceKeiyoTrain train;
        train.code = trip.code;
        int last = 0;
        for (std::size_t i = 0; i < trip.stops.size(); ++i) {
          auto const& stop = trip.stops[i];
          int p = last + 1;
          while (p <= kMaxKeiyoPositions && m_.keiyo_stop[k][p] != stop.stop_id) ++p;
          if (p > kKeiyoTimedPositions) {
            stop_error(trip, stop, gtfs_text::kStopOffKeiyo, k);
            break;
          }
          train.time[p] = i + 1 == trip.stops.size() ? stop.arrival : stop.departure;
          last = p;
        }
        table.trains.push_back(std::move(train));
      }
    }
  }

  const FeedTexts& feed_;
  const GtfsMapping& m_;
  SourceErrors& errors_;
  CsvTable stops_, trips_, times_, routes_, calendar_, calendar_dates_;
  std::map<std::string, FeedStop> stops_by_id_;
  std::set<std::string> services_;
  std::set<std::string> unfit_;  // stops whose name was reported
  std::set<std::string> all_trips_;
  struct TripRef {
    bool shinkansen;
    int table;
    int index;
  };
  std::map<std::string, TripRef> trip_index_;
  std::array<std::vector<FeedTrip>, 3> shinkansen_{};
  std::array<std::vector<FeedTrip>, kKeiyoTables + 1> keiyo_{};
};

}  // namespace

Status import_gtfs(const FeedTexts& feed, const GtfsMapping& mapping, DataSource& source) {
  SourceErrors errors;
  FeedImporter(feed, mapping, errors).run(source);
  if (!errors.empty()) return errors.status();
  // The compiler's own checks catch what the feed checks above do not (the
  // Keiyo time field, vehicle types of the Edition, block limits).
  SourceTexts texts;
  if (Status const formatted = format_data_source(source, texts); !formatted) return formatted;
  DataSource reparsed;
  std::string bytes;
  if (Status const parsed = parse_data_source(texts, reparsed); !parsed) return parsed;
  return write_data_file(reparsed, bytes);
}

}  // namespace vorlash
