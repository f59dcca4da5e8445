// A second start of the same program folder brings the running copy to the
// front and ends quietly: within one process through the local socket, and
// as two real processes of the desktop program.
#include "shell/running_copy.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>
#include <atomic>
#include <thread>

#include "board/ui/main_window_fixture.h"
#include "ui_support/sample_folder.h"

using namespace vorlash;
using namespace vorlash::test;

class RunningCopyTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { VORLASH_REQUIRE_SAMPLE(); }

  void asking_brings_the_main_window_to_the_front() {
    MainWindowRun run;
    QVERIFY(run.start());
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));

    // The asking copy blocks on its socket, as a second process does; the
    // running one answers from its event loop.
    std::atomic<int> answered = -1;
    auto const name = running_copy_socket_name(run.f->folder);
    std::thread second([&] { answered = ask_running_copy_to_show(name) ? 1 : 0; });
    QTRY_VERIFY(answered != -1);
    second.join();
    QCOMPARE(answered.load(), 1);
    QTRY_COMPARE(QApplication::activeWindow(), run.window.get());

    // Another folder has no copy to ask.
    QVERIFY(!ask_running_copy_to_show(running_copy_socket_name(run.f->folder + "x"), 500));

    // A caller that says something else is only hung up on.
    QLocalSocket stranger;
    stranger.connectToServer(name);
    QVERIFY(stranger.waitForConnected(1000));
    stranger.write("hello\n");
    // Not checked: the running copy may hang up before the write is
    // reported done (Windows' named pipes do), and the hang-up is the point.
    stranger.waitForBytesWritten(1000);
    QTRY_COMPARE(stranger.state(), QLocalSocket::UnconnectedState);
    answered = -1;
    std::thread again([&] { answered = ask_running_copy_to_show(name) ? 1 : 0; });
    QTRY_VERIFY(answered != -1);
    again.join();
    QCOMPARE(answered.load(), 1);  // and the next one is answered
#if !defined(_WIN32)
    // Only this user may connect.
    QFileInfo const socket_file(QDir::tempPath() + '/' + name);
    QVERIFY(socket_file.exists());
    auto const permissions = socket_file.permissions();
    QVERIFY(!(permissions &
              (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther)));
#endif
  }

  void second_process_ends_quietly_and_the_first_runs_on() {
#if defined(VORLASH_APP)
    QString const program = QStringLiteral(VORLASH_APP);
#else
    QString const program;
#endif
    VORLASH_REQUIRE_SAMPLE_FILE(program);
    // A portable folder of its own: the program beside a copy of the data.
    UiFixture f;
    QString const folder = QFileInfo(QString::fromStdString(f.folder)).canonicalFilePath();
    QString const copy = folder + '/' + QFileInfo(program).fileName();
    QVERIFY(QFile::copy(program, copy));
    auto const environment = [] {
      auto env = QProcessEnvironment::systemEnvironment();
      env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
      return env;
    }();

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(copy, {});
    QVERIFY(first.waitForStarted());
    // Up once its socket answers to a connection.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
          QLocalSocket probe;
          probe.connectToServer(running_copy_socket_name(folder.toStdString()));
          return probe.waitForConnected(200);
        }(),
        30000);

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(copy, {});
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    // Nothing said (Qt's own notes about the environment aside); a message
    // box would not have let it end.
    QVERIFY(!second.readAllStandardError().contains("vorlash"));
    QCOMPARE(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
    QLocalServer::removeServer(running_copy_socket_name(folder.toStdString()));  // left by the kill
  }
};

QTEST_MAIN(RunningCopyTest)
#include "running_copy_test.moc"
