// The passing-stations window (PassingStationsWindow): the stops and times of the
// train on the departure-list row last double-clicked, from the user's
// station on, in one wrapped line. The view mode at opening chooses the
// list (1 Keiyo, 2 Shinkansen). It closes itself after 10 s; the main
// window closes and reopens it for every row double-clicked.
#pragma once

#include <QWidget>

#include "shell/app_context.h"

class QPlainTextEdit;
class QTimer;

namespace vorlash {

inline constexpr int kPassingStationsWindow = 23;
inline constexpr int kPassingStationsLifetimeMs = 10000;

class PassingStationsWindow final : public QWidget {
 public:
  explicit PassingStationsWindow(AppContext& ctx);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Stores the position and closes (Escape, the timer).
  void end_proc();

  AppContext& ctx_;
  QPlainTextEdit* Text1 = nullptr;
  QTimer* Timer1 = nullptr;
};

}  // namespace vorlash
