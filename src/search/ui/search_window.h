// The Shinkansen search window (SearchConditionsWindow, "新幹線の検索"): the conditions
// of one connection search. It checks them, stores them in AppState and opens
// the results window, whose load runs the search; it searches nothing itself.
//
// Controls (object names; TextN is input box N of the checks):
//   Frame1 "乗車条件": Text1 boarding station, Text2..Text5 departure window
//     (hour, minute, hour, minute)
//   Frame2 "下車条件": Text6 alighting station, Text7..Text10 arrival window
//   Frame3 "検索結果の表示条件": Option1 発車時刻順, Option2 到着時刻順,
//     Option3 乗車時間順
//   Frame4 "乗り換え時の条件": Text11 waiting minutes; Frame5 "乗り換え回数":
//     Option4 １回, Option5 ２回; Frame6 "組み合わせ条件": Option6 １列車あたり１件,
//     Option7 １列車あたり全件
//   Frame7 "乗車予定日": Text13 year, Text14 month, Text15 day, Label1 the
//     weekday of the date in the three boxes (empty while they form none),
//     Command3 "ｶﾚﾝﾀﾞｰ"
//   Command1 "検索開始", Command2 "終了", Text12 the message line
//
// Enter in a box runs that box's check alone and moves on when it passes
// (1..11, then "検索開始"; 13, 14, 15, then 1); a station box that fails opens
// the station picker for it, as a double-click does. Escape closes the window
// without storing anything.
#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "search/search_form.h"
#include "shell/app_context.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vorlash {

inline constexpr int kSearchConditionsWindow = 25;

class SearchConditionsWindow final : public QWidget {
 public:
  // Places the window and fills it with the last conditions.
  explicit SearchConditionsWindow(AppContext& ctx);

  // The calendar's pick: the three date boxes and the weekday label.
  void show_plan_date(const std::string& year, const std::string& month, const std::string& day,
                      const std::string& weekday_label);
  // Puts the focus into input box `field` (1..15), or on "検索開始" for
  // kFocusStartButton.
  void focus_field(int field);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build_controls();
  void set_form1();
  SearchForm form_from_controls() const;
  void show_form(const SearchForm& form);
  // Label1 from the three date boxes as they stand.
  void show_weekday();

  // Enter in input box `field` (TextN): its check alone, then on.
  void check_and_move_on(int field);
  // A double-click on box 1 or 6: the station picker for it (mode 12 or 22).
  void pick_station(int field);
  // "検索開始" (Command1): checks and stores the conditions, then opens the
  // results window.
  void start_search();
  // "終了" (Command2): stores the position, brings the main window forward
  // and closes.
  void back_to_main_window();
  // "ｶﾚﾝﾀﾞｰ" (Command3).
  void open_calendar();
  // Escape: stores the position and closes.
  void end_proc();

  AppContext& ctx_;
  std::array<QLineEdit*, 16> Text{};      // Text[1..15]; Text[12] is the message line
  std::array<QRadioButton*, 8> Option{};  // Option[1..7]
  QLabel* Label1 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  bool searching_ = false;
};

// Opens the search window (brings an open one to the front unchanged).
void open_search_conditions_window(AppContext& ctx);

}  // namespace vorlash
