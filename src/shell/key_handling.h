// Keyboard conventions shared by the windows:
// - Escape in a window's fields or buttons closes the window (the main window
//   ends the program);
// - Enter (Return or the keypad's Enter) in a field runs the field's check,
//   which moves the focus on when the check passes;
// - a text field selects its whole text when it receives the focus;
// - Return (or Enter) presses the focused push button in every window;
// - the focused control always shows a focus frame, whether the focus came
//   by Tab, by mouse or was moved there by the program (a read-only text its
//   caret, an empty list a frame round it);
// - Tab and Shift+Tab leave a grid or list (the arrows move inside it);
// - number fields take full-width digits as their single-byte values.
//
// Usage in a window's constructor:
//   auto* keys = new KeyActions(this);
//   keys->on_escape({Text1, Command1, Command2}, [this] { end_proc(); });
//   keys->on_enter(Text1, [this] { chk_text1(); });
//   select_all_on_focus(Text1);
#pragma once

#include <QObject>
#include <functional>
#include <initializer_list>
#include <unordered_map>

class QLineEdit;
class QWidget;

namespace vorlash {

// An event filter that turns Escape and Enter on chosen widgets into
// callbacks. The key press is consumed (it does not reach the widget, nor a
// dialog's default or cancel handling). A callback may close the window.
class KeyActions final : public QObject {
 public:
  explicit KeyActions(QObject* parent);

  void on_escape(std::initializer_list<QWidget*> widgets, std::function<void()> action);
  void on_enter(std::initializer_list<QWidget*> widgets, std::function<void()> action);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void watch(QWidget* widget);

  std::unordered_map<QObject*, std::function<void()>> escape_;
  std::unordered_map<QObject*, std::function<void()>> enter_;
};

// True for Return and for the keypad's Enter.
bool is_enter_key(int key);

// Makes the field select its whole text whenever it receives the focus, by
// mouse as well as by keyboard.
void select_all_on_focus(QLineEdit* field);

// Installs, once for the application, that Return presses the focused push
// button and that focus frames always show. An Enter action of KeyActions on
// the button comes first; the button is pressed only when the key reaches
// its window unhandled.
void install_window_conventions();

// Makes what is typed or pasted into the field single-byte as it arrives:
// full-width digits, signs and blanks become their single-byte forms.
void take_fullwidth_as_halfwidth(QLineEdit* field);

}  // namespace vorlash
