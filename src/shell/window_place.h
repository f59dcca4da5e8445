// Window positions. The settings keep each window's top and left in twips
// (1440 twips per inch, 16-bit signed); on the screen they are pixels at the
// primary screen's logical DPI (15 twips per pixel at 96 DPI).
//
// A window is placed at its stored position, but a window nobody can reach
// is a fault: when the stored position lies off every screen (a monitor
// since removed, a smaller screen), or leaves the window mostly off the
// screens, the window is pulled onto the primary screen. The stored value
// stays as it is; the window's closing stores wherever it then stands.
#pragma once

#include <QList>
#include <QRect>
#include <initializer_list>

#include "data/app_state.h"

class QWidget;

namespace vorlash {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kMinTwips = -32768;
inline constexpr int kMaxTwips = 32767;

// Logical DPI of the primary screen (96 when there is none).
double logical_dpi();

int twips_to_pixels(int twips, double dpi = logical_dpi());
int pixels_to_twips(int pixels, double dpi = logical_dpi());

// A twips value brought into the 16-bit range.
int clamp_twips(long long twips);

// Where a window with frame rectangle `frame` ends up: `frame` itself when it
// is reachable on `screens` (available geometries), else moved (not resized)
// into `primary` as near as possible to where it was; a window larger than
// `primary` keeps its top-left corner on it. Reachable means the title strip
// (top 32 px) shows at least min(width, 80) px on one screen and at least
// half of the window lies on the screens.
QRect reachable_frame(const QRect& frame, const QList<QRect>& screens, const QRect& primary);

// Moves the window's frame top-left to the stored position, pulled back onto
// the primary screen when it would be out of sight. Call it before or after
// the window is shown; before, it uses the size the window will get.
void place_window(QWidget* window, const WindowPosition& position);

// For a window whose lists were given the size they should open with as
// their minimum size: makes that the window's opening size, then lets the
// lists shrink to a third of it, so that the user can make the window
// smaller or larger and its lists follow. Call it before place_window.
void open_resizable(QWidget* window, std::initializer_list<QWidget*> lists);

// The window's frame top and left in twips, clamped to the 16-bit range.
WindowPosition window_position(const QWidget* window);

// state.form[window_number] = window_position(window).
void store_position(AppState& state, int window_number, const QWidget* window);

}  // namespace vorlash
