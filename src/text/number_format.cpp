#include "text/number_format.h"

#include <string>

namespace vorlash {

std::string format_number(long long value, std::string_view picture) {
  int zeros = 0;
  bool grouping = false;
  bool colon = false;
  for (char c : picture) {
    if (c == '0') ++zeros;
    if (c == ',') grouping = true;
    if (c == ':') colon = true;
  }
  bool const negative = value < 0;
  unsigned long long const magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                                : static_cast<unsigned long long>(value);
  if (magnitude == 0 && zeros == 0) return {};

  std::string digits = magnitude == 0 ? std::string() : std::to_string(magnitude);
  if (static_cast<int>(digits.size()) < zeros)
    digits.insert(0, static_cast<std::size_t>(zeros) - digits.size(), '0');

  std::string body;
  if (colon) {
    // "00:00": the last two digits after the colon.
    body = digits.substr(0, digits.size() - 2) + ":" + digits.substr(digits.size() - 2);
  } else if (grouping) {
    int const n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
      if (i > 0 && (n - i) % 3 == 0) body.push_back(',');
      body.push_back(digits[static_cast<std::size_t>(i)]);
    }
  } else {
    body = digits;
  }
  return negative ? "-" + body : body;
}

std::string format_hhmm(int hhmm) {
  return format_number(hhmm, "00:00");
}

}  // namespace vorlash
