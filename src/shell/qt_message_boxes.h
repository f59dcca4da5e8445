// Message boxes on the screen (QMessageBox), modal over the active window.
#pragma once

#include <QMessageBox>
#include <memory>

#include "platform/message_box.h"

namespace vorlash {

class QtMessageBoxes final : public MessageBoxes {
 public:
  MessageAnswer show(const MessageRequest& request) override;
};

// The box show() runs: warning (exclamation) icon, the request's title and
// text, OK or OK/Cancel with OK as default. There are no help topics on
// this platform, so the help context is kept as a property only
// ("help_context"). Separate so tests can look at a box without running it.
std::unique_ptr<QMessageBox> build_message_box(const MessageRequest& request,
                                               QWidget* parent = nullptr);

}  // namespace vorlash
