#include "board/ui/station_picker_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "board/station_picker.h"
#include "board/ui/window_texts.h"
#include "shell/captions.h"
#include "shell/fonts.h"
#include "shell/key_handling.h"
#include "shell/qt_strings.h"
#include "shell/window_place.h"

namespace vorlash {

namespace {

constexpr int kListColumns = 24;
constexpr int kListRows = 14;

}  // namespace

StationPickerWindow::StationPickerWindow(AppContext& ctx, StationTarget target)
    : ctx_(ctx), target_(std::move(target)) {
  setObjectName(QStringLiteral("timetable22"));
  setWindowTitle(to_qstring(board_window_text::kPickerCaption));
  auto const choices = station_picker(ctx_.state, ctx_.windows.board.view_mode);

  Command1 = new QPushButton(literal_caption(choices.header), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  ensure_caption_fits(Command1);

  List1 = new QListWidget(this);
  List1->setObjectName(QStringLiteral("List1"));
  List1->setFont(fixed_pitch_font(10));
  List1->setSelectionMode(QAbstractItemView::SingleSelection);
  for (auto const& name : choices.names) List1->addItem(shown_qname(name));
  set_spoken_name(List1, {choices.header, board_window_text::kPickerListName});
  QFontMetrics const metrics(List1->font());
  List1->setMinimumSize(metrics.horizontalAdvance(QString(kListColumns, QChar('0'))) + 24,
                        metrics.lineSpacing() * kListRows + 8);

  Command3 = new QPushButton(to_qstring(board_window_text::kPickerChoose), this);
  Command3->setObjectName(QStringLiteral("Command3"));
  Command3->setEnabled(false);
  Command2 = new QPushButton(to_qstring(board_window_text::kPickerCancel), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  ensure_caption_fits(Command3);
  ensure_caption_fits(Command2);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Command3);
  buttons->addWidget(Command2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Command1);
  layout->addWidget(List1, 1);
  layout->addLayout(buttons);

  connect(List1, &QListWidget::itemClicked, this, [this] { enable_and_focus_choose(); });
  // A selection moved by the keyboard enables "選択" as a click does, but
  // leaves the focus in the list so the arrows keep working.
  connect(List1, &QListWidget::itemSelectionChanged, this,
          [this] { Command3->setEnabled(!List1->selectedItems().isEmpty()); });
  connect(List1, &QListWidget::itemDoubleClicked, this, [this] { pick_selected(); });
  connect(Command3, &QPushButton::clicked, this, [this] { pick_selected(); });
  connect(Command2, &QPushButton::clicked, this, [this] { end_proc(); });

  auto* keys = new KeyActions(this);
  keys->on_escape({Command1, Command2, Command3, List1}, [this] { end_proc(); });
  keys->on_enter({List1}, [this] { pick_current(); });

  setFixedSize(sizeHint());
  place_window(this, ctx_.state.form[kStationPickerWindow]);
  // The arrows choose at once; the header button only tells what is listed.
  List1->setFocus();
}

void StationPickerWindow::pick_current() {
  auto* item = List1->currentItem();
  if (!item) return;
  item->setSelected(true);
  pick_selected();
}

void StationPickerWindow::enable_and_focus_choose() {
  bool const selected = !List1->selectedItems().isEmpty();
  Command3->setEnabled(selected);
  if (selected) Command3->setFocus();
}

void StationPickerWindow::pick_selected() {
  for (int row = 0; row < List1->count(); ++row) {
    if (!List1->item(row)->isSelected()) continue;
    if (target_) target_(typed_name(List1->item(row)->text()));
    end_proc();
    return;
  }
}

void StationPickerWindow::end_proc() {
  store_position(ctx_.state, kStationPickerWindow, this);
  close();
}

void StationPickerWindow::closeEvent(QCloseEvent* event) {
  ctx_.quit_help();
  event->accept();
}

StationPickerWindow* open_station_picker(AppContext& ctx, int mode, StationTarget target) {
  ctx.windows.board.view_mode = mode;
  return ctx.show_window<StationPickerWindow>(kStationPickerWindow, std::move(target));
}

}  // namespace vorlash
