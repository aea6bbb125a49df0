// Decoding for the picture slots off the window's thread. A decode is
// submitted with the picture's path, the area it is fitted into and the
// enlargement limit, and answered later on the window's thread through
// `answered` with its ticket; a cancelled ticket is never answered. A running
// show decodes the next picture ahead (PrefetchPicture); a decode of the same
// file, unchanged since, for the same size takes it.
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
    // Drops the picture decoded ahead (its decode, when still running, is
    // never used).
    void dropAhead();
    QString aheadPath() const;
    bool aheadReady() const;

signals:
    // On the window's thread: the picture, or (outcome set) why it failed.
    void answered(quint64 ticket, const LoadedPicture& picture, const LoadOutcome& outcome);

private:
    PictureSlotDecoder();
    ~PictureSlotDecoder() override;
    struct Private;
    std::unique_ptr<Private> d;
};

// The decodes submitted and not answered yet.
int SlotLoadsWaiting();

// PictureSlotDecoder's decode-ahead.
void PrefetchPicture(const QString& path, QSize area, int limitPercent);
void DropPrefetchedPicture();
// The path decoded ahead, empty when none.
QString PrefetchedPicturePath();
// The picture decoded ahead is there (not still decoding).
bool PrefetchedPictureReady();
