#include "settings/ui/settings_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "board/ui/main_window.h"
#include "board/ui/station_picker_window.h"
#include "settings/settings_texts.h"
#include "shell/captions.h"
#include "shell/key_handling.h"
#include "shell/qt_strings.h"
#include "shell/window_place.h"

namespace vorlash {

namespace {

constexpr int kMessageLine = 9;
// Widths of the fields: digits of a minutes or count field, full-width
// characters of a station name.
constexpr int kNumberColumns = 6;

QString text_of(std::string_view s) {
  return to_qstring(s);
}

QGroupBox* frame(const char* name, std::string_view caption, QWidget* parent) {
  auto* box = new QGroupBox(literal_caption(caption), parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

// A field wide enough for `columns` characters like `sample`.
QLineEdit* field(const QString& name, int columns, QChar sample, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  QFontMetrics const metrics(edit->font());
  edit->setFixedWidth(metrics.horizontalAdvance(QString(columns, sample)) + 12);
  return edit;
}

bool is_station_field(int n) {
  return n == kKeiyoStationField || n == kSinkansenStationField;
}

}  // namespace

SettingsWindow::SettingsWindow(AppContext& ctx) : ctx_(ctx) {
  setObjectName(QStringLiteral("timetable5"));
  setWindowTitle(text_of(settings_text::kSettingsCaption));
  build_controls();
  setFixedSize(sizeHint());
  set_form1();
}

void SettingsWindow::build_controls() {
  using namespace settings_text;
  auto const option = [this](int n, std::string_view caption, QWidget* parent) {
    auto* button = new QRadioButton(literal_caption(caption), parent);
    button->setObjectName(QStringLiteral("Option%1").arg(n));
    Option[n] = button;
    return button;
  };
  for (int n = 1; n <= kSettingsFieldCount; ++n) {
    bool const station = is_station_field(n);
    Text[n] = station ? field(QStringLiteral("Text%1").arg(n), station_field_sample().columns,
                              station_field_sample().sample, this)
                      : field(QStringLiteral("Text%1").arg(n), kNumberColumns, QChar('0'), this);
    if (!station) take_fullwidth_as_halfwidth(Text[n]);
  }

  // One line's group: direction options and the station sub-group with its
  // four fields (the first field number is 1 for Keiyo, 5 for Shinkansen).
  auto const line_group = [&](const char* frame_name, const char* sub_name,
                              std::string_view caption, int first_option, std::string_view down,
                              std::string_view up, int first_field) {
    auto* box = frame(frame_name, caption, this);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(option(first_option, down, box));
    layout->addWidget(option(first_option + 1, up, box));
    auto* sub = frame(sub_name, kStationFrame, box);
    auto* grid = new QGridLayout(sub);
    auto const row = [&](int r, std::string_view label, int n, std::string_view after) {
      grid->addWidget(new QLabel(text_of(label), sub), r, 0);
      Text[n]->setParent(sub);
      // Named after its own label and its line, not after the station group
      // (which every field of both lines shares).
      Text[n]->setAccessibleName(text_of(caption) + QChar(' ') + text_of(label));
      grid->addWidget(Text[n], r, 1);
      if (!after.empty()) grid->addWidget(new QLabel(text_of(after), sub), r, 2);
    };
    row(0, kStationLabel, first_field, "");
    row(1, kNormalLabel, first_field + 1, kMinuteUnit);
    row(2, kHurryLabel, first_field + 2, kMinuteUnit);
    row(3, kCountLabel, first_field + 3, kCountNote);
    grid->setColumnStretch(3, 1);
    layout->addWidget(sub);
    return box;
  };
  auto* keiyo = line_group("Frame1", "Frame2", kKeiyoFrame, 1, kKeiyoDown, kKeiyoUp, 1);
  auto* sinkansen =
      line_group("Frame3", "Frame4", kSinkansenFrame, 3, kSinkansenDown, kSinkansenUp, 5);

  auto* hotel = frame("Frame5", kHotelFrame, this);
  auto* hotel_layout = new QVBoxLayout(hotel);
  hotel_layout->addWidget(option(5, kSortEachEntry, hotel));
  hotel_layout->addWidget(option(6, kSortOnStore, hotel));
  hotel_layout->addWidget(option(7, kNoSort, hotel));

  auto* save = frame("Frame6", kSaveFrame, this);
  auto* save_layout = new QVBoxLayout(save);
  save_layout->addWidget(option(8, kSaveOnExit, save));
  save_layout->addWidget(option(9, kNoSaveOnExit, save));

  auto* keiyo_use = frame("Frame7", kKeiyoUseFrame, this);
  auto* use_layout = new QVBoxLayout(keiyo_use);
  use_layout->addWidget(option(10, kKeiyoShow, keiyo_use));
  use_layout->addWidget(option(11, kKeiyoHide, keiyo_use));
  auto* note = new QLabel(text_of(kKeiyoUseNote), keiyo_use);
  note->setObjectName(QStringLiteral("Label1"));
  note->setWordWrap(true);
  // A wrapped label has no width of its own: give it the width of the
  // widest option so the frame's size hint holds the whole note.
  note->setFixedWidth(Option[5]->sizeHint().width());
  note->setMinimumHeight(note->heightForWidth(note->width()));
  use_layout->addWidget(note);

  Text[kMessageLine] = new QLineEdit(this);
  Text[kMessageLine]->setObjectName(QStringLiteral("Text9"));
  Text[kMessageLine]->setReadOnly(true);
  Text[kMessageLine]->setFocusPolicy(Qt::NoFocus);
  Command1 = new QPushButton(text_of(kOk), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  ensure_caption_fits(Command1);

  auto* left = new QVBoxLayout;
  left->addWidget(keiyo);
  left->addWidget(sinkansen);
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(hotel);
  right->addWidget(save);
  right->addWidget(keiyo_use);
  right->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(Text[kMessageLine], 1);
  bottom->addWidget(Command1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(bottom);

  // The tab order follows the order of the checks.
  for (int n = 1; n < kSettingsFieldCount; ++n) setTabOrder(Text[n], Text[n + 1]);

  auto* keys = new KeyActions(this);
  for (int n = 1; n <= kSettingsFieldCount; ++n) {
    keys->on_enter({Text[n]}, [this, n] { check_and_move_on(n); });
    select_all_on_focus(Text[n]);
    keys->on_escape({Text[n]}, [this] { end_proc(); });
  }
  for (int n = 1; n <= 11; ++n) keys->on_escape({Option[n]}, [this] { end_proc(); });
  keys->on_escape({Command1}, [this] { end_proc(); });
  connect(Command1, &QPushButton::clicked, this, [this] { apply_settings(); });

  Text[kKeiyoStationField]->installEventFilter(this);
  Text[kSinkansenStationField]->installEventFilter(this);
}

void SettingsWindow::set_form1() {
  place_window(this, ctx_.state.form[kSettingsWindow]);
  auto const form = fill_settings_form(ctx_.state);
  show_form(form);
  Option[form.keiyo_down ? 1 : 2]->setChecked(true);
  Option[form.sinkansen_down ? 3 : 4]->setChecked(true);
  Option[form.hotel_sort == 1 ? 5 : form.hotel_sort == 2 ? 6 : 7]->setChecked(true);
  Option[form.save_on_exit ? 8 : 9]->setChecked(true);
  Option[form.keiyo_display ? 10 : 11]->setChecked(true);
}

SettingsForm SettingsWindow::form_from_controls() const {
  SettingsForm form;
  for (int n = 1; n <= kSettingsFieldCount; ++n)
    form.text[n] = is_station_field(n) ? typed_name(Text[n]->text()) : to_utf8(Text[n]->text());
  form.message = to_utf8(Text[kMessageLine]->text());
  form.keiyo_down = Option[1]->isChecked();
  form.sinkansen_down = Option[3]->isChecked();
  form.hotel_sort = Option[5]->isChecked() ? 1 : Option[6]->isChecked() ? 2 : 0;
  form.save_on_exit = Option[8]->isChecked();
  form.keiyo_display = Option[10]->isChecked();
  return form;
}

// Writes back what the checks changed (an empty field that became "0", the
// message line), leaving untouched fields and their selection alone.
void SettingsWindow::show_form(const SettingsForm& form) {
  for (int n = 1; n <= kSettingsFieldCount; ++n) {
    auto const text = is_station_field(n) ? shown_qname(form.text[n]) : to_qstring(form.text[n]);
    if (Text[n]->text() != text) Text[n]->setText(text);
  }
  Text[kMessageLine]->setText(to_qstring(form.message));
}

void SettingsWindow::focus_field(int field) {
  if (field == kSettingsOkButton) {
    Command1->setFocus();
  } else if (field >= 1 && field <= kSettingsFieldCount) {
    Text[field]->setFocus();
  }
}

void SettingsWindow::check_and_move_on(int field) {
  auto form = form_from_controls();
  bool const passed = check_settings_field(form, ctx_.state, field);
  show_form(form);
  focus_field(passed ? next_settings_field(field) : field);
}

void SettingsWindow::pick_station(int field) {
  int const mode = field == kKeiyoStationField ? kPickKeiyoStation : kPickSinkansenStation;
  // The picker may outlive this window; it then has no field to write into.
  QPointer<QLineEdit> target = Text[field];
  open_station_picker(ctx_, mode, [target](const std::string& name) {
    if (target) target->setText(shown_qname(name));
  });
}

bool SettingsWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (watched == Text[kKeiyoStationField]) {
      pick_station(kKeiyoStationField);
      return true;
    }
    if (watched == Text[kSinkansenStationField]) {
      pick_station(kSinkansenStationField);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void SettingsWindow::apply_settings() {
  auto form = form_from_controls();
  auto const result = accept_settings(form, ctx_.state);
  show_form(form);
  switch (result.outcome) {
    case SettingsOutcome::rejected:
      focus_field(result.focus);
      return;
    case SettingsOutcome::restart: {
      // The Keiyo tables are read at start-up only: the program ends as the
      // main window's close ends it, saving by the usual rule.
      store_position(ctx_.state, kSettingsWindow, this);
      auto* main = main_window(ctx_);
      close();
      if (main) {
        main->end_program_via_unload();
      } else {
        ctx_.close_all_windows();
      }
      return;
    }
    case SettingsOutcome::stored:
      if (auto* main = main_window(ctx_)) main->refresh_lists();
      end_proc();
      return;
  }
}

void SettingsWindow::end_proc() {
  store_position(ctx_.state, kSettingsWindow, this);
  bring_to_front(main_window(ctx_));
  close();
}

void SettingsWindow::closeEvent(QCloseEvent* event) {
  ctx_.quit_help();
  event->accept();
}

void open_settings_window(AppContext& ctx) {
  ctx.show_window<SettingsWindow>(kSettingsWindow);
}

}  // namespace vorlash
