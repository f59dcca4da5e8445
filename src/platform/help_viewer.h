// The help viewer for the program's help file. Windows hand it the file's
// full path (program folder + help file name): the main window's help menu
// asks for the contents, and every window sends quit when it closes.
#pragma once

#include <string>
#include <vector>

namespace vorlash {

class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  // Opens the contents of the help file, or brings the open help to the front.
  virtual void show_contents(const std::string& help_file_path) = 0;
  // Closes the help of that file if it is open; otherwise does nothing.
  virtual void quit(const std::string& help_file_path) = 0;
};

// Records the paths it was given, in order.
class FakeHelpViewer final : public HelpViewer {
 public:
  void show_contents(const std::string& help_file_path) override {
    contents_calls.push_back(help_file_path);
  }
  void quit(const std::string& help_file_path) override { quit_calls.push_back(help_file_path); }

  std::vector<std::string> contents_calls;
  std::vector<std::string> quit_calls;
};

}  // namespace vorlash
