#include "hotel/ui/area_select_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "hotel/area_district.h"
#include "shell/captions.h"
#include "shell/fonts.h"
#include "shell/key_handling.h"
#include "shell/qt_strings.h"
#include "shell/window_place.h"
#include "text/utf8.h"

namespace vorlash {

namespace {

constexpr int kListFontPoints = 10;
constexpr int kRegionListColumns = 14;
constexpr int kRecentListColumns = 14;
constexpr int kListRows = 11;

QListWidget* region_list(const char* name, int columns, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setFont(fixed_pitch_font(kListFontPoints));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  QFontMetrics const metrics(list->font());
  list->setMinimumSize(metrics.horizontalAdvance(QString(columns, QChar('0'))) + 24,
                       metrics.lineSpacing() * kListRows + 8);
  return list;
}

QString first_selected(const QListWidget* list) {
  for (int row = 0; row < list->count(); ++row) {
    if (list->item(row)->isSelected()) return list->item(row)->text();
  }
  return {};
}

}  // namespace

AreaSelectWindow::AreaSelectWindow(AppContext& ctx, RegionTarget target)
    : ctx_(ctx), target_(std::move(target)), mode_(ctx.windows.hotel_search.area_mode) {
  using namespace hotel_text;
  setObjectName(QStringLiteral("timetable15"));
  setWindowTitle(to_qstring(kAreaFrame));

  Frame1 = new QGroupBox(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  auto* options = new QVBoxLayout;
  for (int area = 0; area < kAreaCount; ++area) {
    auto* option =
        new QRadioButton(literal_caption(kAreaOptions[static_cast<std::size_t>(area)]), Frame1);
    option->setObjectName(QStringLiteral("Option%1").arg(area));
    connect(option, &QRadioButton::toggled, this, [this, area](bool on) {
      if (on) set_list1(area);
    });
    Option[static_cast<std::size_t>(area)] = option;
    options->addWidget(option);
  }
  options->addStretch(1);

  Label1 = new QLabel(Frame1);
  Label1->setObjectName(QStringLiteral("Label1"));
  List1 = region_list("List1", kRegionListColumns, Frame1);
  Label2 = new QLabel(to_qstring(kRecentHeader), Frame1);
  Label2->setObjectName(QStringLiteral("Label2"));
  List2 = region_list("List2", kRecentListColumns, Frame1);
  // A list takes no name from the label above it: named here for screen readers.
  set_spoken_name(List1, {kRegionListHeader});
  set_spoken_name(List2, {kRecentHeader});

  auto* frame_layout = new QGridLayout(Frame1);
  frame_layout->addLayout(options, 0, 0, 2, 1);
  frame_layout->addWidget(Label1, 0, 1);
  frame_layout->addWidget(List1, 1, 1);
  frame_layout->addWidget(Label2, 0, 2);
  frame_layout->addWidget(List2, 1, 2);

  Text1 = new QLineEdit(this);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setReadOnly(true);
  Text1->setFocusPolicy(Qt::NoFocus);

  Command1 = new QPushButton(to_qstring(kConfirmChoice), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command2 = new QPushButton(to_qstring(kAreaBack), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command3 = new QPushButton(to_qstring(kAreaCancel), this);
  Command3->setObjectName(QStringLiteral("Command3"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (auto* button : {Command1, Command2, Command3}) {
    ensure_caption_fits(button);
    buttons->addWidget(button);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Frame1, 1);
  layout->addWidget(Text1);
  layout->addLayout(buttons);

  connect(List1, &QListWidget::itemClicked, this, [this] { note_clicked_list(List1); });
  connect(List2, &QListWidget::itemClicked, this, [this] { note_clicked_list(List2); });
  // A selection moved by the keyboard counts as a click on its entry.
  connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
    if (!List1->selectedItems().isEmpty()) note_clicked_list(List1);
  });
  connect(List2, &QListWidget::itemSelectionChanged, this, [this] {
    if (!List2->selectedItems().isEmpty()) note_clicked_list(List2);
  });
  connect(List1, &QListWidget::itemDoubleClicked, this, [this] { choose_from(List1); });
  connect(List2, &QListWidget::itemDoubleClicked, this, [this] { choose_from(List2); });
  connect(Command1, &QPushButton::clicked, this, [this] { confirm_choice(); });
  connect(Command3, &QPushButton::clicked, this, [this] { end_proc(); });

  auto* keys = new KeyActions(this);
  std::vector<QWidget*> escape_on = {List1, List2, Command1, Command2, Command3};
  for (auto* option : Option) escape_on.push_back(option);
  for (auto* widget : escape_on) keys->on_escape({widget}, [this] { end_proc(); });

  init_set();
  setFixedSize(sizeHint());
}

void AreaSelectWindow::init_set() {
  place_window(this, ctx_.state.form[kAreaSelectWindow]);
  set_list2();
  int const area = preselected_area(ctx_.state.control9_flg);
  {
    QSignalBlocker const quiet(Option[static_cast<std::size_t>(area)]);
    Option[static_cast<std::size_t>(area)]->setChecked(true);
  }
  set_list1(area);
  set_captions();
  Command2->setEnabled(false);
  Command1->setEnabled(false);
}

void AreaSelectWindow::set_list1(int area) {
  List1->clear();
  for (auto const& name : regions_of_area(ctx_.state, area)) List1->addItem(shown_qname(name));
  if (last_list_ == List1) last_list_ = nullptr;
  Command1->setEnabled(false);
  ctx_.state.control9_flg = area;
  set_captions();
}

void AreaSelectWindow::set_list2() {
  List2->clear();
  for (auto const& place : recent_places(ctx_.state)) List2->addItem(shown_qname(place));
}

void AreaSelectWindow::set_captions() {
  using namespace hotel_text;
  Frame1->setTitle(literal_caption(kAreaFrame));
  Label1->setText(to_qstring(kRegionListHeader));
  Text1->setText(to_qstring(kAreaMessage));
}

void AreaSelectWindow::note_clicked_list(const QListWidget* list) {
  last_list_ = list;
  Command1->setEnabled(true);
}

void AreaSelectWindow::confirm_choice() {
  // The entry of the list clicked last; a recent place chosen alone is as
  // good a choice as a region.
  const QListWidget* list = last_list_;
  if (!list || first_selected(list).isEmpty())
    list = !first_selected(List1).isEmpty() ? List1 : List2;
  if (first_selected(list).isEmpty()) return;
  deliver(list);
  close();
}

void AreaSelectWindow::choose_from(const QListWidget* list) {
  store_position(ctx_.state, kAreaSelectWindow, this);
  deliver(list);
  close();
}

void AreaSelectWindow::deliver(const QListWidget* list) {
  auto const choice = trim(typed_name(first_selected(list)));
  if (target_) target_(choice);
}

void AreaSelectWindow::end_proc() {
  store_position(ctx_.state, kAreaSelectWindow, this);
  close();
}

void AreaSelectWindow::closeEvent(QCloseEvent* event) {
  ctx_.quit_help();
  event->accept();
}

AreaSelectWindow* open_area_selection(AppContext& ctx, int mode, RegionTarget target) {
  if (auto* open = ctx.window_as<AreaSelectWindow>(kAreaSelectWindow)) {
    if (open->mode() == mode)
      open->set_target(target);
    else
      ctx.close_window(kAreaSelectWindow);
  }
  ctx.windows.hotel_search.area_mode = mode;
  return ctx.show_window<AreaSelectWindow>(kAreaSelectWindow, std::move(target));
}

}  // namespace vorlash
