// Every writer of a whole data file meets a real write failure (a file-size
// limit smaller than the new file): it reports the failure and the old file
// stays as it was, with no temporary file left beside it.
#include "base/add_settings_record.h"
#include "base/registry_store.h"
#include "browse/folder_exclusions.h"
#include "platform/file_attributes.h"
#include "shows/known_shows.h"
#include "support/sandbox.h"
#include "support/write_failure.h"

#include <QDir>
#include <QMap>
#include <gtest/gtest.h>

using testsupport::readFile;

TEST(WholeFileWriters, AFileSizeLimitKeepsEveryOldFileAndIsReported)
{
    const QString dir = testsupport::freshDir(QStringLiteral("writers"));
    const QString registry = dir + QStringLiteral("/registry.ini");
    const QString exclusions = dir + QStringLiteral("/ExcludeFolder.dat");
    FolderExclusionState exclusionState;
    const QString showList = dir + QStringLiteral("/AllMyShow.dat");
    const QString addSettings = dir + QStringLiteral("/VXAddSettings.dat");
    const QString hidden = dir + QStringLiteral("/.hidden");
    const QString root = QStringLiteral("HKEY_CURRENT_USER");
    const QString key = QStringLiteral("Control Panel\\Desktop");

    SetRegistryStorePath(registry);
    ASSERT_TRUE(WriteRegistryString(root, key, QStringLiteral("Wallpaper"), QStringLiteral("/p/a.jpg")));
    ASSERT_TRUE(StoreExclusionFlags(exclusionState, exclusions, QStringLiteral("/d/pics"),
                                    ExclusionChoice{true, false, false, false})
                    .ok());
    QStringList shows{QStringLiteral("/s/a.vxt")};
    ASSERT_TRUE(WriteKnownShows(showList, shows).ok());
    ASSERT_TRUE(WriteAddSettings(addSettings, DefaultAddSettings(61)).ok());
    ASSERT_TRUE(platform::SetHidden(dir + QStringLiteral("/a"), true));
    QMap<QString, QByteArray> before;
    for (const QString& path : {registry, exclusions, showList, addSettings, hidden})
        before[path] = readFile(path);

    {
        testsupport::ScopedFileSizeLimit limit(3);  // smaller than any new file here
        EXPECT_FALSE(WriteRegistryString(root, key, QStringLiteral("WallpaperStyle"), QStringLiteral("2")));
        EXPECT_FALSE(
            StoreExclusionFlags(exclusionState, exclusions, QStringLiteral("/d/other"),
                                ExclusionChoice{false, true, false, false})
                .ok());
        shows << QStringLiteral("/s/b.vxt");
        EXPECT_FALSE(WriteKnownShows(showList, shows).ok());
        TAddSettingsRecord changed = DefaultAddSettings(61);
        changed.UploadBatchSize = 7;
        EXPECT_FALSE(WriteAddSettings(addSettings, changed).ok());
        EXPECT_FALSE(platform::SetHidden(dir + QStringLiteral("/bbbbbbbb"), true));
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        EXPECT_EQ(readFile(it.key()), it.value()) << it.key().toStdString();
    EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({QStringLiteral(".hidden"), QStringLiteral("AllMyShow.dat"), QStringLiteral("ExcludeFolder.dat"),
                           QStringLiteral("VXAddSettings.dat"), QStringLiteral("registry.ini")}));
    SetRegistryStorePath(QString());
}
