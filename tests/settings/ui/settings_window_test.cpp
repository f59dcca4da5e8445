// The settings window on the sample data, beside a running main window.
#include "settings/ui/settings_window.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "board/departure_list.h"
#include "board/ui/main_window_fixture.h"
#include "board/ui/station_picker_window.h"
#include "shell/qt_strings.h"
#include "ui_support/sample_folder.h"

using namespace vorlash;
using vorlash::test::MainWindowRun;

namespace {

QString u(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// A started main window and the settings window opened from it, active.
struct SettingsRun : MainWindowRun {
  bool open() {
    if (!start()) return false;
    open_settings_window(f->context);
    window5 = f->context.window_as<SettingsWindow>(kSettingsWindow);
    if (!window5) return false;
    window5->activateWindow();
    return QTest::qWaitForWindowActive(window5);
  }
  QLineEdit* text(int n) const {
    return window5->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n));
  }
  QRadioButton* option(int n) const {
    return window5->findChild<QRadioButton*>(QStringLiteral("Option%1").arg(n));
  }
  // Clicks option button n on its indicator (a click past its text misses).
  void choose(int n) const {
    QTest::mouseClick(option(n), Qt::LeftButton, {}, QPoint(6, option(n)->height() / 2));
  }
  QPushButton* ok() const { return window5->findChild<QPushButton*>(QStringLiteral("Command1")); }
  // Types a text into field n and presses Enter there.
  void enter(int n, const char* utf8) {
    text(n)->setFocus();
    text(n)->setText(u(utf8));
    QTest::keyClick(text(n), Qt::Key_Return);
  }
  bool is_open() const { return f->context.is_open(kSettingsWindow); }

  SettingsWindow* window5 = nullptr;
};

}  // namespace

class SettingsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { VORLASH_REQUIRE_SAMPLE(); }
  void opens_with_the_settings();
  void enter_moves_through_the_fields_in_order();
  void failed_checks_keep_the_focus_and_say_why();
  void ok_stores_and_refreshes_the_board();
  void ok_stops_at_the_first_failing_field();
  void escape_stores_nothing();
  void picker_writes_into_the_station_field();
  void switching_the_keiyo_display_on_ends_the_program();
};

void SettingsWindowTest::opens_with_the_settings() {
  SettingsRun run;
  QVERIFY(run.open());
  QCOMPARE(run.window5->windowTitle(), u("動作環境"));
  QCOMPARE(run.text(1)->text(), u("海浜幕張"));
  QCOMPARE(run.text(2)->text(), QStringLiteral("15"));
  QCOMPARE(run.text(5)->text(), u("東京"));
  QCOMPARE(run.text(6)->text(), QStringLiteral("20"));
  QCOMPARE(run.text(8)->text(), QStringLiteral("0"));
  QVERIFY(run.option(1)->isChecked());   // Keiyo down
  QVERIFY(run.option(3)->isChecked());   // Shinkansen down
  QVERIFY(run.option(5)->isChecked());   // control3_flg 1
  QVERIFY(run.option(8)->isChecked());   // save on exit
  QVERIFY(run.option(10)->isChecked());  // Keiyo shown
  QCOMPARE(run.option(6)->text(), u("格納時，地域名順，地区名順に並び換えする"));
  QCOMPARE(run.window5->findChild<QGroupBox*>(QStringLiteral("Frame6"))->title(),
           u("動作環境の退避"));
  QVERIFY(run.text(9)->text().isEmpty());
  test::save_screenshot(run.window5, QStringLiteral("timetable5"));
}

void SettingsWindowTest::enter_moves_through_the_fields_in_order() {
  SettingsRun run;
  QVERIFY(run.open());
  QWidget* const expected[] = {nullptr,     run.text(2), run.text(3), run.text(4), run.ok(),
                               run.text(6), run.text(7), run.text(8), run.text(1)};
  for (int n = 1; n <= 8; ++n) {
    run.text(n)->setFocus();
    QTest::keyClick(run.text(n), Qt::Key_Return);
    QVERIFY2(expected[n]->hasFocus(), qPrintable(QStringLiteral("after field %1").arg(n)));
  }
  // An empty minutes field becomes 0 and passes.
  run.enter(7, "");
  QCOMPARE(run.text(7)->text(), QStringLiteral("0"));
  QVERIFY(run.text(8)->hasFocus());
}

void SettingsWindowTest::failed_checks_keep_the_focus_and_say_why() {
  SettingsRun run;
  QVERIFY(run.open());
  run.enter(1, "蘇我");
  QVERIFY(run.text(1)->hasFocus());
  QCOMPARE(run.text(9)->text(), u("終着駅は指定できません"));

  run.choose(2);  // Keiyo up
  run.enter(1, "東京");
  QVERIFY(run.text(1)->hasFocus());
  QCOMPARE(run.text(9)->text(), u("始発駅は指定できません"));
  run.enter(1, "蘇我");
  QVERIFY(run.text(2)->hasFocus());
  QVERIFY(run.text(9)->text().isEmpty());

  run.enter(5, "博多");  // the last row, down
  QVERIFY(run.text(5)->hasFocus());
  QCOMPARE(run.text(9)->text(), u("終着駅は指定できません"));
  run.enter(5, "新大阪");  // listed as a departure row too; its arrival row counts
  QVERIFY(run.text(6)->hasFocus());

  // Hurry minutes must be fewer than the normal ones; no message.
  run.enter(3, "15");
  QVERIFY(run.text(3)->hasFocus());
  QVERIFY(run.text(9)->text().isEmpty());
  run.enter(6, "-5");
  QVERIFY(run.text(6)->hasFocus());
}

void SettingsWindowTest::ok_stores_and_refreshes_the_board() {
  SettingsRun run;
  QVERIFY(run.open());
  auto& state = run.f->state;
  run.choose(4);  // Shinkansen up
  run.text(5)->setText(u(" 名古屋 "));
  run.text(6)->setText(QStringLiteral("12.5"));  // half to even: 12
  run.text(7)->setText(QStringLiteral("3"));
  run.text(8)->setText(QStringLiteral("4"));
  run.text(2)->setText(QStringLiteral("40000"));  // not 16 bits: kept
  run.choose(7);
  run.choose(9);
  int const keiyo_hun1 = state.keiyo_line.hun1;

  QTest::mouseClick(run.ok(), Qt::LeftButton);
  QVERIFY(!run.is_open());
  QCOMPARE(state.sinkansen_line.flg, 2);
  QCOMPARE(state.sinkansen_line.station, std::string("名古屋"));
  QCOMPARE(state.sinkansen_line.hun1, 12);
  QCOMPARE(state.sinkansen_line.hun2, 3);
  QCOMPARE(state.sinkansen_line.hyouji, 4);
  QCOMPARE(state.keiyo_line.hun1, keiyo_hun1);
  QCOMPARE(state.control3_flg, 0);
  QCOMPARE(state.control2_flg, 0);
  QCOMPARE(state.keiyo_use, 1);
  QCOMPARE(run.ended, 0);

  // The main window shows the new line at once: four up trains from 名古屋.
  auto* frame1 = run.child<QGroupBox>("Frame1");
  QCOMPARE(frame1->title(), u("新幹線（上り）  名古屋"));
  auto const rows = test::rows_of(run.child<QListWidget>("List1"));
  QCOMPARE(rows.size(), 4);
  DepartureList expected;
  BoardState scratch;
  edit_sinkansen(state, scratch, expected);
  QCOMPARE(rows.first(), to_qstring(expected.rows.front()));
}

void SettingsWindowTest::ok_stops_at_the_first_failing_field() {
  SettingsRun run;
  QVERIFY(run.open());
  run.text(5)->setText(u("大宮"));  // not on this line
  run.text(8)->setText(QStringLiteral("-1"));
  QTest::mouseClick(run.ok(), Qt::LeftButton);
  QVERIFY(run.is_open());
  QVERIFY(run.text(5)->hasFocus());
  QCOMPARE(run.f->state.sinkansen_line.station, std::string("東京"));
}

void SettingsWindowTest::escape_stores_nothing() {
  SettingsRun run;
  QVERIFY(run.open());
  auto& state = run.f->state;
  auto const keiyo = state.keiyo_line;
  auto const sinkansen = state.sinkansen_line;
  run.text(1)->setText(u("舞浜"));
  run.text(6)->setText(QStringLiteral("3"));
  run.choose(11);
  auto const help_quits = run.f->help.quit_calls.size();
  run.text(6)->setFocus();
  QTest::keyClick(run.text(6), Qt::Key_Escape);
  QVERIFY(!run.is_open());
  QCOMPARE(state.keiyo_line.station, keiyo.station);
  QCOMPARE(state.sinkansen_line.hun1, sinkansen.hun1);
  QCOMPARE(state.keiyo_use, 1);
  QCOMPARE(run.f->help.quit_calls.size(), help_quits + 1);

  // Escape on an option button closes the window as well.
  open_settings_window(run.f->context);
  auto* again = run.f->context.window_as<SettingsWindow>(kSettingsWindow);
  QVERIFY(again);
  auto* option = again->findChild<QRadioButton*>(QStringLiteral("Option5"));
  option->setFocus();
  QTest::keyClick(option, Qt::Key_Escape);
  QVERIFY(!run.is_open());
}

void SettingsWindowTest::picker_writes_into_the_station_field() {
  SettingsRun run;
  QVERIFY(run.open());
  QTest::mouseDClick(run.text(5), Qt::LeftButton);
  auto* picker = run.f->context.window_as<StationPickerWindow>(kStationPickerWindow);
  QVERIFY(picker);
  QCOMPARE(run.f->context.windows.board.view_mode, kPickSinkansenStation);
  auto* list = picker->findChild<QListWidget*>(QStringLiteral("List1"));
  auto const found = list->findItems(u("京都"), Qt::MatchExactly);
  QCOMPARE(found.size(), 1);
  found.first()->setSelected(true);
  QTest::mouseClick(picker->findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
  QCOMPARE(run.text(5)->text(), u("京都"));

  QTest::mouseDClick(run.text(1), Qt::LeftButton);
  picker = run.f->context.window_as<StationPickerWindow>(kStationPickerWindow);
  QVERIFY(picker);
  QCOMPARE(run.f->context.windows.board.view_mode, kPickKeiyoStation);
  list = picker->findChild<QListWidget*>(QStringLiteral("List1"));
  list->item(1)->setSelected(true);
  QTest::mouseClick(picker->findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
  QCOMPARE(run.text(1)->text(), u("八丁堀"));
}

void SettingsWindowTest::switching_the_keiyo_display_on_ends_the_program() {
  SettingsRun run;
  QVERIFY(test::edit_settings(*run.f, "keiyo_use=1", "keiyo_use=0"));
  QVERIFY(run.open());
  QVERIFY(run.option(11)->isChecked());
  run.choose(10);
  run.text(7)->setText(QStringLiteral("8"));
  QTest::mouseClick(run.ok(), Qt::LeftButton);

  QCOMPARE(run.ended, 1);
  QVERIFY(!run.is_open());
  QVERIFY(!run.f->context.is_open(kMainWindow));
  // Saving is on in the sample settings: the unload wrote the new values.
  auto const saved = test::file_bytes(run.f->path("vorlash2.ini"));
  QVERIFY(saved.contains("keiyo_use=1"));
  QVERIFY(saved.contains("sinkansen_hun2=8"));
}

QTEST_MAIN(SettingsWindowTest)
#include "settings_window_test.moc"
