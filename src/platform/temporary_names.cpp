// The shape of the program's temporary file names, shared by the bodies that
// create them and the start-up clean-up that removes crash leftovers.
#include <string_view>

#include "platform/safe_file.h"

namespace vorlash {

bool is_temporary_name(std::string_view name) {
  constexpr std::string_view kTail = ".tmp";
  constexpr std::size_t kTagLength = 8;
  if (!name.ends_with(kTail) || name.size() < kTagLength + kTail.size() + 2) return false;
  std::string_view const tag = name.substr(name.size() - kTail.size() - kTagLength, kTagLength);
  if (name[name.size() - kTail.size() - kTagLength - 1] != '.') return false;
  for (char const c : tag) {
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

}  // namespace vorlash
