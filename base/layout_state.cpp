#include "base/layout_state.h"

uint8_t MaximizedLayout = 0;
uint8_t WindowMaximized = 0;
uint8_t SizeCommandSeen = 0;
uint8_t MinimizedDuringShow = 0;
uint8_t ResumeAfterRestore = 0;
uint8_t ShowWasPaused = 0;
uint8_t WindowWasMinimized = 0;
QHash<QString, QRect> DesignBounds;
QRect PreviewBox(0, 0, 300, 225);
QRect PreviewDrawBounds;
uint8_t UseMainMonitor = 1;
int32_t ControlPanelPos[3] = {0, 0, 0};
QString SpeedMessageText;
uint8_t MyShowSaving = 0;
PreviewKind PreviewEntryKind = PreviewKind::Picture;
uint8_t SourceIsFolder = 0;
uint8_t FolderSourceFullScreen = 0;
