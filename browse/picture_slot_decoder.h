// Decoding for the picture slots off the window's thread. A load waits for
// its picture while the window's thread goes on serving its events (timers,
// input, painting), so the steps around the load keep their order and the
// window never freezes. The newest load for a slot wins: an older one still
// waiting ends with ELoadSuperseded and its picture is dropped. A running
// show decodes the next picture ahead (PrefetchPicture); a load of the same
// file for the same size takes it.
#pragma once

#include "formats/picture_file.h"

#include <QSize>
#include <QString>

#include <exception>
#include <functional>

// A load that a newer load of the same slot replaced while it waited. Not a
// load failure: the newer load shows its picture.
class ELoadSuperseded : public std::exception {
public:
    const char* what() const noexcept override { return "superseded by a newer load"; }
};

// Decodes `path` for `area` with the enlargement limit (an empty area: full
// size) on a worker and returns it; meanwhile the window's thread serves
// events. Throws the loader's exceptions for a failed decode and
// ELoadSuperseded when a newer load for `slot` came in meanwhile.
LoadedPicture DecodeForSlot(const QString& slot, const QString& path, QSize area, int limitPercent);

// The loads waiting for their picture now (a load nested in another's wait
// counts too).
int SlotLoadsWaiting();

// Starts decoding `path` ahead for a later DecodeForSlot with the same area
// and limit (any slot); replaces an earlier picture decoded ahead.
void PrefetchPicture(const QString& path, QSize area, int limitPercent);
// Drops the picture decoded ahead (its decode, when still running, is never
// used).
void DropPrefetchedPicture();
// The path decoded ahead, empty when none.
QString PrefetchedPicturePath();
// The picture decoded ahead is there (not still decoding).
bool PrefetchedPictureReady();
