// The main window's fitting, zooming and crop section: the fit-zoom handler
// of Image1 (slot "form1im1"), the full view of one picture, and the custom
// crop ratio panel `PnlCustomRatio`. The full-screen window fits and zooms
// its own images; while it is shown, the fit and zoom go there. What the
// section asks of other parts it says with signals, which the main window
// connects.
#pragma once

#include "base/show_session.h"
#include "browse/fit_zoom_widgets.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>

struct SettingsStore;
struct DataPaths;
struct StartContext;

class CustomRatioPanel;
class FitZoomHandler;
class PictureSlotModel;
class ShowView;

class FitZoomSection : public QObject {
    Q_OBJECT
public:
    // A child of the widgets' window.
    FitZoomSection(const FitZoomWidgets& widgets, SettingsStore& settings, const DataPaths& paths,
                   const StartContext& start, ShowSession& session);
    ~FitZoomSection() override;

    // Fits and centres the picture just loaded into its image; with toggle
    // and the full-screen window visible, the next picture goes into the
    // other full-screen image.
    void SizePictureToDisplay(bool toggle);
    // Zooms the shown cut-out by step percent (+3 / -3).
    void WheelZoomPicture(int step);
    // The full view of one picture; from a page of the thumbnail view, its
    // stop button returns to that page.
    void ShowPictureFull(const QString& path);
    void ShowPageCellFull(const QString& path);
    // Shows the custom crop ratio panel `PnlCustomRatio`.
    void ShowCustomRatioPanel();
    // The fitting, zoom and crop handler of Image1 and the custom ratio
    // panel; both made on first use.
    FitZoomHandler* Image1FitZoom();
    CustomRatioPanel* CustomRatio();
    // The custom ratio panel once made, else null (never makes it).
    CustomRatioPanel* CustomRatioIfMade() const { return m_customRatio; }

    // The main window's picture area, set by the window layouts: its
    // offset in the client area and the available width and height. Without
    // a width and a height ("not set") Image1's designed bounds are used.
    void SetPictureArea(const QRect& area);
    QRect PictureArea() const { return m_pictureArea; }

    // The full-screen show window, once made (or null).
    void SetShowView(ShowView* window);
    // The main window's picture slot ("form1im1") that Image1 shows,
    // handed over before Image1 is fitted.
    void SetPictureSlot(PictureSlotModel* slot) { m_slot = slot; }

signals:
    // The commands for the shown picture are to follow the full view.
    void menuCaptionsWanted();
    // The full-screen window closed after a full view: back to browsing.
    void browseViewWanted();
    // The full view starts: the show options are to be applied.
    void showOptionsWanted();
    // A mouse press on the picture (true) and its release (false).
    void mouseButtonChanged(bool down);

private:
    void showPictureFull(const QString& path, bool fromThumbnailView);
    void StartFullView(const QString& path, bool fromThumbnailView, std::function<void(const QString& failure)> done);
    void ConnectImage1FitZoom(FitZoomHandler* handler);

    QPointer<ShowView> m_showView;
    PictureSlotModel* m_slot = nullptr;
    ShowSession& m_session;
    SettingsStore& m_settings;
    const DataPaths& m_paths;
    const StartContext& m_start;
    const FitZoomWidgets m_w;
    FitZoomHandler* m_image1FitZoom = nullptr;
    CustomRatioPanel* m_customRatio = nullptr;
    QRect m_pictureArea;
};
