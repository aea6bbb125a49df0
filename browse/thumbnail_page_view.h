// The widgets of a thumbnail page: per slot a cell panel, the frame that
// holds the picture, the image, the caption line, the selection check box
// and the "first on this page" button; and the page position bar on the
// status bar. The view shows a PageState's cells and reports the user's
// input as signals; it decides nothing itself.
#pragma once

#include "browse/page_layouts.h"
#include "browse/page_position_bar.h"
#include "browse/page_state.h"

#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;

struct PageSlotWidgets {
    QFrame* cell = nullptr;          // PageCells
    QLabel* frame = nullptr;         // PageFrames: "Can not show picture " / "Loading........."
    QLabel* image = nullptr;         // PageImages
    QLineEdit* caption = nullptr;    // PageCaptions
    QCheckBox* checkBox = nullptr;   // PageCheckBoxes
    QToolButton* firstButton = nullptr;  // PageFirstButtons
};

// The position bar: the blocks and the percentage, painted in the status
// bar's right-most panel.
class PagePositionBarWidget : public QWidget {
    Q_OBJECT
public:
    explicit PagePositionBarWidget(QWidget* parent = nullptr);
    void SetBar(const PagePositionBar& bar, int originX);
    const PagePositionBar& Bar() const { return bar_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PagePositionBar bar_;
    int originX_ = 0;
};

// The page's colours and font, from the program's colour scheme.
struct PageLook {
    QColor frame = QColor(0xF2, 0xF2, 0xF2);     // thumbnail page background
    QColor caption = QColor(0xB9, 0xD3, 0xEE);   // thumbnail page controls
    QString fontName;                            // the caption lines' font; empty: the window's
};

class ThumbnailPageView : public QObject {
    Q_OBJECT
public:
    // Cells are created as children of `parent`, the page area: it lies below
    // the tool bar, at the page geometry's top in the client area.
    explicit ThumbnailPageView(QWidget* parent, PageLook look = PageLook());
    ~ThumbnailPageView() override;

    int count() const { return int(slots_.size()); }
    // The colours and font of cells made from now on.
    void SetLook(const PageLook& look) { look_ = look; }
    const PageSlotWidgets& slot(int i) const { return slots_[size_t(i)]; }

    // Lays out the slots of `geometry`: slots above build.oldLast are
    // created, slots from build.freeFrom on are freed, existing slots are
    // moved and resized; every cell starts disabled with its check box
    // disabled and its first button hidden.
    void BuildPicturePage(const PageGeometry& geometry, const PageBuild& build);
    // Frees the controls of slots first .. last: they are hidden and kept
    // for the next page that has those slots.
    void FreePageControls(int first);

    // Shows a slot's state: texts, ticks, enabled and visible states and the
    // cell colour (blue when selected).
    void ShowCell(int slot, const PageCell& cell);
    // The slot's picture, placed at `rect` in the frame.
    void SetPicture(int slot, const QPixmap& picture, QRect rect);
    void PlacePicture(int slot, QRect rect);
    QPixmap Picture(int slot) const;
    void ClearPicture(int slot);
    // Keyboard focus to the first cell's caption line.
    void FocusFirstPageCaption();
    // While held, the cells (and those made meanwhile) are not painted: the
    // screen keeps what it showed until the hold is released, when every
    // cell paints once in the state it has reached.
    void HoldPaint();
    void ReleasePaint();
    bool PaintHeld() const { return paintHeld_; }

signals:
    void frameMouseDown(int slot, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, bool onCaption,
                        QPoint globalPos);
    void imageMouseDown(int slot, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint globalPos);
    void imageClicked(int slot);
    void captionEntered(int slot);
    void checkBoxClicked(int slot, bool checked);
    void firstButtonClicked(int slot);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createSlot(int i);
    void freeSlot(int i);
    void applyLook(const PageSlotWidgets& w);
    void place(int i, const PageSlotGeometry& g, int top);

    QPointer<QWidget> parent_;
    PageLook look_;
    std::vector<PageSlotWidgets> slots_;
    // Cells freed by a page, hidden and kept by slot for the next page.
    std::vector<PageSlotWidgets> parked_;
    bool paintHeld_ = false;
};
