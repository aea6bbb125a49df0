// What the other sections read of the page of thumbnails and ask of it: the
// page section offers it, the main window hands it to the sections that need
// it. The defaults answer for a window without a page of thumbnails.
#pragma once

#include <QString>
#include <QStringList>

class PageSelection {
public:
    virtual ~PageSelection() = default;

    // Whether a page of thumbnails is shown.
    virtual bool ThumbnailViewActive() const { return false; }
    // The cells of the shown page; 0 when no page is shown.
    virtual int ShownSlotCount() const { return 0; }
    // The ticked pictures, in slot order.
    virtual QStringList TickedPictures() const { return {}; }
    // The picture of the current cell; "" when no cell is current.
    virtual QString CurrentSlotPicture() const { return {}; }
    virtual void Untick(const QString&) {}
    // The cells showing `path` read their picture again.
    virtual void ReloadPagePicture(const QString&) {}
    virtual void DrawPagePositionBar() {}
    // The show's step as pages: the page from the current picture on.
    virtual void LoadPageFromCurrent() {}
};
