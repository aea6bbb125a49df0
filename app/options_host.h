// What the options dialog asks of the window that opened it on "&Apply".
// The main window implements it; the dialog knows nothing else of it.
#pragma once

class OptionsHost {
public:
    virtual ~OptionsHost() = default;
    // The edit commands (the edit tool button and the launch menu) on or off.
    virtual void EnableEditCommands(bool on) = 0;
    // The full-screen show window's edit button on or off.
    virtual void EnableShowWindowEditButton(bool on) = 0;
    // The picture-text window of MyShow is open.
    virtual bool PictureTextWindowShown() const = 0;
    // A changed enlargement limit takes effect on the picture shown now.
    virtual void RefitShownPicture() = 0;
    // The window follows the stored options: its launch menu and buttons,
    // the MyShow edit button, the video program's glyph and icons and the
    // play-order box.
    virtual void RefreshAfterOptions() = 0;
    // The dialog has closed: the hints button and the tree's images for the
    // new type choice follow.
    virtual void OptionsDialogClosed() = 0;
    // The full-screen show goes to the second monitor.
    virtual bool SecondMonitorSelected() const = 0;
};
