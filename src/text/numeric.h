// Reading numbers from texts the way the settings and the windows read them.
#pragma once

#include <optional>
#include <string_view>

namespace vorlash {

// The longest decimal number at the start of the text after leading blanks
// (sign, digits, an optional fraction); no number gives 0.
double leading_number(std::string_view text);

// Rounds to the nearest integer, a half going to the even neighbour.
long long round_half_even(double value);

// The text is a number as a whole (blanks around it allowed): "12", " 3 ",
// "-1", "2.5". Empty or anything else: nullopt.
std::optional<double> parse_number(std::string_view text);

// parse_number made whole (half to even) and required to fit 16 bits.
std::optional<int> parse_int16(std::string_view text);

inline bool fits_int16(long long value) {
  return value >= -32768 && value <= 32767;
}

}  // namespace vorlash
