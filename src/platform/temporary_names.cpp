// The shape of the program's temporary file names, shared by the bodies that
// create them and the clean-up that removes crash leftovers.
#include <string_view>

#include "platform/safe_file.h"

namespace vorlash {

std::string_view temporary_of(std::string_view name) {
  constexpr std::string_view kTail = ".tmp";
  constexpr std::size_t kTagLength = 8;
  if (!name.ends_with(kTail) || name.size() < kTagLength + kTail.size() + 2) return {};
  std::size_t const dot = name.size() - kTail.size() - kTagLength - 1;
  if (name[dot] != '.') return {};
  for (char const c : name.substr(dot + 1, kTagLength)) {
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return {};
  }
  return name.substr(0, dot);
}

}  // namespace vorlash
