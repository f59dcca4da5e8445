#include "text/utf8.h"

namespace vorlash {

namespace {

bool is_continuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

// Byte offset of character index n (or the size when the text is shorter).
std::size_t offset_of(std::string_view s, int n) {
  std::size_t i = 0;
  int count = 0;
  while (i < s.size() && count < n) {
    ++i;
    while (i < s.size() && is_continuation(static_cast<unsigned char>(s[i]))) ++i;
    ++count;
  }
  return i;
}

}  // namespace

int char_count(std::string_view utf8) {
  int n = 0;
  for (char c : utf8)
    if (!is_continuation(static_cast<unsigned char>(c))) ++n;
  return n;
}

int display_columns(std::string_view utf8) {
  int n = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    auto const b = static_cast<unsigned char>(utf8[i]);
    if (is_continuation(b)) continue;
    bool const narrow_kana = b == 0xEF && i + 2 < utf8.size() &&
                             ((static_cast<unsigned char>(utf8[i + 1]) == 0xBD &&
                               static_cast<unsigned char>(utf8[i + 2]) >= 0xA1) ||
                              static_cast<unsigned char>(utf8[i + 1]) == 0xBE);
    n += b < 0x80 || narrow_kana ? 1 : 2;
  }
  return n;
}

std::string left_chars(std::string_view utf8, int n) {
  if (n <= 0) return {};
  return std::string(utf8.substr(0, offset_of(utf8, n)));
}

std::string right_chars(std::string_view utf8, int n) {
  if (n <= 0) return {};
  int const total = char_count(utf8);
  if (n >= total) return std::string(utf8);
  return std::string(utf8.substr(offset_of(utf8, total - n)));
}

std::string mid_chars(std::string_view utf8, int start, int n) {
  if (n <= 0 || start < 0) return {};
  std::size_t const from = offset_of(utf8, start);
  std::string_view const rest = utf8.substr(from);
  return std::string(rest.substr(0, offset_of(rest, n)));
}

std::string trim_left(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  return std::string(s.substr(i));
}

std::string trim_right(std::string_view s) {
  std::size_t n = s.size();
  while (n > 0 && s[n - 1] == ' ') --n;
  return std::string(s.substr(0, n));
}

std::string trim(std::string_view s) {
  return trim_left(trim_right(s));
}

std::string fit_chars(std::string_view utf8, int n) {
  std::string out = left_chars(utf8, n);
  int const have = char_count(out);
  if (have < n) out.append(static_cast<std::size_t>(n - have), ' ');
  return out;
}

std::string crlf_to_lf(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') continue;
    out.push_back(s[i]);
  }
  return out;
}

}  // namespace vorlash
