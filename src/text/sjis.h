// Shift-JIS (code page 932) <-> UTF-8, the same tables on every platform.
#pragma once

#include <string>
#include <string_view>

#include "base/status.h"

namespace vorlash {

// Whether the bytes are plain ASCII, the same in Shift-JIS and in UTF-8.
inline bool is_ascii(std::string_view bytes) {
  for (char const c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// Converts Shift-JIS bytes to UTF-8. Bytes that are not valid code page 932
// are an error (the message says at which byte).
Status sjis_to_utf8(std::string_view sjis, std::string& utf8);

// Converts UTF-8 to Shift-JIS. A character that code page 932 cannot hold is
// an error naming that character; nothing is replaced by '?'. Characters that
// input methods outside Windows type for the code page's own (〜 ‖ − ¢ £ ¬,
// and ¥ for the 0x5C byte) are written as those; every other character
// written reads back as itself.
Status utf8_to_sjis(std::string_view utf8, std::string& sjis);

// The text as it reads back once written in Shift-JIS (〜 becomes ～, ¥
// becomes \); a text that cannot be written comes back unchanged.
std::string as_read_back(std::string_view utf8);

// True when every character of the UTF-8 text can be written in code page 932.
bool fits_cp932(std::string_view utf8);

}  // namespace vorlash
