// The calendar (CalendarWindow, "カレンダｰ"): a month sheet from which the user
// picks the planned travel date of the Shinkansen search window. It shows one
// month at a time, from the clock's month on; the scroll bar reaches 59
// months ahead, a typed month up to ten years.
//
// Controls (object names):
//   Text1 the month field ("2000/3"; Enter shows a typed month)
//   VScroll1 the scroll bar: its top end stands for position 60, its bottom
//     end for position 1 (the clock's month)
//   Command1_1 .. Command1_42 the day buttons, six rows of seven, Sunday
//     first; the buttons of empty slots are hidden
//   Label1 .. Label7 the headings "Sun" .. "Sat", Command2 "終了"
#pragma once

#include <QWidget>
#include <array>

#include "shell/app_context.h"

class QLineEdit;
class QPushButton;
class QScrollBar;

namespace vorlash {

inline constexpr int kCalendarWindow = 4;

class CalendarWindow final : public QWidget {
 public:
  // Places the window and shows the clock's month at scroll position 1.
  explicit CalendarWindow(AppContext& ctx);

  // The scroll position 1 (bottom) .. 60 (top).
  int scroll_position() const;
  void set_scroll_position(int position);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_controls();
  // `set_calendar` for cal_year and cal_month, then the buttons.
  void show_calendar();

  // The scroll bar (VScroll1) moved: its month into Text1 and the sheet.
  void show_scrolled_month();
  // Enter in the month field (Text1): a month that passes is shown.
  void show_typed_month();
  // A day button (Command1_1 .. Command1_42): the date goes to the search
  // window.
  void pick_day(int slot);
  // "終了" (Command2) and Escape: nothing is picked.
  void close_without_picking();
  // Stores the position, brings the search window forward with the focus in
  // box `field`, and closes.
  void return_to_search(int field);

  AppContext& ctx_;
  QLineEdit* Text1 = nullptr;
  QScrollBar* VScroll1 = nullptr;
  std::array<QPushButton*, 43> Command1{};  // Command1[1..42]
  QPushButton* Command2 = nullptr;
};

void open_calendar_window(AppContext& ctx);

}  // namespace vorlash
