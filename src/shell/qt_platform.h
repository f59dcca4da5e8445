// The real platform services of the desktop program, in one object that
// main() creates after the QApplication and hands to the AppContext.
#pragma once

#include "platform/clock.h"
#include "platform/platform.h"
#include "shell/qt_help_viewer.h"
#include "shell/qt_message_boxes.h"
#include "shell/qt_printer.h"

namespace vorlash {

struct QtPlatform {
  SystemClock clock;
  QtMessageBoxes messages;
  QtHelpViewer help{messages};
  QtPrinter printer;
  Platform platform{clock, messages, help, printer};
};

}  // namespace vorlash
