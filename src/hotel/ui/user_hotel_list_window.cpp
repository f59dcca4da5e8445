#include "hotel/ui/user_hotel_list_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTextOption>
#include <QVBoxLayout>

#include "data/file_io.h"
#include "data/file_paths.h"
#include "data/hotel_file.h"
#include "hotel/ui/user_hotel_editor_window.h"
#include "hotel/user_hotel_texts.h"
#include "hotel/user_hotels.h"
#include "platform/file_locations.h"
#include "shell/captions.h"
#include "shell/fonts.h"
#include "shell/key_handling.h"
#include "shell/qt_strings.h"
#include "shell/window_place.h"

namespace vorlash {

namespace {

namespace txt = user_hotel_text;

constexpr int kListPoints = 9;
constexpr int kVisibleRows = 14;
// A tab stop is four full-width characters of the list font, so the list
// lines' tabs (2, 2 and 4 stops less a stop per 4 characters) line up the
// columns. The telephone column is 7 full-width characters wide.
constexpr int kCharsPerTab = 4;
constexpr std::array<int, 4> kColumnTabs = {2, 2, 4, 2};

qreal tab_width(const QFont& font) {
  return QFontMetricsF(font).horizontalAdvance(QString(kCharsPerTab, QChar(0x6771)));
}

// Draws a row's text with its tab characters expanded to the tab stops.
class TabStopDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    QString const text = opt.text;
    opt.text.clear();
    QStyle const* style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
    QRect const area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
    QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
    layout.setTabStopDistance(tab_width(opt.font));
    layout.setWrapMode(QTextOption::NoWrap);
    painter->save();
    painter->setFont(opt.font);
    bool const selected = (opt.state & QStyle::State_Selected) != 0;
    painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(QRectF(area), text, layout);
    painter->restore();
  }
};

}  // namespace

UserHotelListWindow::UserHotelListWindow(AppContext& ctx) : ctx_(ctx) {
  setObjectName(QStringLiteral("timetable13"));
  setWindowTitle(to_qstring(txt::kFrame));

  Frame1 = new QGroupBox(literal_caption(txt::kFrame), this);
  Frame1->setObjectName(QStringLiteral("Frame1"));

  QFont const list_font = fixed_pitch_font(kListPoints);
  qreal const tab = tab_width(list_font);
  std::array<QLabel**, 4> const label_slots = {&Label1, &Label2, &Label3, &Label4};
  auto* header = new QHBoxLayout;
  header->setSpacing(0);
  header->setContentsMargins(4, 0, 0, 0);
  for (std::size_t i = 0; i < label_slots.size(); ++i) {
    auto* label = new QLabel(to_qstring(txt::kColumnLabels[i]), Frame1);
    label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    label->setFont(list_font);
    label->setFixedWidth(static_cast<int>(tab * kColumnTabs[i]));
    header->addWidget(label);
    *label_slots[i] = label;
  }
  header->addStretch(1);

  List1 = new QListWidget(Frame1);
  List1->setObjectName(QStringLiteral("List1"));
  List1->setFont(list_font);
  List1->setItemDelegate(new TabStopDelegate(List1));
  List1->setSelectionMode(QAbstractItemView::SingleSelection);
  List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // A screen reader hears the list's name and the columns of its rows.
  List1->setAccessibleName(to_qstring(txt::kFrame));
  QStringList columns;
  for (auto const label : txt::kColumnLabels) columns << to_qstring(label);
  List1->setAccessibleDescription(columns.join(QStringLiteral(" / ")));
  int const columns_width =
      static_cast<int>(tab * (kColumnTabs[0] + kColumnTabs[1] + kColumnTabs[2] + kColumnTabs[3]));
  List1->setMinimumWidth(columns_width + 2 * List1->frameWidth() + 24);
  List1->setMinimumHeight(QFontMetrics(list_font).lineSpacing() * kVisibleRows);

  auto* frame_layout = new QVBoxLayout(Frame1);
  frame_layout->addLayout(header);
  frame_layout->addWidget(List1, 1);

  std::array<std::pair<QPushButton**, std::string_view>, 5> const buttons = {{
      {&Command1, txt::kEndRegistration},
      {&Command2, txt::kAdd},
      {&Command3, txt::kChange},
      {&Command4, txt::kDelete},
      {&Command5, txt::kCancel},
  }};
  auto* button_row = new QHBoxLayout;
  int n = 1;
  for (auto const& [slot, caption] : buttons) {
    auto* button = new QPushButton(to_qstring(caption), this);
    button->setObjectName(QStringLiteral("Command%1").arg(n++));
    ensure_caption_fits(button);
    button_row->addWidget(button);
    *slot = button;
  }
  button_row->insertStretch(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Frame1, 1);
  layout->addLayout(button_row);
  setTabOrder(List1, Command1);
  setTabOrder(Command1, Command2);
  setTabOrder(Command2, Command3);
  setTabOrder(Command3, Command4);
  setTabOrder(Command4, Command5);

  // The row buttons follow the selection, whether it came by mouse or by
  // the arrow keys; a click on the row already selected enables them too.
  connect(List1, &QListWidget::itemSelectionChanged, this, [this] { enable_row_buttons(); });
  connect(List1, &QListWidget::itemClicked, this, [this] { enable_row_buttons(); });
  connect(List1, &QListWidget::itemDoubleClicked, this, [this] { change_selected_hotel(); });
  connect(Command1, &QPushButton::clicked, this, [this] { save_and_close(); });
  connect(Command2, &QPushButton::clicked, this, [this] { add_hotel(); });
  connect(Command3, &QPushButton::clicked, this, [this] { change_selected_hotel(); });
  connect(Command4, &QPushButton::clicked, this, [this] { delete_selected_hotel(); });
  connect(Command5, &QPushButton::clicked, this, [this] { close_without_saving(); });

  auto* keys = new KeyActions(this);
  keys->on_escape({List1, Command1, Command2, Command3, Command4, Command5},
                  [this] { close_without_saving(); });
  // Enter on a button presses it, as Space does.
  for (auto* button : {Command1, Command2, Command3, Command4, Command5})
    keys->on_enter({button}, [button] {
      if (button->isEnabled()) button->click();
    });

  init_set();
  List1->setFocus();
}

void UserHotelListWindow::init_set() {
  place_window(this, ctx_.state.form[kUserHotelListWindow]);
  // Lines the list cannot read are not written back by "登録終了"; the user
  // is told which, and where the original is kept. So are DataFile hotels
  // that the user hotels push out of the table.
  auto const opening = read_for_registration(ctx_.state, ctx_.program_folder);
  std::string const message =
      registration_message(user_hotel_file_path(ctx_.state, ctx_.program_folder), opening);
  if (!message.empty()) ctx_.platform.messages.show(error_message(message));
  rows_ = user_hotels(ctx_.state);
  set_list1();
  disable_row_buttons();
}

void UserHotelListWindow::set_list1() {
  List1->clear();
  for (auto const& line : user_hotel_lines(ctx_.state)) List1->addItem(to_qstring(line));
}

int UserHotelListWindow::first_selected_row() const {
  int first = -1;
  for (auto const& index : List1->selectionModel()->selectedIndexes())
    if (first < 0 || index.row() < first) first = index.row();
  return first;
}

void UserHotelListWindow::enable_row_buttons() {
  if (first_selected_row() < 0) return;
  Command3->setEnabled(true);
  Command4->setEnabled(true);
}

void UserHotelListWindow::disable_row_buttons() {
  Command3->setEnabled(false);
  Command4->setEnabled(false);
  List1->clearSelection();
}

void UserHotelListWindow::sync_table() {
  restore_user_hotels(ctx_.state, rows_);
}

void UserHotelListWindow::hotel_stored(int slot, bool added) {
  rows_ = user_hotels(ctx_.state);
  auto const row = slot - 1;
  if (ctx_.state.control3_flg == 1 || row < 0 || row >= static_cast<int>(rows_.size())) {
    set_list1();
    return;
  }
  auto const line = to_qstring(user_hotel_lines(ctx_.state)[static_cast<std::size_t>(row)]);
  if (added) {
    List1->addItem(line);
  } else {
    delete List1->takeItem(row);
    List1->insertItem(row, line);
  }
}

void UserHotelListWindow::save_and_close() {
  sync_table();
  if (Status const st = end_registration(ctx_.state, ctx_.program_folder); !st) {
    ctx_.platform.messages.show(error_message(std::string(txt::kWriteFailed) + "\r\n" + st.error));
    return;
  }
  store_position(ctx_.state, kUserHotelListWindow, this);
  close();
}

void UserHotelListWindow::add_hotel() {
  ctx_.windows.hotel_search.editor_mode = kEditorAdd;
  open_editor();
}

void UserHotelListWindow::change_selected_hotel() {
  int const row = first_selected_row();
  if (row < 0) return;
  ctx_.windows.hotel_search.edited_slot = row + 1;
  ctx_.windows.hotel_search.editor_mode = kEditorChange;
  open_editor();
}

void UserHotelListWindow::open_editor() {
  sync_table();
  open_user_hotel_editor(ctx_, this);
}

void UserHotelListWindow::delete_selected_hotel() {
  int const row = first_selected_row();
  if (row < 0) return;
  auto const answer = ctx_.platform.messages.show(
      confirm_message(std::string(txt::kConfirmDelete), txt::kConfirmDeleteHelp));
  if (answer != MessageAnswer::Ok) return;
  sync_table();
  int const slot = row + 1;
  if (!delete_user_hotel(ctx_.state, slot)) return;
  rows_ = user_hotels(ctx_.state);
  delete List1->takeItem(row);
  disable_row_buttons();
  // An editor changing a hotel keeps to that hotel: it follows the hotel up
  // one slot, and closes when its hotel was the one deleted.
  auto& search = ctx_.windows.hotel_search;
  if (ctx_.is_open(kUserHotelEditorWindow) && search.editor_mode == kEditorChange) {
    if (search.edited_slot == slot) {
      ctx_.close_window(kUserHotelEditorWindow);
    } else if (search.edited_slot > slot) {
      --search.edited_slot;
    }
  }
}

void UserHotelListWindow::close_without_saving() {
  // Cancelling keeps nothing of this visit, the window position included.
  close();
}

void UserHotelListWindow::closeEvent(QCloseEvent* event) {
  // The editor works on this list's rows; it does not outlive them.
  ctx_.close_window(kUserHotelEditorWindow);
  ctx_.quit_help();
  event->accept();
}

void open_user_hotel_list_window(AppContext& ctx) {
  ctx.show_window<UserHotelListWindow>(kUserHotelListWindow);
}

}  // namespace vorlash
