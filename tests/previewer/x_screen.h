// What the X server itself shows and where it sends the pointer's events: the tests of
// native windows ask it rather than Qt, which only knows what it meant to draw.
#pragma once

#include <QColor>
#include <QPoint>

namespace x_screen {

// The colour the screen shows at a global position, child windows included.
QColor colourAt(QPoint global);

// Moves the pointer to a global position and returns the innermost window that receives
// its clicks there (windows that take no input let them through).
unsigned long windowUnderPointer(QPoint global);

}  // namespace x_screen
