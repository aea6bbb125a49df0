#include "app/menu_caption.h"

#include <algorithm>

namespace {
QString trimRight(const QString& s)
{
    int n = s.size();
    while (n > 0 && s.at(n - 1) == QLatin1Char(' '))
        --n;
    return s.left(n);
}
} // namespace

MenuCaptionParts SplitCaptionParts(const QString& caption)
{
    MenuCaptionParts parts;
    const int p = caption.indexOf(QStringLiteral("~-"));
    if (p < 0)
        return parts;
    parts.hint = caption.mid(p + 1);
    if (p > 0)
        parts.left = trimRight(caption.left(p));
    return parts;
}

QString SplitMenuCaption(const QString& caption, const MenuTextWidth& width, MenuState& state)
{
    state.MenuCaptionText.clear();
    state.MenuHintWidth = 0;
    const int p = caption.indexOf(QStringLiteral("~-"));
    if (p < 0)
        return QString();
    const QString result = caption.mid(p + 1);
    if (p == 0)
        return result;
    state.MenuCaptionText = trimRight(caption.left(p));
    if (!result.isEmpty() && width)
        state.MenuHintWidth = width(result);
    return result;
}

int HintTagWidth(const QString& hint)
{
    if (hint.size() < 2)
        return 0;
    bool ok = false;
    const int n = hint.mid(1).toInt(&ok);
    return ok ? n : 0;
}

bool IsAccessCellCaption(const QString& caption)
{
    const QByteArray first = caption.left(5).toLatin1();
    return first.size() == 5 && first >= QByteArray("&a - ") && first <= QByteArray("&z - ");
}

QString MenuFileNamePart(const QString& caption)
{
    const int cut = std::max({caption.lastIndexOf(QLatin1Char('\\')),
                              caption.lastIndexOf(QLatin1Char('/')),
                              caption.lastIndexOf(QLatin1Char(':'))});
    return cut < 0 ? caption : caption.mid(cut + 1);
}

MenuMeasureResult MeasureMenuItems(std::vector<MenuMeasureItem>& items,
                                   const MenuTextWidth& width, MenuState& state, bool fileNamePart)
{
    state.MenuItemWidth = 0;
    state.MenuMaxHintWidth = 0;
    for (const MenuMeasureItem& item : items) {
        if (!item.visible || item.caption == QLatin1String("-"))
            continue;
        const QString hint = SplitMenuCaption(item.caption, width, state);
        QString text = hint.isEmpty() ? item.caption : state.MenuCaptionText;
        if (fileNamePart)
            text = MenuFileNamePart(item.caption);
        state.MenuItemWidth = std::max(state.MenuItemWidth, width ? width(text) : 0);
        state.MenuMaxHintWidth = std::max(state.MenuMaxHintWidth, state.MenuHintWidth);
    }
    if (state.MenuMaxHintWidth >= 1)
        state.MenuItemWidth += 60 + state.MenuMaxHintWidth;
    else
        state.MenuItemWidth += 40;
    for (MenuMeasureItem& item : items) {
        if (!item.visible)
            continue;
        const QChar marker = item.hint.isEmpty() ? QLatin1Char('>') : item.hint.at(0);
        item.hint = QString(marker) + QString::number(state.MenuMaxHintWidth);
    }
    return {state.MenuItemWidth, state.MenuMaxHintWidth};
}

int DriveImageIndex(const QString& caption)
{
    // "&c - Fixed drive": the kind starts at the sixth character.
    const QString k = caption.mid(5, 3);
    if (k == QLatin1String("Fix"))
        return 2;
    if (k == QLatin1String("Flo"))
        return 3;
    if (k == QLatin1String("CD/"))
        return 4;
    if (k == QLatin1String("Net"))
        return 56;
    // "&C: / Fixed Drive": the kind is the end of the caption, after the
    // mount point.
    const int colon = caption.indexOf(QLatin1Char(':'));
    if (colon < 0 || colon > 2)
        return -1;
    const auto has = [&caption](const char* word) {
        return caption.endsWith(QLatin1String(word), Qt::CaseInsensitive)
               || caption.contains(QLatin1String(" ") + QLatin1String(word) + QLatin1String(" "),
                                   Qt::CaseInsensitive);
    };
    if (has("Fixed Drive") || has("Fixed"))
        return 2;
    if (has("Removable Drive") || has("Removable") || has("Floppy"))
        return 3;
    if (has("CD-ROM Drive") || has("CD-ROM") || has("CD/DVD") || has("CD"))
        return 4;
    if (has("Network Drive") || has("Network") || has("Remote"))
        return 56;
    return -1;
}

int FavoriteImageIndex(const QString& caption)
{
    return caption.toLower().endsWith(QLatin1String(".vxt")) ? 57 : 58;
}

QString SpacesToUnderscores(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char(' '), QLatin1Char('_'));
    return out;
}
