#include "search/ui/results_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QtMath>
#include <algorithm>
#include <memory>

#include "board/ui/main_window.h"
#include "platform/print_layout.h"
#include "search/connection_search.h"
#include "search/result_text.h"
#include "search/search_texts.h"
#include "search/ui/search_window.h"
#include "search/ui/window_texts.h"
#include "shell/captions.h"
#include "shell/fonts.h"
#include "shell/key_handling.h"
#include "shell/loading_window.h"
#include "shell/qt_strings.h"
#include "shell/window_place.h"
#include "text/utf8.h"

namespace vorlash {

namespace {

namespace text = search_window_text;

constexpr int kTextPoints = 10;
constexpr int kTextColumns = 96;
constexpr int kListLines = 16;
constexpr int kFareLines = 14;

// The search's working tables: large and fixed-size, so made once for the
// run of the program and reused by every search.
SearchWork& search_work() {
  static std::unique_ptr<SearchWork> const work = make_search_work();
  return *work;
}

QPlainTextEdit* read_only_text(const char* name, int lines, QWidget* parent) {
  auto* edit = new QPlainTextEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setReadOnly(true);
  edit->setLineWrapMode(QPlainTextEdit::NoWrap);
  edit->setFont(fixed_pitch_font(kTextPoints));
  QFontMetrics const metrics(edit->font());
  edit->setMinimumSize(metrics.horizontalAdvance(QString(kTextColumns, QChar('0'))) + 24,
                       metrics.lineSpacing() * lines + 12);
  return edit;
}

// Widens a text box so that its longest line shows without horizontal
// scrolling, as far as the screen's width allows.
void fit_longest_line(QPlainTextEdit* edit) {
  QFontMetrics const metrics(edit->font());
  int const line = metrics.size(0, edit->toPlainText()).width();
  int const margins = 2 * qCeil(edit->document()->documentMargin()) + 2 * edit->frameWidth() +
                      edit->verticalScrollBar()->sizeHint().width() + 4;
  auto const* screen = edit->screen();
  // The window's frame and margins take some of the screen's width.
  int const room = screen ? screen->availableGeometry().width() - 80 : line + margins;
  edit->setMinimumWidth(std::max(edit->minimumWidth(), std::min(line + margins, room)));
}

}  // namespace

SearchResultsWindow::SearchResultsWindow(AppContext& ctx) : ctx_(ctx) {
  setObjectName(QStringLiteral("timetable26"));
  setWindowTitle(to_qstring(text::kResultsCaption));
  build_controls();
  form_load();
  open_resizable(this, {Text1, Text2});
  place_window(this, ctx_.state.form[kSearchResultsWindow]);
}

void SearchResultsWindow::build_controls() {
  Frame1 = new QGroupBox(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  // Some styles size a frame's caption by the ink of its text, which for a
  // long mixed Japanese caption is narrower than the text itself and cuts
  // its last character; a little room on the right keeps it whole.
  Frame1->setStyleSheet(QStringLiteral("QGroupBox::title { padding-right: 8px; }"));
  auto* label1 = new QLabel(to_qstring(text::kListHeading), Frame1);
  label1->setObjectName(QStringLiteral("Label1"));
  Text1 = read_only_text("Text1", kListLines, Frame1);
  set_spoken_name(Text1, {text::kListHeading});
  auto* label2 = new QLabel(to_qstring(text::kFareHeading), Frame1);
  label2->setObjectName(QStringLiteral("Label2"));
  Text2 = read_only_text("Text2", kFareLines, Frame1);
  set_spoken_name(Text2, {text::kFareHeading});
  Label3 = new QLabel(Frame1);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setWordWrap(true);

  auto* frame_layout = new QVBoxLayout(Frame1);
  frame_layout->addWidget(label1);
  frame_layout->addWidget(Text1, 3);
  frame_layout->addWidget(label2);
  frame_layout->addWidget(Text2, 2);
  frame_layout->addWidget(Label3);

  Command1 = new QPushButton(to_qstring(text::kEndSearch), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command2 = new QPushButton(to_qstring(text::kPrint), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command3 = new QPushButton(to_qstring(text::kSearchAgain), this);
  Command3->setObjectName(QStringLiteral("Command3"));
  for (auto* button : {Command1, Command2, Command3}) ensure_caption_fits(button);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Command1);
  buttons->addWidget(Command2);
  buttons->addWidget(Command3);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Frame1, 1);
  layout->addLayout(buttons);

  setTabOrder(Text1, Text2);
  setTabOrder(Text2, Command1);
  setTabOrder(Command1, Command2);
  setTabOrder(Command2, Command3);

  auto* keys = new KeyActions(this);
  keys->on_escape({Text1, Command1, Command2, Command3}, [this] { end_proc(); });
  connect(Command1, &QPushButton::clicked, this, [this] { back_to_main_window(); });
  connect(Command2, &QPushButton::clicked, this, [this] { print_results(); });
  connect(Command3, &QPushButton::clicked, this, [this] { search_again(); });
}

void SearchResultsWindow::form_load() {
  QPointer<LoadingWindow> loading = open_loading_window(ctx_, kLoadingSearch);
  texts_ = load_search_results(ctx_.state, ctx_.windows.search, ctx_.windows.fare_flags,
                               search_work(), ctx_.yield);
  printout_ = printout_items(ctx_.state, ctx_.windows.fare_flags, texts_.list, texts_.fare);

  Frame1->setTitle(literal_caption(texts_.header));
  // The frame is never narrower than its caption, which must show whole.
  int const title_width = QFontMetrics(Frame1->font()).horizontalAdvance(Frame1->title());
  Frame1->setMinimumWidth(std::max(Frame1->minimumSizeHint().width(), title_width + 48));
  // TABs expanded as the printout expands them, so that the columns agree.
  Text1->setPlainText(to_qstring(expand_tabs(crlf_to_lf(texts_.list))));
  Text2->setPlainText(to_qstring(expand_tabs(crlf_to_lf(texts_.fare))));
  fit_longest_line(Text1);
  fit_longest_line(Text2);
  Label3->setText(to_qstring(legend_text(ctx_.state.edition)));
  if (loading) loading->finish();
  Command1->setFocus();
}

void SearchResultsWindow::back_to_main_window() {
  store_position(ctx_.state, kSearchResultsWindow, this);
  bring_to_front(main_window(ctx_));
  close();
}

void SearchResultsWindow::print_results() {
  auto const request =
      confirm_message(std::string(search_texts::kPrintConfirm), search_texts::kPrintConfirmHelp);
  if (ctx_.platform.messages.show(request) != MessageAnswer::Ok) return;
  PrintJob job;
  job.font_name = std::string(search_texts::kPrintFont);
  job.point_size = search_texts::kPrintFontPoints;
  job.items = printout_;
  // A cancelled print dialog or a failing printer ends the printing quietly.
  (void)ctx_.platform.printer.print(job);
}

void SearchResultsWindow::search_again() {
  store_position(ctx_.state, kSearchResultsWindow, this);
  close();
  open_search_conditions_window(ctx_);
}

void SearchResultsWindow::end_proc() {
  store_position(ctx_.state, kSearchResultsWindow, this);
  close();
}

void SearchResultsWindow::closeEvent(QCloseEvent* event) {
  ctx_.quit_help();
  event->accept();
}

void open_search_results_window(AppContext& ctx) {
  ctx.close_window(kSearchResultsWindow);
  ctx.show_window<SearchResultsWindow>(kSearchResultsWindow);
}

}  // namespace vorlash
