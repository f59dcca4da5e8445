// The settings window (SettingsWindow, "動作環境"): the departure board's
// stations, directions, walking minutes and row counts, the Keiyo display,
// the ordering of the user's hotel list and the save-on-exit choice.
//
// Controls (object names):
//   Frame1 "京葉線の設定": Option1 down, Option2 up; Frame2 "利用駅の設定"
//     with Text1 station, Text2 normal minutes, Text3 hurry minutes, Text4 count
//   Frame3 "新幹線の設定": Option3 down, Option4 up; Frame4 "利用駅の設定"
//     with Text5 station, Text6 normal minutes, Text7 hurry minutes, Text8 count
//   Frame5 "利用者ホテル情報の登録・修正": Option5 (1), Option6 (2), Option7 (0)
//   Frame6 "動作環境の退避": Option8 save, Option9 do not save
//   Frame7 "京葉線の表示": Option10 show, Option11 hide, Label1 the note
//   Text9 the message line, Command1 "了解"
//
// Text1..Text8 are the fields 1..8 of the checks; Enter checks one field and
// moves on, a double-click on Text1 or Text5 opens the station picker for
// it, Escape closes without storing anything.
#pragma once

#include <QWidget>
#include <array>

#include "settings/settings_form.h"
#include "shell/app_context.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vorlash {

inline constexpr int kSettingsWindow = 5;

class SettingsWindow final : public QWidget {
 public:
  explicit SettingsWindow(AppContext& ctx);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build_controls();
  void set_form1();
  SettingsForm form_from_controls() const;
  void show_form(const SettingsForm& form);
  void focus_field(int field);

  // Enter in field n: its check alone, then the focus moves on.
  void check_and_move_on(int field);
  // A double-click on a station field: the station picker for it.
  void pick_station(int field);
  // "了解" (Command1): checks and stores the settings; switching the Keiyo
  // display on ends the program.
  void apply_settings();
  // Escape: stores the position, brings the main window forward and closes.
  void end_proc();

  AppContext& ctx_;
  std::array<QLineEdit*, kSettingsFieldCount + 2> Text{};  // Text[1..9]
  std::array<QRadioButton*, 12> Option{};                  // Option[1..11]
  QPushButton* Command1 = nullptr;
};

void open_settings_window(AppContext& ctx);

}  // namespace vorlash
