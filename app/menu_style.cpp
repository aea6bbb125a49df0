#include "app/menu_style.h"
#include "app/cached_style_primitives.h"
#include "app/menu_state.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace {

QPointer<MenuProxyStyle> g_style;

// Items whose menus keep a fixed item width (drive and sort entries).
int fixedItemWidth(const QString& name)
{
    static const QRegularExpression drive(QStringLiteral("^P?Drive(0[1-9]|1[0-9]|2[0-6])$"));
    static const QRegularExpression sort(QStringLiteral("^(Date|Name|Size|Path|Title|Folder|File)(Ascending|Descending)$"));
    if (drive.match(name).hasMatch())
        return 150;
    if (sort.match(name).hasMatch())
        return 120;
    return 0;
}

struct Mirror {
    const char* item;
    const char* source;
    bool takeEnabled;   // also painted with the source's enabled state
    bool takeHint;
};

const Mirror kMirrors[] = {
    {"Raunch0", "Launch0", false, true}, {"Raunch1", "Launch1", false, true},
    {"Raunch2", "Launch2", false, true}, {"Raunch3", "Launch3", false, true},
    {"Raunch4", "Launch4", false, true}, {"Voice", "VoicePop", false, false},
    {"BrowsePop", "Browse", true, true}, {"SubShowPop", "SubShow", true, true},
    {"SubSearchPop", "SubSearch", true, true}, {"AllPop", "All", true, true},
};

const QAction* actionAtRect(const QWidget* widget, const QRect& rect)
{
    if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
        for (QAction* a : menu->actions())
            if (menu->actionGeometry(a) == rect)
                return a;
        return menu->actionAt(rect.center());
    }
    if (const auto* bar = qobject_cast<const QMenuBar*>(widget)) {
        for (QAction* a : bar->actions())
            if (bar->actionGeometry(a) == rect)
                return a;
        return bar->actionAt(rect.center());
    }
    return nullptr;
}

} // namespace

MenuProxyStyle::MenuProxyStyle(QStyle* base)
    : QProxyStyle(base ? base : QStyleFactory::create(QStringLiteral("Fusion")))
{
    m_ctx.barBackground = DefaultMenuBarBackground();
    const QPalette pal = QApplication::palette();
    m_ctx.buttonHighlight = pal.color(QPalette::Light);
    m_ctx.buttonShadow = pal.color(QPalette::Mid);
}

QAction* MenuProxyStyle::resolve(const QString& name) const
{
    if (m_resolve)
        return m_resolve(name);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* a = w->findChild<QAction*>(name))
            return a;
    return nullptr;
}

MenuProxyStyle::ItemLook MenuProxyStyle::lookOf(const QAction* action) const
{
    ItemLook look;
    if (!action)
        return look;
    look.caption = action->isSeparator() ? QStringLiteral("-") : action->text();
    look.hint = action->statusTip();
    look.enabled = action->isEnabled();
    bool checked = action->isChecked();
    const QString name = action->objectName();
    for (const Mirror& m : kMirrors) {
        if (name != QLatin1String(m.item))
            continue;
        if (const QAction* src = resolve(QString::fromLatin1(m.source))) {
            look.caption = src->text();
            if (m.takeHint)
                look.hint = src->statusTip();
            if (m.takeEnabled) {
                look.enabled = src->isEnabled();
                checked = src->isChecked();
            }
        }
        break;
    }
    look.glyphs = MenuGlyphsFor(name, look.caption, checked,
                                m_glyphState ? m_glyphState() : MenuGlyphState{});
    const QVariant g = action->property(GlyphProperty);
    const QVariant d = action->property(DisabledGlyphProperty);
    if (g.isValid())
        look.glyphs.enabled = g.toInt();
    if (d.isValid())
        look.glyphs.disabled = d.toInt();
    // A checked item without a glyph of its own (a tool button shown in its
    // bar's overflow menu) carries the check glyph, so its mark shows.
    if (action->isCheckable() && checked && look.glyphs.enabled < 0 && look.glyphs.disabled < 0)
        look.glyphs = MenuGlyphPair{67, 67};
    return look;
}

void MenuProxyStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const
{
    if (element == CE_MenuItem || element == CE_MenuBarItem) {
        const auto* mi = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (!mi) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const QAction* action = actionAtRect(widget, mi->rect);
        ItemLook look = lookOf(action);
        if (!action) {
            look.caption = mi->menuItemType == QStyleOptionMenuItem::Separator
                               ? QStringLiteral("-") : mi->text.section(QLatin1Char('\t'), 0, 0);
            look.enabled = mi->state & State_Enabled;
        }
        MenuPaintContext ctx = m_ctx;
        if (ctx.screenWidth <= 0 && widget) {
            // The bar background runs to the window's right edge.
            ctx.screenWidth = widget->width();
        }
        painter->save();
        painter->setFont(widget ? widget->font() : mi->font);
        const bool selected = (mi->state & State_Selected) && (mi->state & State_Enabled
                                                               || element == CE_MenuItem);
        if (element == CE_MenuBarItem) {
            const bool open = mi->state & (State_Sunken | State_Selected);
            DrawMenuItem(QStringLiteral(">0"), *painter, mi->rect, open, look.caption,
                         MenuBarGlyph, MenuBarGlyph, look.enabled, ctx, m_menuState);
        } else {
            DrawMenuItem(look.hint, *painter, mi->rect, selected, look.caption,
                         look.glyphs.enabled, look.glyphs.disabled, look.enabled, ctx, m_menuState);
            // A tool button in its bar's overflow menu keeps its icon.
            const QWidget* opener = widget ? widget->parentWidget() : nullptr;
            const bool overflow = opener && opener->objectName() == QLatin1String("qt_toolbar_ext_button");
            if (overflow && action && look.glyphs.enabled < 0 && !action->icon().isNull())
                action->icon().paint(painter, QRect(5, mi->rect.top() + 1, 16, 16), Qt::AlignCenter,
                                     look.enabled ? QIcon::Normal : QIcon::Disabled);
            if (mi->menuItemType == QStyleOptionMenuItem::SubMenu) {
                // The submenu arrow, as the system draws it beside an
                // owner-drawn item.
                const int cx = mi->rect.right() - 10;
                const int cy = mi->rect.top() + mi->rect.height() / 2;
                const QPolygon arrow({QPoint(cx - 2, cy - 4), QPoint(cx + 2, cy), QPoint(cx - 2, cy + 4)});
                painter->setPen(Qt::NoPen);
                painter->setBrush(look.enabled ? QColor(Qt::black) : m_ctx.buttonShadow);
                painter->drawPolygon(arrow);
            }
        }
        painter->restore();
        return;
    }
    if (element == CE_MenuBarEmptyArea) {
        const QPixmap bg = m_ctx.barBackground.isNull() ? DefaultMenuBarBackground()
                                                        : m_ctx.barBackground;
        painter->drawPixmap(option->rect, bg);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void MenuProxyStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const
{
    if (element == PE_PanelMenu || element == PE_FrameMenu) {
        if (element == PE_PanelMenu)
            painter->fillRect(option->rect, menucolors::Body);
        painter->save();
        painter->setPen(QColor(0x80, 0x80, 0x80));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    }
    if (element == PE_PanelMenuBar) {
        const QPixmap bg = m_ctx.barBackground.isNull() ? DefaultMenuBarBackground()
                                                        : m_ctx.barBackground;
        painter->drawPixmap(option->rect, bg);
        return;
    }
    const auto base = [this, element, widget](const QStyleOption* o, QPainter* p) {
        QProxyStyle::drawPrimitive(element, o, p, widget);
    };
    if (DrawCachedPrimitive(element, option, painter, base))
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QSize MenuProxyStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                       const QSize& size, const QWidget* widget) const
{
    if (type == CT_MenuItem) {
        const auto* mi = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        const auto* menu = qobject_cast<const QMenu*>(widget);
        if (mi && menu) {
            const QVariant w = menu->property(MenuWidthProperty);
            int width = w.isValid() ? w.toInt() : -1;
            if (width < 0) {
                // Never measured: measure it now without touching the hints.
                std::vector<MenuMeasureItem> items;
                for (QAction* a : menu->actions())
                    items.push_back({a->isSeparator() ? QStringLiteral("-") : a->text(),
                                     a->isVisible(), a->statusTip()});
                const QFontMetrics fm(menu->font());
                width = MeasureMenuItems(items, [&fm](const QString& s) {
                    return fm.horizontalAdvance(s);
                }, m_menuState, menu->property(MenuFileNameProperty).toBool()).itemWidth;
            }
            const bool separator = mi->menuItemType == QStyleOptionMenuItem::Separator;
            const int height = MenuItemHeightFor(separator ? mi->text : QString(), separator);
            return QSize(width, height);
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int MenuProxyStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const
{
    switch (metric) {
    case PM_MenuHMargin:
        return 0;
    case PM_MenuVMargin:
        return 2;
    case PM_MenuPanelWidth:
        return 1;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

void MenuProxyStyle::polish(QWidget* widget)
{
    QProxyStyle::polish(widget);
    auto* menu = qobject_cast<QMenu*>(widget);
    if (menu && !menu->property("vxMeasureHooked").toBool()) {
        menu->setProperty("vxMeasureHooked", true);
        // Connected after the menu owner's own handlers: the captions are
        // rebuilt first, then the menu is measured as it opens.
        QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
            MeasureMenu(menu, menu->property(MenuFileNameProperty).toBool());
        });
    }
}

int MeasureMenu(QMenu* menu, bool fileNamePart)
{
    if (!menu)
        return 0;
    const QList<QAction*> actions = menu->actions();
    std::vector<MenuMeasureItem> items;
    items.reserve(actions.size());
    int fixed = 0;
    bool anyMeasured = false;
    for (QAction* a : actions) {
        items.push_back({a->isSeparator() ? QStringLiteral("-") : a->text(), a->isVisible(),
                         a->statusTip()});
        if (!a->isVisible())
            continue;
        const int f = fixedItemWidth(a->objectName());
        fixed = std::max(fixed, f);
        anyMeasured = anyMeasured || f == 0;
    }
    const QFontMetrics fm(menu->font());
    // The style's state takes the measurement (a scratch one before the
    // style is installed).
    MenuState scratch;
    MenuState& state = g_style ? g_style->menuState() : scratch;
    const MenuMeasureResult r = MeasureMenuItems(items, [&fm](const QString& s) {
        return fm.horizontalAdvance(s);
    }, state, fileNamePart);
    for (int i = 0; i < actions.size(); ++i) {
        if (actions[i]->isVisible() && !actions[i]->isSeparator()
            && actions[i]->statusTip() != items[size_t(i)].hint)
            actions[i]->setStatusTip(items[size_t(i)].hint);
    }
    // Like the system menus, the widest item decides; drive and sort entries
    // report their own fixed widths.
    const int width = std::max(fixed, anyMeasured ? r.itemWidth : 0);
    const QVariant before = menu->property(MenuWidthProperty);
    menu->setProperty(MenuWidthProperty, width);
    // A submenu is sized by its parent before it opens: the item geometry it
    // keeps is made again for the new width.
    if (!before.isValid() || before.toInt() != width) {
        QEvent changed(QEvent::StyleChange);
        QCoreApplication::sendEvent(menu, &changed);
    }
    return width;
}

MenuProxyStyle* InstallMenuStyle()
{
    if (!g_style) {
        g_style = new MenuProxyStyle;
        QApplication::setStyle(g_style);
    }
    return g_style;
}

MenuProxyStyle* CurrentMenuStyle()
{
    return g_style;
}

int MenuItemHeightFor(const QString& objectName, bool separator)
{
    if (!separator)
        return MenuItemHeight;
    return objectName == QLatin1String("N10") ? MenuShortSeparatorHeight : MenuSeparatorHeight;
}

void TagSeparatorHeights(QObject* root)
{
    if (!root)
        return;
    for (QAction* a : root->findChildren<QAction*>())
        if (a->isSeparator() && MenuItemHeightFor(a->objectName(), true) != MenuSeparatorHeight)
            a->setText(a->objectName());
}
