#include "browse/thumbnail_page_view.h"

#include "browse/picture_display_page.h"
#include "platform/icons.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>

#include <algorithm>

namespace {

const char* const kSlotProperty = "pageSlot";
// A cell takes no clicks while this is false (its picture is not yet shown
// or the page is being refilled); it is drawn as it is, not greyed.
const char* const kCellEnabledProperty = "pageCellEnabled";

// A colour the widget's palette already sets is not set again: setPalette
// resolves the whole palette against the parent's, which is the costly part
// of showing a cell that did not change.
void setColour(QWidget* w, QPalette::ColorRole role, const QColor& colour)
{
    const QPalette& current = w->palette();
    QPalette p = current;
    p.setColor(role, colour);
    if (p == current && p.resolveMask() == current.resolveMask())
        return;
    w->setPalette(p);
}

// A tool tip is set only when it changes (setting one sends a change event
// through the widget and the accessibility layer).
void setToolTipIfChanged(QWidget* w, const QString& text)
{
    if (w->toolTip() != text)
        w->setToolTip(text);
}

// The caption line's whole text; the line shows as much as its room takes.
const char* const kFullCaptionProperty = "pageFullCaption";

// Shows the caption's whole text when it fits before the check box, else
// its middle is left out ("2 - 11_Pain…olors.jpg"): the number and the
// extension stay in sight.
void showCaption(QLineEdit* line, const QString& text)
{
    line->setProperty(kFullCaptionProperty, text);
    QStyleOptionFrame option;
    option.initFrom(line);
    option.lineWidth = line->hasFrame() ? line->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, line) : 0;
    const QMargins margins = line->textMargins();
    // The line edit keeps two pixels on each side of its text.
    const int room = line->width() - margins.left() - margins.right() - 2 * option.lineWidth - 4;
    const QString shown = line->fontMetrics().elidedText(text, Qt::ElideMiddle, std::max(0, room));
    if (line->text() != shown) {
        line->setText(shown);
        line->setCursorPosition(0);
    }
}

int slotOf(const QObject* o)
{
    const QVariant v = o->property(kSlotProperty);
    return v.isValid() ? v.toInt() : -1;
}

} // namespace

// ---- the position bar ------------------------------------------------------------

PagePositionBarWidget::PagePositionBarWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PagePositionBar"));
}

void PagePositionBarWidget::SetBar(const PagePositionBar& bar, int originX)
{
    bar_ = bar;
    originX_ = originX;
    update();
}

void PagePositionBarWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap on = platform::ImageListPixmap(platform::ImageListId::ImageList1, 26, 15);
    const QPixmap off = platform::ImageListPixmap(platform::ImageListId::ImageList1, 25, 15);
    // The blocks are placed in the status bar's coordinates; this widget
    // sits at originX in it.
    for (size_t i = 0; i < bar_.blockX.size(); ++i)
        painter.drawPixmap(bar_.blockX[i] - originX_, bar_.y, 3, 15, bar_.marked[i] ? on : off);
    QFont f = painter.font();
    f.setBold(false);
    f.setItalic(false);
    painter.setFont(f);
    // The text stays inside the bar when the font is wider than planned.
    const int textWidth = painter.fontMetrics().horizontalAdvance(bar_.text.trimmed());
    const int x = std::min(bar_.textX - originX_, width() - textWidth - 2);
    painter.drawText(QRect(x, 0, width() - x, height()), Qt::AlignVCenter | Qt::AlignLeft, bar_.text);
}

// ---- the cells ----------------------------------------------------------------------

ThumbnailPageView::ThumbnailPageView(QWidget* parent, PageLook look) : parent_(parent), look_(look)
{
}

ThumbnailPageView::~ThumbnailPageView()
{
    FreePageControls(0);
    // The kept cells go when the event being handled is done with them (a
    // key that ends the show may be on its way to a check box).
    if (parent_)
        for (const PageSlotWidgets& w : parked_)
            if (w.cell) {
                w.cell->setParent(nullptr);
                w.cell->deleteLater();
            }
}

void ThumbnailPageView::applyLook(const PageSlotWidgets& w)
{
    setColour(w.frame, QPalette::Window, look_.frame);
    setColour(w.caption, QPalette::Base, look_.caption);
    // The check box sits inside the caption line and fills its square with
    // the line's colour: a widget that paints all of itself is repainted
    // alone, not with everything beneath it.
    setColour(w.checkBox, QPalette::Button, look_.caption);
    if (!look_.fontName.isEmpty() && w.caption->font().family() != look_.fontName) {
        QFont f = w.caption->font();
        f.setFamily(look_.fontName);
        w.caption->setFont(f);
    }
}

void ThumbnailPageView::createSlot(int i)
{
    // A slot's cell that a page left is taken again: making and polishing
    // six widgets costs more than the whole painting of the cell.
    if (parent_ && i < int(parked_.size()) && parked_[size_t(i)].cell) {
        PageSlotWidgets w = parked_[size_t(i)];
        parked_[size_t(i)] = PageSlotWidgets{};
        applyLook(w);
        w.cell->setUpdatesEnabled(!paintHeld_);
        slots_[size_t(i)] = w;
        return;
    }
    PageSlotWidgets w;
    const QString n = QString::number(i);
    w.cell = new QFrame(parent_);
    w.cell->setObjectName(QStringLiteral("PageCell") + n);
    w.cell->setAutoFillBackground(true);
    w.frame = new QLabel(w.cell);
    w.frame->setObjectName(QStringLiteral("PageFrame") + n);
    w.frame->setAutoFillBackground(true);
    w.frame->setAlignment(Qt::AlignCenter);
    // "Can not show picture" breaks into rows in a narrow cell, not cut off.
    w.frame->setWordWrap(true);
    w.frame->setFrameShape(QFrame::Panel);
    w.frame->setFrameShadow(QFrame::Raised);
    w.image = new QLabel(w.frame);
    w.image->setObjectName(QStringLiteral("PageImage") + n);
    w.image->setScaledContents(true);
    w.image->setContextMenuPolicy(Qt::NoContextMenu);
    w.image->hide();
    w.caption = new QLineEdit(w.cell);
    w.caption->setObjectName(QStringLiteral("PageCaption") + n);
    w.caption->setReadOnly(true);
    // Its rounded corners show the cell's colour, painted by the line itself
    // so that it is repainted alone, not with the cell beneath it.
    w.caption->setBackgroundRole(QPalette::Window);
    w.caption->setAutoFillBackground(true);
    // Its right button opens the page's pop-up, not the line's own menu.
    w.caption->setContextMenuPolicy(Qt::NoContextMenu);
    w.checkBox = new QCheckBox(w.cell);
    w.checkBox->setObjectName(QStringLiteral("PageCheckBox") + n);
    w.checkBox->setAutoFillBackground(true);
    w.firstButton = new QToolButton(w.cell);
    w.firstButton->setObjectName(QStringLiteral("PageFirstButton") + n);
    w.firstButton->setIcon(platform::ImageListIcon(platform::ImageListId::ImageList1, 24));
    w.firstButton->setAutoRaise(true);
    w.firstButton->setToolTip(kPageFirstButtonHint);
    for (QObject* o : {static_cast<QObject*>(w.frame), static_cast<QObject*>(w.image),
                       static_cast<QObject*>(w.caption)}) {
        o->setProperty(kSlotProperty, i);
        o->installEventFilter(this);
    }
    applyLook(w);
    if (paintHeld_)
        w.cell->setUpdatesEnabled(false);
    connect(w.checkBox, &QCheckBox::clicked, this, [this, i](bool checked) { emit checkBoxClicked(i, checked); });
    connect(w.firstButton, &QToolButton::clicked, this, [this, i] { emit firstButtonClicked(i); });
    slots_[size_t(i)] = w;
}

void ThumbnailPageView::freeSlot(int i)
{
    PageSlotWidgets& w = slots_[size_t(i)];
    // Once the page area is gone the cells went with it.
    if (parent_ && w.cell) {
        // Hidden, so that a focused check box hands the focus on while the
        // window's widgets are all whole, and kept without its picture for
        // the slot's next page.
        w.cell->hide();
        w.image->clear();
        w.image->hide();
        w.cell->setUpdatesEnabled(true);
        if (int(parked_.size()) <= i)
            parked_.resize(size_t(i) + 1);
        parked_[size_t(i)] = w;
    }
    w = PageSlotWidgets{};
}

void ThumbnailPageView::place(int i, const PageSlotGeometry& g, int top)
{
    PageSlotWidgets& w = slots_[size_t(i)];
    // The cells' parent is the page area, which lies below the tool bar.
    w.cell->setGeometry(g.cell.translated(0, -top));
    setColour(w.cell, QPalette::Window, w.cell->palette().color(QPalette::Button));
    w.frame->setGeometry(g.frame);
    w.caption->setGeometry(g.caption);
    w.checkBox->setGeometry(g.checkBox);
    // The caption's text stops where the check box begins.
    w.caption->setTextMargins(0, 0, std::max(0, g.caption.right() - g.checkBox.left() + 3), 0);
    showCaption(w.caption, w.caption->property(kFullCaptionProperty).toString());
    w.firstButton->setGeometry(g.firstButton);
    w.firstButton->hide();
    w.checkBox->setEnabled(false);
    w.cell->setProperty(kCellEnabledProperty, false);
    w.cell->show();
    w.cell->raise();
}

void ThumbnailPageView::BuildPicturePage(const PageGeometry& geometry, const PageBuild& build)
{
    if (build.freeFrom >= 0)
        FreePageControls(build.freeFrom);
    const int n = int(geometry.slotRects.size());
    const int old = count();
    slots_.resize(size_t(n));
    for (int i = 0; i < n; ++i) {
        if (i >= old || !slots_[size_t(i)].cell)
            createSlot(i);
        place(i, geometry.slotRects[size_t(i)], geometry.top);
    }
}

void ThumbnailPageView::FreePageControls(int first)
{
    for (int i = std::max(0, first); i < count(); ++i)
        freeSlot(i);
    if (first < count())
        slots_.resize(size_t(std::max(0, first)));
}

void ThumbnailPageView::ShowCell(int i, const PageCell& c)
{
    if (i < 0 || i >= count())
        return;
    PageSlotWidgets& w = slots_[size_t(i)];
    setColour(w.cell, QPalette::Window, c.ticked ? QColor(Qt::blue) : w.cell->palette().color(QPalette::Button));
    w.cell->setProperty(kCellEnabledProperty, c.cellEnabled);
    w.frame->setText(c.frameText);
    w.image->setVisible(c.imageVisible);
    if (w.caption->property(kFullCaptionProperty).toString() != c.caption)
        showCaption(w.caption, c.caption);
    w.caption->setVisible(c.captionVisible);
    setToolTipIfChanged(w.caption, c.hintOn ? c.captionHint : QString());
    setToolTipIfChanged(w.image, c.PageSlotLoaded ? CellHintText(c.path) : QString());
    w.checkBox->setEnabled(c.checkEnabled);
    if (w.checkBox->isChecked() != c.ticked)
        w.checkBox->setChecked(c.ticked);
    w.firstButton->setVisible(c.firstButtonVisible);
}

void ThumbnailPageView::SetPicture(int i, const QPixmap& picture, QRect rect)
{
    if (i < 0 || i >= count())
        return;
    QLabel* image = slots_[size_t(i)].image;
    // A picture without transparency covers its label (its contents are
    // scaled to it), which is then repainted alone.
    image->setAttribute(Qt::WA_OpaquePaintEvent, !picture.hasAlphaChannel());
    image->setPixmap(picture);
    image->setGeometry(rect);
}

void ThumbnailPageView::PlacePicture(int i, QRect rect)
{
    if (i >= 0 && i < count())
        slots_[size_t(i)].image->setGeometry(rect);
}

QPixmap ThumbnailPageView::Picture(int i) const
{
    return i >= 0 && i < count() ? slots_[size_t(i)].image->pixmap() : QPixmap();
}

void ThumbnailPageView::ClearPicture(int i)
{
    if (i >= 0 && i < count()) {
        slots_[size_t(i)].image->clear();
        slots_[size_t(i)].image->hide();
    }
}

void ThumbnailPageView::FocusFirstPageCaption()
{
    if (count() > 0 && slots_[0].caption->isVisible()) {
        slots_[0].caption->setFocus();
        slots_[0].caption->setCursorPosition(0);
        slots_[0].caption->deselect();
    }
}

void ThumbnailPageView::HoldPaint()
{
    if (paintHeld_)
        return;
    paintHeld_ = true;
    for (const PageSlotWidgets& w : slots_)
        if (w.cell)
            w.cell->setUpdatesEnabled(false);
}

void ThumbnailPageView::ReleasePaint()
{
    if (!paintHeld_)
        return;
    paintHeld_ = false;
    for (const PageSlotWidgets& w : slots_)
        if (w.cell)
            w.cell->setUpdatesEnabled(true);
}

bool ThumbnailPageView::eventFilter(QObject* watched, QEvent* event)
{
    // Only the mouse and the pointer entering concern a cell; every other
    // event (paints above all) passes without looking up the slot.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::Enter:
        break;
    default:
        return QObject::eventFilter(watched, event);
    }
    const int i = slotOf(watched);
    if (i < 0 || i >= count())
        return QObject::eventFilter(watched, event);
    const PageSlotWidgets& w = slots_[size_t(i)];
    const bool enabled = w.cell && w.cell->property(kCellEnabledProperty).toBool();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::Enter:
        if (!enabled)
            return event->type() != QEvent::Enter;
        break;
    default:
        break;
    }
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        // The second press of a double click on the caption line counts as
        // a press; the line never selects or scrolls its text.
        if (watched != w.caption)
            break;
        [[fallthrough]];
    case QEvent::MouseButtonPress: {
        auto* me = static_cast<QMouseEvent*>(event);
        const QPoint global = me->globalPosition().toPoint();
        if (watched == w.image) {
            // A left click on the picture opens it (on release); it never
            // reaches the frame, where a click selects.
            emit imageMouseDown(i, me->button(), me->modifiers(), global);
            return true;
        }
        emit frameMouseDown(i, me->button(), me->modifiers(), watched == w.caption, global);
        return true;
    }
    case QEvent::MouseMove:
        // No drag selection in the caption line (it would scroll the text).
        if (watched == w.caption)
            return true;
        break;
    case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (watched == w.image && me->button() == Qt::LeftButton && w.image->rect().contains(me->position().toPoint()))
            emit imageClicked(i);
        break;
    }
    case QEvent::Enter:
        if (watched == w.caption)
            emit captionEntered(i);
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}
