// The ways the main window ends the program, and what each saves.
#include <QCloseEvent>
#include <QTimer>

#include "board/ui/main_window.h"
#include "board/ui/window_texts.h"
#include "data/ini_file.h"
#include "shell/window_place.h"

namespace vorlash {

namespace {

// Writes the SettingsFile. A failed write leaves the old file whole
// (temporary file and rename); the user is told which file and why, and the
// program ends all the same, with a failing exit status.
void save_settings(AppContext& ctx) {
  if (Status const st = put_ini_file(ctx.state); !st) {
    ctx.save_failed = true;
    ctx.platform.messages.show(
        error_message(std::string(board_window_text::kSettingsNotSaved) + "\n" + st.error));
  }
}

}  // namespace

void MainWindow::store_position_and_close() {
  store_position(ctx_.state, kMainWindow, this);
  close();
}

void MainWindow::end_proc() {
  store_position(ctx_.state, kMainWindow, this);
  close();
  if (end_program) end_program();
}

void MainWindow::end_program_via_unload() {
  close();
  if (end_program) end_program();
}

void MainWindow::end_skipping_unload() {
  store_position(ctx_.state, kMainWindow, this);
  if (ctx_.state.control2_flg == 1) save_settings(ctx_);
  // This way out skips the unload step, also if the window is closed later.
  unloaded_ = true;
  Timer1->stop();
  if (end_program) end_program();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  Timer1->stop();
  if (!unloaded_) {
    unloaded_ = true;
    form_unload();
  }
  event->accept();
}

void MainWindow::form_unload() {
  AppState& state = ctx_.state;
  bool write = true;
  if (state.control2_flg != 1) {
    // Saving is off: the file's saved content is read back into AppState
    // (window positions included), so that writing it keeps the file as it
    // was and only records that saving is off. If that read fails, AppState
    // holds half the file, and writing it would lose the user's settings:
    // the file is then left alone.
    write = get_ini_file(state).ok();
    state.control2_flg = 0;
  }
  if (write) save_settings(ctx_);
  ctx_.quit_help();
}

}  // namespace vorlash
