// The user's folders of an installed program are the ones Qt gives for the
// program's configuration and data (on Windows: its roaming data), one
// subfolder per Edition.
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/file_locations.h"

using namespace vorlash;

class StandardPathsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QCoreApplication::setApplicationName("vorlash"); }

#if defined(Q_OS_WIN)
  // Windows keeps both in the roaming application data, %APPDATA%.
  void agrees_with_qt() {
    FileLocations loc;
    QVERIFY(locate_files("C:/vorlash/bin", 2, process_environment(), loc).ok());
    QString const data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    auto const same = [](const std::string& ours, const QString& qt) {
      return QDir::cleanPath(QDir::fromNativeSeparators(QString::fromStdString(ours)))
                 .compare(QDir::cleanPath(qt), Qt::CaseInsensitive) == 0;
    };
    QVERIFY2(same(loc.settings_folder, data + "/edition2"), loc.settings_folder.c_str());
    QVERIFY2(same(loc.user_data_folder, data + "/edition2"), loc.user_data_folder.c_str());
  }
#else
  void agrees_with_qt_data() {
    QTest::addColumn<bool>("xdg_set");
    QTest::newRow("XDG variables set") << true;
    QTest::newRow("XDG variables unset") << false;
  }

  void agrees_with_qt() {
    QFETCH(bool, xdg_set);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QByteArray const saved_home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(root.filePath("home")));
    if (xdg_set) {
      qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath("cfg")));
      qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath("dat")));
    } else {
      qunsetenv("XDG_CONFIG_HOME");
      qunsetenv("XDG_DATA_HOME");
    }
    FileLocations loc;
    QVERIFY(locate_files(root.filePath("bin").toStdString(), 2, process_environment(), loc).ok());
    QString const config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QString const data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    qputenv("HOME", saved_home);
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");

    QCOMPARE(QString::fromStdString(loc.settings_folder), config + "/edition2");
    QCOMPARE(QString::fromStdString(loc.user_data_folder), data + "/edition2");
  }
#endif
};

QTEST_GUILESS_MAIN(StandardPathsTest)
#include "standard_paths_test.moc"
