// Characters that input methods outside Windows type for Shift-JIS ones: a
// room charge typed with ¥ and a remark typed with 〜 are accepted, saved as
// the code page's characters and shown as they read back.
#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "board/ui/main_window_fixture.h"
#include "hotel/ui/user_hotel_editor_window.h"
#include "hotel/ui/user_hotel_list_window.h"
#include "ui_support/sample_folder.h"

using namespace vorlash;
using namespace vorlash::test;

namespace {

QPushButton* button(QWidget* w, int n) {
  return w->findChild<QPushButton*>(QStringLiteral("Command%1").arg(n));
}
QLineEdit* box(QWidget* w, int n) {
  return w->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(n));
}

// Replaces a box's text as an input method commits it, then presses Enter.
void commit_enter(QLineEdit* box, const char* utf8) {
  box->setFocus();
  box->clear();
  QInputMethodEvent commit;
  commit.setCommitString(QString::fromUtf8(utf8));
  QApplication::sendEvent(box, &commit);
  QTest::keyClick(box, Qt::Key_Return);
}

}  // namespace

class UserHotelTypedCharsTest : public QObject {
  Q_OBJECT

 private slots:
  void yen_and_wave_dash_are_saved_and_shown() {
    VORLASH_REQUIRE_SAMPLE();
    UiFixture f;
    QVERIFY(f.load().ok());
    open_user_hotel_list_window(f.context);
    QWidget* list = f.context.window(kUserHotelListWindow);
    QVERIFY(list && QTest::qWaitForWindowActive(list));
    auto* rows = list->findChild<QListWidget*>(QStringLiteral("List1"));
    auto const open_editor = [&] {
      rows->setCurrentRow(1);
      QTest::mouseClick(button(list, 3), Qt::LeftButton);
      return f.context.window(kUserHotelEditorWindow);
    };

    QWidget* editor = open_editor();
    QVERIFY(editor);
    commit_enter(box(editor, 6), "¥5,000");
    QCOMPARE(editor->focusWidget(), box(editor, 7));  // no refusal
    commit_enter(box(editor, 7), "朝食〜");
    QTest::mouseClick(button(editor, 1), Qt::LeftButton);
    QVERIFY(!f.context.window(kUserHotelEditorWindow));

    editor = open_editor();
    QVERIFY(editor);
    QCOMPARE(box(editor, 6)->text(), QString::fromUtf8("¥5,000"));  // the 0x5C byte
    editor->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(editor));
    box(editor, 6)->setFocus();  // shows the box's hint
    QVERIFY(editor->findChild<QPlainTextEdit*>(QStringLiteral("Text8"))
                ->toPlainText()
                .contains(QChar(0xA5)));
    QCOMPARE(box(editor, 7)->text(), QString::fromUtf8("朝食～     "));
    f.context.close_window(kUserHotelEditorWindow);

    QTest::mouseClick(button(list, 1), Qt::LeftButton);
    QVERIFY(!f.context.window(kUserHotelListWindow));
    QByteArray const saved = file_bytes(f.path("hotelusr.csv"));
    QVERIFY2(saved.contains("\"\\5,000\",\"\x92\xA9\x90\x48\x81\x60     \"\r\n"),
             saved.constData());
  }
};

QTEST_MAIN(UserHotelTypedCharsTest)
#include "user_hotel_typed_chars_test.moc"
