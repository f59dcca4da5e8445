// Writing a source model's timetables as a transit feed, with the mapping
// that imports the feed back into the same sources.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>

#include "board/board_texts.h"
#include "data/data_compiler.h"
#include "data/data_source_errors.h"
#include "data/file_io.h"
#include "gtfs/gtfs.h"
#include "gtfs/gtfs_csv.h"
#include "gtfs/gtfs_texts.h"
#include "text/fill.h"
#include "data/readers.h"
#include "text/date.h"
#include "text/fullwidth.h"
#include "text/number_format.h"

namespace vorlash {

namespace {

namespace gt = gtfs_text;

std::string num(int value) {
  return std::to_string(value);
}

std::string str(std::string_view text) {
  return std::string(text);
}

// "ST001", "SK1-012": stable ids in order of appearance.
std::string numbered_id(const std::string& prefix, std::size_t n) {
  return prefix + format_number(static_cast<long long>(n), "000");
}

// hhmm -> "HH:MM:00"; hours past 24 stay as they are (24:15:00).
std::string gtfs_time(int hhmm) {
  return format_number(hhmm / 100, "00") + ":" + format_number(hhmm % 100, "00") + ":00";
}

std::string gtfs_date(int day) {
  CivilDate const c = civil_date(day);
  return format_number(c.year, "0000") + format_number(c.month, "00") + format_number(c.day, "00");
}

// Weekdays Monday..Sunday on which an operating-day code runs (holidays
// cannot be told apart from weekdays in a calendar of weekdays).
std::string weekdays_of(int days) {
  switch (days) {
    case 1:
      return "1111110";  // not on Sundays and holidays
    case 10:
      return "1111101";  // not on Saturdays
    case 11:
      return "1111100";  // weekdays only
    case 50:
      return "0000100";  // Fridays
    case 51:
      return "0000101";  // Fridays, Sundays and holidays
    case 70:
      return "0000001";  // Sundays and holidays
    case 170:
      return "1111110";  // not on Sundays
    default:
      return "1111111";  // daily
  }
}

// The name and number as the departure board shows them ("のぞみ００１");
// a code whose letter names no train is written as it is.
std::string short_name(const std::string& code) {
  std::string_view const name = code.empty() ? "" : board_text::train_name(code.front());
  if (name.empty()) return code;
  std::string const number = code.substr(1);
  bool digits = !number.empty() && number.size() <= 9;
  for (char const c : number) digits = digits && c >= '0' && c <= '9';
  return str(name) + to_fullwidth(digits ? format_number(std::stoll(number), "000") : number);
}

class FeedBuilder {
 public:
  FeedBuilder(const DataSource& s, SourceErrors& errors) : s_(s), errors_(errors) {}

  void build(const GtfsExportInfo& info, FeedTexts& files) {
    m_.edition = s_.edition;
    m_.station_count = s_.station_count;
    stops_ = format_csv_row({"stop_id", "stop_name"});
    map_stations();
    trips_ =
        format_csv_row({"route_id", "service_id", "trip_id", "trip_short_name", "direction_id"});
    times_ =
        format_csv_row({"trip_id", "arrival_time", "departure_time", "stop_id", "stop_sequence"});
    add_shinkansen_trips();
    add_keiyo_trips();

    int start = 0;
    if (int y = 0, mo = 0, d = 0;
        std::sscanf(info.date.c_str(), "%d/%d/%d", &y, &mo, &d) == 3 && is_valid_date(y, mo, d)) {
      start = day_number(y, mo, d);
    } else {
      errors_.add("feed_info.txt", 0,
                  fill(gt::kDateNotYmd, {quote_text(info.date)}));
      return;
    }
    CivilDate const c = civil_date(start);
    int const end =
        (is_valid_date(c.year + 1, c.month, c.day) ? day_number(c.year + 1, c.month, c.day)
                                                   : day_number(c.year + 1, 3, 1)) -
        1;

    files["agency.txt"] =
        format_csv_row(
            {"agency_id", "agency_name", "agency_url", "agency_timezone", "agency_lang"}) +
        format_csv_row({str(gt::kAgencyId), str(gt::kAgencyName), str(gt::kPublisherUrl),
                        str(gt::kTimezone), str(gt::kLanguage)});
    files["routes.txt"] =
        format_csv_row(
            {"route_id", "agency_id", "route_short_name", "route_long_name", "route_type"}) +
        format_csv_row(
            {str(gt::kShinkansenRoute), str(gt::kAgencyId), "",
             str(gt::kShinkansenName[s_.edition >= 1 && s_.edition <= 3 ? s_.edition : 0]),
             num(gt::kHighSpeedRail)}) +
        format_csv_row({str(gt::kKeiyoRoute), str(gt::kAgencyId), "", str(gt::kKeiyoName),
                        num(gt::kRegionalRail)});
    std::string calendar =
        format_csv_row({"service_id", "monday", "tuesday", "wednesday", "thursday", "friday",
                        "saturday", "sunday", "start_date", "end_date"});
    auto add_service = [&](const std::string& id, const std::string& weekdays) {
      std::vector<std::string> row = {id};
      for (char const c : weekdays) row.push_back(std::string(1, c));
      row.push_back(gtfs_date(start));
      row.push_back(gtfs_date(end));
      calendar += format_csv_row(row);
    };
    for (auto const& [id, days] : m_.service_days) add_service(id, weekdays_of(days));
    add_service(str(gt::kKeiyoWeekday), "1111100");
    add_service(str(gt::kKeiyoHoliday), "0000011");
    files["calendar.txt"] = calendar;
    files["feed_info.txt"] =
        format_csv_row({"feed_publisher_name", "feed_publisher_url", "feed_lang", "feed_start_date",
                        "feed_end_date", "feed_version"}) +
        format_csv_row({str(gt::kAgencyName), str(gt::kPublisherUrl), str(gt::kLanguage),
                        gtfs_date(start), gtfs_date(end), info.date});
    files["stops.txt"] = stops_;
    files["trips.txt"] = trips_;
    files["stop_times.txt"] = times_;
    std::map<std::string, std::string> names;
    for (auto const& [name, id] : stop_ids_) names[id] = name;
    files[kGtfsMappingFile] = format_gtfs_mapping(m_, names);
  }

 private:
  // One stop per station name, numbered in order of first appearance.
  std::string stop_for(const std::string& name) {
    if (name.empty()) return {};
    auto const [it, added] = stop_ids_.emplace(name, "");
    if (added) {
      it->second = numbered_id("ST", stop_ids_.size());
      stops_ += format_csv_row({it->second, name});
    }
    return it->second;
  }

  void map_stations() {
    m_.shinkansen_routes = {str(gt::kShinkansenRoute)};
    m_.direction = {{"0", 1}, {"1", 2}};
    for (int d = 1; d <= 2; ++d) {
      for (int r = 1; r <= kMaxRows; ++r) {
        auto const& row = s_.stations[d][r];
        if (row.name.empty() && row.kind == 0) continue;
        m_.rows[d][r] = MappedRow{true, stop_for(row.name), row.kind, 0};
      }
    }
    m_.keiyo_route = str(gt::kKeiyoRoute);
    for (int k = 1; k <= kKeiyoTables; ++k) {
      m_.keiyo_count[k] = s_.keiyo[k].station_count;
      for (int p = 1; p <= kMaxKeiyoPositions; ++p)
        m_.keiyo_stop[k][p] = stop_for(s_.keiyo[k].station[p]);
      bool const weekday = k <= 2;
      std::string const service = str(weekday ? gt::kKeiyoWeekday : gt::kKeiyoHoliday);
      m_.keiyo_tables[{service, k % 2 == 1 ? "0" : "1"}] = k;
    }
    for (auto const& [letter, name] : board_text::kTrainNames)
      m_.train_names.emplace_back(letter, str(name));
  }

  void add_stop(const std::string& trip, int arrival, int departure, const std::string& stop,
                int& sequence) {
    times_ +=
        format_csv_row({trip, gtfs_time(arrival), gtfs_time(departure), stop, num(++sequence)});
  }

  void add_shinkansen_trips() {
    int const rows = std::clamp(s_.station_count, 0, kMaxRows);
    for (int d = 1; d <= 2; ++d) {
      auto const& list = m_.rows[d];
      for (std::size_t i = 0; i < s_.trains[d].size(); ++i) {
        auto const& train = s_.trains[d][i];
        std::string const id = numbered_id("SK" + num(d) + "-", i + 1);
        std::string const service = "SK_D" + num(train.days);
        m_.service_days[service] = train.days;
        std::string const name = short_name(train.code);
        trips_ += format_csv_row({str(gt::kShinkansenRoute), service, id, name, num(d - 1)});
        if (!train.vehicle.empty() || code_from_short_name(m_, name) != train.code)
          m_.trips[id] = MappedTrip{train.code, train.vehicle, 0};
        int sequence = 0;
        for (int r = 1; r <= rows; ++r) {
          // An arrival row followed by the departure row of the same station is one stop.
          bool const pair = list[r].kind == 1 && r < rows && list[r + 1].kind == 2 &&
                            list[r + 1].stop_id == list[r].stop_id;
          int arrival = train.time[r];
          int departure = pair ? train.time[r + 1] : arrival;
          if (pair) ++r;
          if (arrival == 0 && departure == 0) continue;
          if (list[r].stop_id.empty()) {
            errors_.add(shinkansen_file_name(d), 0,
                        fill(gt::kRowWithoutStation, {num(static_cast<int>(i) + 1), num(r)}));
            continue;
          }
          if (arrival == 0) arrival = departure;
          if (departure == 0) departure = arrival;
          add_stop(id, arrival, departure, list[r].stop_id, sequence);
        }
      }
    }
  }

  void add_keiyo_trips() {
    for (int k = 1; k <= kKeiyoTables; ++k) {
      std::string const service = str(k <= 2 ? gt::kKeiyoWeekday : gt::kKeiyoHoliday);
      for (std::size_t i = 0; i < s_.keiyo[k].trains.size(); ++i) {
        auto const& train = s_.keiyo[k].trains[i];
        std::string const id = numbered_id("KY" + num(k) + "-", i + 1);
        trips_ +=
            format_csv_row({str(gt::kKeiyoRoute), service, id, train.code, k % 2 == 1 ? "0" : "1"});
        int sequence = 0;
        for (int p = 1; p <= kKeiyoTimedPositions; ++p) {
          if (train.time[p] == 0) continue;
          if (m_.keiyo_stop[k][p].empty()) {
            errors_.add(keiyo_file_name(k), 0,
                        fill(gt::kPositionWithoutStation,
                             {num(static_cast<int>(i) + 1), num(p)}));
            continue;
          }
          add_stop(id, train.time[p], train.time[p], m_.keiyo_stop[k][p], sequence);
        }
      }
    }
  }

  const DataSource& s_;
  SourceErrors& errors_;
  GtfsMapping m_;
  std::map<std::string, std::string> stop_ids_;
  std::string stops_;
  std::string trips_;
  std::string times_;
};

}  // namespace

Status export_gtfs(const DataSource& source, const GtfsExportInfo& info, FeedTexts& files) {
  SourceErrors errors;
  files.clear();
  FeedBuilder(source, errors).build(info, files);
  return errors.status();
}

Status export_gtfs_file(const std::string& data_file, const std::string& dir) {
  auto state = std::make_unique<AppState>();  // large: keep it off the stack
  if (Status const read = read_whole_data_file(data_file, *state); !read) return read;
  auto source = std::make_unique<DataSource>();
  if (Status const made = data_source_from_state(*state, *source); !made) return made;
  FeedTexts files;
  if (Status const exported = export_gtfs(*source, GtfsExportInfo{state->data_date_text}, files);
      !exported)
    return exported;
  return write_output_folder(gtfs_export_output(dir), files);
}

}  // namespace vorlash
