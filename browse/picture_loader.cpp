#include "browse/picture_loader.h"

#include "browse/fit_zoom.h"
#include "browse/picture_loader_slots.h"
#include "formats/picture_file.h"
#include "platform/prompt.h"

#include <QGuiApplication>
#include <QScreen>

#include <new>

QSize FittedPictureSize(QSize trueSize, QSize area, int limitPercent)
{
    if (trueSize.width() <= 0 || trueSize.height() <= 0 || area.width() <= 0 || area.height() <= 0)
        return {};
    const double fy = double(area.height()) / trueSize.height();
    const double fx = double(area.width()) / trueSize.width();
    double f = fy < fx ? fy : fx;
    f = std::min(f, fitzoom::LimitFactor(limitPercent));
    const int w = std::max(1, fitzoom::RoundHalfEven(trueSize.width() * f));
    const int h = std::max(1, fitzoom::RoundHalfEven(trueSize.height() * f));
    return QSize(w, h);
}

namespace {

QSize screenSize()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->size();
    return QSize(1920, 1080);
}

} // namespace

void RunPictureLoaderSteps(const PictureLoaderSteps& steps, const QString& path, const PictureSlotModel* slot)
{
    const QString thumbnail = steps.ThumbnailPath ? steps.ThumbnailPath(path) : QString();
    if (steps.PictureInfoText && steps.SetTitleHint)
        steps.SetTitleHint(steps.PictureInfoText(path));
    if (steps.CreateOrRefreshThumbnail)
        steps.CreateOrRefreshThumbnail(path, thumbnail, slot);
}

void ConnectPictureLoaderSteps(QObject* context, PictureSlotModel* slot, PictureLoaderSteps steps)
{
    if (!slot)
        return;
    QObject::connect(slot, &PictureSlotModel::pictureArrived, context,
                     [steps, slot](const QString& path) { RunPictureLoaderSteps(steps, path, slot); });
}

namespace {

// The slot, when it bears a slot name; otherwise nullptr, and the message.
PictureSlotModel* knownSlot(PictureSlotModel* slot)
{
    if (slot && KnownSlotName(slot->Name()))
        return slot;
    platform::showMessage(platform::PromptKind::Plain,
                          QStringLiteral("Unknown formim: ") + (slot ? slot->Name() : QString()));
    return nullptr;
}

} // namespace

quint64 RequestPictureForSlot(const QString& path, PictureSlotModel* slot)
{
    PictureSlotModel* model = knownSlot(slot);
    if (!model)
        return 0;
    const QSize area = model->DisplayArea.isEmpty() ? screenSize() : model->DisplayArea;
    return model->Request(path, area, model->EnlargeLimit, true);
}

QString ClassifyLoadError(std::exception_ptr error)
{
    if (!error)
        return QString();
    return LoadFailureName(LoadErrorOf(error).kind);
}

QString LoadErrorCaption(const QString& displayName, const QString& kind)
{
    return QStringLiteral("Vistamo! :  Error occurred, File ") + displayName + QStringLiteral(" can not be opened, ")
           + kind;
}

QString TryLoadPictureIntoSlot(const QString& path, PictureSlotModel* slot, QString* detail)
{
    if (detail)
        detail->clear();
    if (PictureSlotModel* model = knownSlot(slot)) {
        model->CancelRequest();
        const QSize area = model->DisplayArea.isEmpty() ? screenSize() : model->DisplayArea;
        const int limit = model->EnlargeLimit;
        LoadedPicture picture;
        try {
            picture = LoadPictureFile(
                path, [area, limit](QSize trueSize) { return FittedPictureSize(trueSize, area, limit); });
        } catch (...) {
            const LoadError error = LoadErrorOf(std::current_exception());
            if (detail)
                *detail = error.text;
            return LoadFailureName(error.kind);
        }
        model->SetPicture(path, std::move(picture));
        emit model->pictureArrived(path);
    }
    return QString();
}

void ReportLoadFailure(const QString& displayName, const QString& kind)
{
    platform::showMessage(platform::PromptKind::Error, LoadErrorCaption(displayName, kind));
}
