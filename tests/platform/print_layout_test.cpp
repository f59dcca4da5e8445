// The page layout of a print job in columns: TAB stops, widths of Japanese
// characters, wrapping under the line's own text and page breaks between
// paragraphs.
#include "platform/print_layout.h"

#include <gtest/gtest.h>

namespace vorlash {
namespace {

// Rows as they read on the paper: the indent as blanks, rows joined by '|'.
std::string shown(const std::vector<PrintRow>& rows) {
  std::string out;
  for (auto const& row : rows) {
    if (&row != &rows.front()) out += '|';
    out += std::string(static_cast<std::size_t>(row.indent), ' ') + row.text;
  }
  return out;
}

TEST(PrintLayoutTest, WrapLine) {
  struct Case {
    const char* line;
    int columns;
    std::string rows;
  };
  Case const cases[] = {
      // TAB stops every eight columns; full-width characters take two,
      // half-width katakana and ASCII one.
      {"a\tb\tc", 40, "a       b       c"},
      {"新幹線\tx", 40, "新幹線  x"},
      {"ｸﾞﾗﾝﾄﾞ\tx", 40, "ｸﾞﾗﾝﾄﾞ  x"},
      {"～\tx", 40, "～      x"},
      {"運賃\t\t\t\t\t：８円", 60, "運賃" + std::string(36, ' ') + "：８円"},
      // A line that fits is left whole; trailing blanks do not count.
      {"12345678901234567890 \t　", 20, "12345678901234567890"},
      {"  \t　", 20, ""},
      // A longer one continues under its last field, at a blank, a Japanese
      // comma or before a bracket where that leaves the row half full.
      {"\t\t～ ひかり201N 新横浜(06:26発)", 36,
       "                ～ ひかり201N|                新横浜(06:26発)"},
      // Never between brackets where it can break before them.
      {"券\t：１２円（６枚、３ヶ月、ねだん：９９円）", 40,
       "券      ：１２円|        （６枚、３ヶ月、ねだん：９９円）"},
      {"回数券　１２円、料金（６枚 ３ヶ月）", 30, "回数券　１２円、料金|（６枚 ３ヶ月）"},
      {"ab (cd ef)", 8, "ab|(cd ef)"},
      {"券\t：１２円／料金（６枚）", 24, "券      ：１２円／料金|        （６枚）"},
      {"回数券：１２円／料金（６枚）", 24, "回数券：１２円／料金|      （６枚）"},
      // Without such a place it breaks where the row is full, never inside
      // a full-width character; without a TAB under the text's first column.
      {"あいうえおかきくけこさしすせそ", 21, "あいうえおかきくけこ|さしすせそ"},
      {"    あいうえおかきくけこ", 14, "    あいうえお|    かきくけこ"},
      // A field too far right for the rest goes under the text instead.
      {"ab\t\t\tあいうえおか", 28, "ab|あいうえおか"},
  };
  for (auto const& c : cases) {
    auto const rows = wrap_line(c.line, c.columns);
    EXPECT_EQ(shown(rows), c.rows) << c.line << " / " << c.columns;
    for (auto const& row : rows) EXPECT_LE(row.indent + text_columns(row.text), c.columns);
  }
}

// The screen's text: TABs to the printout's stops, columns counted afresh
// on each line.
TEST(PrintLayoutTest, ExpandTabs) {
  EXPECT_EQ(expand_tabs("a\tb\n新幹線\tx\r\n\tｸﾞﾘｰﾝ\t："),
            "a       b\n新幹線  x\r\n        ｸﾞﾘｰﾝ   ：");
}

TEST(PrintLayoutTest, Pages) {
  struct Case {
    std::vector<std::string> items;
    const char* pages;  // rows joined by '|', pages by " / "
  };
  Case const cases[] = {
      {{}, ""},
      // CR LF, LF and CR all end a line; the first page keeps its top blank.
      {{" ", "a\r\nb\nc\rd"}, "|a|b|c|d"},
      // A paragraph that does not fit the rest of the page starts the next.
      {{"a\r\na\r\n\r\nb\r\nb\r\nb"}, "a|a| / b|b|b"},
      // A blank line is not carried to the top of a page.
      {{"a", "a", "a", "a", "", "b"}, "a|a|a|a| / b"},
      {{"a", "a", "a", "a", "a", "", "b"}, "a|a|a|a|a / b"},
      // A paragraph longer than a page runs on from where it is.
      {{"a", "", "b1\nb2\nb3\nb4\nb5\nb6\nb7"}, "a||b1|b2|b3 / b4|b5|b6|b7"},
      // Wrapped rows stay with their line.
      {{"a\na\na\n", "bbbbbbbbbbbbbbbbbbbbbb"}, "a|a|a| / bbbbbbbbbbbbbbbbbbbb|bb"},
  };
  for (auto const& c : cases) {
    auto const pages = lay_out_pages(c.items, 20, 5);
    std::string got = shown(pages.front());
    for (std::size_t p = 1; p < pages.size(); ++p) got += " / " + shown(pages[p]);
    EXPECT_EQ(got, c.pages) << c.pages;
  }
}

}  // namespace
}  // namespace vorlash
