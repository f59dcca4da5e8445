// Feeds arbitrary bytes to the Shift-JIS conversion in both directions.
// Whatever the bytes, a conversion either refuses them or gives a text that
// converts back and forth to itself: Shift-JIS read as UTF-8 writes back to
// bytes that read as the same UTF-8 (code page 932 has several codes for a
// few characters), and UTF-8 written as Shift-JIS reads back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "text/sjis.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vorlash;
  std::string_view const bytes(reinterpret_cast<const char*>(data), size);

  std::string utf8;
  if (sjis_to_utf8(bytes, utf8)) {
    check(fits_cp932(utf8));
    std::string sjis;
    check(static_cast<bool>(utf8_to_sjis(utf8, sjis)));
    std::string again;
    check(static_cast<bool>(sjis_to_utf8(sjis, again)));
    check(again == utf8);
  }

  std::string sjis;
  bool const written = static_cast<bool>(utf8_to_sjis(bytes, sjis));
  check(written == fits_cp932(bytes));
  if (written) {
    std::string back;
    check(static_cast<bool>(sjis_to_utf8(sjis, back)));
    check(back == bytes);
  }
  return 0;
}
