// Every window of the program reached without a mouse and told apart by a
// screen reader: each control that takes the focus has an accessible name of
// its own, shows that it has the focus, and Tab leaves every list and grid.
#include <QAbstractItemView>
#include <QAccessible>
#include <QFocusFrame>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStyleOption>
#include <QTableWidget>
#include <functional>

#include "board/ui/passing_stations_window.h"
#include "board/ui/station_picker_window.h"
#include "board/ui/timetable_window.h"
#include "hotel/ui/area_select_window.h"
#include "hotel/ui/district_select_window.h"
#include "hotel/ui/hotel_list_window.h"
#include "hotel/ui/hotel_search_window.h"
#include "hotel/ui/user_hotel_editor_window.h"
#include "hotel/ui/user_hotel_list_window.h"
#include "search/ui/search_ui_fixture.h"
#include "settings/ui/correction_window.h"
#include "settings/ui/settings_window.h"
#include "shell/loading_window.h"
#include "ui_support/sample_folder.h"

using namespace vorlash;
using namespace vorlash::test;

namespace {

// Opens one window on a started main window; nullptr when it did not open.
using Opener = std::function<QWidget*(SearchRun&)>;

QWidget* click_open(QWidget* in, const char* button, AppContext& ctx, int number) {
  if (!in) return nullptr;
  QTest::mouseClick(in->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
  return ctx.window(number);
}

QWidget* hotel_list(SearchRun& run) {
  open_hotel_search_window(run.f->context);
  return click_open(run.f->context.window(kHotelSearchWindow), "Command1", run.f->context,
                    kHotelListWindow);
}

QWidget* user_hotel_editor(SearchRun& run) {
  open_user_hotel_list_window(run.f->context);
  auto* list = run.f->context.window(kUserHotelListWindow);
  if (!list) return nullptr;
  list->findChild<QListWidget*>(QStringLiteral("List1"))->setCurrentRow(1);
  return click_open(list, "Command3", run.f->context, kUserHotelEditorWindow);
}

QWidget* results(SearchRun& run) {
  auto& ctx = run.f->context;
  open_search_conditions_window(ctx);
  run.fill(
      {u("東京"), "6", "0", "6", "10", u("新大阪"), "6", "0", "23", "59", "60", "2000", "3", "11"});
  return click_open(ctx.window(kSearchConditionsWindow), "Command1", ctx, kSearchResultsWindow);
}

struct Window {
  const char* name;
  Opener open;
};

const Window kWindows[] = {
    {"timetable1 main", [](SearchRun& run) -> QWidget* { return run.window.get(); }},
    {"timetable4 calendar",
     [](SearchRun& run) -> QWidget* {
       open_search_conditions_window(run.f->context);
       return run.f->context.show_window<CalendarWindow>(kCalendarWindow);
     }},
    {"timetable5 settings",
     [](SearchRun& run) -> QWidget* {
       return run.f->context.show_window<SettingsWindow>(kSettingsWindow);
     }},
    {"timetable6 hotel list", hotel_list},
    {"timetable7 districts",
     [](SearchRun& run) {
       return click_open(hotel_list(run), "Command3", run.f->context, kDistrictSelectWindow);
     }},
    {"timetable11 loading",
     [](SearchRun& run) -> QWidget* {
       return open_loading_window(run.f->context, kLoadingHotels);
     }},
    {"timetable12 hotel search",
     [](SearchRun& run) -> QWidget* {
       open_hotel_search_window(run.f->context);
       return run.f->context.window(kHotelSearchWindow);
     }},
    {"timetable13 user hotels",
     [](SearchRun& run) -> QWidget* {
       open_user_hotel_list_window(run.f->context);
       return run.f->context.window(kUserHotelListWindow);
     }},
    {"timetable14 hotel editor", user_hotel_editor},
    {"timetable15 areas",
     [](SearchRun& run) -> QWidget* {
       return open_area_selection(run.f->context, kAreaForHotelEditor, [](const std::string&) {});
     }},
    {"timetable21 correction",
     [](SearchRun& run) -> QWidget* {
       return run.f->context.show_window<CorrectionWindow>(kCorrectionWindow);
     }},
    {"timetable22 picker",
     [](SearchRun& run) -> QWidget* {
       return open_station_picker(run.f->context, kPickSearchBoarding, [](const std::string&) {});
     }},
    {"timetable23 passing stations",
     [](SearchRun& run) -> QWidget* {
       run.f->context.windows.board.view_mode = 2;
       run.f->context.windows.board.chosen_sinkansen_row = 1;
       return run.f->context.show_window<PassingStationsWindow>(kPassingStationsWindow);
     }},
    {"timetable24 timetable",
     [](SearchRun& run) -> QWidget* {
       return run.f->context.show_window<TimetableWindow>(kTimetableWindow);
     }},
    {"timetable25 search",
     [](SearchRun& run) -> QWidget* {
       open_search_conditions_window(run.f->context);
       return run.f->context.window(kSearchConditionsWindow);
     }},
    {"timetable26 results", results},
};

QString accessible_name(QWidget* control) {
  auto* face = QAccessible::queryAccessibleInterface(control);
  return face ? face->text(QAccessible::Name).trimmed() : QString();
}

// The controls of a window that Tab can reach, in tab order.
QList<QWidget*> focusable(QWidget* window) {
  QList<QWidget*> controls;
  for (auto* w : window->findChildren<QWidget*>()) {
    if (w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
        !w->focusProxy())
      controls << w;
  }
  return controls;
}

// The focused control shows it: a read-only text its caret, an empty list a
// focus frame round it, every other control its own focus mark.
QString focus_unseen(QWidget* control) {
  if (QApplication::focusWidget() != control) return QStringLiteral("no focus");
  if (auto* text = qobject_cast<QPlainTextEdit*>(control); text && text->isReadOnly())
    return text->textInteractionFlags() & Qt::TextSelectableByKeyboard ? QString()
                                                                       : QStringLiteral("no caret");
  if (auto* view = qobject_cast<QAbstractItemView*>(control);
      view && view->model()->rowCount() == 0) {
    auto* frame = control->window()->findChild<QFocusFrame*>();
    return frame && frame->isVisible() && frame->geometry().contains(control->geometry())
               ? QString()
               : QStringLiteral("no frame round the empty list");
  }
  QStyleOption option;
  option.initFrom(control);
  return option.state.testFlag(QStyle::State_HasFocus) &&
                 option.state.testFlag(QStyle::State_KeyboardFocusChange)
             ? QString()
             : QStringLiteral("no focus mark");
}

}  // namespace

Q_DECLARE_METATYPE(Opener)

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { VORLASH_REQUIRE_SAMPLE(); }
  void every_control_is_named_shows_focus_and_lets_tab_go_data();
  void every_control_is_named_shows_focus_and_lets_tab_go();
  void hotel_list_by_keyboard_alone();
  void station_picker_picks_with_return();
};

void AccessibilityTest::every_control_is_named_shows_focus_and_lets_tab_go_data() {
  QTest::addColumn<Opener>("open");
  for (auto const& w : kWindows) QTest::newRow(w.name) << w.open;
}

void AccessibilityTest::every_control_is_named_shows_focus_and_lets_tab_go() {
  QFETCH(Opener, open);
  SearchRun run;
  QVERIFY(run.start());
  auto* window = open(run);
  QVERIFY(SearchRun::activate(window));
  auto const controls = focusable(window);
  QVERIFY(!controls.isEmpty());
  QHash<QString, QString> named;  // name -> the control's object name
  for (auto* control : controls) {
    auto const id = control->objectName() + QStringLiteral(" (") +
                    QString::fromLatin1(control->metaObject()->className()) + QStringLiteral(")");
    auto const name = accessible_name(control);
    QVERIFY2(!name.isEmpty(), qPrintable(id + QStringLiteral(" has no accessible name")));
    QVERIFY2(!named.contains(name), qPrintable(id + QStringLiteral(" and ") + named.value(name) +
                                               QStringLiteral(": ") + name));
    named.insert(name, id);

    control->setFocus(Qt::TabFocusReason);
    auto const unseen = focus_unseen(control);
    QVERIFY2(unseen.isEmpty(), qPrintable(id + QStringLiteral(": ") + unseen));

    auto* view = qobject_cast<QAbstractItemView*>(control);
    if (!view) continue;
    // A grid names its columns; Tab and Shift+Tab leave it.
    if (auto* grid = qobject_cast<QTableWidget*>(view)) {
      for (int c = 0; c < grid->columnCount(); ++c)
        QVERIFY2(grid->horizontalHeaderItem(c) && !grid->horizontalHeaderItem(c)->text().isEmpty(),
                 qPrintable(id));
    }
    for (auto const key : {Qt::Key_Tab, Qt::Key_Backtab}) {
      view->setFocus(Qt::TabFocusReason);
      QTest::keyClick(view, key);
      QVERIFY2(QApplication::focusWidget() != view, qPrintable(id + QStringLiteral(" keeps Tab")));
    }
  }
}

void AccessibilityTest::hotel_list_by_keyboard_alone() {
  SearchRun run;
  QVERIFY(run.start());
  auto* list = hotel_list(run);
  QVERIFY(SearchRun::activate(list));
  auto* grid = list->findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1"));
  auto* narrow = list->findChild<QPushButton*>(QStringLiteral("Command3"));
  auto* end = list->findChild<QPushButton*>(QStringLiteral("Command2"));
  QCOMPARE(QApplication::focusWidget(), grid);
  QTest::keyClick(grid, Qt::Key_Down);
  QCOMPARE(grid->currentRow(), 1);
  QTest::keyClick(grid, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), narrow);
  QTest::keyClick(narrow, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), end);
  QTest::keyClick(end, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), grid);
  QTest::keyClick(grid, Qt::Key_Backtab);
  QCOMPARE(QApplication::focusWidget(), end);
  // 地区の絞り込み by Shift+Tab and Return.
  QTest::keyClick(end, Qt::Key_Backtab);
  QTest::keyClick(narrow, Qt::Key_Return);
  QVERIFY(run.f->context.window(kDistrictSelectWindow));
}

void AccessibilityTest::station_picker_picks_with_return() {
  SearchRun run;
  QVERIFY(run.start());
  std::string picked;
  auto* picker = open_station_picker(run.f->context, kPickSearchBoarding,
                                     [&](const std::string& name) { picked = name; });
  QVERIFY(SearchRun::activate(picker));
  auto* list = picker->findChild<QListWidget*>(QStringLiteral("List1"));
  QCOMPARE(QApplication::focusWidget(), list);
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Down);
  auto const highlighted = list->currentItem()->text().toStdString();
  QTest::keyClick(list, Qt::Key_Return);
  QCOMPARE(picked, highlighted);
  QVERIFY(!run.f->context.is_open(kStationPickerWindow));
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
