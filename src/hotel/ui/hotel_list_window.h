// The hotel list window (HotelListWindow): the hotels of the searched region,
// narrowed to the selected districts, in a grid of seven columns. Every
// opening loads the hotel table when it is not loaded, selects the hotels
// anew and fills the grid; with no hotel to show it reports
// "ホテルデータなし" and does not appear.
#pragma once

#include <QWidget>

#include "shell/app_context.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace vorlash {

inline constexpr int kHotelListWindow = 6;

class HotelListWindow final : public QWidget {
 public:
  explicit HotelListWindow(AppContext& ctx);

  // False when the search found no hotel (the window is then dropped).
  bool should_show() const { return has_hotels_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void init_set();
  void load_hotels();
  void set_grid();
  // A column's width in pixels: its longest allowed text and its header fit.
  int column_width(int column, const QString& header) const;
  // "終了" (Command2) and Escape: stores the position, hands the focus back
  // to the hotel search window when it opened this list, and closes.
  void close_back_to_search();
  // "地区の絞り込み" (Command3): opens the district selection and closes the list.
  void narrow_by_district();

  AppContext& ctx_;
  bool has_hotels_ = false;
  QPushButton* Command1 = nullptr;  // the title line; it has no action
  QTableWidget* MSFlexGrid1 = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
};

// Opens the hotel list for the search in AppState (nullptr when it found
// no hotel, or when a list is already open, which comes to the front).
HotelListWindow* open_hotel_list(AppContext& ctx);

}  // namespace vorlash
