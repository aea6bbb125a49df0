// Dialogs as wide as their titles: a window manager cuts a title that does
// not fit its title bar ("Suggest... month)"), so a dialog is made at least as
// wide as its title needs, beside the title bar's icon and buttons.
#pragma once

#include <QString>

class QWidget;

namespace platform {

// The width a window needs to show `title` whole in its title bar.
int TitleBarWidth(const QString& title);

// Keeps `window` at least TitleBarWidth(its title) wide, now and whenever it
// is shown or its title changes; its own minimum (its layout's) still holds.
void KeepWidthForTitle(QWidget* window);

} // namespace platform
