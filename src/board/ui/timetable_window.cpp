#include "board/ui/timetable_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "board/timetable_view.h"
#include "board/ui/window_texts.h"
#include "shell/captions.h"
#include "shell/fonts.h"
#include "shell/key_handling.h"
#include "shell/qt_strings.h"
#include "shell/window_place.h"
#include "text/utf8.h"

namespace vorlash {

namespace {

// Room for the longest hour line (a dozen entries of seven columns after
// the hour label) and for a whole day of hour lines.
constexpr int kTextColumns = 90;
constexpr int kTextLines = 20;

}  // namespace

TimetableWindow::TimetableWindow(AppContext& ctx) : ctx_(ctx) {
  setObjectName(QStringLiteral("timetable24"));
  setWindowTitle(to_qstring(board_window_text::kTimetableCaption));
  auto const view = timetable_view(ctx_.state, ctx_.windows.board.view_mode);

  Frame1 = new QGroupBox(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setTitle(literal_caption(view.caption));

  Text1 = new QPlainTextEdit(Frame1);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setReadOnly(true);
  Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Text1->setFont(fixed_pitch_font(10));
  Text1->setPlainText(to_qstring(crlf_to_lf(view.text)));
  set_spoken_name(Text1, {board_window_text::kTimetableCaption, view.caption});
  QFontMetrics const metrics(Text1->font());
  Text1->setMinimumSize(metrics.horizontalAdvance(QString(kTextColumns, QChar('0'))) + 24,
                        metrics.lineSpacing() * kTextLines + 12);
  auto* frame_layout = new QVBoxLayout(Frame1);
  frame_layout->addWidget(Text1);

  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setTextFormat(Qt::PlainText);
  Label1->setText(to_qstring(view.note));

  Command1 = new QPushButton(to_qstring(board_window_text::kTimetableExit), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  ensure_caption_fits(Command1);
  connect(Command1, &QPushButton::clicked, this, [this] { end_proc(); });

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(Label1, 1);
  bottom->addWidget(Command1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Frame1, 1);
  layout->addLayout(bottom);

  auto* keys = new KeyActions(this);
  keys->on_escape({Command1, Text1}, [this] { end_proc(); });

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(kTimetableLifetimeMs);
  connect(Timer1, &QTimer::timeout, this, [this] { end_proc(); });
  Timer1->start();

  open_resizable(this, {Text1});
  place_window(this, ctx_.state.form[kTimetableWindow]);
}

void TimetableWindow::end_proc() {
  Timer1->stop();
  store_position(ctx_.state, kTimetableWindow, this);
  close();
}

void TimetableWindow::closeEvent(QCloseEvent* event) {
  Timer1->stop();
  ctx_.quit_help();
  event->accept();
}

}  // namespace vorlash
