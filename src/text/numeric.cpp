#include "text/numeric.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace vorlash {

namespace {

// Length of the decimal number at the start of s (sign, digits, fraction).
std::size_t number_length(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
  std::size_t const digits_start = i;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
  std::size_t int_digits = i - digits_start;
  std::size_t frac_digits = 0;
  if (i < s.size() && s[i] == '.') {
    std::size_t j = i + 1;
    while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j;
    frac_digits = j - i - 1;
    if (frac_digits > 0 || int_digits > 0) i = j;
  }
  if (int_digits == 0 && frac_digits == 0) return 0;
  return i;
}

}  // namespace

double leading_number(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
  std::string_view const rest = text.substr(start);
  std::size_t const len = number_length(rest);
  if (len == 0) return 0;
  std::string_view const number = rest.substr(0, len);
  // A whole number of up to 15 digits is exact as a double: added up
  // directly, it is what strtod gives, without copying the text.
  std::size_t const digits_start = number[0] == '-' || number[0] == '+' ? 1 : 0;
  if (len - digits_start <= 15 && number.find('.') == std::string_view::npos) {
    long long whole = 0;
    for (char const c : number.substr(digits_start)) whole = whole * 10 + (c - '0');
    double const v = static_cast<double>(whole);
    return number[0] == '-' ? -v : v;
  }
  return std::strtod(std::string(number).c_str(), nullptr);
}

long long round_half_even(double value) {
  if (!std::isfinite(value)) return 0;
  if (value > 9.0e18) return static_cast<long long>(9.0e18);
  if (value < -9.0e18) return static_cast<long long>(-9.0e18);
  return static_cast<long long>(std::nearbyint(value));  // default mode: to nearest, ties even
}

std::optional<double> parse_number(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && text[start] == ' ') ++start;
  std::size_t end = text.size();
  while (end > start && text[end - 1] == ' ') --end;
  std::string_view const core = text.substr(start, end - start);
  if (core.empty()) return std::nullopt;
  std::size_t const len = number_length(core);
  if (len != core.size()) return std::nullopt;
  return std::strtod(std::string(core).c_str(), nullptr);
}

std::optional<int> parse_int16(std::string_view text) {
  auto const v = parse_number(text);
  if (!v) return std::nullopt;
  long long const whole = round_half_even(*v);
  if (!fits_int16(whole) || std::fabs(*v) > 1e6) return std::nullopt;
  return static_cast<int>(whole);
}

}  // namespace vorlash
