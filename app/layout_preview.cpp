#include "app/layout_preview.h"
#include "base/layout_calc.h"
#include "formats/picture_file.h"

#include <QFileInfo>
#include <QLabel>
#include <QPointer>

TForm19::TForm19(QWidget* parent)
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

void TForm19::ShowPicture(const QString& path, PreviewKind kind)
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

TForm19& PicturePreviewWindow()
{
    static QPointer<TForm19> window;
    if (!window)
        window = new TForm19;
    return *window;
}
