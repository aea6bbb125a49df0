#include "slideshow/show_keys.h"

#include <Qt>


namespace {

struct ShowKeyRow {
    int key;
    ShowKeyCommand plain;
    ShowKeyCommand withCtrl;
    bool showWindowOnly;
};

constexpr ShowKeyRow ShowKeys[] = {
    {Qt::Key_Escape, ShowKeyCommand::StopShow, ShowKeyCommand::StopShow, false},
    {Qt::Key_Home, ShowKeyCommand::RestartShow, ShowKeyCommand::RestartShow, false},
    {Qt::Key_Space, ShowKeyCommand::TogglePause, ShowKeyCommand::TogglePause, false},
    {Qt::Key_Right, ShowKeyCommand::Forward1, ShowKeyCommand::ShowForward, false},
    {Qt::Key_Left, ShowKeyCommand::Backwards1, ShowKeyCommand::ShowInReverse, false},
    {Qt::Key_PageDown, ShowKeyCommand::Forward1, ShowKeyCommand::Forward1, true},
    {Qt::Key_PageUp, ShowKeyCommand::Backwards1, ShowKeyCommand::Backwards1, true},
    {Qt::Key_L, ShowKeyCommand::None, ShowKeyCommand::RotateLeft, false},
    {Qt::Key_R, ShowKeyCommand::None, ShowKeyCommand::RotateRight, false},
};

} // namespace

ShowKeyCommand DecideShowKey(int key, bool ctrl, ShowKeyPlace place)
{
    for (const ShowKeyRow& row : ShowKeys) {
        if (row.key != key)
            continue;
        if (row.showWindowOnly && place != ShowKeyPlace::ShowWindow)
            return ShowKeyCommand::None;
        return ctrl ? row.withCtrl : row.plain;
    }
    return ShowKeyCommand::None;
}
