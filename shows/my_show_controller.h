// The main window's open show: the Draft show and named shows opened
// through their working copy, and the show list MyShowSG. The controller
// owns the open show; the main window hands it its controls once built and
// connects its signals (MainWindow::ConnectMyShow).
#pragma once

#include "shows/show_file.h"

#include <QObject>
#include <QString>

#include <cstdint>

struct DataPaths;
class QAction;
class QLabel;
class QTableWidget;
class QWidget;

class MyShowController : public QObject {
    Q_OBJECT
public:
    // The list and its name label the open show fills, built by the main
    // window (the label may be missing).
    struct Widgets {
        QTableWidget* MyShowSG = nullptr;
        QLabel* MyShowLabel = nullptr;
    };

    explicit MyShowController(const DataPaths& paths);
    ~MyShowController() override;
    // The widgets, handed over once the window has built them.
    void SetWidgets(const Widgets& widgets);
    // Takes the window's Draft and Close commands, the start, save and
    // thumbnail view's show buttons and the list's picture count by their
    // objectNames, and connects the commands to the Draft show.
    void TakeControls(QWidget& window);
    // The MyShow panel's hidden flag (1 while the window shows no list).
    void SetPanelHiddenFlag(const int32_t& hidden) { m_panelHidden = &hidden; }
    void SetPanelHiddenFlag(int32_t&&) = delete;
    // The close's flag, 1 once the close has passed its refusals: the Draft
    // show is then only saved, not shown. Without one the close never runs.
    void SetClosingDownFlag(const uint8_t& closingDown) { m_closingDown = &closingDown; }

    // The open show (its working copy and flags).
    OpenShow& openShow() { return m_openShow; }

    void AddPictureToMyShow(const QString& PicturePath);
    void MyShowDraftClick();
    void AskMakeChangesPermanent();
    void LoadMyShowClick(const QString& PresetFile = QString());
    void ReadMyShowFile();
    void UpdateMyShowControls();
    void ShowMyShowPanel();

signals:
    // A named show at `path` was opened (the MyShow manager knows it).
    void namedShowOpened(const QString& path);
    // The show's name label says `action` ("Draft", "Load", "File").
    void labelWanted(const QString& action);
    // The Draft show is asked for while the MyShow panel is hidden: the
    // panel is shown with it.
    void panelWanted();

private:
    bool closingDown() const { return m_closingDown && *m_closingDown == 1; }

    bool panelHidden() const { return m_panelHidden && *m_panelHidden == 1; }

    const uint8_t* m_closingDown = nullptr;
    const int32_t* m_panelHidden = nullptr;
    QAction* m_startShow = nullptr;      // StartMySlideShowTB
    QAction* m_saveShowAs = nullptr;     // SaveMyShowAsTB
    QAction* m_saveShow = nullptr;       // SaveMyShowTB
    QAction* m_closeShow = nullptr;      // CloseMyShowTB
    QAction* m_pageShow = nullptr;       // TBGoSmallMS
    QLabel* m_pictureCount = nullptr;    // PicInListLabel
    const DataPaths& m_paths;
    Widgets m_items;
    OpenShow m_openShow;
};
