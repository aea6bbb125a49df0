// Process-wide state of the main window's layouts and screen modes (GUI
// thread only).
#pragma once
#include <QHash>
#include <QRect>
#include <QString>
#include <cstdint>

extern uint8_t MaximizedLayout;      // 1 while the maximized layout is in effect
extern uint8_t WindowMaximized;      // the maximize state asked for; decides the next layout
extern uint8_t SizeCommandSeen;      // set by every window command other than restore
extern uint8_t MinimizedDuringShow;
extern uint8_t ResumeAfterRestore;
extern uint8_t ShowWasPaused;
extern uint8_t WindowWasMinimized;   // the window was minimized when the command came
extern QHash<QString, QRect> DesignBounds;   // designed bounds, captured once
extern QRect PreviewBox;             // picture area of the preview window
extern QRect PreviewDrawBounds;      // image2's bounds in the maximized layout
extern uint8_t UseMainMonitor;       // 1 when the full-screen show goes to the main monitor
extern int32_t ControlPanelPos[3];   // left, right and top of the full-screen control panel
extern QString SpeedMessageText;     // first half of the next speed message
extern uint8_t MyShowSaving;         // 1 from a "Save"/"SaveAs" label to the next other label
extern uint8_t SourceIsFolder;       // 1 when the next show plays the selected folder
extern uint8_t FolderSourceFullScreen; // the folder source starts in full screen (cleared by the thumbnail start)

// Kind of the tree entry under the mouse or selected, for the preview.
enum class PreviewKind { Folder, Video, Picture };
extern PreviewKind PreviewEntryKind;

