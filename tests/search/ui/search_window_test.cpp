// The search conditions window on the sample data: filling, the Enter order
// and the checks of each box, "検索開始" with its order of checks, the
// two-transfer confirmation, the station picker and the ways out.
#include <QGroupBox>
#include <QListWidget>

#include "board/ui/station_picker_window.h"
#include "search/ui/search_ui_fixture.h"
#include "shell/loading_window.h"
#include "shell/window_place.h"
#include "text/date.h"
#include "ui_support/sample_folder.h"

using namespace vorlash;
using namespace vorlash::test;

class SearchWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { VORLASH_REQUIRE_SAMPLE(); }
  void opens_filled_with_the_last_conditions();
  void enter_moves_through_the_boxes_in_order();
  void failed_checks_keep_the_focus_or_open_the_picker();
  void start_stops_at_the_first_failing_check();
  void two_hour_rule_applies_to_two_transfers_only();
  void cancelled_confirmation_leaves_the_window_open();
  void double_click_opens_the_picker_for_that_box();
  void escape_and_end_close_without_storing();
};

void SearchWindowTest::opens_filled_with_the_last_conditions() {
  SearchRun run;
  QVERIFY(run.open());
  auto* w = run.search();
  QCOMPARE(w->windowTitle(), u("新幹線の検索"));
  QStringList values;
  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15}) values << run.text(n)->text();
  QCOMPARE(values, (QStringList{u("東京"), "6", "0", "10", "0", u("新大阪"), "6", "0", "23", "59",
                                "60", "2000", "3", "11"}));
  QCOMPARE(SearchRun::in<QLabel>(w, "Label1")->text(), u("(土)"));
  QVERIFY(run.option(3)->isChecked());  // 乗車時間順 until one is chosen
  QVERIFY(run.option(4)->isChecked());  // １回
  QVERIFY(run.option(6)->isChecked());  // １列車あたり１件
  QCOMPARE(run.option(7)->text(), u("１列車あたり全件"));
  QCOMPARE(SearchRun::in<QGroupBox>(w, "Frame4")->title(), u("乗り換え時の条件"));
  QCOMPARE(SearchRun::in<QGroupBox>(w, "Frame7")->title(), u("乗車予定日"));
  QCOMPARE(run.button(w, 3)->text(), u("ｶﾚﾝﾀﾞｰ"));
  QVERIFY(run.message().isEmpty());
  save_screenshot(w, QStringLiteral("timetable25"));

  // A chosen order and two transfers come back on the next opening.
  run.f->state.cond.sort_order = 2;
  run.f->state.cond.wait_count = 2;
  run.f->state.cond.combination_number = 0;
  w->close();
  open_search_conditions_window(run.f->context);
  QVERIFY(run.option(2)->isChecked());
  QVERIFY(run.option(5)->isChecked());
  QVERIFY(run.option(7)->isChecked());

  // The weekday follows the date boxes as soon as they form a date, and the
  // reopened window shows the weekday of its own boxes.
  auto* weekday = SearchRun::in<QLabel>(run.search(), "Label1");
  run.text(15)->setText(QStringLiteral("3"));
  QCOMPARE(weekday->text(), u("(金)"));
  run.text(14)->setText(QStringLiteral("13"));
  QVERIFY(weekday->text().isEmpty());
  run.text(13)->setText(QStringLiteral("2027"));
  run.text(14)->setText(QStringLiteral("2"));
  run.text(15)->setText(QStringLiteral("10"));
  QCOMPARE(weekday->text(), u("(水)"));
  run.search()->close();
  open_search_conditions_window(run.f->context);
  QCOMPARE(SearchRun::in<QLabel>(run.search(), "Label1")->text(),
           u("(") +
               QString::fromStdString(weekday_name(
                   weekday_of(day_number(run.text(13)->text().toInt(), run.text(14)->text().toInt(),
                                         run.text(15)->text().toInt())))) +
               u(")"));
}

void SearchWindowTest::enter_moves_through_the_boxes_in_order() {
  SearchRun run;
  QVERIFY(run.open());
  auto* start = run.button(run.search(), 1);
  for (int n = 1; n <= 15; ++n) {
    if (n == 12) continue;
    run.text(n)->setFocus();
    QTest::keyClick(run.text(n), Qt::Key_Return);
    QWidget* const expected =
        n == 11 ? static_cast<QWidget*>(start) : run.text(n == 15 ? 1 : n + 1);
    QVERIFY2(expected->hasFocus(), qPrintable(QStringLiteral("after box %1").arg(n)));
  }
  // Empty time boxes take their defaults and pass.
  for (int n : {2, 3, 4, 5, 7, 8, 9, 10, 11}) run.enter(n, {});
  QStringList values;
  for (int n : {2, 3, 4, 5, 7, 8, 9, 10, 11}) values << run.text(n)->text();
  QCOMPARE(values, (QStringList{"6", "0", "23", "59", "6", "0", "23", "59", "60"}));
  QCOMPARE(run.focused(), start);
}

void SearchWindowTest::failed_checks_keep_the_focus_or_open_the_picker() {
  SearchRun run;
  QVERIFY(run.open());
  auto& ctx = run.f->context;

  run.enter(1, u("大宮"));  // not on this line
  QCOMPARE(run.message(), u("入力エラーです"));
  QVERIFY(ctx.is_open(kStationPickerWindow));
  QCOMPARE(run.f->context.windows.board.view_mode, kPickSearchBoarding);
  ctx.close_window(kStationPickerWindow);

  QVERIFY(SearchRun::activate(run.search()));
  run.text(1)->setText(u("東京"));
  run.enter(6, u("東京"));  // the boarding station again: no message
  QVERIFY(run.message().isEmpty());
  QCOMPARE(run.f->context.windows.board.view_mode, kPickSearchAlighting);
  ctx.close_window(kStationPickerWindow);
  QVERIFY(SearchRun::activate(run.search()));

  // The to-time may equal the from-time, not precede it.
  run.fill({u("東京"), "10", "30", "10"});
  run.enter(5, "29");
  QVERIFY(run.text(5)->hasFocus());
  run.enter(5, "30");
  QVERIFY(run.text(6)->hasFocus());

  struct Case {
    int box;
    const char* value;
    bool passes;
  };
  Case const cases[] = {{2, "5", false},    {2, "23", true},     {3, "60", false},
                        {4, "0", true},     {7, "x", false},     {11, "0", true},
                        {11, "121", false}, {13, "1999", false}, {13, "2100", true},
                        {14, "2", true},    {15, "29", false},   {13, "2000", true},
                        {15, "29", true},   {14, "13", false}};
  for (auto const& c : cases) {
    run.enter(c.box, QString::fromLatin1(c.value));
    QCOMPARE(run.text(c.box)->hasFocus(), !c.passes);
    QVERIFY(run.message().isEmpty());  // these checks have no message
  }
  QCOMPARE(run.f->state.cond.plan_year, 2000);
  QCOMPARE(run.f->state.cond.plan_month, 13);  // the month is kept even when it fails
}

void SearchWindowTest::start_stops_at_the_first_failing_check() {
  SearchRun run;
  QVERIFY(run.open());
  auto* start = run.button(run.search(), 1);
  run.text(3)->setText("60");
  run.text(11)->setText("121");
  run.text(15)->setText("32");
  QTest::mouseClick(start, Qt::LeftButton);
  QVERIFY(run.text(3)->hasFocus());
  run.text(3)->setText("0");
  QTest::mouseClick(start, Qt::LeftButton);
  QVERIFY(run.text(11)->hasFocus());
  run.text(11)->setText("0");
  QTest::mouseClick(start, Qt::LeftButton);
  QVERIFY(run.text(15)->hasFocus());
  QVERIFY(run.search());
  QVERIFY(!run.results());
  QCOMPARE(run.f->state.cond.wait_time, 60);  // nothing stored yet
}

void SearchWindowTest::two_hour_rule_applies_to_two_transfers_only() {
  SearchRun run;
  QVERIFY(run.open());
  auto* start = run.button(run.search(), 1);
  run.choose(5);
  run.fill({u("東京"), "6", "59", "9", "0"});
  QTest::mouseClick(start, Qt::LeftButton);
  QCOMPARE(run.message(), u("発車時刻の範囲を２時間以内としてください"));
  QVERIFY(run.text(2)->hasFocus());
  QVERIFY(run.f->messages.requests.empty());

  // 6:00 to 8:59 spans two whole hours: on to the confirmation.
  run.fill({u("東京"), "6", "0", "8", "59"});
  run.f->messages.answers.push_back(MessageAnswer::Cancel);
  QTest::mouseClick(start, Qt::LeftButton);
  QVERIFY(run.message().isEmpty());
  QCOMPARE(run.f->messages.requests.size(), std::size_t{1});

  // With one transfer any window passes.
  run.choose(4);
  run.fill({u("東京"), "6", "0", "23", "59"});
  QTest::mouseClick(start, Qt::LeftButton);
  QVERIFY(run.results());
}

void SearchWindowTest::cancelled_confirmation_leaves_the_window_open() {
  SearchRun run;
  QVERIFY(run.open());
  run.choose(5);
  run.choose(1);
  run.fill({u("名古屋"), "7", "0", "8", "0"});
  run.f->messages.answers.push_back(MessageAnswer::Cancel);
  QTest::mouseClick(run.button(run.search(), 1), Qt::LeftButton);

  auto const& requests = run.f->messages.requests;
  QCOMPARE(requests.size(), std::size_t{1});
  QCOMPARE(QString::fromStdString(requests[0].title), u("確認メッセージ"));
  QCOMPARE(QString::fromStdString(requests[0].text),
           u("乗り換え回数が２回の場合、検索に時間がかかります"));
  QCOMPARE(requests[0].buttons, MessageButtons::OkCancel);
  QCOMPARE(requests[0].help_context, 258);
  QVERIFY(run.search());
  QVERIFY(!run.results());
  QVERIFY(!run.f->context.is_open(kLoadingWindow));
  QCOMPARE(run.f->context.windows.search.hit_count, 0);
  // What was stored before the question stays.
  auto const& c = run.f->state.cond;
  QCOMPARE(c.st_station, std::string("名古屋"));
  QCOMPARE(c.wait_count, 2);
  QCOMPARE(c.sort_order, 1);
}

void SearchWindowTest::double_click_opens_the_picker_for_that_box() {
  SearchRun run;
  QVERIFY(run.open());
  QTest::mouseDClick(run.text(6), Qt::LeftButton);
  auto* picker = run.f->context.window_as<StationPickerWindow>(kStationPickerWindow);
  QVERIFY(picker);
  QCOMPARE(run.f->context.windows.board.view_mode, kPickSearchAlighting);
  auto* list = SearchRun::in<QListWidget>(picker, "List1");
  auto const found = list->findItems(u("京都"), Qt::MatchExactly);
  QCOMPARE(found.size(), 1);
  list->setCurrentItem(found.first());
  QTest::mouseClick(SearchRun::in<QPushButton>(picker, "Command3"), Qt::LeftButton);
  QCOMPARE(run.text(6)->text(), u("京都"));
  QCOMPARE(run.text(1)->text(), u("東京"));
  QVERIFY(!run.f->context.is_open(kStationPickerWindow));
}

void SearchWindowTest::escape_and_end_close_without_storing() {
  SearchRun run;
  QVERIFY(run.open());
  auto& state = run.f->state;
  auto const quits = run.f->help.quit_calls.size();
  run.search()->move(run.search()->pos() + QPoint(30, 20));
  auto const where = window_position(run.search());
  run.text(1)->setText(u("京都"));
  run.text(3)->setFocus();
  QTest::keyClick(run.text(3), Qt::Key_Escape);
  QVERIFY(!run.search());
  QCOMPARE(state.cond.st_station, std::string("東京"));
  QCOMPARE(run.f->help.quit_calls.size(), quits + 1);
  QCOMPARE(state.form[kSearchConditionsWindow].top, where.top);
  QCOMPARE(state.form[kSearchConditionsWindow].left, where.left);

  // Escape on a display-order option, and "終了", which brings the main
  // window back.
  open_search_conditions_window(run.f->context);
  run.option(2)->setFocus();
  QTest::keyClick(run.option(2), Qt::Key_Escape);
  QVERIFY(!run.search());
  open_search_conditions_window(run.f->context);
  QVERIFY(SearchRun::activate(run.search()));
  QTest::mouseClick(run.button(run.search(), 2), Qt::LeftButton);
  QVERIFY(!run.search());
  QTRY_VERIFY(run.window->isActiveWindow());
  QCOMPARE(state.cond.sort_order, 0);
}

QTEST_MAIN(SearchWindowTest)
#include "search_window_test.moc"
