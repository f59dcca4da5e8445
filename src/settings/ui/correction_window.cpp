#include "settings/ui/correction_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "board/ui/main_window.h"
#include "settings/settings_texts.h"
#include "shell/captions.h"
#include "shell/key_handling.h"
#include "shell/qt_strings.h"
#include "shell/window_place.h"

namespace vorlash {

namespace {

// A group of six fields, each followed by its unit label; Text<first>.. .
QGroupBox* field_group(const char* name, std::string_view caption, int first_number,
                       std::array<QLineEdit*, kCorrectionFieldCount + 1>& fields, QWidget* parent) {
  auto* box = new QGroupBox(literal_caption(caption), parent);
  box->setObjectName(QString::fromLatin1(name));
  auto* row = new QHBoxLayout(box);
  for (int n = 1; n <= kCorrectionFieldCount; ++n) {
    auto* edit = new QLineEdit(box);
    edit->setObjectName(QStringLiteral("Text%1").arg(first_number + n - 1));
    QFontMetrics const metrics(edit->font());
    int const digits = n == kYearField ? 4 : 2;
    edit->setFixedWidth(metrics.horizontalAdvance(QString(digits + 1, QChar('0'))) + 12);
    edit->setAlignment(Qt::AlignRight);
    take_fullwidth_as_halfwidth(edit);
    set_spoken_name(edit, {caption, settings_text::kUnits[n]});
    fields[n] = edit;
    row->addWidget(edit);
    row->addWidget(new QLabel(to_qstring(settings_text::kUnits[n]), box));
  }
  return box;
}

}  // namespace

CorrectionWindow::CorrectionWindow(AppContext& ctx) : ctx_(ctx) {
  setObjectName(QStringLiteral("timetable21"));
  setWindowTitle(to_qstring(settings_text::kCorrectionCaption));
  build_controls();
  setFixedSize(sizeHint());
  set_form1();
}

void CorrectionWindow::build_controls() {
  using namespace settings_text;
  auto* clock_group = field_group("Frame1", kClockFrame, 1, clock_text_, this);
  auto* corrected_group = field_group("Frame2", kCorrectedFrame, 7, corrected_text_, this);
  // The clock fields only show the computer's clock.
  for (int n = 1; n <= kCorrectionFieldCount; ++n) {
    clock_text_[n]->setReadOnly(true);
    clock_text_[n]->setFocusPolicy(Qt::NoFocus);
  }

  auto const button = [this](const char* name, std::string_view caption) {
    auto* b = new QPushButton(to_qstring(caption), this);
    b->setObjectName(QString::fromLatin1(name));
    ensure_caption_fits(b);
    return b;
  };
  Command1 = button("Command1", kSetClock);
  Command2 = button("Command2", kTemporary);
  Command3 = button("Command3", kCancel);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Command1);
  buttons->addWidget(Command2);
  buttons->addWidget(Command3);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(clock_group);
  layout->addWidget(corrected_group);
  layout->addLayout(buttons);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(kClockTickMs);
  connect(Timer1, &QTimer::timeout, this, [this] { refresh_clock_fields(); });

  for (int n = 1; n < kCorrectionFieldCount; ++n)
    setTabOrder(corrected_text_[n], corrected_text_[n + 1]);

  auto* keys = new KeyActions(this);
  for (int n = 1; n <= kCorrectionFieldCount; ++n) {
    keys->on_enter({corrected_text_[n]}, [this, n] { check_and_move_on(n); });
    keys->on_escape({corrected_text_[n]}, [this] { cancel_correction_and_close(); });
    select_all_on_focus(corrected_text_[n]);
  }
  keys->on_escape({Command1, Command2, Command3}, [this] { cancel_correction_and_close(); });
  connect(Command1, &QPushButton::clicked, this, [this] { set_computer_clock(); });
  connect(Command2, &QPushButton::clicked, this, [this] { set_temporary_offset(); });
  connect(Command3, &QPushButton::clicked, this, [this] { cancel_correction_and_close(); });
}

void CorrectionWindow::set_form1() {
  auto const reading = read_clock(ctx_.state, ctx_.platform.clock);
  place_window(this, ctx_.state.form[kCorrectionWindow]);
  show_clock(reading);
  form_ = fill_correction_form(reading);
  for (int n = 1; n <= kCorrectionFieldCount; ++n)
    corrected_text_[n]->setText(to_qstring(form_.text[n]));
  Timer1->start();
}

void CorrectionWindow::show_clock(const ClockReading& reading) {
  auto const texts = clock_field_texts(reading);
  for (int n = 1; n <= kCorrectionFieldCount; ++n) clock_text_[n]->setText(to_qstring(texts[n]));
}

void CorrectionWindow::refresh_clock_fields() {
  show_clock(read_clock(ctx_.state, ctx_.platform.clock));
}

void CorrectionWindow::take_texts() {
  for (int n = 1; n <= kCorrectionFieldCount; ++n)
    form_.text[n] = to_utf8(corrected_text_[n]->text());
}

void CorrectionWindow::focus_field(int field) {
  if (field == kTemporaryButton) {
    Command2->setFocus();
  } else if (field >= 1 && field <= kCorrectionFieldCount) {
    corrected_text_[field]->setFocus();
  }
}

void CorrectionWindow::check_and_move_on(int field) {
  take_texts();
  bool const passed = check_correction_field(form_, ctx_.state, field);
  focus_field(passed ? next_correction_field(field) : field);
}

void CorrectionWindow::refresh_main_window() {
  if (auto* main = main_window(ctx_)) {
    main->refresh_clock_line();
    main->refresh_lists();
  }
}

void CorrectionWindow::set_computer_clock() {
  take_texts();
  auto const result = set_date_time(form_, ctx_.state, ctx_.platform.clock);
  switch (result.outcome) {
    case CorrectionOutcome::rejected:
      focus_field(result.focus);
      return;
    case CorrectionOutcome::refused:
      // Without the right to set the clock nothing changes; the user may
      // still correct the program's time with "一時設定".
      ctx_.platform.messages.show(
          error_message(std::string(settings_text::kClockRefused) + "\n" + result.error));
      return;
    case CorrectionOutcome::done:
      refresh_main_window();
      end_proc();
      return;
  }
}

void CorrectionWindow::set_temporary_offset() {
  take_texts();
  auto const result = set_temporary(form_, ctx_.state);
  if (result.outcome != CorrectionOutcome::done) {
    focus_field(result.focus);
    return;
  }
  refresh_main_window();
  end_proc();
}

void CorrectionWindow::cancel_correction_and_close() {
  // The main window shows the clock's time again from its next tick on.
  cancel_correction(ctx_.state);
  end_proc();
}

void CorrectionWindow::end_proc() {
  store_position(ctx_.state, kCorrectionWindow, this);
  close();
}

void CorrectionWindow::closeEvent(QCloseEvent* event) {
  Timer1->stop();
  ctx_.quit_help();
  event->accept();
}

void open_correction_window(AppContext& ctx) {
  ctx.show_window<CorrectionWindow>(kCorrectionWindow);
}

}  // namespace vorlash
