// Conversions between the core's UTF-8 texts and Qt's QString.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "text/language.h"
#include "text/names.h"

namespace vorlash {

inline QString to_qstring(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string to_utf8(const QString& text) {
  return text.toUtf8().toStdString();
}

// A place name of the data (station, region, district) as the language
// shows it, and back: what the user typed or picked, in either language, as
// the data spell it.
inline QString shown_qname(std::string_view japanese) {
  return to_qstring(shown_name(japanese));
}
inline std::string typed_name(const QString& text) {
  return data_name(to_utf8(text));
}

// What a station field is sized for: seven full-width characters, or in
// English the longest station names ("Sakurambo-Higashine").
struct FieldSample {
  int columns;
  QChar sample;
};
inline FieldSample station_field_sample() {
  return language() == Language::en ? FieldSample{19, QChar('n')} : FieldSample{7, QChar(0x99C5)};
}

}  // namespace vorlash
