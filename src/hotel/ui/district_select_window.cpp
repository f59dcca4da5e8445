#include "hotel/ui/district_select_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "hotel/area_district.h"
#include "hotel/hotel_texts.h"
#include "hotel/ui/hotel_list_window.h"
#include "shell/captions.h"
#include "shell/fonts.h"
#include "shell/key_handling.h"
#include "shell/qt_strings.h"
#include "shell/window_place.h"

namespace vorlash {

namespace {

constexpr int kListFontPoints = 10;
constexpr int kListColumns = 14;
constexpr int kListRows = 14;

QListWidget* district_list(const char* name, QAbstractItemView::SelectionMode mode,
                           QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setFont(fixed_pitch_font(kListFontPoints));
  list->setSelectionMode(mode);
  QFontMetrics const metrics(list->font());
  list->setMinimumSize(metrics.horizontalAdvance(QString(kListColumns, QChar('0'))) + 24,
                       metrics.lineSpacing() * kListRows + 8);
  return list;
}

QPushButton* button(const char* name, std::string_view caption, QWidget* parent) {
  auto* b = new QPushButton(literal_caption(caption), parent);
  b->setObjectName(QString::fromLatin1(name));
  ensure_caption_fits(b);
  return b;
}

bool has_selection(const QListWidget* list) {
  return !list->selectedItems().isEmpty();
}

// Appends the selected entries of `from` (all of them when `all`), in list
// order, to the end of `to`, then removes them from `from`.
void move_entries(QListWidget* from, QListWidget* to, bool all) {
  std::vector<int> rows;
  for (int row = 0; row < from->count(); ++row) {
    if (all || from->item(row)->isSelected()) rows.push_back(row);
  }
  for (int row : rows) to->addItem(from->item(row)->text());
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) delete from->takeItem(*it);
  // Removing the current entry makes its neighbour current and selected;
  // nothing stays selected after a move.
  from->clearSelection();
  to->clearSelection();
}

}  // namespace

DistrictSelectWindow::DistrictSelectWindow(AppContext& ctx) : ctx_(ctx) {
  using namespace hotel_text;
  setObjectName(QStringLiteral("timetable7"));
  setWindowTitle(to_qstring(kDistrictTitle));

  Label1 = new QLabel(to_qstring(kAvailableHeader), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  List1 = district_list("List1", QAbstractItemView::ExtendedSelection, this);
  Label2 = new QLabel(to_qstring(kChosenHeader), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  List2 = district_list("List2", QAbstractItemView::SingleSelection, this);
  // A list takes no name from the label above it: named here for screen readers.
  set_spoken_name(List1, {kAvailableHeader});
  set_spoken_name(List2, {kChosenHeader});

  Command1 = button("Command1", kMoveSelected, this);
  Command2 = button("Command2", kMoveAll, this);
  Command3 = button("Command3", kBackSelected, this);
  Command4 = button("Command4", kBackAll, this);
  Command5 = button("Command5", kDistrictCancel, this);
  Command6 = button("Command6", kDistrictAccept, this);

  auto* moves = new QVBoxLayout;
  moves->addStretch(1);
  for (auto* b : {Command1, Command2, Command3, Command4}) moves->addWidget(b);
  moves->addStretch(1);
  auto* lists = new QGridLayout;
  lists->addWidget(Label1, 0, 0);
  lists->addWidget(List1, 1, 0);
  lists->addLayout(moves, 1, 1);
  lists->addWidget(Label2, 0, 2);
  lists->addWidget(List2, 1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Command6);
  buttons->addWidget(Command5);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists, 1);
  layout->addLayout(buttons);
  setTabOrder(List1, Command1);
  setTabOrder(Command1, Command2);
  setTabOrder(Command2, Command3);
  setTabOrder(Command3, Command4);
  setTabOrder(Command4, List2);
  setTabOrder(List2, Command6);
  setTabOrder(Command6, Command5);

  // A selection made by the keyboard counts as a click in its list.
  connect(List1, &QListWidget::itemClicked, this, [this] { enable_choose_button(); });
  connect(List1, &QListWidget::itemSelectionChanged, this, [this] { enable_choose_button(); });
  connect(List2, &QListWidget::itemClicked, this, [this] { enable_remove_button(); });
  connect(List2, &QListWidget::itemSelectionChanged, this, [this] { enable_remove_button(); });
  connect(Command1, &QPushButton::clicked, this, [this] { choose_selected(); });
  connect(Command2, &QPushButton::clicked, this, [this] { choose_all(); });
  connect(Command3, &QPushButton::clicked, this, [this] { remove_selected(); });
  connect(Command4, &QPushButton::clicked, this, [this] { remove_all(); });
  connect(Command5, &QPushButton::clicked, this, [this] { keep_old_selection(); });
  connect(Command6, &QPushButton::clicked, this, [this] { apply_selection(); });
  auto* keys = new KeyActions(this);
  keys->on_escape({List1, List2, Command1, Command2, Command3, Command4, Command5, Command6},
                  [this] { apply_selection(); });

  init_set();
  setFixedSize(sizeHint());
  List1->setFocus();
}

void DistrictSelectWindow::init_set() {
  place_window(this, ctx_.state.form[kDistrictSelectWindow]);
  set_list1();
  set_list2();
  Command1->setEnabled(false);
  Command3->setEnabled(false);
  set_move_all_buttons();
}

void DistrictSelectWindow::set_list1() {
  List1->clear();
  for (auto const& district : district_lists(ctx_.windows.hotel_search).available)
    List1->addItem(shown_qname(district));
}

void DistrictSelectWindow::set_list2() {
  List2->clear();
  for (auto const& district : district_lists(ctx_.windows.hotel_search).chosen)
    List2->addItem(shown_qname(district));
}

void DistrictSelectWindow::set_move_all_buttons() {
  Command2->setEnabled(List1->count() > 0);
  Command4->setEnabled(List2->count() > 0);
}

void DistrictSelectWindow::enable_choose_button() {
  if (has_selection(List1)) Command1->setEnabled(true);
}

void DistrictSelectWindow::enable_remove_button() {
  if (has_selection(List2)) Command3->setEnabled(true);
}

void DistrictSelectWindow::choose_selected() {
  move_entries(List1, List2, false);
  Command1->setEnabled(false);
  set_move_all_buttons();
}

void DistrictSelectWindow::choose_all() {
  move_entries(List1, List2, true);
  Command1->setEnabled(false);
  Command3->setEnabled(false);
  set_move_all_buttons();
}

void DistrictSelectWindow::remove_selected() {
  move_entries(List2, List1, false);
  Command3->setEnabled(false);
  set_move_all_buttons();
}

void DistrictSelectWindow::remove_all() {
  move_entries(List2, List1, true);
  Command1->setEnabled(false);
  Command3->setEnabled(false);
  set_move_all_buttons();
}

void DistrictSelectWindow::keep_old_selection() {
  store_position(ctx_.state, kDistrictSelectWindow, this);
  reopen_list();
}

void DistrictSelectWindow::apply_selection() {
  store_position(ctx_.state, kDistrictSelectWindow, this);
  std::vector<std::string> chosen;
  for (int row = 0; row < List2->count(); ++row)
    chosen.push_back(typed_name(List2->item(row)->text()));
  store_selected_districts(ctx_.windows.hotel_search, chosen);
  reopen_list();
}

void DistrictSelectWindow::reopen_list() {
  open_hotel_list(ctx_);
  close();
}

void DistrictSelectWindow::closeEvent(QCloseEvent* event) {
  ctx_.quit_help();
  event->accept();
}

}  // namespace vorlash
