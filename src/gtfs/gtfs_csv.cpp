#include "gtfs/gtfs_csv.h"

#include "gtfs/gtfs_texts.h"
#include "text/fill.h"

namespace vorlash {

int CsvTable::column(std::string_view name) const {
  for (std::size_t i = 0; i < header.size(); ++i) {
    if (header[i] == name) return static_cast<int>(i);
  }
  return -1;
}

namespace {

// Reads one record starting at pos; advances pos past its line end and counts
// the line breaks it spans (quoted fields may hold line breaks).
Status read_record(std::string_view text, std::size_t& pos, int& line, const std::string& name,
                   std::vector<std::string>& fields) {
  fields.assign(1, std::string());
  int const start_line = line;
  bool quoted = false;
  bool after_quote = false;  // a quoted field has been closed
  while (pos < text.size()) {
    char const c = text[pos++];
    if (quoted) {
      if (c == '"') {
        if (pos < text.size() && text[pos] == '"') {
          fields.back() += '"';
          ++pos;
        } else {
          quoted = false;
          after_quote = true;
        }
      } else {
        if (c == '\n') ++line;
        fields.back() += c;
      }
      continue;
    }
    if (c == ',') {
      fields.emplace_back();
      after_quote = false;
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
      ++line;
      return Status::success();
    } else if (after_quote) {
      return Status::failure(name + ":" + std::to_string(line) + ": " +
                             fill(gtfs_text::kTextAfterQuote, {std::to_string(fields.size())}));
    } else if (c == '"' && fields.back().empty()) {
      quoted = true;
    } else {
      fields.back() += c;
    }
  }
  if (quoted)
    return Status::failure(name + ":" + std::to_string(start_line) + ": " +
                           std::string(gtfs_text::kQuoteNotClosed));
  ++line;
  return Status::success();
}

bool blank_record(const std::vector<std::string>& fields) {
  return fields.size() == 1 && fields[0].empty();
}

}  // namespace

Status parse_csv(std::string_view text, const std::string& name, CsvTable& table) {
  table = CsvTable{};
  table.name = name;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::size_t pos = 0;
  int line = 1;
  bool have_header = false;
  std::vector<std::string> fields;
  while (pos < text.size()) {
    int const record_line = line;
    if (Status const read = read_record(text, pos, line, name, fields); !read) return read;
    if (blank_record(fields)) continue;
    if (!have_header) {
      table.header = std::move(fields);
      for (auto& column : table.header) {
        while (!column.empty() && column.back() == ' ') column.pop_back();
        while (!column.empty() && column.front() == ' ') column.erase(0, 1);
      }
      have_header = !blank_record(table.header);  // a line of blanks is no header
      continue;
    }
    if (fields.size() > table.header.size())
      return Status::failure(name + ":" + std::to_string(record_line) + ": " +
                             fill(gtfs_text::kTooManyFields, {std::to_string(fields.size()),
                                                              std::to_string(table.header.size())}));
    fields.resize(table.header.size());
    table.rows.push_back(CsvRow{record_line, std::move(fields)});
  }
  if (!have_header) return Status::failure(name + ": " + std::string(gtfs_text::kNoHeader));
  return Status::success();
}

std::string format_csv_row(const std::vector<std::string>& fields) {
  std::string out;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += ',';
    std::string const& f = fields[i];
    // A field that begins with a byte-order mark is quoted too: at the start
    // of a file the reader would take the mark for the file's own.
    bool const quote = f.find_first_of(",\"\r\n") != std::string::npos ||
                       (!f.empty() && (f.front() == ' ' || f.back() == ' ')) ||
                       f.starts_with("\xEF\xBB\xBF");
    if (!quote) {
      out += f;
      continue;
    }
    out += '"';
    for (char const c : f) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  out += "\r\n";
  return out;
}

const std::string& CsvFields::get(std::string_view column) const {
  static const std::string kEmpty;
  int const i = table_.column(column);
  return i < 0 ? kEmpty : row_.fields[static_cast<std::size_t>(i)];
}

std::string CsvFields::where(std::string_view column) const {
  return table_.name + ":" + std::to_string(row_.line) + ": " + std::string(column);
}

}  // namespace vorlash
