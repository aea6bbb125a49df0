// The two windows of the thumbnail files: "Vistamo! - Create/Replace
// thumbnails manually" (ThumbnailOptionsDialog), which runs ThumbnailBatch over the
// selected folder and shows its log, and "Vistamo! - Thumbnails info"
// (ThumbnailRunWindow), the one-time explanation of the thumbnail folders.
#pragma once

#include "browse/thumbnail_files_batch.h"

#include <QDialog>
#include <QImage>
#include <QRect>

struct DataPaths;
struct EnvironmentInfo;
class QCheckBox;
class QFrame;
class QTimer;
class QLabel;
class QPushButton;
class QTextEdit;

// The window whose objectName is "Form38".
class ThumbnailOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // `settings` hold the thumbnail options the window reads and stores;
    // `paths` name the additional settings file the window writes; the
    // window takes the interface font of `environment`; with `demoMode` (a
    // demo start) no thumbnails are made.
    ThumbnailOptionsDialog(SettingsStore& settings, const DataPaths& paths, const EnvironmentInfo& environment,
            const QString& selectedFolder, bool demoMode, QWidget* parent = nullptr);

    QCheckBox* CBInclSubfolders = nullptr;
    QCheckBox* CBReplaceExisting = nullptr;
    QCheckBox* CBConvertSmallPics = nullptr;
    QCheckBox* CBOnlyCleanup = nullptr;
    QLabel* LblInfo = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* FolderLabel = nullptr;
    QTextEdit* REResult = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* FileNotExistLabel = nullptr;
    QLabel* CannotOpenLabel = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;
    QFrame* Panel1 = nullptr;
    // 1 ms after the window opens the top panel is repainted; 10 ms after
    // the Alt key the panels, check boxes and buttons are.
    QTimer* TimerOnActivate = nullptr;
    QTimer* TimerAltKey = nullptr;
    void TimerOnActivateTimer();
    void TimerAltKeyTimer();

    void FormCreate();
    void BtnOKClick();
    void BtnCancelClick();
    void CBOnlyCleanupClick();
    // Starts the run over the folder; RunFinished follows when it ends.
    void ProcessThumbnails();
    void RunFinished(const ThumbnailBatchCounts& counts);
    void AddLogLine(const QString& text, int32_t colour, bool blankAfter, bool blankBefore);
    // 0 shown, 1 cannot be shown, 2 does not exist.
    int PreviewPicture(const QString& picture);
    // Shows a preview already decoded (result as above); returns the result.
    int ShowPreview(int result, const QImage& preview);

    // The run's state: Busy from ProcessThumbnails until RunFinished.
    bool CancelRequested = false;
    bool Busy = false;
    bool DriveAlreadyAllowed = false;
    uint8_t OnFixedDrives = 0, OnNetworkDrives = 0, OnRemovableDrives = 0;
    QRect PreviewBox;
    ThumbnailBatchCounts LastCounts;

protected:
    void keyPressEvent(class QKeyEvent* event) override;
    void showEvent(class QShowEvent* event) override;
    void closeEvent(class QCloseEvent* event) override;

private:
    QSize previewBoxSize() const;
    SettingsStore& m_settings;
    const DataPaths& m_paths;
    const EnvironmentInfo& m_environment;
    QString m_folder;
    bool m_demoMode = false;
    ThumbnailBatch* m_batch = nullptr;
};

// The window whose objectName is "Form39".
class ThumbnailRunWindow : public QDialog {
    Q_OBJECT
public:
    // familiar: the answer to "Are you familiar with ... SmallPics folders?";
    // the window takes the interface font of `environment`.
    ThumbnailRunWindow(const EnvironmentInfo& environment, bool familiar, QWidget* parent = nullptr);

    QTextEdit* REText = nullptr;
    QCheckBox* CBNext = nullptr;
    QPushButton* BtnContinue = nullptr;
    QFrame* Panel1 = nullptr;
    QFrame* Panel3 = nullptr;
    QTimer* TimerOnActivate = nullptr;
    QTimer* TimerAltKey = nullptr;
    void TimerOnActivateTimer();
    void TimerAltKeyTimer();

    void FormCreate(bool familiar);

protected:
    void keyPressEvent(class QKeyEvent* event) override;
    void showEvent(class QShowEvent* event) override;

private:
    const EnvironmentInfo& m_environment;
};

// The texts of the information window, heading (bold blue), body (black)
// or closing line (bold red), in order.
struct ThumbInfoLine {
    enum Kind { Heading, Body, Closing } kind;
    QString text;
};
QList<ThumbInfoLine> ThumbnailInfoLines(bool familiar);
