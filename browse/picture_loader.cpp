#include "browse/picture_loader.h"

#include "browse/fit_zoom.h"
#include "browse/picture_loader_slots.h"
#include "browse/picture_slot_decoder.h"
#include "formats/picture_errors.h"
#include "formats/picture_file.h"
#include "platform/prompt.h"

#include <QGuiApplication>
#include <QScreen>

#include <new>

PictureLoaderHooks& LoaderHooks()
{
    static PictureLoaderHooks hooks;
    return hooks;
}

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

void LoadPictureIntoSlot(const QString& path, const QString& slot)
{
    PictureSlotModel* model = PictureSlot(slot);
    if (model) {
        const QSize area = model->DisplayArea.isEmpty() ? screenSize() : model->DisplayArea;
        const int limit = model->EnlargeLimit;
        // Decoded on a worker; the window serves its events meanwhile.
        model->SetPicture(path, DecodeForSlot(slot, path, area, limit));
    } else {
        platform::showMessage(platform::PromptKind::Plain, QStringLiteral("Unknown formim: ") + slot);
    }
    PictureLoaderHooks& hooks = LoaderHooks();
    const QString thumbnail = hooks.ThumbnailPath ? hooks.ThumbnailPath(path) : QString();
    if (hooks.PictureInfoText && hooks.SetTitleHint)
        hooks.SetTitleHint(hooks.PictureInfoText(path));
    if (hooks.CreateOrRefreshThumbnail)
        hooks.CreateOrRefreshThumbnail(path, thumbnail, slot);
}

QString ClassifyLoadError(std::exception_ptr error)
{
    try {
        if (error)
            std::rethrow_exception(error);
        return QString();
    } catch (const EInvalidGraphic&) {
        return QStringLiteral("Invalid Graphic");
    } catch (const EWin32Error&) {
        return QStringLiteral("EWin32Error");
    } catch (const EFOpenError&) {
        return QStringLiteral("Open error");
    } catch (const EAccessViolation&) {
        return QStringLiteral("Access Violation");
    } catch (...) {
        return QStringLiteral("Other Error");
    }
}

QString LoadErrorCaption(const QString& displayName, const QString& kind)
{
    return QStringLiteral("Vistamo! :  Error occurred, File ") + displayName + QStringLiteral(" can not be opened, ")
           + kind;
}

QString TryLoadPictureIntoSlot(const QString& path, const QString& slot, QString* detail)
{
    QString kind;
    if (detail)
        detail->clear();
    try {
        LoadPictureIntoSlot(path, slot);
    } catch (const ELoadSuperseded&) {
        // A newer load of the slot shows its picture; this one is no failure.
    } catch (const std::exception& e) {
        kind = ClassifyLoadError(std::current_exception());
        if (detail)
            *detail = QString::fromStdString(e.what());
    } catch (...) {
        kind = ClassifyLoadError(std::current_exception());
    }
    return kind;
}

void ReportLoadFailure(const QString& displayName, const QString& kind)
{
    platform::showMessage(platform::PromptKind::Error, LoadErrorCaption(displayName, kind));
}
