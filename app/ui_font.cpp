#include "app/ui_font.h"

#include "base/environment.h"

#include <QFont>
#include <QWidget>

void ApplyUIFontName(QWidget* window)
{
    if (!window || UIFontName.isEmpty())
        return;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QFont f = w->font();
        f.setFamily(UIFontName);
        w->setFont(f);
    }
}
