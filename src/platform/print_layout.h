// The page layout of a print job, in character cells of a fixed-pitch font:
// a half-width character takes one column, every other character two (as
// the Japanese fixed-pitch fonts draw them). The printer turns the cells into
// places on the paper; the layout itself knows nothing of fonts or paper.
//
// - A TAB advances to the next multiple of kTabColumns; the text boxes on
//   screen show their text through expand_tabs, with the same stops.
// - A line that fits the width is never broken. A longer one continues on the
//   next row, indented under its own text: under the field that began at its
//   last TAB (without a TAB, at its first full-width colon), or else under
//   its first non-blank character. A row breaks at a blank, a Japanese comma
//   or before a bracket where that leaves it at least half full, and not
//   between a pair of brackets where it can break before them.
// - Pages break only between rows, and a paragraph (the rows of consecutive
//   non-blank lines, such as one connection of a search result) is kept on
//   one page where it fits on a page at all.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlash {

inline constexpr int kTabColumns = 8;

// One printed row: `text` (no TABs, no line breaks) starts at column `indent`.
struct PrintRow {
  int indent = 0;
  std::string text;

  bool operator==(const PrintRow&) const = default;
};

using PrintPage = std::vector<PrintRow>;

// Columns taken by one character (TAB aside).
int char_columns(char32_t code_point);

// Width of a UTF-8 text without TABs, in columns.
int text_columns(std::string_view utf8);

// The column a TAB at `column` advances to.
inline int next_tab_stop(int column) {
  return (column / kTabColumns + 1) * kTabColumns;
}

// The text with each TAB replaced by the blanks up to its stop, line by line
// (CR and LF start a new line): what the screen shows, column for column as
// the printout places it.
std::string expand_tabs(std::string_view text);

// The rows of one line (no line breaks in it) on a page `columns` wide.
// Trailing blanks are dropped; an empty or blank line is one empty row.
std::vector<PrintRow> wrap_line(std::string_view line, int columns);

// The pages of a job: each item is split into lines at CR LF, LF or CR and
// laid out on pages `columns` wide holding `rows` rows each. Blank rows at
// the top of a page other than the first are left out. Always at least one
// page.
std::vector<PrintPage> lay_out_pages(const std::vector<std::string>& items, int columns, int rows);

// The foot of a page: "1 / 3".
std::string page_number_text(int page, int page_count);

}  // namespace vorlash
