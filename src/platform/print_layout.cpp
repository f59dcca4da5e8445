#include "platform/print_layout.h"

#include <algorithm>

namespace vorlash {

namespace {

// Bytes of the UTF-8 character that starts with `lead` (a stray byte counts
// as one, so that a broken text still advances).
std::size_t char_bytes(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// The code point of one UTF-8 character (its bytes as split by char_bytes).
char32_t code_point(std::string_view ch) {
  auto const byte = [&](std::size_t i) {
    return static_cast<char32_t>(static_cast<unsigned char>(ch[i]));
  };
  switch (ch.size()) {
    case 2:
      return (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
    case 3:
      return (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
    case 4:
      return (byte(0) & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 |
             (byte(3) & 0x3F);
    default:
      return byte(0);
  }
}

// The text's UTF-8 characters one by one.
std::string_view next_char(std::string_view text, std::size_t& i) {
  std::size_t const bytes =
      std::min(char_bytes(static_cast<unsigned char>(text[i])), text.size() - i);
  std::string_view const ch = text.substr(i, bytes);
  i += bytes;
  return ch;
}

bool is_blank(std::string_view ch) {
  return ch == " " || ch == "\t" || ch == "\u3000";
}

std::string trim_leading_blanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.starts_with("\u3000")))
    text.remove_prefix(text.front() == ' ' ? 1 : 3);
  return std::string(text);
}

// A row may break after a blank or a Japanese comma or full stop, and before
// a full-width opening bracket.
bool closes(std::string_view ch) {
  return ch == "\u3001" || ch == "\u3002";
}
bool opens(std::string_view ch) {
  return ch == "\uFF08" || ch == "\uFF3B" || ch == "\u300C" || ch == "\u3010";
}
// Brackets, full- and half-width: a row never breaks between a pair where
// it can break before it.
bool opens_pair(std::string_view ch) {
  return opens(ch) || ch == "(";
}
bool closes_pair(std::string_view ch) {
  return ch == "\uFF09" || ch == "\uFF3D" || ch == "\u300D" || ch == "\u3011" || ch == ")";
}

// The line without its trailing blanks (which print as nothing and must not
// make a fitting line wrap).
std::string_view without_trailing_blanks(std::string_view line) {
  for (;;) {
    if (!line.empty() && (line.back() == ' ' || line.back() == '\t')) {
      line.remove_suffix(1);
    } else if (line.ends_with("\u3000")) {
      line.remove_suffix(3);
    } else {
      return line;
    }
  }
}

std::vector<std::string_view> split_lines(std::string_view item) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < item.size(); ++i) {
    if (item[i] != '\r' && item[i] != '\n') continue;
    lines.push_back(item.substr(start, i - start));
    if (item[i] == '\r' && i + 1 < item.size() && item[i + 1] == '\n') ++i;
    start = i + 1;
  }
  lines.push_back(item.substr(start));
  return lines;
}

// Lays pages out row by row, keeping each paragraph on one page where it fits.
class Pager {
 public:
  explicit Pager(int rows) : rows_(std::max(rows, 1)) { pages_.emplace_back(); }

  void add_blank() {
    if (full()) pages_.emplace_back();
    if (pages_.size() > 1 && page().empty()) return;
    page().emplace_back();
  }

  void add_paragraph(std::vector<PrintRow>&& rows) {
    auto const n = static_cast<int>(rows.size());
    if (n > rows_left() && n <= rows_ && !page().empty()) pages_.emplace_back();
    for (auto& row : rows) {
      if (full()) pages_.emplace_back();
      page().push_back(std::move(row));
    }
  }

  std::vector<PrintPage> take() { return std::move(pages_); }

 private:
  PrintPage& page() { return pages_.back(); }
  int rows_left() const { return rows_ - static_cast<int>(pages_.back().size()); }
  bool full() const { return rows_left() <= 0; }

  int rows_;
  std::vector<PrintPage> pages_;
};

}  // namespace

int char_columns(char32_t code_point) {
  if (code_point < 0x80) return 1;
  if (code_point >= 0xFF61 && code_point <= 0xFF9F) return 1;  // half-width katakana
  return 2;
}

int text_columns(std::string_view utf8) {
  int columns = 0;
  for (std::size_t i = 0; i < utf8.size();) columns += char_columns(code_point(next_char(utf8, i)));
  return columns;
}

std::string expand_tabs(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  int column = 0;
  for (std::size_t i = 0; i < text.size();) {
    std::string_view const ch = next_char(text, i);
    if (ch == "\t") {
      int const stop = next_tab_stop(column);
      out.append(static_cast<std::size_t>(stop - column), ' ');
      column = stop;
      continue;
    }
    out += ch;
    column = ch == "\r" || ch == "\n" ? 0 : column + char_columns(code_point(ch));
  }
  return out;
}

std::vector<PrintRow> wrap_line(std::string_view line, int columns) {
  line = without_trailing_blanks(line);
  columns = std::max(columns, 4);
  std::vector<PrintRow> rows(1);
  int column = 0;       // where the next character goes
  int text_start = -1;  // column of the first non-blank character
  // Where the value of a "label：value" line starts: just after its last TAB,
  // without a TAB at its first full-width colon (0: neither yet).
  int field_start = 0;
  std::size_t soft = 0;  // bytes of the row before its last good break (0: none)
  int soft_column = 0;
  int depth = 0;  // brackets open at this point of the line

  // Ends the row: at its last good break when that keeps at least half of
  // the row's room filled, else where it is full. Inside brackets any good
  // break before them that leaves text on the row beats a break between
  // the pair.
  auto const break_row = [&] {
    auto& row = rows.back();
    std::string tail;
    int const continued = field_start > 0 ? field_start : std::max(text_start, 0);
    bool const half_full = soft_column - row.indent >= (columns - row.indent) / 2;
    bool const before_bracket = depth > 0 && soft_column > std::max(row.indent, continued);
    if (soft > 0 && (half_full || before_bracket)) {
      tail = trim_leading_blanks(std::string_view(row.text).substr(soft));
      row.text = std::string(without_trailing_blanks(std::string_view(row.text).substr(0, soft)));
    }
    // Under the last field, else under the start of the text; never so far
    // right that little room is left for the rest.
    int indent = field_start > 0 ? field_start : std::max(text_start, 0);
    if (indent > columns / 2) indent = std::clamp(text_start, 0, columns / 2);
    column = indent + text_columns(tail);
    rows.push_back(PrintRow{indent, std::move(tail)});
    soft = 0;
  };

  for (std::size_t i = 0; i < line.size();) {
    std::string_view const ch = next_char(line, i);
    if (ch == "\t") {
      int const stop = next_tab_stop(column);
      // A TAB past the right edge continues the row at the indent.
      if (stop < columns) rows.back().text.append(static_cast<std::size_t>(stop - column), ' ');
      column = std::min(stop, columns);
      field_start = column;
      soft = rows.back().text.size();
      soft_column = column;
      continue;
    }
    if (text_start < 0 && !is_blank(ch)) text_start = column;
    if (field_start == 0 && ch == "\uFF1A") field_start = column;
    int const width = char_columns(code_point(ch));
    while (column + width > columns) break_row();
    if (opens(ch) && depth == 0 && !rows.back().text.empty()) {
      soft = rows.back().text.size();
      soft_column = column;
    }
    if (opens_pair(ch)) ++depth;
    if (closes_pair(ch) && depth > 0) --depth;
    if (ch == " " && rows.back().text.empty() && rows.size() > 1) continue;  // a blank at the break
    rows.back().text += ch;
    column += width;
    if ((is_blank(ch) || closes(ch)) && depth == 0) {
      soft = rows.back().text.size();
      soft_column = column;
    }
  }
  return rows;
}

std::vector<PrintPage> lay_out_pages(const std::vector<std::string>& items, int columns, int rows) {
  Pager pager(rows);
  std::vector<PrintRow> paragraph;
  auto const end_paragraph = [&] {
    if (!paragraph.empty()) pager.add_paragraph(std::move(paragraph));
    paragraph.clear();
  };
  for (auto const& item : items) {
    for (auto const line : split_lines(item)) {
      auto wrapped = wrap_line(line, columns);
      if (wrapped.size() == 1 && wrapped.front().text.empty()) {
        end_paragraph();
        pager.add_blank();
        continue;
      }
      for (auto& row : wrapped) paragraph.push_back(std::move(row));
    }
  }
  end_paragraph();
  return pager.take();
}

std::string page_number_text(int page, int page_count) {
  return std::to_string(page) + " / " + std::to_string(page_count);
}

}  // namespace vorlash
