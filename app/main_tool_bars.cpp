#include "app/main_tool_bars.h"
#include "platform/designed_widgets.h"

#include "browse/page_state.h"
#include "platform/icons.h"

#include <QAction>
#include <QString>
#include <QToolBar>

namespace {

QAction* tool(QToolBar* bar, const char* name, const QString& tip)
{
    auto* a = platform::Named(bar->addAction(QString::fromLatin1(name)), name);
    a->setToolTip(tip);
    a->setStatusTip(tip);
    return a;
}

} // namespace

MainToolBars::MainToolBars(QWidget* clientArea)
{
    m_ToolBar1 = platform::Named(new QToolBar(clientArea), "ToolBar1");
    m_ToolBar1->setGeometry(0, 0, 401, 30);
    m_ToolBar2 = platform::Named(new QToolBar(clientArea), "ToolBar2");
    m_ToolBar2->setGeometry(401, 0, 399, 30);
    buildFolderToolBar();
    buildMyShowToolBar();
    setGlyphs();
}

// Tool bar 1, of the folder, the pictures and the show.
void MainToolBars::buildFolderToolBar()
{
    m_ToolBar1->setIconSize(QSize(16, 16));
    m_ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_ToolButton1 = tool(m_ToolBar1, "ToolButton1", QStringLiteral("Start Slide Show from selected folder - Full screen"));
    m_TBMonitorSelection = tool(m_ToolBar1, "TBMonitorSelection", QStringLiteral("Full Screen - Monitor Selection"));
    m_TBGoSmall = tool(m_ToolBar1, "TBGoSmall", QStringLiteral("Start Slide Show from selected folder - Thumbnail view"));
    m_TBNrOfThumbs = tool(m_ToolBar1, "TBNrOfThumbs", QString());
    m_ToolButton2 = tool(m_ToolBar1, "ToolButton2", QString());
    m_ShowinReverseToolButton = tool(m_ToolBar1, "ShowinReverseToolButton", QString());
    m_ShowForwardToolButton = tool(m_ToolBar1, "ShowForwardToolButton", QString());
    m_ManualModeToolButton = tool(m_ToolBar1, "ManualModeToolButton", QString());
    m_Backwards1ToolButton = tool(m_ToolBar1, "Backwards1ToolButton", QString());
    m_Forward1ToolButton = tool(m_ToolBar1, "Forward1ToolButton", QString());
    m_FullScreenToolButton3 = tool(m_ToolBar1, "FullScreenToolButton3", QString());
    m_TBSelAll = tool(m_ToolBar1, "TBSelAll", QString());
    m_TBSelNone = tool(m_ToolBar1, "TBSelNone", QString());
    m_TBSelInvert = tool(m_ToolBar1, "TBSelInvert", QString());
    m_TBMultMode = tool(m_ToolBar1, "TBMultMode", QString());
    m_TBSelAll->setToolTip(kSelectAllHint);
    m_TBSelNone->setToolTip(kSelectNoneHint);
    m_TBSelInvert->setToolTip(kSelectInvertHint);
    m_TBMultMode->setToolTip(kMultModeHint);
    m_SaveToolButton = tool(m_ToolBar1, "SaveToolButton", QString());
    m_MoveToolButton = tool(m_ToolBar1, "MoveToolButton", QString());
    m_RenamePictureToolButton = tool(m_ToolBar1, "RenamePictureToolButton", QString());
    m_RecycleBinToolButton = tool(m_ToolBar1, "RecycleBinToolButton", QString());
    m_TBRotateL = tool(m_ToolBar1, "TBRotateL", QString());
    m_TBRotateR = tool(m_ToolBar1, "TBRotateR", QString());
    m_TBMakeSmall = tool(m_ToolBar1, "TBMakeSmall", QString());
    m_RunExeToolButton = tool(m_ToolBar1, "RunExeToolButton", QString());
    m_ExplorerTB = tool(m_ToolBar1, "ExplorerTB", QString());
    m_SearchTB = tool(m_ToolBar1, "SearchTB", QString());
    m_AddPicMultTB = tool(m_ToolBar1, "AddPicMultTB", QString());
    m_MicroTB = tool(m_ToolBar1, "MicroTB", QString());
    m_VoicePlayTB = tool(m_ToolBar1, "VoicePlayTB", QString());
    m_PlaylistBATB = tool(m_ToolBar1, "PlaylistBATB", QString());
    m_PlaylistFWTB = tool(m_ToolBar1, "PlaylistFWTB", QString());
    m_Volume = tool(m_ToolBar1, "Volume", QStringLiteral("Control Volume"));
    m_OptionsTB = tool(m_ToolBar1, "OptionsTB", QString());
    m_TBSepTarn = m_ToolBar1->addSeparator();
    m_TBSepTarn->setObjectName(QStringLiteral("TBSepTarn"));
    m_TBTarnivo = tool(m_ToolBar1, "TBTarnivo", QString());
    m_SBScreenMode = tool(m_ToolBar1, "SBScreenMode", QString());
    m_HideShowMyShowTB = tool(m_ToolBar1, "HideShowMyShowTB", QStringLiteral("Hide MyShow"));

    // Items that only a running show or the thumbnail view uses start hidden
    // or disabled; the show and page code switches them on.
    for (QAction* a : {m_ToolButton2, m_ShowinReverseToolButton, m_ShowForwardToolButton, m_ManualModeToolButton,
                       m_Backwards1ToolButton, m_Forward1ToolButton, m_FullScreenToolButton3, m_TBSelAll, m_TBSelNone,
                       m_TBSelInvert, m_TBMultMode, m_TBRotateL, m_TBRotateR, m_MicroTB, m_VoicePlayTB, m_PlaylistBATB, m_PlaylistFWTB,
                       m_TBTarnivo, m_TBSepTarn})
        a->setVisible(false);
    for (QAction* a : {m_SaveToolButton, m_MoveToolButton, m_RenamePictureToolButton, m_RecycleBinToolButton,
                       m_RunExeToolButton, m_AddPicMultTB})
        a->setEnabled(false);
}

// Tool bar 2, of the MyShow column.
void MainToolBars::buildMyShowToolBar()
{
    m_ToolBar2->setIconSize(QSize(16, 16));
    m_ToolBar2->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_StartMySlideShowTB = tool(m_ToolBar2, "StartMySlideShowTB", QString());
    m_TBMonitorSelectionMS = tool(m_ToolBar2, "TBMonitorSelectionMS", QStringLiteral("Full Screen - Monitor Selection"));
    m_TBGoSmallMS = tool(m_ToolBar2, "TBGoSmallMS", QString());
    m_TBNrOfThumbsMS = tool(m_ToolBar2, "TBNrOfThumbsMS", QString());
    m_ShowOpenTB = tool(m_ToolBar2, "ShowOpenTB", QString());
    m_NewShowTB = tool(m_ToolBar2, "NewShowTB", QString());
    m_MyShowDraftTB = tool(m_ToolBar2, "MyShowDraftTB", QString());
    m_CloseMyShowTB = tool(m_ToolBar2, "CloseMyShowTB", QString());
    m_SaveMyShowTB = tool(m_ToolBar2, "SaveMyShowTB", QString());
    m_SaveMyShowAsTB = tool(m_ToolBar2, "SaveMyShowAsTB", QString());
    m_UndoTB = tool(m_ToolBar2, "UndoTB", QString());
    m_AttachPlaylistTB = tool(m_ToolBar2, "AttachPlaylistTB", QString());
    m_RunExeMyShowTB = tool(m_ToolBar2, "RunExeMyShowTB", QString());
    m_ShowAllTB = tool(m_ToolBar2, "ShowAllTB", QStringLiteral("View shows stored on fixed disk(s)"));
    for (QAction* a : {m_SaveMyShowTB, m_UndoTB, m_CloseMyShowTB, m_RunExeMyShowTB})
        a->setEnabled(false);
}

// The tool buttons' glyphs: the menu glyph of the menu item each button
// mirrors, looked up when a button first draws it; the text is what a tool
// bar without the icon shows.
void MainToolBars::setGlyphs()
{
    const struct {
        QAction* action;
        int glyph;
        const char* text;
    } glyphs[] = {
        {m_ToolButton1, 19, "Start"}, {m_ToolButton2, 21, "Stop"}, {m_ShowinReverseToolButton, 23, "Reverse"},
        {m_ShowForwardToolButton, 25, "Forward"}, {m_ManualModeToolButton, 27, "Pause"},
        {m_Backwards1ToolButton, 29, "Back"}, {m_Forward1ToolButton, 31, "Next"},
        {m_FullScreenToolButton3, 33, "Full screen"}, {m_TBGoSmall, 131, "Thumbnails"},
        {m_TBMonitorSelection, 37, "Monitor"}, {m_TBNrOfThumbs, 117, "Per page"}, {m_TBSelAll, 119, "All"},
        {m_TBSelNone, 121, "None"}, {m_TBSelInvert, 123, "Invert"}, {m_TBMultMode, 118, "Per page"}, {m_SaveToolButton, 5, "Save"},
        {m_MoveToolButton, 7, "Move"}, {m_RenamePictureToolButton, 11, "Rename"}, {m_RecycleBinToolButton, 9, "Delete"},
        {m_TBRotateL, 112, "Left"}, {m_TBRotateR, 114, "Right"}, {m_TBMakeSmall, 129, "Thumbnails"},
        {m_RunExeToolButton, 13, "Edit"}, {m_ExplorerTB, 89, "Files"}, {m_SearchTB, 0, "Search"},
        {m_AddPicMultTB, 74, "Add"}, {m_MicroTB, 103, "Record"}, {m_VoicePlayTB, 103, "Voice"},
        {m_PlaylistBATB, 99, "Previous track"}, {m_PlaylistFWTB, 98, "Next track"}, {m_Volume, 106, "Volume"},
        {m_OptionsTB, 59, "Options"}, {m_TBTarnivo, 116, "Tarnivo"}, {m_SBScreenMode, 33, "Screen"},
        {m_HideShowMyShowTB, 92, "MyShow"}, {m_StartMySlideShowTB, 19, "Start"}, {m_TBGoSmallMS, 131, "Thumbnails"},
        {m_TBMonitorSelectionMS, 37, "Monitor"}, {m_TBNrOfThumbsMS, 117, "Per page"}, {m_ShowOpenTB, 45, "Open"},
        {m_NewShowTB, 49, "New"}, {m_MyShowDraftTB, 47, "Draft"}, {m_CloseMyShowTB, 54, "Close"},
        {m_SaveMyShowTB, 50, "Save"}, {m_SaveMyShowAsTB, 52, "Save as"}, {m_UndoTB, 108, "Undo"},
        {m_AttachPlaylistTB, 98, "Playlist"}, {m_RunExeMyShowTB, 13, "Edit"}, {m_ShowAllTB, 137, "Shows"},
    };
    for (const auto& g : glyphs) {
        g.action->setText(QString::fromLatin1(g.text));
        g.action->setIcon(platform::LazyImageListIcon(platform::ImageListId::MenuIL, g.glyph));
    }
}
