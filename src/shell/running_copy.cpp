#include "shell/running_copy.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace vorlash {

QString running_copy_socket_name(const std::string& lock_folder) {
  // The folder as the file system spells it, so that copies started by
  // different spellings of one folder find each other: on Windows with
  // backslashes or slashes, anywhere through a link.
  QString const given = QString::fromStdString(lock_folder);
  QString const canonical = QFileInfo(given).canonicalFilePath();
  auto const hash = QCryptographicHash::hash((canonical.isEmpty() ? given : canonical).toUtf8(),
                                             QCryptographicHash::Sha256);
  return QStringLiteral("vorlash-") + QString::fromLatin1(hash.toHex().left(24));
}

}  // namespace vorlash
