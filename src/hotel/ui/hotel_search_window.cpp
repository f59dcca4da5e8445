#include "hotel/ui/hotel_search_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "hotel/hotel_search.h"
#include "hotel/hotel_texts.h"
#include "hotel/ui/area_select_window.h"
#include "hotel/ui/district_select_window.h"
#include "hotel/ui/hotel_list_window.h"
#include "hotel/ui/input_mode.h"
#include "shell/captions.h"
#include "shell/key_handling.h"
#include "shell/qt_strings.h"
#include "shell/window_place.h"
#include "text/date.h"

namespace vorlash {

namespace {

// Width of the region box in full-width characters.
constexpr int kRegionColumns = 12;

}  // namespace

HotelSearchWindow::HotelSearchWindow(AppContext& ctx) : ctx_(ctx) {
  using namespace hotel_text;
  setObjectName(QStringLiteral("timetable12"));
  setWindowTitle(to_qstring(kSearchTitle));

  Frame1 = new QGroupBox(literal_caption(kSearchFrame), this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Label1 = new QLabel(to_qstring(kRegionLabel), Frame1);
  Label1->setObjectName(QStringLiteral("Label1"));
  Text1 = new QLineEdit(Frame1);
  Text1->setObjectName(QStringLiteral("Text1"));
  QFontMetrics const metrics(Text1->font());
  Text1->setFixedWidth(metrics.horizontalAdvance(QString(kRegionColumns, QChar(0x6771))) + 12);
  prefer_hiragana_input(Text1);
  Label1->setBuddy(Text1);
  // The area selection button appears beside the box while the box has the
  // focus; it takes no focus itself, so clicking it leaves the box focused.
  Command3 = new QPushButton(to_qstring(kAreaButton), Frame1);
  Command3->setObjectName(QStringLiteral("Command3"));
  Command3->setFocusPolicy(Qt::NoFocus);
  Command3->setFixedWidth(Command3->sizeHint().height());
  auto policy = Command3->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  Command3->setSizePolicy(policy);

  auto* frame_layout = new QGridLayout(Frame1);
  frame_layout->addWidget(Label1, 0, 0, 1, 2);
  frame_layout->addWidget(Text1, 1, 0);
  frame_layout->addWidget(Command3, 1, 1);

  Command1 = new QPushButton(to_qstring(kStartSearch), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command2 = new QPushButton(to_qstring(kEndSearch), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  ensure_caption_fits(Command1);
  ensure_caption_fits(Command2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Command1);
  buttons->addWidget(Command2);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Frame1);
  layout->addLayout(buttons);
  setTabOrder(Text1, Command1);
  setTabOrder(Command1, Command2);

  connect(Command1, &QPushButton::clicked, this, [this] { start_search(); });
  connect(Command2, &QPushButton::clicked, this, [this] { end_proc(); });
  connect(Command3, &QPushButton::clicked, this, [this] { choose_area(); });
  Text1->installEventFilter(this);
  Command1->installEventFilter(this);
  Command2->installEventFilter(this);
  select_all_on_focus(Text1);

  auto* keys = new KeyActions(this);
  keys->on_escape({Text1, Command1, Command2, Command3}, [this] { end_proc(); });
  keys->on_enter({Text1}, [this] { check_typed_region(); });

  init_sec();
  setFixedSize(sizeHint());
  Command3->hide();
  Text1->setFocus();
}

void HotelSearchWindow::init_sec() {
  place_window(this, ctx_.state.form[kHotelSearchWindow]);
  set_text1();
}

void HotelSearchWindow::set_text1() {
  auto const& recent = ctx_.state.arrival_ground[1];
  Text1->setText(shown_qname(recent.empty() ? hotel_text::kDefaultRegion : recent));
}

bool HotelSearchWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Text1 && event->type() == QEvent::FocusIn) {
    show_area_button();
  } else if (watched == Text1 && event->type() == QEvent::MouseButtonDblClick) {
    open_area_selection_window();
    return true;
  } else if ((watched == Command1 || watched == Command2) && event->type() == QEvent::FocusIn) {
    Command3->hide();
  }
  return QWidget::eventFilter(watched, event);
}

void HotelSearchWindow::show_area_button() {
  Command3->show();
}

bool HotelSearchWindow::check_text1() {
  if (check_region(ctx_.state, typed_name(Text1->text()))) return true;
  ctx_.platform.messages.show(
      error_message(std::string(hotel_text::kRegionError), hotel_text::kRegionErrorHelp));
  return false;
}

void HotelSearchWindow::check_typed_region() {
  if (Text1->text().isEmpty()) return;
  if (check_text1()) {
    Command1->setFocus();
  } else {
    Text1->setFocus();
  }
}

void HotelSearchWindow::start_search() {
  // The hotel loader lets events run; a second start meanwhile would build
  // a second list over the half-loaded table.
  if (searching_) return;
  auto const text = typed_name(Text1->text());
  switch (check_search_start(ctx_.state, text)) {
    case SearchStart::EmptyRegion:
      Text1->setFocus();
      break;
    case SearchStart::BadRegion:
      ctx_.platform.messages.show(
          error_message(std::string(hotel_text::kRegionError), hotel_text::kRegionErrorHelp));
      Text1->setFocus();
      return;
    case SearchStart::Run:
      break;
  }
  store_position(ctx_.state, kHotelSearchWindow, this);
  auto const now = ctx_.platform.clock.now();
  // A list (and its district selection) of an earlier search gives way to
  // the new one instead of coming to the front with the old hotels.
  ctx_.close_window(kDistrictSelectWindow);
  ctx_.close_window(kHotelListWindow);
  begin_hotel_search(ctx_.state, ctx_.windows.hotel_search, text,
                     day_number(now.year, now.month, now.day));
  searching_ = true;
  QPointer<HotelSearchWindow> const self(this);
  open_hotel_list(ctx_);
  if (self) searching_ = false;
}

void HotelSearchWindow::choose_area() {
  Command3->hide();
  open_area_selection_window();
}

void HotelSearchWindow::open_area_selection_window() {
  open_area_selection(ctx_, kAreaForHotelSearch,
                      [self = QPointer<HotelSearchWindow>(this)](const std::string& region) {
                        if (self) self->receive_region(region);
                      });
}

void HotelSearchWindow::receive_region(const std::string& region) {
  Text1->setText(shown_qname(region));
  activateWindow();
  Command1->setFocus();
}

void HotelSearchWindow::focus_region() {
  raise();
  activateWindow();
  Text1->setFocus();
}

void HotelSearchWindow::end_proc() {
  store_position(ctx_.state, kHotelSearchWindow, this);
  close();
}

void HotelSearchWindow::closeEvent(QCloseEvent* event) {
  ctx_.quit_help();
  event->accept();
}

void open_hotel_search_window(AppContext& ctx) {
  ctx.show_window<HotelSearchWindow>(kHotelSearchWindow);
}

}  // namespace vorlash
