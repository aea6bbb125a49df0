// The main window's open show: the Draft show and named shows opened
// through their working copy, and the show list MyShowSG. The controller
// owns the open show; the main window hands it its controls once built.
#pragma once

#include "shows/show_file.h"

#include <QString>

#include <memory>

struct DataPaths;
class QAction;
class QLabel;
class QTableWidget;
class ShowManagerWindow;

// What the show controller asks of the main window.
class MyShowHost {
public:
    virtual ~MyShowHost() = default;
    // True once the close has passed its refusals: the Draft show is only
    // saved, not shown.
    virtual bool closingDown() const = 0;
    // The MyShow manager, told of each named show opened (or none).
    virtual ShowManagerWindow* showManager() const = 0;
};

class MyShowController {
public:
    // The controls the open show fills, built by the main window (any but
    // MyShowSG may be missing).
    struct Items {
        QTableWidget* MyShowSG = nullptr;
        QLabel* MyShowLabel = nullptr;
        QAction* StartMySlideShowTB = nullptr;
        QAction* SaveMyShowAsTB = nullptr;
        QAction* SaveMyShowTB = nullptr;
    };

    MyShowController(std::unique_ptr<MyShowHost> host, const DataPaths& paths);
    ~MyShowController();
    // The controls, handed over once the window has built them.
    void SetItems(const Items& items);

    // The open show (its working copy and flags).
    OpenShow& openShow() { return m_openShow; }

    void AddPictureToMyShow(const QString& PicturePath, int A, int B, int C, int D);
    void MyShowDraftClick();
    void AskMakeChangesPermanent();
    void LoadMyShowClick(const QString& PresetFile = QString());
    void ReadMyShowFile();
    void UpdateMyShowControls();
    void ShowMyShowPanel();

private:
    std::unique_ptr<MyShowHost> m_host;
    const DataPaths& m_paths;
    Items m_items;
    OpenShow m_openShow;
};
