// The user hotel editor (UserHotelEditorWindow): one hotel entered anew ("add") or
// changed ("upd", the hotel of the edited slot), as the list window set the
// editor mode and slot in AppState. Input errors show in the message line
// and keep the focus in the faulty box; storing asks for confirmation.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <string>

#include "hotel/user_hotels.h"
#include "shell/app_context.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vorlash {

class UserHotelListWindow;

inline constexpr int kUserHotelEditorWindow = 14;

inline constexpr char kEditorAdd[] = "add";
inline constexpr char kEditorChange[] = "upd";

class UserHotelEditorWindow final : public QWidget {
 public:
  UserHotelEditorWindow(AppContext& ctx, UserHotelListWindow* list);

  // Fills the boxes for the editor mode and edited
  // slot in AppState; run again when the list asks for another hotel while
  // the editor is open.
  void init_sec();
  // The area selection's choice: written into the region box; the focus
  // moves on to the district box.
  void receive_region(const std::string& region);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QLineEdit* box(HotelField field) const;
  HotelInput input() const;
  void set_text9();
  void show_message(const std::string& text);
  void field_got_focus(HotelField field);
  // Enter in a box: its check, then on to the next box.
  void field_enter(HotelField field);
  // "更新" (Command1, as_new false) and "追加更新" (Command2, as_new true).
  void store(bool as_new);
  // "?" (Command4), or a double-click on the region box: hides the button,
  // opens the area selection.
  void choose_area();
  // Escape: as "取消", and the list's row buttons are disabled.
  void escape();
  // Stores the position and closes; "取消" (Command3) is this alone, closing
  // without storing.
  void end_proc();

  AppContext& ctx_;
  QPointer<UserHotelListWindow> list_;
  bool change_mode_ = false;

  QGroupBox* Frame1 = nullptr;
  QLabel* Label9 = nullptr;  // the mode
  std::array<QLabel*, kHotelFieldCount> labels_{};
  // The boxes in field order: Text9 region, Text1 district .. Text7 remarks.
  std::array<QLineEdit*, kHotelFieldCount> boxes_{};
  QPlainTextEdit* Text8 = nullptr;  // the message line
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command4 = nullptr;
};

// Opens the editor for the mode and slot now in AppState; an open editor
// comes to the front and is set up anew for them.
UserHotelEditorWindow* open_user_hotel_editor(AppContext& ctx, UserHotelListWindow* list);

}  // namespace vorlash
