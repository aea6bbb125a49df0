#include "app/menu_bar_rows.h"

#include <QAction>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

MenuBarRows::MenuBarRows(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MenuBarRows"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < 2; ++i) {
        m_rows[i] = new QMenuBar(this);
        m_rows[i]->setObjectName(i == 0 ? QStringLiteral("MainMenu1") : QStringLiteral("MainMenu2"));
        m_rows[i]->setNativeMenuBar(false);
        layout->addWidget(m_rows[i]);
    }
    m_rows[1]->hide();
    // A window set to its restored height gets the second row's room too.
    if (parent)
        parent->installEventFilter(this);
}

bool MenuBarRows::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        keepClientHeight();
    return QWidget::eventFilter(watched, event);
}

void MenuBarRows::TakeTitles()
{
    m_titles = m_rows[0]->actions();
    // A title that shows or hides (the thumbnail view's menu during a page
    // show) changes what fits.
    for (QAction* title : m_titles) {
        connect(title, &QAction::changed, this, [this, title, shown = title->isVisible()]() mutable {
            if (title->isVisible() == shown)
                return;
            shown = title->isVisible();
            Reflow();
        });
    }
    Reflow();
}

bool MenuBarRows::firstRowOverflows() const
{
    // The first row lays out its titles when asked for a title's place; its
    // overflow button then shows when one did not fit.
    const QList<QAction*> shown = m_rows[0]->actions();
    if (shown.isEmpty())
        return false;
    m_rows[0]->actionGeometry(shown.last());
    const auto* more = m_rows[0]->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    return more && !more->isHidden();
}

void MenuBarRows::Reflow()
{
    if (m_reflowing || m_titles.isEmpty())
        return;
    m_reflowing = true;
    // All titles back on the first row, in their order; then the last ones
    // move down while the first row overflows.
    for (QAction* title : m_rows[1]->actions())
        m_rows[1]->removeAction(title);
    for (QAction* title : m_titles)
        if (!m_rows[0]->actions().contains(title))
            m_rows[0]->addAction(title);
    QList<QAction*> down;
    while (m_rows[0]->actions().size() > 1 && firstRowOverflows()) {
        QAction* last = m_rows[0]->actions().last();
        m_rows[0]->removeAction(last);
        down.prepend(last);
    }
    // The titles moved down, in their order.
    QList<QAction*> ordered;
    for (QAction* title : m_titles)
        if (down.contains(title))
            ordered << title;
    m_rows[1]->addActions(ordered);
    const bool wasShown = !m_rows[1]->isHidden();
    m_rows[1]->setVisible(!ordered.isEmpty());
    m_reflowing = false;
    keepClientHeight();
    if (wasShown != !ordered.isEmpty())
        emit rowsChanged();
}

void MenuBarRows::keepClientHeight()
{
    // The restored window (600 pixels high) grows by the second row, so the
    // controls below keep their designed room, and shrinks back without it;
    // a window of another height (maximized, fitted to a small screen, sized
    // by the user) is left as it is.
    constexpr int DesignedHeight = 600;
    QWidget* w = window();
    if (!w || w == this || (w->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    // (A row is as high as the first; the second has no height while empty.)
    const int grown = DesignedHeight + m_rows[0]->sizeHint().height();
    if (!m_rows[1]->isHidden() && w->height() == DesignedHeight) {
        const QScreen* screen = w->screen();
        const int frame = w->frameGeometry().height() - w->height();
        if (!screen || grown + frame <= screen->availableGeometry().height())
            w->resize(w->width(), grown);
    } else if (m_rows[1]->isHidden() && w->height() == grown) {
        // (The room the second row needed is no longer the least height.)
        if (w->minimumHeight() == grown)
            w->setMinimumHeight(DesignedHeight);
        w->resize(w->width(), DesignedHeight);
    }
}

void MenuBarRows::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (event->size().width() != event->oldSize().width())
        Reflow();
}
