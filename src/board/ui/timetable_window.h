// The timetable window (TimetableWindow): the whole day's departures of one line
// from the user's station, one line of text per hour, with the note line of
// the line or Edition. The view mode at opening chooses the line (1 Keiyo,
// 2 Shinkansen, anything else an empty window). It closes itself 60 s after
// it opened; user actions do not restart that timer.
#pragma once

#include <QWidget>

#include "shell/app_context.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace vorlash {

inline constexpr int kTimetableWindow = 24;
inline constexpr int kTimetableLifetimeMs = 60000;

class TimetableWindow final : public QWidget {
 public:
  explicit TimetableWindow(AppContext& ctx);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Stores the position and closes ("終了", Escape, the timer).
  void end_proc();

  AppContext& ctx_;
  QGroupBox* Frame1 = nullptr;
  QPlainTextEdit* Text1 = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* Command1 = nullptr;
  QTimer* Timer1 = nullptr;
};

}  // namespace vorlash
