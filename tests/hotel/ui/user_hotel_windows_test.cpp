// The user hotel registration on the sample folder: registering a hotel from
// the main window by keyboard so that the next hotel search lists it first,
// changing and deleting hotels with the mouse, the editor's checks and area
// selection, the list closing its editor, a UserHotelFile with lines that
// cannot be read, and more user hotels than fit beside the DataFile's.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "board/ui/main_window_fixture.h"
#include "data/data_file.h"
#include "data/hotel_file.h"
#include "hotel/ui/area_select_window.h"
#include "hotel/ui/hotel_list_window.h"
#include "hotel/ui/hotel_search_window.h"
#include "hotel/ui/user_hotel_editor_window.h"
#include "hotel/ui/user_hotel_list_window.h"
#include "text/sjis.h"
#include "ui_support/sample_folder.h"

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

// The UserHotelFile of the folder, as UTF-8 text.
std::string user_file(const UiFixture& f, const char* name = "hotelusr.csv") {
  std::string text;
  auto const bytes = file_bytes(f.path(name)).toStdString();
  if (!sjis_to_utf8(bytes, text).ok()) return "(not Shift-JIS)";
  return text;
}

constexpr char kSampleUserFile[] =
    "\"東京／羽田\",\"八重洲\",\"ホテル八重洲さくら\",\"03-0000-0001\",120,\"東京駅徒歩5分\","
    "\"\\9,800\",\"★★★     \"\r\n"
    "\"大阪／伊丹\",\"梅田\",\"梅田ステーション館\",\"06-0000-0002\",85,\"大阪駅徒歩3分\","
    "\"\\8,500\",\"★★      \"\r\n"
    "\"京都\",\"四条\",\"四条鴨川旅館\",\"075-000-0003\",24,\"河原町駅徒歩7分\",\"\\12,000\","
    "\"★★★★    \"\r\n";

// The main window on the sample folder with the registration and the hotel
// search registered, as the program registers them.
struct RegistrationRun : MainWindowRun {
  RegistrationRun() {
    f->context.set_opener("timetable12", [this] { open_hotel_search_window(f->context); });
    f->context.set_opener("timetable13", [this] { open_user_hotel_list_window(f->context); });
  }

  // Starts the main window and opens the registration from its menu.
  bool open_from_menu() {
    if (!start()) return false;
    window->findChild<QAction*>(QStringLiteral("mnu_hotels"))->trigger();
    return list() != nullptr && QTest::qWaitForWindowActive(list());
  }
  // Opens the registration alone on the loaded sample.
  bool open_alone() {
    if (!f->load().ok()) return false;
    open_user_hotel_list_window(f->context);
    return list() != nullptr && QTest::qWaitForWindowActive(list());
  }

  QWidget* list() const { return f->context.window(kUserHotelListWindow); }
  QWidget* editor() const { return f->context.window(kUserHotelEditorWindow); }
  QListWidget* rows() const { return in<QListWidget>(list(), "List1"); }
  QPushButton* list_button(int n) const {
    return list()->findChild<QPushButton*>(QStringLiteral("Command%1").arg(n));
  }
  QPushButton* editor_button(int n) const {
    return editor()->findChild<QPushButton*>(QStringLiteral("Command%1").arg(n));
  }
  // Editor boxes: Text9 region, Text1 district .. Text7 remarks.
  QLineEdit* box(int n) const {
    return editor()->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n));
  }
  QString message() const { return in<QPlainTextEdit>(editor(), "Text8")->toPlainText(); }
  QStringList row_texts() const {
    QStringList out;
    for (int i = 0; i < rows()->count(); ++i) out << rows()->item(i)->text();
    return out;
  }
  // Types into the focused editor box and presses Enter there. Japanese
  // text arrives as the input method commits it.
  void type_enter(const char* utf8) const {
    auto* focused = qobject_cast<QLineEdit*>(editor()->focusWidget());
    QVERIFY(focused);
    QString const text = u(utf8);
    bool ascii = true;
    for (QChar const c : text) ascii = ascii && c.unicode() < 0x80;
    if (ascii) {
      QTest::keyClicks(focused, text);
    } else {
      QInputMethodEvent commit;
      commit.setCommitString(text);
      QApplication::sendEvent(focused, &commit);
    }
    QTest::keyClick(focused, Qt::Key_Return);
  }
  void click_row(int row) const {
    auto const centre = rows()->visualItemRect(rows()->item(row)).center();
    QTest::mouseClick(rows()->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  }
  void double_click_row(int row) const {
    auto const centre = rows()->visualItemRect(rows()->item(row)).center();
    QTest::mouseClick(rows()->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(rows()->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  }
  bool editor_active() const { return editor() && QTest::qWaitForWindowActive(editor()); }
  const MessageRequest& last_box() const { return f->messages.requests.back(); }
};

}  // namespace

class UserHotelWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { VORLASH_REQUIRE_SAMPLE(); }
  void register_by_keyboard_and_the_next_search_lists_it_first();
  void change_and_delete_with_the_mouse();
  void editor_area_selection_escape_and_reopening();
  void sort_mode_one_and_closing_the_list_closes_the_editor();
  void unreadable_lines_are_reported_and_the_original_kept();
  void user_hotels_pushing_data_file_hotels_out_are_reported_and_capped();
};

void UserHotelWindowsTest::register_by_keyboard_and_the_next_search_lists_it_first() {
  RegistrationRun run;
  QVERIFY(run.open_from_menu());
  // The list read the flag while opening; the menu cleared it afterwards.
  QCOMPARE(run.f->state.hotel_loaded, 0);
  run.f->state.control3_flg = 2;  // "格納時，地域名順，地区名順に並び換えする"
  auto* list = run.list();
  QCOMPARE(list->windowTitle(), u("ホテル情報"));
  QCOMPARE(in<QGroupBox>(list, "Frame1")->title(), u("ホテル情報"));
  QStringList labels;
  for (auto const* name : {"Label1", "Label2", "Label3", "Label4"})
    labels << in<QLabel>(list, name)->text();
  QCOMPARE(labels, (QStringList{u("地域名"), u("地区名"), u("ホテル名"), u("電話番号")}));
  QStringList captions;
  for (int n = 1; n <= 5; ++n) captions << run.list_button(n)->text();
  QCOMPARE(captions, (QStringList{u("登録終了"), u("追加"), u("修正"), u("削除"), u("取消")}));
  QVERIFY(!run.list_button(3)->isEnabled());
  QVERIFY(!run.list_button(4)->isEnabled());
  QCOMPARE(run.row_texts(),
           (QStringList{u("東京／羽田\t八重洲\t\tホテル八重洲さくら\t\t03-0000-0001"),
                        u("大阪／伊丹\t梅田\t\t梅田ステーション館\t\t06-0000-0002"),
                        u("京都\t\t四条\t\t四条鴨川旅館\t\t\t075-000-0003")}));
  save_screenshot(list, QStringLiteral("timetable13"));

  // "追加" by the keyboard.
  run.list_button(2)->setFocus();
  QTest::keyClick(run.list_button(2), Qt::Key_Return);
  QVERIFY(run.editor_active());
  auto* editor = run.editor();
  QCOMPARE(editor->windowTitle(), u("ホテル情報"));
  QCOMPARE(in<QLabel>(editor, "Label9")->text(), u("追加モード"));
  QVERIFY(!run.editor_button(2)->isEnabled());
  QCOMPARE(run.box(9)->text(), u("東京／羽田"));
  QCOMPARE(editor->focusWidget(), run.box(9));
  QCOMPARE(run.message(), u("地域名を選択して下さい\n入力例：大阪／伊丹"));
  QVERIFY(run.editor_button(4)->isVisible());

  run.box(9)->clear();
  QTest::keyClick(run.box(9), Qt::Key_Return);
  QCOMPARE(run.message(), u("ホテル検索地域名は省略できません"));
  run.type_enter("名古屋駅");
  QCOMPARE(run.message(), u("ホテル検索地域名の入力です"));
  QCOMPARE(editor->focusWidget(), run.box(9));
  run.box(9)->clear();
  run.type_enter("名古屋");
  QCOMPARE(editor->focusWidget(), run.box(1));
  QCOMPARE(run.message(), u("地区名を入力して下さい(日本語6文字以内)\n入力例：京橋"));
  QVERIFY(!run.editor_button(4)->isVisible());
  run.type_enter("栄");
  QCOMPARE(run.message(), u("ホテル名を入力して下さい(日本語16文字以内)\n入力例：ソルマーホテル"));
  QTest::keyClick(run.box(2), Qt::Key_Return);
  QCOMPARE(run.message(), u("ホテル名は省略できません"));
  run.type_enter("ホテル\"栄\"");
  QCOMPARE(run.message(), u("ダブルクォーテーション(\")は入力できません"));
  QCOMPARE(editor->focusWidget(), run.box(2));
  run.box(2)->clear();
  run.type_enter("ホテル栄の森");
  run.type_enter("052-000-9999");
  QCOMPARE(run.message(), u("部屋数を入力して下さい(数字4文字以内)\n入力例：123"));
  run.type_enter("12a");
  QCOMPARE(run.message(), u("部屋数の入力に誤り(数字のみ可)"));
  run.box(4)->clear();
  run.type_enter("");  // an empty room count is 0
  QCOMPARE(editor->focusWidget(), run.box(5));
  run.type_enter("栄駅徒歩1分");
  QCOMPARE(run.message(), u("部屋代を入力して下さい(¥付きで数字8文字以内)\n入力例：¥10,000"));
  run.type_enter("\\6,500");
  QCOMPARE(run.message(), u("備考を入力して下さい(日本語8文字以内)\n入力例：○"));
  run.type_enter("★");
  QCOMPARE(editor->focusWidget(), run.editor_button(1));
  save_screenshot(editor, QStringLiteral("timetable14"));

  QTest::keyClick(run.editor_button(1), Qt::Key_Return);
  QVERIFY(!run.editor());
  QCOMPARE(run.last_box().title, std::string("確認メッセージ"));
  QCOMPARE(run.last_box().text, std::string("追加しますよ！！"));
  QCOMPARE(run.last_box().buttons, MessageButtons::OkCancel);
  QCOMPARE(run.last_box().help_context, 253);
  QCOMPARE(run.rows()->count(), 4);
  QCOMPARE(run.rows()->item(3)->text(), u("名古屋\t\t栄\t\tホテル栄の森\t\t\t052-000-9999"));

  // A hotel search meanwhile reloads the table from the old file; the
  // registration still ends with its own rows.
  open_hotel_search_window(run.f->context);
  auto* search = run.f->context.window(kHotelSearchWindow);
  in<QLineEdit>(search, "Text1")->setText(u("京都"));
  QTest::mouseClick(in<QPushButton>(search, "Command1"), Qt::LeftButton);
  QCOMPARE(run.f->state.hotel_loaded, 1);
  QCOMPARE(run.f->state.user_hotel_count, 3);
  run.f->context.close_window(kHotelListWindow);

  run.list_button(1)->setFocus();
  QTest::keyClick(run.list_button(1), Qt::Key_Space);
  QVERIFY(!run.list());
  QCOMPARE(
      user_file(*run.f),
      "\"京都\",\"四条\",\"四条鴨川旅館\",\"075-000-0003\",24,\"河原町駅徒歩7分\","
      "\"\\12,000\",\"★★★★    \"\r\n"
      "\"名古屋\",\"栄\",\"ホテル栄の森\",\"052-000-9999\",0,\"栄駅徒歩1分\",\"\\6,500\","
      "\"★       \"\r\n"
      "\"大阪／伊丹\",\"梅田\",\"梅田ステーション館\",\"06-0000-0002\",85,\"大阪駅徒歩3分\","
      "\"\\8,500\",\"★★      \"\r\n"
      "\"東京／羽田\",\"八重洲\",\"ホテル八重洲さくら\",\"03-0000-0001\",120,\"東京駅徒歩5分\","
      "\"\\9,800\",\"★★★     \"\r\n");
  QCOMPARE(user_file(*run.f, "hotelusr.csv.bak"), std::string(kSampleUserFile));

  // The next search of 名古屋 lists the new hotel first.
  in<QLineEdit>(search, "Text1")->setText(u("名古屋"));
  QTest::mouseClick(in<QPushButton>(search, "Command1"), Qt::LeftButton);
  auto* grid = in<QTableWidget>(run.f->context.window(kHotelListWindow), "MSFlexGrid1");
  QVERIFY(grid);
  QVERIFY(grid->rowCount() > 2);
  QCOMPARE(grid->item(0, 1)->text(), u("ホテル栄の森"));
  QCOMPARE(grid->item(0, 0)->text(), u("栄"));
  QCOMPARE(grid->item(0, 3)->text(), QString());  // 0 rooms
  QCOMPARE(grid->item(1, 1)->text(), u("名駅テラノーヴァイン"));
}

void UserHotelWindowsTest::change_and_delete_with_the_mouse() {
  RegistrationRun run;
  QVERIFY(run.open_alone());
  run.f->state.control3_flg = 0;
  run.click_row(1);
  QVERIFY(run.list_button(3)->isEnabled());
  QVERIFY(run.list_button(4)->isEnabled());

  // A double-click on row 1 changes hotel 2.
  run.double_click_row(1);
  QVERIFY(run.editor_active());
  QCOMPARE(run.f->context.windows.hotel_search.edited_slot, 2);
  QCOMPARE(in<QLabel>(run.editor(), "Label9")->text(), u("修正モード"));
  QVERIFY(run.editor_button(2)->isEnabled());
  QStringList boxes;
  for (int n : {9, 1, 2, 3, 4, 5, 6, 7}) boxes << run.box(n)->text();
  QCOMPARE(boxes,
           (QStringList{u("大阪／伊丹"), u("梅田"), u("梅田ステーション館"), u("06-0000-0002"),
                        u("85"), u("大阪駅徒歩3分"), u("¥8,500"), u("★★      ")}));
  run.box(2)->setText(u("梅田ステーション新館"));
  run.box(4)->setText(u("90"));
  run.f->messages.answers = {MessageAnswer::Cancel, MessageAnswer::Ok};
  QTest::mouseClick(run.editor_button(1), Qt::LeftButton);
  QCOMPARE(run.last_box().text, std::string("更新しますよ！！"));
  QCOMPARE(run.last_box().help_context, 252);
  QVERIFY(run.editor());  // Cancel keeps the editor and the hotel
  QCOMPARE(run.f->state.hotel[2].name, std::string("梅田ステーション館"));
  QTest::mouseClick(run.editor_button(1), Qt::LeftButton);
  QVERIFY(!run.editor());
  QCOMPARE(run.f->state.hotel[2].name, std::string("梅田ステーション新館"));
  QCOMPARE(run.f->state.hotel[2].rooms, 90);
  QCOMPARE(run.rows()->item(1)->text(),
           u("大阪／伊丹\t梅田\t\t梅田ステーション新館\t\t06-0000-0002"));
  QVERIFY(!run.list_button(3)->isEnabled());

  // "追加更新" on hotel 3 keeps it and adds the changed copy at the end.
  run.click_row(2);
  QTest::mouseClick(run.list_button(3), Qt::LeftButton);
  QVERIFY(run.editor_active());
  run.box(2)->setText(u("四条鴨川旅館別邸"));
  QTest::mouseClick(run.editor_button(2), Qt::LeftButton);
  QCOMPARE(run.last_box().text, std::string("追加しますよ！！"));
  QVERIFY(!run.editor());
  QCOMPARE(run.f->state.user_hotel_count, 4);
  QCOMPARE(run.f->state.hotel[3].name, std::string("四条鴨川旅館"));
  QCOMPARE(run.f->state.hotel[4].name, std::string("四条鴨川旅館別邸"));
  QCOMPARE(run.rows()->count(), 4);

  // "削除": Cancel keeps the hotel, OK removes it and moves the rest up.
  run.click_row(0);
  run.f->messages.answers = {MessageAnswer::Cancel, MessageAnswer::Ok};
  QTest::mouseClick(run.list_button(4), Qt::LeftButton);
  QCOMPARE(run.last_box().title, std::string("確認メッセージ"));
  QCOMPARE(run.last_box().text, std::string("本当に削除しますよ！！"));
  QCOMPARE(run.last_box().help_context, 251);
  QCOMPARE(run.rows()->count(), 4);
  QTest::mouseClick(run.list_button(4), Qt::LeftButton);
  QCOMPARE(run.rows()->count(), 3);
  QCOMPARE(run.f->state.user_hotel_count, 3);
  QCOMPARE(run.f->state.hotel[1].name, std::string("梅田ステーション新館"));
  QVERIFY(!run.list_button(3)->isEnabled());
  QVERIFY(!run.list_button(4)->isEnabled());

  QTest::mouseClick(run.list_button(1), Qt::LeftButton);
  QVERIFY(!run.list());
  auto const written = user_file(*run.f);
  QVERIFY(written.find("ホテル八重洲さくら") == std::string::npos);
  QVERIFY(written.rfind("\"大阪／伊丹\",\"梅田\",\"梅田ステーション新館\"", 0) == 0);
  QVERIFY(written.find("\"四条鴨川旅館別邸\"") != std::string::npos);
}

void UserHotelWindowsTest::editor_area_selection_escape_and_reopening() {
  RegistrationRun run;
  QVERIFY(run.open_alone());
  QTest::mouseClick(run.list_button(2), Qt::LeftButton);
  QVERIFY(run.editor_active());

  // A double-click on the region box asks the area selection (mode 3); its
  // choice fills the region box and the focus moves to the district box.
  QTest::mouseDClick(run.box(9), Qt::LeftButton);
  auto* areas = run.f->context.window(kAreaSelectWindow);
  QVERIFY(areas);
  QCOMPARE(run.f->context.windows.hotel_search.area_mode, kAreaForHotelEditor);
  auto* recent = in<QListWidget>(areas, "List2");
  auto const centre = recent->visualItemRect(recent->item(2)).center();
  QTest::mouseClick(recent->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  QTest::mouseDClick(recent->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  QVERIFY(!run.f->context.window(kAreaSelectWindow));
  QCOMPARE(run.box(9)->text(), u("名古屋"));
  QVERIFY(QTest::qWaitForWindowActive(run.editor()));
  QCOMPARE(run.editor()->focusWidget(), run.box(1));

  // A character the UserHotelFile cannot hold is refused on storing.
  run.box(2)->setText(u("𠮷野家旅館"));
  run.box(3)->setText(u("075"));
  QTest::mouseClick(run.editor_button(1), Qt::LeftButton);
  QCOMPARE(run.message(), u("保存できない文字です：𠮷"));
  QCOMPARE(run.editor()->focusWidget(), run.box(2));
  QCOMPARE(run.box(1)->text(), u("名古屋"));  // the empty district took the region
  QVERIFY(run.f->messages.requests.empty());

  // "修正" while the editor is open sets it up anew for that hotel.
  run.click_row(0);
  QTest::mouseClick(run.list_button(3), Qt::LeftButton);
  QCOMPARE(in<QLabel>(run.editor(), "Label9")->text(), u("修正モード"));
  QCOMPARE(run.box(2)->text(), u("ホテル八重洲さくら"));

  // Deleting an earlier hotel keeps the editor on its hotel; Escape closes
  // it without storing and disables the list's row buttons.
  run.click_row(2);
  QTest::mouseClick(run.list_button(3), Qt::LeftButton);
  QCOMPARE(run.f->context.windows.hotel_search.edited_slot, 3);
  run.click_row(0);
  QTest::mouseClick(run.list_button(4), Qt::LeftButton);
  QCOMPARE(run.f->context.windows.hotel_search.edited_slot, 2);
  QVERIFY(run.editor());
  run.click_row(1);
  QVERIFY(run.list_button(3)->isEnabled());
  QTest::keyClick(run.box(5), Qt::Key_Escape);
  QVERIFY(!run.editor());
  QVERIFY(!run.list_button(3)->isEnabled());
  QCOMPARE(run.f->state.hotel[2].name, std::string("四条鴨川旅館"));
}

void UserHotelWindowsTest::sort_mode_one_and_closing_the_list_closes_the_editor() {
  RegistrationRun run;
  QVERIFY(run.open_alone());
  run.f->state.control3_flg = 1;
  QTest::mouseClick(run.list_button(2), Qt::LeftButton);
  QVERIFY(run.editor_active());
  run.box(9)->setText(u("大阪／伊丹"));
  run.box(1)->setText(u("難波"));
  run.box(2)->setText(u("難波ホテル"));
  run.box(3)->setText(u("06"));
  QTest::mouseClick(run.editor_button(1), Qt::LeftButton);
  QVERIFY(!run.editor());
  // The whole list re-sorted: 京 U+4EAC, 大 U+5927, 東 U+6771; 梅 before 難.
  QStringList regions;
  for (auto const& row : run.row_texts()) regions << row.section(QLatin1Char('\t'), 0, 0);
  QCOMPARE(regions, (QStringList{u("京都"), u("大阪／伊丹"), u("大阪／伊丹"), u("東京／羽田")}));
  QCOMPARE(run.row_texts()[2], u("大阪／伊丹\t難波\t\t難波ホテル\t\t\t06"));

  // "取消" of the list closes the open editor and writes nothing, not even
  // the list's position.
  run.click_row(0);
  QTest::mouseClick(run.list_button(3), Qt::LeftButton);
  QVERIFY(run.editor());
  auto const place = run.f->state.form[kUserHotelListWindow];
  run.list()->move(run.list()->pos() + QPoint(45, 30));
  QTest::keyClick(run.rows(), Qt::Key_Escape);
  QVERIFY(!run.list());
  QVERIFY(!run.editor());
  QCOMPARE(run.f->state.form[kUserHotelListWindow].top, place.top);
  QCOMPARE(run.f->state.form[kUserHotelListWindow].left, place.left);
  QCOMPARE(user_file(*run.f), std::string(kSampleUserFile));
  QVERIFY(!QFile::exists(QString::fromStdString(run.f->path("hotelusr.csv.bak"))));
}

void UserHotelWindowsTest::unreadable_lines_are_reported_and_the_original_kept() {
  RegistrationRun run;
  QVERIFY(run.f->load().ok());
  std::string const path = run.f->path("hotelusr.csv");
  auto const line = [](const char* name, const char* rooms) {
    return std::string("\"京都\",\"四条\",\"") + name + "\",\"075\"," + rooms +
           ",\"\",\"\",\"        \"\r\n";
  };
  struct Case {
    std::string file;
    const char* lines;
    int rows;
    bool dated_backup;  // hotelusr.csv.bak alone holds an earlier unread line
  };
  Case const cases[] = {
      {line("A", "5") + line("B", "five") + line("C", "7"), "\r\n2行目が読み込めません。", 2,
       false},
      {line("D", "x") + line("A", "5"), "\r\n1行目が読み込めません。", 1, true},
  };
  for (auto const& c : cases) {
    std::string bad;
    QVERIFY(utf8_to_sjis(c.file, bad).ok());
    QVERIFY(write_bytes(path, QByteArray::fromStdString(bad)));
    run.f->messages.requests.clear();
    run.f->state.hotel_loaded = 0;
    open_user_hotel_list_window(run.f->context);
    QVERIFY(run.list());
    QCOMPARE(run.f->messages.requests.size(), std::size_t{1});
    QCOMPARE(run.last_box().title, std::string("エラーメッセージ"));
    std::string const text = run.last_box().text;
    QVERIFY2(text.rfind(path + c.lines, 0) == 0, text.c_str());
    QCOMPARE(run.rows()->count(), c.rows);
    // The message names the file that holds the original, already written.
    auto const head = text.find("元のファイルは ") + std::string("元のファイルは ").size();
    std::string const backup = text.substr(head, text.find(" に残して") - head);
    QCOMPARE(backup == path + ".bak", !c.dated_backup);
    QVERIFY2(backup.rfind(path + ".", 0) == 0 && backup.ends_with(".bak"), backup.c_str());
    QCOMPARE(file_bytes(backup).toStdString(), bad);

    QTest::mouseClick(run.list_button(1), Qt::LeftButton);
    QVERIFY(!run.list());
    QCOMPARE(file_bytes(backup).toStdString(), bad);
  }
  QCOMPARE(user_file(*run.f), line("A", "5"));
}

void UserHotelWindowsTest::user_hotels_pushing_data_file_hotels_out_are_reported_and_capped() {
  RegistrationRun run;
  QVERIFY(run.f->load().ok());
  DataFile file;
  QVERIFY(DataFile::open(run.f->path("vorlashj.dat"), file).ok());
  LeftOutHotels none;
  QVERIFY(count_data_file_hotels(file, run.f->state, none).ok());
  int const room = kMaxHotels - run.f->state.data_file_hotel_count;
  QVERIFY(room > 0 && room < kMaxHotels);
  // One user hotel more than fits beside the DataFile's hotels.
  std::string lines;
  for (int i = 0; i <= room; ++i)
    lines += "\"京都\",\"四条\",\"宿" + std::to_string(i) + "\",\"075\",1,\"\",\"\",\"\"\r\n";
  std::string sjis;
  QVERIFY(utf8_to_sjis(lines, sjis).ok());
  QVERIFY(write_bytes(run.f->path("hotelusr.csv"), QByteArray::fromStdString(sjis)));
  std::string const left_out = "データファイルのホテル1件がホテル検索に出ません(地域：";

  // The hotel search says so before its list.
  open_hotel_search_window(run.f->context);
  auto* search = run.f->context.window(kHotelSearchWindow);
  in<QLineEdit>(search, "Text1")->setText(u("京都"));
  QTest::mouseClick(in<QPushButton>(search, "Command1"), Qt::LeftButton);
  QCOMPARE(run.f->messages.requests.size(), std::size_t{1});
  QVERIFY2(run.last_box().text.find(left_out) != std::string::npos, run.last_box().text.c_str());
  QVERIFY(run.f->context.window(kHotelListWindow));
  QCOMPARE(run.f->state.data_hotel_count, run.f->state.data_file_hotel_count - 1);
  run.f->context.close_window(kHotelListWindow);

  // So does the registration, which refuses one more hotel.
  open_user_hotel_list_window(run.f->context);
  QVERIFY(QTest::qWaitForWindowActive(run.list()));
  QCOMPARE(run.f->messages.requests.size(), std::size_t{2});
  QVERIFY2(run.last_box().text.find(left_out) != std::string::npos, run.last_box().text.c_str());
  QCOMPARE(run.rows()->count(), room + 1);
  QTest::mouseClick(run.list_button(2), Qt::LeftButton);
  QVERIFY(run.editor_active());
  run.box(9)->setText(u("京都"));
  run.box(2)->setText(u("宿"));
  run.box(3)->setText(u("075"));
  QTest::mouseClick(run.editor_button(1), Qt::LeftButton);
  QCOMPARE(run.message(), u("これ以上ホテルを登録できません(データファイルのホテルと合わせて1000件"
                            "までのため、登録は") +
                              QString::number(room) + u("件まで)"));
  QCOMPARE(run.f->messages.requests.size(), std::size_t{2});  // no confirmation asked
  QCOMPARE(run.rows()->count(), room + 1);
}

QTEST_MAIN(UserHotelWindowsTest)
#include "user_hotel_windows_test.moc"
