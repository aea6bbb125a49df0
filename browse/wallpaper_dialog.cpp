#include "browse/wallpaper_dialog.h"
#include "base/named_timer.h"

#include "platform/help_key.h"
#include "browse/wallpaper.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

WallpaperDialog::WallpaperDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form18"));
    setWindowTitle(QStringLiteral("Change Wallpaper"));
    InstallHelpKey(this, QStringLiteral("MiscellaneousFeatures.htm"));
    auto* layout = new QVBoxLayout(this);
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setMinimumHeight(24);
    layout->addWidget(Panel1);

    StyleRG = new QGroupBox(QStringLiteral("Wallpaper style"), this);
    StyleRG->setObjectName(QStringLiteral("StyleRG"));
    auto* items = new QVBoxLayout(StyleRG);
    auto* group = new QButtonGroup(StyleRG);
    const auto item = [&](const char* name, const char* text, int index) {
        auto* r = new QRadioButton(QString::fromLatin1(text), StyleRG);
        r->setObjectName(QLatin1String(name));
        group->addButton(r, index);
        items->addWidget(r);
        return r;
    };
    StyleTiled = item("StyleTiled", "Tiled", 0);
    StyleCentered = item("StyleCentered", "Centered", 1);
    StyleStretched = item("StyleStretched", "Stretched", 2);
    layout->addWidget(StyleRG);

    auto* buttons = new QHBoxLayout;
    OKButton = new QPushButton(QStringLiteral("&OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);
    connect(OKButton, &QPushButton::clicked, this, &WallpaperDialog::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &WallpaperDialog::CancelButtonClick);

    TimerOnActivate = MakeNamedTimer(this, "TimerOnActivate", 1);
    connect(TimerOnActivate, &QTimer::timeout, this, [this] { Panel1->update(); });
    TimerAltKey = MakeNamedTimer(this, "TimerAltKey", 10);
    connect(TimerAltKey, &QTimer::timeout, this, &WallpaperDialog::TimerAltKeyTimer);
}

int WallpaperDialog::StyleIndex() const
{
    if (StyleTiled->isChecked())
        return 0;
    if (StyleCentered->isChecked())
        return 1;
    if (StyleStretched->isChecked())
        return 2;
    return -1;
}

void WallpaperDialog::FormShow()
{
    OKButton->setEnabled(true);
    CancelButton->setEnabled(true);
}

void WallpaperDialog::OKButtonClick()
{
    OKButton->setEnabled(false);
    CancelButton->setEnabled(false);
    done(1);
}

void WallpaperDialog::CancelButtonClick()
{
    done(2);
}

void WallpaperDialog::FormActivate()
{
    TimerOnActivate->start();
}

void WallpaperDialog::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

bool WallpaperDialog::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void WallpaperDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Alt || (event->modifiers() & Qt::AltModifier))
        TimerAltKey->start();
    QDialog::keyPressEvent(event);
}

void WallpaperDialog::TimerAltKeyTimer()
{
    for (QWidget* w : findChildren<QWidget*>())
        if (qobject_cast<QGroupBox*>(w) || qobject_cast<QFrame*>(w) || qobject_cast<QAbstractButton*>(w))
            w->update();
}
