// TForm1's picture information and thumbnail files: makes the
// PictureInfoController with a PictureInfoHost over the window, installs the
// picture loader's thumbnail and information steps at start and wires the
// controller when the window is first shown.
#include "app/tform1.h"

#include "browse/picture_info_controller.h"
#include "browse/picture_info_host.h"
#include "browse/picture_loader.h"
#include "browse/thumbnail_files.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

namespace {

// The loader's steps of thumbnails and information and the status of
// thumbnail making, installed at start unless something else already
// installed its own.
void installLoaderSteps()
{
    InstallThumbnailLoaderSteps(false);
    if (!ThumbnailStatusSink())
        ThumbnailStatusSink() = [](const QString& text) {
            if (Form1 && Form1->StatusPanel0)
                Form1->StatusPanel0->setText(text);
        };
}

class TForm1PictureInfoHost final : public PictureInfoHost {
public:
    explicit TForm1PictureInfoHost(TForm1* form) : m_form(form) {}

    PictureInfoWidgets widgets() const override
    {
        TForm1* f = m_form;
        PictureInfoWidgets w;
        w.Window = f;
        w.TreeView1 = f->TreeView1;
        w.TBMakeSmall = f->TBMakeSmall;
        w.MMakeSmall = f->MMakeSmall;
        w.MakeSmall = f->MakeSmall;
        return w;
    }

    void InstallLoaderSteps() override { installLoaderSteps(); }
    void RefreshSelectedFolder() override { m_form->RefreshSelectedFolder(); }
    void TreeView1MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y) override
    {
        m_form->TreeView1MouseMove(Sender, Shift, X, Y);
    }

private:
    TForm1* m_form;
};

// Wires the section when a main window is first shown.
class ThumbnailFilesWatcher : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* form = qobject_cast<TForm1*>(watched))
                if (form->pictureInfo())
                    form->pictureInfo()->SetupThumbnailFiles();
        return false;
    }
};

void startThumbnailFiles()
{
    installLoaderSteps();
    qApp->installEventFilter(new ThumbnailFilesWatcher(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startThumbnailFiles)

void TForm1::InstallPictureInfo()
{
    m_pictureInfo = new PictureInfoController(std::make_unique<TForm1PictureInfoHost>(this));
}
