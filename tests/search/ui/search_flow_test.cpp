// A whole search from the main window, 東京 → 新大阪: entered, run, viewed,
// printed into a PDF file and repeated with "再検索", once by keyboard alone
// and once by mouse.
#include <QInputMethodEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "search/ui/search_ui_fixture.h"
#include "shell/qt_printer.h"
#include "ui_support/sample_folder.h"

using namespace vorlash;
using namespace vorlash::test;

namespace {

// The main window on a context whose printer writes a PDF file.
struct PdfRun {
  PdfRun()
      : f(std::make_unique<UiFixture>(true, kSampleClock)),
        qt_printer(QtPrinter::without_dialog(&pdf)),
        platform{f->clock, f->messages, f->help, qt_printer},
        ctx(f->state, platform, f->folder) {
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(pdf_path());
    ctx.set_opener("timetable25", [this] { open_search_conditions_window(ctx); });
  }
  PdfRun(const PdfRun&) = delete;
  PdfRun& operator=(const PdfRun&) = delete;
  ~PdfRun() {
    ctx.close_all_windows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  bool start() {
    window = std::make_unique<MainWindow>(ctx);
    window->end_program = [] {};
    if (!window->form_load().ok()) return false;
    window->show();
    return SearchRun::activate(window.get());
  }
  QString pdf_path() const { return out.filePath(QStringLiteral("result.pdf")); }

  SearchConditionsWindow* search() const {
    return ctx.window_as<SearchConditionsWindow>(kSearchConditionsWindow);
  }
  SearchResultsWindow* results() const {
    return ctx.window_as<SearchResultsWindow>(kSearchResultsWindow);
  }
  QLineEdit* text(int n) const {
    return SearchRun::in<QLineEdit>(search(), QStringLiteral("Text%1").arg(n));
  }
  QPushButton* button(QWidget* w, int n) const {
    return SearchRun::in<QPushButton>(w, QStringLiteral("Command%1").arg(n));
  }

  // Keys to whichever widget has the focus.
  static void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), k, modifiers);
  }
  // Digits are typed key by key; Japanese comes, as it does from an input
  // method, as one committed string.
  static void type_into(QWidget* widget, const QString& value) {
    bool ascii = true;
    for (QChar c : value) ascii = ascii && c.unicode() < 0x80;
    if (ascii) {
      QTest::keyClicks(widget, value);
      return;
    }
    QInputMethodEvent commit;
    commit.setCommitString(value);
    QApplication::sendEvent(widget, &commit);
  }
  static void type(const QString& value) {
    key(Qt::Key_A, Qt::ControlModifier);  // over the whole text
    type_into(QApplication::focusWidget(), value);
  }

  // The printout of the open results window against the PDF just written.
  bool pdf_holds_the_printout() const {
    auto const text = pdf_text(pdf_path());
    return !text.isEmpty() && squeezed(text) == squeezed(joined_items(results()->printout()));
  }

  std::unique_ptr<UiFixture> f;
  QTemporaryDir out;
  QPrinter pdf{QPrinter::HighResolution};
  QtPrinter qt_printer;
  Platform platform;
  AppContext ctx;
  std::unique_ptr<MainWindow> window;
};

// Departure 7:00 to 9:00, arrival from 6:00 to 23:59, 30 minutes' wait.
QStringList const kBoxes = {u("東京"), "7", "0", "9", "0", u("新大阪"), "6", "0", "23", "59", "30"};

}  // namespace

class SearchFlowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    VORLASH_REQUIRE_SAMPLE();
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      QSKIP("pdftotext is not installed");
  }
  void by_keyboard_alone();
  void by_mouse();
};

void SearchFlowTest::by_keyboard_alone() {
  PdfRun run;
  QVERIFY(run.start());
  // 表示(V) → 新幹線検索(C).
  PdfRun::key(Qt::Key_V, Qt::AltModifier);
  QTRY_VERIFY(QApplication::activePopupWidget());
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_C);
  QTRY_VERIFY(run.search() && run.search()->isActiveWindow());
  QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(run.text(1)));

  // Each box: its value, Enter; the focus moves on to "検索開始".
  for (int n = 1; n <= 11; ++n) {
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(run.text(n)));
    PdfRun::type(kBoxes[n - 1]);
    PdfRun::key(Qt::Key_Return);
  }
  QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(run.button(run.search(), 1)));
  PdfRun::key(Qt::Key_Return);
  QVERIFY(run.results());
  QTRY_VERIFY(run.results()->isActiveWindow());
  auto const first_list = run.results()->texts().list;
  QVERIFY(first_list.starts_with("[150分]のぞみ005E 東京(07:00発)→新大阪(09:30着) "));

  // From "検索終了", Tab to "印刷" and "再検索".
  QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(run.button(run.results(), 1)));
  PdfRun::key(Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(run.button(run.results(), 2)));
  PdfRun::key(Qt::Key_Return);
  QCOMPARE(run.f->messages.requests.back().help_context, 257);
  QVERIFY(run.pdf_holds_the_printout());

  PdfRun::key(Qt::Key_Tab);
  PdfRun::key(Qt::Key_Return);  // "再検索"
  QVERIFY(!run.results());
  QTRY_VERIFY(run.search() && run.search()->isActiveWindow());
  QCOMPARE(run.text(11)->text(), QStringLiteral("30"));
  QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(run.text(1)));
  for (int n = 1; n <= 12; ++n) PdfRun::key(Qt::Key_Return);  // through the boxes, then start
  QVERIFY(run.results());
  QCOMPARE(run.results()->texts().list, first_list);
}

void SearchFlowTest::by_mouse() {
  PdfRun run;
  QVERIFY(run.start());
  QTest::mouseClick(SearchRun::in<QPushButton>(run.window.get(), "Command3"), Qt::LeftButton);
  QVERIFY(SearchRun::activate(run.search()));
  for (int n = 1; n <= 11; ++n) {
    QTest::mouseClick(run.text(n), Qt::LeftButton);
    run.text(n)->selectAll();
    PdfRun::type_into(run.text(n), kBoxes[n - 1]);
  }
  // Choosing the date from the calendar: the 12th, two days on.
  QTest::mouseClick(run.button(run.search(), 3), Qt::LeftButton);
  auto* calendar = run.ctx.window_as<CalendarWindow>(kCalendarWindow);
  QVERIFY(calendar);
  QTest::mouseClick(SearchRun::in<QPushButton>(calendar, "Command1_15"), Qt::LeftButton);
  QCOMPARE(run.text(15)->text(), QStringLiteral("12"));
  QTest::mouseClick(run.button(run.search(), 1), Qt::LeftButton);
  QVERIFY(SearchRun::activate(run.results()));
  auto const first_header = run.results()->texts().header;
  QVERIFY(first_header.starts_with("東京 → 新大阪  【2000/03/12（日）"));

  QTest::mouseClick(run.button(run.results(), 2), Qt::LeftButton);
  QVERIFY(run.pdf_holds_the_printout());
  QTest::mouseClick(run.button(run.results(), 3), Qt::LeftButton);
  QVERIFY(SearchRun::activate(run.search()));
  QCOMPARE(run.text(15)->text(), QStringLiteral("12"));
  QTest::mouseClick(run.button(run.search(), 1), Qt::LeftButton);
  QVERIFY(run.results());
  QCOMPARE(run.results()->texts().header, first_header);
}

QTEST_MAIN(SearchFlowTest)
#include "search_flow_test.moc"
