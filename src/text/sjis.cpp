#include "text/sjis.h"

#include <algorithm>
#include <cstdint>

#include "text/cp932_table.h"
#include "text/sjis_texts.h"

namespace vorlash {

namespace {

constexpr std::uint16_t kNotSingle = 0xFFFF;

int lead_index(unsigned char b) {
  if (b >= 0x81 && b <= 0x9F) return b - 0x81;
  if (b >= 0xE0 && b <= 0xFC) return b - 0xE0 + 31;
  return -1;
}

// Reads one strict UTF-8 character at i (no overlong forms, no surrogates);
// returns its length, 0 when the bytes are not UTF-8.
std::size_t next_utf8(std::string_view s, std::size_t i, char32_t& cp) {
  auto const b0 = static_cast<unsigned char>(s[i]);
  std::size_t len = 0;
  char32_t min = 0;
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  } else if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2, cp = b0 & 0x1F, min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3, cp = b0 & 0x0F, min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    auto const b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = cp << 6 | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

// The Shift-JIS code of a code point beyond ASCII (one byte below 0x100), or
// 0 when code page 932 cannot hold it.
std::uint16_t encode(char32_t cp) {
  if (cp > 0xFFFF) return 0;
  int const page = cp932::kEncodePage[cp >> 8];
  return page == 0 ? 0 : cp932::kEncode[page][cp & 0xFF];
}

// A character of the text as the user sees it: the bytes of one UTF-8
// character, or the broken bytes up to the next plausible start.
std::string_view shown_char(std::string_view utf8, std::size_t i) {
  auto const c = static_cast<unsigned char>(utf8[i]);
  std::size_t len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
  return utf8.substr(i, len);
}

}  // namespace

Status sjis_to_utf8(std::string_view sjis, std::string& utf8) {
  // Codes and numbers are mostly plain ASCII, the same bytes in UTF-8.
  std::size_t ascii = 0;
  while (ascii < sjis.size() && static_cast<unsigned char>(sjis[ascii]) < 0x80) ++ascii;
  if (ascii == sjis.size()) {
    utf8.assign(sjis);
    return Status::success();
  }
  // Otherwise written through a pointer into room for the longest result
  // (every byte becoming three): on the stack for a name or a line, so that
  // the text is allocated once at its own size, else in the text itself.
  constexpr std::size_t kStackRoom = 768;
  char stack_room[kStackRoom];
  bool const on_stack = sjis.size() * 3 <= kStackRoom;
  if (!on_stack) utf8.resize(sjis.size() * 3);
  char* const start = on_stack ? stack_room : utf8.data();
  char* out = start;
  auto const put = [&out](char32_t cp) {
    if (cp < 0x80) {
      *out++ = static_cast<char>(cp);
    } else if (cp < 0x800) {
      *out++ = static_cast<char>(0xC0 | (cp >> 6));
      *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      *out++ = static_cast<char>(0xE0 | (cp >> 12));
      *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
  };
  std::copy_n(sjis.data(), ascii, out);
  out += ascii;
  for (std::size_t i = ascii; i < sjis.size(); ++i) {
    auto const b = static_cast<unsigned char>(sjis[i]);
    if (b < 0x80) {
      *out++ = static_cast<char>(b);
      continue;
    }
    char32_t cp = cp932::kSingleByte[b];
    if (cp == kNotSingle) {
      int const lead = lead_index(b);
      auto const trail = i + 1 < sjis.size() ? static_cast<unsigned char>(sjis[i + 1]) : 0;
      cp = lead >= 0 && trail >= 0x40 && trail <= 0xFC ? cp932::kDoubleByte[lead][trail - 0x40] : 0;
      if (cp == 0) {
        utf8.clear();
        return Status::failure(std::string(sjis_text::kInvalidHead) + std::to_string(i) +
                               std::string(sjis_text::kInvalidTail));
      }
      ++i;
    }
    put(cp);
  }
  auto const length = static_cast<std::size_t>(out - start);
  if (on_stack)
    utf8.assign(start, length);
  else
    utf8.resize(length);
  return Status::success();
}

Status utf8_to_sjis(std::string_view utf8, std::string& sjis) {
  sjis.clear();
  sjis.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp = 0;
    std::size_t const len = next_utf8(utf8, i, cp);
    if (len == 1) {
      sjis += static_cast<char>(cp);
      ++i;
      continue;
    }
    std::uint16_t const code = len == 0 ? 0 : encode(cp);
    if (code == 0) {
      sjis.clear();
      return Status::failure(std::string(sjis_text::kNotInSjisHead) +
                             std::string(shown_char(utf8, i)) +
                             std::string(sjis_text::kNotInSjisTail));
    }
    if (code > 0xFF) sjis += static_cast<char>(code >> 8);
    sjis += static_cast<char>(code & 0xFF);
    i += len;
  }
  return Status::success();
}

std::string as_read_back(std::string_view utf8) {
  std::string sjis, back;
  if (!utf8_to_sjis(utf8, sjis).ok() || !sjis_to_utf8(sjis, back).ok()) return std::string(utf8);
  return back;
}

bool fits_cp932(std::string_view utf8) {
  std::string ignored;
  return utf8_to_sjis(utf8, ignored).ok();
}

}  // namespace vorlash
