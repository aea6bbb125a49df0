// The selection status line (what the picture list comes from), whether a
// received show's own settings apply, the show's unsaved-changes flag and
// the main window's focus.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>

struct OpenShow;

// What the status line is made from.
struct SelectionStatusInput {
    bool demoMode = false;
    bool autoShowRunning = false;
    bool sourceIsShow = false;         // the pictures come from a show
    bool sourceIsFolder = false;       // the pictures come from a folder
    bool searchResultsShown = false;   // the list holds search results
    bool includeSubfolders = false;
    bool showReceivedByMail = false;
    int32_t picturesSearched = 0;
    int32_t foldersSearched = 0;
    QString selectedFolder;
};

struct SelectionStatus {
    bool shown = false;    // false in demo mode and while the automatic show runs
    QString text;          // panel 1 of StatusBar1 (short path)
    QString hint;          // the status bar's hint (full path)
};

// "Selected folder: /../Holiday (including subfolders)",
// "Search results: … - 120 pictures searched in 7 folders",
// "Selected show: … - Received by email".
SelectionStatus SelectionStatusText(const SelectionStatusInput& in);

// False when a slide show runs, the pictures come from a show received by
// e-mail and the selected name is the open show file; true otherwise.
bool NotPlayingReceivedShow(bool playbackActive, bool sourceIsShow, bool showReceivedByMail,
                            const QString& selectedFolder, const QString& openShowFile);

// Sets the open show's MyShowChanged; once the show is edited (b true) the
// pictures added by the last search can no longer be taken back, so
// `disableUndoLastSearch` (the main window's "Undo last search") runs.
void SetMyShowChanged(OpenShow& show, bool b, const std::function<void()>& disableUndoLastSearch = {});
