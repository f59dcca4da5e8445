// Parsing a source folder: tab-separated UTF-8 files with a fixed header.
// Only the syntax is checked here (headers, column counts, numbers, times);
// the ranges that the DataFile layout imposes are checked when the file is
// written, so that a model built any other way gets the same checks.
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "data/data_compiler.h"
#include "data/data_source_errors.h"
#include "data/data_source_texts.h"
#include "data/file_io.h"
#include "data/tsv_text.h"
#include "platform/file_texts.h"
#include "platform/native_path.h"
#include "platform/system_error.h"
#include "text/fill.h"

namespace vorlash {

namespace {

struct TsvRow {
  int line = 0;
  std::vector<std::string> fields;
};

struct TsvFile {
  std::string name;
  std::vector<std::string> header;
  std::vector<TsvRow> rows;
};

std::string header_text(const std::vector<std::string>& header) {
  std::string text;
  for (auto const& column : header) {
    if (!text.empty()) text += ", ";
    text += column;
  }
  return text;
}

// Splits a source text into data rows under the expected header. Comment
// lines (starting with '#') and empty lines are skipped; a row with fewer
// fields than the header gets empty fields at its end. Returns false when the
// file cannot be used at all (no text, no header, another header).
bool split_tsv(const SourceTexts& texts, TsvFile& file, SourceErrors& errors) {
  auto const found = texts.find(file.name);
  if (found == texts.end()) {
    errors.add(file.name, 0, source_text::kFileMissing);
    return false;
  }
  std::string_view text = found->second;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  bool have_header = false;
  int line_no = 0;
  while (!text.empty()) {
    ++line_no;
    std::string_view const line = take_line(text);
    if (line.empty() || line.starts_with('#')) continue;
    auto fields = split_tabs(line);
    if (!have_header) {
      if (fields != file.header) {
        errors.add(file.name, line_no,
                   fill(source_text::kHeaderMismatch, {header_text(file.header)}));
        return false;
      }
      have_header = true;
      continue;
    }
    if (fields.size() > file.header.size()) {
      errors.add(file.name, line_no,
                 fill(source_text::kTooManyFields,
                      {std::to_string(fields.size()), std::to_string(file.header.size())}));
      continue;
    }
    fields.resize(file.header.size());
    file.rows.push_back(TsvRow{line_no, std::move(fields)});
  }
  if (!have_header) {
    errors.add(file.name, 0, fill(source_text::kNoHeader, {header_text(file.header)}));
    return false;
  }
  return true;
}

// Reads the fields of one row, reporting bad ones under their column name.
class RowReader {
 public:
  RowReader(const TsvFile& file, const TsvRow& row, SourceErrors& errors)
      : file_(file), row_(row), errors_(errors) {}

  const std::string& text(int column) const { return row_.fields[column]; }

  // A whole decimal number, optionally negative, that fits 32 bits.
  int whole(int column) {
    std::string_view const field = row_.fields[column];
    std::int64_t value = 0;
    bool const negative = field.starts_with('-');
    std::string_view const digits = negative ? field.substr(1) : field;
    bool ok = !digits.empty() && digits.size() <= 10;
    for (char const c : digits) ok = ok && c >= '0' && c <= '9';
    if (ok) {
      for (char const c : digits) value = value * 10 + (c - '0');
      if (negative) value = -value;
      ok = value >= INT32_MIN && value <= INT32_MAX;
    }
    if (!ok) {
      fail(column, field.empty() ? source_text::kFieldEmpty : source_text::kFieldNotWhole);
      return 0;
    }
    return static_cast<int>(value);
  }

  // H:MM or HH:MM as hour * 100 + minute; empty = 0 (no time).
  int time(int column) {
    std::string_view const field = row_.fields[column];
    if (field.empty()) return 0;
    std::size_t const colon = field.find(':');
    bool ok =
        colon != std::string_view::npos && (colon == 1 || colon == 2) && field.size() == colon + 3;
    int hour = 0;
    int minute = 0;
    if (ok) {
      for (std::size_t i = 0; i < field.size(); ++i)
        ok = ok && (i == colon || (field[i] >= '0' && field[i] <= '9'));
    }
    if (ok) {
      std::from_chars(field.data(), field.data() + colon, hour);
      std::from_chars(field.data() + colon + 1, field.data() + field.size(), minute);
      ok = hour <= 47 && minute <= 59;
    }
    if (!ok) {
      fail(column, source_text::kFieldNotTime);
      return 0;
    }
    if (hour == 0 && minute == 0) {
      fail(column, source_text::kFieldZeroTime);
      return 0;
    }
    return hour * 100 + minute;
  }

  // Kilometres with exactly one decimal, as tenths.
  int tenths(int column) {
    std::string_view const field = row_.fields[column];
    std::size_t const dot = field.find('.');
    bool ok = dot != std::string_view::npos && dot >= 1 && dot <= 8 && field.size() == dot + 2;
    for (std::size_t i = 0; ok && i < field.size(); ++i)
      ok = i == dot || (field[i] >= '0' && field[i] <= '9');
    if (!ok) {
      fail(column, source_text::kFieldNotDistance);
      return 0;
    }
    int value = 0;
    for (std::size_t i = 0; i < field.size(); ++i)
      if (i != dot) value = value * 10 + (field[i] - '0');
    return value;
  }

  // pattern: a text of source_text with the column and the quoted field.
  void fail(int column, std::string_view pattern) {
    errors_.add(file_.name, row_.line,
                fill(pattern, {file_.header[column], quote_text(row_.fields[column])}));
  }

 private:
  const TsvFile& file_;
  const TsvRow& row_;
  SourceErrors& errors_;
};

TsvFile tsv(std::string name, std::vector<std::string> header) {
  return TsvFile{std::move(name), std::move(header), {}};
}

// Columns "prefix1" .. "prefixN".
void add_numbered(std::vector<std::string>& header, std::string_view prefix, int n) {
  for (int i = 1; i <= n; ++i) header.push_back(std::string(prefix) + std::to_string(i));
}

void parse_edition(const SourceTexts& texts, DataSource& source, SourceErrors& errors) {
  auto file = tsv(kEditionFile, {"key", "value"});
  if (!split_tsv(texts, file, errors)) return;
  for (auto const& row : file.rows) {
    RowReader r(file, row, errors);
    int* value = nullptr;
    int* line = nullptr;
    if (r.text(0) == "edition") {
      value = &source.edition;
      line = &source.edition_line;
    } else if (r.text(0) == "station_count") {
      value = &source.station_count;
      line = &source.station_count_line;
    } else {
      errors.add(file.name, row.line, fill(source_text::kUnknownKey, {quote_text(r.text(0))}));
      continue;
    }
    if (*line != 0) {
      errors.add(
          file.name, row.line,
          fill(source_text::kGivenTwice, {"key " + quote_text(r.text(0)), std::to_string(*line)}));
      continue;
    }
    *value = r.whole(1);
    *line = row.line;
  }
  if (source.edition_line == 0)
    errors.add(file.name, 0, fill(source_text::kEntryMissing, {"key " + quote_text("edition")}));
  if (source.station_count_line == 0)
    errors.add(file.name, 0,
               fill(source_text::kEntryMissing, {"key " + quote_text("station_count")}));
  if (source.station_count_line != 0 &&
      (source.station_count < 1 || source.station_count > kMaxRows))
    errors.add(
        file.name, source.station_count_line,
        fill(source_text::kOutOfRange, {"station_count", std::to_string(source.station_count), "1",
                                        std::to_string(kMaxRows)}));
}

void parse_regions(const SourceTexts& texts, DataSource& source, SourceErrors& errors) {
  auto file = tsv(kRegionsFile, {"name", "area", "digit"});
  if (!split_tsv(texts, file, errors)) return;
  for (auto const& row : file.rows) {
    RowReader r(file, row, errors);
    source.regions.push_back(SourceRegion{r.text(0), r.whole(1), r.whole(2), row.line});
  }
}

void parse_districts(const SourceTexts& texts, DataSource& source, SourceErrors& errors) {
  auto file = tsv(kDistrictsFile, {"name"});
  if (!split_tsv(texts, file, errors)) return;
  for (auto const& row : file.rows)
    source.districts.push_back(SourceDistrict{row.fields[0], row.line});
}

void parse_keiyo_stations(const SourceTexts& texts, DataSource& source, SourceErrors& errors) {
  std::vector<std::string> header = {"table", "count"};
  add_numbered(header, "name", kMaxKeiyoPositions);
  auto file = tsv(kKeiyoStationsFile, header);
  if (!split_tsv(texts, file, errors)) return;
  for (auto const& row : file.rows) {
    RowReader r(file, row, errors);
    int const k = r.whole(0);
    if (k < 1 || k > kKeiyoTables) {
      errors.add(file.name, row.line,
                 fill(source_text::kOutOfRange,
                      {"table", quote_text(r.text(0)), "1", std::to_string(kKeiyoTables)}));
      continue;
    }
    auto& table = source.keiyo[k];
    if (table.line != 0) {
      errors.add(file.name, row.line,
                 fill(source_text::kGivenTwice,
                      {"table " + std::to_string(k), std::to_string(table.line)}));
      continue;
    }
    table.line = row.line;
    table.station_count = r.whole(1);
    for (int p = 1; p <= kMaxKeiyoPositions; ++p) table.station[p] = r.text(1 + p);
  }
  for (int k = 1; k <= kKeiyoTables; ++k)
    if (source.keiyo[k].line == 0)
      errors.add(file.name, 0, fill(source_text::kEntryMissing, {"table " + std::to_string(k)}));
}

void parse_keiyo_trains(const SourceTexts& texts, int k, DataSource& source, SourceErrors& errors) {
  std::vector<std::string> header = {"code"};
  add_numbered(header, "p", kKeiyoTimedPositions);
  auto file = tsv(keiyo_file_name(k), header);
  if (!split_tsv(texts, file, errors)) return;
  for (auto const& row : file.rows) {
    RowReader r(file, row, errors);
    SourceKeiyoTrain train;
    train.code = r.text(0);
    train.line = row.line;
    for (int p = 1; p <= kKeiyoTimedPositions; ++p) train.time[p] = r.time(p);
    source.keiyo[k].trains.push_back(std::move(train));
  }
}

void parse_shinkansen_stations(const SourceTexts& texts, DataSource& source, SourceErrors& errors) {
  auto file = tsv(kShinkansenStationsFile, {"direction", "row", "name", "kind"});
  if (!split_tsv(texts, file, errors)) return;
  for (auto const& row : file.rows) {
    RowReader r(file, row, errors);
    int const d = r.whole(0);
    int const n = r.whole(1);
    int const kind = r.whole(3);
    if (d != 1 && d != 2) {
      errors.add(file.name, row.line,
                 fill(source_text::kNotOneOrTwo, {"direction", quote_text(r.text(0))}));
      continue;
    }
    if (n < 1 || n > kMaxRows) {
      errors.add(file.name, row.line,
                 fill(source_text::kOutOfRange,
                      {"row", quote_text(r.text(1)), "1", std::to_string(kMaxRows)}));
      continue;
    }
    auto& slot = source.stations[d][n];
    if (slot.line != 0) {
      errors.add(file.name, row.line,
                 fill(source_text::kGivenTwice,
                      {"direction " + std::to_string(d) + " row " + std::to_string(n),
                       std::to_string(slot.line)}));
      continue;
    }
    slot = SourceStationRow{r.text(2), kind, row.line};
  }
}

void parse_shinkansen_trains(const SourceTexts& texts, int d, DataSource& source,
                             SourceErrors& errors) {
  int const rows = source.station_count;
  if (rows < 1 || rows > kMaxRows) return;  // reported with edition.tsv
  std::vector<std::string> header = {"code", "days", "vehicle"};
  add_numbered(header, "r", rows);
  auto file = tsv(shinkansen_file_name(d), header);
  if (!split_tsv(texts, file, errors)) return;
  for (auto const& row : file.rows) {
    RowReader r(file, row, errors);
    SourceShinkansenTrain train;
    train.code = r.text(0);
    train.days = r.whole(1);
    train.vehicle = r.text(2);
    train.line = row.line;
    for (int n = 1; n <= rows; ++n) train.time[n] = r.time(2 + n);
    source.trains[d].push_back(std::move(train));
  }
}

void parse_fares(const SourceTexts& texts, DataSource& source, SourceErrors& errors) {
  auto km = tsv(kKmFile, {"station", "km"});
  if (split_tsv(texts, km, errors)) {
    for (auto const& row : km.rows) {
      RowReader r(km, row, errors);
      SourceKm& e = source.km.emplace_back();
      e.station = r.text(0);
      e.tenths = r.tenths(1);
      e.line = row.line;
    }
  }
  auto pairs = tsv(kFarePairsFile,
                   {"station_a", "station_b", "fare", "express", "free_seat_express", "coupon"});
  if (split_tsv(texts, pairs, errors)) {
    for (auto const& row : pairs.rows) {
      RowReader r(pairs, row, errors);
      SourceFarePair& e = source.fare_pairs.emplace_back();
      e.station_a = r.text(0);
      e.station_b = r.text(1);
      e.fare = r.whole(2);
      e.express = r.whole(3);
      e.free_seat_express = r.whole(4);
      e.coupon = r.whole(5);
      e.line = row.line;
    }
  }
  auto green = tsv(kGreenFile, {"upper_km", "green", "room_1_2", "room_3_4"});
  if (split_tsv(texts, green, errors)) {
    for (auto const& row : green.rows) {
      RowReader r(green, row, errors);
      SourceGreen& e = source.green.emplace_back();
      e.upper_km = r.whole(0);
      e.green = r.whole(1);
      e.room_1_2 = r.whole(2);
      e.room_3_4 = r.whole(3);
      e.line = row.line;
    }
  }
  auto tickets =
      tsv(kTicketsFile, {"station_a", "station_b", "kind", "sheets", "validity", "price"});
  if (split_tsv(texts, tickets, errors)) {
    for (auto const& row : tickets.rows) {
      RowReader r(tickets, row, errors);
      SourceTicket& e = source.tickets.emplace_back();
      e.station_a = r.text(0);
      e.station_b = r.text(1);
      e.kind = r.whole(2);
      e.sheets = r.whole(3);
      e.validity = r.whole(4);
      e.price = r.whole(5);
      e.line = row.line;
    }
  }
  auto nozomi =
      tsv(kNozomiFile, {"station_a", "station_b", "nozomi_express", "supplement", "spare"});
  if (split_tsv(texts, nozomi, errors)) {
    for (auto const& row : nozomi.rows) {
      RowReader r(nozomi, row, errors);
      SourceNozomi& e = source.nozomi.emplace_back();
      e.station_a = r.text(0);
      e.station_b = r.text(1);
      e.nozomi_express = r.whole(2);
      e.supplement = r.whole(3);
      e.spare = r.whole(4);
      e.line = row.line;
    }
  }
}

void parse_hotels(const SourceTexts& texts, DataSource& source, SourceErrors& errors) {
  auto file = tsv(kHotelsFile,
                  {"region", "district", "name", "tel", "rooms", "access", "charge", "remarks"});
  if (!split_tsv(texts, file, errors)) return;
  for (auto const& row : file.rows) {
    RowReader r(file, row, errors);
    SourceHotel& e = source.hotels.emplace_back();
    e.region = r.text(0);
    e.district = r.text(1);
    e.name = r.text(2);
    e.tel = r.text(3);
    e.rooms = r.whole(4);
    e.access = r.text(5);
    e.charge = r.text(6);
    e.remarks = r.text(7);
    e.line = row.line;
  }
}

}  // namespace

std::string keiyo_file_name(int table) {
  return "keiyo_" + std::to_string(table) + ".tsv";
}

std::string shinkansen_file_name(int direction) {
  return "shinkansen_" + std::to_string(direction) + ".tsv";
}

std::vector<std::string> source_file_names() {
  std::vector<std::string> names = {
      kEditionFile, kRegionsFile,   kDistrictsFile, kKeiyoStationsFile, kShinkansenStationsFile,
      kKmFile,      kFarePairsFile, kGreenFile,     kTicketsFile,       kNozomiFile,
      kHotelsFile};
  for (int k = 1; k <= kKeiyoTables; ++k) names.push_back(keiyo_file_name(k));
  for (int d = 1; d <= 2; ++d) names.push_back(shinkansen_file_name(d));
  return names;
}

Status read_source_texts(const std::string& dir, SourceTexts& texts) {
  std::error_code ec;
  auto const st = std::filesystem::status(native_path(dir), ec);
  if (!std::filesystem::exists(st)) return read_failure(dir, file_text::kFolderMissing);
  if (!std::filesystem::is_directory(st)) return read_failure(dir, file_text::kNotFolder);
  SourceErrors errors;
  for (auto const& name : source_file_names()) {
    std::string const path = utf8_path(native_path(dir) / native_path(name));
    std::string bytes;
    // The reader's own message: missing, a FIFO, a folder, too large ...
    if (Status const read = read_file_bytes(path, bytes); !read) {
      errors.add_message(read.error);
      continue;
    }
    texts[name] = std::move(bytes);
  }
  return errors.status();
}

Status parse_data_source(const SourceTexts& texts, DataSource& source) {
  source = DataSource{};
  SourceErrors errors;
  parse_edition(texts, source, errors);
  parse_regions(texts, source, errors);
  parse_districts(texts, source, errors);
  parse_keiyo_stations(texts, source, errors);
  for (int k = 1; k <= kKeiyoTables; ++k) parse_keiyo_trains(texts, k, source, errors);
  parse_shinkansen_stations(texts, source, errors);
  for (int d = 1; d <= 2; ++d) parse_shinkansen_trains(texts, d, source, errors);
  parse_fares(texts, source, errors);
  parse_hotels(texts, source, errors);
  return errors.status();
}

Status compile_data_folder(const std::string& dir, std::string& bytes) {
  SourceTexts texts;
  if (Status const read = read_source_texts(dir, texts); !read) return read;
  DataSource source;
  if (Status const parsed = parse_data_source(texts, source); !parsed) return parsed;
  return write_data_file(source, bytes);
}

}  // namespace vorlash
