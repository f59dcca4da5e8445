// Texts of the folders that the writing commands fill and read.
#pragma once

#include <string_view>

#include "text/language.h"

namespace vorlash::output_text {

// "<folder>: 書き込みません（「<entry>」…）。…"
inline constexpr Text kNotWritten{"書き込みません", "not written"};
inline constexpr Text kForeignHead{"「", "\""};
inline constexpr Text kForeignTail{"」はこのコマンドが書くファイルではありません",
                                   "\" is not a file this command writes"};
inline constexpr Text kChooseOther{
    "空のフォルダーか、このコマンドが前に書いたフォルダーを指定してください",
    "Choose an empty folder or one that this command wrote before"};

// Errors from the folder given with --base start with this.
inline constexpr Text kFromBase{"--base のフォルダー ", "the --base folder "};

}  // namespace vorlash::output_text
