// The picture preview window `Form19`: a picture fitted into its box, or
// one of the labels "Video file", "Can not show picture", "File does not
// exist".
#pragma once
#include "base/layout_state.h"

#include <QRect>
#include <QWidget>

class QLabel;

// The window whose objectName is "Form19".
class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QLabel* VideoLabel = nullptr;
    QLabel* CannotOpenLabel = nullptr;
    QLabel* FileNotExistLabel = nullptr;
    // The picture area of the preview window.
    const QRect PreviewBox{0, 0, 300, 225};

    // Shows the entry: a folder hides the labels and loads nothing; a video
    // clears the picture and says so; a missing file says so; a picture is
    // scaled into PreviewBox and centred. A picture without size (empty or
    // unreadable) shows "Can not show picture" instead of being scaled.
    void ShowPicture(const QString& path, PreviewKind kind);

protected:
    // Shown beside the Reduce picture size window `Form25` when that is
    // open, else at the main window's right edge, level with its top.
    void showEvent(QShowEvent* event) override;

private:
    QString m_path;
};

// The one preview window, made on first use.
PreviewWindow& PicturePreviewWindow();
// Hides the preview window when it has been made.
void HidePicturePreviewWindow();
