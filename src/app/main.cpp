// The desktop program. Its options: --version, --help, "--edition N" to choose
// the Edition of an installed program (1 when absent; a portable program
// folder is the Edition whose DataFile stands beside the executable), and
// "--lang ja|en" for the language (platform/language_choice.h).
#include <QApplication>
#include <QTextBrowser>  // completes the help viewer's window type for qt_platform.h
#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>

#include "app/app_texts.h"
#include "app/register_windows.h"
#include "board/ui/main_window.h"
#include "data/app_state.h"
#include "data/file_paths.h"
#include "platform/file_locations.h"
#include "platform/language_choice.h"
#include "shell/app_context.h"
#include "shell/exit_when_shown.h"
#include "shell/japanese_ui_font.h"
#include "shell/program_identity.h"
#include "shell/qt_platform.h"
#include "shell/translation.h"

int main(int argc, char** argv) {
  // Answered before QApplication exists, so that it needs no display.
  if (argc == 2 && std::string_view(argv[1]) == "--version") {
    std::printf("vorlash %s\n", VORLASH_VERSION);
    return 0;
  }
  std::optional<vorlash::Language> lang;
  if (auto const value = vorlash::lang_option(argc, argv)) {
    lang = vorlash::parse_language(*value);
    if (!lang) {
      std::fprintf(stderr, "vorlash: --lang wants ja or en\n");
      return 2;
    }
  }
  vorlash::UserEnvironment const env = vorlash::process_environment();
  vorlash::set_language(vorlash::chosen_language(lang, vorlash::remembered_language(env),
                                                 vorlash::locale_language()));
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--help" || std::string_view(argv[i]) == "-h") {
      std::fputs(vorlash::app_text::kUsage.get().data(), stdout);
      return 0;
    }
  }
  int const edition = vorlash::edition_option(argc, argv);
  if (edition == 0) {
    std::fprintf(stderr, "vorlash: %s\n", vorlash::app_text::kBadEdition.get().data());
    return 2;
  }
  QApplication app(argc, argv);
  vorlash::identify_program(edition);  // desktop entry, window class and icon of the Edition
  // Standard dialogs and buttons in Japanese; Qt's own texts are English.
  if (vorlash::language() == vorlash::Language::ja) vorlash::install_qt_translation();
  vorlash::use_japanese_ui_font();
  vorlash::QtPlatform platform;
  vorlash::FileLocations locations;
  vorlash::PreparedUserFiles made;
  vorlash::Status st =
      vorlash::locate_files(vorlash::executable_folder(argv[0]), edition, env, locations);
  if (st) st = vorlash::prepare_user_folders(locations, made);
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
  vorlash::MainWindow main_window(ctx);
  if (!main_window.form_load()) {
    // A failed start leaves nothing it made: the user's folders and the
    // defaults copied into them go again (the lock file went already). A
    // second start that brought the running copy to the front ends quietly.
    vorlash::undo_user_folders(made);
    return ctx.handed_to_running_copy ? 0 : 1;
  }
  // The closed loading window goes before the main window takes its memory
  // (widgets, window buffer), not at the event loop's first turn after it.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  vorlash::exit_when_shown_if_asked(main_window);
  main_window.show();
  QApplication::setQuitOnLastWindowClosed(true);
  int const status = QApplication::exec();
  return ctx.save_failed && status == 0 ? 1 : status;
}
