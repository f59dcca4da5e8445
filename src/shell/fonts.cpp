#include "shell/fonts.h"

namespace vorlash {

QStringList fixed_pitch_families() {
  return {QStringLiteral("ＭＳ ゴシック"),  // data text: not translated
          QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"), QStringLiteral("VL Gothic"),
          QStringLiteral("Noto Sans Mono CJK JP")};
}

QFont fixed_pitch_font(int point_size) {
  QFont font;
  font.setFamilies(fixed_pitch_families());
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
