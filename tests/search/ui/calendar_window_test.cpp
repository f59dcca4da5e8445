// The calendar opened from the search window: the month sheet, the scroll
// bar, typed months and picking a day into the search window.
#include <QScrollBar>

#include "search/ui/search_ui_fixture.h"
#include "ui_support/sample_folder.h"

using namespace vorlash;
using namespace vorlash::test;

namespace {

struct CalendarRun : SearchRun {
  using SearchRun::SearchRun;

  // The search window, then its "ｶﾚﾝﾀﾞｰ".
  bool open_calendar() {
    if (!open()) return false;
    QTest::mouseClick(button(search(), 3), Qt::LeftButton);
    return activate(calendar());
  }
  QLineEdit* month() const { return in<QLineEdit>(calendar(), "Text1"); }
  QScrollBar* bar() const { return in<QScrollBar>(calendar(), "VScroll1"); }
  QPushButton* day(int slot) const {
    return in<QPushButton>(calendar(), QStringLiteral("Command1_%1").arg(slot));
  }
  // The sheet as "first..last" of the shown buttons, checking that they run
  // 1, 2, 3 ... and that every other button is hidden.
  QString sheet() const {
    int first = 0, last = 0;
    for (int k = 1; k <= 42; ++k) {
      auto* b = day(k);
      if (b->isHidden()) {
        if (!b->text().isEmpty()) return QStringLiteral("hidden %1 has a caption").arg(k);
        continue;
      }
      if (first == 0) first = k;
      if (last != k - 1 && last != 0) return QStringLiteral("gap before %1").arg(k);
      if (b->text() != QString::number(k - first + 1)) return QStringLiteral("slot %1").arg(k);
      last = k;
    }
    return QStringLiteral("%1..%2").arg(first).arg(last);
  }
  void type_month(const char* text) const {
    month()->setFocus();
    month()->setText(QString::fromLatin1(text));
    QTest::keyClick(month(), Qt::Key_Return);
  }
};

}  // namespace

class CalendarWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { VORLASH_REQUIRE_SAMPLE(); }
  void opens_at_the_clocks_month();
  void scroll_positions_count_from_the_clocks_month();
  void typed_months_within_the_limits_are_shown();
  void picking_a_day_fills_the_search_window();
  void end_and_escape_pick_nothing();
};

void CalendarWindowTest::opens_at_the_clocks_month() {
  CalendarRun run;
  QVERIFY(run.open_calendar());
  auto* w = run.calendar();
  QCOMPARE(w->windowTitle(), u("カレンダｰ"));
  QCOMPARE(run.month()->text(), QStringLiteral("2000/3"));
  QCOMPARE(w->scroll_position(), 1);
  QCOMPARE(run.bar()->value(), run.bar()->maximum());  // position 1 is the bottom end
  QCOMPARE(run.sheet(), QStringLiteral("4..34"));      // 2000/03/01 is a Wednesday
  QStringList headings;
  for (int i = 1; i <= 7; ++i)
    headings << CalendarRun::in<QLabel>(w, QStringLiteral("Label%1").arg(i))->text();
  QCOMPARE(headings, (QStringList{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}));
  save_screenshot(w, QStringLiteral("timetable4"));
}

void CalendarWindowTest::scroll_positions_count_from_the_clocks_month() {
  CalendarRun run(ClockReading{2000, 11, 15, 9, 0, 0});
  QVERIFY(run.open_calendar());
  auto* w = run.calendar();
  QCOMPARE(run.month()->text(), QStringLiteral("2000/11"));
  w->set_scroll_position(3);
  QCOMPARE(run.month()->text(), QStringLiteral("2001/1"));
  QCOMPARE(run.sheet(), QStringLiteral("2..32"));  // 2001/01/01 is a Monday
  run.bar()->setValue(run.bar()->minimum());       // the top end
  QCOMPARE(w->scroll_position(), 60);
  QCOMPARE(run.month()->text(), QStringLiteral("2005/10"));
  QCOMPARE(run.sheet(), QStringLiteral("7..37"));  // a Saturday with 31 days

  // The up arrow moves on to later months, the down arrow back.
  w->set_scroll_position(1);
  run.bar()->setFocus();
  QTest::keyClick(run.bar(), Qt::Key_Up);
  QCOMPARE(run.month()->text(), QStringLiteral("2000/12"));
  QTest::keyClick(run.bar(), Qt::Key_Down);
  QTest::keyClick(run.bar(), Qt::Key_Down);  // not before the clock's month
  QCOMPARE(run.month()->text(), QStringLiteral("2000/11"));
}

void CalendarWindowTest::typed_months_within_the_limits_are_shown() {
  CalendarRun run;
  QVERIFY(run.open_calendar());
  auto* w = run.calendar();
  run.type_month("2010/12");
  QCOMPARE(run.sheet(), QStringLiteral("4..34"));  // 2010/12/01 is a Wednesday
  QCOMPARE(w->scroll_position(), 1);               // the bar stays where it was
  run.type_month("2004/2");
  QCOMPARE(run.sheet(), QStringLiteral("1..29"));

  for (char const* rejected : {"2011/1", "2000/2", "2000/13", "2004", "abc/def", ""}) {
    run.type_month(rejected);
    QVERIFY2(run.month()->hasFocus(), rejected);
    QCOMPARE(run.sheet(), QStringLiteral("1..29"));
  }
  // A day then picks from the month still on show.
  QTest::mouseClick(run.day(29), Qt::LeftButton);
  auto const& c = run.f->state.cond;
  QCOMPARE(c.plan_year, 2004);
  QCOMPARE(c.plan_month, 2);
  QCOMPARE(c.plan_day, 29);
}

void CalendarWindowTest::picking_a_day_fills_the_search_window() {
  CalendarRun run;
  QVERIFY(run.open_calendar());
  run.type_month("2001/3");
  QCOMPARE(run.sheet(), QStringLiteral("5..35"));
  run.day(1)->click();  // a hidden slot: nothing happens
  QVERIFY(run.calendar());
  QCOMPARE(run.f->state.cond.plan_date, 0);

  QTest::mouseClick(run.day(9), Qt::LeftButton);
  QVERIFY(!run.calendar());
  QCOMPARE(run.text(13)->text(), QStringLiteral("2001"));
  QCOMPARE(run.text(14)->text(), QStringLiteral("03"));
  QCOMPARE(run.text(15)->text(), QStringLiteral("05"));
  QCOMPARE(SearchRun::in<QLabel>(run.search(), "Label1")->text(), u("(月)"));
  QCOMPARE(run.f->state.cond.plan_weekday, 2);
  QTRY_VERIFY(run.text(1)->hasFocus());

  // The picked date is what the search then uses.
  QTest::mouseClick(run.button(run.search(), 1), Qt::LeftButton);
  QVERIFY(run.results());
  QVERIFY(run.results()->texts().header.find("2001/03/05（月）") != std::string::npos);
}

void CalendarWindowTest::end_and_escape_pick_nothing() {
  CalendarRun run;
  QVERIFY(run.open_calendar());
  run.calendar()->move(40, 50);
  auto const help_quits = run.f->help.quit_calls.size();
  QTest::mouseClick(CalendarRun::in<QPushButton>(run.calendar(), "Command2"), Qt::LeftButton);
  QVERIFY(!run.calendar());
  QCOMPARE(run.f->help.quit_calls.size(), help_quits + 1);
  QTRY_VERIFY(run.text(3)->hasFocus());  // the departure-from minute box
  QCOMPARE(run.f->state.cond.plan_date, 0);
  QCOMPARE(run.text(14)->text(), QStringLiteral("3"));

  QTest::mouseClick(run.button(run.search(), 3), Qt::LeftButton);
  QVERIFY(CalendarRun::activate(run.calendar()));
  QCOMPARE(run.calendar()->pos(), QPoint(40, 50));  // where it was left
  run.type_month("2001/3");
  QTest::keyClick(run.month(), Qt::Key_Escape);
  QVERIFY(!run.calendar());
  QCOMPARE(run.f->state.cond.plan_date, 0);
}

QTEST_MAIN(CalendarWindowTest)
#include "calendar_window_test.moc"
