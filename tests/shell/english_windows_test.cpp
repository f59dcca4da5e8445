// Every window in English on the sample data: a screenshot of each
// (<build>/screenshots/en_timetableN.png) and no caption, label, button,
// frame title or filled-in field narrower than its English text.
#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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
#include "platform/language_choice.h"
#include "search/ui/search_ui_fixture.h"
#include "settings/ui/correction_window.h"
#include "settings/ui/settings_window.h"
#include "shell/loading_window.h"
#include "text/language.h"
#include "ui_support/sample_folder.h"

using namespace vorlash;
using namespace vorlash::test;

namespace {

using Opener = std::function<QWidget*(SearchRun&)>;

template <class W>
Opener shown(int number) {
  return [number](SearchRun& run) { return run.f->context.show_window<W>(number); };
}

// The texts of the window that do not fit their widget: "name: text".
QStringList cut_texts(QWidget* window) {
  QStringList cut;
  auto check = [&](QWidget* w, const QString& text, int needed) {
    // Digits (the calendar's days) and the small "?" buttons read the same
    // in either language.
    static QRegularExpression const digits(QStringLiteral("^[0-9?]*$"));
    if (!w->isVisibleTo(window) || digits.match(text).hasMatch()) return;
    if (w->width() + 1 < needed) cut << w->objectName() + ": " + text;
  };
  for (auto* b : window->findChildren<QAbstractButton*>())
    check(b, b->text(), b->sizeHint().width());
  for (auto* l : window->findChildren<QLabel*>()) {
    if (!l->wordWrap()) check(l, l->text(), l->sizeHint().width());
  }
  for (auto* e : window->findChildren<QLineEdit*>())
    check(e, e->text(), e->fontMetrics().horizontalAdvance(e->text()) + 8);
  for (auto* g : window->findChildren<QGroupBox*>()) {
    check(g, g->title(), g->fontMetrics().horizontalAdvance(g->title()) + 16);
  }
  return cut;
}

}  // namespace

Q_DECLARE_METATYPE(Opener)

class EnglishWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    VORLASH_REQUIRE_SAMPLE();
    set_language(Language::en);
  }
  void cleanup() { set_language(Language::ja); }
  void every_window_shows_its_english_whole_data();
  void every_window_shows_its_english_whole();
  void language_menu_remembers_the_choice();
};

void EnglishWindowsTest::every_window_shows_its_english_whole_data() {
  QTest::addColumn<Opener>("open");
  QTest::newRow("timetable1") << Opener([](SearchRun& run) { return run.window.get(); });
  QTest::newRow("timetable4") << Opener([](SearchRun& run) {
    run.f->context.show_window<SearchConditionsWindow>(kSearchConditionsWindow);
    return run.f->context.show_window<CalendarWindow>(kCalendarWindow);
  });
  QTest::newRow("timetable5") << shown<SettingsWindow>(kSettingsWindow);
  QTest::newRow("timetable6") << Opener([](SearchRun& run) {
    auto* search = run.f->context.show_window<HotelSearchWindow>(kHotelSearchWindow);
    QTest::keyClick(search->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::Key_Space);
    return run.f->context.window(kHotelListWindow);
  });
  QTest::newRow("timetable7") << shown<DistrictSelectWindow>(kDistrictSelectWindow);
  QTest::newRow("timetable11") << Opener([](SearchRun& run) -> QWidget* {
    return run.f->context.show_window<LoadingWindow>(kLoadingWindow, kLoadingStartUp);
  });
  QTest::newRow("timetable12") << shown<HotelSearchWindow>(kHotelSearchWindow);
  QTest::newRow("timetable13") << shown<UserHotelListWindow>(kUserHotelListWindow);
  QTest::newRow("timetable14") << Opener([](SearchRun& run) {
    auto* list = run.f->context.show_window<UserHotelListWindow>(kUserHotelListWindow);
    return run.f->context.show_window<UserHotelEditorWindow>(kUserHotelEditorWindow, list);
  });
  QTest::newRow("timetable15") << Opener([](SearchRun& run) {
    return run.f->context.show_window<AreaSelectWindow>(kAreaSelectWindow,
                                                        [](const std::string&) {});
  });
  QTest::newRow("timetable21") << shown<CorrectionWindow>(kCorrectionWindow);
  QTest::newRow("timetable22") << Opener([](SearchRun& run) {
    return open_station_picker(run.f->context, kPickSearchBoarding, [](const std::string&) {});
  });
  QTest::newRow("timetable23") << shown<PassingStationsWindow>(kPassingStationsWindow);
  QTest::newRow("timetable24") << shown<TimetableWindow>(kTimetableWindow);
  QTest::newRow("timetable25") << shown<SearchConditionsWindow>(kSearchConditionsWindow);
  QTest::newRow("timetable26") << shown<SearchResultsWindow>(kSearchResultsWindow);
}

void EnglishWindowsTest::every_window_shows_its_english_whole() {
  QFETCH(Opener, open);
  SearchRun run;
  QVERIFY(run.start());
  QWidget* w = open(run);
  QVERIFY(w);
  w->show();
  QVERIFY(QTest::qWaitForWindowExposed(w));
  save_screenshot(w, QStringLiteral("en_") + QString::fromLatin1(QTest::currentDataTag()));
  QStringList const cut = cut_texts(w);
  QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
}

// The menu View > Language writes the choice into the user's config folder
// (here a temporary one) for the next start, and says so.
void EnglishWindowsTest::language_menu_remembers_the_choice() {
  QTemporaryDir config;
  QByteArray const old_config = qgetenv("XDG_CONFIG_HOME");
  QByteArray const old_appdata = qgetenv("APPDATA");
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  qputenv("APPDATA", config.path().toUtf8());
  SearchRun run;
  QVERIFY(run.start());
  auto* japanese = run.window->findChild<QAction*>(QStringLiteral("mnu_language_ja"));
  auto* english = run.window->findChild<QAction*>(QStringLiteral("mnu_language_en"));
  QVERIFY(japanese && english && english->isChecked() && !japanese->isChecked());
  japanese->trigger();
  QVERIFY(japanese->isChecked() && !english->isChecked());
  QCOMPARE(remembered_language(process_environment()), Language::ja);
  QCOMPARE(run.f->messages.requests.size(), std::size_t{1});
  QCOMPARE(run.f->messages.requests[0].text,
           std::string("The language changes when the program starts next."));
  qputenv("XDG_CONFIG_HOME", old_config);
  qputenv("APPDATA", old_appdata);
}

QTEST_MAIN(EnglishWindowsTest)
#include "english_windows_test.moc"
