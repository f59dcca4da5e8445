// The hotel search on the sample data: a search by region through the
// loading window into the hotel list, narrowing the list by district and
// back, the area selection writing into the asking field, and the region
// errors, by keyboard and by mouse.
#include "hotel/ui/hotel_search_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "hotel/ui/area_select_window.h"
#include "hotel/ui/district_select_window.h"
#include "hotel/ui/hotel_list_window.h"
#include "shell/fonts.h"
#include "shell/loading_window.h"
#include "shell/window_place.h"
#include "ui_support/sample_folder.h"
#include "ui_support/ui_test_support.h"

using namespace vorlash;
using namespace vorlash::test;

namespace {

QString u(const char* utf8) {
  return QString::fromUtf8(utf8);
}

template <class T>
T* in(QWidget* w, const char* name) {
  return w ? w->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

QStringList rows_of(const QListWidget* list) {
  QStringList rows;
  for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
  return rows;
}

QStringList column_of(const QTableWidget* grid, int column) {
  QStringList cells;
  for (int r = 0; r < grid->rowCount(); ++r) cells << grid->item(r, column)->text();
  return cells;
}

// The sample folder started up, with the loading window watched whenever
// events run.
struct HotelRun {
  HotelRun() : f(std::make_unique<UiFixture>()) {
    f->context.yield = [this] {
      if (auto* w = f->context.window_as<LoadingWindow>(kLoadingWindow))
        loading_message = in<QPushButton>(w, "Command1")->text();
      QCoreApplication::processEvents();
    };
  }
  HotelRun(const HotelRun&) = delete;
  HotelRun& operator=(const HotelRun&) = delete;
  ~HotelRun() {
    f->context.close_all_windows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  bool open() {
    if (!f->load().ok()) return false;
    open_hotel_search_window(f->context);
    return search() != nullptr;
  }
  QWidget* search() const { return f->context.window(kHotelSearchWindow); }
  QWidget* list() const { return f->context.window(kHotelListWindow); }
  QWidget* districts() const { return f->context.window(kDistrictSelectWindow); }
  QWidget* areas() const { return f->context.window(kAreaSelectWindow); }
  QLineEdit* region() const { return in<QLineEdit>(search(), "Text1"); }
  QTableWidget* grid() const { return in<QTableWidget>(list(), "MSFlexGrid1"); }
  void click(QWidget* window, const char* button) const {
    QTest::mouseClick(in<QPushButton>(window, button), Qt::LeftButton);
  }
  std::string last_message() const {
    return f->messages.requests.empty() ? std::string() : f->messages.requests.back().text;
  }

  std::unique_ptr<UiFixture> f;
  QString loading_message;
};

// Clicks list rows as the mouse does, with Ctrl after the first.
void pick_rows(QListWidget* list, std::initializer_list<int> rows) {
  bool first = true;
  for (int row : rows) {
    auto const rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton,
                      first ? Qt::NoModifier : Qt::ControlModifier, rect.center());
    first = false;
  }
}

// A double-click on a list row, after the click that selects it.
void double_click_row(QListWidget* list, int row) {
  auto const centre = list->visualItemRect(list->item(row)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

}  // namespace

class HotelSearchWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { VORLASH_REQUIRE_SAMPLE(); }
  void search_by_region_with_the_keyboard();
  void narrowing_by_two_districts_and_back();
  void area_selection_fills_the_asking_field();
  void region_errors_and_the_empty_region();
};

void HotelSearchWindowTest::search_by_region_with_the_keyboard() {
  HotelRun run;
  QVERIFY(run.open());
  auto* w = run.search();
  QCOMPARE(w->windowTitle(), u("ｿﾙﾏｰ時刻表&ﾎﾃﾙ情報"));
  QCOMPARE(in<QGroupBox>(w, "Frame1")->title(), u("ホテル検索条件"));
  QCOMPARE(in<QLabel>(w, "Label1")->text(), u("ホテル検索地域名"));
  QCOMPARE(in<QPushButton>(w, "Command1")->text(), u("検索開始"));
  QCOMPARE(in<QPushButton>(w, "Command2")->text(), u("検索終了"));
  // The most recent hotel region is proposed.
  QCOMPARE(run.region()->text(), u("東京／羽田"));
  w->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(w));
  QVERIFY(run.region()->hasFocus());
  QVERIFY(in<QPushButton>(w, "Command3")->isVisible());
  save_screenshot(w, QStringLiteral("timetable12"));

  // Enter checks the region and moves on to "検索開始", hiding "?".
  QTest::keyClick(run.region(), Qt::Key_Return);
  QCOMPARE(w->focusWidget(), in<QPushButton>(w, "Command1"));
  QVERIFY(!in<QPushButton>(w, "Command3")->isVisible());
  QVERIFY(run.f->messages.requests.empty());
  QCOMPARE(run.f->state.hotel_loaded, 0);
  QTest::keyClick(in<QPushButton>(w, "Command1"), Qt::Key_Space);

  // The table is loaded behind the loading window, which is gone again.
  QCOMPARE(run.loading_message, u("ホテルデータロード中!!  しばらくお待ち下さい"));
  QVERIFY(!run.f->context.is_open(kLoadingWindow));
  QCOMPARE(run.f->state.hotel_loaded, 1);
  auto* list = run.list();
  QVERIFY(list);
  QCOMPARE(list->windowTitle(), u("ソルマー時刻表&ホテル情報"));
  QCOMPARE(in<QPushButton>(list, "Command1")->text(),
           u("＊＊＊＊＊ → 東京／羽田  2000/03/15 (水) 出発"));
  QCOMPARE(in<QLabel>(list, "Label1")->text(),
           u("備考(評価)は作者の個人的な評価です。公的機関の評価ではありません。ご留意下さい。"));
  auto* grid = run.grid();
  QCOMPARE(grid->columnCount(), 7);
  QStringList headers;
  QList<int> widths;
  for (int c = 0; c < 7; ++c) {
    headers << grid->horizontalHeaderItem(c)->text();
    widths << grid->columnWidth(c);
  }
  QCOMPARE(headers, (QStringList{u("地区"), u("ホテル名"), u("電話番号"), u("部屋数"), u("交通"),
                                 u("部屋代"), u("備考(評価)")}));
  // No column is narrower than its given width or its header, and the name
  // column holds the editor's longest name (16 full-width characters).
  QFontMetrics const metrics(grid->font());
  int c = 0;
  for (int twips : {900, 2520, 1170, 720, 1980, 720, 1080}) {
    QVERIFY(widths[c] >= twips_to_pixels(twips));
    QVERIFY(widths[c] > metrics.horizontalAdvance(headers[c]));
    ++c;
  }
  QVERIFY(widths[1] > metrics.horizontalAdvance(QString(16, QChar(0x6771))));
  QVERIFY(grid->horizontalScrollBar()->maximum() == 0);
  QCOMPARE(grid->font().families(), fixed_pitch_font(9).families());
  QCOMPARE(grid->font().pointSize(), 9);
  // Every hotel of 東京 (both airports' regions), the user's own included,
  // ordered by district (the sample's sort mode is 1).
  QCOMPARE(grid->rowCount(), 62);
  QVERIFY(column_of(grid, 1).contains(u("ホテル八重洲さくら")));
  auto const districts = column_of(grid, 0);
  auto sorted = districts;
  std::sort(sorted.begin(), sorted.end());
  QCOMPARE(districts, sorted);
  QVERIFY(in<QPushButton>(list, "Command3")->isEnabled());
  save_screenshot(list, QStringLiteral("timetable6"));

  // Escape in the grid closes the list and hands the focus back.
  QTest::keyClick(grid, Qt::Key_Escape);
  QVERIFY(!run.list());
  QCOMPARE(run.f->context.windows.hotel_search.opened_from_search, 0);
  QCOMPARE(w->focusWidget(), run.region());

  // The next search uses the loaded table; a new region replaces a list
  // that is still open.
  run.click(w, "Command1");
  QVERIFY(run.list());
  run.loading_message.clear();
  run.region()->setText(u("京都"));
  run.click(w, "Command1");
  QVERIFY(run.loading_message.isEmpty());
  QCOMPARE(in<QPushButton>(run.list(), "Command1")->text(),
           u("＊＊＊＊＊ → 京都  2000/03/15 (水) 出発"));
  QVERIFY(column_of(run.grid(), 1).contains(u("四条鴨川旅館")));

  // "終了" of the list, then Escape in the search window's box.
  run.click(run.list(), "Command2");
  QVERIFY(!run.list());
  QTest::keyClick(run.region(), Qt::Key_Escape);
  QVERIFY(!run.search());
}

void HotelSearchWindowTest::narrowing_by_two_districts_and_back() {
  HotelRun run;
  QVERIFY(run.open());
  run.click(run.search(), "Command1");
  QVERIFY(run.list());
  run.click(run.list(), "Command3");
  QVERIFY(!run.list());
  auto* w = run.districts();
  QVERIFY(w);
  QCOMPARE(w->windowTitle(), u("ホテル地区選択"));
  QCOMPARE(in<QLabel>(w, "Label1")->text(), u("ホテル地区名"));
  QCOMPARE(in<QLabel>(w, "Label2")->text(), u("選択地区名"));
  auto* available = in<QListWidget>(w, "List1");
  auto* chosen = in<QListWidget>(w, "List2");
  // One entry per run of equal districts in table order: the user's own
  // hotel of 八重洲 comes before the DataFile's 丸の内 and 八重洲.
  auto const runs = rows_of(available);
  QCOMPARE(runs.size(), 18);
  QCOMPARE(runs.mid(0, 4), (QStringList{u("八重洲"), u("丸の内"), u("八重洲"), u("日本橋")}));
  QVERIFY(chosen->count() == 0);
  QVERIFY(!in<QPushButton>(w, "Command1")->isEnabled());
  QVERIFY(in<QPushButton>(w, "Command2")->isEnabled());
  QVERIFY(!in<QPushButton>(w, "Command4")->isEnabled());

  // 丸の内 and 銀座, picked with the mouse (Ctrl for the second).
  pick_rows(available, {1, 4});
  QCOMPARE(available->selectedItems().size(), 2);
  QVERIFY(in<QPushButton>(w, "Command1")->isEnabled());
  run.click(w, "Command1");
  QCOMPARE(rows_of(chosen), (QStringList{u("丸の内"), u("銀座")}));
  QCOMPARE(available->count(), 16);
  QVERIFY(!in<QPushButton>(w, "Command1")->isEnabled());
  QVERIFY(in<QPushButton>(w, "Command4")->isEnabled());
  save_screenshot(w, QStringLiteral("timetable7"));
  run.click(w, "Command6");  // 了解

  QVERIFY(!run.districts());
  QVERIFY(run.list());
  QCOMPARE(run.f->context.windows.hotel_search.selected_count, 2);
  QCOMPARE(column_of(run.grid(), 0),
           (QStringList{u("丸の内"), u("丸の内"), u("丸の内"), u("丸の内"), u("丸の内"), u("銀座"),
                        u("銀座"), u("銀座"), u("銀座"), u("銀座")}));
  // Still opened from the search: "終了" goes back to it.
  QCOMPARE(run.f->context.windows.hotel_search.opened_from_search, 1);

  // Cancelled moves keep the selection.
  run.click(run.list(), "Command3");
  w = run.districts();
  QCOMPARE(rows_of(in<QListWidget>(w, "List2")), (QStringList{u("丸の内"), u("銀座")}));
  QCOMPARE(in<QListWidget>(w, "List1")->count(), 16);
  run.click(w, "Command4");  // <<全取消
  QCOMPARE(in<QListWidget>(w, "List1")->count(), 18);
  run.click(w, "Command5");  // ｷｬﾝｾﾙ
  QCOMPARE(run.f->context.windows.hotel_search.selected_count, 2);
  QCOMPARE(run.grid()->rowCount(), 10);

  // Back to every hotel by the keyboard: one chosen district back with "<取消",
  // the other with "<<全取消", Escape to accept.
  run.click(run.list(), "Command3");
  w = run.districts();
  chosen = in<QListWidget>(w, "List2");
  chosen->setFocus();
  chosen->setCurrentRow(1);
  QVERIFY(in<QPushButton>(w, "Command3")->isEnabled());
  QTest::keyClick(in<QPushButton>(w, "Command3"), Qt::Key_Space);
  QCOMPARE(rows_of(chosen), QStringList{u("丸の内")});
  QCOMPARE(rows_of(in<QListWidget>(w, "List1")).last(), u("銀座"));
  QTest::keyClick(in<QPushButton>(w, "Command4"), Qt::Key_Space);
  QCOMPARE(chosen->count(), 0);
  QVERIFY(!in<QPushButton>(w, "Command4")->isEnabled());
  QTest::keyClick(in<QListWidget>(w, "List1"), Qt::Key_Escape);
  QVERIFY(!run.districts());
  QCOMPARE(run.f->context.windows.hotel_search.selected_count, 0);
  QCOMPARE(run.grid()->rowCount(), 62);
}

void HotelSearchWindowTest::area_selection_fills_the_asking_field() {
  HotelRun run;
  QVERIFY(run.open());
  auto* search = run.search();
  QTest::mouseDClick(run.region(), Qt::LeftButton);
  auto* w = run.areas();
  QVERIFY(w);
  QCOMPARE(run.f->context.windows.hotel_search.area_mode, kAreaForHotelSearch);
  QCOMPARE(w->windowTitle(), u("ホテル地域の選択"));
  QCOMPARE(in<QGroupBox>(w, "Frame1")->title(), u("ホテル地域の選択"));
  QCOMPARE(in<QLineEdit>(w, "Text1")->text(),
           u("エリア、もしくは最近選択の出発地よりホテル地域を選択して下さい"));
  QVERIFY(in<QLineEdit>(w, "Text1")->isReadOnly());
  QCOMPARE(in<QLabel>(w, "Label1")->text(), u("ホテル地域"));
  QCOMPARE(in<QLabel>(w, "Label2")->text(), u("最近選択のホテル地域"));
  QVERIFY(!in<QPushButton>(w, "Command1")->isEnabled());
  QVERIFY(!in<QPushButton>(w, "Command2")->isEnabled());
  // The sample's last area is 全国: every region in table order.
  QVERIFY(in<QRadioButton>(w, "Option0")->isChecked());
  auto* regions = in<QListWidget>(w, "List1");
  QCOMPARE(regions->count(), run.f->state.regions.count);
  QCOMPARE(rows_of(in<QListWidget>(w, "List2")),
           (QStringList{u("東京／羽田"), u("大阪／伊丹"), u("名古屋"), u("京都"), u("博多")}));

  QTest::mouseClick(in<QRadioButton>(w, "Option4"), Qt::LeftButton);
  QCOMPARE(run.f->state.control9_flg, 4);
  QCOMPARE(rows_of(regions).mid(0, 3), (QStringList{u("東京／羽田"), u("東京／成田"), u("横浜")}));
  QCOMPARE(regions->count(), 12);
  save_screenshot(w, QStringLiteral("timetable15"));
  double_click_row(regions, 1);
  QVERIFY(!run.areas());
  QCOMPARE(run.region()->text(), u("東京／成田"));
  QCOMPARE(search->focusWidget(), in<QPushButton>(search, "Command1"));

  // "?" by the keyboard's way: the area window opens on the area chosen
  // last; a recent place taken alone with "選択確定" is delivered.
  run.region()->setFocus();
  run.click(search, "Command3");
  w = run.areas();
  QVERIFY(in<QRadioButton>(w, "Option4")->isChecked());
  auto* recent = in<QListWidget>(w, "List2");
  recent->setCurrentRow(1);
  QVERIFY(in<QPushButton>(w, "Command1")->isEnabled());
  QTest::keyClick(in<QPushButton>(w, "Command1"), Qt::Key_Space);
  QVERIFY(!run.areas());
  QCOMPARE(run.region()->text(), u("大阪／伊丹"));

  // Escape cancels without a choice.
  QTest::mouseDClick(run.region(), Qt::LeftButton);
  QTest::keyClick(in<QListWidget>(run.areas(), "List1"), Qt::Key_Escape);
  QVERIFY(!run.areas());
  QCOMPARE(run.region()->text(), u("大阪／伊丹"));

  // The editor's mode takes the window over from the search: the choice
  // goes to the field that asked last.
  std::string editor_region;
  QTest::mouseDClick(run.region(), Qt::LeftButton);
  open_area_selection(run.f->context, kAreaForHotelEditor,
                      [&](const std::string& region) { editor_region = region; });
  QCOMPARE(run.f->context.windows.hotel_search.area_mode, kAreaForHotelEditor);
  recent = in<QListWidget>(run.areas(), "List2");
  double_click_row(recent, 4);
  QCOMPARE(editor_region, std::string("博多"));
  QCOMPARE(run.region()->text(), u("大阪／伊丹"));
}

void HotelSearchWindowTest::region_errors_and_the_empty_region() {
  HotelRun run;
  QVERIFY(run.open());
  auto* w = run.search();
  // Hotels are held under 東京, but 東京 is no region name.
  run.region()->setText(u("東京"));
  QTest::keyClick(run.region(), Qt::Key_Return);
  QCOMPARE(run.f->messages.requests.size(), std::size_t{1});
  auto const error = run.f->messages.requests.back();
  QCOMPARE(error.title, std::string("エラーメッセージ"));
  QCOMPARE(error.text, std::string("ホテル検索地域名の入力エラー！！"));
  QCOMPARE(error.help_context, 256);
  QCOMPARE(w->focusWidget(), run.region());
  run.click(w, "Command1");
  QCOMPARE(run.f->messages.requests.size(), std::size_t{2});
  QVERIFY(!run.list());
  QCOMPARE(run.f->state.hotel_loaded, 0);

  // Blanks around a region name pass.
  run.region()->setText(u(" 京都 "));
  QTest::keyClick(run.region(), Qt::Key_Return);
  QCOMPARE(run.f->messages.requests.size(), std::size_t{2});

  // Enter in an empty box does nothing; "検索開始" searches and finds nothing.
  run.region()->clear();
  QTest::keyClick(run.region(), Qt::Key_Return);
  QCOMPARE(run.f->messages.requests.size(), std::size_t{2});
  run.click(w, "Command1");
  QCOMPARE(run.last_message(), std::string("ホテルデータなし"));
  QCOMPARE(run.f->messages.requests.back().help_context, 204);
  QVERIFY(!run.list());
  QVERIFY(run.search());
  QCOMPARE(run.f->state.hotel_loaded, 1);
  // The list that never appears is unloaded all the same, ending the help.
  auto const help_quits = run.f->help.quit_calls.size();
  run.click(w, "Command1");
  QVERIFY(!run.list());
  QCOMPARE(run.f->help.quit_calls.size(), help_quits + 1);
}

QTEST_MAIN(HotelSearchWindowTest)
#include "hotel_search_window_test.moc"
