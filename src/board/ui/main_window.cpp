#include "board/ui/main_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

#include "board/about.h"
#include "board/board_texts.h"
#include "board/clock_day.h"
#include "board/departure_list.h"
#include "board/ui/passing_stations_window.h"
#include "board/ui/timetable_window.h"
#include "board/ui/window_texts.h"
#include "platform/language_choice.h"
#include "platform/message_box.h"
#include "shell/captions.h"
#include "shell/fonts.h"
#include "shell/key_handling.h"
#include "shell/qt_strings.h"
#include "shell/start_up.h"
#include "shell/window_place.h"

namespace vorlash {

namespace {

// Openers of the windows built elsewhere.
constexpr char kSettingsWindow[] = "timetable5";
constexpr char kCorrectionWindow[] = "timetable21";
constexpr char kSearchWindow[] = "timetable25";
constexpr char kHotelSearchWindow[] = "timetable12";
constexpr char kUserHotelWindow[] = "timetable13";

constexpr int kViewKeiyo = 1;
constexpr int kViewSinkansen = 2;

// The fixed-pitch font of the window, so the list rows line up.
constexpr int kPointSize = 10;
// Room for the longest departure row: train, time, end station with its
// time and the hurry mark, with a long station name.
constexpr int kListColumns = 58;

// Layout in twips (converted at the screen's DPI).
constexpr int kMarginTwips = 120;
constexpr int kClockLineTwips = 420;
constexpr int kFrame1Twips = 3000;
constexpr int kButtonTwips = 495;
constexpr int kMinWidthTwips = 7200;

int px(int twips) {
  return twips_to_pixels(twips);
}

void fill_list(QGroupBox* frame, QListWidget* list, const DepartureList& departures) {
  frame->setTitle(literal_caption(departures.caption));
  list->setAccessibleName(to_qstring(departures.caption));  // a list takes no name from its frame
  list->setAccessibleDescription(to_qstring(board_text::kListColumns));
  list->clear();
  for (auto const& row : departures.rows) list->addItem(to_qstring(row));
}

// The first selected row, or -1.
int first_selected_row(const QListWidget* list) {
  for (int row = 0; row < list->count(); ++row) {
    if (list->item(row)->isSelected()) return row;
  }
  return -1;
}

QListWidget* make_list(const char* name, QWidget* frame) {
  auto* list = new QListWidget(frame);
  list->setObjectName(QString::fromLatin1(name));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setFont(fixed_pitch_font(kPointSize));
  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(6, 4, 6, 6);
  layout->addWidget(list);
  return list;
}

}  // namespace

MainWindow::MainWindow(AppContext& ctx)
    : end_program([] { QCoreApplication::exit(0); }), ctx_(ctx) {
  setObjectName(QStringLiteral("timetable1"));
  setWindowTitle(to_qstring(board_window_text::kMainCaption));
  build_controls();
  build_menus();
  layout_controls(true);
  ctx_.adopt_window(kMainWindow, this);
}

void MainWindow::build_controls() {
  using namespace board_window_text;
  central_ = new QWidget(this);
  central_->setFont(fixed_pitch_font(kPointSize));
  setCentralWidget(central_);

  Command2 = new QPushButton(central_);
  Command2->setObjectName(QStringLiteral("Command2"));
  Frame1 = new QGroupBox(literal_caption(kFrame1), central_);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  List1 = make_list("List1", Frame1);
  Frame2 = new QGroupBox(literal_caption(kFrame2), central_);
  Frame2->setObjectName(QStringLiteral("Frame2"));
  List2 = make_list("List2", Frame2);

  auto const button = [this](const char* name, std::string_view caption) {
    auto* b = new QPushButton(to_qstring(caption), central_);
    b->setObjectName(QString::fromLatin1(name));
    return b;
  };
  Command3 = button("Command3", kCommand3);
  Command4 = button("Command4", kCommand4);
  Command5 = button("Command5", kCommand5);
  Command1 = button("Command1", kCommand1);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(kTickMs);

  connect(Timer1, &QTimer::timeout, this, [this] { refresh_board(); });
  connect(Command2, &QPushButton::clicked, this, [this] { ctx_.open(kCorrectionWindow); });
  connect(Command3, &QPushButton::clicked, this, [this] { ctx_.open(kSearchWindow); });
  connect(Command4, &QPushButton::clicked, this, [this] { ctx_.open(kHotelSearchWindow); });
  connect(Command5, &QPushButton::clicked, this, [this] { ctx_.open(kSettingsWindow); });
  connect(Command1, &QPushButton::clicked, this, [this] { store_position_and_close(); });
  connect(List1, &QListWidget::itemDoubleClicked, this,
          [this] { show_passing_stations(kViewSinkansen); });
  connect(List2, &QListWidget::itemDoubleClicked, this,
          [this] { show_passing_stations(kViewKeiyo); });
  Frame1->installEventFilter(this);
  Frame2->installEventFilter(this);

  auto* keys = new KeyActions(this);
  keys->on_escape({Command1, Command2, Command3, Command4, Command5, List1, List2},
                  [this] { end_proc(); });
}

void MainWindow::build_menus() {
  using namespace board_window_text;
  auto const entry = [this](QMenu* menu, const char* name, std::string_view caption,
                            std::function<void()> action) {
    auto* a = menu->addAction(mnemonic_caption(caption));
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, std::move(action));
    return a;
  };
  auto const menu = [this](const char* name, std::string_view caption) {
    auto* m = menuBar()->addMenu(mnemonic_caption(caption));
    m->setObjectName(QString::fromLatin1(name));
    return m;
  };

  auto* file = menu("mnu_file", kMenuFile);
  mnu_end = entry(file, "mnu_end", kMenuFileEnd, [this] { end_skipping_unload(); });

  auto* edit = menu("mnu_edit", kMenuEdit);
  mnu_time = entry(edit, "mnu_time", kMenuEditTime, [this] { ctx_.open(kCorrectionWindow); });
  edit->addSeparator();
  mnu_settings =
      entry(edit, "mnu_settings", kMenuEditSettings, [this] { ctx_.open(kSettingsWindow); });
  edit->addSeparator();
  mnu_hotels = entry(edit, "mnu_hotels", kMenuEditHotels, [this] { open_user_hotels(); });

  auto* view = menu("mnu_view", kMenuView);
  mnu_view_sinkansen = entry(view, "mnu_view_sinkansen", kMenuViewSinkansen,
                             [this] { open_timetable(kViewSinkansen); });
  mnu_view_keiyo =
      entry(view, "mnu_view_keiyo", kMenuViewKeiyo, [this] { open_timetable(kViewKeiyo); });
  view->addSeparator();
  mnu_view_search =
      entry(view, "mnu_view_search", kMenuViewSearch, [this] { ctx_.open(kSearchWindow); });
  mnu_view_hotel_search = entry(view, "mnu_view_hotel_search", kMenuViewHotelSearch,
                                [this] { ctx_.open(kHotelSearchWindow); });
  view->addSeparator();
  auto* languages = view->addMenu(mnemonic_caption(kMenuViewLanguage));
  languages->setObjectName(QStringLiteral("mnu_language"));
  for (auto [name, caption, lang] :
       {std::tuple{"mnu_language_ja", kLanguageJapanese, Language::ja},
        std::tuple{"mnu_language_en", kLanguageEnglish, Language::en}}) {
    auto* a = entry(languages, name, caption, [this, lang] { choose_language(lang); });
    a->setCheckable(true);
    a->setChecked(language() == lang);
  }

  auto* help = menu("mnu_help", kMenuHelp);
  mnu_topics = entry(help, "mnu_topics", kMenuHelpTopics, [this] { show_help_contents(); });
  help->addSeparator();
  mnu_about = entry(help, "mnu_about", kMenuHelpAbout, [this] { show_about(); });
}

void MainWindow::layout_controls(bool with_keiyo) {
  QFontMetrics const metrics(List1->font());
  int const margin = px(kMarginTwips);
  int const list_width = metrics.horizontalAdvance(QString(kListColumns, QChar('0'))) + 40;
  // Four buttons side by side, each as wide as the widest caption (English
  // captions are longer than the Japanese ones).
  int widest_button = 0;
  for (auto* button : {Command3, Command4, Command5, Command1})
    widest_button = std::max(widest_button, button->sizeHint().width());
  int const width =
      std::max({px(kMinWidthTwips), list_width + 2 * margin, 4 * widest_button + 5 * margin});
  int const inner = width - 2 * margin;

  Command2->setGeometry(margin, margin, inner, px(kClockLineTwips));
  int y = margin + px(kClockLineTwips) + margin;
  Frame1->setGeometry(margin, y, inner, px(kFrame1Twips));
  y += px(kFrame1Twips) + margin;
  Frame2->setGeometry(margin, y, inner, px(kKeiyoBlockTwips) - margin);
  y += px(kKeiyoBlockTwips);

  QPushButton* const row[] = {Command3, Command4, Command5, Command1};
  int const gap = margin;
  int const button_width = (inner - 3 * gap) / 4;
  for (int i = 0; i < 4; ++i) {
    row[i]->setGeometry(margin + i * (button_width + gap), y, button_width, px(kButtonTwips));
  }
  central_->setFixedSize(width, y + px(kButtonTwips) + margin);
  keiyo_shown_ = with_keiyo;
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::set_form1() {
  place_window(this, ctx_.state.form[kMainWindow]);
  refresh_clock_line();
  refresh_lists();
  if (ctx_.state.keiyo_use != 1 && keiyo_shown_) {
    // Without the Keiyo line its frame goes and everything below it moves
    // up; the clock line keeps its place.
    int const shift = px(kKeiyoBlockTwips);
    Frame2->hide();
    for (auto* b : {Command1, Command3, Command4, Command5}) b->move(b->x(), b->y() - shift);
    central_->setFixedSize(central_->width(), central_->height() - shift);
    keiyo_shown_ = false;
  }
  if (ctx_.state.keiyo_use != 1) mnu_view_keiyo->setEnabled(false);
  enable_window_entries();
  Timer1->start();
}

void MainWindow::enable_window_entries() {
  bool const correction = ctx_.can_open(kCorrectionWindow);
  bool const search = ctx_.can_open(kSearchWindow);
  bool const hotel_search = ctx_.can_open(kHotelSearchWindow);
  bool const settings = ctx_.can_open(kSettingsWindow);
  Command2->setEnabled(correction);
  mnu_time->setEnabled(correction);
  Command3->setEnabled(search);
  mnu_view_search->setEnabled(search);
  Command4->setEnabled(hotel_search);
  mnu_view_hotel_search->setEnabled(hotel_search);
  Command5->setEnabled(settings);
  mnu_settings->setEnabled(settings);
  mnu_hotels->setEnabled(ctx_.can_open(kUserHotelWindow));
}

Status MainWindow::form_load() {
  StartUpSteps steps;
  steps.keiyo_skipped = [this] { mnu_view_keiyo->setEnabled(false); };
  steps.set_form1 = [this] { set_form1(); };
  steps.show_again = [this] { bring_to_front(this); };
  return start_up(ctx_, steps);
}

void MainWindow::refresh_lists() {
  DepartureList sinkansen;
  edit_sinkansen(ctx_.state, ctx_.windows.board, sinkansen);
  fill_list(Frame1, List1, sinkansen);
  // Once the Keiyo line is switched off the list is left as it stands.
  if (ctx_.state.keiyo_use == 1) {
    DepartureList keiyo;
    edit_keiyo(ctx_.state, ctx_.windows.board, keiyo);
    fill_list(Frame2, List2, keiyo);
  }
}

void MainWindow::refresh_clock_line() {
  set_holiday(ctx_.state);
  Command2->setText(literal_caption(edit_time(ctx_.state, ctx_.platform.clock)));
}

void MainWindow::refresh_board() {
  refresh_clock_line();
  refresh_lists();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (watched == Frame1) {
      open_timetable(kViewSinkansen);
      return true;
    }
    if (watched == Frame2) {
      open_timetable(kViewKeiyo);
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::open_timetable(int view_mode) {
  ctx_.windows.board.view_mode = view_mode;
  ctx_.show_window<TimetableWindow>(kTimetableWindow);
}

// A row that holds an empty-list message maps to no train: it opens nothing.
void MainWindow::show_passing_stations(int view_mode) {
  auto& board = ctx_.windows.board;
  bool const sinkansen = view_mode == kViewSinkansen;
  int const row = first_selected_row(sinkansen ? List1 : List2);
  if (row < 0 || row >= (sinkansen ? board.sinkansen_rows : board.keiyo_rows)) return;
  (sinkansen ? board.chosen_sinkansen_row : board.chosen_keiyo_row) = row;
  board.view_mode = view_mode;
  // Closed and opened anew, so it always shows the row just double-clicked.
  ctx_.close_window(kPassingStationsWindow);
  ctx_.show_window<PassingStationsWindow>(kPassingStationsWindow);
}

void MainWindow::open_user_hotels() {
  // The user hotel list reads the hotel-loaded flag while it opens; the
  // table is read afresh the next time it is needed.
  ctx_.open(kUserHotelWindow);
  ctx_.state.hotel_loaded = 0;
}

// The choice is remembered for the next start; the open windows keep their
// language until then.
void MainWindow::choose_language(Language lang) {
  for (auto* a : menuBar()->findChildren<QAction*>()) {
    if (a->objectName().startsWith(QStringLiteral("mnu_language_")))
      a->setChecked(a->objectName().endsWith(to_qstring(language_code(lang))));
  }
  Status const st = remember_language(process_environment(), lang);
  ctx_.platform.messages.show(st ? MessageRequest{kConfirmTitle.str(),
                                                  board_window_text::kLanguageNextStart.str(),
                                                  MessageButtons::Ok, 0}
                                 : error_message(st.error));
}

void MainWindow::show_help_contents() {
  ctx_.platform.help.show_contents(ctx_.help_file_path());
}

void MainWindow::show_about() {
  MessageRequest about{std::string(board_text::kAboutCaption), about_text(ctx_.state)};
  about.information = true;
  ctx_.platform.messages.show(about);
}

}  // namespace vorlash
