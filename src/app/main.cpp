// The desktop program. Its one option is --version: the data, the settings
// and the user's hotels are the files beside the executable.
#include <QApplication>
#include <QTextBrowser>  // completes the help viewer's window type for qt_platform.h
#include <cstdio>
#include <memory>
#include <string_view>

#include "app/register_windows.h"
#include "board/ui/main_window.h"
#include "data/app_state.h"
#include "platform/ui/app_context.h"
#include "platform/ui/qt_platform.h"
#include "platform/ui/translation.h"

int main(int argc, char** argv) {
  // Answered before QApplication exists, so that it needs no display.
  if (argc == 2 && std::string_view(argv[1]) == "--version") {
    std::printf("vorlash %s\n", VORLASH_VERSION);
    return 0;
  }
  QApplication app(argc, argv);
  vorlash::install_qt_translation();  // standard dialogs and buttons in Japanese
  auto const program_folder = QCoreApplication::applicationDirPath().toStdString();

  vorlash::QtPlatform platform;
  auto state = std::make_unique<vorlash::AppState>();
  vorlash::AppContext ctx(*state, platform.platform, program_folder);
  vorlash::register_windows(ctx);

  // The loading window opens and closes before the main window shows; that
  // is not the last window closing.
  QApplication::setQuitOnLastWindowClosed(false);
  vorlash::timetable1 main_window(ctx);
  if (!main_window.form_load()) return 1;
  main_window.show();
  QApplication::setQuitOnLastWindowClosed(true);
  return QApplication::exec();
}
