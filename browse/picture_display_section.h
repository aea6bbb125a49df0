// The main window's picture display section: the display step of the slide
// show on the main window and the full-screen window, the show records the
// step reads, the picture commands and the title of the shown picture. What
// it asks of other parts it says with signals, which the main window connects.
#pragma once

#include "base/show_session.h"
#include "browse/picture_display.h"
#include "browse/picture_display_widgets.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class PageSelection;
class PictureSlotModel;
class FitZoomSection;
class ShowManagerWindow;
class ShowView;
class SoundController;
struct OpenShow;

struct SettingsStore;
struct StartContext;

class PictureDisplaySection : public QObject {
    Q_OBJECT
public:
    // A child of the widgets' window. `sound` plays the shown picture's
    // sound and says whether its player holds one.
    PictureDisplaySection(const PictureDisplayWidgets& widgets, OpenShow& openShow, SoundController& sound,
                          SettingsStore& settings, const StartContext& start, ShowSession& session);
    ~PictureDisplaySection() override;

    // Shows entry `index` of PictureTable (the slide show's step, which
    // gives the index it made current): asks the picture's slot for it, and
    // the step ends when the slot answers. Never raises; failures are sorted
    // into displayState().LoadErrorKind and reported.
    void DisplayPicture(int index);
    // The same for the session's current entry (PictureIndex), shown again.
    void DisplayCurrentPicture();
    // Keeps entries of PictureTable decoded for the show's next steps, for
    // the slot and size those steps load them at: `next` decoded ahead,
    // `left` (the picture just left) kept while still at hand; -1 for none.
    void KeepShowPicturesDecoded(int next, int left);
    // Bookmark items for the picture whose bookmark key is `key`.
    void SetBookmarkMenuState(const QString& key);
    // Run before a picture is loaded: the picture commands are disabled.
    void DisablePictureCommands();
    // The commands for the shown picture.
    void SetPictureMenuCaptions();
    // The commands for the ticked pictures of a thumbnail page.
    void SetSelectionMenuCaptions();
    // After a show: the current picture is `browsePicture`, the one the
    // browse view shows ("" for none), and the tool bar's commands of the
    // show's picture are off (the menus name the current picture as they open).
    void ReturnToBrowseView(const QString& browsePicture);
    // Reads the show record of the picture that follows into NextShowRec:
    // "TFFile" from the open show's working copy, "TFFile2" from the show
    // file the running show plays itself.
    void PrefetchNextShowRecord(const QString& which);
    // Pops up the full-screen window's crop-ratio menu below the tool bar.
    void TBRatioClick();
    // The window title and full-screen title of the shown picture.
    void UpdatePictureStatus();
    // The entry's picture may be rotated.
    bool CanRotatePicture(int index);
    // The display step's own parts: the entry's show record (and the next
    // one), the delay of its text lines, the shown picture's name.
    bool ReadShowRecordForDisplay(int Index);
    int ShowRecordTextDelayMs() const;
    void SetPictureDisplayName();
    // The picture's load has ended (`endStage`): the picture counts as
    // loaded; without the end stage only the settle timer stops.
    void Image1Progress(bool endStage);
    // The settle timer (ImageTimer) fired: the picture counts as loaded, its
    // load time is kept and the MyShow manager's buttons follow.
    void ImageTimerTimer();
    // The settle timer ("ImageTimer", 100 ms, single shot, not running).
    QTimer* imageTimer() const { return m_imageTimer; }
    // Monotonic time of the last finished picture load.
    qint64 PictureLoadTimeMs = 0;

    // The state of the shown picture: its path and name, the load failures.
    PictureDisplayState& displayState() { return m_display; }

    // The page of thumbnails the step and the selection commands read (none
    // until the main window hands it over).
    void SetPage(PageSelection* page);
    PageSelection* page() const { return m_page; }
    // Whether a page of thumbnails is shown; the picture indexes of its
    // ticked cells.
    bool ThumbnailViewActive() const;
    QList<int> SelectedPictures() const;
    // Whether a voice can be recorded: an audio input exists.
    std::function<bool()> AudioInputPresent;

    // The main window's picture slot ("form1im1"), handed over once.
    void SetMainPictureSlot(PictureSlotModel* slot);
    // The full-screen show window (with its slots "form9im1", "form9im2")
    // and the MyShow manager, once made (either may be null).
    void SetShowView(ShowView* window);
    void SetShowManager(ShowManagerWindow* window);
    // The section whose picture area (set by the layouts) the main window's
    // picture is decoded for.
    void SetPictureAreaSource(const FitZoomSection* zoom);
    // The recent or favourite entry the running show was started from, kept
    // by the list menus.
    void SetStartedListEntry(const QString* entry);
    // The full-screen window's slot that the active-image byte names (1:
    // "form9im1", else "form9im2"); nullptr without the window.
    PictureSlotModel* FullScreenSlot() const;
    // The area the display step decodes a slot's picture for: the main
    // window's picture area, or the full-screen window's fit area; empty for
    // the screen.
    QSize DisplayAreaFor(const PictureSlotModel* slot) const;

signals:
    // The picture just loaded is to be fitted into its image.
    void fitWanted(bool toggle);
    // The running show is to pause, or to end.
    void pauseWanted();
    void showEndWanted();
    // The sound of the picture shown before ends with it.
    void voiceReleaseWanted();
    // The step has shown its picture and the show's next step may be
    // prepared; the status of the shown picture is wanted.
    void nextStepPrepared();
    void pictureStatusWanted();
    // The music fades out before the next step, `intervalMs` from now.
    void musicFadeWanted(int intervalMs);
    // A display step has ended (shown, skipped or failed): the full-screen
    // window's buttons and picture tip follow the commands it left.
    void stepEnded();

private:

    void FinishDisplayStep(quint64 ticket, const LoadOutcome& outcome);
    // The display step ends when the slot it asked answers.
    void followSlot(PictureSlotModel* slot);
    // The main window's picture area (empty when not set).
    QSize MainPictureArea() const;
    QString startedListEntry() const;

    OpenShow& m_openShow;
    SoundController& m_sound;
    QPointer<ShowView> m_showView;
    QPointer<PictureSlotModel> m_mainSlot;
    QPointer<ShowManagerWindow> m_showManager;
    QPointer<const FitZoomSection> m_fitZoom;
    const QString* m_startedListEntry = nullptr;
    ShowSession& m_session;
    SettingsStore& m_settings;
    const StartContext& m_start;
    const PictureDisplayControls m_w;
    PictureDisplayState m_display;
    // The display step's hand-offs to the windows, the show and the sound,
    // made once.
    std::unique_ptr<DisplayStepHost> m_stepHost;
    PageSelection* m_page = nullptr;
    QTimer* m_imageTimer = nullptr;
};
