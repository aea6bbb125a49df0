// Decoding for the picture slots off the window's thread. A decode is
// submitted with the picture's path, the area it is fitted into and the
// enlargement limit, and answered later on the window's thread through
// `answered` with its ticket; a cancelled ticket is never answered. A running
// show keeps two pictures at hand: the next one, decoded ahead
// (PrefetchPicture), and the one just left (KeepPicturesDecoded); a request
// for the same file, unchanged since, at the same size takes either.
#pragma once

#include "browse/picture_load_error.h"
#include "formats/picture_file.h"

#include <QObject>
#include <QSize>
#include <QString>

#include <memory>

class PictureSlotDecoder : public QObject {
    Q_OBJECT
public:
    // The program's one decoder for the slots (made on first use, a child of
    // the application object).
    static PictureSlotDecoder& instance();

    // Starts decoding `path` for `area` with the enlargement limit (an empty
    // area: full size); the ticket is never 0. The answer always comes
    // later, never from inside this call.
    quint64 submit(const QString& path, QSize area, int limitPercent);
    // The ticket is never answered.
    void cancel(quint64 ticket);
    // Submitted, neither answered nor cancelled yet.
    int waitingCount() const;

    // Starts decoding `path` ahead for a later submit with the same area
    // and limit; replaces an earlier picture decoded ahead.
    void prefetch(const QString& path, QSize area, int limitPercent);
    // Keeps `next` decoded ahead (as prefetch; empty: none) and `left`
    // when it is one of the last two pictures answered (empty: none), both
    // for the area and limit. Until dropAhead the decoder remembers the last
    // two pictures it answered for this; they share their buffers with the
    // slots that show them.
    void keep(const QString& next, const QString& left, QSize area, int limitPercent);
    // Drops the pictures decoded ahead and kept (a decode still running is
    // never used) and remembers no more.
    void dropAhead();
    // The picture just left that is kept, empty when none.
    QString keptPath() const;
    QString aheadPath() const;
    bool aheadReady() const;

signals:
    // On the window's thread: the picture, or (outcome set) why it failed.
    void answered(quint64 ticket, const LoadedPicture& picture, const LoadOutcome& outcome);

private:
    PictureSlotDecoder();
    // Answers a waiting ticket and remembers the picture while a show keeps them.
    void answer(quint64 ticket, const LoadedPicture& picture, const LoadOutcome& outcome);
    ~PictureSlotDecoder() override;
    struct Private;
    std::unique_ptr<Private> d;
};

// The decodes submitted and not answered yet.
int SlotLoadsWaiting();

// PictureSlotDecoder's decode-ahead.
void PrefetchPicture(const QString& path, QSize area, int limitPercent);
void KeepPicturesDecoded(const QString& next, const QString& left, QSize area, int limitPercent);
// The picture just left that is kept, empty when none.
QString KeptPicturePath();
void DropPrefetchedPicture();
// The path decoded ahead, empty when none.
QString PrefetchedPicturePath();
// The picture decoded ahead is there (not still decoding).
bool PrefetchedPictureReady();
