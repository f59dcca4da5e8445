#include "platform/ui/key_handling.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace vorlash {

namespace {

// Selects a field's text after it gained the focus. Deferred: a mouse
// click that gave the focus would otherwise place the cursor over the
// selection right after.
class SelectAllOnFocus final : public QObject {
 public:
  explicit SelectAllOnFocus(QLineEdit* field) : QObject(field) { field->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      QPointer<QLineEdit> field = qobject_cast<QLineEdit*>(watched);
      QTimer::singleShot(0, this, [field] {
        if (field && field->hasFocus()) field->selectAll();
      });
    }
    return false;
  }
};

}  // namespace

bool is_enter_key(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

KeyActions::KeyActions(QObject* parent) : QObject(parent) {}

void KeyActions::watch(QWidget* widget) {
  if (escape_.count(widget) + enter_.count(widget) > 0) return;
  widget->installEventFilter(this);
  connect(widget, &QObject::destroyed, this, [this](QObject* gone) {
    escape_.erase(gone);
    enter_.erase(gone);
  });
}

void KeyActions::on_escape(std::initializer_list<QWidget*> widgets, std::function<void()> action) {
  for (auto* widget : widgets) {
    watch(widget);
    escape_[widget] = action;
  }
}

void KeyActions::on_enter(std::initializer_list<QWidget*> widgets, std::function<void()> action) {
  for (auto* widget : widgets) {
    watch(widget);
    enter_[widget] = action;
  }
}

bool KeyActions::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
  auto const key = static_cast<QKeyEvent*>(event)->key();
  auto const& table = key == Qt::Key_Escape ? escape_ : enter_;
  if (key != Qt::Key_Escape && !is_enter_key(key)) return false;
  auto const found = table.find(watched);
  if (found == table.end()) return false;
  if (event->type() == QEvent::ShortcutOverride) {
    // Claim the key so that no shortcut of the window takes it first.
    event->accept();
    return true;
  }
  auto const action = found->second;  // the action may destroy this filter's widget
  action();
  return true;
}

void select_all_on_focus(QLineEdit* field) {
  new SelectAllOnFocus(field);
}

}  // namespace vorlash
