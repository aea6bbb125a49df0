#include "browse/crop.h"

#include "browse/fit_zoom.h"

#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

using fitzoom::RoundHalfEven;

namespace {

// The shortest decimal text that reads back as the same double.
QString shortestDecimal(double v)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    if (res.ec != std::errc())
        return QString::number(v, 'g', 17);
    return QString::fromLatin1(buf, int(res.ptr - buf));
}

// A ratio the rule can divide by: both parts finite, width and height above 0.
bool usableRatio(double w, double h)
{
    return std::isfinite(w) && std::isfinite(h) && w > 0 && h > 0;
}

} // namespace

QString CropRatioCaption(bool allowCustom, double height, double width,
                         double customHeight, double customWidth)
{
    if (width == 0)
        return QStringLiteral("Square");
    if (allowCustom && height == customHeight && width == customWidth)
        return QStringLiteral("Custom ratio");
    return shortestDecimal(width) + QLatin1Char(':') + shortestDecimal(height);
}

QPoint KeepCropRatio(QPoint p, QPoint start, bool yPinned, bool xPinned,
                     double ratioWidth, double ratioHeight)
{
    const bool square = !usableRatio(ratioWidth, ratioHeight);
    const double w = square ? 1.0 : ratioWidth;
    const double h = square ? 1.0 : ratioHeight;
    const int dx = p.x() - start.x();
    const int dy = p.y() - start.y();
    // An extreme ratio (1e300:1 typed as a custom ratio) gives huge
    // coordinates: they are held well inside the int range, and the caller
    // clamps them to the image.
    const auto offset = [](int base, long long delta) {
        const long long v = std::clamp<long long>(base + delta, -(1LL << 28), 1LL << 28);
        return int(v);
    };
    const auto yFromX = [&] { return offset(start.y(), square ? dx : RoundHalfEven(dx * h / w)); };
    const auto xFromY = [&] { return offset(start.x(), square ? dy : RoundHalfEven(dy * w / h)); };

    if (xPinned)
        return QPoint(p.x(), yFromX());
    if (yPinned)
        return QPoint(xFromY(), p.y());
    const bool widthLeads = square ? std::abs(dx) > std::abs(dy)
                                   : std::abs(dx) > std::abs(dy) * h / w;
    if (widthLeads)
        return QPoint(p.x(), yFromX());
    return QPoint(xFromY(), p.y());
}

QString CropPauseHintText()
{
    return QStringLiteral(" To crop and enlarge, pause show first (press space bar or click mouse wheel)");
}

QString SelectionTooSmallText()
{
    return QStringLiteral("Selection too small!");
}

CutOutGeometry MapSelectionToPicture(const QRect& selection, const QSize& image, const QSize& picture)
{
    CutOutGeometry g;
    if (image.width() <= 0 || image.height() <= 0 || picture.width() <= 0 || picture.height() <= 0)
        return g;
    const double x1 = selection.x(), y1 = selection.y();
    const double x2 = x1 + selection.width(), y2 = y1 + selection.height();
    const double sx = (x2 - x1) / image.width();
    const double sy = (y2 - y1) / image.height();
    const double left = picture.width() * x1 / image.width();
    const double top = picture.height() * y1 / image.height();
    const int width = RoundHalfEven(picture.width() * sx);
    const int height = RoundHalfEven(picture.height() * sy);
    if (width <= 0 || height <= 0)
        return g;
    // The two roundings can put the right or bottom edge one pixel past
    // the picture: cut the rectangle back to it.
    const QRect wanted(RoundHalfEven(left), RoundHalfEven(top), width, height);
    const QRect inside = wanted.intersected(QRect(QPoint(0, 0), picture));
    if (inside.isEmpty())
        return g;
    g.tooSmall = false;
    g.source = inside;
    return g;
}

bool IsUncroppableExtension(const QString& path)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    return ext == QLatin1String("emf") || ext == QLatin1String("wmf") || ext == QLatin1String("ico");
}

QPoint SizeReadoutPosition(QPoint imageTopLeft, const QSize& image, QPoint p, const QSize& text)
{
    int left = imageTopLeft.x() + p.x() + 5;
    int top = imageTopLeft.y() + p.y() - 15;
    if (left + text.width() > imageTopLeft.x() + image.width())
        left = imageTopLeft.x() + image.width() - text.width() - 10;
    if (top < imageTopLeft.y())
        top = imageTopLeft.y() + 10;
    return QPoint(left, top);
}

// ---- CropSelection ------------------------------------------------------------

void CropSelection::mouseDown(QPoint p, const CropContext& ctx, double ratioWidth, double ratioHeight,
                              double customWidth, double customHeight)
{
    ++downCount_;
    start_ = end_ = last_ = p;
    CropAllowed = 1;
    // Outside a show the picture is recorded unless the crop was refused;
    // in a show the current entry is always recorded.
    if (ctx.showRunning || !CropRefused)
        cropPath_ = ctx.picturePath;
    if (IsUncroppableExtension(ctx.picturePath) || ctx.navPanelShown
        || !(ctx.fullViewActive || ctx.manualMode) || ctx.demoMode)
        CropAllowed = 0;
    if (CropAllowed)
        ratioCaption_ = CropRatioCaption(false, ratioHeight, ratioWidth, customHeight, customWidth);
}

CropMoveResult CropSelection::mouseMove(QPoint p, bool leftDown, bool shift, bool ctrl,
                                        const CropGeometry& g, const CropContext& ctx,
                                        double ratioWidth, double ratioHeight)
{
    CropMoveResult r;
    if (ctx.autoShowRunning)
        return r;
    if (ctx.showRunning)
        CropRefused = 0;
    if (ctx.thumbnailView && !ctx.fullScreenVisible)
        CropAllowed = 0;
    if (!leftDown || !CropAllowed || CropRefused)
        return r;

    const int w = std::max(0, g.image.width());
    const int h = std::max(0, g.image.height());
    int x = std::max(0, p.x());
    int y = p.y() < 1 ? 0 : p.y();

    if (shift) {
        const QPoint q = KeepCropRatio(QPoint(x, y), start_, false, false, ratioWidth, ratioHeight);
        x = q.x();
        y = q.y();
    }
    bool xPinned = false, yPinned = false;
    if (x > w) { x = w; xPinned = true; }
    if (y > h) { y = h; yPinned = true; }
    if (x < 0) { x = 0; xPinned = true; }
    if (y < 1) { y = 0; yPinned = true; }
    if (shift) {
        const QPoint q = KeepCropRatio(QPoint(x, y), start_, yPinned, xPinned, ratioWidth, ratioHeight);
        x = q.x();
        y = q.y();
    }

    if (ctrl) {
        // The whole rectangle moves; against the left or top edge it stops
        // there, keeping its size.
        start_ += QPoint(x - last_.x(), y - last_.y());
        if (start_.x() < 0) {
            x -= start_.x();
            start_.setX(0);
        }
        if (start_.y() < 0) {
            y -= start_.y();
            start_.setY(0);
        }
    }
    start_.setX(std::min(start_.x(), w));
    start_.setY(std::min(start_.y(), h));
    last_ = end_ = QPoint(x, y);

    const auto pictureSide = [](int pixels, int imageSide, int pictureSide) {
        if (imageSide <= 0 || pictureSide <= 0)
            return 0;
        return std::abs(RoundHalfEven(pixels / (double(imageSide) / double(pictureSide))));
    };
    const int pw = pictureSide(x - start_.x(), w, g.picture.width());
    const int ph = pictureSide(y - start_.y(), h, g.picture.height());
    r.draw = true;
    r.start = start_;
    r.end = end_;
    r.sizeText = QString::number(pw) + QLatin1Char('x') + QString::number(ph);
    if (shift)
        r.sizeText += QStringLiteral(" (") + ratioCaption_ + QLatin1Char(')');
    r.fullSizeText = QString::number(g.picture.width()) + QLatin1Char('x') + QString::number(g.picture.height());
    return r;
}

CropUpResult CropSelection::mouseUp(QPoint p, const CropGeometry& g, const CropContext& ctx)
{
    CropUpResult r;
    bool refused = CropRefused != 0;
    if (ctx.picturePath != cropPath_ || ctx.autoShowRunning)
        refused = true;
    if (ctx.showRunning && !ctx.fullViewActive && !ctx.demoMode && !ctx.autoShowRunning
        && !IsUncroppableExtension(ctx.picturePath) && !ctx.manualMode) {
        refused = true;
        r.showPauseHint = true;
    }

    const auto normalised = [](QPoint a, QPoint b) {
        const int x1 = std::min(a.x(), b.x()), x2 = std::max(a.x(), b.x());
        const int y1 = std::min(a.y(), b.y()), y2 = std::max(a.y(), b.y());
        return QRect(x1, y1, x2 - x1, y2 - y1);
    };

    if (!refused) {
        const QRect raw = normalised(start_, p);
        const bool click = raw.width() < 3 && raw.height() < 3;
        if (click && ctx.fullViewActive)
            r.action = CropUpAction::CloseFullView;
        if (CropAllowed) {
            CropAllowed = 0;
            const int w = std::max(0, g.image.width());
            const int h = std::max(0, g.image.height());
            const QPoint endPoint(std::clamp(p.x(), 0, w), std::clamp(p.y(), 0, h));
            const QPoint startPoint(std::clamp(start_.x(), 0, w), std::clamp(start_.y(), 0, h));
            end_ = endPoint;
            r.selection = normalised(startPoint, endPoint);
            if (r.action != CropUpAction::CloseFullView) {
                if (r.selection.width() < 3 || r.selection.height() < 3) {
                    r.action = CropUpAction::RepaintOnly;
                } else {
                    const CutOutGeometry cg = MapSelectionToPicture(r.selection, g.image, g.picture);
                    if (cg.tooSmall) {
                        r.action = CropUpAction::SelectionTooSmall;
                    } else {
                        r.action = CropUpAction::CutOut;
                        r.source = cg.source;
                    }
                }
            }
        }
    } else {
        r.action = CropUpAction::Refused;
    }
    CropRefused = 0;
    last_ = kNoPoint;
    return r;
}

QList<CropRatioChoice> CropRatioChoices()
{
    const auto fixed = [](const char* name, double w, double h) {
        CropRatioChoice c;
        c.name = QLatin1String(name);
        c.width = w;
        c.height = h;
        c.caption = CropRatioCaption(false, h, w, 0, 0);
        return c;
    };
    QList<CropRatioChoice> choices;
    choices << fixed("RatioSquare", 0, 0) << fixed("Ratio4x3", 4, 3) << fixed("Ratio3x2", 3, 2)
            << fixed("Ratio16x9", 16, 9) << fixed("Ratio3x4", 3, 4) << fixed("Ratio2x3", 2, 3)
            << fixed("Ratio9x16", 9, 16);
    CropRatioChoice custom;
    custom.name = QStringLiteral("RatioCustom");
    custom.caption = QStringLiteral("Custom ratio");
    custom.custom = true;
    choices << custom;
    return choices;
}
