#include "shell/qt_printer.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "platform/print_layout.h"
#include "shell/fonts.h"
#include "shell/print_tilde_font.h"
#include "shell/qt_strings.h"

namespace vorlash {

namespace {

constexpr qreal kMinMarginMm = 15;

// Widens the printer's margins to at least kMinMarginMm on every side (wider
// margins chosen in the print dialog stay).
void ensure_margins(QPrinter& printer) {
  auto const m = printer.pageLayout().margins(QPageLayout::Millimeter);
  QMarginsF const wide(std::max(m.left(), kMinMarginMm), std::max(m.top(), kMinMarginMm),
                       std::max(m.right(), kMinMarginMm), std::max(m.bottom(), kMinMarginMm));
  if (wide != m) printer.setPageMargins(wide, QPageLayout::Millimeter);
}

QFont job_font(const PrintJob& job) {
  auto font = fixed_pitch_font(job.point_size);
  if (!job.font_name.empty()) {
    auto families = font.families();
    families.prepend(to_qstring(job.font_name));
    families.removeDuplicates();
    font.setFamilies(families);
  }
  return font;
}

// The job's font, and the same with the tilde font first for "～" alone, so
// that every other character is drawn exactly as without it.
struct JobFonts {
  QFont text;
  QFont tilde;
};

// Draws the text of a row character by character at its columns, so that the
// columns hold even where a character comes from a fallback font of other
// widths. Blanks are not drawn.
void draw_row(QPainter& painter, const JobFonts& fonts, const PrintRow& row, qreal cell,
              qreal baseline) {
  int column = row.indent;
  for (char32_t const ch : to_qstring(row.text).toUcs4()) {
    bool const tilde = ch == U'\uFF5E';
    if (tilde) painter.setFont(fonts.tilde);
    if (ch != U' ' && ch != U'\u3000')
      painter.drawText(QPointF(column * cell, baseline), QString::fromUcs4(&ch, 1));
    if (tilde) painter.setFont(fonts.text);
    column += char_columns(ch);
  }
}

// Lays out and draws the job page by page, each with its number at the foot.
// Returns false when the printer refuses a new page.
bool paint_job(QPainter& painter, QPrinter& printer, const PrintJob& job) {
  auto const font = job_font(job);
  JobFonts const fonts{font, with_print_tilde(font)};
  painter.setFont(font);

  auto const page = printer.pageLayout().paintRectPixels(printer.resolution());
  QFontMetricsF const metrics(font, &printer);
  qreal const cell = metrics.horizontalAdvance(QChar('0'));  // one half-width column
  qreal const line_height = metrics.lineSpacing();
  int const columns = static_cast<int>(page.width() / cell);
  // Two rows stay free at the foot: a gap and the page number.
  int const rows = std::max(1, static_cast<int>(page.height() / line_height) - 2);

  auto const pages = lay_out_pages(job.items, columns, rows);
  int const count = static_cast<int>(pages.size());
  for (int p = 0; p < count; ++p) {
    if (p > 0 && !printer.newPage()) return false;
    qreal top = 0;
    for (auto const& row : pages[static_cast<std::size_t>(p)]) {
      draw_row(painter, fonts, row, cell, top + metrics.ascent());
      top += line_height;
    }
    auto const number = page_number_text(p + 1, count);
    PrintRow const foot{(columns - text_columns(number)) / 2, number};
    draw_row(painter, fonts, foot, cell, page.height() - metrics.descent());
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
  if (!last_file_.isEmpty()) printer.setOutputFileName(last_file_);
  if (!ask_ || !ask_(printer)) return PrintOutcome::Cancelled;
  // Printed on a printer, the next dialog proposes the printer again.
  last_file_ = printer.outputFileName();
  return print_job(printer, job);
}

bool run_print_dialog(QPrinter& printer) {
  QPrintDialog dialog(&printer, QApplication::activeWindow());
  return dialog.exec() == QDialog::Accepted;
}

PrintOutcome print_job(QPrinter& printer, const PrintJob& job) {
  ensure_margins(printer);
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
