// Collects the problems found in a source folder so that one run of the
// compiler reports all of them, each naming its file and line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"

namespace vorlash {

class SourceErrors {
 public:
  // "file:line: message"; line 0 gives "file: message".
  void add(std::string_view file, int line, std::string_view message);
  // A message that already names its place.
  void add_message(std::string message) { messages_.push_back(std::move(message)); }
  bool empty() const { return messages_.empty(); }
  int count() const { return static_cast<int>(messages_.size()); }
  // All messages, one per line (the first 100, then how many more there were).
  Status status() const;

 private:
  std::vector<std::string> messages_;
};

// A text quoted for a message: "name".
std::string quote_text(std::string_view text);

}  // namespace vorlash
