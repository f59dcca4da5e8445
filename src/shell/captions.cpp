#include "shell/captions.h"

#include <QWidget>

#include "shell/qt_strings.h"

namespace vorlash {

QString mnemonic_caption(std::string_view caption) {
  auto const text = to_qstring(caption);
  QString out;
  out.reserve(text.size());
  bool have_mnemonic = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != QChar('&')) {
      out += text[i];
      continue;
    }
    if (i + 1 < text.size() && text[i + 1] == QChar('&')) {
      out += QStringLiteral("&&");
      ++i;
      continue;
    }
    if (!have_mnemonic && i + 1 < text.size()) {
      out += QChar('&');
      have_mnemonic = true;
    }
  }
  return out;
}

QString literal_caption(std::string_view text) {
  auto out = to_qstring(text);
  out.replace(QChar('&'), QStringLiteral("&&"));
  return out;
}

void ensure_caption_fits(QWidget* widget) {
  widget->setMinimumWidth(std::max(widget->minimumWidth(), widget->sizeHint().width()));
}

void set_spoken_name(QWidget* control, std::initializer_list<std::string_view> parts) {
  QStringList words;
  for (auto const part : parts)
    if (!part.empty()) words << to_qstring(part).remove(QChar('&'));
  control->setAccessibleName(words.join(QChar(' ')));
}

}  // namespace vorlash
