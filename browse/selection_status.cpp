// Selection status line, received-show test, unsaved-changes flag.
#include "browse/selection_status.h"

#include "base/caption_helpers.h"
#include "shows/show_file.h"

SelectionStatus SelectionStatusText(const SelectionStatusInput& in)
{
    SelectionStatus out;
    if (in.demoMode || in.autoShowRunning)
        return out;
    out.shown = true;
    QString prefix;
    if (in.sourceIsShow)
        prefix = QStringLiteral("Selected show: ");
    else if (in.searchResultsShown)
        prefix = QStringLiteral("Search results: ");
    else
        prefix = QStringLiteral("Selected folder: ");
    QString sub;
    if (in.sourceIsFolder)
        sub = in.includeSubfolders ? QStringLiteral(" (including subfolders)")
                                   : QStringLiteral(" (excluding subfolders)");
    QString search;
    if (in.searchResultsShown) {
        search = QStringLiteral(" - ") + QString::number(in.picturesSearched) + QStringLiteral(" pictures searched ");
        if (in.includeSubfolders)
            search += QStringLiteral("in ") + QString::number(in.foldersSearched) + QStringLiteral(" folders");
    }
    const QString mail = in.sourceIsShow && in.showReceivedByMail ? QStringLiteral(" - Received by email") : QString();
    out.text = prefix + ShortenPathCaption(in.selectedFolder, false) + sub + search + mail;
    out.hint = prefix + in.selectedFolder + sub + search + mail;
    return out;
}

bool NotPlayingReceivedShow(bool playbackActive, bool sourceIsShow, bool showReceivedByMail,
                            const QString& selectedFolder, const QString& openShowFile)
{
    return !(playbackActive && sourceIsShow && showReceivedByMail && selectedFolder == openShowFile);
}

void SetMyShowChanged(OpenShow& show, bool b, const std::function<void()>& disableUndoLastSearch)
{
    show.MyShowChanged = b ? 1 : 0;
    if (b && disableUndoLastSearch)
        disableUndoLastSearch();
}
