// The desktop program. Its options: --version, and "--edition N" to choose
// the Edition of an installed program (1 when absent); a portable program
// folder is the Edition whose DataFile stands beside the executable.
#include <QApplication>
#include <QTextBrowser>  // completes the help viewer's window type for qt_platform.h
#include <cstdio>
#include <memory>
#include <string_view>

#include "app/register_windows.h"
#include "board/ui/main_window.h"
#include "data/app_state.h"
#include "platform/file_locations.h"
#include "platform/ui/app_context.h"
#include "platform/ui/exit_when_shown.h"
#include "platform/ui/qt_platform.h"
#include "platform/ui/translation.h"

int main(int argc, char** argv) {
  // Answered before QApplication exists, so that it needs no display.
  if (argc == 2 && std::string_view(argv[1]) == "--version") {
    std::printf("vorlash %s\n", VORLASH_VERSION);
    return 0;
  }
  int const edition = vorlash::edition_option(argc, argv);
  if (edition == 0) {
    std::fprintf(stderr, "vorlash: --edition wants an Edition number\n");
    return 2;
  }
  QApplication app(argc, argv);
  vorlash::install_qt_translation();  // standard dialogs and buttons in Japanese
  vorlash::QtPlatform platform;
  vorlash::FileLocations locations;
  vorlash::Status st = vorlash::locate_files(vorlash::executable_folder(argv[0]), edition,
                                             vorlash::process_environment(), locations);
  if (st) st = vorlash::prepare_user_folders(locations);
  if (!st) {
    // Started from the desktop menu there is no terminal to read: say it in a box too.
    std::fprintf(stderr, "vorlash: %s\n", st.error.c_str());
    platform.platform.messages.show(vorlash::error_message(st.error));
    return 1;
  }

  auto state = std::make_unique<vorlash::AppState>();
  vorlash::apply_locations(locations, *state);
  vorlash::AppContext ctx(*state, platform.platform, locations.data_folder);
  vorlash::register_windows(ctx);

  // The loading window opens and closes before the main window shows; that
  // is not the last window closing.
  QApplication::setQuitOnLastWindowClosed(false);
  vorlash::timetable1 main_window(ctx);
  if (!main_window.form_load()) return 1;
  vorlash::exit_when_shown_if_asked(main_window);
  main_window.show();
  QApplication::setQuitOnLastWindowClosed(true);
  return QApplication::exec();
}
