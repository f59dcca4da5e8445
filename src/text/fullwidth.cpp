#include "text/fullwidth.h"

namespace vorlash {

namespace {

void append_utf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

std::string to_fullwidth(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (char ch : text) {
    auto const c = static_cast<unsigned char>(ch);
    if (c == ' ') {
      append_utf8(out, U'\u3000');
    } else if (c == '\\') {
      append_utf8(out, U'\uFFE5');  // the yen sign of a single-byte amount
    } else if (c > 0x20 && c < 0x7F) {
      append_utf8(out, static_cast<char32_t>(0xFF01 + (c - 0x21)));
    } else {
      out.push_back(ch);
    }
  }
  return out;
}

}  // namespace vorlash
