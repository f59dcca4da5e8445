#include "shell/qt_message_boxes.h"

#include <QApplication>

#include "shell/qt_strings.h"

namespace vorlash {

std::unique_ptr<QMessageBox> build_message_box(const MessageRequest& request, QWidget* parent) {
  auto const buttons = request.buttons == MessageButtons::OkCancel
                           ? QMessageBox::Ok | QMessageBox::Cancel
                           : QMessageBox::StandardButtons(QMessageBox::Ok);
  auto box = std::make_unique<QMessageBox>(
      request.information ? QMessageBox::Information : QMessageBox::Warning,
      to_qstring(request.title), to_qstring(request.text), buttons, parent);
  box->setDefaultButton(QMessageBox::Ok);
  box->setEscapeButton(request.buttons == MessageButtons::OkCancel ? QMessageBox::Cancel
                                                                   : QMessageBox::Ok);
  box->setTextFormat(Qt::PlainText);
  box->setProperty("help_context", request.help_context);
  return box;
}

MessageAnswer QtMessageBoxes::show(const MessageRequest& request) {
  auto box = build_message_box(request, QApplication::activeWindow());
  return box->exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

}  // namespace vorlash
