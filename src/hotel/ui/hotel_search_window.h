// The hotel search window (HotelSearchWindow): the user types or picks a region
// and starts a search; the hotel list window shows the hotels found. The
// window stays open while hotel lists come and go.
#pragma once

#include <QWidget>
#include <string>

#include "shell/app_context.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vorlash {

inline constexpr int kHotelSearchWindow = 12;

class HotelSearchWindow final : public QWidget {
 public:
  // Places the window and proposes the most recent hotel region.
  explicit HotelSearchWindow(AppContext& ctx);

  // The area selection's choice: written into the region box; the focus
  // moves on to "検索開始".
  void receive_region(const std::string& region);
  // Brings the window forward with the focus in the region box.
  void focus_region();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void init_sec();
  void set_text1();
  // The region check; a failure shows the region error.
  bool check_text1();
  void Text1_Enter();
  void Text1_GotFocus();
  // "検索開始".
  void Command1_Click();
  // The area selection button: hides itself, opens the area selection.
  void Command3_Click();
  // Also run by a double-click on the region box.
  void open_area_selection_window();
  // "検索終了" and Escape: stores the position and closes.
  void end_proc();

  AppContext& ctx_;
  bool searching_ = false;  // a search is loading: another start waits for it
  QGroupBox* Frame1 = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* Text1 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
};

// Opens the hotel search window (an open one comes to the front unchanged).
void open_timetable12(AppContext& ctx);

}  // namespace vorlash
