// The main window's picture information and thumbnail files: the browse and
// MyShow previews with their file information, the sibling program's panel,
// the tree's hover preview, the manual creation of thumbnails and the
// one-time notice about thumbnail folders. What it asks of other parts it
// says with signals, which the main window connects.
#pragma once

#include "base/show_session.h"
#include "browse/picture_info_widgets.h"
#include "browse/preview_request.h"

#include <QHash>
#include <QObject>
#include <QChar>
#include <QPointer>
#include <QRect>
#include <QString>

struct SettingsStore;
struct DataPaths;
struct EnvironmentInfo;
struct StartContext;

class PreviewRequest;
class ExternalProgramsController;
class FolderTreeController;
class ShowManagerWindow;
class QTreeWidgetItem;
struct LayoutState;
struct PictureDisplayState;
struct SoundSession;

// What the section reads of the window's other parts, handed over once at
// construction.
struct PictureInfoSources {
    FolderTreeController& tree;               // the selected folder, node paths, the video image
    PictureDisplayState& display;             // the tree's picture becomes its current picture
    const LayoutState& layout;                // the previews' picture box the layout keeps
    const QHash<QString, QRect>& designBounds;   // the designed bounds of the layout's widgets
    const SoundSession& sound;                // whether a voice recording plays
    const ExternalProgramsController& externalPrograms;   // whether the sibling program is installed
};

class PictureInfoController : public QObject {
    Q_OBJECT
public:
    // A child of the widgets' window; the items are wired on first showing.
    PictureInfoController(const PictureInfoWidgets& widgets, const PictureInfoSources& sources,
                          SettingsStore& settings, const DataPaths& paths, const EnvironmentInfo& environment,
                          const StartContext& start, ShowSession& session);
    ~PictureInfoController() override;

    // The MyShow manager, once made (or null).
    void SetShowManager(ShowManagerWindow* window);

    // Connects the "Create thumbnails manually" items and the tree's mouse
    // moves (once; the first showing of the window does it too).
    void SetupThumbnailFiles();
    // The manual creation window ThumbnailOptionsDialog for SelectedFolder; the tree is
    // refreshed afterwards.
    void MakeSmallClick();
    // The one-time notice about thumbnail folders and the window ThumbnailRunWindow.
    void ThumbnailInfoOnce();
    // The browse preview and the MyShow preview. A picture to load is asked for on a worker; the preview's
    // image and the panel's last lines follow its answer.
    void ShowPictureInfo(const QString& Path, bool LoadImage, bool UseThumbnail);
    void ShowMyShowPictureInfo(const QString& Path, bool LoadImage, bool FromBrowse);
    // The preview's box changed: the picture it last showed (if any) is
    // loaded again and fitted into the new box.
    void RefitBrowsePreview();
    void RefitMyShowPreview();
    // A picture's file was rewritten in place (turned): what was read of it
    // is forgotten, and a preview showing it shows it anew.
    void PictureRewritten(const QString& path);
    void UpdateTarnivoPanelVisibility();
    // The tree's mouse move (a point of its viewport): the node under the
    // mouse is previewed.
    void TreeView1MouseMove(QPoint at);
    QTreeWidgetItem* PreviewNode = nullptr;
    // Previews a tree node as the mouse resting on it does: a non-null
    // `node` becomes the remembered node, and the remembered node is
    // previewed while it is still in the tree.
    void PreviewTreeNode(QTreeWidgetItem* node);
    // The tree was built anew and opened at `folder`: the nodes remembered
    // are gone, and the browse preview shows the folder (no picture).
    void PreviewOpenedFolder(const QString& folder);
    // The delayed preview's timer (TimerThumbnail) fired: shows the
    // remembered picture in the browse preview when it is the tree's, else
    // in the MyShow preview.
    void TimerThumbnailTimer();
    // The delayed preview's timer ("TimerThumbnail", 100 ms, single shot, not running).
    QTimer* thumbnailTimer() const { return m_thumbnailTimer; }
    // The preview TimerThumbnail shows, and whether it is the tree's.
    QString ThumbnailPreviewPath;
    bool ThumbnailPreviewFromTree = true;
    QString TreeHoverPath;
    // The path last shown in the browse and MyShow previews, and the kind of
    // the previewed tree node: 'V' video, 'P' picture, 'O' other.
    QString PreviewedPath;
    QString MyShowPreviewedPath;
    QChar PreviewKind = QLatin1Char('P');
    // Two state bytes that keep the sibling panel hidden.
    bool OperationRunning = false;
    bool HideTarnivoPanel = false;

signals:
    // The status of the browse preview's thumbnail making ("T" while it is
    // made, "" after), on the window's thread.
    void thumbnailStatus(const QString& text);
    // The selected folder is to be read again (thumbnails were made).
    void folderRefreshWanted();

private:
    void ShowPreviewVoiceControls(const QString& Path, bool exists);
    void RequestPreviewImage(const QString& Path, bool UseThumbnail);
    // The browse preview's camera line: the camera of its picture's facts
    // (asked for when not read yet) and, once the picture is shown, its size.
    void ShowBrowseCameraLine();
    void PreviewImageAnswered(const QImage& image, QSize loaded);
    void FinishPictureInfo(const QString& Path);
    void MyShowImageAnswered(const QImage& image);
    // The tree is where the user is: it takes the focus and the idle
    // timer runs. False when the tree previews nothing (no tree, or the
    // program runs for one picture given as argument).
    bool treeActive();
    // The hovered node's preview: its captions, file lines and picture.
    void ShowNodePreview(QTreeWidgetItem* node);
    void CaptionHoverFileOperations(QTreeWidgetItem* node, bool video, bool picture);
    void ShowHoverFileLines(QTreeWidgetItem* node, const QString& path, bool picture);

    FolderTreeController& m_tree;
    PictureDisplayState& m_display;
    const LayoutState& m_layout;
    const QHash<QString, QRect>& m_designBounds;
    const SoundSession& m_sound;
    const ExternalProgramsController& m_externalPrograms;
    QPointer<ShowManagerWindow> m_showManager;
    ShowSession& m_session;
    SettingsStore& m_settings;
    const DataPaths& m_paths;
    const EnvironmentInfo& m_environment;
    const StartContext& m_start;
    const PictureInfoControls m_w;
    QTimer* m_thumbnailTimer = nullptr;
    // The previews' pictures, made on workers, and what their answers need.
    PreviewRequest* m_browsePreview = nullptr;
    PreviewRequest* m_myShowPreview = nullptr;
    struct PendingPreview {
        QString path;
        bool useThumbnail = false;
    } m_pendingPreview;
    // The previews' picture facts, read on workers, and the pictures whose
    // camera lines wait for them.
    PreviewFactsRequest* m_browseFacts = nullptr;
    PreviewFactsRequest* m_myShowFacts = nullptr;
    struct BrowseLine {
        QString path;
        bool withSize = false;   // the picture is shown: its size follows the camera
        QSize loaded = {};       // the size of the file decoded for it
    } m_browseLine;
    QString m_myShowLinePath;
    QString m_pendingMyShowPath;
    bool m_thumbnailFilesSetUp = false;
    bool m_thumbnailInfoAsked = false;
};
