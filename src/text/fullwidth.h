// Conversion between ASCII text and full-width characters, as the departure board and
// the fare texts show times and amounts (1234 -> １２３４, ":" -> "：").
#pragma once

#include <string>
#include <string_view>

namespace vorlash {

// Every printable ASCII character becomes its full-width form (blank -> "　");
// other characters are left as they are.
std::string to_fullwidth(std::string_view text);

// Digits and times as the language shows them: full-width in Japanese,
// half-width (as they are) in English.
std::string shown_digits(std::string_view text);

// The reverse, for what a user typed with the input method on: every
// full-width form of a printable ASCII character ("１０" -> "10", "－" -> "-",
// "￥" -> the single-byte yen sign) and the full-width blank become
// single-byte; other characters are left as they are.
std::string to_halfwidth(std::string_view text);

}  // namespace vorlash
