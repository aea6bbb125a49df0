#include "platform/ui_font.h"

#include <QFont>
#include <QString>
#include <QWidget>

void ApplyFontFamily(QWidget* window, const QString& family)
{
    if (!window || family.isEmpty())
        return;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QFont f = w->font();
        f.setFamily(family);
        w->setFont(f);
    }
}
