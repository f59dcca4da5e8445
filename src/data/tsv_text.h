// Lines and tab-separated fields of the compiler's text files (the source
// files and the feed mapping): LF line ends, a CR before the LF dropped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlash {

// Takes the next line off the front of text (without its line end).
std::string_view take_line(std::string_view& text);

// The fields of a line, split at every tab.
std::vector<std::string> split_tabs(std::string_view line);

}  // namespace vorlash
