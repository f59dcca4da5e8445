#include "shell/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vorlash {

bool install_qt_translation() {
  auto* app = QCoreApplication::instance();
  if (!app) return false;
  auto* translator = new QTranslator(app);
  auto const name = QStringLiteral("qtbase_ja");
  for (auto const& folder :
       {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
        QStringLiteral(":/translations")}) {
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
      return true;
  }
  delete translator;
  return false;
}

}  // namespace vorlash
