// Comma-separated tables of a transit feed: reading (quoted fields, doubled
// quotes, LF or CR LF, a byte order mark) and writing (quoting only where a
// field needs it). Every row keeps its line number so that errors can name
// the file, the line and the column.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"

namespace vorlash {

struct CsvRow {
  int line = 0;  // line of the file where the row starts
  std::vector<std::string> fields;
};

struct CsvTable {
  std::string name;  // file name, for messages
  std::vector<std::string> header;
  std::vector<CsvRow> rows;

  // Index of a column, or -1 when the header lacks it.
  int column(std::string_view name) const;
};

// Parses one table. An unterminated quote, text after a closing quote, a row
// with more fields than the header or a missing header is an error naming the
// file and line. Rows with fewer fields are padded with empty fields; blank
// lines are skipped.
Status parse_csv(std::string_view text, const std::string& name, CsvTable& table);

// One row in the table's form: a field holding a comma, a quote, a CR or an LF
// (or starting or ending with a blank) is quoted, quotes doubled; rows end with CR LF.
std::string format_csv_row(const std::vector<std::string>& fields);

// Looks up fields of a row by column name; a missing column reads as empty.
class CsvFields {
 public:
  CsvFields(const CsvTable& table, const CsvRow& row) : table_(table), row_(row) {}
  const std::string& get(std::string_view column) const;
  // "stops.txt:12: stop_id" - the place of a field, for messages.
  std::string where(std::string_view column) const;
  int line() const { return row_.line; }

 private:
  const CsvTable& table_;
  const CsvRow& row_;
};

}  // namespace vorlash
