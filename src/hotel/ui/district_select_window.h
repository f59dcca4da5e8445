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
  void List1_Click();
  void List2_Click();
  void Command1_Click();  // "選択>"
  void Command2_Click();  // "全選択>>"
  void Command3_Click();  // "<取消"
  void Command4_Click();  // "<<全取消"
  void Command5_Click();  // "ｷｬﾝｾﾙ": the selection stays as it was
  void Command6_Click();  // "了解" and Escape: the chosen list becomes the selection
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
