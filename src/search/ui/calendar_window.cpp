#include "search/ui/calendar_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "search/search_form.h"
#include "search/ui/search_window.h"
#include "search/ui/window_texts.h"
#include "settings/calendar.h"
#include "shell/key_handling.h"
#include "shell/qt_strings.h"
#include "shell/window_place.h"
#include "text/date.h"
#include "text/number_format.h"

namespace vorlash {

namespace {

namespace text = search_window_text;

// Qt's vertical bar has its minimum at the top; the calendar counts its
// positions from the bottom.
int qt_value_of(int position) {
  return kScrollTop + kScrollBottom - position;
}

}  // namespace

CalendarWindow::CalendarWindow(AppContext& ctx) : ctx_(ctx) {
  setObjectName(QStringLiteral("timetable4"));
  setWindowTitle(to_qstring(text::kCalendarCaption));
  build_controls();
  setFixedSize(sizeHint());
  place_window(this, ctx_.state.form[kCalendarWindow]);

  auto const& clock = ctx_.state.clock;
  Text1->setText(to_qstring(month_field_text(clock.clock_year, clock.clock_month)));
  set_scroll_position(kScrollBottom);
  ctx_.windows.calendar.cal_year = clock.clock_year;
  ctx_.windows.calendar.cal_month = clock.clock_month;
  show_calendar();
  connect(VScroll1, &QScrollBar::valueChanged, this, [this] { show_scrolled_month(); });
}

void CalendarWindow::build_controls() {
  Text1 = new QLineEdit(this);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setAccessibleName(to_qstring(text::kCalendarMonthName));  // it has no label of its own
  take_fullwidth_as_halfwidth(Text1);
  Text1->setFixedWidth(QFontMetrics(Text1->font()).horizontalAdvance(QStringLiteral("0000/00")) +
                       16);

  VScroll1 = new QScrollBar(Qt::Vertical, this);
  VScroll1->setObjectName(QStringLiteral("VScroll1"));
  VScroll1->setAccessibleName(to_qstring(text::kCalendarScrollName));
  VScroll1->setRange(kScrollBottom, kScrollTop);
  VScroll1->setSingleStep(1);
  VScroll1->setPageStep(12);
  VScroll1->setFocusPolicy(Qt::StrongFocus);

  auto* grid = new QGridLayout;
  grid->setSpacing(2);
  for (int column = 0; column < 7; ++column) {
    auto* heading =
        new QLabel(to_qstring(text::kWeekdayHeadings[static_cast<std::size_t>(column)]), this);
    heading->setObjectName(QStringLiteral("Label%1").arg(column + 1));
    heading->setAlignment(Qt::AlignCenter);
    grid->addWidget(heading, 0, column);
  }
  int const side = QFontMetrics(font()).horizontalAdvance(QStringLiteral("000")) + 16;
  for (int k = 1; k <= 42; ++k) {
    auto* button = new QPushButton(this);
    button->setObjectName(QStringLiteral("Command1_%1").arg(k));
    button->setFixedSize(side, side);
    // A hidden day keeps its place in the sheet.
    auto policy = button->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    button->setSizePolicy(policy);
    grid->addWidget(button, 1 + (k - 1) / 7, (k - 1) % 7);
    connect(button, &QPushButton::clicked, this, [this, k] { pick_day(k); });
    Command1[static_cast<std::size_t>(k)] = button;
  }

  Command2 = new QPushButton(to_qstring(text::kEnd), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  connect(Command2, &QPushButton::clicked, this, [this] { close_without_picking(); });

  auto* top = new QHBoxLayout;
  top->addWidget(Text1);
  top->addStretch(1);
  top->addWidget(Command2);
  auto* sheet = new QHBoxLayout;
  sheet->addLayout(grid);
  sheet->addWidget(VScroll1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(sheet);

  setTabOrder(Text1, VScroll1);
  setTabOrder(VScroll1, Command1[1]);
  for (int k = 1; k < 42; ++k)
    setTabOrder(Command1[static_cast<std::size_t>(k)], Command1[static_cast<std::size_t>(k + 1)]);
  setTabOrder(Command1[42], Command2);

  auto* keys = new KeyActions(this);
  keys->on_enter({Text1}, [this] { show_typed_month(); });
  keys->on_escape({Text1, Command2}, [this] { close_without_picking(); });
  select_all_on_focus(Text1);
}

int CalendarWindow::scroll_position() const {
  return qt_value_of(VScroll1->value());
}

void CalendarWindow::set_scroll_position(int position) {
  VScroll1->setValue(qt_value_of(position));
}

void CalendarWindow::show_calendar() {
  auto& cal = ctx_.windows.calendar;
  set_calendar(cal);
  for (int k = 1; k <= 42; ++k) {
    int const day = cal.cal_days[static_cast<std::size_t>(k)];
    auto* button = Command1[static_cast<std::size_t>(k)];
    button->setText(day == 0 ? QString() : QString::number(day));
    button->setVisible(day != 0);
  }
}

void CalendarWindow::show_scrolled_month() {
  auto const& clock = ctx_.state.clock;
  auto const shown = scrolled_month(clock.clock_year, clock.clock_month, scroll_position());
  Text1->setText(to_qstring(month_field_text(shown.year, shown.month)));
  ctx_.windows.calendar.cal_year = shown.year;
  ctx_.windows.calendar.cal_month = shown.month;
  show_calendar();
}

void CalendarWindow::show_typed_month() {
  auto const& clock = ctx_.state.clock;
  auto const typed = typed_month(to_utf8(Text1->text()), clock.clock_year, clock.clock_month);
  if (!typed) {
    // Rejected: no message; the month on show stays.
    Text1->setFocus();
    return;
  }
  ctx_.windows.calendar.cal_year = typed->year;
  ctx_.windows.calendar.cal_month = typed->month;
  show_calendar();
}

void CalendarWindow::pick_day(int slot) {
  if (!set_return(ctx_.state, ctx_.windows.calendar, slot)) return;
  auto const& c = ctx_.state.cond;
  if (auto* search = ctx_.window_as<SearchConditionsWindow>(kSearchConditionsWindow)) {
    search->show_plan_date(format_number(c.plan_year, "0000"), format_number(c.plan_month, "00"),
                           format_number(c.plan_day, "00"), format_weekday_paren(c.plan_date));
  }
  return_to_search(kFieldBoarding);
}

void CalendarWindow::close_without_picking() {
  return_to_search(kFieldDepFromMinute);
}

void CalendarWindow::return_to_search(int field) {
  store_position(ctx_.state, kCalendarWindow, this);
  auto* search = ctx_.window_as<SearchConditionsWindow>(kSearchConditionsWindow);
  close();
  if (search) {
    search->raise();
    search->activateWindow();
    search->focus_field(field);
  }
}

void CalendarWindow::closeEvent(QCloseEvent* event) {
  ctx_.quit_help();
  event->accept();
}

void open_calendar_window(AppContext& ctx) {
  ctx.show_window<CalendarWindow>(kCalendarWindow);
}

}  // namespace vorlash
