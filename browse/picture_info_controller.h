// The main window's picture information and thumbnail files: the manual
// creation of thumbnails, the one-time notice about thumbnail folders and
// the tree's hover preview wiring. It reaches the rest of the window through
// PictureInfoHost.
#pragma once

#include "browse/picture_info_host.h"

#include <QObject>
#include <QString>

#include <memory>

class PictureInfoController : public QObject {
    Q_OBJECT
public:
    // A child of the host's window; the items are wired on first showing.
    explicit PictureInfoController(std::unique_ptr<PictureInfoHost> host);
    ~PictureInfoController() override;

    // Connects the "Create thumbnails manually" items, the tree's mouse moves
    // and the status of thumbnail making (once; the first showing of the
    // window does it too).
    void SetupThumbnailFiles();
    // Makes or renews a picture's thumbnail; the result codes of the free
    // CreateOrRefreshThumbnail (-1 .. 4).
    int CreateOrRefreshThumbnail(const QString& Picture, const QString& Thumbnail, const QString& SlotName,
                                 bool FromPreview, bool IgnoreDrive, bool ForceRenew, bool SetPictureDate);
    // The manual creation window TForm38 for SelectedFolder; the tree is
    // refreshed afterwards.
    void MakeSmallClick();
    // The one-time notice about thumbnail folders and the window TForm39.
    void ThumbnailInfoOnce();

private:
    std::unique_ptr<PictureInfoHost> m_host;
    const PictureInfoWidgets m_w;
    bool m_thumbnailFilesSetUp = false;
    bool m_thumbnailInfoAsked = false;
};
