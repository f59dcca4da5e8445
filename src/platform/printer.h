// The system printer. A print job is a list of items in one font; each item
// is printed as its text followed by a line break. An item may hold line
// breaks (CR LF) and tabs of its own (laid out as platform/print_layout.h
// says).
#pragma once

#include <string>
#include <vector>

namespace vorlash {

struct PrintJob {
  std::string font_name;
  int point_size = 9;
  std::vector<std::string> items;
};

enum class PrintOutcome {
  Printed,    // the document was ended and handed to the printer
  Cancelled,  // the user cancelled the print dialog
  Failed,     // the printer or the output file refused
};

class Printer {
 public:
  virtual ~Printer() = default;
  // Asks the user for the printer (print dialog), then prints the job.
  virtual PrintOutcome print(const PrintJob& job) = 0;
};

// Records every job and answers `outcome`.
class FakePrinter final : public Printer {
 public:
  PrintOutcome print(const PrintJob& job) override {
    jobs.push_back(job);
    return outcome;
  }

  std::vector<PrintJob> jobs;
  PrintOutcome outcome = PrintOutcome::Printed;
};

}  // namespace vorlash
