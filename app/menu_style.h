// The application-wide style that hands every menu item of every window to
// the one menu painter, and gives each menu the width measured for it.
#pragma once
#include "app/menu_glyphs.h"
#include "app/menu_painter.h"

#include <QProxyStyle>
#include <functional>

class QAction;
class QMenu;

class MenuProxyStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit MenuProxyStyle(QStyle* base = nullptr);

    MenuPaintContext& paintContext() { return m_ctx; }
    // The state of the last measure and paint (the style measures and paints
    // from its const queries, so the state is kept mutable).
    MenuState& menuState() const { return m_menuState; }
    // State that some glyph pairs depend on (MyShow panel, running show ...).
    void setGlyphState(std::function<MenuGlyphState()> f) { m_glyphState = std::move(f); }
    // Finds an action by object name (for items drawn with another item's caption).
    void setActionResolver(std::function<QAction*(const QString&)> f) { m_resolve = std::move(f); }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void polish(QWidget* widget) override;
    using QProxyStyle::polish;

    // What an action is painted with: its caption, hint, enabled state and
    // glyph pair, after the mirrors (Raunch items show the Launch items'
    // captions, the pop-up view choices those of the main items ...).
    struct ItemLook {
        QString caption;
        QString hint;
        bool enabled = true;
        MenuGlyphPair glyphs;
    };
    ItemLook lookOf(const QAction* action) const;

private:
    QAction* resolve(const QString& name) const;

    MenuPaintContext m_ctx;
    mutable MenuState m_menuState;
    std::function<MenuGlyphState()> m_glyphState;
    std::function<QAction*(const QString&)> m_resolve;
};

// Installs the style on the application (once) and returns it.
MenuProxyStyle* InstallMenuStyle();
MenuProxyStyle* CurrentMenuStyle();

// Measures one menu in the font it is painted in: writes the width tag into
// each visible item's hint (its status tip), sets the style's MenuItemWidth
// and MenuMaxHintWidth, and keeps the width on the menu itself so that it does
// not change when another menu is measured. fileNamePart measures the
// file-name part of each caption (program lists).
int MeasureMenu(QMenu* menu, bool fileNamePart = false);

// Item height of a menu action: 18 for items, 10 for separators.
constexpr int MenuItemHeight = 18;
constexpr int MenuSeparatorHeight = 10;
// The separator above the bookmark items of the Show menu is lower.
constexpr int MenuShortSeparatorHeight = 8;

// Item height by the action's object name: 18 for items, 10 for separators,
// 8 for the separator N10.
int MenuItemHeightFor(const QString& objectName, bool separator);

// The style is handed only a menu item's text when it sizes it, so a
// separator of its own height carries its object name as its text (never
// painted: separators are drawn as lines).
void TagSeparatorHeights(class QObject* root);

// Property names kept on QMenu / QAction objects.
inline constexpr const char* MenuWidthProperty = "vxMenuItemWidth";
inline constexpr const char* MenuFileNameProperty = "vxMeasureFileNames";
inline constexpr const char* GlyphProperty = "vxGlyph";            // int, overrides the table
inline constexpr const char* DisabledGlyphProperty = "vxDisabledGlyph";
