// The state of the main window's layouts and screen modes, owned by the
// layout controller (GUI thread only).
#pragma once
#include <QRect>
#include <QString>
#include <cstdint>

// Kind of the tree entry under the mouse or selected, for the preview.
enum class PreviewKind { Folder, Video, Picture };

struct LayoutState {
    uint8_t MaximizedLayout = 0;      // 1 while the maximized layout is in effect
    uint8_t WindowMaximized = 0;      // the maximize state asked for; decides the next layout
    uint8_t SizeCommandSeen = 0;      // set by every window command other than restore
    uint8_t MinimizedDuringShow = 0;
    uint8_t ResumeAfterRestore = 0;
    uint8_t ShowWasPaused = 0;
    uint8_t WindowWasMinimized = 0;   // the window was minimized when the command came
    QRect PreviewDrawBounds;          // image2's bounds in the maximized layout
    int32_t ControlPanelPos[3] = {0, 0, 0};   // left, right and top of the full-screen control panel
    QString SpeedMessageText;         // first half of the next speed message
    uint8_t MyShowSaving = 0;         // 1 from a "Save"/"SaveAs" label to the next other label
    PreviewKind PreviewEntryKind = PreviewKind::Picture;
};
