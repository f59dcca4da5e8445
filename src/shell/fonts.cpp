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
  return font;
}

}  // namespace vorlash
