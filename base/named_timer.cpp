#include "base/named_timer.h"

#include <QTimer>

QTimer* MakeNamedTimer(QObject* parent, const char* name, int ms, bool singleShot)
{
    auto* t = new QTimer(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setInterval(ms);
    t->setSingleShot(singleShot);
    return t;
}
