#include "shell/fonts.h"

#include <QFontDatabase>

namespace vorlash {

namespace {

// The preferred families from the first installed one on. Those before it are
// not on this machine: asking for them would only cost, at every new font
// size, a scan of all fonts' localized names and a fontconfig fallback search
// that end at the same font. Resolved once; the fonts do not change while the
// program runs.
const QStringList& installed_fixed_pitch_families() {
  static QStringList const families = [] {
    QStringList const wanted = fixed_pitch_families();
    QStringList const installed = QFontDatabase::families();
    for (qsizetype i = 0; i < wanted.size(); ++i) {
      if (installed.contains(wanted[i], Qt::CaseInsensitive)) return wanted.mid(i);
    }
    return wanted;  // none installed: the font matching chooses as before
  }();
  return families;
}

}  // namespace

QStringList fixed_pitch_families() {
  return {QStringLiteral("ＭＳ ゴシック"),  // data text: not translated
          QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"), QStringLiteral("VL Gothic"),
          QStringLiteral("Noto Sans Mono CJK JP")};
}

QFont fixed_pitch_font(int point_size) {
  QFont font;
  font.setFamilies(installed_fixed_pitch_families());
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSize(point_size > 0 ? point_size : 9);
#if defined(_WIN32)
  // Windows' full hinting rounds each advance to whole pixels on its own: at
  // 10 points a half-width character takes 7 pixels and a full-width one 13,
  // and the columns drift apart. Hinted only vertically, the advances keep
  // the font's own 1:2, as on paper and on Linux' usual settings.
  font.setHintingPreference(QFont::PreferVerticalHinting);
#endif
  return font;
}

}  // namespace vorlash
