#include "text/sjis.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>

namespace vorlash {

namespace {

// The two conversion descriptors are opened once per thread and kept: opening
// one per call made every text conversion cost a table load.
struct Descriptors {
  iconv_t to_utf8 = iconv_open("UTF-8", "CP932");
  iconv_t to_sjis = iconv_open("CP932", "UTF-8");
  ~Descriptors() {
    if (to_utf8 != reinterpret_cast<iconv_t>(-1)) iconv_close(to_utf8);
    if (to_sjis != reinterpret_cast<iconv_t>(-1)) iconv_close(to_sjis);
  }
};

iconv_t descriptor(const char* to, const char* /*from*/) {
  thread_local Descriptors d;
  return std::string_view(to) == "UTF-8" ? d.to_utf8 : d.to_sjis;
}

// One conversion with glibc/libiconv; fails on the first byte sequence that
// cannot be converted, reporting its offset in the input.
Status convert(const char* to, const char* from, std::string_view in, std::string& out,
               const char* what) {
  out.clear();
  if (in.empty()) return Status::success();
  iconv_t const cd = descriptor(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1))
    return Status::failure(std::string("text conversion ") + from + " -> " + to +
                           " is not available");
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
  out.resize(in.size() * 4 + 16);
  char* in_ptr = const_cast<char*>(in.data());
  std::size_t in_left = in.size();
  char* out_ptr = out.data();
  std::size_t out_left = out.size();
  Status st;
  while (in_left > 0) {
    std::size_t const r = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
    if (r == static_cast<std::size_t>(-1)) {
      std::size_t const at = in.size() - in_left;
      char buf[96];
      std::snprintf(buf, sizeof buf, "%s at byte %zu", what, at);
      st = Status::failure(buf);
      break;
    }
    if (r > 0) {
      // A non-reversible conversion (a replacement) happened: refuse it.
      st = Status::failure(std::string(what));
      break;
    }
  }
  if (!st.ok()) {
    out.clear();
    return st;
  }
  out.resize(out.size() - out_left);
  return Status::success();
}

}  // namespace

Status sjis_to_utf8(std::string_view sjis, std::string& utf8) {
  return convert("UTF-8", "CP932", sjis, utf8, "invalid Shift-JIS text");
}

Status utf8_to_sjis(std::string_view utf8, std::string& sjis) {
  Status st = convert("CP932", "UTF-8", utf8, sjis, "character not representable in Shift-JIS");
  if (st.ok()) {
    // Some characters are mapped one way only (U+301C becomes the bytes of
    // U+FF5E): a text must come back as it was written, or it is refused.
    std::string back;
    if (!sjis_to_utf8(sjis, back).ok() || back != utf8) {
      st = Status::failure("character not representable in Shift-JIS");
      sjis.clear();
    }
  }
  if (!st.ok()) {
    // Name the offending character for the user.
    std::size_t i = 0;
    std::string probe;
    while (i < utf8.size()) {
      std::size_t len = 1;
      auto const c = static_cast<unsigned char>(utf8[i]);
      if (c >= 0xF0)
        len = 4;
      else if (c >= 0xE0)
        len = 3;
      else if (c >= 0xC0)
        len = 2;
      if (i + len > utf8.size()) len = utf8.size() - i;
      std::string_view const ch = utf8.substr(i, len);
      std::string back;
      if (!convert("CP932", "UTF-8", ch, probe, "x").ok() ||
          !convert("UTF-8", "CP932", probe, back, "x").ok() || back != ch) {
        return Status::failure("character \"" + std::string(ch) +
                               "\" cannot be written in Shift-JIS");
      }
      i += len;
    }
  }
  return st;
}

bool fits_cp932(std::string_view utf8) {
  std::string ignored;
  return utf8_to_sjis(utf8, ignored).ok();
}

}  // namespace vorlash
