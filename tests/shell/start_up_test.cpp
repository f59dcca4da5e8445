// The start-up behind the loading window, and the loading window itself.
#include <sys/stat.h>

#include <QDir>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "board/ui/main_window_fixture.h"
#include "shell/loading_texts.h"
#include "shell/loading_window.h"
#include "shell/qt_strings.h"
#include "ui_support/sample_folder.h"

using namespace vorlash;
using namespace vorlash::test;

namespace {

// A FIFO in place of a file; Windows has none, and there the case is left out.
bool make_fifo([[maybe_unused]] const std::string& path) {
#if defined(Q_OS_WIN)
  return false;
#else
  return ::mkfifo(path.c_str(), 0600) == 0;
#endif
}

// Records the progress bar each time the start-up lets events run.
struct ProgressWatch {
  explicit ProgressWatch(AppContext& ctx) {
    ctx.yield = [this, &ctx] {
      if (auto* w = ctx.window_as<LoadingWindow>(kLoadingWindow)) {
        auto* bar = w->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
        if (bar->isVisible() && (values.isEmpty() || values.last() != bar->value())) {
          values << bar->value();
        }
        message = w->findChild<QPushButton*>(QStringLiteral("Command1"))->text();
        if (screenshot.isEmpty() && bar->isVisible() && bar->value() >= 3) {
          screenshot = save_screenshot(w, QStringLiteral("timetable11"));
        }
      }
      QCoreApplication::processEvents();
    };
  }
  QList<int> values;
  QString message;
  QString screenshot;
};

}  // namespace

class StartUpTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void start_up_fills_main_window();
  void start_up_without_keiyo();
  void unreadable_files_stop_start_up_with_message();
  void special_files_and_second_copy_refused();
  void loading_window_modes_and_exit();
};

void StartUpTest::init() {
  VORLASH_REQUIRE_SAMPLE();
}

void StartUpTest::start_up_fills_main_window() {
  MainWindowRun run;
  ProgressWatch watch(run.f->context);
  QVERIFY(run.start());

  QCOMPARE(watch.values, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));
  QCOMPARE(watch.message, QStringLiteral("データロード中!!  しばらくお待ち下さい"));
  QVERIFY(!run.f->context.is_open(kLoadingWindow));
  QVERIFY(run.f->messages.requests.empty());

  QCOMPARE(run.child<QPushButton>("Command2")->text(),
           QStringLiteral("現在日時 ： 2000/03/11（土）  14:05"));
  QCOMPARE(run.child<QGroupBox>("Frame1")->title(), QStringLiteral("新幹線（下り）  東京"));
  // The lists hold what the core builds from the sample at that moment.
  auto const shinkansen = rows_of(run.child<QListWidget>("List1"));
  QVERIFY(shinkansen.size() > 1);
  QCOMPARE(shinkansen, core_rows(run.f->state, 1));
  QVERIFY(shinkansen.first().contains(QStringLiteral("１４：")));
  QVERIFY(shinkansen.first().endsWith(QStringLiteral("急げ!!")));
  QCOMPARE(run.child<QGroupBox>("Frame2")->title(),
           QStringLiteral("京葉線（土休日下り）  海浜幕張"));
  auto const keiyo = rows_of(run.child<QListWidget>("List2"));
  QVERIFY(keiyo.size() > 1);
  QCOMPARE(keiyo, core_rows(run.f->state, 2));
  QVERIFY(run.child<QGroupBox>("Frame2")->isVisible());
  QVERIFY(run.window->findChild<QAction*>(QStringLiteral("mnu_view_keiyo"))->isEnabled());
}

void StartUpTest::start_up_without_keiyo() {
  MainWindowRun run;
  QVERIFY(edit_settings(*run.f, "keiyo_use=1", "keiyo_use=0"));
  ProgressWatch watch(run.f->context);
  QVERIFY(run.start());

  QCOMPARE(watch.values, (QList<int>{0, 1, 2, 5, 6, 7}));
  QCOMPARE(run.f->state.keiyo.train_count[1], 0);
  QVERIFY(!run.child<QGroupBox>("Frame2")->isVisible());
  QVERIFY(!run.window->findChild<QAction*>(QStringLiteral("mnu_view_keiyo"))->isEnabled());
  QCOMPARE(rows_of(run.child<QListWidget>("List1")), core_rows(run.f->state, 1));
}

// Each case: a file made missing or broken, and a text the error box must
// name. Start-up stops before the main window would be filled.
void StartUpTest::unreadable_files_stop_start_up_with_message() {
  struct Case {
    const char* file;
    QByteArray content;  // empty: the file is removed
    const char* named;
  };
  QByteArray const cut_settings = [] {
    auto bytes = file_bytes(std::string(VORLASH_SAMPLE_DIR) + "/vorlash2.ini");
    return bytes.left(bytes.indexOf("[Keiyo_line]"));
  }();
  QByteArray const cut_data =
      file_bytes(std::string(VORLASH_SAMPLE_DIR) + "/vorlashj.dat").left(4096);
  QByteArray const cut_sections = [] {
    // The control section stays whole, but the sections it names lie past
    // the end of the file: the loading window is open when the read fails.
    auto const bytes = file_bytes(std::string(VORLASH_SAMPLE_DIR) + "/vorlashj.dat");
    return bytes.left(8 * 1024) + bytes.right(1024);
  }();
  Case const cases[] = {
      {"vorlashj.dat", {}, "vorlashj.dat"},           {"vorlash2.ini", {}, "vorlash2.ini"},
      {"vorlash2.ini", cut_settings, "vorlash2.ini"}, {"vorlashj.dat", cut_data, "vorlashj.dat"},
      {"vorlashj.dat", cut_sections, "vorlashj.dat"},
  };
  for (auto const& c : cases) {
    MainWindowRun run;
    auto const path = run.f->path(c.file);
    if (c.content.isEmpty()) {
      QVERIFY(QFile::remove(QString::fromStdString(path)));
    } else {
      QVERIFY(write_bytes(path, c.content));
    }
    auto const settings_before = file_bytes(run.f->path("vorlash2.ini"));

    QVERIFY2(!run.start(), c.file);
    QCOMPARE(run.f->messages.requests.size(), size_t{1});
    auto const& box = run.f->messages.requests.front();
    QCOMPARE(box.title, std::string(kErrorTitle));
    QVERIFY2(box.text.find(c.named) != std::string::npos, box.text.c_str());
    QVERIFY(!run.f->context.is_open(kLoadingWindow));
    QVERIFY(run.child<QListWidget>("List1")->count() == 0);
    // Nothing was written on the way out.
    QCOMPARE(file_bytes(run.f->path("vorlash2.ini")), settings_before);
  }
}

// A folder or FIFO in place of a file is refused with a message (a FIFO
// must not hang the start-up); a lock file that cannot be written (here a
// planted link) is told as a folder the program cannot write; a second copy
// in the same folder does not start, and a lock left by an ended copy is
// taken over.
void StartUpTest::special_files_and_second_copy_refused() {
  struct Case {
    const char* file;
    const char* kind;  // "dir", "fifo", "link" or "lock"
    std::string_view message;
  };
  Case const cases[] = {
    {"vorlashj.dat", "dir", "フォルダーです"},
#if !defined(Q_OS_WIN)  // no FIFOs there, and QFile::link makes a shortcut file
    {"vorlash2.ini", "fifo", "通常のファイルではありません"},
    {"vorlash.lock", "link", loading_text::kFolderNotWritable},
#endif
    {"vorlash.lock", "lock", loading_text::kAlreadyRunning},
  };
  for (auto const& c : cases) {
    MainWindowRun run;
    auto const path = run.f->path(c.file);
    ProgramLock other;
    Status ignored;
    std::string const kind = c.kind;
    if (kind == "lock") {
      QVERIFY(other.acquire(run.f->folder, ignored) == LockResult::taken);
    } else if (kind == "link") {
      QVERIFY(QFile::link(QString::fromStdString(run.f->path("vorlash2.ini")),
                          QString::fromStdString(path)));
    } else {
      QVERIFY(QFile::remove(QString::fromStdString(path)));
      QVERIFY(kind == "dir" ? QDir().mkdir(QString::fromStdString(path)) : make_fifo(path));
    }
    QVERIFY2(!run.start(), c.kind);
    QCOMPARE(run.f->messages.requests.size(), size_t{1});
    auto const& text = run.f->messages.requests.front().text;
    QVERIFY2(text.find(c.message) != std::string::npos, text.c_str());
    if (kind == "dir" || kind == "fifo") {
      QVERIFY2(text.find(c.file) != std::string::npos, text.c_str());
      // A failed start leaves no lock file behind.
      QVERIFY(!QFile::exists(QString::fromStdString(run.f->path("vorlash.lock"))));
    }
  }
  // An installed program (settings apart from the data) speaks of its
  // Edition, not of a folder.
  {
    MainWindowRun run;
    QTemporaryDir settings;
    run.f->state.settings_folder = settings.path().toStdString();
    ProgramLock other;
    Status ignored;
    QVERIFY(other.acquire(run.f->state.settings_folder, ignored) == LockResult::taken);
    QVERIFY(!run.start());
    QCOMPARE(run.f->messages.requests.size(), size_t{1});
    QCOMPARE(run.f->messages.requests.front().text,
             std::string(loading_text::kAlreadyRunningEdition));
  }
  // The lock of a copy that has ended is free again.
  MainWindowRun run;
  {
    ProgramLock ended;
    Status ignored;
    QVERIFY(ended.acquire(run.f->folder, ignored) == LockResult::taken);
  }
  QVERIFY(run.start());
}

void StartUpTest::loading_window_modes_and_exit() {
  auto f = std::make_unique<UiFixture>();
  QVERIFY(f->load().ok());
  f->state.form[kLoadingWindow] = {1500, 3000};
  QCOMPARE(to_qstring(loading_information_text(f->state)),
           QStringLiteral("ソルマー時刻表（東海道・山陽新幹線編）＆ホテル情報　V1.59\n"
                          "時刻表データ　2000/03/11 現在"));
  f->state.edition_title.clear();
  QVERIFY(to_qstring(loading_information_text(f->state))
              .startsWith(QStringLiteral("ソルマー時刻表（編）＆ホテル情報　V1.59\n")));

  int ended = 0;
  set_end_at_once_action([&] { ++ended; });
  auto const settings_before = file_bytes(f->path("vorlash2.ini"));
  struct Mode {
    int mode;
    const char* message;
  };
  for (auto const& m : {Mode{kLoadingHotels, "ホテルデータロード中!!  しばらくお待ち下さい"},
                        Mode{kLoadingSearch, "新幹線列車検索中!!  しばらくお待ち下さい"}}) {
    auto* w = open_loading_window(f->context, m.mode);
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
             QString::fromUtf8(m.message));
    QCOMPARE(w->windowTitle(), QStringLiteral("ソルマー時刻表&ホテル情報"));
    QVERIFY(!w->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->isVisible());
    // Opening it again while it stands brings it up unchanged.
    QCOMPARE(open_loading_window(f->context, kLoadingStartUp), w);

    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
    w->finish();
    QVERIFY(!f->context.is_open(kLoadingWindow));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  set_end_at_once_action({});
  QCOMPARE(ended, 2);
  QCOMPARE(file_bytes(f->path("vorlash2.ini")), settings_before);
}

QTEST_MAIN(StartUpTest)
#include "start_up_test.moc"
