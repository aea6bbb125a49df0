// The picture slots ("form1im1" of the main window, "form9im1" and
// "form9im2" of the full-screen window) as plain view-models: what a picture
// view paints and what fitting, zooming and cropping read. Each window owns
// its slots and hands them to whoever needs them. A slot holds the decoded buffer (decoded only as large as
// needed) and, apart from it, the picture's true size. A slot is asked for a
// picture and answers later, when the decode on a worker has ended.
#pragma once

#include "browse/picture_load_error.h"
#include "formats/picture_file.h"

#include <QObject>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class PictureSlotModel : public QObject {
    Q_OBJECT
public:
    explicit PictureSlotModel(QString name, QObject* parent = nullptr) : QObject(parent), m_name(std::move(name)) {}

    const QString& Name() const { return m_name; }

    // ---- what the slot holds ----
    bool Loaded() const { return !m_picture.image.isNull(); }
    const QString& Path() const { return m_path; }
    // The picture's own size in pixels (from its header), whatever the
    // decoded buffer's size.
    QSize PictureSize() const { return m_picture.trueSize; }
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

    // ---- asking for a picture ----
    // Asks for the file decoded for `area` with the enlargement limit
    // (percent; an empty area: full size). The slot answers later, never
    // from inside this call, with `loaded` (the slot holds the picture by
    // then) or `failed` (the slot keeps what it held), naming the ticket
    // returned here. A newer request replaces one still waiting, which is
    // then never answered. With `loaderSteps` the slot says `pictureArrived`
    // when the picture has arrived, before `loaded`, for the loader's
    // thumbnail and information steps.
    quint64 Request(const QString& path, QSize area, int limitPercent, bool loaderSteps = false);
    // Drops the request still waiting (it is never answered).
    void CancelRequest();
    // The ticket of the request still waiting, 0 when none.
    quint64 PendingTicket() const { return m_ticket; }

    // ---- changes ----
    void SetPicture(const QString& path, LoadedPicture picture);
    void Clear();
    void NotifyChanged();
    // Views register here; the id removes them again.
    int AddListener(std::function<void()> listener);
    void RemoveListener(int id);

signals:
    // A picture asked for with the loader's steps is in the slot.
    void pictureArrived(const QString& path);
    void loaded(quint64 ticket, const LoadedPicture& picture);
    void failed(quint64 ticket, const LoadError& error);

private:
    void answer(quint64 ticket, const LoadedPicture& picture, const LoadOutcome& outcome);

    QString m_name;
    quint64 m_ticket = 0;
    QString m_requestedPath;
    bool m_loaderSteps = false;
    QString m_path;
    LoadedPicture m_picture;
    int m_frame = 0;
    int m_nextListener = 1;
    std::vector<std::pair<int, std::function<void()>>> m_listeners;
};

// The slot names.
extern const QString SlotForm1Im1; // "form1im1": the main window's picture
extern const QString SlotForm9Im1; // "form9im1": full-screen, first image
extern const QString SlotForm9Im2; // "form9im2": full-screen, second image

// The slot bears one of the slot names.
bool KnownSlotName(const QString& name);

// Runs `done` once, on `context`'s thread while `context` lives, with the
// slot's answer to `ticket` (no value: loaded). When the slot answers a newer
// request first, `done` never runs.
void WhenSlotAnswers(PictureSlotModel* slot, quint64 ticket, QObject* context,
                     std::function<void(const LoadOutcome& outcome)> done);
