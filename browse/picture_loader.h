// The one loading primitive of the program: `RequestPictureForSlot` asks a
// window's picture slot for a picture file, decoded no larger than it
// will be shown; the slot answers later, and the thumbnail and information
// steps follow the picture's arrival. A failure is a value (LoadError) with
// one of the five kinds the display step reports.
#pragma once

#include "browse/picture_load_error.h"

#include <QSize>
#include <QString>

#include <exception>
#include <functional>

class PictureSlotModel;
class QObject;

// The steps of a load that belong to the thumbnail files and the picture
// information; their owner connects them to the slots' `pictureArrived`
// (ConnectPictureLoaderSteps). Unset steps are skipped.
struct PictureLoaderSteps {
    std::function<QString(const QString& path)> ThumbnailPath;
    std::function<QString(const QString& path)> PictureInfoText;
    // Puts the information text on the full-screen title as its hint and
    // switches that hint on.
    std::function<void(const QString& text)> SetTitleHint;
    // Makes or renews the thumbnail from the picture just loaded into the slot.
    std::function<int(const QString& path, const QString& thumbnailPath, const PictureSlotModel* slot)>
        CreateOrRefreshThumbnail;
};

// Runs the steps for a picture just loaded into the slot: the title hint
// and the thumbnail made from the slot's picture.
void RunPictureLoaderSteps(const PictureLoaderSteps& steps, const QString& path, const PictureSlotModel* slot);

// Runs the steps whenever `slot` says a picture asked for with them has
// arrived, for as long as context lives.
void ConnectPictureLoaderSteps(QObject* context, PictureSlotModel* slot, PictureLoaderSteps steps);

// The size a picture of trueSize is shown at when fitted into area with the
// enlargement limit (percent): the smaller of the two fit factors, held to
// (limit + 100) / 100, sizes rounded halves to even. An empty area or
// picture gives an empty size (decode in full).
QSize FittedPictureSize(QSize trueSize, QSize area, int limitPercent);

// Asks the slot (of a window: "form1im1", "form9im1", "form9im2") for the file, decoded
// for the slot's display area (the primary screen when empty) and limit on a
// worker thread; returns the ticket the slot's answer names
// (PictureSlotModel::loaded / failed). The slot says `pictureArrived` when
// the picture has arrived, before `loaded`, for the thumbnail and
// information steps. A newer request of the same slot replaces this one,
// which is then never answered. A slot with another name (or none) loads
// nothing and shows "Unknown formim: " + its name, and the ticket is 0.
quint64 RequestPictureForSlot(const QString& path, PictureSlotModel* slot);

// The name of a load failure's kind (LoadFailureName of LoadErrorOf).
QString ClassifyLoadError(std::exception_ptr error);

// "Vistamo! :  Error occurred, File " + name + " can not be opened, " + kind
QString LoadErrorCaption(const QString& displayName, const QString& kind);

// Loads the file into the slot at once, on the calling thread, for tools and
// tests that run without a window (the windows ask the slot with
// RequestPictureForSlot): a request of the slot still waiting is dropped,
// the picture decoded for the slot's area and limit, and the slot says
// `pictureArrived` for the thumbnail and information steps. Returns the name of the failure's kind ("Invalid
// Graphic", "EWin32Error", "Open error", "Access Violation" or "Other
// Error"; empty on success); detail gets the decoder's own message.
QString TryLoadPictureIntoSlot(const QString& path, PictureSlotModel* slot, QString* detail = nullptr);

// The message box of a failed load for a picture opened by the user (an
// error box with LoadErrorCaption's text).
void ReportLoadFailure(const QString& displayName, const QString& kind);
