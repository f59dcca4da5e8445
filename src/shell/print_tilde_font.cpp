#include "shell/print_tilde_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace vorlash {

namespace {

// Registered at the first printout rather than at start-up: the screen never
// asks for this family.
QString tilde_family() {
  static QString const family = [] {
    int const id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/vorlash-tilde.ttf"));
    auto const families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
  }();
  return family;
}

}  // namespace

QFont with_print_tilde(const QFont& font) {
  auto const family = tilde_family();
  if (family.isEmpty()) return font;
  QFont tilde = font;
  tilde.setFamilies(QStringList{family} + font.families());
  return tilde;
}

}  // namespace vorlash
