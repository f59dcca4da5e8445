#include "shell/loading_window.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "shell/captions.h"
#include "shell/loading_texts.h"
#include "shell/qt_strings.h"
#include "shell/window_place.h"

namespace vorlash {

namespace {

std::function<void()>& end_at_once_action() {
  static std::function<void()> action;
  return action;
}

}  // namespace

std::string loading_information_text(const AppState& state) {
  using namespace loading_text;
  return std::string(kTitleHead) + state.edition_title + std::string(kTitleMiddle) +
         state.version_text + "\n" + std::string(kDataDateHead) + state.data_date_text +
         std::string(kDataDateTail);
}

std::string_view loading_message(int mode) {
  switch (mode) {
    case kLoadingStartUp:
      return loading_text::kStartUpMessage;
    case kLoadingHotels:
      return loading_text::kHotelMessage;
    case kLoadingSearch:
      return loading_text::kSearchMessage;
    default:
      return {};
  }
}

LoadingWindow::LoadingWindow(AppContext& ctx, int mode) : ctx_(ctx) {
  setObjectName(QStringLiteral("timetable11"));
  setWindowTitle(to_qstring(loading_text::kCaption));

  Text1 = new QPlainTextEdit(this);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setReadOnly(true);
  Text1->setFocusPolicy(Qt::NoFocus);
  Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto const information = to_qstring(loading_information_text(ctx_.state));
  Text1->setPlainText(information);
  // Room for every line of the text, so it shows whole.
  QFontMetrics const metrics(Text1->font());
  int widest = 0;
  for (auto const& line : information.split(QChar('\n'))) {
    widest = std::max(widest, metrics.horizontalAdvance(line));
  }
  Text1->setMinimumWidth(widest + 24);
  Text1->setFixedHeight(metrics.lineSpacing() * 3 + 12);

  Command1 = new QPushButton(this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setText(literal_caption(loading_message(mode)));
  Command1->setFocusPolicy(Qt::NoFocus);

  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setTextVisible(false);

  Command2 = new QPushButton(this);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command2->setText(to_qstring(loading_text::kExit));
  // "終了" (Command2) ends the program at once, nothing saved.
  connect(Command2, &QPushButton::clicked, this, [] { end_program_at_once(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Text1);
  layout->addWidget(Command1);
  layout->addWidget(ProgressBar1);
  layout->addWidget(Command2, 0, Qt::AlignHCenter);
  ensure_caption_fits(Command1);
  ensure_caption_fits(Command2);

  // The bar keeps its room while hidden, so the window does not change size
  // when the start-up shows it.
  ProgressBar1->setFixedHeight(16);
  auto policy = ProgressBar1->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  ProgressBar1->setSizePolicy(policy);
  setFixedSize(std::max(420, sizeHint().width()), sizeHint().height());
  ProgressBar1->hide();
  place_window(this, ctx_.state.form[kLoadingWindow]);
}

void LoadingWindow::show_progress(int minimum, int maximum) {
  ProgressBar1->setRange(minimum, maximum);
  ProgressBar1->setValue(minimum);
  ProgressBar1->show();
}

void LoadingWindow::set_progress(int value) {
  ProgressBar1->setValue(value);
}

void LoadingWindow::finish() {
  store_position(ctx_.state, kLoadingWindow, this);
  finishing_ = true;
  close();
}

void LoadingWindow::closeEvent(QCloseEvent* event) {
  if (!finishing_ && event->spontaneous()) {
    event->ignore();
    return;
  }
  ctx_.quit_help();
  event->accept();
}

LoadingWindow* open_loading_window(AppContext& ctx, int mode) {
  auto* window = ctx.show_window<LoadingWindow>(kLoadingWindow, mode);
  if (ctx.yield) ctx.yield();
  return window;
}

void end_program_at_once() {
  if (auto const& action = end_at_once_action()) {
    action();
    return;
  }
  // No event loop is left to return to in the middle of a read (the start-up
  // runs before it, the search and the hotel loader inside one of its
  // handlers), so the process ends here. Nothing is being written: the
  // settings are only written when the main window is unloaded.
  std::fflush(nullptr);
  std::_Exit(0);
}

void set_end_at_once_action(std::function<void()> action) {
  end_at_once_action() = std::move(action);
}

}  // namespace vorlash
