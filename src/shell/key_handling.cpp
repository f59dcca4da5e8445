#include "shell/key_handling.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QFocusFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>

#include "shell/qt_strings.h"
#include "text/fullwidth.h"

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

// The application-wide part of the conventions; a child of the application,
// found by this name.
const QString kConventionsName = QStringLiteral("vorlash_window_conventions");

class WindowConventions final : public QObject {
 public:
  explicit WindowConventions(QApplication* app) : QObject(app) {
    setObjectName(kConventionsName);
    app->installEventFilter(this);
    connect(app, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { show_focus(now); });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // A key event climbs from the focused control to its window while no
    // one takes it; at the window, an unhandled Return presses the button.
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* window = static_cast<QWidget*>(watched);
    auto const* key = static_cast<QKeyEvent*>(event);
    if (!window->isWindow() || !is_enter_key(key->key()) || key->isAutoRepeat() ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
      return false;
    }
    auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
    if (!button || button->window() != window || !button->isEnabled()) return false;
    button->click();
    return true;
  }

 private:
  // Qt draws the focus frame only after a Tab in the window; the window is
  // told so on every focus change. Controls that show no focus of their own
  // get it here: a read-only text its caret, and a scroll bar or an empty
  // list (no current row to mark) a focus frame round it.
  void show_focus(QWidget* now) {
    if (now) now->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    keep_tab_for_focus(now);
    show_caret(now);
    if (!wants_focus_frame(now)) {
      if (frame_) frame_->setWidget(nullptr);
      return;
    }
    if (!frame_) frame_ = new QFocusFrame(now);
    frame_->setWidget(now);
    frame_->show();
  }

  // Tab and Shift+Tab leave a grid or list for the next control, as
  // everywhere else; the arrows move inside it.
  static void keep_tab_for_focus(QWidget* now) {
    if (auto* view = qobject_cast<QAbstractItemView*>(now)) view->setTabKeyNavigation(false);
  }

  static void show_caret(QWidget* now) {
    auto const caret = Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard;
    if (auto* plain = qobject_cast<QPlainTextEdit*>(now); plain && plain->isReadOnly()) {
      plain->setTextInteractionFlags(plain->textInteractionFlags() | caret);
    } else if (auto* rich = qobject_cast<QTextEdit*>(now); rich && rich->isReadOnly()) {
      rich->setTextInteractionFlags(rich->textInteractionFlags() | caret);
    }
  }

  static bool wants_focus_frame(QWidget* now) {
    if (qobject_cast<QScrollBar*>(now)) return true;
    auto* view = qobject_cast<QAbstractItemView*>(now);
    return view && view->model() && view->model()->rowCount(view->rootIndex()) == 0;
  }

  QPointer<QFocusFrame> frame_;
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

void install_window_conventions() {
  auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (!app || app->findChild<QObject*>(kConventionsName, Qt::FindDirectChildrenOnly)) return;
  new WindowConventions(app);
}

void take_fullwidth_as_halfwidth(QLineEdit* field) {
  QObject::connect(field, &QLineEdit::textEdited, field, [field](const QString& typed) {
    auto const single = to_qstring(to_halfwidth(to_utf8(typed)));
    if (single == typed) return;
    // Each converted character is one UTF-16 unit either way, so the cursor
    // keeps its place.
    int const cursor = field->cursorPosition();
    field->setText(single);
    field->setCursorPosition(cursor);
  });
}

}  // namespace vorlash
