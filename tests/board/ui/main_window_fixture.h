// A program folder with the sample data, fake services and a main window
// started on it, for the window tests of the departure board and start-up.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QListWidget>
#include <QMetaObject>
#include <QTimer>
#include <memory>

#include "board/departure_list.h"
#include "board/ui/main_window.h"
#include "ui_support/ui_test_support.h"

namespace vorlash::test {

// Saturday 2000/03/11 14:05, the date of the sample data.
inline constexpr ClockReading kSampleClock{2000, 3, 11, 14, 5, 0};

inline QByteArray file_bytes(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

inline bool write_bytes(const std::string& path, const QByteArray& bytes) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(bytes) == bytes.size();
}

// Replaces one ASCII line of the folder's SettingsFile ("keiyo_use=1").
inline bool edit_settings(const UiFixture& f, const QByteArray& from, const QByteArray& to) {
  auto bytes = file_bytes(f.path("vorlash2.ini"));
  if (!bytes.contains(from)) return false;
  bytes.replace(from, to);
  return write_bytes(f.path("vorlash2.ini"), bytes);
}

// Fires a window's timer once, as if its interval had run out.
inline void fire_timer(QObject* window) {
  auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
  if (timer) QMetaObject::invokeMethod(timer, "timeout");
}

inline QStringList rows_of(const QListWidget* list) {
  QStringList rows;
  for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
  return rows;
}

// The rows the core builds for the state as it stands (list 1 Shinkansen,
// 2 Keiyo), to compare with what a window shows; the board's picks go to
// `board`.
inline QStringList core_rows(AppState& state, int list, BoardState& board) {
  DepartureList departures;
  if (list == 1) {
    edit_sinkansen(state, board, departures);
  } else {
    edit_keiyo(state, board, departures);
  }
  QStringList rows;
  for (auto const& row : departures.rows) rows << QString::fromStdString(row);
  return rows;
}

inline QStringList core_rows(AppState& state, int list) {
  BoardState scratch;
  return core_rows(state, list, scratch);
}

struct MainWindowRun {
  explicit MainWindowRun(ClockReading start = kSampleClock)
      : f(std::make_unique<UiFixture>(true, start)) {}
  MainWindowRun(const MainWindowRun&) = delete;
  MainWindowRun& operator=(const MainWindowRun&) = delete;
  // Closes whatever the test left open while the folder and state still exist.
  ~MainWindowRun() {
    f->context.close_all_windows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // Runs the start-up and shows the main window; false when it failed.
  bool start() {
    window = std::make_unique<MainWindow>(f->context);
    window->end_program = [this] { ++ended; };
    if (!window->form_load().ok()) return false;
    window->show();
    return true;
  }

  template <class W>
  W* child(const char* name) const {
    return window->findChild<W*>(QString::fromLatin1(name));
  }

  std::unique_ptr<UiFixture> f;
  std::unique_ptr<MainWindow> window;
  int ended = 0;
};

}  // namespace vorlash::test
