// Conversions between the core's UTF-8 texts and Qt's QString.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vorlash {

inline QString to_qstring(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string to_utf8(const QString& text) {
  return text.toUtf8().toStdString();
}

}  // namespace vorlash
