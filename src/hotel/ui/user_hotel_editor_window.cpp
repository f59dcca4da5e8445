#include "hotel/ui/user_hotel_editor_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "hotel/ui/area_select_window.h"
#include "hotel/ui/input_mode.h"
#include "hotel/ui/user_hotel_list_window.h"
#include "hotel/user_hotel_texts.h"
#include "shell/captions.h"
#include "shell/key_handling.h"
#include "shell/qt_strings.h"
#include "shell/window_place.h"
#include "text/utf8.h"

namespace vorlash {

namespace {

namespace txt = user_hotel_text;

// Object names of the boxes in field order.
constexpr std::array<const char*, kHotelFieldCount> kBoxNames = {
    "Text9", "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"};
// Box widths in full-width characters, a little over what each field takes.
constexpr std::array<int, kHotelFieldCount> kBoxColumns = {12, 8, 18, 8, 4, 14, 6, 10};
constexpr int kMessageLines = 2;

HotelField field_at(std::size_t i) {
  return static_cast<HotelField>(i);
}

bool japanese_input(HotelField field) {
  return field == HotelField::district || field == HotelField::name ||
         field == HotelField::access || field == HotelField::remarks;
}

}  // namespace

UserHotelEditorWindow::UserHotelEditorWindow(AppContext& ctx, UserHotelListWindow* list)
    : ctx_(ctx), list_(list) {
  setObjectName(QStringLiteral("timetable14"));
  setWindowTitle(to_qstring(txt::kFrame));

  Frame1 = new QGroupBox(literal_caption(txt::kFrame), this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Label9 = new QLabel(Frame1);
  Label9->setObjectName(QStringLiteral("Label9"));

  auto* grid = new QGridLayout;
  QFontMetrics const metrics(font());
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    auto* label = new QLabel(to_qstring(txt::kFieldLabels[i]), Frame1);
    label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    auto* edit = new QLineEdit(Frame1);
    edit->setObjectName(QString::fromLatin1(kBoxNames[i]));
    edit->setFixedWidth(metrics.horizontalAdvance(QString(kBoxColumns[i], QChar(0x6771))) + 12);
    if (japanese_input(field_at(i))) {
      prefer_hiragana_input(edit);
    } else if (field_at(i) != HotelField::region) {
      prefer_latin_input(edit);
      take_fullwidth_as_halfwidth(edit);
    }
    label->setBuddy(edit);
    select_all_on_focus(edit);
    edit->installEventFilter(this);
    grid->addWidget(label, static_cast<int>(i), 0);
    grid->addWidget(edit, static_cast<int>(i), 1, Qt::AlignLeft);
    labels_[i] = label;
    boxes_[i] = edit;
  }
  // The area selection button shows beside the region box while that box
  // has the focus; it takes no focus itself.
  Command4 = new QPushButton(to_qstring(txt::kAreaButton), Frame1);
  Command4->setObjectName(QStringLiteral("Command4"));
  Command4->setFocusPolicy(Qt::NoFocus);
  Command4->setFixedWidth(Command4->sizeHint().height());
  auto policy = Command4->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  Command4->setSizePolicy(policy);
  grid->addWidget(Command4, 0, 2);
  grid->setColumnStretch(3, 1);

  Text8 = new QPlainTextEdit(Frame1);
  Text8->setObjectName(QStringLiteral("Text8"));
  Text8->setReadOnly(true);
  Text8->setFocusPolicy(Qt::NoFocus);
  Text8->setLineWrapMode(QPlainTextEdit::NoWrap);
  Text8->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text8->setFixedHeight(QFontMetrics(Text8->font()).lineSpacing() * kMessageLines +
                        2 * Text8->frameWidth() + 10);

  auto* frame_layout = new QVBoxLayout(Frame1);
  frame_layout->addWidget(Label9);
  frame_layout->addLayout(grid);
  frame_layout->addWidget(Text8);

  Command1 = new QPushButton(to_qstring(txt::kStore), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command2 = new QPushButton(to_qstring(txt::kStoreAsNew), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command3 = new QPushButton(to_qstring(txt::kCancel), this);
  Command3->setObjectName(QStringLiteral("Command3"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (auto* button : {Command1, Command2, Command3}) {
    ensure_caption_fits(button);
    buttons->addWidget(button);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Frame1);
  layout->addLayout(buttons);
  for (std::size_t i = 0; i + 1 < boxes_.size(); ++i) setTabOrder(boxes_[i], boxes_[i + 1]);
  setTabOrder(boxes_.back(), Command1);
  setTabOrder(Command1, Command2);
  setTabOrder(Command2, Command3);

  connect(Command1, &QPushButton::clicked, this, [this] { store(false); });
  connect(Command2, &QPushButton::clicked, this, [this] { store(true); });
  connect(Command3, &QPushButton::clicked, this, [this] { end_proc(); });
  connect(Command4, &QPushButton::clicked, this, [this] { choose_area(); });

  auto* keys = new KeyActions(this);
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    keys->on_escape({boxes_[i]}, [this] { escape(); });
    keys->on_enter({boxes_[i]}, [this, i] { field_enter(field_at(i)); });
  }
  keys->on_escape({Command1, Command2, Command3}, [this] { escape(); });
  // Enter on a button presses it, as Space does.
  for (auto* button : {Command1, Command2, Command3})
    keys->on_enter({button}, [button] {
      if (button->isEnabled()) button->click();
    });

  place_window(this, ctx_.state.form[kUserHotelEditorWindow]);
  init_sec();
  setFixedSize(sizeHint());
}

QLineEdit* UserHotelEditorWindow::box(HotelField field) const {
  return boxes_[static_cast<std::size_t>(field_index(field))];
}

HotelInput UserHotelEditorWindow::input() const {
  HotelInput in;
  for (std::size_t i = 0; i < boxes_.size(); ++i) in[i] = to_utf8(boxes_[i]->text());
  // The region is one of the data's, typed in either language.
  in[0] = typed_name(box(HotelField::region)->text());
  return in;
}

void UserHotelEditorWindow::init_sec() {
  auto const& search = ctx_.windows.hotel_search;
  change_mode_ = search.editor_mode == kEditorChange;
  Label9->setText(to_qstring(change_mode_ ? txt::kChangeMode : txt::kAddMode));
  if (change_mode_) {
    auto const slot = static_cast<std::size_t>(std::clamp(search.edited_slot, 0, kMaxHotels));
    HotelInput const in = input_from_hotel(ctx_.state.hotel[slot]);
    for (std::size_t i = 1; i < boxes_.size(); ++i) boxes_[i]->setText(to_qstring(in[i]));
    // The file's 0x5C byte is the yen sign, as the hotel list shows it; it
    // is written back as that byte.
    auto* const charge = box(HotelField::charge);
    charge->setText(charge->text().replace(QChar('\\'), QChar(0xA5)));
  } else {
    for (std::size_t i = 1; i < boxes_.size(); ++i) boxes_[i]->clear();
  }
  Command2->setEnabled(change_mode_);
  set_text9();
  Text8->clear();
  Command4->hide();
  box(HotelField::region)->setFocus();
  // The box may have had the focus already (the editor set up anew).
  if (box(HotelField::region)->hasFocus()) field_got_focus(HotelField::region);
}

void UserHotelEditorWindow::set_text9() {
  auto const& search = ctx_.windows.hotel_search;
  std::string region = proposed_region(ctx_.state);
  if (change_mode_)
    region =
        ctx_.state.hotel[static_cast<std::size_t>(std::clamp(search.edited_slot, 0, kMaxHotels))]
            .region;
  box(HotelField::region)->setText(shown_qname(region));
}

void UserHotelEditorWindow::show_message(const std::string& text) {
  Text8->setPlainText(to_qstring(crlf_to_lf(text)));
}

bool UserHotelEditorWindow::eventFilter(QObject* watched, QEvent* event) {
  auto* const region = box(HotelField::region);
  if (event->type() == QEvent::MouseButtonDblClick && watched == region) {
    choose_area();
    return true;
  }
  if (event->type() == QEvent::FocusIn) {
    for (std::size_t i = 0; i < boxes_.size(); ++i)
      if (watched == boxes_[i]) field_got_focus(field_at(i));
  }
  return QWidget::eventFilter(watched, event);
}

void UserHotelEditorWindow::field_got_focus(HotelField field) {
  show_message(field_hint(field));
  if (field == HotelField::region) Command4->show();
  if (field == HotelField::district) Command4->hide();
}

void UserHotelEditorWindow::field_enter(HotelField field) {
  HotelInput in = input();
  std::string const message = check_field(ctx_.state, field, in);
  auto* const district = box(HotelField::district);
  if (field == HotelField::district) district->setText(to_qstring(in[1]));
  if (!message.empty()) {
    box(field)->setFocus();
    show_message(message);
    return;
  }
  if (field == HotelField::remarks) {
    Command1->setFocus();
  } else {
    box(static_cast<HotelField>(field_index(field) + 1))->setFocus();
  }
}

void UserHotelEditorWindow::store(bool as_new) {
  // The list puts its rows back into the table if a hotel search reloaded
  // it meanwhile, so the slot numbers below are the rows'.
  if (list_) list_->sync_table();
  HotelInput in = input();
  auto const error = check_input(ctx_.state, in);
  box(HotelField::district)->setText(to_qstring(in[1]));
  if (error) {
    // The focus first: a box getting the focus shows its hint.
    box(error->field)->setFocus();
    show_message(error->message);
    return;
  }
  bool const adding = as_new || !change_mode_;
  if (adding && !can_add_user_hotel(ctx_.state)) {
    show_message(table_full_message(ctx_.state));
    return;
  }
  auto const question =
      adding ? confirm_message(std::string(txt::kConfirmAdd), txt::kConfirmAddHelp)
             : confirm_message(std::string(txt::kConfirmChange), txt::kConfirmChangeHelp);
  if (ctx_.platform.messages.show(question) != MessageAnswer::Ok) return;

  int slot = 0;
  if (adding) {
    slot = add_user_hotel(ctx_.state, hotel_from_input(in));
  } else {
    slot = ctx_.windows.hotel_search.edited_slot;
    if (!change_user_hotel(ctx_.state, slot, hotel_from_input(in))) slot = 0;
  }
  if (list_) {
    if (slot > 0) list_->hotel_stored(slot, adding);
    list_->disable_row_buttons();
  }
  end_proc();
}

void UserHotelEditorWindow::choose_area() {
  Command4->hide();
  open_area_selection(ctx_, kAreaForHotelEditor,
                      [self = QPointer<UserHotelEditorWindow>(this)](const std::string& region) {
                        if (self) self->receive_region(region);
                      });
}

void UserHotelEditorWindow::receive_region(const std::string& region) {
  box(HotelField::region)->setText(shown_qname(region));
  activateWindow();
  box(HotelField::district)->setFocus();
}

void UserHotelEditorWindow::escape() {
  if (list_) list_->disable_row_buttons();
  end_proc();
}

void UserHotelEditorWindow::end_proc() {
  store_position(ctx_.state, kUserHotelEditorWindow, this);
  close();
}

void UserHotelEditorWindow::closeEvent(QCloseEvent* event) {
  ctx_.quit_help();
  event->accept();
}

UserHotelEditorWindow* open_user_hotel_editor(AppContext& ctx, UserHotelListWindow* list) {
  if (auto* open = ctx.window_as<UserHotelEditorWindow>(kUserHotelEditorWindow)) {
    ctx.show_window<UserHotelEditorWindow>(kUserHotelEditorWindow, list);
    open->init_sec();
    return open;
  }
  return ctx.show_window<UserHotelEditorWindow>(kUserHotelEditorWindow, list);
}

}  // namespace vorlash
