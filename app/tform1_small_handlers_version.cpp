// The main window's version check and the monthly suggestion at start.
#include "base/data_folder.h"
#include "app/help_web.h"
#include "base/settings_record.h"
#include "base/start_args.h"
#include "base/start_modes.h"
#include "app/tform1.h"
#include "app/version_check.h"
#include "app/version_check_download.h"
#include "app/version_check_windows.h"
#include "platform/prompt_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

namespace {

// Keeps the hourglass for as long as it lives (or until restored early).
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { restore(); }
    void restore()
    {
        if (active_) {
            QApplication::restoreOverrideCursor();
            active_ = false;
        }
    }

private:
    bool active_ = true;
};

QString foundVersionFile()
{
    if (!FoundVersionPath.isEmpty())
        return FoundVersionPath;
    const QString folder = DataFolder.isEmpty() ? QDir::tempPath() : DataFolder;
    return folder + QStringLiteral("/FoundVersion.vxt");
}

} // namespace

void TForm1::CheckforupdateClick()
{
    // The window keeps running while the record downloads; a second check
    // asked for meanwhile is not started on top of the first.
    static bool checking = false;
    if (checking)
        return;
    checking = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{checking};

    MarkSuggestionMonth();
    WaitCursor cursor;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    const QString target = foundVersionFile();
    if (QFile::exists(target))
        QFile::remove(target);

    const DownloadOutcome download = DownloadUrlToFile(WebPageUrl(PublishedVersionPage), target, VersionDownloadTimeoutMs);
    if (!download.ok()) {
        cursor.restore();
        platform::showMessage(platform::PromptKind::Error, DownloadFailedText);
        return;
    }
    const PublishedVersion published = ReadPublishedVersion(target);
    cursor.restore();
    if (published.result != PublishedVersionRead::Ok) {
        platform::showMessage(platform::PromptKind::Error,
                              VersionReadErrorText(PublishedVersionErrorNumber(published.result)));
        return;
    }
    if (!VersionDiffers(published.text, GetFileVersionText())) {
        platform::showMessage(platform::PromptKind::Information, UpToDateText);
        return;
    }
    NewVersionText = published.text;
    int result = 0;
    {
        TForm31 offer(this);
        offer.FormActivate();
        result = platform::execModal(offer);
    }
    if (result == ModalResultAbort) {
        OpenDownloadPage();
        QTimer::singleShot(0, this, [this] { close(); });
    }
}

void TForm1::MonthlySuggestionAtStart()
{
    if (DemoMode || AudioMode || ArgumentMode)
        return;
    if (!ShouldSuggestUpdate())
        return;
    // Recorded first, so answering No also counts for this month.
    MarkSuggestionMonth();
    int result = 0;
    {
        TForm32 suggestion(this);
        suggestion.FormActivate();
        result = platform::execModal(suggestion);
    }
    if (result == ModalResultOk)
        CheckforupdateClick();
}
