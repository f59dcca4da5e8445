// Texts of Shift-JIS conversion errors.
#pragma once

#include <string_view>

namespace vorlash::sjis_text {

// "Shift-JIS として読めないバイトがあります（<n>バイト目）"
inline constexpr std::string_view kInvalidHead = "Shift-JIS として読めないバイトがあります（";
inline constexpr std::string_view kInvalidTail = "バイト目）";
// "文字「<c>」は Shift-JIS で書けません"
inline constexpr std::string_view kNotInSjisHead = "文字「";
inline constexpr std::string_view kNotInSjisTail = "」は Shift-JIS で書けません";

}  // namespace vorlash::sjis_text
