#if defined(_WIN32)
#include <QApplication>
#include <QFont>

#include "shell/japanese_ui_font.h"

namespace vorlash {

// Windows' own Japanese UI fonts, newest first, then the IPA fonts that Wine
// finds among the system's fonts. Each stands in for the message font's
// missing Japanese glyphs; the message font stays for the Latin ones.
void use_japanese_ui_font() {
  auto const family = QApplication::font().family();
  QFont::insertSubstitutions(family, {QStringLiteral("Yu Gothic UI"), QStringLiteral("Meiryo UI"),
                                      QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"),
                                      QStringLiteral("IPAGothic")});
}

}  // namespace vorlash
#endif  // _WIN32
