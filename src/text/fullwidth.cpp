#include "text/fullwidth.h"

#include "text/language.h"

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

// The ASCII character whose full-width form is `cp`, or 0.
char halfwidth_of(char32_t cp) {
  if (cp >= 0xFF01 && cp <= 0xFF5E) return static_cast<char>(0x21 + (cp - 0xFF01));
  if (cp == 0x3000) return ' ';
  if (cp == 0xFFE5) return '\\';
  return 0;
}

bool is_continuation(char ch) {
  return (static_cast<unsigned char>(ch) & 0xC0) == 0x80;
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

std::string to_halfwidth(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    auto const lead = static_cast<unsigned char>(text[i]);
    // Every full-width form is a three-byte sequence.
    if ((lead & 0xF0) == 0xE0 && i + 2 < text.size() && is_continuation(text[i + 1]) &&
        is_continuation(text[i + 2])) {
      auto const cp = static_cast<char32_t>((lead & 0x0F) << 12 |
                                            (static_cast<unsigned char>(text[i + 1]) & 0x3F) << 6 |
                                            (static_cast<unsigned char>(text[i + 2]) & 0x3F));
      if (char const ascii = halfwidth_of(cp)) {
        out.push_back(ascii);
        i += 3;
        continue;
      }
    }
    out.push_back(text[i]);
    ++i;
  }
  return out;
}

std::string shown_digits(std::string_view text) {
  return language() == Language::en ? std::string(text) : to_fullwidth(text);
}

}  // namespace vorlash
