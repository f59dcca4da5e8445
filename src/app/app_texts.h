// Texts the desktop program prints before any window exists.
#pragma once

#include <string_view>

#include "text/language.h"

namespace vorlash::app_text {

inline constexpr Text kUsage{
    "使い方: vorlash [--edition N] [--lang ja|en]\n"
    "  --edition N  インストールされた版 N（1〜99）を起動します（省略時は 1）\n"
    "  --lang L     表示言語: ja（日本語）または en（英語）\n"
    "  --version    版数を表示します\n"
    "  --help       この説明を表示します\n",
    "Usage: vorlash [--edition N] [--lang ja|en]\n"
    "  --edition N  start the installed Edition N (1-99; 1 when absent)\n"
    "  --lang L     the language: ja (Japanese) or en (English)\n"
    "  --version    print the version\n"
    "  --help       print this help\n"};

inline constexpr Text kBadEdition{"--edition には版の番号（1〜99）を指定してください",
                                  "--edition wants an Edition number (1-99)"};

}  // namespace vorlash::app_text
