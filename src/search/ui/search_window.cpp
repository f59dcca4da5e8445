#include "search/ui/search_window.h"

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
#include "search/search_texts.h"
#include "search/ui/calendar_window.h"
#include "search/ui/results_window.h"
#include "search/ui/window_texts.h"
#include "shell/captions.h"
#include "shell/key_handling.h"
#include "shell/qt_strings.h"
#include "shell/window_place.h"
#include "text/date.h"

namespace vorlash {

namespace {

namespace text = search_window_text;

// Widths of the boxes, in characters like the sample.
constexpr int kTimeColumns = 3;
constexpr int kYearColumns = 5;

QGroupBox* frame(const char* name, std::string_view caption, QWidget* parent) {
  auto* box = new QGroupBox(literal_caption(caption), parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QLabel* label(std::string_view caption, QWidget* parent) {
  return new QLabel(to_qstring(caption), parent);
}

void size_for(QLineEdit* edit, int columns, QChar sample) {
  QFontMetrics const metrics(edit->font());
  edit->setFixedWidth(metrics.horizontalAdvance(QString(columns, sample)) + 12);
}

bool is_station_field(int field) {
  return field == kFieldBoarding || field == kFieldAlighting;
}

}  // namespace

SearchConditionsWindow::SearchConditionsWindow(AppContext& ctx) : ctx_(ctx) {
  setObjectName(QStringLiteral("timetable25"));
  setWindowTitle(to_qstring(text::kSearchCaption));
  build_controls();
  setFixedSize(sizeHint());
  set_form1();
}

void SearchConditionsWindow::build_controls() {
  for (int n = 1; n <= 15; ++n) {
    Text[n] = new QLineEdit(this);
    Text[n]->setObjectName(QStringLiteral("Text%1").arg(n));
    if (is_station_field(n)) {
      size_for(Text[n], station_field_sample().columns, station_field_sample().sample);
    } else if (n == kFieldYear) {
      size_for(Text[n], kYearColumns, QChar('0'));
      take_fullwidth_as_halfwidth(Text[n]);
    } else if (n != kMessageLine) {
      size_for(Text[n], kTimeColumns, QChar('0'));
      take_fullwidth_as_halfwidth(Text[n]);
    }
  }
  auto const option = [this](int n, std::string_view caption, QWidget* parent) {
    auto* button = new QRadioButton(literal_caption(caption), parent);
    button->setObjectName(QStringLiteral("Option%1").arg(n));
    Option[n] = button;
    return button;
  };

  // A station and its time window: "乗車駅" [    ] / "発車時刻" [h]時[m]分～[h]時[m]分.
  auto const station_group = [&](const char* name, std::string_view caption,
                                 std::string_view station, std::string_view times, int first) {
    auto* box = frame(name, caption, this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(label(station, box), 0, 0);
    Text[first]->setParent(box);
    grid->addWidget(Text[first], 0, 1, 1, 4);
    set_spoken_name(Text[first], {station});
    grid->addWidget(label(times, box), 1, 0);
    std::string_view const units[] = {text::kHour, text::kMinute, text::kHour, text::kMinute};
    int column = 1;
    for (int i = 0; i < 4; ++i) {
      Text[first + 1 + i]->setParent(box);
      set_spoken_name(
          Text[first + 1 + i],
          {times, i < 2 ? std::string_view{} : std::string_view(text::kUntil), units[i]});
      grid->addWidget(Text[first + 1 + i], 1, column++);
      grid->addWidget(label(units[i], box), 1, column++);
      if (i == 1) grid->addWidget(label(text::kUntil, box), 1, column++);
    }
    grid->setColumnStretch(column, 1);
    return box;
  };
  auto* boarding = station_group("Frame1", text::kBoardingFrame, text::kBoardingStation,
                                 text::kDepartureTime, kFieldBoarding);
  auto* alighting = station_group("Frame2", text::kAlightingFrame, text::kAlightingStation,
                                  text::kArrivalTime, kFieldAlighting);

  auto* order = frame("Frame3", text::kOrderFrame, this);
  auto* order_layout = new QVBoxLayout(order);
  order_layout->addWidget(option(1, search_texts::kOrderDeparture, order));
  order_layout->addWidget(option(2, search_texts::kOrderArrival, order));
  order_layout->addWidget(option(3, search_texts::kOrderRide, order));
  order_layout->addStretch(1);

  auto* transfer = frame("Frame4", text::kTransferFrame, this);
  auto* transfer_layout = new QVBoxLayout(transfer);
  auto* wait_row = new QHBoxLayout;
  wait_row->addWidget(label(text::kWaitTime, transfer));
  Text[kFieldWait]->setParent(transfer);
  set_spoken_name(Text[kFieldWait], {text::kWaitTime});
  wait_row->addWidget(Text[kFieldWait]);
  wait_row->addWidget(label(text::kMinute, transfer));
  wait_row->addStretch(1);
  transfer_layout->addLayout(wait_row);
  auto* count = frame("Frame5", text::kTransferCountFrame, transfer);
  auto* count_layout = new QHBoxLayout(count);
  count_layout->addWidget(option(4, text::kOneTransfer, count));
  count_layout->addWidget(option(5, text::kTwoTransfers, count));
  count_layout->addStretch(1);
  transfer_layout->addWidget(count);
  auto* combination = frame("Frame6", text::kCombinationFrame, transfer);
  auto* combination_layout = new QVBoxLayout(combination);
  combination_layout->addWidget(option(6, text::kOnePerTrain, combination));
  combination_layout->addWidget(option(7, text::kAllPerTrain, combination));
  transfer_layout->addWidget(combination);

  auto* date = frame("Frame7", text::kDateFrame, this);
  auto* date_layout = new QHBoxLayout(date);
  std::string_view const date_units[] = {text::kYear, text::kMonth, text::kDay};
  for (int i = 0; i < 3; ++i) {
    Text[kFieldYear + i]->setParent(date);
    set_spoken_name(Text[kFieldYear + i], {text::kDateFrame, date_units[i]});
    date_layout->addWidget(Text[kFieldYear + i]);
    date_layout->addWidget(label(date_units[i], date));
  }
  Label1 = new QLabel(date);
  Label1->setObjectName(QStringLiteral("Label1"));
  // Wide enough for the widest weekday label, a Wednesday's, in either language.
  QString const wednesday = to_qstring(format_weekday_paren(day_number(2000, 3, 15)));
  Label1->setMinimumWidth(QFontMetrics(Label1->font()).horizontalAdvance(wednesday) + 4);
  date_layout->addWidget(Label1);
  date_layout->addStretch(1);
  Command3 = new QPushButton(to_qstring(text::kCalendarButton), date);
  Command3->setObjectName(QStringLiteral("Command3"));
  ensure_caption_fits(Command3);
  date_layout->addWidget(Command3);

  Text[kMessageLine]->setReadOnly(true);
  Text[kMessageLine]->setFocusPolicy(Qt::NoFocus);
  Command1 = new QPushButton(to_qstring(text::kStart), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command2 = new QPushButton(to_qstring(text::kEnd), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  ensure_caption_fits(Command1);
  ensure_caption_fits(Command2);

  auto* left = new QVBoxLayout;
  left->addWidget(boarding);
  left->addWidget(alighting);
  left->addWidget(date);
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(order);
  right->addWidget(transfer);
  right->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(Text[kMessageLine], 1);
  bottom->addWidget(Command1);
  bottom->addWidget(Command2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(bottom);

  // Tab follows the boxes in the order of their checks, then the options,
  // the date and the buttons.
  QWidget* const tab_order[] = {Text[1],  Text[2],   Text[3],   Text[4],   Text[5],
                                Text[6],  Text[7],   Text[8],   Text[9],   Text[10],
                                Text[11], Option[1], Option[4], Option[6], Text[13],
                                Text[14], Text[15],  Command3,  Command1,  Command2};
  for (std::size_t i = 0; i + 1 < std::size(tab_order); ++i)
    setTabOrder(tab_order[i], tab_order[i + 1]);

  auto* keys = new KeyActions(this);
  for (int n = 1; n <= 15; ++n) {
    if (n == kMessageLine) continue;
    keys->on_enter({Text[n]}, [this, n] { check_and_move_on(n); });
    keys->on_escape({Text[n]}, [this] { end_proc(); });
    select_all_on_focus(Text[n]);
  }
  // Escape in the display-order and transfer-count options and the buttons.
  for (int n = 1; n <= 5; ++n) keys->on_escape({Option[n]}, [this] { end_proc(); });
  keys->on_escape({Command1, Command2, Command3}, [this] { end_proc(); });
  connect(Command1, &QPushButton::clicked, this, [this] { start_search(); });
  connect(Command2, &QPushButton::clicked, this, [this] { back_to_main_window(); });
  connect(Command3, &QPushButton::clicked, this, [this] { open_calendar(); });

  Text[kFieldBoarding]->installEventFilter(this);
  Text[kFieldAlighting]->installEventFilter(this);
  for (int n : {kFieldYear, kFieldMonth, kFieldDay})
    connect(Text[n], &QLineEdit::textChanged, this, [this] { show_weekday(); });
}

void SearchConditionsWindow::set_form1() {
  place_window(this, ctx_.state.form[kSearchConditionsWindow]);
  auto const form = fill_search_form(ctx_.state, ctx_.platform.clock.now());
  show_form(form);
  Option[form.order == kOrderDeparture ? 1 : form.order == kOrderArrival ? 2 : 3]->setChecked(true);
  Option[form.transfers == 1 ? 4 : 5]->setChecked(true);
  Option[form.one_per_train ? 6 : 7]->setChecked(true);
}

SearchForm SearchConditionsWindow::form_from_controls() const {
  SearchForm form;
  for (int n = 1; n <= 15; ++n) {
    form.text[static_cast<std::size_t>(n)] =
        is_station_field(n) ? typed_name(Text[n]->text()) : to_utf8(Text[n]->text());
  }
  form.order = Option[1]->isChecked()   ? kOrderDeparture
               : Option[2]->isChecked() ? kOrderArrival
                                        : kOrderRide;
  form.transfers = Option[4]->isChecked() ? 1 : 2;
  form.one_per_train = Option[6]->isChecked();
  form.weekday_label = to_utf8(Label1->text());
  return form;
}

// Writes back what the checks changed (a default put into an empty box, the
// message line, the weekday), leaving the other boxes and their selection.
void SearchConditionsWindow::show_form(const SearchForm& form) {
  for (int n = 1; n <= 15; ++n) {
    auto const& text = form.text[static_cast<std::size_t>(n)];
    auto const value = is_station_field(n) ? shown_qname(text) : to_qstring(text);
    if (Text[n]->text() != value) Text[n]->setText(value);
  }
  Label1->setText(to_qstring(form.weekday_label));
  show_weekday();
}

void SearchConditionsWindow::show_weekday() {
  bool ok[3] = {};
  int const year = Text[kFieldYear]->text().toInt(&ok[0]);
  int const month = Text[kFieldMonth]->text().toInt(&ok[1]);
  int const day = Text[kFieldDay]->text().toInt(&ok[2]);
  bool const valid = ok[0] && ok[1] && ok[2] && year >= 1000 && is_valid_date(year, month, day);
  Label1->setText(valid ? to_qstring(format_weekday_paren(day_number(year, month, day)))
                        : QString());
}

void SearchConditionsWindow::show_plan_date(const std::string& year, const std::string& month,
                                            const std::string& day,
                                            const std::string& weekday_label) {
  Text[kFieldYear]->setText(to_qstring(year));
  Text[kFieldMonth]->setText(to_qstring(month));
  Text[kFieldDay]->setText(to_qstring(day));
  Label1->setText(to_qstring(weekday_label));
  show_weekday();
}

void SearchConditionsWindow::focus_field(int field) {
  if (field == kFocusStartButton) {
    Command1->setFocus();
  } else if (field >= 1 && field <= 15 && field != kMessageLine) {
    Text[field]->setFocus();
  }
}

void SearchConditionsWindow::check_and_move_on(int field) {
  auto form = form_from_controls();
  bool const passed = check_field(form, ctx_.state, field, ctx_.platform.clock.now().year);
  show_form(form);
  if (passed) {
    focus_field(next_field(field));
  } else if (is_station_field(field)) {
    pick_station(field);
  } else {
    focus_field(field);
  }
}

void SearchConditionsWindow::pick_station(int field) {
  int const mode = field == kFieldBoarding ? kPickSearchBoarding : kPickSearchAlighting;
  // The picker may outlive this window; it then has nowhere to write.
  QPointer<QLineEdit> target = Text[field];
  QPointer<SearchConditionsWindow> self = this;
  open_station_picker(ctx_, mode, [target, self](const std::string& name) {
    if (!target || !self) return;
    target->setText(shown_qname(name));
    bring_to_front(self);
    target->setFocus();
  });
}

bool SearchConditionsWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    for (int field : {kFieldBoarding, kFieldAlighting}) {
      if (watched == Text[field]) {
        pick_station(field);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void SearchConditionsWindow::start_search() {
  // The search runs inside the results window's load and lets events run;
  // a second press meanwhile would start a search inside the search.
  if (searching_) return;
  auto form = form_from_controls();
  auto const confirm = [this] {
    auto const request = confirm_message(std::string(search_texts::kConfirmTwoTransfers),
                                         search_texts::kConfirmTwoTransfersHelp);
    return ctx_.platform.messages.show(request) == MessageAnswer::Ok;
  };
  auto const result =
      vorlash::start_search(form, ctx_.state, ctx_.platform.clock.now().year, confirm);
  show_form(form);
  if (result.outcome == StartOutcome::rejected) {
    focus_field(result.focus);
    return;
  }
  if (result.outcome == StartOutcome::cancelled) return;

  store_position(ctx_.state, kSearchConditionsWindow, this);
  searching_ = true;
  setEnabled(false);
  QPointer<SearchConditionsWindow> self = this;
  open_search_results_window(ctx_);
  if (!self) return;
  searching_ = false;
  setEnabled(true);
  close();
}

void SearchConditionsWindow::back_to_main_window() {
  store_position(ctx_.state, kSearchConditionsWindow, this);
  bring_to_front(main_window(ctx_));
  close();
}

void SearchConditionsWindow::open_calendar() {
  open_calendar_window(ctx_);
}

void SearchConditionsWindow::end_proc() {
  store_position(ctx_.state, kSearchConditionsWindow, this);
  close();
}

void SearchConditionsWindow::closeEvent(QCloseEvent* event) {
  // A search in progress is inside this window's "検索開始"; the window
  // closes when it is over.
  if (searching_) {
    event->ignore();
    return;
  }
  ctx_.quit_help();
  event->accept();
}

void open_search_conditions_window(AppContext& ctx) {
  ctx.show_window<SearchConditionsWindow>(kSearchConditionsWindow);
}

}  // namespace vorlash
