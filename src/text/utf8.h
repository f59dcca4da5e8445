// Character-level helpers on UTF-8 texts (a character = one code point).
#pragma once

#include <string>
#include <string_view>

namespace vorlash {

// Number of characters (code points) of a UTF-8 text.
int char_count(std::string_view utf8);

// Columns in a fixed-pitch font: one for ASCII and half-width katakana, two
// for every other character.
int display_columns(std::string_view utf8);

// The first n characters / the last n characters / n characters from the
// 0-based character index start (fewer when the text is shorter).
std::string left_chars(std::string_view utf8, int n);
std::string right_chars(std::string_view utf8, int n);
std::string mid_chars(std::string_view utf8, int start, int n);

// Removes leading and trailing ASCII blanks only (a full-width blank is text).
std::string trim(std::string_view s);
std::string trim_left(std::string_view s);
std::string trim_right(std::string_view s);

// Cuts or pads with ASCII blanks on the right to exactly n characters.
std::string fit_chars(std::string_view utf8, int n);

// CR LF -> LF (for printing texts on a terminal).
std::string crlf_to_lf(std::string_view s);

}  // namespace vorlash
