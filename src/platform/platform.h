// The platform services every window uses, gathered so that a window gets
// them in one piece: the real ones in the program, the fakes in tests.
#pragma once

#include "platform/clock.h"
#include "platform/help_viewer.h"
#include "platform/message_box.h"
#include "platform/printer.h"

namespace vorlash {

struct Platform {
  Clock& clock;
  MessageBoxes& messages;
  HelpViewer& help;
  Printer& printer;
};

}  // namespace vorlash
