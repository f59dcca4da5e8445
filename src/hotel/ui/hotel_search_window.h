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
  // Enter in the region box (Text1): a region that passes moves the focus
  // on to "検索開始".
  void check_typed_region();
  // The region box got the focus: the area selection button appears.
  void show_area_button();
  // "検索開始" (Command1).
  void start_search();
  // The area selection button (Command3): hides itself, opens the area
  // selection.
  void choose_area();
  // Also run by a double-click on the region box.
  void open_area_selection_window();
  // "検索終了" (Command2) and Escape: stores the position and closes.
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
void open_hotel_search_window(AppContext& ctx);

}  // namespace vorlash
