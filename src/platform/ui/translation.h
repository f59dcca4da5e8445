// Qt's own Japanese translation, so that the standard dialogs (printing,
// message boxes), their buttons and the text fields' context menus read in
// Japanese like the rest of the program.
#pragma once

namespace vorlash {

// Installs the translation for the running application, from Qt's
// translations folder or else a "translations" folder beside the
// executable. False when neither holds it (the texts stay in English).
bool install_qt_translation();

}  // namespace vorlash
