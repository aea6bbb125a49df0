// The main window's two tool bars and their actions: ToolBar1 of the
// folder, the pictures and the show (left half) and ToolBar2 of the MyShow
// column (right half). The section builds them with their glyphs, tips and
// first visible and enabled states; it only makes and places them. Each
// action carries its own name as objectName, and the controller that serves
// it takes it from the window by that name (`platform::ActionNamed`). The
// section hands out only the two tool bars.
#pragma once

class QAction;
class QToolBar;
class QWidget;

class MainToolBars {
public:
    // Builds both tool bars as children of `clientArea`, at its top edge
    // (ToolBar1 at 0,0 401 x 30; ToolBar2 at 401,0 399 x 30).
    explicit MainToolBars(QWidget* clientArea);
    MainToolBars(const MainToolBars&) = delete;
    MainToolBars& operator=(const MainToolBars&) = delete;

    QToolBar* ToolBar1() const { return m_ToolBar1; }  // folder / picture tool bar (left half)
    QToolBar* ToolBar2() const { return m_ToolBar2; }  // MyShow tool bar (right half)

private:
    void buildFolderToolBar();
    void buildMyShowToolBar();
    void setGlyphs();

    QToolBar* m_ToolBar1 = nullptr;
    QToolBar* m_ToolBar2 = nullptr;
    QAction* m_ToolButton1 = nullptr;
    QAction* m_ToolButton2 = nullptr;
    QAction* m_ShowinReverseToolButton = nullptr;
    QAction* m_ShowForwardToolButton = nullptr;
    QAction* m_ManualModeToolButton = nullptr;
    QAction* m_Backwards1ToolButton = nullptr;
    QAction* m_Forward1ToolButton = nullptr;
    QAction* m_FullScreenToolButton3 = nullptr;
    QAction* m_TBGoSmall = nullptr;
    QAction* m_TBMonitorSelection = nullptr;
    QAction* m_TBNrOfThumbs = nullptr;
    QAction* m_TBSelAll = nullptr;
    QAction* m_TBMultMode = nullptr;
    QAction* m_TBSelNone = nullptr;
    QAction* m_TBSelInvert = nullptr;
    QAction* m_SaveToolButton = nullptr;
    QAction* m_MoveToolButton = nullptr;
    QAction* m_RenamePictureToolButton = nullptr;
    QAction* m_RecycleBinToolButton = nullptr;
    QAction* m_TBRotateL = nullptr;
    QAction* m_TBRotateR = nullptr;
    QAction* m_TBMakeSmall = nullptr;
    QAction* m_RunExeToolButton = nullptr;
    QAction* m_ExplorerTB = nullptr;
    QAction* m_SearchTB = nullptr;
    QAction* m_AddPicMultTB = nullptr;
    QAction* m_MicroTB = nullptr;
    QAction* m_VoicePlayTB = nullptr;
    QAction* m_PlaylistBATB = nullptr;
    QAction* m_PlaylistFWTB = nullptr;
    QAction* m_Volume = nullptr;
    QAction* m_OptionsTB = nullptr;
    QAction* m_TBTarnivo = nullptr;
    QAction* m_TBSepTarn = nullptr;
    QAction* m_SBScreenMode = nullptr;
    QAction* m_HideShowMyShowTB = nullptr;

    QAction* m_StartMySlideShowTB = nullptr;
    QAction* m_TBGoSmallMS = nullptr;
    QAction* m_TBMonitorSelectionMS = nullptr;
    QAction* m_TBNrOfThumbsMS = nullptr;
    QAction* m_ShowOpenTB = nullptr;
    QAction* m_NewShowTB = nullptr;
    QAction* m_MyShowDraftTB = nullptr;
    QAction* m_CloseMyShowTB = nullptr;
    QAction* m_SaveMyShowTB = nullptr;
    QAction* m_SaveMyShowAsTB = nullptr;
    QAction* m_UndoTB = nullptr;
    QAction* m_AttachPlaylistTB = nullptr;
    QAction* m_RunExeMyShowTB = nullptr;
    QAction* m_ShowAllTB = nullptr;
};
