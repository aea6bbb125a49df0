// The interface font chosen at start-up, applied to a window's controls.
#pragma once

class QString;
class QWidget;

// Every control of a window takes the interface font's family (a window does
// this once when it is made, with UIFontName); an empty family changes nothing.
void ApplyFontFamily(QWidget* window, const QString& family);
