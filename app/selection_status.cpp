// Selection status line, received-show test, unsaved-changes flag, focus.
#include "app/selection_status.h"

#include "base/caption_helpers.h"
#include "base/start_modes.h"
#include "app/tform1.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>

uint8_t MyShowChanged = 0;

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

void ShowSelectionStatus(const SelectionStatusInput& in)
{
    const SelectionStatus s = SelectionStatusText(in);
    if (!s.shown || !Form1)
        return;
    if (Form1->StatusPanel1)
        Form1->StatusPanel1->setText(s.text);
    if (Form1->StatusBar1)
        Form1->StatusBar1->setToolTip(s.hint);
}

bool NotPlayingReceivedShow(bool playbackActive, bool sourceIsShow, bool showReceivedByMail,
                            const QString& selectedFolder, const QString& openShowFile)
{
    return !(playbackActive && sourceIsShow && showReceivedByMail && selectedFolder == openShowFile);
}

void SetMyShowChanged(bool b)
{
    MyShowChanged = b ? 1 : 0;
    if (b && Form1 && Form1->UndoTB && Form1->UndoTB->isEnabled())
        Form1->UndoTB->setEnabled(false);
}

void FocusMainWindow()
{
    if (ArgumentMode || !Form1)
        return;
    Form1->setFocus(Qt::OtherFocusReason);
}
