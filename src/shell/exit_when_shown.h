// Start-up timing: with VORLASH_EXIT_WHEN_SHOWN set in the environment the
// program ends as soon as its first window has been painted, so that
// scripts/bench-startup.sh can time exec -> window on screen as a whole
// process. Header-only, so that the minimal Qt program the script compares
// against uses the very same hook without linking the program's libraries.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace vorlash {

class ExitWhenShown : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Queued, so that the paint this event starts reaches the screen first.
      QTimer::singleShot(0, [] {
        std::fflush(nullptr);
        std::_Exit(0);
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

// Installs the hook on window when the environment asks for it.
inline void exit_when_shown_if_asked(QWidget& window) {
  if (qEnvironmentVariableIsEmpty("VORLASH_EXIT_WHEN_SHOWN")) return;
  window.installEventFilter(new ExitWhenShown(&window));
}

}  // namespace vorlash
