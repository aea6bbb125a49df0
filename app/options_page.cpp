#include "app/options_page.h"

#include <QTabWidget>

OptionsPage::OptionsPage(QTabWidget* tabs, const char* name, const QString& caption)
    : QWidget(tabs)
{
    setObjectName(QString::fromLatin1(name));
    tabs->addTab(this, caption);
}
