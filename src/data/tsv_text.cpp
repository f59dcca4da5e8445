#include "data/tsv_text.h"

namespace vorlash {

std::string_view take_line(std::string_view& text) {
  std::size_t const lf = text.find('\n');
  std::string_view line = text.substr(0, lf);
  text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
  if (line.ends_with('\r')) line.remove_suffix(1);
  return line;
}

std::vector<std::string> split_tabs(std::string_view line) {
  std::vector<std::string> fields;
  while (true) {
    std::size_t const tab = line.find('\t');
    fields.emplace_back(line.substr(0, tab));
    if (tab == std::string_view::npos) break;
    line.remove_prefix(tab + 1);
  }
  return fields;
}

}  // namespace vorlash
