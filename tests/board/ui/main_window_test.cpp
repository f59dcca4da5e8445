// The main window: the tick, the ways of ending and what each writes, the
// double-clicks, the layout without the Keiyo line and the window entries.
#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "board/passing_stations.h"
#include "board/ui/main_window_fixture.h"
#include "board/ui/passing_stations_window.h"
#include "board/ui/timetable_window.h"
#include "shell/qt_strings.h"
#include "shell/window_place.h"
#include "ui_support/sample_folder.h"

using namespace vorlash;
using namespace vorlash::test;

namespace {

QByteArray settings_of(const MainWindowRun& run) {
  return file_bytes(run.f->path("vorlash2.ini"));
}

QByteArray line(const char* key, int value) {
  return QByteArray(key) + "=" + QByteArray::number(value) + "\r\n";
}

// The main window's top and left as stored in the SettingsFile.
QByteArray position_lines(const WindowPosition& p) {
  return line("timetable1_top", p.top) + line("timetable1_left", p.left);
}

void double_click_row(QListWidget* list, int row) {
  auto const centre = list->visualItemRect(list->item(row)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

void double_click_frame(QGroupBox* frame) {
  // The strip under the list belongs to the frame itself.
  QTest::mouseDClick(frame, Qt::LeftButton, {}, QPoint(frame->width() / 2, frame->height() - 2));
}

QString passing_text(AppContext& ctx) {
  auto* w = ctx.window_as<PassingStationsWindow>(kPassingStationsWindow);
  return w ? w->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText() : QString();
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void tick_rebuilds_clock_line_and_lists();
  void exit_button_saves_by_the_unload_rule();
  void escape_on_list2_saves_and_ends();
  void close_box_saves_without_position();
  void file_menu_exit_saves_only_when_saving_is_on();
  void settings_window_ends_through_unload();
  void unload_leaves_file_when_reread_fails();
  void failed_write_is_reported_and_program_ends();
  void row_double_clicks_open_passing_stations();
  void empty_message_row_opens_nothing();
  void frame_double_click_opens_timetable_once();
  void layout_without_keiyo();
  void window_entries_follow_openers();
};

void MainWindowTest::init() {
  VORLASH_REQUIRE_SAMPLE();
}

void MainWindowTest::tick_rebuilds_clock_line_and_lists() {
  MainWindowRun run;
  QVERIFY(run.start());
  auto* timer = run.window->findChild<QTimer*>(QStringLiteral("Timer1"));
  QVERIFY(timer && timer->isActive());
  QCOMPARE(timer->interval(), 60000);
  auto* list1 = run.child<QListWidget>("List1");
  auto* list2 = run.child<QListWidget>("List2");
  auto const before = rows_of(list1);

  run.f->clock.reading = {2000, 3, 11, 15, 40, 0};
  fire_timer(run.window.get());
  QCOMPARE(run.child<QPushButton>("Command2")->text(),
           QStringLiteral("現在日時 ： 2000/03/11（土）  15:40"));
  QVERIFY(rows_of(list1) != before);
  QCOMPARE(rows_of(list1), core_rows(run.f->state, 1));
  QCOMPARE(rows_of(list2), core_rows(run.f->state, 2));
  QVERIFY(list2->item(0)->text().contains(QStringLiteral("１５：")));
}

void MainWindowTest::exit_button_saves_by_the_unload_rule() {
  {  // Saving on: the run's changes and the window's position are written.
    MainWindowRun run;
    QVERIFY(run.start());
    run.f->state.keiyo_line.hun1 = 33;
    run.window->move(240, 180);
    auto const where = window_position(run.window.get());
    auto const help_quits = run.f->help.quit_calls.size();
    QTest::mouseClick(run.child<QPushButton>("Command1"), Qt::LeftButton);
    QVERIFY(!run.window->isVisible());
    QCOMPARE(run.ended, 0);  // other windows may stay; the program ends with the last one
    auto const file = settings_of(run);
    QVERIFY(file.contains(position_lines(where)));
    QVERIFY(file.contains(line("keiyo_hun1", 33)));
    QCOMPARE(run.f->help.quit_calls.size(), help_quits + 1);
  }
  {  // Saving switched off during the run: the file keeps what it held and
     // only records that saving is off.
    MainWindowRun run;
    QVERIFY(run.start());
    auto const original = settings_of(run);
    run.f->state.control2_flg = 0;
    run.f->state.keiyo_line.hun1 = 33;
    run.window->move(240, 180);
    QTest::mouseClick(run.child<QPushButton>("Command1"), Qt::LeftButton);
    auto expected = original;
    expected.replace("control2_flg=1", "control2_flg=0");
    QCOMPARE(settings_of(run), expected);
    QCOMPARE(run.f->state.control2_flg, 0);
    QCOMPARE(run.f->state.keiyo_line.hun1, 15);
  }
}

void MainWindowTest::escape_on_list2_saves_and_ends() {
  MainWindowRun run;
  QVERIFY(run.start());
  run.f->state.sinkansen_line.hun2 = 7;
  run.window->move(200, 120);
  auto const where = window_position(run.window.get());
  QTest::keyClick(run.child<QListWidget>("List2"), Qt::Key_Escape);
  QVERIFY(!run.window->isVisible());
  QCOMPARE(run.ended, 1);
  QVERIFY(settings_of(run).contains(position_lines(where)));
  QVERIFY(settings_of(run).contains(line("sinkansen_hun2", 7)));
}

void MainWindowTest::close_box_saves_without_position() {
  MainWindowRun run;
  QVERIFY(run.start());
  auto const placed = run.f->state.form[kMainWindow];
  run.f->state.sinkansen_line.hun2 = 7;
  run.window->move(260, 160);
  QVERIFY(window_position(run.window.get()).top != placed.top);
  run.window->close();
  QCOMPARE(run.ended, 0);
  QVERIFY(settings_of(run).contains(position_lines(placed)));
  QVERIFY(settings_of(run).contains(line("sinkansen_hun2", 7)));
}

void MainWindowTest::file_menu_exit_saves_only_when_saving_is_on() {
  for (int const saving : {1, 0}) {
    MainWindowRun run;
    QVERIFY(run.start());
    auto const original = settings_of(run);
    run.f->state.control2_flg = saving;
    run.f->state.keiyo_line.hun1 = 33;
    run.window->move(240, 180);
    auto const where = window_position(run.window.get());
    auto const help_quits = run.f->help.quit_calls.size();
    run.window->findChild<QAction*>(QStringLiteral("mnu_end"))->trigger();
    QCOMPARE(run.ended, 1);
    QCOMPARE(run.f->state.form[kMainWindow].top, where.top);
    if (saving == 1) {
      QVERIFY(settings_of(run).contains(position_lines(where)));
      QVERIFY(settings_of(run).contains(line("keiyo_hun1", 33)));
    } else {
      QCOMPARE(settings_of(run), original);
    }
    // The unload step does not run on this way out, not even when the
    // window closes later.
    run.window->close();
    QCOMPARE(run.f->help.quit_calls.size(), help_quits);
    if (saving == 0) QCOMPARE(settings_of(run), original);
  }
}

void MainWindowTest::settings_window_ends_through_unload() {
  MainWindowRun run;
  QVERIFY(edit_settings(*run.f, "keiyo_use=1", "keiyo_use=0"));
  QVERIFY(run.start());
  auto const placed = run.f->state.form[kMainWindow];
  run.window->move(240, 180);
  // The settings window switches the Keiyo display on and ends the program.
  run.f->state.keiyo_use = 1;
  run.window->end_program_via_unload();
  QVERIFY(!run.window->isVisible());
  QCOMPARE(run.ended, 1);
  QVERIFY(settings_of(run).contains(line("keiyo_use", 1)));
  QVERIFY(settings_of(run).contains(position_lines(placed)));
}

void MainWindowTest::unload_leaves_file_when_reread_fails() {
  MainWindowRun run;
  QVERIFY(run.start());
  // Saving is off, and by the end of the run the file has been damaged: the
  // half-read values must not be written over it.
  auto damaged = settings_of(run);
  damaged.truncate(damaged.indexOf("[Sinkansen_line]"));
  QVERIFY(write_bytes(run.f->path("vorlash2.ini"), damaged));
  run.f->state.control2_flg = 0;
  QTest::mouseClick(run.child<QPushButton>("Command1"), Qt::LeftButton);
  QVERIFY(!run.window->isVisible());
  QCOMPARE(settings_of(run), damaged);
}

void MainWindowTest::failed_write_is_reported_and_program_ends() {
  MainWindowRun run;
  QVERIFY(run.start());
  // A directory where the file should go: the rename into place fails.
  QVERIFY(QFile::remove(QString::fromStdString(run.f->path("vorlash2.ini"))));
  QVERIFY(QDir().mkdir(QString::fromStdString(run.f->path("vorlash2.ini"))));
  QTest::keyClick(run.child<QPushButton>("Command1"), Qt::Key_Escape);
  QCOMPARE(run.ended, 1);
  QVERIFY(!run.window->isVisible());
  QCOMPARE(run.f->messages.requests.size(), size_t{1});
  auto const& box = run.f->messages.requests.front();
  QCOMPARE(box.title, std::string(kErrorTitle));
  QVERIFY2(box.text.find("vorlash2.ini") != std::string::npos, box.text.c_str());
  QVERIFY(QFileInfo(QString::fromStdString(run.f->path("vorlash2.ini"))).isDir());
  QVERIFY(run.f->context.save_failed);  // the program's exit status becomes 1
}

void MainWindowTest::row_double_clicks_open_passing_stations() {
  MainWindowRun run;
  QVERIFY(run.start());
  auto& ctx = run.f->context;
  auto* list1 = run.child<QListWidget>("List1");

  double_click_row(list1, 0);
  QVERIFY(ctx.is_open(kPassingStationsWindow));
  QCOMPARE(run.f->context.windows.board.view_mode, 2);
  QCOMPARE(passing_text(ctx), QString::fromStdString(sinkansen_passing_stations(
                                  run.f->state, run.f->context.windows.board)));
  QVERIFY(passing_text(ctx).startsWith(QStringLiteral("東京(14:")));
  save_screenshot(ctx.window(kPassingStationsWindow), QStringLiteral("timetable23"));

  // Another row while it is open: closed and opened anew with that train.
  QPointer<QWidget> first = ctx.window(kPassingStationsWindow);
  auto const first_text = passing_text(ctx);
  double_click_row(list1, 3);
  QCOMPARE(run.f->context.windows.board.chosen_sinkansen_row, 3);
  QVERIFY(!first || !first->isVisible());
  QCOMPARE(passing_text(ctx), QString::fromStdString(sinkansen_passing_stations(
                                  run.f->state, run.f->context.windows.board)));
  QVERIFY(passing_text(ctx) != first_text);

  // A Keiyo row.
  double_click_row(run.child<QListWidget>("List2"), 1);
  QCOMPARE(run.f->context.windows.board.view_mode, 1);
  QCOMPARE(passing_text(ctx), QString::fromStdString(keiyo_passing_stations(
                                  run.f->state, run.f->context.windows.board)));
  QVERIFY(passing_text(ctx).startsWith(QStringLiteral("海浜幕張(14:")));
}

void MainWindowTest::empty_message_row_opens_nothing() {
  // After the last train of the day the Shinkansen list holds a message.
  MainWindowRun run({2000, 3, 11, 23, 50, 0});
  QVERIFY(run.start());
  auto* list1 = run.child<QListWidget>("List1");
  QCOMPARE(rows_of(list1), QStringList{QStringLiteral("本日の運行は終了しました")});
  run.f->context.windows.board.view_mode = 0;
  double_click_row(list1, 0);
  QVERIFY(!run.f->context.is_open(kPassingStationsWindow));
  QCOMPARE(run.f->context.windows.board.view_mode, 0);
}

void MainWindowTest::frame_double_click_opens_timetable_once() {
  MainWindowRun run;
  QVERIFY(run.start());
  auto& ctx = run.f->context;
  double_click_frame(run.child<QGroupBox>("Frame1"));
  auto* timetable = ctx.window_as<TimetableWindow>(kTimetableWindow);
  QVERIFY(timetable);
  auto* frame = timetable->findChild<QGroupBox*>(QStringLiteral("Frame1"));
  QCOMPARE(frame->title(), QStringLiteral("新幹線（下り）  東京"));

  // Asking for the Keiyo timetable while it is open only brings it up.
  double_click_frame(run.child<QGroupBox>("Frame2"));
  QCOMPARE(ctx.window_as<TimetableWindow>(kTimetableWindow), timetable);
  QCOMPARE(frame->title(), QStringLiteral("新幹線（下り）  東京"));
  QCOMPARE(run.f->context.windows.board.view_mode, 1);

  fire_timer(timetable);
  QVERIFY(!ctx.is_open(kTimetableWindow));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  run.window->findChild<QAction*>(QStringLiteral("mnu_view_keiyo"))->trigger();
  timetable = ctx.window_as<TimetableWindow>(kTimetableWindow);
  QVERIFY(timetable);
  QCOMPARE(timetable->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(),
           QStringLiteral("京葉線（土休日下り）  海浜幕張"));
}

void MainWindowTest::layout_without_keiyo() {
  MainWindowRun with;
  MainWindowRun without;
  QVERIFY(edit_settings(*without.f, "keiyo_use=1", "keiyo_use=0"));
  QVERIFY(with.start());
  QVERIFY(without.start());
  QCoreApplication::processEvents();
  save_screenshot(with.window.get(), QStringLiteral("timetable1"));
  save_screenshot(without.window.get(), QStringLiteral("timetable1_without_keiyo"));

  int const shift = twips_to_pixels(1485);
  QCOMPARE(with.window->height() - without.window->height(), shift);
  QCOMPARE(with.window->width(), without.window->width());
  for (auto const* name : {"Command1", "Command3", "Command4", "Command5"}) {
    QCOMPARE(with.child<QPushButton>(name)->y() - without.child<QPushButton>(name)->y(), shift);
  }
  QCOMPARE(with.child<QPushButton>("Command2")->y(), without.child<QPushButton>("Command2")->y());
  QVERIFY(!without.child<QGroupBox>("Frame2")->isVisible());
  QVERIFY(!without.window->findChild<QAction*>(QStringLiteral("mnu_view_keiyo"))->isEnabled());
  QVERIFY(without.window->findChild<QAction*>(QStringLiteral("mnu_view_sinkansen"))->isEnabled());
  // Buttons and frames stay inside the window.
  auto const* central = without.window->centralWidget();
  QVERIFY(central->rect().contains(without.child<QPushButton>("Command1")->geometry()));
}

void MainWindowTest::window_entries_follow_openers() {
  MainWindowRun run;
  int settings_opened = 0;
  int hotel_loaded_seen = -1;
  run.f->context.set_opener("timetable5", [&] { ++settings_opened; });
  run.f->context.set_opener("timetable13", [&] { hotel_loaded_seen = run.f->state.hotel_loaded; });
  QVERIFY(run.start());
  auto const action = [&](const char* name) {
    return run.window->findChild<QAction*>(QString::fromLatin1(name));
  };

  QVERIFY(run.child<QPushButton>("Command5")->isEnabled());
  QVERIFY(action("mnu_settings")->isEnabled());
  QTest::mouseClick(run.child<QPushButton>("Command5"), Qt::LeftButton);
  action("mnu_settings")->trigger();
  QCOMPARE(settings_opened, 2);
  // Windows nobody has registered yet cannot be asked for.
  QVERIFY(!run.child<QPushButton>("Command2")->isEnabled());
  QVERIFY(!action("mnu_time")->isEnabled());
  QVERIFY(!run.child<QPushButton>("Command3")->isEnabled());
  QVERIFY(!action("mnu_view_search")->isEnabled());
  QVERIFY(!run.child<QPushButton>("Command4")->isEnabled());
  QVERIFY(!action("mnu_view_hotel_search")->isEnabled());

  // The user hotel list sees the hotel table as loaded; afterwards it is
  // read afresh.
  run.f->state.hotel_loaded = 1;
  action("mnu_hotels")->trigger();
  QCOMPARE(hotel_loaded_seen, 1);
  QCOMPARE(run.f->state.hotel_loaded, 0);

  action("mnu_topics")->trigger();
  QCOMPARE(run.f->help.contents_calls, std::vector<std::string>{run.f->path("vorlash2.hlp")});
  // バージョン情報: version, Edition, data date and the three files' places.
  action("mnu_about")->trigger();
  auto const& about = run.f->messages.requests.back();
  QVERIFY(about.information);
  for (auto const& part :
       {std::string("東海道・山陽新幹線編"), std::string("1.59"), std::string("2000/03/11"),
        run.f->path("vorlashj.dat"), run.f->path("vorlash2.ini"), run.f->path("hotelusr.csv")})
    QVERIFY2(about.text.find(part) != std::string::npos, about.text.c_str());
  QCOMPARE(action("mnu_view_search")->text(), QStringLiteral("新幹線検索(&Cｿ)"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
