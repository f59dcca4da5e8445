// The results window's texts stand column for column as the printout places
// them: every word of a screen line starts, in pixels of the window's
// fixed-pitch font, at the column the printout gives it (a TAB to the next
// multiple of eight columns, a full-width character two columns).
#include <QPlainTextEdit>

#include "platform/print_layout.h"
#include "search/ui/search_ui_fixture.h"
#include "ui_support/sample_folder.h"

using namespace vorlash;
using namespace vorlash::test;

namespace {

// The printout's rows as text, the indent as blanks: wide enough that no
// line wraps.
QStringList printed_rows(const std::vector<std::string>& items) {
  QStringList rows;
  for (auto const& page : lay_out_pages(items, 1000, 100000))
    for (auto const& row : page)
      rows << QString(row.indent, QChar(' ')) + QString::fromStdString(row.text);
  return rows;
}

// Where each word of a screen line starts, in columns of `cell` pixels.
QList<int> word_columns(const QString& line, const QFontMetricsF& metrics, qreal cell) {
  QList<int> columns;
  for (int i = 0; i < line.size(); ++i) {
    bool const blank = line[i] == QChar(' ') || line[i] == QChar(0x3000);
    bool const starts =
        !blank && (i == 0 || line[i - 1] == QChar(' ') || line[i - 1] == QChar(0x3000));
    if (starts) columns << qRound(metrics.horizontalAdvance(line.left(i)) / cell);
  }
  return columns;
}

// The same for a printed row, counted in columns.
QList<int> printed_columns(const QString& row) {
  QList<int> columns;
  int column = 0;
  for (int i = 0; i < row.size(); ++i) {
    bool const blank = row[i] == QChar(' ') || row[i] == QChar(0x3000);
    if (!blank && (i == 0 || row[i - 1] == QChar(' ') || row[i - 1] == QChar(0x3000)))
      columns << column;
    column += char_columns(row[i].unicode());
  }
  return columns;
}

}  // namespace

class ScreenPaperTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { VORLASH_REQUIRE_SAMPLE(); }
  void screen_columns_are_the_printed_ones_data() {
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("option");
    auto const tokyo = [](const char* to, const char* dep_h, const char* dep_m, const char* arr_h,
                          const char* wait) {
      return QStringList{u("東京"), "6",   "0", dep_h, dep_m,  u(to), "6",
                         "0",       arr_h, "0", wait,  "2000", "3",   "11"};
    };
    QTest::newRow("direct") << tokyo("新大阪", "6", "2", "23", "60") << 0;
    QTest::newRow("one transfer") << tokyo("新大阪", "6", "10", "23", "60") << 0;
    QTest::newRow("two transfers") << tokyo("岡山", "8", "0", "23", "30") << 5;
    QTest::newRow("no connection") << tokyo("新大阪", "6", "10", "7", "60") << 0;
  }
  void screen_columns_are_the_printed_ones() {
    QFETCH(QStringList, boxes);
    QFETCH(int, option);
    SearchRun run;
    QVERIFY(run.open());
    if (option) run.choose(option);
    run.fill(boxes);
    QTest::mouseClick(run.button(run.search(), 1), Qt::LeftButton);
    auto* w = run.results();
    QVERIFY(w);
    auto const printed = printed_rows(w->printout());
    for (auto const* name : {"Text1", "Text2"}) {
      auto* text = w->findChild<QPlainTextEdit*>(QString::fromLatin1(name));
      QFontMetricsF const metrics(text->font());
      qreal const cell = metrics.horizontalAdvance(QChar('0'));
      // The text's lines are printed in their order, each as one row.
      int matched = 0;
      auto row = printed.begin();
      for (auto const& line : text->toPlainText().split(QChar('\n'))) {
        if (line.trimmed().isEmpty()) continue;
        row = std::find_if(row, printed.end(),
                           [&](const QString& r) { return r.simplified() == line.simplified(); });
        QVERIFY2(row != printed.end(), qPrintable(line));
        QCOMPARE(word_columns(line, metrics, cell), printed_columns(*row));
        ++row;
        ++matched;
      }
      QVERIFY(matched > 0);
    }
  }
};

QTEST_MAIN(ScreenPaperTest)
#include "screen_paper_test.moc"
