// Message patterns with numbered gaps: fill("ブロック {} がありません", {"41"})
// puts each argument into the next "{}" of the pattern, so that a whole
// message reads as one Japanese sentence in its texts header.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace vorlash {

inline std::string fill(std::string_view pattern, std::initializer_list<std::string> args) {
  std::string out;
  auto arg = args.begin();
  for (std::size_t at = 0; at < pattern.size(); ++at) {
    if (pattern.compare(at, 2, "{}") == 0 && arg != args.end()) {
      out += *arg++;
      ++at;
    } else {
      out += pattern[at];
    }
  }
  return out;
}

}  // namespace vorlash
