// Show files and the working copy of the open show.
//
// A show is never changed in place: opening it copies the file to the
// working file ("vistamo.tmp" in the data folder), every change goes to the
// working file, and saving copies the working file back over the show file in
// one safe write. The Draft show ("vistamo.vxt" in the data folder) is the
// show that is open when no named show is.
#pragma once

#include "platform/record_file.h"
#include "shows/show_record.h"

#include <QString>

// ---- State of the open show ------------------------------------------------
// Kept by the main window and handed to the functions below.
struct OpenShow {
    platform::RecordFile ShowFile;   // open on the working copy of the open show
    TShowRecord ShowRec;             // record of the picture shown
    TShowRecord NextShowRec;         // look-ahead record
    uint8_t ShowChangeable = 0;      // 1 when the open show may be changed
    uint8_t DraftShowOpen = 0;       // 1 while the Draft show is open
    uint8_t NamedShowOpen = 0;       // 1 while a named show file is open
    uint8_t SourceIsShow = 0;        // 1 when the picture list comes from the open show
    uint8_t ShowChanged = 0;         // 1 when the working copy differs from the show file
    QString OpenShowPath;            // the show file opened (empty when none)
    QString OpenShowName;            // "Draft" for the Draft show, else the file's name
    int32_t ShowFormatMarker = CurrentShowFormat;  // the format number written into every show record
    QString CollectPurpose;          // the purpose of the next picture collection ("FolderToCD", "ResetToEXIF" …)
    uint8_t MyShowChanged = 0;       // the open show has changes not yet made permanent
    // The play order the open show plays in (ShowPlayOrderCB): 0 MyShow
    // list, 1 as in the play options, 2 Random, 3 Alphabetic, 4 Date
    // ascending, 5 Date descending.
    int32_t PlayOrder = 0;
};

// The play order (0 Unsorted .. 4 Date descending) a show with the show
// play order `showOrder` plays in; "as in the play options" takes
// `playOptionsOrder`, the MyShow list plays in its own order.
int32_t ShowPlayOrderInEffect(int32_t showOrder, int32_t playOptionsOrder);

// The open show's file name for the MyShow label.
QString OpenShowLabelName(const OpenShow& show);

// The name a show is known by: "Draft" for the Draft show's file, else the
// file name without its extension.
QString ShowDisplayName(const QString& showPath, const QString& draftShowPath);

// How a file's size fits the record layouts.
enum class ShowFileFormat { Current, V24, V1, Unknown };
ShowFileFormat ProbeShowFileFormat(qint64 fileSize);

// Copies `showPath` to `workPath` (whole-file safe write) and opens ShowFile
// on the copy for reading and writing. A missing show file gives an empty
// working copy. Sets OpenShowPath.
platform::RecordResult PrepareShowWorkingCopy(OpenShow& show, const QString& showPath, const QString& workPath);

// Opens the Draft show: the Draft file is created empty when missing.
platform::RecordResult OpenDraftShow(OpenShow& show, const QString& draftShowPath, const QString& workPath);

// Opens a named show file (the state bytes for a named show; the show may be
// changed when its file and folder are writable).
platform::RecordResult OpenNamedShow(OpenShow& show, const QString& showPath, const QString& workPath,
                                     const QString& draftShowPath);

// Closes ShowFile and clears the open-show state.
void CloseOpenShow(OpenShow& show);

// Number of records in the working copy (0 when none is open).
qint64 OpenShowCount(const OpenShow& show);

// Reads record `index` of the working copy.
platform::RecordResult ReadShowRecord(OpenShow& show, qint64 index, TShowRecord& out);
// All paths of the open show's pictures, in show order.
QStringList ReadShowPicturePaths(const QString& showPath);

// The pictures of a show file to play, each with its record number. A
// picture that no longer exists keeps its place (the show reports it when
// its turn comes, so the position counter matches the show); records
// without a path are left out, and a show none of whose pictures exists
// gives an empty list.
struct TShowPictures {
    QStringList Paths;
    QList<int> Records;
};
TShowPictures ShowPicturesToPlay(const QStringList& pictures);

// Appends the record of a picture to the working copy; `index` gets its
// record number. Refuses a path that does not fit the record's path field.
platform::RecordResult AddPictureToShowFile(OpenShow& show, const QString& picturePath, qint64* index = nullptr);

// Rewrites record 0's show-level fields (the format marker) in the working
// copy, when the show holds pictures.
platform::RecordResult WriteShowHeader(OpenShow& show);

// Copies the working copy back over the show file (one safe write).
platform::RecordResult MakeShowChangesPermanent(OpenShow& show);
