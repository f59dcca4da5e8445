// Texts the desktop program prints before any window exists.
#pragma once

#include <string_view>

namespace vorlash::app_text {

inline constexpr std::string_view kUsage =
    "使い方: vorlash [--edition N]\n"
    "  --edition N  インストールされた版 N（1〜99）を起動します（省略時は 1）\n"
    "  --version    版数を表示します\n"
    "  --help       この説明を表示します\n";

inline constexpr std::string_view kBadEdition = "--edition には版の番号（1〜99）を指定してください";

}  // namespace vorlash::app_text
