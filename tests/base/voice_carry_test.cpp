#include "base/file_helpers.h"
#include "base/settings_record.h"
#include "base/voice_carry.h"
#include "platform/prompt.h"
#include "support/sandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using platform::PromptAnswer;

namespace {

struct VoiceFixture : ::testing::Test {
    QString dir;
    QString picture;
    QString voice;
    TSettingsRecord settings;
    VoiceCarrySteps steps;
    QStringList synced;
    QStringList trashed;
    platform::ScopedPromptResponder prompts{QList<platform::PromptReply>{}};

    void SetUp() override
    {
        dir = testsupport::freshDir();
        picture = dir + "/beach.jpg";
        voice = dir + "/beach.wav";
        ASSERT_TRUE(testsupport::writeFile(picture, "JPEG"));
        ASSERT_TRUE(testsupport::writeFile(voice, QByteArray(100000, 'v')));
        settings.VoiceDeleteMode = "1";
        VoiceCarrySteps& h = steps;
        h.syncShowsAfterRename = [this](const QString& a, const QString& b) { synced << a + " -> " + b; };
        h.syncShowsAfterDelete = [this](const QString& a) { synced << "deleted " + a; };
        h.sendToRecycleBin = [this](const QString& p) {
            trashed << p;
            return QFile::remove(p);
        };
    }

    QStringList messages() const
    {
        QStringList out;
        for (const platform::PromptRecord& r : platform::promptLog())
            out << r.request.text;
        return out;
    }
};

} // namespace

TEST_F(VoiceFixture, CopyLeavesTheOriginal)
{
    const QString target = testsupport::freshDir() + "/beach.jpg";
    CarryVoiceFile(picture, true, "C", target, settings, steps);
    EXPECT_TRUE(QFile::exists(voice));
    EXPECT_EQ(testsupport::readFile(QFileInfo(target).path() + "/beach.wav"), testsupport::readFile(voice));
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_TRUE(synced.isEmpty());
}

TEST_F(VoiceFixture, MoveDeletesTheOriginalOnlyAfterACompleteCopy)
{
    const QString targetDir = testsupport::freshDir();
    const QByteArray bytes = testsupport::readFile(voice);
    CarryVoiceFile(picture, true, "M", targetDir + "/sunny.jpg", settings, steps);
    EXPECT_FALSE(QFile::exists(voice));
    EXPECT_EQ(testsupport::readFile(targetDir + "/sunny.wav"), bytes);
    EXPECT_EQ(synced, QStringList({voice + " -> " + targetDir + "/sunny.wav"}));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(VoiceFixture, FailedMoveKeepsTheOriginal)
{
    const QString missingDir = dir + "/no/such/folder";
    CarryVoiceFile(picture, true, "M", missingDir + "/beach.jpg", settings, steps);
    EXPECT_TRUE(QFile::exists(voice));
    EXPECT_EQ(testsupport::readFile(voice).size(), 100000);
    EXPECT_EQ(messages(), QStringList({"Could not move " + missingDir + "/beach.wav"}));
    EXPECT_EQ(platform::promptLog()[0].request.kind, platform::PromptKind::Error);
    EXPECT_TRUE(synced.isEmpty());
}

TEST_F(VoiceFixture, MoveOntoItselfLosesNothing)
{
    CarryVoiceFile(picture, true, "M", picture, settings, steps);
    CarryVoiceFile(picture, true, "M", dir + "/./beach.jpg", settings, steps);
    EXPECT_EQ(testsupport::readFile(voice).size(), 100000);
}

TEST_F(VoiceFixture, MoveOfAReadOnlyVoiceFileKeepsItAndSaysSo)
{
    testsupport::setReadOnly(voice, true);
    const QString targetDir = testsupport::freshDir();
    CarryVoiceFile(picture, true, "M", targetDir + "/beach.jpg", settings, steps);
    EXPECT_TRUE(QFile::exists(voice));
    EXPECT_TRUE(QFile::exists(targetDir + "/beach.wav"));
    EXPECT_EQ(messages(), QStringList({"Could not remove " + voice + " (file might be set to read-only)"}));
    EXPECT_TRUE(synced.isEmpty());
}

TEST_F(VoiceFixture, RenameNeverReplacesAFile)
{
    CarryVoiceFile(picture, true, "R", dir + "/sunset.jpg", settings, steps);
    EXPECT_FALSE(QFile::exists(voice));
    EXPECT_TRUE(QFile::exists(dir + "/sunset.wav"));
    EXPECT_EQ(synced.size(), 1);

    ASSERT_TRUE(testsupport::writeFile(dir + "/other.jpg", "J"));
    ASSERT_TRUE(testsupport::writeFile(dir + "/other.wav", "other voice"));
    CarryVoiceFile(dir + "/other.jpg", false, "R", dir + "/sunset.jpg", settings, steps);
    EXPECT_EQ(testsupport::readFile(dir + "/sunset.wav").size(), 100000);
    EXPECT_EQ(testsupport::readFile(dir + "/other.wav"), QByteArray("other voice"));
    EXPECT_EQ(messages(), QStringList({"Could not rename " + dir + "/other.wav (file might be set to read-only)"}));
}

TEST_F(VoiceFixture, DeleteFollowsTheStoredAnswer)
{
    settings.VoiceDeleteMode = "2";
    CarryVoiceFile(picture, true, "D", QString(), settings, steps);
    EXPECT_TRUE(QFile::exists(voice));
    EXPECT_TRUE(platform::promptLog().isEmpty());   // never asked

    settings.VoiceDeleteMode = "0";
    CarryVoiceFile(picture, true, "D", QString(), settings, steps);
    EXPECT_FALSE(QFile::exists(voice));
    EXPECT_EQ(trashed, QStringList({voice}));
    EXPECT_EQ(synced, QStringList({"deleted " + voice}));
    EXPECT_TRUE(platform::promptLog().isEmpty());
}

TEST_F(VoiceFixture, DeleteAsksAndRemembersAlwaysAndNever)
{
    {
        platform::ScopedPromptResponder r({platform::PromptReply::button(PromptAnswer::NoToAll)});
        CarryVoiceFile(picture, false, "D", QString(), settings, steps);
        EXPECT_TRUE(QFile::exists(voice));
        EXPECT_EQ(settings.VoiceDeleteMode, "2");
        ASSERT_EQ(platform::promptLog().size(), 1);
        EXPECT_EQ(platform::promptLog()[0].request.title, "Voice file detected (.wav)");
        EXPECT_EQ(platform::promptLog()[0].request.text, voice);
    }
    settings.VoiceDeleteMode = "1";
    {
        platform::ScopedPromptResponder r({platform::PromptReply::button(PromptAnswer::No)});
        CarryVoiceFile(picture, false, "D", QString(), settings, steps);
        EXPECT_TRUE(QFile::exists(voice));
        EXPECT_EQ(settings.VoiceDeleteMode, "1");
    }
    {
        platform::ScopedPromptResponder r({platform::PromptReply::button(PromptAnswer::All)});
        CarryVoiceFile(picture, false, "D", QString(), settings, steps);
        EXPECT_FALSE(QFile::exists(voice));
        EXPECT_EQ(settings.VoiceDeleteMode, "0");
        EXPECT_TRUE(synced.isEmpty());   // not asked to keep shows in step
    }
}

TEST_F(VoiceFixture, ReadOnlyVoiceFileIsNotDeleted)
{
    settings.VoiceDeleteMode = "0";
    testsupport::setReadOnly(voice, true);
    CarryVoiceFile(picture, true, "D", QString(), settings, steps);
    EXPECT_TRUE(QFile::exists(voice));
    EXPECT_TRUE(trashed.isEmpty());
    EXPECT_EQ(messages(), QStringList({"Could not remove " + voice + " (file might be set to read-only)"}));
}

TEST_F(VoiceFixture, NothingIsCarriedForOtherTypesOrDuringAShowCopy)
{
    ASSERT_TRUE(testsupport::writeFile(dir + "/p.png", "PNG"));
    ASSERT_TRUE(testsupport::writeFile(dir + "/p.wav", "voice"));
    settings.VoiceDeleteMode = "0";
    CarryVoiceFile(dir + "/p.png", true, "D", QString(), settings, steps);
    EXPECT_TRUE(QFile::exists(dir + "/p.wav"));

    steps.showCopyRunning = [] { return true; };
    CarryVoiceFile(picture, true, "D", QString(), settings, steps);
    EXPECT_TRUE(QFile::exists(voice));
    steps.showCopyRunning = nullptr;

    QFile::remove(voice);   // no voice file: nothing happens, nothing is said
    CarryVoiceFile(picture, true, "M", testsupport::freshDir() + "/beach.jpg", settings, steps);
    EXPECT_TRUE(messages().isEmpty());
}

TEST(CheckedCopy, ReplacesWholeOrLeavesTheTargetAlone)
{
    const QString dir = testsupport::freshDir();
    ASSERT_TRUE(testsupport::writeFile(dir + "/a", "new bytes"));
    ASSERT_TRUE(testsupport::writeFile(dir + "/b", "old"));
    const QDateTime before = QFileInfo(dir + "/a").lastModified();
    EXPECT_TRUE(CopyFileChecked(dir + "/a", dir + "/b"));
    EXPECT_EQ(testsupport::readFile(dir + "/b"), QByteArray("new bytes"));
    EXPECT_EQ(QFileInfo(dir + "/b").lastModified().toSecsSinceEpoch(), before.toSecsSinceEpoch());

    EXPECT_FALSE(CopyFileChecked(dir + "/a", dir + "/a"));   // onto itself
    EXPECT_EQ(testsupport::readFile(dir + "/a"), QByteArray("new bytes"));
    testsupport::setReadOnly(dir + "/b", true);
    ASSERT_TRUE(testsupport::writeFile(dir + "/c", "other"));
    EXPECT_FALSE(CopyFileChecked(dir + "/c", dir + "/b"));   // a read-only target is kept
    EXPECT_EQ(testsupport::readFile(dir + "/b"), QByteArray("new bytes"));
    EXPECT_FALSE(CopyFileChecked(dir + "/missing", dir + "/d"));
    EXPECT_FALSE(QFile::exists(dir + "/d"));
    // No temporary files are left behind.
    EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

TEST(CheckedMove, NeverReplacesUnlessAsked)
{
    const QString dir = testsupport::freshDir();
    ASSERT_TRUE(testsupport::writeFile(dir + "/a", "A"));
    ASSERT_TRUE(testsupport::writeFile(dir + "/b", "B"));
    EXPECT_FALSE(MoveFileChecked(dir + "/a", dir + "/b", false));
    EXPECT_EQ(testsupport::readFile(dir + "/b"), QByteArray("B"));
    EXPECT_TRUE(MoveFileChecked(dir + "/a", dir + "/c", false));
    EXPECT_FALSE(QFile::exists(dir + "/a"));
    EXPECT_TRUE(MoveFileChecked(dir + "/c", dir + "/b", true));
    EXPECT_EQ(testsupport::readFile(dir + "/b"), QByteArray("A"));
    EXPECT_FALSE(MoveFileChecked(dir + "/b", dir + "/b", true));
    EXPECT_TRUE(QFile::exists(dir + "/b"));
}
