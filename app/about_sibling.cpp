#include "app/about_sibling.h"

#include "base/environment.h"
#include "platform/ui_font.h"
#include "app/help_web.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor Silver(0xC0, 0xC0, 0xC0);

QFrame* blackPanel(QWidget* parent, const char* name)
{
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setAutoFillBackground(true);
    QPalette p = f->palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, Qt::white);
    f->setPalette(p);
    f->setMouseTracking(true);
    return f;
}

QLabel* staticText(QWidget* parent, const char* name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setMouseTracking(true);
    return l;
}

} // namespace

AboutSiblingWindow::AboutSiblingWindow(const EnvironmentInfo& environment, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form35"));
    setWindowTitle(QStringLiteral("Tarnivo"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    chdXPPanel1 = blackPanel(this, "chdXPPanel1");
    outer->addWidget(chdXPPanel1);
    auto* column = new QVBoxLayout(chdXPPanel1);

    Image1 = staticText(chdXPPanel1, "Image1", QString());
    Image1->setPixmap(style()->standardIcon(QStyle::SP_FileIcon).pixmap(48, 48));
    column->addWidget(Image1, 0, Qt::AlignCenter);

    chdXPPanel2 = blackPanel(chdXPPanel1, "chdXPPanel2");
    auto* row2 = new QHBoxLayout(chdXPPanel2);
    StaticText4 = staticText(chdXPPanel2, "StaticText4", QStringLiteral("easy"));
    StaticText7 = staticText(chdXPPanel2, "StaticText7", QStringLiteral("real"));
    StaticText9 = staticText(chdXPPanel2, "StaticText9", QStringLiteral("individual"));
    row2->addWidget(staticText(chdXPPanel2, "StaticText1", QStringLiteral("Did you ever look for an")));
    row2->addWidget(StaticText4);
    row2->addWidget(staticText(chdXPPanel2, "StaticText5", QStringLiteral("and")));
    row2->addWidget(StaticText7);
    row2->addWidget(staticText(chdXPPanel2, "StaticText8", QStringLiteral("solution for renaming ")));
    row2->addWidget(StaticText9);
    row2->addWidget(staticText(chdXPPanel2, "StaticText10", QStringLiteral("pictures?")));
    row2->addWidget(staticText(chdXPPanel2, "StaticText11", QStringLiteral("Look no further!")));
    column->addWidget(chdXPPanel2);

    chdXPPanel3 = blackPanel(chdXPPanel1, "chdXPPanel3");
    auto* row3 = new QHBoxLayout(chdXPPanel3);
    row3->addWidget(staticText(chdXPPanel3, "StaticText2", QStringLiteral("Web site:")));
    StaticText3 = staticText(chdXPPanel3, "StaticText3", SiblingWebSite);
    row3->addWidget(StaticText3);
    row3->addStretch();
    column->addWidget(chdXPPanel3);

    chdXPPanel4 = blackPanel(chdXPPanel1, "chdXPPanel4");
    auto* row4 = new QHBoxLayout(chdXPPanel4);
    row4->addWidget(staticText(chdXPPanel4, "StaticText6",
                               QStringLiteral("\"Unbeatable in renaming individual pictures\"")));
    column->addWidget(chdXPPanel4);

    for (QLabel* link : {StaticText4, StaticText7, StaticText9}) {
        QFont f = link->font();
        f.setUnderline(true);
        link->setFont(f);
    }
    setLinkColor(Silver);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &AboutSiblingWindow::Timer1Timer);

    for (QWidget* w : {static_cast<QWidget*>(StaticText3), static_cast<QWidget*>(StaticText4),
                       static_cast<QWidget*>(StaticText7), static_cast<QWidget*>(StaticText9),
                       static_cast<QWidget*>(chdXPPanel2), static_cast<QWidget*>(chdXPPanel3)})
        w->installEventFilter(this);

    ApplyFontFamily(this, environment.UIFontName);
    if (parent) {
        adjustSize();
        move(parent->geometry().center() - rect().center());
    }
}

QColor AboutSiblingWindow::linkColor() const
{
    return StaticText3->palette().color(QPalette::WindowText);
}

void AboutSiblingWindow::setLinkColor(const QColor& color)
{
    QPalette p = StaticText3->palette();
    p.setColor(QPalette::WindowText, color);
    StaticText3->setPalette(p);
}

bool AboutSiblingWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        // A move over a link is the link's alone; it does not reach the
        // panel under it (which would undo the link's highlight).
        if (watched == StaticText3) {
            StaticText3MouseMove();
            return true;
        }
        if (watched == StaticText4 || watched == StaticText7 || watched == StaticText9) {
            LinkMouseMove(static_cast<QLabel*>(watched));
            return true;
        }
        if (watched == chdXPPanel3)
            chdXPPanel3MouseMove();
        else if (watched == chdXPPanel2)
            chdXPPanel2MouseMove();
    } else if (event->type() == QEvent::MouseButtonRelease
               && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == StaticText3)
            StaticText3Click();
        else if (watched == StaticText4 || watched == StaticText7 || watched == StaticText9)
            LinkClick();
    }
    return QDialog::eventFilter(watched, event);
}

void AboutSiblingWindow::StaticText3MouseMove()
{
    if (Timer1->isActive())
        return;
    StaticText3->setCursor(Qt::PointingHandCursor);
    setLinkColor(Qt::red);
}

void AboutSiblingWindow::chdXPPanel3MouseMove()
{
    if (StaticText3->cursor().shape() != Qt::ArrowCursor) {
        StaticText3->setCursor(Qt::ArrowCursor);
        setLinkColor(Silver);
    }
}

void AboutSiblingWindow::chdXPPanel2MouseMove()
{
    for (QLabel* link : {StaticText4, StaticText7, StaticText9})
        if (link->cursor().shape() != Qt::ArrowCursor)
            link->setCursor(Qt::ArrowCursor);
}

void AboutSiblingWindow::LinkMouseMove(QLabel* link)
{
    if (!Timer1->isActive() && link)
        link->setCursor(Qt::PointingHandCursor);
}

void AboutSiblingWindow::StaticText3Click()
{
    StaticText3->setCursor(Qt::ArrowCursor);
    setLinkColor(Silver);
    Timer1->start();
}

void AboutSiblingWindow::LinkClick()
{
    Timer1->start();
}

void AboutSiblingWindow::Timer1Timer()
{
    Timer1->stop();
    OpenInBrowser(QUrl(SiblingWebSite + QLatin1Char('/')));
    setLinkColor(Silver);
}
