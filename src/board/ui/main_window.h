// The main window (MainWindow): the clock line, the Shinkansen and Keiyo
// departure lists, and the buttons and menus that reach every other window.
// Its load runs the program's start-up; ending it ends the program, and how
// it ends decides what is saved:
//
//   way                        position stored  SettingsFile              other windows
//   "終了" (Command1)          yes              by the unload step        stay open
//   Escape on a control        yes              by the unload step        end at once
//   close box                  no               by the unload step        stay open
//   File menu "終了"           yes              only if control2_flg = 1  end at once
//   the settings window        no               by the unload step        end at once
//     (Keiyo display switched on)
//
// The unload step: with saving off (control2_flg not 1) the SettingsFile is
// read again first, so that its saved content is what gets written back,
// with control2_flg = 0; then it is written.
#pragma once

#include <QMainWindow>
#include <functional>

#include "base/status.h"
#include "shell/app_context.h"
#include "text/language.h"

class QAction;
class QGroupBox;
class QListWidget;
class QPushButton;
class QTimer;

namespace vorlash {

struct DepartureList;

inline constexpr int kMainWindow = 1;
inline constexpr int kTickMs = 60000;
// How much the window shrinks, and its lower buttons rise, without the
// Keiyo list.
inline constexpr int kKeiyoBlockTwips = 1485;

class MainWindow final : public QMainWindow {
 public:
  // Builds the controls and menus; registers itself as window 1.
  explicit MainWindow(AppContext& ctx);

  // The load: the start-up sequence behind the loading window, ending with
  // set_form1. A failure has been reported in an error box; the window must
  // then not be shown.
  Status form_load();

  // Places the window, computes the day type, shows the clock line, fills
  // both lists and, without the Keiyo line, removes its frame. Buttons and
  // menu entries whose window has no opener are disabled.
  void set_form1();

  // Rebuilds both departure lists into Frame1/List1 and Frame2/List2 (the
  // Keiyo list only while keiyo_use is 1).
  void refresh_lists();
  // set_holiday and edit_time into the clock line (Command2).
  void refresh_clock_line();

  // Closes the main window so that its unload step runs with the saving
  // rule, then ends the program.
  void end_program_via_unload();

  // Ends the program at once once the ending has been handled (the event
  // loop is left; other windows are not asked). Tests replace it.
  std::function<void()> end_program;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build_controls();
  void build_menus();
  void layout_controls(bool with_keiyo);
  void enable_window_entries();

  // Every minute (Timer1): the clock line and both lists.
  void refresh_board();
  // A double-click on a row of List1 (Shinkansen) or List2 (Keiyo): the
  // passing stations of that train.
  void show_passing_stations(int view_mode);
  // "終了" (Command1): stores the position and closes (unload step).
  void store_position_and_close();
  // File menu "終了" (mnu_end): saves only when saving is on, then ends.
  void end_skipping_unload();
  // Edit menu "ホテル情報の登録・修正" (mnu_hotels): the user hotel list.
  void open_user_hotels();
  // ﾍﾙﾌﾟ > ﾄﾋﾟｯｸの検索 (mnu_topics).
  void show_help_contents();
  // ﾍﾙﾌﾟ > バージョン情報 (mnu_about): program, version, Edition, data date, files.
  void show_about();
  // View menu > language (mnu_language_ja, mnu_language_en).
  void choose_language(Language lang);
  // Escape on a control: stores the position, closes (unload step) and ends.
  void end_proc();
  // The unload step of the SettingsFile.
  void form_unload();
  // A double-click on Frame1 or Frame2, and the View menu: that line's timetable.
  void open_timetable(int view_mode);

  AppContext& ctx_;
  QWidget* central_ = nullptr;
  QGroupBox* Frame1 = nullptr;
  QListWidget* List1 = nullptr;
  QGroupBox* Frame2 = nullptr;
  QListWidget* List2 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command4 = nullptr;
  QPushButton* Command5 = nullptr;
  QTimer* Timer1 = nullptr;

  QAction* mnu_end = nullptr;
  QAction* mnu_time = nullptr;
  QAction* mnu_settings = nullptr;
  QAction* mnu_hotels = nullptr;
  QAction* mnu_view_sinkansen = nullptr;
  QAction* mnu_view_keiyo = nullptr;
  QAction* mnu_view_search = nullptr;
  QAction* mnu_view_hotel_search = nullptr;
  QAction* mnu_topics = nullptr;
  QAction* mnu_about = nullptr;

  bool keiyo_shown_ = true;
  bool unloaded_ = false;
};

// The main window while it is open; nullptr once it has closed (the other
// windows may outlive it).
inline MainWindow* main_window(AppContext& ctx) {
  return ctx.window_as<MainWindow>(kMainWindow);
}

}  // namespace vorlash
