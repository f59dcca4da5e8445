// The font printouts draw "～" (U+FF5E) with: one glyph of the program's own
// (packaging/fonts, made by tools/make_tilde_font.py). The Japanese fonts
// draw "～" and the wave dash "〜" with one shared glyph, which a PDF's text
// layer reads back as "〜"; this font holds "～" alone.
#pragma once

#include <QFont>

namespace vorlash {

// `font` with the tilde font's family first; `font` itself when the font
// cannot be registered. Registers the font on the first call.
QFont with_print_tilde(const QFont& font);

}  // namespace vorlash
