// The area selection window (AreaSelectWindow): the user picks a region name
// from the region table, filtered by area, or from the recent places, and
// the window hands it, trimmed, to the window that asked.
//
// The asking window passes its target; the target writes the name into its
// field and moves its own focus on (the hotel search window to "検索開始",
// the user hotel editor to its district box). Guard the target against the
// asking window closing first:
//
//   open_area_selection(ctx, kAreaForHotelEditor,
//       [w = QPointer<UserHotelEditorWindow>(this)](const std::string& region) {
//         if (w) w->receive_region(region);
//       });
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "hotel/hotel_texts.h"
#include "shell/app_context.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace vorlash {

inline constexpr int kAreaSelectWindow = 15;

// Area selection modes: who asked.
inline constexpr int kAreaForHotelSearch = 2;
inline constexpr int kAreaForHotelEditor = 3;

// Receives the chosen region name, trimmed.
using RegionTarget = std::function<void(const std::string& region)>;

class AreaSelectWindow final : public QWidget {
 public:
  // Places the window, fills the recent list and the region list of the
  // area last chosen (control9_flg), selects its option.
  AreaSelectWindow(AppContext& ctx, RegionTarget target);

  // The mode it was opened in, and a new target for the same mode.
  int mode() const { return mode_; }
  void set_target(RegionTarget target) { target_ = std::move(target); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void init_set();
  // Fills the region list with the regions of `area` and remembers the area.
  void set_list1(int area);
  void set_list2();
  void set_captions();
  // A click in List1 (regions) or List2 (recent places): "選択確定" will
  // take that list's entry.
  void note_clicked_list(const QListWidget* list);
  // "選択確定" (Command1): the entry selected in the list clicked last.
  void confirm_choice();
  // A double-click in List1 or List2: its entry at once.
  void choose_from(const QListWidget* list);
  void deliver(const QListWidget* list);
  void end_proc();

  AppContext& ctx_;
  RegionTarget target_;
  int mode_ = 0;
  const QListWidget* last_list_ = nullptr;

  QGroupBox* Frame1 = nullptr;
  std::array<QRadioButton*, hotel_text::kAreaCount> Option{};
  QLabel* Label1 = nullptr;
  QListWidget* List1 = nullptr;
  QLabel* Label2 = nullptr;
  QListWidget* List2 = nullptr;
  QLineEdit* Text1 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
};

// Sets the area selection mode and opens the window for `target`. An open
// window of the same mode is brought to the front and serves the new
// target; one opened for the other asker is closed first and opened anew,
// so a choice never lands in the wrong window.
AreaSelectWindow* open_area_selection(AppContext& ctx, int mode, RegionTarget target);

}  // namespace vorlash
