// The conventions every window keeps, on the real windows over the sample
// data: Return presses the focused button, a focus the program moved shows,
// number fields take full-width digits, and the search window's close box
// stores nothing.
#include <QFocusFrame>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOption>
#include <functional>
#include <tuple>

#include "board/ui/station_picker_window.h"
#include "board/ui/timetable_window.h"
#include "hotel/ui/hotel_search_window.h"
#include "search/ui/search_ui_fixture.h"
#include "settings/ui/correction_window.h"
#include "settings/ui/settings_window.h"
#include "ui_support/sample_folder.h"

using namespace vorlash;
using namespace vorlash::test;

namespace {

using Opener = std::function<QWidget*(SearchRun&)>;

QWidget* main_window_of(SearchRun& run) {
  return run.window.get();
}
QWidget* search_window(SearchRun& run) {
  return run.f->context.show_window<SearchConditionsWindow>(kSearchConditionsWindow);
}
QWidget* calendar_window(SearchRun& run) {
  search_window(run);
  return run.f->context.show_window<CalendarWindow>(kCalendarWindow);
}
QWidget* settings_window(SearchRun& run) {
  return run.f->context.show_window<SettingsWindow>(kSettingsWindow);
}
QWidget* correction_window(SearchRun& run) {
  return run.f->context.show_window<CorrectionWindow>(kCorrectionWindow);
}
QWidget* hotel_search_window(SearchRun& run) {
  return run.f->context.show_window<HotelSearchWindow>(kHotelSearchWindow);
}
QWidget* timetable_window(SearchRun& run) {
  return run.f->context.show_window<TimetableWindow>(kTimetableWindow);
}
QWidget* picker_window(SearchRun& run) {
  return open_station_picker(run.f->context, kPickSearchBoarding, [](const std::string&) {});
}

// A started main window, then the window `open` gives, active.
QWidget* started(SearchRun& run, const Opener& open) {
  if (!run.start()) return nullptr;
  auto* w = open(run);
  return SearchRun::activate(w) ? w : nullptr;
}

// The control has the focus and its style draws the focus frame.
bool shows_focus(QWidget* control) {
  if (!control || QApplication::focusWidget() != control) return false;
  QStyleOption option;
  option.initFrom(control);
  return option.state.testFlag(QStyle::State_HasFocus) &&
         option.state.testFlag(QStyle::State_KeyboardFocusChange);
}

// What the input method hands over when the user commits a text.
void commit(QWidget* field, const QString& text) {
  QInputMethodEvent event;
  event.setCommitString(text);
  QApplication::sendEvent(field, &event);
}

}  // namespace

Q_DECLARE_METATYPE(Opener)

class WindowConventionsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { VORLASH_REQUIRE_SAMPLE(); }
  void return_presses_the_focused_button_data();
  void return_presses_the_focused_button();
  void focus_moved_by_the_program_shows();
  void number_fields_take_fullwidth_digits_data();
  void number_fields_take_fullwidth_digits();
  void search_close_box_stores_nothing();
};

void WindowConventionsTest::return_presses_the_focused_button_data() {
  QTest::addColumn<Opener>("open");
  QTest::addColumn<QString>("button");
  QTest::newRow("main window 新幹線検索") << Opener(main_window_of) << "Command3";
  QTest::newRow("search 終了") << Opener(search_window) << "Command2";
  QTest::newRow("calendar ｶﾚﾝﾀﾞｰ day") << Opener(calendar_window) << "Command1_15";
  QTest::newRow("correction 取消終了") << Opener(correction_window) << "Command3";
  QTest::newRow("hotel search 検索開始") << Opener(hotel_search_window) << "Command1";
  QTest::newRow("timetable 終了") << Opener(timetable_window) << "Command1";
  QTest::newRow("picker 取消") << Opener(picker_window) << "Command2";
}

void WindowConventionsTest::return_presses_the_focused_button() {
  QFETCH(Opener, open);
  QFETCH(QString, button);
  SearchRun run;
  auto* w = started(run, open);
  QVERIFY(w);
  auto* pressed = w->findChild<QPushButton*>(button);
  QVERIFY(pressed && pressed->isVisible() && pressed->isEnabled());
  pressed->setFocus();
  QCOMPARE(QApplication::focusWidget(), pressed);
  QSignalSpy clicks(pressed, &QAbstractButton::clicked);
  QTest::keyClick(pressed, Qt::Key_Return);
  QCOMPARE(clicks.count(), 1);
}

void WindowConventionsTest::focus_moved_by_the_program_shows() {
  // The end of the Enter order: "了解" of the settings, "一時設定" of the
  // clock correction.
  for (auto const& [open, field, button] :
       {std::tuple{Opener(settings_window), "Text4", "Command1"},
        std::tuple{Opener(correction_window), "Text12", "Command2"}}) {
    SearchRun run;
    auto* w = started(run, open);
    QVERIFY(w);
    auto* last = w->findChild<QLineEdit*>(QString::fromLatin1(field));
    last->setFocus();
    QTest::keyClick(last, Qt::Key_Return);
    QVERIFY2(shows_focus(w->findChild<QPushButton*>(QString::fromLatin1(button))), field);
  }

  // A click on a station moves the focus to "選択".
  SearchRun run;
  auto* picker = started(run, picker_window);
  QVERIFY(picker);
  auto* list = picker->findChild<QListWidget*>(QStringLiteral("List1"));
  auto const row = list->visualItemRect(list->item(2)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
  QVERIFY(shows_focus(picker->findChild<QPushButton*>(QStringLiteral("Command3"))));

  // The calendar's scroll bar gets a focus frame round it.
  auto* calendar = calendar_window(run);
  QVERIFY(SearchRun::activate(calendar));
  auto* bar = calendar->findChild<QScrollBar*>(QStringLiteral("VScroll1"));
  bar->setFocus(Qt::TabFocusReason);
  QVERIFY(shows_focus(bar));
  auto* frame = calendar->findChild<QFocusFrame*>();
  QVERIFY(frame && frame->isVisible());
  QVERIFY(frame->geometry().contains(bar->geometry()));
  save_screenshot(calendar, QStringLiteral("calendar_scroll_bar_focus"));
  // Leaving the scroll bar takes the frame away.
  calendar->findChild<QLineEdit*>(QStringLiteral("Text1"))->setFocus();
  QVERIFY(!frame->isVisible());
}

void WindowConventionsTest::number_fields_take_fullwidth_digits_data() {
  QTest::addColumn<Opener>("open");
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("shown");
  QTest::newRow("settings minutes") << Opener(settings_window) << "Text2" << u("１０") << "10";
  QTest::newRow("search hour") << Opener(search_window) << "Text2" << u("１０") << "10";
  QTest::newRow("search year") << Opener(search_window) << "Text13" << u("２０００") << "2000";
  QTest::newRow("correction day") << Opener(correction_window) << "Text9" << u("１２") << "12";
  QTest::newRow("calendar month") << Opener(calendar_window) << "Text1" << u("２０００／０３")
                                  << "2000/03";
}

void WindowConventionsTest::number_fields_take_fullwidth_digits() {
  QFETCH(Opener, open);
  QFETCH(QString, field);
  QFETCH(QString, typed);
  QFETCH(QString, shown);
  SearchRun run;
  auto* w = started(run, open);
  QVERIFY(w);
  auto* box = w->findChild<QLineEdit*>(field);
  box->setFocus();
  box->clear();
  commit(box, typed);
  QCOMPARE(box->text(), shown);
  QCOMPARE(box->cursorPosition(), shown.size());
  // The value passes the field's check: Enter moves the focus on.
  if (w->objectName() == QStringLiteral("timetable5")) {
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(!box->hasFocus());
  }
}

void WindowConventionsTest::search_close_box_stores_nothing() {
  SearchRun run;
  QVERIFY(run.start());
  auto& stored = run.f->state.form[kSearchConditionsWindow];
  stored.left = 30000;
  auto* w = search_window(run);
  QVERIFY(w);
  w->move(w->pos() + QPoint(40, 30));
  w->close();
  QVERIFY(!run.search());
  QCOMPARE(stored.left, 30000);
}

QTEST_MAIN(WindowConventionsTest)
#include "window_conventions_test.moc"
