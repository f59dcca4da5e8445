#include "shell/qt_help_viewer.h"

#include <QApplication>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <algorithm>
#include <filesystem>

#include "platform/native_path.h"
#include "shell/qt_strings.h"
#include "text/language.h"

namespace vorlash {

namespace {

// Keeps comparisons of paths independent of "a/./b" and similar spellings.
std::string normal_path(const std::string& path) {
  return std::filesystem::path(path).lexically_normal().string();
}

// Places the help beside `beside` (right of it, else left of it where the
// screen has more room there), top edges level, inside the screen.
void place_beside(QWidget* help, const QWidget* beside) {
  if (!beside) return;
  auto const* screen = beside->screen();
  if (!screen) return;
  QRect const room = screen->availableGeometry();
  QRect const from = beside->frameGeometry();
  int const gap = 8;
  int const width = help->frameGeometry().width();
  bool const right = room.right() - from.right() >= from.left() - room.left();
  int x = right ? from.right() + 1 + gap : from.left() - gap - width;
  x = std::clamp(x, room.left(), std::max(room.left(), room.right() + 1 - width));
  int const y =
      std::clamp(from.top(), room.top(),
                 std::max(room.top(), room.bottom() + 1 - help->frameGeometry().height()));
  help->move(x, y);
}

// The program's main window when it is shown, else the active one.
const QWidget* main_or_active_window() {
  for (auto const* w : QApplication::topLevelWidgets())
    if (w->isVisible() && w->objectName() == QStringLiteral("timetable1")) return w;
  return QApplication::activeWindow();
}

}  // namespace

std::string manual_path_for(const std::string& help_file_path) {
  auto const n = help_file_path.size();
  std::string stem = help_file_path;
  if (n >= 4) {
    auto ext = help_file_path.substr(n - 4);
    for (auto& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (ext == ".hlp") stem = help_file_path.substr(0, n - 4);
  }
  // In English the English manual beside the Japanese one, when it is there.
  if (language() == Language::en && file_exists(stem + ".en.html")) return stem + ".en.html";
  return stem + ".html";
}

QtHelpViewer::QtHelpViewer(MessageBoxes& messages) : messages_(messages) {}

QtHelpViewer::~QtHelpViewer() {
  delete window_.data();
}

void QtHelpViewer::show_contents(const std::string& help_file_path) {
  auto const manual = normal_path(manual_path_for(help_file_path));
  if (!file_exists(manual)) {
    messages_.show(error_message(kHelpFileMissing + manual));
    return;
  }
  if (window_ && window_->isVisible() && shown_manual_ == manual) {
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->raise();
    window_->activateWindow();
    return;
  }
  if (!window_) {
    window_ = new QTextBrowser;
    window_->setObjectName("HelpWindow");
    window_->setAttribute(Qt::WA_DeleteOnClose);
    window_->setOpenExternalLinks(true);
    window_->resize(720, 560);
    // Escape closes the help, as it closes every window of the program.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window_);
    QObject::connect(escape, &QShortcut::activated, window_, &QWidget::close);
    // Beside the main window, so that both stay readable.
    place_beside(window_, main_or_active_window());
  }
  shown_manual_ = manual;
  window_->setSource(QUrl::fromLocalFile(to_qstring(manual)));
  auto const title = window_->documentTitle();
  window_->setWindowTitle(title.isEmpty() ? to_qstring(kHelpTitle) : title);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void QtHelpViewer::quit(const std::string& help_file_path) {
  if (!window_ || shown_manual_ != normal_path(manual_path_for(help_file_path))) return;
  window_->close();
  window_ = nullptr;
  shown_manual_.clear();
}

}  // namespace vorlash
