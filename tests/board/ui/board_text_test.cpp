// The departure board of the started main window reads line for line as
// `vorlash-cli board` prints it for the same minute: the clock line, each
// list's caption and its rows. Run on Windows too, against vorlash-cli.exe.
#include <QGroupBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "board/ui/main_window_fixture.h"
#include "ui_support/sample_folder.h"

using namespace vorlash::test;

namespace {

// What the main window shows, in the order vorlash-cli prints it; "&&" in a
// caption is a shown "&".
QStringList board_lines(const MainWindowRun& run) {
  auto const shown = [](QString text) { return text.replace(QStringLiteral("&&"), "&"); };
  QStringList lines{shown(run.child<QPushButton>("Command2")->text()),
                    shown(run.child<QGroupBox>("Frame1")->title())};
  lines += rows_of(run.child<QListWidget>("List1"));
  if (run.f->state.keiyo_use == 1) {
    lines << QString() << shown(run.child<QGroupBox>("Frame2")->title());
    lines += rows_of(run.child<QListWidget>("List2"));
  }
  return lines;
}

}  // namespace

class BoardTextTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { VORLASH_REQUIRE_SAMPLE(); }
  void board_reads_as_the_command_line_prints_it_data() {
    QTest::addColumn<bool>("keiyo");
    QTest::newRow("both lists") << true;
    QTest::newRow("Shinkansen only") << false;
  }
  void board_reads_as_the_command_line_prints_it();
};

void BoardTextTest::board_reads_as_the_command_line_prints_it() {
  QFETCH(bool, keiyo);
  MainWindowRun run;
  if (!keiyo) QVERIFY(edit_settings(*run.f, "keiyo_use=1", "keiyo_use=0"));
  QVERIFY(run.start());

  QProcess cli;
  cli.start(QStringLiteral(VORLASH_CLI),
            {"board", "--dir", QString::fromStdString(run.f->folder), "--at", "2000-03-11 14:05",
             "--lang", "ja"});  // the window speaks Japanese, whatever the system's language
  QVERIFY(cli.waitForFinished(60000));
  QCOMPARE(cli.exitCode(), 0);
  auto printed = QString::fromUtf8(cli.readAllStandardOutput()).remove(QChar('\r')).split('\n');
  if (printed.last().isEmpty()) printed.removeLast();
  QCOMPARE(board_lines(run), printed);
}

QTEST_MAIN(BoardTextTest)
#include "board_text_test.moc"
