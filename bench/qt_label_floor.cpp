// The floor of the desktop program's start-up: a Qt Widgets program that
// shows one label. scripts/bench-startup.sh times both from exec to the
// first painted window.
#include <QApplication>
#include <QLabel>

#include "shell/exit_when_shown.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("vorlash"));
  vorlash::exit_when_shown_if_asked(label);
  label.show();
  return QApplication::exec();
}
