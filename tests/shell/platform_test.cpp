// The platform layer of the desktop program: window placement, captions,
// keys, printing, the help window, message boxes and the window registry.
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTranslator>

#include "shell/app_context.h"
#include "shell/captions.h"
#include "shell/fonts.h"
#include "shell/key_handling.h"
#include "shell/program_identity.h"
#include "shell/qt_help_viewer.h"
#include "shell/qt_message_boxes.h"
#include "shell/qt_printer.h"
#include "shell/qt_strings.h"
#include "shell/translation.h"
#include "shell/window_place.h"
#include "ui_support/sample_folder.h"
#include "ui_support/ui_test_support.h"

using namespace vorlash;

namespace {

// A window for the registry tests: counts how often it was built.
class CountedWindow : public QWidget {
 public:
  CountedWindow(AppContext&, int tag_, bool show_it = true) : tag(tag_), show_it_(show_it) {
    ++built;
    resize(200, 100);
  }
  bool should_show() const { return show_it_; }

  static inline int built = 0;
  int tag;

 private:
  bool show_it_;
};

QString write_text_file(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
  auto const path = dir.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return {};
  file.write(text);
  return path;
}

// The text pdftotext reads from a PDF; empty when the tool is missing.
QString pdf_text(const QString& pdf) {
  QProcess tool;
  tool.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
  if (!tool.waitForFinished(30000) || tool.exitCode() != 0) return {};
  return QString::fromUtf8(tool.readAllStandardOutput());
}

}  // namespace

class PlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void twips_round_trip_and_clamp();
  void reachable_frame_rules();
  void place_window_pulls_back_but_keeps_stored_position();
  void place_window_keeps_reachable_position();
  void window_position_is_clamped_to_16_bits();
  void captions_keep_both_access_letters();
  void escape_and_enter_become_callbacks();
  void field_selects_all_on_focus();
  void fixed_pitch_font_lines_up_columns();
  void printer_writes_items_into_pdf();
  void printer_reports_failure();
  void print_dialog_proposes_the_last_file();
  void help_viewer_shows_and_quits_manual();
  void help_viewer_shows_shipped_manual();
  void help_opens_beside_the_main_window_and_escape_closes_it();
  void message_box_has_title_icon_and_buttons();
  void standard_buttons_read_in_japanese();
  void registry_raises_open_window_unchanged();
  void registry_openers();
  void fixture_loads_sample_folder();
  void each_edition_names_itself_with_an_icon();
};

void PlatformTest::twips_round_trip_and_clamp() {
  QCOMPARE(twips_to_pixels(1440, 96), 96);
  QCOMPARE(pixels_to_twips(1, 96), 15);
  QCOMPARE(twips_to_pixels(-1485, 96), -99);
  for (double const dpi : {96.0, 120.0, 144.0, 72.0}) {
    for (int px = -2500; px <= 2500; px += 7) {
      QCOMPARE(twips_to_pixels(pixels_to_twips(px, dpi), dpi), px);
    }
  }
  QCOMPARE(clamp_twips(40000), 32767);
  QCOMPARE(clamp_twips(-40000), -32768);
  QCOMPARE(clamp_twips(-32768), -32768);
  QCOMPARE(clamp_twips(1234), 1234);
}

void PlatformTest::reachable_frame_rules() {
  QRect const primary(0, 0, 1920, 1040);
  QRect const second(1920, 0, 1280, 1024);
  QList<QRect> const both = {primary, second};
  QList<QRect> const one = {primary};

  // On the second monitor: kept while it exists, pulled back once it is gone.
  QRect const on_second(2500, 300, 400, 300);
  QCOMPARE(reachable_frame(on_second, both, primary), on_second);
  QCOMPARE(reachable_frame(on_second, one, primary), QRect(1520, 300, 400, 300));
  // Straddling the two screens is fine.
  QRect const straddling(1700, 100, 400, 300);
  QCOMPARE(reachable_frame(straddling, both, primary), straddling);
  // Mostly off the left edge: pulled in, size kept.
  QCOMPARE(reachable_frame(QRect(-350, 200, 400, 300), one, primary), QRect(0, 200, 400, 300));
  // Half of it visible but the title bar above the screen: pulled down.
  QCOMPARE(reachable_frame(QRect(100, -100, 400, 600), one, primary), QRect(100, 0, 400, 600));
  // Far off, as a clamped 16-bit twips value gives.
  QCOMPARE(reachable_frame(QRect(-2184, 2184, 400, 300), one, primary), QRect(0, 740, 400, 300));
  // Below the shorter second screen but beside the primary one.
  QCOMPARE(reachable_frame(QRect(2000, 1030, 300, 200), both, primary), QRect(1620, 840, 300, 200));
  // Larger than the screen: its top-left corner on the screen.
  QCOMPARE(reachable_frame(QRect(500, 500, 2500, 1500), one, primary), QRect(0, 0, 2500, 1500));
}

void PlatformTest::place_window_pulls_back_but_keeps_stored_position() {
  auto state = std::make_unique<AppState>();
  state->form[24] = {30000, -30000};
  QWidget window;
  window.resize(300, 200);
  place_window(&window, state->form[24]);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));

  auto const screen = QGuiApplication::primaryScreen()->availableGeometry();
  QVERIFY2(screen.intersects(window.frameGeometry()), "window out of sight");
  QVERIFY(screen.contains(window.frameGeometry().topLeft()));
  QCOMPARE(state->form[24].top, 30000);
  QCOMPARE(state->form[24].left, -30000);

  store_position(*state, 24, &window);
  auto const corner = window.frameGeometry().topLeft();
  QCOMPARE(state->form[24].top, pixels_to_twips(corner.y()));
  QCOMPARE(state->form[24].left, pixels_to_twips(corner.x()));
}

void PlatformTest::place_window_keeps_reachable_position() {
  auto const dpi = logical_dpi();
  WindowPosition const stored{pixels_to_twips(40, dpi), pixels_to_twips(60, dpi)};
  QWidget window;
  window.resize(200, 150);
  place_window(&window, stored);
  QCOMPARE(window.pos(), QPoint(60, 40));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QCOMPARE(window.frameGeometry().topLeft(), QPoint(60, 40));
  auto const back = window_position(&window);
  QCOMPARE(back.top, stored.top);
  QCOMPARE(back.left, stored.left);
}

void PlatformTest::window_position_is_clamped_to_16_bits() {
  QWidget window;
  window.move(100000, -100000);
  auto const position = window_position(&window);
  QCOMPARE(position.left, 32767);
  QCOMPARE(position.top, -32768);
}

void PlatformTest::captions_keep_both_access_letters() {
  QCOMPARE(mnemonic_caption("新幹線検索(&C&ｿ)"), QStringLiteral("新幹線検索(&Cｿ)"));
  QCOMPARE(mnemonic_caption("ホテル情報の登録・修正（&H&ｸ）"),
           QStringLiteral("ホテル情報の登録・修正（&Hｸ）"));
  QCOMPARE(mnemonic_caption("終了"), QStringLiteral("終了"));
  QCOMPARE(mnemonic_caption("終了(&X)"), QStringLiteral("終了(&X)"));
  QCOMPARE(mnemonic_caption("A&&B(&X&ｻ)"), QStringLiteral("A&&B(&Xｻ)"));
  QCOMPARE(literal_caption("ソルマー時刻表&ホテル情報"),
           QStringLiteral("ソルマー時刻表&&ホテル情報"));

  // Qt takes the first letter as the access key without complaining about a
  // second one, and shows the whole caption.
  QTest::failOnWarning(QRegularExpression(QStringLiteral("multiple occurrences")));
  QWidget window;
  auto* layout = new QHBoxLayout(&window);
  auto* button = new QPushButton(mnemonic_caption("新幹線検索(&C&ｿ)"));
  auto* hotel = new QPushButton(mnemonic_caption("ホテル情報の登録・修正（&H&ｸ）"));
  layout->addWidget(button);
  layout->addWidget(hotel);
  QCOMPARE(button->shortcut(), QKeySequence(Qt::ALT | Qt::Key_C));
  QCOMPARE(hotel->shortcut(), QKeySequence(Qt::ALT | Qt::Key_H));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QFontMetrics const metrics(hotel->font());
  QVERIFY(hotel->width() >
          metrics.horizontalAdvance(QStringLiteral("ホテル情報の登録・修正（Hｸ）")));

  QMenu menu;
  menu.addAction(mnemonic_caption("動作環境登録(&C&ｿ)"));
  menu.addAction(mnemonic_caption("ﾄﾋﾟｯｸの検索(&H&ｸ)"));
  menu.popup(QPoint(10, 10));
  QVERIFY(QTest::qWaitForWindowExposed(&menu));
  test::save_screenshot(&window, QStringLiteral("platform_captions"));
  test::save_screenshot(&menu, QStringLiteral("platform_caption_menu"));
}

void PlatformTest::escape_and_enter_become_callbacks() {
  QDialog dialog;
  auto* field = new QLineEdit(&dialog);
  auto* button = new QPushButton(QStringLiteral("了解"), &dialog);
  auto* other = new QLineEdit(&dialog);
  int escapes = 0;
  int enters = 0;
  auto* keys = new KeyActions(&dialog);
  keys->on_escape({field, button}, [&] { ++escapes; });
  keys->on_enter({field}, [&] { ++enters; });
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));

  QTest::keyClick(field, Qt::Key_Escape);
  QTest::keyClick(button, Qt::Key_Escape);
  QCOMPARE(escapes, 2);
  QVERIFY2(dialog.isVisible(), "Escape reached the dialog");
  QTest::keyClick(other, Qt::Key_Escape);  // not watched: the dialog's own handling
  QCOMPARE(escapes, 2);
  QVERIFY(!dialog.isVisible());

  QTest::keyClick(field, Qt::Key_Return);
  QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(enters, 2);
  QTest::keyClick(button, Qt::Key_Return);
  QCOMPARE(enters, 2);
  QTest::keyClicks(field, QStringLiteral("12"));
  QCOMPARE(field->text(), QStringLiteral("12"));

  // An action that closes and deletes its window.
  auto* window = new QWidget;
  window->setAttribute(Qt::WA_DeleteOnClose);
  auto* closing_field = new QLineEdit(window);
  QPointer<QWidget> alive = window;
  (new KeyActions(window))->on_escape({closing_field}, [window] { window->close(); });
  window->show();
  QTest::keyClick(closing_field, Qt::Key_Escape);
  QTRY_VERIFY(alive.isNull());
}

void PlatformTest::field_selects_all_on_focus() {
  QWidget window;
  auto* layout = new QHBoxLayout(&window);
  auto* first = new QLineEdit(QStringLiteral("東京"));
  auto* second = new QLineEdit(QStringLiteral("1234"));
  layout->addWidget(first);
  layout->addWidget(second);
  select_all_on_focus(first);
  select_all_on_focus(second);
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));

  QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(4, second->height() / 2));
  QTRY_COMPARE(second->selectedText(), QStringLiteral("1234"));
  QTest::keyClick(second, Qt::Key_Right);
  QVERIFY(second->selectedText().isEmpty());
  first->setFocus(Qt::OtherFocusReason);
  QTRY_COMPARE(first->selectedText(), QStringLiteral("東京"));
}

void PlatformTest::fixed_pitch_font_lines_up_columns() {
  auto const font = fixed_pitch_font(9);
  QCOMPARE(font.pointSize(), 9);
  QFontMetrics const metrics(font);
  auto const half = metrics.horizontalAdvance(QStringLiteral("0"));
  QCOMPARE(metrics.horizontalAdvance(QStringLiteral("i")), half);
  QCOMPARE(metrics.horizontalAdvance(QStringLiteral("W")), half);
  QCOMPARE(metrics.horizontalAdvance(QStringLiteral("ｿ")), half);
  QCOMPARE(metrics.horizontalAdvance(QStringLiteral("新")), 2 * half);
  QCOMPARE(metrics.horizontalAdvance(QStringLiteral("０")), 2 * half);
  // The families not installed are left out in front, so the font asked for
  // first is the one shown; the rest keep their order for missing glyphs.
  auto const wanted = fixed_pitch_families();
  auto const asked = font.families();
  QCOMPARE(asked, wanted.mid(wanted.indexOf(asked.first())));
  QCOMPARE(QFontInfo(font).family(), asked.first());
}

void PlatformTest::printer_writes_items_into_pdf() {
  QTemporaryDir dir;
  auto const pdf = dir.filePath(QStringLiteral("job.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);

  PrintJob job{"ＭＳ ゴシック", 9, {}};
  job.items.push_back(" ");
  job.items.push_back("ソルマー時刻表（東海道・山陽編）＆ホテル情報　(Version 1.59)");
  job.items.push_back(std::string(89, '='));
  job.items.push_back(
      "[120分]ひかり123W 東京(06:00発)→名古屋(07:40着) \r\n\t\t～ こだま456  名古屋");
  std::string long_item;
  for (int i = 0; i < 40; ++i) long_item += "新幹線運賃情報";  // 280 wide characters
  job.items.push_back(long_item);
  for (int i = 1; i <= 200; ++i) job.items.push_back("行" + std::to_string(i) + "番");
  auto printer_service = QtPrinter::without_dialog(&printer);
  QCOMPARE(printer_service.print(job), PrintOutcome::Printed);

  auto const text = pdf_text(pdf);
  if (text.isEmpty()) QSKIP("pdftotext is not available");
  auto const title = text.indexOf(QStringLiteral("ソルマー時刻表（東海道・山陽編）＆ホテル情報"));
  auto const rule = text.indexOf(QString(89, QChar('=')));
  auto const list = text.indexOf(QStringLiteral("東京(06:00発)→名古屋(07:40着)"));
  auto const second_line = text.indexOf(QStringLiteral("こだま456"));
  QVERIFY(title >= 0);
  QVERIFY(title < rule && rule < list && list < second_line);
  QVERIFY2(!text.mid(list, second_line - list).contains(QStringLiteral("名古屋 ～")),
           "CR LF inside an item did not start a new line");
  // The Japanese fonts share one glyph between "～" and "〜"; the page must
  // still read "～".
  QVERIFY(text.contains(QStringLiteral("～ こだま456")));

  // The long item is wrapped, not cut: every character is there, on
  // several lines.
  QString joined = text;
  joined.remove(QChar('\n')).remove(QChar('\f'));
  QVERIFY(joined.contains(to_qstring(long_item)));
  QVERIFY(!text.contains(to_qstring(long_item)));

  // Every line once, in order, over several pages.
  qsizetype at = 0;
  for (int i = 1; i <= 200; ++i) {
    auto const line = QStringLiteral("行%1番\n").arg(i);
    auto const found = text.indexOf(line, at);
    QVERIFY2(found >= 0, qPrintable(line));
    at = found + line.size();
  }
  QVERIFY(text.count(QChar('\f')) >= 3);
}

void PlatformTest::printer_reports_failure() {
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath(QStringLiteral("missing/folder/job.pdf")));
  auto service = QtPrinter::without_dialog(&printer);
  QCOMPARE(service.print(PrintJob{"ＭＳ ゴシック", 9, {"a"}}), PrintOutcome::Failed);
}

void PlatformTest::print_dialog_proposes_the_last_file() {
  QTemporaryDir dir;
  QStringList proposed;
  QStringList chosen = {dir.filePath(QStringLiteral("a.pdf")), QString(), QString()};
  QtPrinter service([&](QPrinter& printer) {
    proposed << printer.outputFileName();
    if (!chosen.front().isEmpty()) printer.setOutputFileName(chosen.front());
    chosen.pop_front();
    return true;
  });
  for (int i = 0; i < 3; ++i) service.print(PrintJob{"ＭＳ ゴシック", 9, {"a"}});
  QCOMPARE(proposed, (QStringList{QString(), dir.filePath(QStringLiteral("a.pdf")),
                                  dir.filePath(QStringLiteral("a.pdf"))}));
  QVERIFY(QFile::exists(dir.filePath(QStringLiteral("a.pdf"))));
}

void PlatformTest::help_viewer_shows_and_quits_manual() {
  QTemporaryDir dir;
  write_text_file(dir, QStringLiteral("vorlash2.html"),
                  "<html><head><meta charset=\"utf-8\"><title>説明書</title></head>"
                  "<body><h1>メイン画面</h1></body></html>");
  auto const help_file = (dir.path() + QStringLiteral("/vorlash2.hlp")).toStdString();
  FakeMessageBoxes messages;
  QtHelpViewer viewer(messages);

  viewer.quit(help_file);  // nothing open: nothing happens
  viewer.show_contents(help_file);
  QPointer<QTextBrowser> window = viewer.window();
  QVERIFY(window);
  QVERIFY(window->isVisible());
  QCOMPARE(window->windowTitle(), QStringLiteral("説明書"));
  QVERIFY(window->toPlainText().contains(QStringLiteral("メイン画面")));

  viewer.show_contents(help_file);
  QCOMPARE(viewer.window(), window.data());
  viewer.quit((dir.path() + QStringLiteral("/other.hlp")).toStdString());
  QVERIFY(window->isVisible());
  viewer.quit(help_file);
  QVERIFY(!viewer.window());
  QTRY_VERIFY(window.isNull());
  QVERIFY(messages.requests.empty());

  auto const missing = (dir.path() + QStringLiteral("/nothing.HLP")).toStdString();
  viewer.show_contents(missing);
  QVERIFY(!viewer.window());
  QCOMPARE(messages.requests.size(), size_t{1});
  QCOMPARE(messages.requests[0].title, std::string(kErrorTitle));
  QVERIFY(
      QString::fromStdString(messages.requests[0].text).contains(QStringLiteral("nothing.html")));
}

void PlatformTest::help_viewer_shows_shipped_manual() {
  auto f = std::make_unique<test::UiFixture>();
  QVERIFY2(QFile::exists(QString::fromStdString(f->path("vorlash2.html"))),
           "the build did not install vorlash2.html");
  QtHelpViewer viewer(f->messages);
  viewer.show_contents(f->context.help_file_path());
  QVERIFY(f->messages.requests.empty());
  QVERIFY(viewer.window());
  QCOMPARE(viewer.window()->windowTitle(), QStringLiteral("ソルマー時刻表＆ホテル情報 ヘルプ"));
  for (auto const* heading : {"新幹線検索", "動作環境", "日時補正", "カレンダー", "ホテル検索"})
    QVERIFY(viewer.window()->toPlainText().contains(QString::fromUtf8(heading)));
  test::save_screenshot(viewer.window(), QStringLiteral("platform_help"));
}

void PlatformTest::help_opens_beside_the_main_window_and_escape_closes_it() {
  auto f = std::make_unique<test::UiFixture>();
  QWidget main;
  main.setObjectName(QStringLiteral("timetable1"));
  // Near the right edge: the help goes to its left, where there is room.
  auto const room = QGuiApplication::primaryScreen()->availableGeometry();
  main.setGeometry(room.right() - 60, room.top() + 40, 40, 40);
  main.show();
  QVERIFY(QTest::qWaitForWindowExposed(&main));
  QtHelpViewer viewer(f->messages);
  viewer.show_contents(f->context.help_file_path());
  QPointer<QTextBrowser> help = viewer.window();
  QVERIFY(help && QTest::qWaitForWindowActive(help));
  QVERIFY(!help->frameGeometry().intersects(main.frameGeometry()));
  QCOMPARE(help->frameGeometry().top(), main.frameGeometry().top());
  QTest::keyClick(help, Qt::Key_Escape);
  QTRY_VERIFY(help.isNull());
}

void PlatformTest::message_box_has_title_icon_and_buttons() {
  auto const confirm = build_message_box(confirm_message("印刷開始します！！", 257));
  QCOMPARE(confirm->windowTitle(), QStringLiteral("確認メッセージ"));
  QCOMPARE(confirm->text(), QStringLiteral("印刷開始します！！"));
  QCOMPARE(confirm->icon(), QMessageBox::Warning);
  QCOMPARE(confirm->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
  QCOMPARE(confirm->defaultButton(), confirm->button(QMessageBox::Ok));
  QCOMPARE(confirm->escapeButton(), confirm->button(QMessageBox::Cancel));
  QCOMPARE(confirm->property("help_context").toInt(), 257);

  auto const error = build_message_box(error_message("ホテルデータなし", 204));
  QCOMPARE(error->windowTitle(), QStringLiteral("エラーメッセージ"));
  QCOMPARE(error->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
  QCOMPARE(error->icon(), QMessageBox::Warning);
}

void PlatformTest::standard_buttons_read_in_japanese() {
  // Installed with Qt on Linux; in the program's resources on Windows.
  if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                     QStringLiteral("/qtbase_ja.qm")) &&
      !QFile::exists(QStringLiteral(":/translations/qtbase_ja.qm")))
    QSKIP("Qt's Japanese translation is not installed");
  QVERIFY(install_qt_translation());
  QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
  auto const confirm = build_message_box(confirm_message("印刷開始します！！", 257));
  QCOMPARE(confirm->button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
  // The other tests see Qt's own texts again.
  for (auto* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
}

void PlatformTest::registry_raises_open_window_unchanged() {
  auto f = std::make_unique<test::UiFixture>(false);
  auto& context = f->context;
  CountedWindow::built = 0;

  auto* first = context.show_window<CountedWindow>(24, 1);
  QVERIFY(first && first->isVisible());
  QCOMPARE(context.window(24), first);
  auto* again = context.show_window<CountedWindow>(24, 2);
  QCOMPARE(again, first);
  QCOMPARE(first->tag, 1);
  QCOMPARE(CountedWindow::built, 1);

  // Closed and reopened at once, before Qt deletes the old one.
  context.close_window(24);
  QVERIFY(!context.is_open(24));
  auto* fresh = context.show_window<CountedWindow>(24, 3);
  QCOMPARE(CountedWindow::built, 2);
  QCOMPARE(fresh->tag, 3);

  // A window that closes itself is no longer open.
  fresh->close();
  QVERIFY(!context.is_open(24));

  // A window that chooses not to show is dropped.
  QVERIFY(!context.show_window<CountedWindow>(6, 1, false));
  QVERIFY(!context.is_open(6));

  context.show_window<CountedWindow>(5, 1);
  context.show_window<CountedWindow>(21, 1);
  context.close_all_windows();
  QVERIFY(!context.is_open(5) && !context.is_open(21));
  QVERIFY(!context.window(0) && !context.window(27));
}

void PlatformTest::registry_openers() {
  auto f = std::make_unique<test::UiFixture>(false);
  auto& context = f->context;
  QVERIFY(!context.can_open("timetable25"));
  QVERIFY(!context.open("timetable25"));
  int opened = 0;
  context.set_opener("timetable25", [&] { ++opened; });
  QVERIFY(context.can_open("timetable25"));
  QVERIFY(!context.can_open("timetable12"));
  QVERIFY(context.open("timetable25"));
  QCOMPARE(opened, 1);

  QCOMPARE(context.help_file_path(), f->path("vorlash2.hlp"));
  context.quit_help();
  QCOMPARE(f->help.quit_calls, std::vector<std::string>{f->path("vorlash2.hlp")});
}

void PlatformTest::fixture_loads_sample_folder() {
  auto f = std::make_unique<test::UiFixture>();
  VORLASH_REQUIRE_SAMPLE_FILE(QString::fromStdString(f->path("vorlashj.dat")));
  auto const status = f->load();
  QVERIFY2(status.ok(), status.error.c_str());
  QCOMPARE(f->state.edition, 1);
  QVERIFY(f->state.sinkansen.train_count[1] > 0);
  QCOMPARE(f->clock.now().hour, test::kDefaultClock.hour);
}

// The names the desktop entries are installed under (packaging/CMakeLists.txt)
// and the icon built into the program.
void PlatformTest::each_edition_names_itself_with_an_icon() {
  identify_program(2);
  QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.vorlash.vorlash.Edition2"));
  QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("vorlash-edition2"));
  QCOMPARE(desktop_file_name(1), QStringLiteral("org.vorlash.vorlash"));
  QCOMPARE(window_class(1), QStringLiteral("vorlash"));
  auto const sizes = QApplication::windowIcon().availableSizes();
  // Title and task bar sizes only: larger ones cost megabytes at every window's start.
  QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(64, 64)));
  QVERIFY(!sizes.contains(QSize(128, 128)) && !sizes.contains(QSize(256, 256)));
}

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
