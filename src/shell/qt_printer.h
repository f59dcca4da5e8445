// Printing on the system printer through the print dialog (which also offers
// printing into a PDF file).
//
// Page layout (platform/print_layout.h): the job's font (falling back to the
// installed fixed-pitch Japanese fonts; "～" from print_tilde_font.h), every
// character in its column, TAB stops as on screen, margins of at least 15 mm,
// a page number at the foot of every page.
#pragma once

#include <QString>
#include <functional>

#include "platform/printer.h"

class QPrinter;

namespace vorlash {

// Shows the print dialog for `printer`; true when the user accepted it.
using PrintDialog = std::function<bool(QPrinter&)>;
bool run_print_dialog(QPrinter& printer);

class QtPrinter final : public Printer {
 public:
  // Asks for the printer with the print dialog each time; the dialog
  // proposes the file last printed into in this run.
  QtPrinter() : QtPrinter(run_print_dialog) {}
  // Asks through `ask` instead of the print dialog (tests).
  explicit QtPrinter(PrintDialog ask) : ask_(std::move(ask)) {}
  // Prints on `printer` as it is configured, without a dialog (tests print
  // into a PDF this way). The printer must outlive this object.
  static QtPrinter without_dialog(QPrinter* printer);

  PrintOutcome print(const PrintJob& job) override;

 private:
  QPrinter* fixed_printer_ = nullptr;
  PrintDialog ask_;
  QString last_file_;
};

// Prints the job on an already configured printer: Printed, or Failed when
// the printer cannot start, turn a page or end the document.
PrintOutcome print_job(QPrinter& printer, const PrintJob& job);

}  // namespace vorlash
