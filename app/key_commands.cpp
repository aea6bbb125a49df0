#include "app/key_commands.h"

#include <Qt>

HookDecision DecideHookKey(const HookInput& in)
{
    HookDecision d;
    if (!in.mainWindowEnabled)
        return d;
    // A Ctrl press alone commands nothing: during a show in the main window
    // it sets the latch, and it takes no turn of the 300 ms guard, so that
    // the key pressed with it (Ctrl + L, Ctrl + arrow) is handled.
    if (in.key == Qt::Key_Control) {
        if (!in.form9Visible && !in.mouseButtonDown && in.playbackActive && !in.ctrlLatch)
            d.setCtrlLatch = true;
        return d;
    }
    bool handled = false;
    if (!in.hookHandledRunning) {
        handled = true;
        d.startHookHandled = true;
    }
    // The table's rotate keys (Ctrl + L, Ctrl + R) rotate the picture of the
    // show or, while browsing, the one selected, when it may be rotated.
    if (!in.form9Visible && !in.mouseButtonDown && handled && in.ctrlHeld) {
        const ShowKeyCommand rotate = DecideShowKey(in.key, true, ShowKeyPlace::MainWindow);
        if (rotate == ShowKeyCommand::RotateLeft && in.rotateLUsable) {
            d.action = HookAction::RotateLeft;
            return d;
        }
        if (rotate == ShowKeyCommand::RotateRight && in.rotateRUsable) {
            d.action = HookAction::RotateRight;
            return d;
        }
    }
    // During a show in the main window the table's keys are the show's,
    // with the Ctrl latch for Ctrl; they do nothing more when not handled.
    if (!in.form9Visible && !in.mouseButtonDown && in.playbackActive) {
        const ShowKeyCommand command = DecideShowKey(in.key, in.ctrlLatch, ShowKeyPlace::MainWindow);
        if (command != ShowKeyCommand::None) {
            if (handled) {
                d.action = HookAction::ShowKey;
                d.showKey = command;
            }
            return d;
        }
    }
    if (handled)
        d.action = in.form9Visible ? HookAction::RaiseForm9 : HookAction::FormKeyDown;
    return d;
}

MainKeyDecision DecideMainKey(const MainKeyInput& in)
{
    const bool run = in.showRunning;
    MainKeyDecision d;
    if (run && !(in.key == Qt::Key_Space && in.typingInText)) {
        d.showKey = DecideShowKey(in.key, in.ctrl, ShowKeyPlace::MainWindow);
        if (d.showKey != ShowKeyCommand::None) {
            d.command = MainKeyCommand::ShowKey;
            return d;
        }
    }
    const auto command = [&d](MainKeyCommand c) {
        d.command = c;
        return d;
    };
    if (in.key == Qt::Key_F5)
        return command(run ? MainKeyCommand::None : MainKeyCommand::Refresh);
    // Letter commands: not with Alt (menu accelerators), not while typing.
    if (in.alt || in.typingInText || in.ctrl)
        return d;
    if (in.key == Qt::Key_D)
        return command(MainKeyCommand::RemovePicture);
    if (!run)
        return d;
    switch (in.key) {
    case Qt::Key_F:
    case Qt::Key_W: return command(MainKeyCommand::FullScreen);
    case Qt::Key_S: return command(MainKeyCommand::SavePicture);
    case Qt::Key_M: return command(MainKeyCommand::MovePicture);
    case Qt::Key_A: return command(MainKeyCommand::RenamePicture);
    case Qt::Key_V: return command(MainKeyCommand::Volume);
    default: return d;
    }
}
