// Texts of Shift-JIS conversion errors.
#pragma once

#include <string_view>

#include "text/language.h"

namespace vorlash::sjis_text {

// "Shift-JIS として読めないバイトがあります（<n>バイト目）"
inline constexpr Text kInvalidHead{"Shift-JIS として読めないバイトがあります（",
                                   "invalid Shift-JIS text at byte "};
inline constexpr Text kInvalidTail{"バイト目）", ""};  // nothing in English
// "文字「<c>」は Shift-JIS で書けません"
inline constexpr Text kNotInSjisHead{"文字「", "character \""};
inline constexpr Text kNotInSjisTail{"」は Shift-JIS で書けません",
                                     "\" cannot be written in Shift-JIS"};
// A line of a text file that cannot be converted: "<file>: <n> 行目: <what>".
inline constexpr Text kLineOf{"{}: {} 行目: {}", "{}: line {}: {}"};

}  // namespace vorlash::sjis_text
