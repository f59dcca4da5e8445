// The date/time correction window (CorrectionWindow, "日時補正"): shows the
// computer's clock, and corrects the program's "now" either by setting the
// clock ("日時設定") or by a temporary offset ("一時設定"); "取消終了" drops
// every correction.
//
// Controls (object names):
//   Frame1 "現在日時": Text1..Text6 (year .. second of the clock, read-only)
//   Frame2 "補正日時": Text7..Text12 (year .. second to set)
//   Command1 "日時設定", Command2 "一時設定", Command3 "取消終了"
//   Timer1, every 1000 ms: reads the clock into the "現在日時" fields
#pragma once

#include <QWidget>
#include <array>

#include "settings/correction_form.h"
#include "shell/app_context.h"

class QLineEdit;
class QPushButton;
class QTimer;

namespace vorlash {

inline constexpr int kCorrectionWindow = 21;
inline constexpr int kClockTickMs = 1000;

class CorrectionWindow final : public QWidget {
 public:
  explicit CorrectionWindow(AppContext& ctx);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_controls();
  void set_form1();
  void show_clock(const ClockReading& reading);
  // The corrected fields' texts into the form before a check.
  void take_texts();
  void focus_field(int field);
  // After a correction: the main window's clock line and both lists at once.
  void refresh_main_window();

  // Every second (Timer1): the clock into the "現在日時" fields.
  void refresh_clock_fields();
  // Enter in corrected field n: its check alone, then the focus moves on.
  void check_and_move_on(int field);
  void set_computer_clock();           // "日時設定" (Command1)
  void set_temporary_offset();         // "一時設定" (Command2)
  void cancel_correction_and_close();  // "取消終了" (Command3) and Escape
  // Stores the position and closes.
  void end_proc();

  AppContext& ctx_;
  CorrectionForm form_;
  std::array<QLineEdit*, kCorrectionFieldCount + 1> clock_text_{};      // Text1..Text6
  std::array<QLineEdit*, kCorrectionFieldCount + 1> corrected_text_{};  // Text7..Text12
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  QTimer* Timer1 = nullptr;
};

void open_correction_window(AppContext& ctx);

}  // namespace vorlash
