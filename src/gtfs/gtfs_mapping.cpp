#include "gtfs/gtfs_mapping.h"

#include "data/data_source_errors.h"
#include "data/tsv_text.h"
#include "gtfs/gtfs_texts.h"
#include "text/fill.h"

namespace vorlash {

namespace {

// A whole number within [low, high], else nullopt-like -1 marker via ok.
bool read_int(const std::string& field, int low, int high, int& value) {
  if (field.empty() || field.size() > 6) return false;
  value = 0;
  for (char const c : field) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return value >= low && value <= high;
}

struct Keyword {
  std::string_view name;
  std::size_t fields;  // including the keyword
  std::string_view usage;
};

constexpr Keyword kKeywords[] = {
    {"edition", 2, "edition N"},
    {"station_count", 2, "station_count N"},
    {"shinkansen_route", 2, "shinkansen_route ROUTE_ID"},
    {"keiyo_route", 2, "keiyo_route ROUTE_ID"},
    {"direction", 3, "direction DIRECTION_ID 1|2"},
    {"station", 5, "station 1|2 ROW STOP_ID KIND"},
    {"service", 3, "service SERVICE_ID DAYS"},
    {"train_name", 3, "train_name LETTER NAME"},
    {"trip", 4, "trip TRIP_ID CODE VEHICLE"},
    {"keiyo_table", 4, "keiyo_table TABLE SERVICE_ID DIRECTION_ID"},
    {"keiyo_count", 3, "keiyo_count TABLE COUNT"},
    {"keiyo_station", 4, "keiyo_station TABLE POSITION STOP_ID"},
};

}  // namespace

Status parse_gtfs_mapping(std::string_view text, const std::string& name, GtfsMapping& m) {
  m = GtfsMapping{};
  SourceErrors errors;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  int line_no = 0;
  while (!text.empty()) {
    ++line_no;
    std::string_view const line = take_line(text);
    if (line.empty() || line.starts_with('#')) continue;
    auto f = split_tabs(line);
    // A field starting with '#' comments out the rest of the line.
    for (std::size_t i = 1; i < f.size(); ++i) {
      if (f[i].starts_with('#')) {
        f.resize(i);
        break;
      }
    }
    Keyword const* keyword = nullptr;
    for (auto const& k : kKeywords) {
      if (k.name == f[0]) keyword = &k;
    }
    auto fail = [&](std::string_view message) { errors.add(name, line_no, message); };
    if (keyword == nullptr) {
      fail(fill(gtfs_text::kNotKeyword, {quote_text(f[0])}));
      continue;
    }
    if (f.size() != keyword->fields) {
      fail(fill(gtfs_text::kExpectedFields, {std::string(keyword->usage)}));
      continue;
    }
    int a = 0;
    int b = 0;
    std::string_view const key = keyword->name;
    if (key == "edition") {
      if (!read_int(f[1], 1, 3, m.edition)) fail(gtfs_text::kEditionRange);
    } else if (key == "station_count") {
      if (!read_int(f[1], 1, kMaxRows, m.station_count)) fail(gtfs_text::kStationCountRange);
    } else if (key == "shinkansen_route") {
      m.shinkansen_routes.push_back(f[1]);
    } else if (key == "keiyo_route") {
      if (!m.keiyo_route.empty()) fail(gtfs_text::kOneKeiyoRoute);
      m.keiyo_route = f[1];
    } else if (key == "direction") {
      if (!read_int(f[2], 1, 2, a))
        fail(gtfs_text::kDirectionRange);
      else if (!m.direction.emplace(f[1], a).second)
        fail(fill(gtfs_text::kMappedTwice, {"direction_id " + quote_text(f[1])}));
    } else if (key == "station") {
      if (!read_int(f[1], 1, 2, a) || !read_int(f[2], 1, kMaxRows, b)) {
        fail(gtfs_text::kStationRowRange);
      } else if (int kind = 0; !read_int(f[4], 0, 2, kind)) {
        fail(gtfs_text::kKindRange);
      } else if (m.rows[a][b].given) {
        fail(fill(gtfs_text::kRowTwice, {f[1], f[2]}));
      } else {
        m.rows[a][b] = MappedRow{true, f[3], kind, line_no};
      }
    } else if (key == "service") {
      if (!read_int(f[2], 0, 255, a))
        fail(gtfs_text::kDayCodeRange);
      else if (!m.service_days.emplace(f[1], a).second)
        fail(fill(gtfs_text::kMappedTwice, {"service " + quote_text(f[1])}));
    } else if (key == "train_name") {
      if (f[1].size() != 1 || f[2].empty())
        fail(gtfs_text::kTrainNameForm);
      else
        m.train_names.emplace_back(f[1][0], f[2]);
    } else if (key == "trip") {
      if (!m.trips.emplace(f[1], MappedTrip{f[2], f[3], line_no}).second)
        fail(fill(gtfs_text::kTripGivenTwice, {quote_text(f[1])}));
    } else if (key == "keiyo_table") {
      if (!read_int(f[1], 1, kKeiyoTables, a))
        fail(gtfs_text::kKeiyoTableRange);
      else if (!m.keiyo_tables.emplace(std::pair(f[2], f[3]), a).second)
        fail(fill(gtfs_text::kMappedTwice,
                  {"service " + quote_text(f[2]) + " direction " + quote_text(f[3])}));
    } else if (key == "keiyo_count") {
      if (!read_int(f[1], 1, kKeiyoTables, a) || !read_int(f[2], 0, kMaxKeiyoPositions, b))
        fail(gtfs_text::kKeiyoCountRange);
      else
        m.keiyo_count[a] = b;
    } else if (key == "keiyo_station") {
      if (!read_int(f[1], 1, kKeiyoTables, a) || !read_int(f[2], 1, kMaxKeiyoPositions, b))
        fail(gtfs_text::kKeiyoPositionRange);
      else
        m.keiyo_stop[a][b] = f[3];
    }
  }
  if (errors.empty() && m.shinkansen_routes.empty() && m.keiyo_route.empty())
    errors.add(name, 0, gtfs_text::kNothingToImport);
  return errors.status();
}

std::string format_gtfs_mapping(const GtfsMapping& m,
                                const std::map<std::string, std::string>& stop_names) {
  std::string out;
  auto line = [&out](std::vector<std::string> fields) {
    bool first = true;
    for (auto const& f : fields) {
      if (!first) out += '\t';
      out += f;
      first = false;
    }
    out += '\n';
  };
  auto num = [](int v) { return std::to_string(v); };
  auto note = [&stop_names](const std::string& stop_id) {
    auto const found = stop_names.find(stop_id);
    return found == stop_names.end() ? std::string() : "\t# " + found->second;
  };
  out += "# How vorlash-cli import-gtfs reads this feed (docs/gtfs.md).\n";
  if (m.edition != 0) line({"edition", num(m.edition)});
  if (m.station_count != 0) line({"station_count", num(m.station_count)});
  for (auto const& route : m.shinkansen_routes) line({"shinkansen_route", route});
  for (auto const& [id, d] : m.direction) line({"direction", id, num(d)});
  for (int d = 1; d <= 2; ++d) {
    for (int r = 1; r <= kMaxRows; ++r) {
      auto const& row = m.rows[d][r];
      if (row.given)
        line({"station", num(d), num(r), row.stop_id, num(row.kind) + note(row.stop_id)});
    }
  }
  for (auto const& [id, days] : m.service_days) line({"service", id, num(days)});
  for (auto const& [letter, name] : m.train_names)
    line({"train_name", std::string(1, letter), name});
  for (auto const& [id, trip] : m.trips) line({"trip", id, trip.code, trip.vehicle});
  if (!m.keiyo_route.empty()) line({"keiyo_route", m.keiyo_route});
  for (auto const& [key, k] : m.keiyo_tables) line({"keiyo_table", num(k), key.first, key.second});
  for (int k = 1; k <= kKeiyoTables; ++k) {
    if (m.keiyo_count[k] != 0) line({"keiyo_count", num(k), num(m.keiyo_count[k])});
    for (int p = 1; p <= kMaxKeiyoPositions; ++p) {
      if (!m.keiyo_stop[k][p].empty())
        line({"keiyo_station", num(k), num(p), m.keiyo_stop[k][p] + note(m.keiyo_stop[k][p])});
    }
  }
  return out;
}

std::string code_from_short_name(const GtfsMapping& m, std::string_view short_name) {
  for (auto const& [letter, name] : m.train_names) {
    if (!short_name.starts_with(name)) continue;
    std::string_view rest = short_name.substr(name.size());
    constexpr std::string_view kNumberMark = "号";  // data text: not translated
    if (rest.ends_with(kNumberMark)) rest.remove_suffix(kNumberMark.size());
    std::string digits;
    while (!rest.empty()) {
      if (rest[0] >= '0' && rest[0] <= '9') {
        digits += rest[0];
        rest.remove_prefix(1);
      } else if (rest.size() >= 3 && rest.starts_with("\xEF\xBC") &&
                 static_cast<unsigned char>(rest[2]) >= 0x90 &&
                 static_cast<unsigned char>(rest[2]) <= 0x99) {  // U+FF10..U+FF19
        digits += static_cast<char>('0' + (static_cast<unsigned char>(rest[2]) - 0x90));
        rest.remove_prefix(3);
      } else {
        break;
      }
    }
    if (!rest.empty() || digits.empty()) continue;
    std::size_t const nonzero = digits.find_first_not_of('0');
    digits = nonzero == std::string::npos ? "0" : digits.substr(nonzero);
    return std::string(1, letter) + digits;
  }
  return std::string(short_name);
}

}  // namespace vorlash
