// What the automatic-show windows (Form13, Form2) need of the main window.
#pragma once

#include "base/show_session.h"

#include <QList>
#include <QStringList>

struct FolderExclusionState;
class QTimer;
class QWidget;

class AutomaticShowHost {
public:
    virtual ~AutomaticShowHost() = default;
    // Plays the pictures full screen; `Records` gives each one's record
    // number in the show file it came from (else its position in the list).
    virtual void PlayPictures(const QStringList& Pictures, const QList<int>& Records) = 0;
    // The window the count-down disables and gives back, and the demo start
    // closes.
    virtual QWidget* AutomaticShowWindow() = 0;
    // The idle timer that starts the replay.
    virtual QTimer* IdleTimer() = 0;
    // The idle time begins again now (a cancelled count-down).
    virtual void RestartIdleTime() = 0;
    // The folder exclusions in force.
    virtual FolderExclusionState& Exclusions() = 0;
};
