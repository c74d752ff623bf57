#pragma once

#include <QRect>
#include <QSize>

// Dialogs are laid out like the handheld's dialog templates: in base pixels
// of a 96-dpi portrait screen 240 pixels wide, multiplied by the screen
// scale (ScreenScale) and cut to whole pixels, so that a dialog looks the
// same on every emulated screen. A dialog covers the screen between the
// navigation bar at the top and the menu bar at the bottom.
namespace DialogGeometry {

// The template's size: 240 x (320 - 26 - 26).
constexpr int kDesignWidth = 240;
constexpr int kDesignHeight = 268;
// The navigation bar and the menu bar, each this high.
constexpr int kBarHeight = 26;

int ScaleX(int designSize);
int ScaleY(int designSize);
QRect Scale(const QRect& design);

// The dialog's size on the emulated screen: its width, and its height less
// the two bars.
QSize ScreenArea();

}
