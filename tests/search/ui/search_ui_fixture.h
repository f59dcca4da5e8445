// A started main window on the sample data with the search window opened
// from it, and handles on the controls of the search, calendar and results
// windows by object name.
#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "board/ui/main_window_fixture.h"
#include "search/ui/calendar_window.h"
#include "search/ui/results_window.h"
#include "search/ui/search_window.h"
#include "shell/qt_printer.h"

namespace vorlash::test {

inline QString u(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// The text of a PDF file as pdftotext reads it, without the page numbers at
// the feet of the pages ("1 / 3"); empty when it cannot be read.
inline QString pdf_text(const QString& file) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                              QStringLiteral("UTF-8"), file, QStringLiteral("-")});
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  auto text = QString::fromUtf8(process.readAllStandardOutput());
  text.remove(
      QRegularExpression(QStringLiteral("^ *\\d+ / \\d+ *$"), QRegularExpression::MultilineOption));
  return text;
}

// A text without its blanks, tabs, line and page breaks, so that a printout
// can be compared with the text read back from the page, however the page
// broke and spaced its lines.
inline QString squeezed(QString text) {
  text.remove(QRegularExpression(QStringLiteral("[\\s\\x{3000}]")));
  return text;
}

inline QString joined_items(const std::vector<std::string>& items) {
  QString all;
  for (auto const& item : items) all += QString::fromStdString(item) + QChar('\n');
  return all;
}

// A second context on a fixture's state whose printer writes a PDF file
// without a dialog.
struct PdfContext {
  explicit PdfContext(UiFixture& f)
      : qt_printer(QtPrinter::without_dialog(&pdf)),
        platform{f.clock, f.messages, f.help, qt_printer},
        ctx(f.state, platform, f.folder) {
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(file());
    ctx.yield = [] {};
  }
  PdfContext(const PdfContext&) = delete;
  PdfContext& operator=(const PdfContext&) = delete;
  ~PdfContext() { ctx.close_all_windows(); }

  QString file() const { return dir.filePath(QStringLiteral("result.pdf")); }

  QTemporaryDir dir;
  QPrinter pdf{QPrinter::HighResolution};
  QtPrinter qt_printer;
  Platform platform;
  AppContext ctx;
};

struct SearchRun : MainWindowRun {
  explicit SearchRun(ClockReading start = kSampleClock) : MainWindowRun(start) {
    auto& ctx = f->context;
    ctx.set_opener("timetable25", [&ctx] { open_search_conditions_window(ctx); });
  }

  // Starts the main window and presses its "新幹線検索".
  bool open() {
    if (!start()) return false;
    QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
    return activate(search());
  }

  static bool activate(QWidget* w) {
    if (!w) return false;
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
  }

  SearchConditionsWindow* search() const {
    return f->context.window_as<SearchConditionsWindow>(kSearchConditionsWindow);
  }
  CalendarWindow* calendar() const { return f->context.window_as<CalendarWindow>(kCalendarWindow); }
  SearchResultsWindow* results() const {
    return f->context.window_as<SearchResultsWindow>(kSearchResultsWindow);
  }

  template <class W = QWidget>
  static W* in(QWidget* window, const QString& name) {
    return window ? window->findChild<W*>(name) : nullptr;
  }
  QLineEdit* text(int n) const { return in<QLineEdit>(search(), QStringLiteral("Text%1").arg(n)); }
  QRadioButton* option(int n) const {
    return in<QRadioButton>(search(), QStringLiteral("Option%1").arg(n));
  }
  QPushButton* button(QWidget* window, int n) const {
    return in<QPushButton>(window, QStringLiteral("Command%1").arg(n));
  }
  QString message() const { return text(12)->text(); }

  // Types into box n and presses Enter there.
  void enter(int n, const QString& value) const {
    text(n)->setFocus();
    text(n)->setText(value);
    QTest::keyClick(text(n), Qt::Key_Return);
  }
  // Clicks option n on its indicator.
  void choose(int n) const {
    QTest::mouseClick(option(n), Qt::LeftButton, {}, QPoint(6, option(n)->height() / 2));
  }
  // Fills boxes 1..11 and 13..15 (in that order) without checking them.
  void fill(const QStringList& values) const {
    int n = 1;
    for (auto const& value : values) {
      if (n == 12) ++n;
      text(n++)->setText(value);
    }
  }
  QWidget* focused() const { return QApplication::focusWidget(); }
};

}  // namespace vorlash::test
