// The printout of the results window as it comes out of the printer: printed
// into a PDF file, read back with pdftotext and held against the printout
// lines of vorlash-cli, laid out in columns with the TAB stops of the screen.
#include <QFile>
#include <QRegularExpression>
#include <algorithm>

#include "search/ui/search_ui_fixture.h"
#include "ui_support/sample_folder.h"

using namespace vorlash;
using namespace vorlash::test;

namespace {

// Half-width columns of a character: ASCII and half-width katakana one, the
// rest two.
int columns_of(QChar c) {
  auto const u = c.unicode();
  return u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F) ? 1 : 2;
}

// The words of a line and the columns they start at.
struct Word {
  int column;
  QString text;
  bool operator==(const Word&) const = default;
};
using Words = QList<Word>;

QString joined(const Words& words) {
  QString all;
  for (auto const& w : words) all += w.text;
  return all;
}

// The words of a line of vorlash-cli as the printout places them: a TAB
// advances to the next multiple of eight columns, a full-width character
// takes two.
Words words_on_screen(const QString& line) {
  Words words;
  int column = 0;
  bool in_word = false;
  for (QChar const c : line) {
    if (c == QChar('\t')) {
      column = (column / 8 + 1) * 8;
      in_word = false;
      continue;
    }
    bool const blank = c == QChar(' ') || c == QChar(0x3000);
    if (!blank) {
      if (!in_word) words.push_back({column, {}});
      words.back().text += c;
    }
    in_word = !blank;
    column += columns_of(c);
  }
  return words;
}

// The words of a line of `pdftotext -layout -fixed 4.5`, which counts one
// character per 4.5 points, a half-width column of the 9-point font, before
// each word.
Words words_on_paper(const QString& line, int left) {
  Words words;
  static QRegularExpression const word(QStringLiteral("\\S+"));
  for (auto it = word.globalMatch(line); it.hasNext();) {
    auto const m = it.next();
    words.push_back({static_cast<int>(m.capturedStart()) - left, m.captured()});
  }
  return words;
}

// The printed lines of every page, each page's foot checked to read
// "n / count" and left out.
QList<Words> printed_lines(const QString& layout, QString& failure) {
  auto pages = layout.split(QChar('\f'));
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
  int left = 1000;  // the left margin, in columns
  for (auto const& line : layout.split(QRegularExpression(QStringLiteral("[\n\f]")))) {
    auto const text = line.indexOf(QRegularExpression(QStringLiteral("\\S")));
    if (text >= 0) left = std::min(left, static_cast<int>(text));
  }
  QList<Words> lines;
  for (int p = 0; p < pages.size(); ++p) {
    QList<Words> page;
    for (auto const& line : pages[p].split(QChar('\n'))) {
      if (!line.trimmed().isEmpty()) page << words_on_paper(line, left);
    }
    auto const foot = QStringLiteral("%1 / %2").arg(p + 1).arg(pages.size());
    if (page.isEmpty() || page.takeLast().size() != 3 || !pages[p].trimmed().endsWith(foot))
      failure = QStringLiteral("page %1 does not end with \"%2\"").arg(p + 1).arg(foot);
    lines += page;
  }
  return lines;
}

QString described(const Words& words) {
  QString out;
  for (auto const& w : words) out += QStringLiteral("%1:%2 ").arg(w.column).arg(w.text);
  return out;
}

// Compares the non-blank lines of vorlash-cli with the printed ones, word by
// word and column by column. Only a line wider than any page may continue on
// the next printed lines, and then its text must read on unbroken.
QString compare_lines(const QList<Words>& expected, const QList<Words>& printed) {
  constexpr int kFitsEveryPage = 100;
  qsizetype p = 0;
  for (auto const& want : expected) {
    if (p >= printed.size()) return QStringLiteral("missing: ") + described(want);
    auto const& got = printed[p++];
    if (got == want) continue;
    auto const& last = want.back();
    bool const too_wide = last.column + 2 * last.text.size() > kFitsEveryPage;
    QString text = joined(got);
    while (too_wide && text != joined(want) && joined(want).startsWith(text) &&
           p < printed.size()) {
      text += joined(printed[p++]);
    }
    if (!too_wide || text != joined(want))
      return QStringLiteral("expected: %1\nprinted:  %2").arg(described(want), described(got));
  }
  if (p < printed.size()) return QStringLiteral("extra: ") + described(printed[p]);
  return {};
}

// The boxes of every word on the pages, in points, against margins of 15 mm.
QString words_outside_margins(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return QStringLiteral("no bbox");
  auto const html = QString::fromUtf8(process.readAllStandardOutput());
  qreal const margin = 15 / 25.4 * 72;
  QRegularExpression const page_re(
      QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)")re"));
  QRegularExpression const word_re(QStringLiteral(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*))re"));
  auto const page = page_re.match(html);
  if (!page.hasMatch()) return QStringLiteral("no page");
  qreal const width = page.captured(1).toDouble();
  qreal const height = page.captured(2).toDouble();
  int words = 0;
  for (auto it = word_re.globalMatch(html); it.hasNext(); ++words) {
    auto const w = it.next();
    if (w.captured(1).toDouble() < margin || w.captured(2).toDouble() < margin ||
        w.captured(3).toDouble() > width - margin || w.captured(4).toDouble() > height - margin)
      return QStringLiteral("outside the margins: ") + w.captured(5);
  }
  return words > 0 ? QString() : QStringLiteral("no words");
}

struct PrintCase {
  const char* name;
  QStringList boxes;      // boxes 1..11 and 13..15 of the search window
  QList<int> options;     // options clicked before the search
  QStringList arguments;  // the same search for vorlash-cli
  const char* must_show;  // the start of a line that shows the case is what it says
};

}  // namespace

Q_DECLARE_METATYPE(PrintCase)

namespace {

// vorlash-cli's arguments for a search from 東京 on 2000-03-11.
QStringList from_tokyo(const char* to, const char* dep, const char* arr, const char* wait) {
  return {"--from", u("東京"), "--to",   u(to), "--dep",  dep,
          "--arr",  arr,       "--wait", wait,  "--date", "2000-03-11"};
}

}  // namespace

class PrintoutTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { VORLASH_REQUIRE_SAMPLE(); }
  void the_printout_reads_as_the_command_line_lays_it_out_data();
  void the_printout_reads_as_the_command_line_lays_it_out();
};

void PrintoutTest::the_printout_reads_as_the_command_line_lays_it_out_data() {
  QTest::addColumn<PrintCase>("c");
  auto const add = [](PrintCase c) { QTest::newRow(c.name) << c; };
  add({"direct",
       {u("東京"), "6", "0", "6", "2", u("新大阪"), "6", "0", "23", "59", "60", "2000", "3", "11"},
       {},
       from_tokyo("新大阪", "06:00-06:02", "06:00-23:59", "60"),
       "[150分]のぞみ001n 東京(06:00発)→新大阪(08:30着)"});
  add({"one transfer",
       {u("東京"), "6", "0", "6", "10", u("新大阪"), "6", "0", "23", "59", "60", "2000", "3", "11"},
       {},
       from_tokyo("新大阪", "06:00-06:10", "06:00-23:59", "60"),
       "                ～ ひかり201N 新横浜(06:26発)→新大阪(08:41着)"});
  add({"two transfers",
       {u("東京"), "6", "0", "8", "0", u("岡山"), "6", "0", "23", "59", "30", "2000", "3", "11"},
       {5},
       from_tokyo("岡山", "06:00-08:00", "06:00-23:59", "30") + QStringList{"--transfers", "2"},
       "                        ～ "});
  add({"no connection",
       {u("東京"), "6", "0", "6", "10", u("新大阪"), "6", "0", "7", "0", "60", "2000", "3", "11"},
       {},
       from_tokyo("新大阪", "06:00-06:10", "06:00-07:00", "60"),
       "条件にあう新幹線を検索できませんでした"});
}

void PrintoutTest::the_printout_reads_as_the_command_line_lays_it_out() {
  QFETCH(PrintCase, c);
  QString const cli = QStringLiteral(VORLASH_CLI);
  VORLASH_REQUIRE_SAMPLE_FILE(cli);

  SearchRun run;
  QVERIFY(run.open());
  for (int n : c.options) run.choose(n);
  run.fill(c.boxes);
  QTest::mouseClick(run.button(run.search(), 1), Qt::LeftButton);
  QVERIFY(SearchRun::activate(run.results()));

  // The same conditions once more, in a context that prints into a PDF.
  PdfContext printing(*run.f);
  printing.pdf.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);  // widened
  open_search_results_window(printing.ctx);
  auto* w = printing.ctx.window_as<SearchResultsWindow>(kSearchResultsWindow);
  QVERIFY(w);
  QTest::mouseClick(SearchRun::in<QPushButton>(w, "Command2"), Qt::LeftButton);
  auto const file = printing.file();
  keep_output(file, QStringLiteral("printout-%1.pdf")
                        .arg(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-')));
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"),
                  {"-layout", "-fixed", "4.5", "-enc", "UTF-8", file, QStringLiteral("-")});
  if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
    QSKIP("pdftotext could not read the PDF (on Windows test-windows.sh reads the kept copy)");
  auto const layout = QString::fromUtf8(pdftotext.readAllStandardOutput());

  QStringList arguments = {
      "search", "--dir", QString::fromStdString(run.f->folder), "--at", "2000-03-11 14:05",
      "--lang", "ja"};
  arguments += c.arguments;
  QProcess process;
  process.start(cli, arguments);
  QVERIFY(process.waitForFinished(60000));
  QCOMPARE(process.exitCode(), 0);
  QList<Words> expected;
  for (auto const& line : QString::fromUtf8(process.readAllStandardOutput()).split(QChar('\n'))) {
    if (!line.trimmed().isEmpty()) expected << words_on_screen(line);
  }
  auto const sign = words_on_screen(u(c.must_show));
  auto const supplements = words_on_screen(u("＜＜のぞみとひかり・こだまを乗り継ぐ場合の"));
  QVERIFY(std::any_of(expected.begin(), expected.end(),
                      [&](const Words& line) { return line.mid(0, sign.size()) == sign; }));
  QVERIFY(std::any_of(expected.begin(), expected.end(), [&](const Words& line) {
    return line.size() == 1 && line[0].text.startsWith(supplements[0].text);
  }));

  QString failure;
  auto const printed = printed_lines(layout, failure);
  QVERIFY2(failure.isEmpty(), qPrintable(failure));
  auto const difference = compare_lines(expected, printed);
  QVERIFY2(difference.isEmpty(), qPrintable(difference));
  auto const outside = words_outside_margins(file);
  QVERIFY2(outside.isEmpty(), qPrintable(outside));
}

QTEST_MAIN(PrintoutTest)
#include "printout_test.moc"
