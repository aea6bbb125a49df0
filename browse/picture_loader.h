// The one loading primitive of the program: `LoadPictureIntoSlot` loads a
// picture file into one of the three picture slots, decoded no larger than
// it will be shown, and lets the thumbnail and information steps follow.
// Load failures leave as exceptions; the display step sorts them into the
// five kinds it reports.
#pragma once

#include <QSize>
#include <QString>

#include <exception>
#include <functional>

// The steps of a load that belong to the thumbnail files and the picture
// information; their owners install them at start. Unset steps are skipped.
struct PictureLoaderHooks {
    std::function<QString(const QString& path)> ThumbnailPath;
    std::function<QString(const QString& path)> PictureInfoText;
    // Puts the information text on the full-screen title as its hint and
    // switches that hint on.
    std::function<void(const QString& text)> SetTitleHint;
    // Makes or renews the thumbnail from the picture just loaded into the slot.
    std::function<int(const QString& path, const QString& thumbnailPath, const QString& slot)> CreateOrRefreshThumbnail;
};
PictureLoaderHooks& LoaderHooks();

// The size a picture of trueSize is shown at when fitted into area with the
// enlargement limit (percent): the smaller of the two fit factors, held to
// (limit + 100) / 100, sizes rounded halves to even. An empty area or
// picture gives an empty size (decode in full).
QSize FittedPictureSize(QSize trueSize, QSize area, int limitPercent);

// Loads the file into the slot ("form1im1", "form9im1", "form9im2"),
// decoded for the slot's display area and limit on a worker thread while the
// window's thread serves events. A newer load of the same slot made
// meanwhile replaces this one: it then throws ELoadSuperseded
// (browse/picture_slot_decoder.h) and runs none of the later steps. An unknown slot name
// loads nothing and shows "Unknown formim: " + slot; the thumbnail and
// information steps still run. Throws the loader's exceptions.
void LoadPictureIntoSlot(const QString& path, const QString& slot);

// The kind of a load failure, first match in this order: invalid graphic
// (the decoders' errors are derived from it), operating-system error,
// file-open error, access violation, anything else.
QString ClassifyLoadError(std::exception_ptr error);

// "Vistamo! :  Error occurred, File " + name + " can not be opened, " + kind
QString LoadErrorCaption(const QString& displayName, const QString& kind);

// LoadPictureIntoSlot that never throws: returns the kind of the load
// failure ("Invalid Graphic", "EWin32Error", "Open error", "Access
// Violation" or "Other Error"; empty on success, and for a load a newer
// one replaced); detail gets the decoder's own message.
QString TryLoadPictureIntoSlot(const QString& path, const QString& slot, QString* detail = nullptr);

// The message box of a failed load for a picture opened by the user (an
// error box with LoadErrorCaption's text).
void ReportLoadFailure(const QString& displayName, const QString& kind);
