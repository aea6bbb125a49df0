#include "app/layout_preview.h"
#include "base/layout_calc.h"
#include "formats/picture_file.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>

PreviewWindow::PreviewWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("Form19"));
    resize(PreviewBox.right() + 10, PreviewBox.bottom() + 10);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    const auto label = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(PreviewBox.x() + 10, PreviewBox.center().y() - 8, PreviewBox.width() - 20, 16);
        l->setAlignment(Qt::AlignCenter);
        l->hide();
        return l;
    };
    VideoLabel = label("VideoLabel", QStringLiteral("Video file"));
    CannotOpenLabel = label("CannotOpenLabel", QStringLiteral("Can not show picture"));
    FileNotExistLabel = label("FileNotExistLabel", QStringLiteral("File does not exist"));
}

void PreviewWindow::ShowPicture(const QString& path, PreviewKind kind)
{
    VideoLabel->hide();
    CannotOpenLabel->hide();
    FileNotExistLabel->hide();
    if (kind == PreviewKind::Folder)
        return;
    if (kind == PreviewKind::Video) {
        Image1->clear();
        VideoLabel->show();
        return;
    }
    const QFileInfo fi(path);
    if (!fi.isFile()) {
        Image1->clear();
        FileNotExistLabel->show();
        return;
    }
    m_path = path;
    const QImage image = LoadPicturePreview(path, QSize());
    const QRect target = FitPreviewRect(image.size(), PreviewBox);
    if (image.isNull() || !target.isValid()) {
        Image1->clear();
        CannotOpenLabel->show();
        return;
    }
    Image1->setGeometry(target);
    Image1->setPixmap(QPixmap::fromImage(image));
}

void PreviewWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    const auto topLevel = [](const char* name) -> QWidget* {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w != nullptr)
                return w;
        return nullptr;
    };
    const QWidget* reduce = topLevel("Form25");
    if (reduce && reduce->isVisible()) {
        const QRect r = reduce->frameGeometry();
        resize(width(), 288);
        move(r.left() + r.width() + 4, r.top() + 4);
        return;
    }
    if (const QWidget* main = topLevel("Form1")) {
        const QRect r = main->frameGeometry();
        resize(width(), 298);
        move(r.left() + r.width(), r.top());
    }
}

namespace {

QPointer<PreviewWindow>& previewWindowMade()
{
    static QPointer<PreviewWindow> window;
    return window;
}

} // namespace

PreviewWindow& PicturePreviewWindow()
{
    QPointer<PreviewWindow>& window = previewWindowMade();
    if (!window)
        window = new PreviewWindow;
    return *window;
}

void HidePicturePreviewWindow()
{
    if (PreviewWindow* window = previewWindowMade())
        window->hide();
}
