// The district selection window (DistrictSelectWindow): the user moves districts of
// the listed region between the available list and the chosen list; the
// chosen ones narrow the hotel list, which opens again when this window
// closes through its buttons or Escape.
#pragma once

#include <QWidget>

#include "shell/app_context.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace vorlash {

inline constexpr int kDistrictSelectWindow = 7;

class DistrictSelectWindow final : public QWidget {
 public:
  explicit DistrictSelectWindow(AppContext& ctx);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void init_set();
  void set_list1();
  void set_list2();
  // "全選択>>" and "<<全取消" are offered while their source list has entries.
  void set_move_all_buttons();
  // A selection in List1 (available) offers "選択>", in List2 (chosen) "<取消".
  void enable_choose_button();
  void enable_remove_button();
  void choose_selected();     // "選択>" (Command1)
  void choose_all();          // "全選択>>" (Command2)
  void remove_selected();     // "<取消" (Command3)
  void remove_all();          // "<<全取消" (Command4)
  void keep_old_selection();  // "ｷｬﾝｾﾙ" (Command5): the selection stays as it was
  // "了解" (Command6) and Escape: the chosen list becomes the selection.
  void apply_selection();
  void reopen_list();

  AppContext& ctx_;
  QLabel* Label1 = nullptr;
  QListWidget* List1 = nullptr;
  QLabel* Label2 = nullptr;
  QListWidget* List2 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command4 = nullptr;
  QPushButton* Command5 = nullptr;
  QPushButton* Command6 = nullptr;
};

}  // namespace vorlash
