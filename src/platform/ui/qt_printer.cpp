#include "platform/ui/qt_printer.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextLayout>

#include "platform/ui/fonts.h"
#include "platform/ui/qt_strings.h"

namespace vorlash {

namespace {

// Splits an item at CR LF, LF or CR; an empty item is one empty line.
QStringList item_lines(const QString& item) {
  auto text = item;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QChar('\r'), QChar('\n'));
  return text.split(QChar('\n'));
}

// Lays out and draws the job page by page. Returns false when the printer
// refuses a new page.
bool paint_job(QPainter& painter, QPrinter& printer, const PrintJob& job) {
  auto font = fixed_pitch_font(job.point_size);
  if (!job.font_name.empty()) {
    auto families = font.families();
    families.prepend(to_qstring(job.font_name));
    families.removeDuplicates();
    font.setFamilies(families);
  }
  painter.setFont(font);

  auto const page = printer.pageLayout().paintRectPixels(printer.resolution());
  auto const width = static_cast<qreal>(page.width());
  auto const height = static_cast<qreal>(page.height());
  QFontMetricsF const metrics(font, &printer);
  auto const line_height = metrics.lineSpacing();

  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  option.setTabStopDistance(metrics.horizontalAdvance(QChar(' ')) * 8);

  qreal y = 0;
  auto const next_line = [&]() -> bool {
    if (y + line_height > height && y > 0) {
      if (!printer.newPage()) return false;
      y = 0;
    }
    return true;
  };

  for (auto const& item : job.items) {
    for (auto const& text : item_lines(to_qstring(item))) {
      if (text.isEmpty()) {
        if (!next_line()) return false;
        y += line_height;
        continue;
      }
      QTextLayout layout(text, font, &printer);
      layout.setTextOption(option);
      layout.beginLayout();
      for (auto line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, 0));  // each line is drawn at its own place below
      }
      layout.endLayout();
      for (int i = 0; i < layout.lineCount(); ++i) {
        auto const line = layout.lineAt(i);
        if (!next_line()) return false;
        line.draw(&painter, QPointF(0, y));
        y += line_height;
      }
    }
  }
  return true;
}

}  // namespace

QtPrinter QtPrinter::without_dialog(QPrinter* printer) {
  QtPrinter p;
  p.fixed_printer_ = printer;
  return p;
}

PrintOutcome QtPrinter::print(const PrintJob& job) {
  if (fixed_printer_) return print_job(*fixed_printer_, job);
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("vorlash"));
  QPrintDialog dialog(&printer, QApplication::activeWindow());
  if (dialog.exec() != QDialog::Accepted) return PrintOutcome::Cancelled;
  return print_job(printer, job);
}

PrintOutcome print_job(QPrinter& printer, const PrintJob& job) {
  QPainter painter;
  if (!painter.begin(&printer)) return PrintOutcome::Failed;
  if (!paint_job(painter, printer, job)) {
    printer.abort();  // a half-printed document is not handed on where the driver allows
    painter.end();
    return PrintOutcome::Failed;
  }
  if (!painter.end() || printer.printerState() == QPrinter::Error) return PrintOutcome::Failed;
  return PrintOutcome::Printed;
}

}  // namespace vorlash
