// The user hotel list window (UserHotelListWindow): the user's own hotels, one row
// each, with the buttons to add, change and delete them. Changes go into the
// hotel table at once; "登録終了" writes the UserHotelFile, "取消" leaves the
// file as it was.
#pragma once

#include <QWidget>
#include <vector>

#include "data/app_state.h"
#include "shell/app_context.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace vorlash {

inline constexpr int kUserHotelListWindow = 13;

class UserHotelListWindow final : public QWidget {
 public:
  // Places the window, reads the UserHotelFile when the hotel table is not
  // loaded (an unreadable line is reported in a message box) and fills the
  // list.
  explicit UserHotelListWindow(AppContext& ctx);

  // Disables "修正" and "削除" (and drops the row selection that enabled
  // them).
  void disable_row_buttons();
  // Puts the rows' hotels back into the table when a hotel search has
  // reloaded it from the file meanwhile; run before the table is read or
  // changed for a row.
  void sync_table();
  // The editor stored the hotel now in `slot`: as a new hotel (added) or as
  // a change. Without re-sorting the row is appended or replaced in place;
  // with control3_flg 1 the whole list is rebuilt.
  void hotel_stored(int slot, bool added);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void init_set();
  void set_list1();
  int first_selected_row() const;
  // A row selected (List1): "修正" and "削除" are offered.
  void enable_row_buttons();
  // "登録終了" (Command1): writes the UserHotelFile and closes.
  void save_and_close();
  // "追加" (Command2).
  void add_hotel();
  // "修正" (Command3), or a double-click on a row.
  void change_selected_hotel();
  // "削除" (Command4), after a confirmation.
  void delete_selected_hotel();
  // "取消" (Command5) and Escape: closes without writing.
  void close_without_saving();
  void open_editor();

  AppContext& ctx_;
  // The hotels the rows show, slot 1 first: what "登録終了" writes even if
  // the table was reloaded meanwhile.
  std::vector<HotelRecord> rows_;

  QGroupBox* Frame1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QListWidget* List1 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command4 = nullptr;
  QPushButton* Command5 = nullptr;
};

// Opens the user hotel list (an open one comes to the front unchanged).
void open_user_hotel_list_window(AppContext& ctx);

}  // namespace vorlash
