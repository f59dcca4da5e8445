// The loading window (LoadingWindow). It stands on the screen while the
// start-up reads the DataFile, while the hotel loader reads the hotel
// section and while the connection search runs: the program title with its
// edition and version, the date of the data, a wait message chosen by the
// loading mode and, during the start-up only, a progress bar. Its "終了"
// ends the program at once, in the middle of a read if need be, saving
// nothing.
//
// Whoever starts a long piece of work opens it and closes it:
//   auto* loading = open_loading_window(ctx, kLoadingSearch);
//   ... work, letting events run ...
//   loading->finish();
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

#include "shell/app_context.h"

class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace vorlash {

inline constexpr int kLoadingWindow = 11;

// Loading modes: what the wait is for.
inline constexpr int kLoadingStartUp = 0;
inline constexpr int kLoadingHotels = 2;
inline constexpr int kLoadingSearch = 3;

// The information text: title line with edition title and version, then the
// date of the data.
std::string loading_information_text(const AppState& state);

// The wait message of a loading mode; empty for a mode without one.
std::string_view loading_message(int mode);

class LoadingWindow final : public QWidget {
 public:
  // Places the window, hides the progress bar, fills the information text
  // and the message of the loading mode (what the wait is for).
  LoadingWindow(AppContext& ctx, int mode);

  // Shows the progress bar with this range, at its minimum.
  void show_progress(int minimum, int maximum);
  void set_progress(int value);
  // The work is over: stores the window's position and closes it.
  void finish();

 protected:
  // The close box does nothing while the work runs: "終了" is the way out.
  void closeEvent(QCloseEvent* event) override;

 private:
  AppContext& ctx_;
  QPlainTextEdit* Text1 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  bool finishing_ = false;
};

// Sets the loading mode, opens the loading window (modeless; an open one is
// brought to the front unchanged), lets it paint and returns it.
LoadingWindow* open_loading_window(AppContext& ctx, int mode);

// Ends the process at once: no window is asked, nothing is saved. It also
// works in the middle of the start-up, before the event loop runs, and in
// the middle of long work that lets events run.
void end_program_at_once();

// Replaces what end_program_at_once does (tests watch it instead of the
// process ending). An empty action restores the real one.
void set_end_at_once_action(std::function<void()> action);

}  // namespace vorlash
