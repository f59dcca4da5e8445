// Qt's own Japanese translation, so that the standard dialogs (printing,
// message boxes), their buttons and the text fields' context menus read in
// Japanese like the rest of the program.
#pragma once

namespace vorlash {

// Installs the translation for the running application, from Qt's
// translations folder, a "translations" folder beside the executable or
// else the program's resources (the Windows program carries it there).
// False when none holds it (the texts stay in English).
bool install_qt_translation();

}  // namespace vorlash
