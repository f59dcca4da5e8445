#include "shell/app_context.h"

#include <QCoreApplication>

#include "platform/native_path.h"
#include "shell/key_handling.h"

namespace vorlash {

AppContext::AppContext(AppState& state_, Platform& platform_, std::string folder)
    : state(state_),
      platform(platform_),
      program_folder(std::move(folder)),
      yield([] { QCoreApplication::processEvents(); }) {
  // Return on a focused button and visible focus, in every window.
  install_window_conventions();
}

QWidget* AppContext::window(int number) const {
  if (number < 1 || number > kMaxWindowNumber) return nullptr;
  auto* w = windows_[number].data();
  // A closed window stays alive until its deferred deletion; it no longer
  // counts as open.
  return w && w->isVisible() ? w : nullptr;
}

void AppContext::adopt_window(int number, QWidget* window) {
  if (number < 1 || number > kMaxWindowNumber) return;
  windows_[number] = window;
}

void AppContext::close_window(int number) {
  if (auto* w = window(number)) w->close();
}

void AppContext::close_all_windows() {
  for (int number = kMaxWindowNumber; number >= 1; --number) close_window(number);
}

void AppContext::set_opener(std::string name, std::function<void()> opener) {
  openers_[std::move(name)] = std::move(opener);
}

bool AppContext::can_open(const std::string& name) const {
  auto const found = openers_.find(name);
  return found != openers_.end() && found->second;
}

bool AppContext::open(const std::string& name) {
  if (!can_open(name)) return false;
  auto const opener = openers_[name];  // an opener may register others
  opener();
  return true;
}

std::string AppContext::help_file_path() const {
  auto const& folder = state.program_folder.empty() ? program_folder : state.program_folder;
  return program_path(folder, state.help_file_name);
}

void AppContext::quit_help() const {
  platform.help.quit(help_file_path());
}

void bring_to_front(QWidget* window) {
  if (!window) return;
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->raise();
  window->activateWindow();
}

}  // namespace vorlash
