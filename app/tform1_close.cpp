// Closing the main window: refusals, the settings merge and save.
#include "app/tform1_close.h"

#include "app/add_settings_record.h"
#include "app/data_folder.h"
#include "app/environment.h"
#include "app/settings_fields.h"
#include "app/start_args.h"
#include "app/tform1.h"
#include "platform/prompt.h"
#include "sharing/process_check.h"
#include "shows/known_shows.h"
#include "slideshow/show_state.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>

uint8_t ClosingDown = 0;

TCloseSave SaveAtClose(const QString& settingsFileName, TSettingsRecord& live, const TSettingsRecord& snapshot,
                       TSettingsRecord& onDisk, int32_t myShowHidden, bool audioMode,
                       const std::optional<QStringList>& knownShows, const QString& showListPath)
{
    TCloseSave result;
    onDisk = snapshot;
    result.DiskRead = ReadSettingsFile(settingsFileName, onDisk).ok();
    if (!result.DiskRead)
        onDisk = snapshot;
    MergeSettings(live, snapshot, onDisk);
    live.RunningMarker = 0;
    if (!audioMode && knownShows) {
        QStringList paths = *knownShows;
        result.ShowList = WriteKnownShows(showListPath, paths);
        result.ShowListWritten = result.ShowList.ok();
    }
    live.MyShowHidden = myShowHidden;
    result.Settings = WriteSettingsFile(settingsFileName, live);
    return result;
}

std::optional<QStringList> KnownShowsOfManager()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() != QLatin1String("Form16"))
            continue;
        auto* grid = w->findChild<QTableWidget*>(QStringLiteral("AllShowSG"));
        if (!grid || grid->columnCount() < 5)
            return std::nullopt;
        QStringList paths;
        for (int row = 2; row < grid->rowCount(); ++row) {
            const QTableWidgetItem* cell = grid->item(row, 4);
            if (cell && !cell->text().isEmpty())
                paths << cell->text();
        }
        return paths;
    }
    return std::nullopt;
}

void TForm1::WriteAllMyShowList(const QString& OldPrefix, const QString& NewPrefix, int PrefixLength, bool Replace)
{
    auto shows = KnownShowsOfManager();
    if (!shows)
        return;
    QStringList paths = *shows;
    WriteKnownShows(ShowListPath, paths, OldPrefix, NewPrefix, PrefixLength, Replace);
    // The grid shows the renamed paths too.
    if (Replace) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() != QLatin1String("Form16"))
                continue;
            if (auto* grid = w->findChild<QTableWidget*>(QStringLiteral("AllShowSG"))) {
                int i = 0;
                for (int row = 2; row < grid->rowCount() && i < paths.size(); ++row) {
                    QTableWidgetItem* cell = grid->item(row, 4);
                    if (cell && !cell->text().isEmpty())
                        cell->setText(paths.at(i++));
                }
            }
        }
    }
}

bool TForm1::FormClose()
{
    if (CloseDone)
        return true;
    // 1. Network folders are ordinary mounts here; nothing to disconnect.
    if (!MappedDrive.isEmpty())
        CancelNetworkDrive(MappedDrive);

    // 2. Pictures waiting for the uploader would be lost.
    if (!DemoMode) {
        const QString pending = UploadPendingMessage(AddSettings.UploaderPath, MailTempFolder);
        if (!pending.isEmpty()) {
            platform::showMessage(platform::PromptKind::Information, pending);
            return false;
        }
        if (!MailTempFolder.isEmpty() && QFileInfo(MailTempFolder).isDir()) {
            QDir mail(MailTempFolder);
            for (const QFileInfo& entry : mail.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
                if (entry.isDir() && !entry.isSymLink())
                    QDir(entry.filePath()).removeRecursively();
                else
                    QFile::remove(entry.filePath());
            }
        }
    }

    // 3. The music fading out stops at once.
    if (FadeTimer->isActive())
        FadeTimer->stop();

    // 5. During a show: stop it; ending the show closes the window again.
    if (PlaybackActive == 1) {
        CloseAfterShowPending = 1;
        ToolButton2->trigger();
        return false;
    }

    // 6.-7. A start with an argument or a demo start saves nothing.
    if (ArgumentMode && !DemoMode)
        DeleteRunMarker();
    if (DemoMode || ArgumentMode) {
        CloseDone = true;
        return true;
    }

    // 8.
    ClosingDown = 1;

    // 10. The save: settings and the list of known shows, each in one safe
    // write. The marker goes whatever happens.
    // The MyShow panel's state is kept in Settings.MyShowHidden while the
    // program runs; it is this window's state, not a merged one.
    const int32_t panelHidden = Settings.MyShowHidden == 1 ? 1 : 0;
    const TCloseSave saved = SaveAtClose(SettingsFileName, Settings, SettingsSnapshot, SettingsOnDisk, panelHidden,
                                         AudioMode != 0, KnownShowsOfManager(), ShowListPath);
    Q_UNUSED(saved);
    DeleteRunMarker();
    CloseDone = true;
    return true;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (CloseWithoutSaving || FormClose()) {
        event->accept();
        // The main window's close ends the program, whatever other windows
        // are open.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
    } else {
        event->ignore();
    }
}
