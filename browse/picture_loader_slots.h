// The three picture slots ("form1im1", "form9im1", "form9im2") as plain
// view-models: what a picture view paints and what fitting, zooming and
// cropping read. A slot holds the decoded buffer (decoded only as large as
// needed) and, apart from it, the picture's true size.
#pragma once

#include "formats/picture_file.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class PictureSlotModel {
public:
    explicit PictureSlotModel(QString name) : m_name(std::move(name)) {}

    const QString& Name() const { return m_name; }

    // ---- what the slot holds ----
    bool Loaded() const { return !m_picture.image.isNull(); }
    const QString& Path() const { return m_path; }
    // The picture's own size in pixels (from its header), whatever the
    // decoded buffer's size.
    QSize PictureSize() const { return m_picture.trueSize; }
    int PictureWidth() const { return m_picture.trueSize.width(); }
    int PictureHeight() const { return m_picture.trueSize.height(); }
    // The decoded buffer (a JPEG may be decoded at n/8 of its size).
    const QImage& Buffer() const { return m_picture.image; }
    PictureKind Kind() const { return m_picture.kind; }
    int JpegScaleNum() const { return m_picture.jpegScaleNum; }

    // The image to paint now (the current frame of an animated GIF).
    const QImage& CurrentImage() const;
    bool Animated() const { return m_picture.gif && m_picture.gif->Animated(); }
    int FrameIndex() const { return m_frame; }
    int FrameDelay() const;          // of the current frame, ms
    void AdvanceFrame();             // to the next frame, wrapping

    // The picture at its true size: the buffer itself when it was decoded
    // in full, otherwise the file decoded again in full. Throws like the
    // loader when the file can no longer be read.
    QImage FullResolutionImage() const;

    // ---- where it is drawn (set by the fitting) ----
    bool Visible = false;
    bool Enabled = true;
    QRect ImageRect;                 // left, top, width, height in the window

    // ---- what the loader decodes for ----
    // The area the picture will be fitted into and the enlargement limit
    // (percent). An empty area means the primary screen's size.
    QSize DisplayArea;
    int EnlargeLimit = 9999;

    // ---- changes ----
    void SetPicture(const QString& path, LoadedPicture picture);
    void Clear();
    void NotifyChanged();
    // Views register here; the id removes them again.
    int AddListener(std::function<void()> listener);
    void RemoveListener(int id);

private:
    QString m_name;
    QString m_path;
    LoadedPicture m_picture;
    int m_frame = 0;
    int m_nextListener = 1;
    std::vector<std::pair<int, std::function<void()>>> m_listeners;
};

// The fixed slot names.
extern const QString SlotForm1Im1; // "form1im1": the main window's picture
extern const QString SlotForm9Im1; // "form9im1": full-screen, first image
extern const QString SlotForm9Im2; // "form9im2": full-screen, second image

// The slot of that name, or nullptr for any other name.
PictureSlotModel* PictureSlot(const QString& name);
