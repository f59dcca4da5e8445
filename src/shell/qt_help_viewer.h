// The help viewer of the desktop program. This platform has no viewer for
// the ".hlp" help format, so the program ships its manual as HTML beside it
// (same name with ".html" instead of ".hlp", "vorlash2.html") and shows it
// in a help window of its own.
#pragma once

#include <QPointer>
#include <QString>
#include <QTextBrowser>
#include <string>

#include "platform/help_viewer.h"
#include "platform/message_box.h"

namespace vorlash {

// The message shown when the manual is missing; the file's path follows.
inline constexpr Text kHelpFileMissing{"ヘルプファイルが見つかりません：",
                                       "The help file cannot be found: "};
inline constexpr Text kHelpTitle{"ヘルプ", "Help"};

// The HTML manual that stands for a help file: ".hlp" (any case) replaced by
// ".html"; a path without ".hlp" gets ".html" appended. In English, ".en.html"
// instead when that file exists.
std::string manual_path_for(const std::string& help_file_path);

class QtHelpViewer final : public HelpViewer {
 public:
  // Reports a missing manual through `messages`.
  explicit QtHelpViewer(MessageBoxes& messages);
  ~QtHelpViewer() override;
  QtHelpViewer(const QtHelpViewer&) = delete;
  QtHelpViewer& operator=(const QtHelpViewer&) = delete;

  // Opens the manual in the help window, or raises the window if it already
  // shows it. A missing manual gives an error box naming the file.
  void show_contents(const std::string& help_file_path) override;
  // Closes the help window if it shows this file's manual.
  void quit(const std::string& help_file_path) override;

  // The open help window, or nullptr (for tests).
  QTextBrowser* window() const { return window_; }

 private:
  MessageBoxes& messages_;
  QPointer<QTextBrowser> window_;
  std::string shown_manual_;
};

}  // namespace vorlash
