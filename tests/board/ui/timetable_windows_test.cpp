// The timetable, passing-stations and station-picker windows.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "board/clock_day.h"
#include "board/passing_stations.h"
#include "board/station_picker.h"
#include "board/timetable_view.h"
#include "board/ui/main_window_fixture.h"
#include "board/ui/passing_stations_window.h"
#include "board/ui/station_picker_window.h"
#include "board/ui/timetable_window.h"
#include "shell/qt_strings.h"
#include "shell/window_place.h"
#include "text/utf8.h"
#include "ui_support/sample_folder.h"

using namespace vorlash;
using namespace vorlash::test;

namespace {

// The sample loaded at 14:05 with both departure lists built.
std::unique_ptr<UiFixture> loaded_board() {
  auto f = std::make_unique<UiFixture>(true, kSampleClock);
  if (!f->load().ok()) return nullptr;
  get_today(f->state, f->clock);
  set_holiday(f->state);
  edit_time(f->state, f->clock);
  core_rows(f->state, 1, f->context.windows.board);
  core_rows(f->state, 2, f->context.windows.board);
  return f;
}

template <class W>
W* child(QWidget* window, const char* name) {
  return window->findChild<W*>(QString::fromLatin1(name));
}

QStringList items_of(QWidget* picker) {
  return rows_of(child<QListWidget>(picker, "List1"));
}

QStringList names_for(const AppState& state, int mode) {
  QStringList names;
  for (auto const& name : station_picker(state, mode).names) names << to_qstring(name);
  return names;
}

void click_row(QListWidget* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(row)).center());
}

}  // namespace

class TimetableWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void timetable_window_views_and_self_close();
  void passing_stations_window_closes_after_its_time();
  void picker_writes_chosen_name_into_target();
  void picker_cancel_and_escape_leave_target_alone();
};

void TimetableWindowsTest::init() {
  VORLASH_REQUIRE_SAMPLE();
}

void TimetableWindowsTest::timetable_window_views_and_self_close() {
  auto f = loaded_board();
  QVERIFY(f);
  auto& ctx = f->context;

  f->context.windows.board.view_mode = 2;
  auto* w = ctx.show_window<TimetableWindow>(kTimetableWindow);
  QCOMPARE(w->windowTitle(), QStringLiteral("時刻表の表示"));
  QCOMPARE(child<QGroupBox>(w, "Frame1")->title(), QStringLiteral("新幹線（下り）  東京"));
  auto const text = child<QPlainTextEdit>(w, "Text1")->toPlainText();
  QCOMPARE(text, to_qstring(crlf_to_lf(sinkansen_timetable(f->state).text)));
  QVERIFY(text.startsWith(QStringLiteral("06|")));
  QCOMPARE(child<QLabel>(w, "Label1")->text(),
           QStringLiteral("（注）無印はひかり  [　］はのぞみ　（　）はこだま"));
  // The longest hour line shows whole, without a horizontal scroll bar.
  auto* text1 = child<QPlainTextEdit>(w, "Text1");
  QVERIFY(!text1->horizontalScrollBar()->isVisible() ||
          text1->horizontalScrollBar()->maximum() == 0);
  auto* timer = w->findChild<QTimer*>(QStringLiteral("Timer1"));
  QVERIFY(timer->isActive());
  QCOMPARE(timer->interval(), 60000);
  QCoreApplication::processEvents();
  save_screenshot(w, QStringLiteral("timetable24"));

  w->move(150, 90);
  auto const where = window_position(w);
  QTest::keyClick(child<QPushButton>(w, "Command1"), Qt::Key_Escape);
  QVERIFY(!ctx.is_open(kTimetableWindow));
  QCOMPARE(f->state.form[kTimetableWindow].top, where.top);
  QCOMPARE(f->state.form[kTimetableWindow].left, where.left);

  f->context.windows.board.view_mode = 1;
  w = ctx.show_window<TimetableWindow>(kTimetableWindow);
  QCOMPARE(child<QGroupBox>(w, "Frame1")->title(),
           QStringLiteral("京葉線（土休日下り）  海浜幕張"));
  QCOMPARE(child<QLabel>(w, "Label1")->text(), QStringLiteral("（注）（　）内は新習志野駅とまり"));
  w->move(170, 110);
  auto const later = window_position(w);
  auto const quits = f->help.quit_calls.size();
  fire_timer(w);
  QVERIFY(!ctx.is_open(kTimetableWindow));
  QCOMPARE(f->state.form[kTimetableWindow].top, later.top);
  QCOMPARE(f->help.quit_calls.size(), quits + 1);

  f->context.windows.board.view_mode = 0;
  w = ctx.show_window<TimetableWindow>(kTimetableWindow);
  QVERIFY(child<QPlainTextEdit>(w, "Text1")->toPlainText().isEmpty());
  QVERIFY(child<QGroupBox>(w, "Frame1")->title().isEmpty());
  w->close();
}

void TimetableWindowsTest::passing_stations_window_closes_after_its_time() {
  auto f = loaded_board();
  QVERIFY(f);
  auto& ctx = f->context;
  f->context.windows.board.view_mode = 2;
  f->context.windows.board.chosen_sinkansen_row = 1;
  auto* w = ctx.show_window<PassingStationsWindow>(kPassingStationsWindow);
  QCOMPARE(w->windowTitle(), QStringLiteral("通過駅の時刻表示"));
  auto const text = child<QPlainTextEdit>(w, "Text1")->toPlainText();
  QCOMPARE(text, to_qstring(sinkansen_passing_stations(f->state, f->context.windows.board)));
  QVERIFY(text.startsWith(QStringLiteral("東京(")));
  auto* timer = w->findChild<QTimer*>(QStringLiteral("Timer1"));
  QCOMPARE(timer->interval(), 10000);
  QVERIFY(timer->isActive());

  w->move(130, 70);
  auto const where = window_position(w);
  fire_timer(w);
  QVERIFY(!ctx.is_open(kPassingStationsWindow));
  QCOMPARE(f->state.form[kPassingStationsWindow].top, where.top);
  QCOMPARE(f->state.form[kPassingStationsWindow].left, where.left);

  // Escape in the text closes it as well.
  f->context.windows.board.view_mode = 1;
  f->context.windows.board.chosen_keiyo_row = 0;
  w = ctx.show_window<PassingStationsWindow>(kPassingStationsWindow);
  QCOMPARE(child<QPlainTextEdit>(w, "Text1")->toPlainText(),
           to_qstring(keiyo_passing_stations(f->state, f->context.windows.board)));
  QTest::keyClick(child<QPlainTextEdit>(w, "Text1"), Qt::Key_Escape);
  QVERIFY(!ctx.is_open(kPassingStationsWindow));
}

void TimetableWindowsTest::picker_writes_chosen_name_into_target() {
  auto f = loaded_board();
  QVERIFY(f);
  auto& ctx = f->context;
  QLineEdit boarding;
  QLineEdit alighting;
  auto const into = [](QLineEdit& field) {
    return [&field](const std::string& name) { field.setText(to_qstring(name)); };
  };

  auto* w = open_station_picker(ctx, kPickSearchBoarding, into(boarding));
  QCOMPARE(w->windowTitle(), QStringLiteral("利用駅の選択"));
  QCOMPARE(f->context.windows.board.view_mode, kPickSearchBoarding);
  QCOMPARE(child<QPushButton>(w, "Command1")->text(), QStringLiteral("東海道・山陽新幹線"));
  auto const names = items_of(w);
  QCOMPARE(names, names_for(f->state, kPickSearchBoarding));
  QCOMPARE(names.first(), QStringLiteral("東京"));
  QCOMPARE(names.count(QStringLiteral("名古屋")), 1);
  auto* choose = child<QPushButton>(w, "Command3");
  QVERIFY(!choose->isEnabled());
  // Asking again while it is open brings it up, still serving the first field.
  QCOMPARE(open_station_picker(ctx, kPickSearchAlighting, into(alighting)), w);
  save_screenshot(w, QStringLiteral("timetable22"));

  auto* list = child<QListWidget>(w, "List1");
  click_row(list, 2);
  QVERIFY(choose->isEnabled());
  QVERIFY(choose->hasFocus() || !w->isActiveWindow());
  w->move(110, 60);
  auto const where = window_position(w);
  QTest::mouseClick(choose, Qt::LeftButton);
  QCOMPARE(boarding.text(), names.at(2));
  QVERIFY(alighting.text().isEmpty());
  QVERIFY(!ctx.is_open(kStationPickerWindow));
  QCOMPARE(f->state.form[kStationPickerWindow].top, where.top);

  // A double-click takes the name as well.
  w = open_station_picker(ctx, kPickSearchAlighting, into(alighting));
  list = child<QListWidget>(w, "List1");
  auto const centre = list->visualItemRect(list->item(5)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
  QCOMPARE(alighting.text(), names.at(5));
  QVERIFY(!ctx.is_open(kStationPickerWindow));

  // The Keiyo field: positions 1 to 11 without position 8.
  QLineEdit keiyo;
  w = open_station_picker(ctx, kPickKeiyoStation, into(keiyo));
  QCOMPARE(child<QPushButton>(w, "Command1")->text(), QStringLiteral("京葉線"));
  QCOMPARE(items_of(w), names_for(f->state, kPickKeiyoStation));
  QCOMPARE(items_of(w).size(), 10);
  QVERIFY(!items_of(w).contains(to_qstring(f->state.keiyo.station[1][8])));
  click_row(child<QListWidget>(w, "List1"), 0);
  QTest::mouseClick(child<QPushButton>(w, "Command3"), Qt::LeftButton);
  QCOMPARE(keiyo.text(), to_qstring(f->state.keiyo.station[1][1]));
}

void TimetableWindowsTest::picker_cancel_and_escape_leave_target_alone() {
  auto f = loaded_board();
  QVERIFY(f);
  auto& ctx = f->context;
  int written = 0;
  auto const target = [&](const std::string&) { ++written; };

  auto* w = open_station_picker(ctx, kPickSinkansenStation, target);
  // "選択" with nothing selected does nothing.
  child<QPushButton>(w, "Command3")->setEnabled(true);
  QTest::mouseClick(child<QPushButton>(w, "Command3"), Qt::LeftButton);
  QVERIFY(ctx.is_open(kStationPickerWindow));
  click_row(child<QListWidget>(w, "List1"), 1);
  QTest::mouseClick(child<QPushButton>(w, "Command2"), Qt::LeftButton);
  QVERIFY(!ctx.is_open(kStationPickerWindow));

  w = open_station_picker(ctx, kPickSinkansenStation, target);
  click_row(child<QListWidget>(w, "List1"), 1);
  QTest::keyClick(child<QListWidget>(w, "List1"), Qt::Key_Escape);
  QVERIFY(!ctx.is_open(kStationPickerWindow));
  QCOMPARE(written, 0);
}

QTEST_MAIN(TimetableWindowsTest)
#include "timetable_windows_test.moc"
