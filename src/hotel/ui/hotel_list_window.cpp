#include "hotel/ui/hotel_list_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "hotel/hotel_lines.h"
#include "hotel/hotel_load.h"
#include "hotel/hotel_search.h"
#include "hotel/hotel_texts.h"
#include "hotel/ui/district_select_window.h"
#include "hotel/ui/hotel_search_window.h"
#include "hotel/user_hotels.h"
#include "shell/captions.h"
#include "shell/fonts.h"
#include "shell/key_handling.h"
#include "shell/loading_window.h"
#include "shell/qt_strings.h"
#include "shell/window_place.h"

namespace vorlash {

namespace {

constexpr int kGridPoints = 9;
constexpr int kVisibleRows = 16;
constexpr int kRoomsColumn = 3;

}  // namespace

HotelListWindow::HotelListWindow(AppContext& ctx) : ctx_(ctx) {
  using namespace hotel_text;
  setObjectName(QStringLiteral("timetable6"));
  setWindowTitle(to_qstring(kListTitle));

  Command1 = new QPushButton(this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setFocusPolicy(Qt::NoFocus);

  MSFlexGrid1 = new QTableWidget(this);
  MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
  MSFlexGrid1->setFont(fixed_pitch_font(kGridPoints));
  MSFlexGrid1->horizontalHeader()->setFont(fixed_pitch_font(kGridPoints));
  MSFlexGrid1->verticalHeader()->hide();
  // Rows as high as the grid font needs, as in a flex grid.
  int const row_height = QFontMetrics(MSFlexGrid1->font()).height() + 4;
  MSFlexGrid1->verticalHeader()->setMinimumSectionSize(row_height);
  MSFlexGrid1->verticalHeader()->setDefaultSectionSize(row_height);
  MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  MSFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  MSFlexGrid1->setWordWrap(false);
  MSFlexGrid1->setTextElideMode(Qt::ElideNone);
  // A widened window gives its room to the remarks.
  MSFlexGrid1->horizontalHeader()->setStretchLastSection(true);

  Label1 = new QLabel(to_qstring(kListNote), this);
  Label1->setObjectName(QStringLiteral("Label1"));

  Command2 = new QPushButton(to_qstring(kListClose), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command3 = new QPushButton(to_qstring(kNarrow), this);
  Command3->setObjectName(QStringLiteral("Command3"));
  ensure_caption_fits(Command2);
  ensure_caption_fits(Command3);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Label1, 1);
  buttons->addWidget(Command3);
  buttons->addWidget(Command2);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Command1);
  layout->addWidget(MSFlexGrid1, 1);
  layout->addLayout(buttons);

  connect(Command2, &QPushButton::clicked, this, [this] { close_back_to_search(); });
  connect(Command3, &QPushButton::clicked, this, [this] { narrow_by_district(); });
  auto* keys = new KeyActions(this);
  keys->on_escape({MSFlexGrid1, Command2, Command3}, [this] { close_back_to_search(); });
  // Tab goes from the grid along the buttons as they stand, left to right.
  setTabOrder(MSFlexGrid1, Command3);
  setTabOrder(Command3, Command2);

  init_set();
}

void HotelListWindow::init_set() {
  Command1->setText(literal_caption(hotel_list_title(ctx_.state, ctx_.windows.hotel_search)));
  MSFlexGrid1->setAccessibleName(
      to_qstring(hotel_list_title(ctx_.state, ctx_.windows.hotel_search)));
  if (ctx_.state.hotel_loaded == 0) load_hotels();
  if (select_hotel_list(ctx_.state, ctx_.windows.hotel_search) == 0) {
    ctx_.platform.messages.show(
        error_message(std::string(hotel_text::kNoHotels), hotel_text::kNoHotelsHelp));
    // The window is dropped unseen, but unloading it still ends the help.
    ctx_.quit_help();
    return;
  }
  has_hotels_ = true;
  set_grid();
  open_resizable(this, {MSFlexGrid1});
  place_window(this, ctx_.state.form[kHotelListWindow]);
  Command3->setEnabled(can_narrow(ctx_.windows.hotel_search));
  MSFlexGrid1->setFocus();
}

void HotelListWindow::load_hotels() {
  QPointer<LoadingWindow> loading;
  HotelLoadHooks hooks;
  hooks.open_loading = [&] { loading = open_loading_window(ctx_, kLoadingHotels); };
  hooks.close_loading = [&] {
    if (loading) loading->finish();
  };
  hooks.yield = ctx_.yield;
  auto const& folder =
      ctx_.state.program_folder.empty() ? ctx_.program_folder : ctx_.state.program_folder;
  // A file that cannot be read leaves its hotels out without a word; only
  // DataFile hotels pushed out by the user hotels are reported, since the
  // user can make room for them.
  auto const report = load_hotel_table(ctx_.state, folder, hooks);
  if (std::string const left_out = left_out_message(report.left_out); !left_out.empty())
    ctx_.platform.messages.show(error_message(left_out));
}

void HotelListWindow::set_grid() {
  using namespace hotel_text;
  auto const& search = ctx_.windows.hotel_search;
  MSFlexGrid1->clear();
  MSFlexGrid1->setColumnCount(kGridColumns);
  MSFlexGrid1->setRowCount(search.result_count);
  QStringList headers;
  for (auto const& header : hotel_grid_header()) headers << to_qstring(header);
  MSFlexGrid1->setHorizontalHeaderLabels(headers);
  int width = 0;
  for (int c = 0; c < kGridColumns; ++c) {
    int const pixels = column_width(c, headers[c]);
    MSFlexGrid1->setColumnWidth(c, pixels);
    width += pixels;
  }
  for (int r = 1; r <= search.result_count; ++r) {
    auto const slot = static_cast<std::size_t>(search.result[static_cast<std::size_t>(r)]);
    auto const cells = hotel_grid_cells(ctx_.state.hotel[slot]);
    for (int c = 0; c < kGridColumns; ++c) {
      auto* item = new QTableWidgetItem(to_qstring(cells[static_cast<std::size_t>(c)]));
      if (c == kRoomsColumn) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      MSFlexGrid1->setItem(r - 1, c, item);
    }
  }
  auto const row_height = MSFlexGrid1->verticalHeader()->defaultSectionSize();
  auto const frame = 2 * MSFlexGrid1->frameWidth();
  MSFlexGrid1->setMinimumSize(
      width + frame + MSFlexGrid1->verticalScrollBar()->sizeHint().width(),
      MSFlexGrid1->horizontalHeader()->sizeHint().height() + row_height * kVisibleRows + frame);
}

int HotelListWindow::column_width(int column, const QString& header) const {
  auto const fill = hotel_text::kGridColumnFill[static_cast<std::size_t>(column)];
  QString const longest(fill.chars, fill.fullwidth ? QChar(0x6771) : QChar('0'));  // 東
  // Room for the cell's and the header's margins around the text.
  int const cell = QFontMetrics(MSFlexGrid1->font()).horizontalAdvance(longest) + 10;
  int const heading =
      QFontMetrics(MSFlexGrid1->horizontalHeader()->font()).horizontalAdvance(header) + 14;
  return std::max(
      {twips_to_pixels(hotel_text::kGridTwips[static_cast<std::size_t>(column)]), cell, heading});
}

void HotelListWindow::close_back_to_search() {
  store_position(ctx_.state, kHotelListWindow, this);
  auto& search = ctx_.windows.hotel_search;
  if (search.opened_from_search != 0) {
    if (auto* search_window = ctx_.window_as<HotelSearchWindow>(kHotelSearchWindow))
      search_window->focus_region();
    search.opened_from_search = 0;
  }
  close();
}

void HotelListWindow::narrow_by_district() {
  ctx_.show_window<DistrictSelectWindow>(kDistrictSelectWindow);
  close();
}

void HotelListWindow::closeEvent(QCloseEvent* event) {
  ctx_.quit_help();
  event->accept();
}

HotelListWindow* open_hotel_list(AppContext& ctx) {
  return ctx.show_window<HotelListWindow>(kHotelListWindow);
}

}  // namespace vorlash
