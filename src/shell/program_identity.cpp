#include "shell/program_identity.h"

#include <QApplication>

namespace vorlash {

namespace {

constexpr char kAppId[] = "org.vorlash.vorlash";

}  // namespace

QString desktop_file_name(int edition) {
  QString const id = QString::fromLatin1(kAppId);
  return edition == 1 ? id : id + QStringLiteral(".Edition%1").arg(edition);
}

QString window_class(int edition) {
  return edition == 1 ? QStringLiteral("vorlash")
                      : QStringLiteral("vorlash-edition%1").arg(edition);
}

// Only the sizes title bars and task bars draw: each top-level window hands
// every size to the window system as uncompressed pixels, and the 128 and
// 256 pixel images alone cost megabytes at start-up. Larger renderings
// (menus, launchers) take the installed icon of the desktop entry.
QIcon program_icon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64})
    icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
  return icon;
}

void identify_program(int edition) {
  QApplication::setApplicationName(window_class(edition));
  QGuiApplication::setDesktopFileName(desktop_file_name(edition));
  QApplication::setWindowIcon(program_icon());
}

}  // namespace vorlash
