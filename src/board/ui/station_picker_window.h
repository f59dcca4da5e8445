// The station picker (StationPickerWindow): a list of station names from which the
// user picks one for a field of the window that asked. The mode chooses the
// list and says which field is served: 1 the Keiyo station of the settings
// window, 2 its Shinkansen station, 12 and 22 the boarding and alighting
// stations of the search window. The chosen name is handed, unchanged, to
// the asking window's target; that window's own checks judge it later.
//
//   open_station_picker(ctx, kPickSearchBoarding,
//                       [this](const std::string& name) { Text1->setText(...); });
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "shell/app_context.h"

class QListWidget;
class QPushButton;

namespace vorlash {

inline constexpr int kStationPickerWindow = 22;

// Picker modes (the view mode the asking window sets).
inline constexpr int kPickKeiyoStation = 1;
inline constexpr int kPickSinkansenStation = 2;
inline constexpr int kPickSearchBoarding = 12;
inline constexpr int kPickSearchAlighting = 22;

// Where the chosen name goes: the asking window's field.
using StationTarget = std::function<void(const std::string& name)>;

class StationPickerWindow final : public QWidget {
 public:
  // Fills the header and the list for the view mode; "選択" starts disabled.
  StationPickerWindow(AppContext& ctx, StationTarget target);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // A click in List1: "選択" follows the selection and takes the focus.
  void enable_and_focus_choose();
  // "選択" (Command3) and a double-click: hands the first selected name to
  // the target and closes; nothing happens while no row is selected.
  void pick_selected();
  // Return in the list: picks the highlighted row.
  void pick_current();
  // Stores the position and closes.
  void end_proc();

  AppContext& ctx_;
  StationTarget target_;
  QPushButton* Command1 = nullptr;
  QListWidget* List1 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command2 = nullptr;
};

// Sets the view mode and opens the picker for `target`. An open picker is
// brought to the front unchanged, still serving the field it was opened for.
StationPickerWindow* open_station_picker(AppContext& ctx, int mode, StationTarget target);

}  // namespace vorlash
