// The interface font chosen at start-up, applied to a window's controls.
#pragma once

class QWidget;

// Every control of a window takes the interface font's name (UIFontName; a
// window does this once when it is made).
void ApplyUIFontName(QWidget* window);
