// The windows of the show subsystem that start-up creates: the MyShow
// manager `Form16` (the list of known shows), the picture-text window
// `Form10` and the folder picture chooser `Form20`.
#pragma once

#include "base/show_session.h"

#include <QDialog>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QToolButton;

// The window whose objectName is "Form16".
class ShowManagerWindow : public QWidget {
    Q_OBJECT
public:
    // Reads the known shows from `showListPath`, leaving out the ones that no
    // longer exist.
    explicit ShowManagerWindow(const QString& showListPath, QWidget* parent = nullptr);

    // Why the file of known shows was refused when it was read (empty when
    // it was read whole): the list then is not the file's, and the file is
    // never rewritten from it.
    QString ListRefusal() const { return listRefusal_; }

    // The grid of known shows: column 4, from row 2 on, holds their paths.
    QTableWidget* AllShowSG = nullptr;
    QToolButton* DeletePicButton = nullptr;
    QToolButton* AddPicsButton1 = nullptr;
    QToolButton* BackSB = nullptr;
    QToolButton* ForwardSB = nullptr;
    QLabel* ShowSelectedLabel = nullptr;   // "Select a show" while none is chosen
    QCheckBox* AutoAdvanceCB = nullptr;    // advance automatically (SyncAutoAdvance); off until a page layout is applied
    int32_t PicturesSelected = 0;

    static constexpr int FirstShowRow = 2;
    static constexpr int PathColumn = 4;

    QStringList KnownShows() const;
    // Adds a show file to the list (once; compared as the same file path).
    void AddKnownShow(const QString& showPath);
    void RemoveKnownShow(const QString& showPath);
    // The add button's glyph for its enabled state.
    void SetAddButtonGlyph(bool enabled, int mode);
    // A picture has been loaded: the step buttons, and with pictures selected
    // the add and delete buttons, come on (a hidden manager is left alone).
    void EnableAfterPictureLoad();
    // The add and delete buttons follow the number of ticked pictures of
    // the main window, once a show is chosen (a hidden manager is left alone).
    void EnableForTickedPictures(int ticked);

private:
    QString listRefusal_;
};

// The window whose objectName is "Form10".
class PictureTextWindow : public QWidget {
    Q_OBJECT
public:
    explicit PictureTextWindow(QWidget* parent = nullptr);
};

// The window whose objectName is "Form20".
class FolderPictureChooser : public QDialog {
    Q_OBJECT
public:
    explicit FolderPictureChooser(QWidget* parent = nullptr);
    QLabel* FolderLabel = nullptr;
    QCheckBox* SubfoldersCB = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    // The folder the pictures are taken from (shown by its name).
    void SetFolder(const QString& folder);
    // Modal (through the prompt seam when headless): 1 = OK, 2 = Cancel.
    // The box shows and, on OK, sets the options' IncludeSubfolders.
    int Run(TPlayOptions& PlayOptions);
};
