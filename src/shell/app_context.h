// What every window of the desktop program gets: the one AppState, the
// windows' working states, the platform services, the program folder, a way to let pending events
// run during long work, and the registry of open windows.
//
// Windows are numbered as their classes (MainWindow .. SearchResultsWindow). A
// window class W opened through show_window has a constructor
// W(AppContext&, args...), sets itself up there (places itself, fills its
// controls) and may define `bool should_show() const`: when that answers
// false after construction, the window is dropped without being shown
// (a list with nothing to list).
//
// Creating the context installs the keyboard and focus conventions of every
// window (install_window_conventions in key_handling.h).
//
// Windows of other parts of the program are reached by name through openers
// ("timetable5", "timetable21", ...): whoever builds the window registers
// its opener, and the main window disables the buttons and menu entries
// whose opener is missing.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "data/app_state.h"
#include "platform/platform.h"
#include "platform/program_lock.h"
#include "shell/running_copy.h"
#include "shell/window_states.h"

namespace vorlash {

inline constexpr int kMaxWindowNumber = 26;

struct AppContext {
  AppContext(AppState& state, Platform& platform, std::string program_folder);
  AppContext(const AppContext&) = delete;
  AppContext& operator=(const AppContext&) = delete;

  AppState& state;
  // What the windows work on between events (board picks, search results,
  // hotel search, calendar); on the heap, as it is large.
  std::unique_ptr<WindowStates> windows_storage = std::make_unique<WindowStates>();
  WindowStates& windows = *windows_storage;
  Platform& platform;
  // The folder of the executable, beside the data and settings files.
  std::string program_folder;
  // Held from start-up to exit: one running copy per program folder.
  ProgramLock program_lock;
  // Set when a save at the end failed: the program then exits with status 1.
  bool save_failed = false;
  // Listens, while the lock is held, for a second copy that wants this one
  // in front.
  std::unique_ptr<RunningCopyServer> running_copy;
  // Start-up found a running copy and brought it to the front: the program
  // ends quietly.
  bool handed_to_running_copy = false;
  // Lets pending window events run (QCoreApplication::processEvents); tests
  // may replace it.
  std::function<void()> yield;

  // If window `number` is open: brings it to the front unchanged and returns
  // it (nullptr if it is not a W). Otherwise creates W(*this, args...), shows it modeless (deleted
  // when it closes), registers it and returns it; nullptr when it chose not to show.
  template <class W, class... A>
  W* show_window(int number, A&&... args);

  // The open window of that number, or nullptr. Only a shown window is open:
  // a closed one no longer counts, even before Qt has deleted it.
  QWidget* window(int number) const;
  template <class W>
  W* window_as(int number) const {
    return dynamic_cast<W*>(window(number));
  }
  bool is_open(int number) const { return window(number) != nullptr; }

  // Registers a window created elsewhere (the main window) under its number.
  void adopt_window(int number, QWidget* window);
  // Closes window `number` if it is open (its close handling runs).
  void close_window(int number);
  // Closes every open window, the highest number first.
  void close_all_windows();

  void set_opener(std::string name, std::function<void()> opener);
  bool can_open(const std::string& name) const;
  // Runs the opener; false when none is registered.
  bool open(const std::string& name);

  // The help file's full path: program folder + help file name.
  std::string help_file_path() const;
  // The help viewer's quit command for the help file, sent by every window
  // when it closes.
  void quit_help() const;

 private:
  std::array<QPointer<QWidget>, kMaxWindowNumber + 1> windows_{};
  std::map<std::string, std::function<void()>> openers_;
};

// Shows a window in front of the others (restored if it was minimized);
// nothing for nullptr.
void bring_to_front(QWidget* window);

template <class W, class... A>
W* AppContext::show_window(int number, A&&... args) {
  if (auto* open_window = window(number)) {
    bring_to_front(open_window);
    return dynamic_cast<W*>(open_window);
  }
  auto* created = new W(*this, std::forward<A>(args)...);
  if constexpr (requires(const W& w) { w.should_show(); }) {
    if (!created->should_show()) {
      delete created;
      return nullptr;
    }
  }
  created->setAttribute(Qt::WA_DeleteOnClose);
  adopt_window(number, created);
  created->show();
  bring_to_front(created);
  return created;
}

}  // namespace vorlash
