// Texts of the folders that the writing commands fill and read.
#pragma once

#include <string_view>

namespace vorlash::output_text {

// "<folder>: 書き込みません（「<entry>」…）。…"
inline constexpr std::string_view kNotWritten = "書き込みません";
inline constexpr std::string_view kForeignHead = "「";
inline constexpr std::string_view kForeignTail = "」はこのコマンドが書くファイルではありません";
inline constexpr std::string_view kChooseOther =
    "空のフォルダーか、このコマンドが前に書いたフォルダーを指定してください";

// Errors from the folder given with --base start with this.
inline constexpr std::string_view kFromBase = "--base のフォルダー ";

}  // namespace vorlash::output_text
