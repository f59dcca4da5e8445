#include "shell/window_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace vorlash {

namespace {

constexpr int kTitleStrip = 32;
constexpr int kMinTitleShown = 80;

long long area(const QRect& r) {
  return r.isEmpty() ? 0 : static_cast<long long>(r.width()) * r.height();
}

bool reachable(const QRect& frame, const QList<QRect>& screens) {
  QRect const strip(frame.left(), frame.top(), frame.width(),
                    std::min(frame.height(), kTitleStrip));
  auto const title_needed = std::min(frame.width(), kMinTitleShown);
  bool title_shown = false;
  long long shown = 0;
  for (auto const& screen : screens) {
    if (strip.intersected(screen).width() >= title_needed) title_shown = true;
    shown += area(frame.intersected(screen));
  }
  return title_shown && 2 * shown >= area(frame);
}

// Moves [start, start + length) into [low, high) when it fits, else to low.
int pull_into(int start, int length, int low, int high) {
  if (length >= high - low) return low;
  return std::clamp(start, low, high - length);
}

QSize frame_size(const QWidget* window) {
  if (window->isVisible()) return window->frameGeometry().size();
  if (window->testAttribute(Qt::WA_Resized)) return window->size();
  return window->sizeHint().expandedTo(window->minimumSize());
}

}  // namespace

double logical_dpi() {
  auto const* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInch() : 96.0;
}

int twips_to_pixels(int twips, double dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

int pixels_to_twips(int pixels, double dpi) {
  if (dpi <= 0) dpi = 96.0;
  return static_cast<int>(std::llround(pixels * kTwipsPerInch / dpi));
}

int clamp_twips(long long twips) {
  return static_cast<int>(std::clamp<long long>(twips, kMinTwips, kMaxTwips));
}

QRect reachable_frame(const QRect& frame, const QList<QRect>& screens, const QRect& primary) {
  if (reachable(frame, screens) || primary.isEmpty()) return frame;
  auto const x =
      pull_into(frame.left(), frame.width(), primary.left(), primary.left() + primary.width());
  auto const y =
      pull_into(frame.top(), frame.height(), primary.top(), primary.top() + primary.height());
  return QRect(QPoint(x, y), frame.size());
}

void place_window(QWidget* window, const WindowPosition& position) {
  auto const dpi = logical_dpi();
  QRect const wanted(
      QPoint(twips_to_pixels(position.left, dpi), twips_to_pixels(position.top, dpi)),
      frame_size(window));
  QList<QRect> screens;
  for (auto const* screen : QGuiApplication::screens()) screens.append(screen->availableGeometry());
  auto const* primary = QGuiApplication::primaryScreen();
  auto const target =
      reachable_frame(wanted, screens, primary ? primary->availableGeometry() : QRect());
  window->move(target.topLeft());
}

void open_resizable(QWidget* window, std::initializer_list<QWidget*> lists) {
  window->resize(window->sizeHint().expandedTo(window->minimumSizeHint()));
  for (auto* list : lists) list->setMinimumSize(list->minimumSize() / 3);
}

WindowPosition window_position(const QWidget* window) {
  auto const dpi = logical_dpi();
  auto const corner = window->isVisible() ? window->frameGeometry().topLeft() : window->pos();
  return {clamp_twips(pixels_to_twips(corner.y(), dpi)),
          clamp_twips(pixels_to_twips(corner.x(), dpi))};
}

void store_position(AppState& state, int window_number, const QWidget* window) {
  if (window_number < 1 || window_number >= static_cast<int>(state.form.size())) return;
  state.form[window_number] = window_position(window);
}

}  // namespace vorlash
