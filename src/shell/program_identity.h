// How the desktop tells the program's windows apart and finds their menu
// entry: each Edition has its own desktop entry (its file name without
// ".desktop" is the desktop file name, the Wayland app id) and its own
// window class (X11 WM_CLASS, which the entry names in StartupWMClass), so
// a dock or Alt+Tab groups the windows of one Edition under its entry and
// icon. The package installs the entries under these names.
#pragma once

#include <QIcon>
#include <QString>

namespace vorlash {

// "org.vorlash.vorlash" for Edition 1, "org.vorlash.vorlash.EditionN" for
// the others.
QString desktop_file_name(int edition);

// The window class, which is also the application name: "vorlash" for
// Edition 1, "vorlash-editionN" for the others (X11 WM_CLASS reads
// "vorlash", "<class>").
QString window_class(int edition);

// The program's window icon, 16 to 64 pixels.
QIcon program_icon();

// Sets the application name, the desktop file name and the window icon of
// every window; call once QApplication exists.
void identify_program(int edition);

}  // namespace vorlash
