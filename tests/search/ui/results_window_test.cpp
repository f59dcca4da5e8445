// The results window: the search behind the loading window, the texts
// against vorlash-cli for the same conditions, printing (fake printer and a
// PDF file), and the ways out.
#include <QFile>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "platform/print_layout.h"
#include "search/ui/search_ui_fixture.h"
#include "shell/loading_window.h"
#include "shell/window_place.h"
#include "text/utf8.h"
#include "ui_support/sample_folder.h"

using namespace vorlash;
using namespace vorlash::test;

namespace {

struct ResultsRun : SearchRun {
  // Opens the search window, fills it and presses "検索開始".
  bool search_for(const QStringList& boxes) {
    if (!search()) {
      if (!window) {
        if (!open()) return false;
      } else {
        QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);  // "新幹線検索"
        if (!activate(search())) return false;
      }
    }
    fill(boxes);
    QTest::mouseClick(button(search(), 1), Qt::LeftButton);
    return activate(results());
  }
  QString shown(const char* name) const {
    return in<QPlainTextEdit>(results(), name)->toPlainText();
  }
};

// 東京 → 新大阪, 6:00-10:00, arriving 6:00-23:59, 60 minutes, on the clock's day.
QStringList const kTokyoOsaka = {u("東京"), "6",  "0",  "10", "0",    u("新大阪"), "6",
                                 "0",       "23", "59", "60", "2000", "3",         "11"};

}  // namespace

class ResultsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { VORLASH_REQUIRE_SAMPLE(); }
  void search_runs_behind_the_loading_window();
  void texts_match_the_command_line_search();
  void print_asks_then_hands_the_fifteen_items_to_the_printer();
  void printing_into_a_pdf_holds_the_fifteen_items();
  void ways_out();
  void a_new_search_replaces_an_open_result();
};

void ResultsWindowTest::search_runs_behind_the_loading_window() {
  ResultsRun run;
  QVERIFY(run.open());
  auto& ctx = run.f->context;
  int yields = 0;
  int without_loading_window = 0;
  ctx.yield = [&] {
    ++yields;
    auto* loading = ctx.window(kLoadingWindow);
    auto* message = loading ? SearchRun::in<QPushButton>(loading, "Command1") : nullptr;
    if (!message || message->text() != u("新幹線列車検索中!!  しばらくお待ち下さい"))
      ++without_loading_window;
    QCoreApplication::processEvents();
  };
  QVERIFY(run.search_for(kTokyoOsaka));
  QCOMPARE(without_loading_window, 0);
  // Every twentieth train and between the stages.
  QVERIFY(yields >= run.f->state.sinkansen.train_count[1] / 20 + 4);
  QVERIFY(!ctx.is_open(kLoadingWindow));
  QVERIFY(!run.search());

  auto* w = run.results();
  QCOMPARE(w->windowTitle(), u("新幹線検索結果"));
  QCOMPARE(SearchRun::in<QGroupBox>(w, "Frame1")->title(),
           u("東京 → 新大阪  【2000/03/11（土）　通常期】　表示順序：乗車時間順"));
  QCOMPARE(SearchRun::in<QLabel>(w, "Label3")->text(),
           u("列車名の[N]:のぞみ型 [n]:のぞみ500系 [E]:のぞみ700系 [G]:ｸﾞﾗﾝﾄﾞひかり "
             "[W]:ｳｴｽﾄひかり [R]:Rail Star"));
  QVERIFY(run.shown("Text1").startsWith(u("[150分]のぞみ001n 東京(06:00発)→新大阪(08:30着) \n\n")));
  // TABs stand expanded to the printout's stops: the colon at column 40.
  QVERIFY(run.shown("Text2").startsWith(u("運賃") + QString(36, QChar(' ')) +
                                        u("：８，５１０円（有効期間：４日）\n")));
  QVERIFY(SearchRun::in<QPlainTextEdit>(w, "Text1")->isReadOnly());
  QVERIFY(SearchRun::in<QPlainTextEdit>(w, "Text2")->isReadOnly());
  save_screenshot(w, QStringLiteral("timetable26"));
}

void ResultsWindowTest::texts_match_the_command_line_search() {
  QString const cli = QStringLiteral(VORLASH_CLI);
  VORLASH_REQUIRE_SAMPLE_FILE(cli);
  ResultsRun run;
  // Two transfers, arrival order, every connection per train, from 名古屋.
  QVERIFY(run.open());
  run.choose(2);
  run.choose(5);
  run.choose(7);
  QVERIFY(run.search_for({u("名古屋"), "7", "0", "8", "30", u("岡山"), "6", "0", "23", "59", "30",
                          "2000", "3", "12"}));
  auto const& texts = run.results()->texts();
  QCOMPARE(run.shown("Text1"), QString::fromStdString(expand_tabs(crlf_to_lf(texts.list))));
  QCOMPARE(run.shown("Text2"), QString::fromStdString(expand_tabs(crlf_to_lf(texts.fare))));
  // Every line, the discount tickets' too, shows without horizontal scrolling.
  for (auto const* name : {"Text1", "Text2"}) {
    auto* box = run.results()->findChild<QPlainTextEdit*>(QString::fromLatin1(name));
    QTRY_COMPARE(box->horizontalScrollBar()->maximum(), 0);
  }

  QProcess process;
  process.start(cli, {"search",
                      "--dir",
                      QString::fromStdString(run.f->folder),
                      "--at",
                      "2000-03-11 14:05",
                      "--from",
                      u("名古屋"),
                      "--to",
                      u("岡山"),
                      "--dep",
                      "07:00-08:30",
                      "--arr",
                      "06:00-23:59",
                      "--wait",
                      "30",
                      "--transfers",
                      "2",
                      "--order",
                      "arr",
                      "--all",
                      "--date",
                      "2000-03-12",
                      "--lang",  // the window's language, whatever the system's
                      "ja"});
  QVERIFY(process.waitForFinished(60000));
  QCOMPARE(process.exitCode(), 0);
  // CR LF line ends on Windows.
  auto const expected = QString::fromUtf8(process.readAllStandardOutput()).remove(QChar('\r'));
  QVERIFY(expected.contains(u("～ ")));  // transfers were found
  QCOMPARE(
      QString::fromStdString(crlf_to_lf(joined_items(run.results()->printout()).toStdString())),
      expected);
}

void ResultsWindowTest::print_asks_then_hands_the_fifteen_items_to_the_printer() {
  ResultsRun run;
  QVERIFY(run.search_for(kTokyoOsaka));
  auto& messages = run.f->messages;
  auto& printer = run.f->printer;
  auto* print = run.button(run.results(), 2);
  messages.requests.clear();

  messages.answers.push_back(MessageAnswer::Cancel);
  QTest::mouseClick(print, Qt::LeftButton);
  QCOMPARE(messages.requests.size(), std::size_t{1});
  QCOMPARE(QString::fromStdString(messages.requests[0].text), u("印刷開始します！！"));
  QCOMPARE(QString::fromStdString(messages.requests[0].title), u("確認メッセージ"));
  QCOMPARE(messages.requests[0].help_context, 257);
  QCOMPARE(messages.requests[0].buttons, MessageButtons::OkCancel);
  QVERIFY(printer.jobs.empty());

  QTest::mouseClick(print, Qt::LeftButton);
  QCOMPARE(printer.jobs.size(), std::size_t{1});
  auto const& job = printer.jobs[0];
  QCOMPARE(QString::fromStdString(job.font_name), u("ＭＳ ゴシック"));
  QCOMPARE(job.point_size, 9);
  QCOMPARE(job.items, run.results()->printout());
  QCOMPARE(job.items.size(), std::size_t{15});
  QCOMPARE(job.items[10], run.results()->texts().list);
  QCOMPARE(job.items[12], run.results()->texts().fare);

  // A cancelled dialog or a failing printer ends without a word.
  for (auto outcome : {PrintOutcome::Cancelled, PrintOutcome::Failed}) {
    printer.outcome = outcome;
    QTest::mouseClick(print, Qt::LeftButton);
  }
  QCOMPARE(messages.requests.size(), std::size_t{4});
  QVERIFY(run.results());
}

void ResultsWindowTest::printing_into_a_pdf_holds_the_fifteen_items() {
  ResultsRun run;
  QVERIFY(run.search_for(kTokyoOsaka));
  // The same conditions once more, in a context that prints on the PDF.
  PdfContext printing(*run.f);
  open_search_results_window(printing.ctx);
  auto* w = printing.ctx.window_as<SearchResultsWindow>(kSearchResultsWindow);
  QVERIFY(w);
  QCOMPARE(w->printout(), run.results()->printout());
  QTest::mouseClick(SearchRun::in<QPushButton>(w, "Command2"), Qt::LeftButton);
  auto const text = pdf_text(printing.file());
  if (text.isEmpty()) QSKIP("pdftotext could not read the PDF");
  QCOMPARE(squeezed(text), squeezed(joined_items(w->printout())));
}

void ResultsWindowTest::ways_out() {
  ResultsRun run;
  QVERIFY(run.search_for(kTokyoOsaka));
  auto& state = run.f->state;
  run.results()->move(run.results()->pos() + QPoint(10, 10));
  auto const where = window_position(run.results());
  auto* list = SearchRun::in<QPlainTextEdit>(run.results(), "Text1");
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Escape);
  QVERIFY(!run.results());
  QCOMPARE(state.form[kSearchResultsWindow].top, where.top);
  QCOMPARE(state.form[kSearchResultsWindow].left, where.left);

  // "再検索" opens the search window with the conditions just searched.
  QVERIFY(run.search_for({u("東京"), "7", "0", "9", "0", u("京都")}));
  QTest::mouseClick(run.button(run.results(), 3), Qt::LeftButton);
  QVERIFY(!run.results());
  QVERIFY(run.search());
  QCOMPARE(run.text(6)->text(), u("京都"));
  QCOMPARE(run.text(2)->text(), QStringLiteral("7"));

  // "検索終了" goes back to the main window.
  QTest::mouseClick(run.button(run.search(), 1), Qt::LeftButton);
  QVERIFY(SearchRun::activate(run.results()));
  QTest::mouseClick(run.button(run.results(), 1), Qt::LeftButton);
  QVERIFY(!run.results());
  QTRY_VERIFY(run.window->isActiveWindow());
}

void ResultsWindowTest::a_new_search_replaces_an_open_result() {
  ResultsRun run;
  QVERIFY(run.search_for(kTokyoOsaka));
  QPointer<SearchResultsWindow> first = run.results();
  // From the main window again while the result stays open.
  QTest::mouseClick(run.child<QPushButton>("Command3"), Qt::LeftButton);
  QVERIFY(SearchRun::activate(run.search()));
  QVERIFY(run.search_for({u("名古屋")}));
  QVERIFY(run.results() != first.data());
  QVERIFY(!first || !first->isVisible());
  QVERIFY(run.results()->texts().header.starts_with("名古屋 → 新大阪"));
}

QTEST_MAIN(ResultsWindowTest)
#include "results_window_test.moc"
