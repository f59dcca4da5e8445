// The date/time correction window on the sample data, beside a running main
// window, on a fake clock (the machine's clock is never set).
#include "settings/ui/correction_window.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "board/ui/main_window_fixture.h"
#include "text/date.h"
#include "ui_support/sample_folder.h"

using namespace vorlash;
using vorlash::test::MainWindowRun;

namespace {

QString u(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// A started main window (Saturday 2000/03/11 14:05) and the correction
// window opened from it, active.
struct CorrectionRun : MainWindowRun {
  bool open() {
    if (!window && !start()) return false;
    open_correction_window(f->context);
    window21 = f->context.window_as<CorrectionWindow>(kCorrectionWindow);
    if (!window21) return false;
    window21->activateWindow();
    return QTest::qWaitForWindowActive(window21);
  }
  QLineEdit* text(int n) const {
    return window21->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n));
  }
  // Corrected field n (1 year .. 6 second).
  QLineEdit* corrected(int n) const { return text(n + 6); }
  QPushButton* button(int n) const {
    return window21->findChild<QPushButton*>(QStringLiteral("Command%1").arg(n));
  }
  void type(int year, int month, int day, int hour, int minute, int second) {
    int const values[] = {0, year, month, day, hour, minute, second};
    for (int n = 1; n <= 6; ++n) corrected(n)->setText(QString::number(values[n]));
  }
  void enter(int n, const char* text_value) {
    corrected(n)->setFocus();
    corrected(n)->setText(QString::fromUtf8(text_value));
    QTest::keyClick(corrected(n), Qt::Key_Return);
  }
  bool is_open() const { return f->context.is_open(kCorrectionWindow); }
  QString clock_line() const { return child<QPushButton>("Command2")->text(); }

  CorrectionWindow* window21 = nullptr;
};

}  // namespace

class CorrectionWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { VORLASH_REQUIRE_SAMPLE(); }
  void shows_the_clock_every_second();
  void enter_checks_each_field_and_moves_on();
  void temporary_setting_reaches_the_board();
  void escape_in_a_later_opening_cancels();
  void setting_the_clock();
  void refused_clock_leaves_everything_as_before();
};

void CorrectionWindowTest::shows_the_clock_every_second() {
  CorrectionRun run;
  QVERIFY(run.open());
  QCOMPARE(run.window21->windowTitle(), u("日時補正"));
  QStringList const opened = {"2000", "03", "11", "14", "05", "00"};
  for (int n = 1; n <= 6; ++n) {
    QCOMPARE(run.text(n)->text(), opened[n - 1]);
    QCOMPARE(run.corrected(n)->text(), opened[n - 1]);
  }
  QCOMPARE(run.button(1)->text(), u("日時設定"));
  QCOMPARE(run.button(2)->text(), u("一時設定"));
  QCOMPARE(run.button(3)->text(), u("取消終了"));
  test::save_screenshot(run.window21, QStringLiteral("timetable21"));

  run.f->clock.reading = {2000, 3, 11, 14, 6, 7};
  test::fire_timer(run.window21);
  QCOMPARE(run.text(5)->text(), QStringLiteral("06"));
  QCOMPARE(run.text(6)->text(), QStringLiteral("07"));
  QCOMPARE(run.corrected(5)->text(), QStringLiteral("05"));
  QCOMPARE(run.f->state.clock.clock_time, time_of_day(14, 6, 7));
}

void CorrectionWindowTest::enter_checks_each_field_and_moves_on() {
  CorrectionRun run;
  QVERIFY(run.open());
  struct Step {
    int field;
    char const* text;
    int focus;  // the corrected field with the focus afterwards, 7 = "一時設定"
  };
  Step const steps[] = {
      {1, "1995", 1}, {1, "2021", 1},  // up to the clock's year + 20
      {1, "2000", 2},                  //
      {2, "13", 2},   {2, "3", 3},     //
      {3, "10", 3},   {3, "32", 3},    // before the clock's day; past the month
      {3, "12", 4},   {4, "24", 4},    //
      {4, "0", 5},    {5, "60", 5},    //
      {5, "0", 6},    {6, "5x", 6},    // not a number
      {6, " 59 ", 7},
  };
  for (auto const& step : steps) {
    run.enter(step.field, step.text);
    QWidget* const expected =
        step.focus == 7 ? static_cast<QWidget*>(run.button(2)) : run.corrected(step.focus);
    QVERIFY2(expected->hasFocus(), step.text);
  }
  // The day check took the date at once.
  QCOMPARE(run.f->state.clock.corrected_date, day_number(2000, 3, 12));
  QVERIFY(run.is_open());
}

void CorrectionWindowTest::temporary_setting_reaches_the_board() {
  CorrectionRun run;
  QVERIFY(run.open());
  auto const saturday_rows = test::rows_of(run.child<QListWidget>("List1"));
  run.type(2000, 3, 13, 8, 0, 0);  // a Monday morning
  QTest::mouseClick(run.button(2), Qt::LeftButton);

  QVERIFY(!run.is_open());
  QCOMPARE(run.f->clock.set_calls, 0);
  QCOMPARE(run.clock_line(), u("現在日時 ： 2000/03/13（月）  08:00"));
  auto const rows = test::rows_of(run.child<QListWidget>("List1"));
  QVERIFY(rows != saturday_rows);
  // With 10 minutes' hurry from 東京 the first train leaves at 08:10 or later.
  QVERIFY2(rows.first().contains(u("０８：")), qPrintable(rows.first()));
  QCOMPARE(run.f->state.day_flags[0], 0);

  // The board time runs on with the clock from the entered time.
  run.f->clock.reading = {2000, 3, 11, 14, 10, 0};
  test::fire_timer(run.window.get());
  QCOMPARE(run.clock_line(), u("現在日時 ： 2000/03/13（月）  08:05"));
}

void CorrectionWindowTest::escape_in_a_later_opening_cancels() {
  CorrectionRun run;
  QVERIFY(run.open());
  run.type(2000, 3, 20, 23, 30, 0);
  QTest::mouseClick(run.button(2), Qt::LeftButton);
  QVERIFY(!run.is_open());
  QVERIFY(run.f->state.clock.offset != 0);

  run.f->clock.reading = {2000, 3, 11, 15, 0, 0};
  QVERIFY(run.open());
  // Reopening shows the clock, not the correction in force.
  QCOMPARE(run.corrected(4)->text(), QStringLiteral("15"));
  run.corrected(4)->setFocus();
  QTest::keyClick(run.corrected(4), Qt::Key_Escape);
  QVERIFY(!run.is_open());
  auto const& c = run.f->state.clock;
  QCOMPARE(c.offset, 0.0);
  QCOMPARE(c.corrected_date, day_number(2000, 3, 11));
  QCOMPARE(c.corrected_month, 3);
  QCOMPARE(c.corrected_day, 11);
  QCOMPARE(run.f->state.day_flags[0], 1);  // Saturday again
  test::fire_timer(run.window.get());
  QCOMPARE(run.clock_line(), u("現在日時 ： 2000/03/11（土）  15:00"));

  // "取消終了" is the same as Escape.
  QVERIFY(run.open());
  QTest::mouseClick(run.button(3), Qt::LeftButton);
  QVERIFY(!run.is_open());
}

void CorrectionWindowTest::setting_the_clock() {
  CorrectionRun run;
  QVERIFY(run.open());
  run.type(2000, 3, 12, 9, 30, 15);
  // A field that fails stops the button with the focus there.
  run.corrected(2)->setText(QStringLiteral("0"));
  QTest::mouseClick(run.button(1), Qt::LeftButton);
  QVERIFY(run.is_open());
  QVERIFY(run.corrected(2)->hasFocus());
  QCOMPARE(run.f->clock.set_calls, 0);

  run.corrected(2)->setText(QStringLiteral("3"));
  QTest::mouseClick(run.button(1), Qt::LeftButton);
  QVERIFY(!run.is_open());
  QCOMPARE(run.f->clock.set_calls, 1);
  QCOMPARE(run.f->clock.reading.day, 12);
  QCOMPARE(run.f->clock.reading.second, 15);
  QCOMPARE(run.f->state.clock.offset, 0.0);
  QCOMPARE(run.clock_line(), u("現在日時 ： 2000/03/12（日）  09:30"));
  QVERIFY(run.f->messages.requests.empty());
}

void CorrectionWindowTest::refused_clock_leaves_everything_as_before() {
  CorrectionRun run;
  QVERIFY(run.open());
  run.f->clock.refuse_set = true;
  auto const before = run.f->state.clock;
  auto const flags = run.f->state.day_flags;
  auto const line = run.clock_line();

  run.type(2000, 3, 14, 7, 0, 0);
  QTest::mouseClick(run.button(1), Qt::LeftButton);
  QCOMPARE(run.f->clock.set_calls, 1);
  QCOMPARE(run.f->messages.requests.size(), std::size_t{1});
  QCOMPARE(run.f->messages.requests[0].title, std::string("エラーメッセージ"));
  QVERIFY(run.f->messages.requests[0].text.ends_with("\n時計を設定する権限がありません"));
  QVERIFY(run.is_open());

  auto const& c = run.f->state.clock;
  QCOMPARE(c.corrected_date, before.corrected_date);
  QCOMPARE(c.corrected_day, before.corrected_day);
  QCOMPARE(c.corrected_weekday, before.corrected_weekday);
  QCOMPARE(c.corrected_time, before.corrected_time);
  QCOMPARE(c.offset, before.offset);
  QCOMPARE(run.f->state.day_flags, flags);
  QCOMPARE(run.clock_line(), line);

  // The temporary setting still works.
  QTest::mouseClick(run.button(2), Qt::LeftButton);
  QVERIFY(!run.is_open());
  QCOMPARE(run.clock_line(), u("現在日時 ： 2000/03/14（火）  07:00"));
}

QTEST_MAIN(CorrectionWindowTest)
#include "correction_window_test.moc"
