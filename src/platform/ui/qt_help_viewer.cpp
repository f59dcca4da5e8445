#include "platform/ui/qt_help_viewer.h"

#include <QTextBrowser>
#include <QUrl>
#include <filesystem>

#include "data/file_io.h"
#include "platform/ui/qt_strings.h"
#include "text/language.h"

namespace vorlash {

namespace {

// Keeps comparisons of paths independent of "a/./b" and similar spellings.
std::string normal_path(const std::string& path) {
  return std::filesystem::path(path).lexically_normal().string();
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
