#include "base/add_settings_record.h"
#include "base/settings_store.h"
#include "support/test_state.h"
#include "platform/record_file.h"
#include "support/sandbox.h"
#include "support/write_failure.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <random>

using platform::RecordStatus;
using testsupport::freshDir;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

constexpr int32_t kVersion = 61;

int32_t I32At(const QByteArray& b, int off)
{
    return qFromLittleEndian<int32_t>(b.constData() + off);
}

uint8_t ByteAt(const QByteArray& b, int off)
{
    return static_cast<uint8_t>(b[off]);
}

QString AddFile()
{
    return freshDir(QStringLiteral("add")) + QStringLiteral("/VXAddSettings.dat");
}

QString MakeProgram(const QString& name)
{
    const QString path = freshDir(QStringLiteral("prog")) + QLatin1Char('/') + name;
    writeFile(path, QByteArray("#!/bin/sh\n"));
    return path;
}

struct Restore {
    ~Restore()
    {
        TestState().start.ArgumentMode = 0;
        SetFileMode(FileModeReadWrite);
    }
};

} // namespace

TEST(AddSettingsRecord, FirstStartFillsTheEmptyFile)
{
    const QString path = AddFile();
    ASSERT_TRUE(writeFile(path, QByteArray()));  // created empty at start
    SettingsStore store;
    const TAddSettingsLoad load = store.LoadAddSettings(path, kVersion, TestState().start);
    const TAddSettingsRecord& rec = store.AddSettings;
    ASSERT_TRUE(load.Result.ok()) << load.Result.Message.toStdString();
    EXPECT_TRUE(load.Created);
    EXPECT_EQ(store.UploaderRestartPending, 1);

    const QByteArray b = readFile(path);
    ASSERT_EQ(b.size(), 9468);
    EXPECT_EQ(ByteAt(b, 0), 0);        // UploaderPath ""
    EXPECT_EQ(I32At(b, 256), 50);      // UploadBatchSize
    EXPECT_EQ(I32At(b, 260), 3);       // UploaderWaitSeconds
    EXPECT_EQ(ByteAt(b, 264), 1);      // ThumbsOnFixedDrives
    EXPECT_EQ(ByteAt(b, 265), 0);
    EXPECT_EQ(ByteAt(b, 266), 0);
    EXPECT_EQ(ByteAt(b, 313), 0);      // Mon2Manual
    EXPECT_EQ(I32At(b, 316), 2);       // ThumbSizeIndex
    EXPECT_EQ(I32At(b, 320), kVersion);
    EXPECT_EQ(I32At(b, 324), 300);     // ThumbMinSizeKB
    EXPECT_EQ(I32At(b, 508), 0);
    EXPECT_EQ(I32At(b, 512), 0);
    for (int off = 516; off < 9468; ++off)
        ASSERT_EQ(ByteAt(b, off), 0) << off;
    EXPECT_EQ(rec.ThumbMinSizeKB, 300);
}

TEST(AddSettingsRecord, MissingOrShortFileGetsTheDefaults)
{
    const QString missing = AddFile();
    TAddSettingsRecord rec;
    EXPECT_TRUE(LoadAddSettings(missing, rec, kVersion, TestState().start).Created);
    EXPECT_EQ(readFile(missing).size(), 9468);

    const QString shortFile = AddFile();
    ASSERT_TRUE(writeFile(shortFile, QByteArray(5000, '\xAB')));
    const auto load = LoadAddSettings(shortFile, rec, kVersion, TestState().start);
    EXPECT_TRUE(load.Result.ok());
    EXPECT_TRUE(load.Created);
    EXPECT_EQ(rec.UploadBatchSize, 50);
    EXPECT_EQ(readFile(shortFile).size(), 9468);
}

TEST(AddSettingsRecord, OldVersionResetsOnlyTheThumbnailOptions)
{
    const QString path = AddFile();
    TAddSettingsRecord old = DefaultAddSettings(54);
    old.ThumbsOnNetworkDrives = 1;
    old.ThumbsOnFixedDrives = 0;
    old.ThumbSizeIndex = 4;
    old.ThumbMinSizeKB = 1000;
    old.UploadBatchSize = 7;
    old.Mon2Width = 1920;
    ASSERT_TRUE(WriteAddSettings(path, old).ok());

    TAddSettingsRecord rec;
    const auto load = LoadAddSettings(path, rec, kVersion, TestState().start);
    EXPECT_TRUE(load.Repaired);
    EXPECT_EQ(rec.ThumbsOnFixedDrives, 1);
    EXPECT_EQ(rec.ThumbsOnNetworkDrives, 0);
    EXPECT_EQ(rec.ThumbSizeIndex, 2);
    EXPECT_EQ(rec.ThumbMinSizeKB, 300);
    EXPECT_EQ(rec.UploadBatchSize, 7);
    EXPECT_EQ(rec.Mon2Width, 1920);
    const QByteArray b = readFile(path);
    EXPECT_EQ(I32At(b, 320), kVersion);
    EXPECT_EQ(I32At(b, 324), 300);
    EXPECT_EQ(I32At(b, 508), 1920);

    // Version 55 or later keeps the thumbnail options.
    TAddSettingsRecord newer = old;
    newer.AddSettingsVersion = 60;
    ASSERT_TRUE(WriteAddSettings(path, newer).ok());
    LoadAddSettings(path, rec, kVersion, TestState().start);
    EXPECT_EQ(rec.ThumbSizeIndex, 4);
    EXPECT_EQ(rec.AddSettingsVersion, kVersion);
    EXPECT_EQ(I32At(readFile(path), 320), kVersion);
}

TEST(AddSettingsRecord, UploaderPathRepairs)
{
    Restore restore;
    const QString path = AddFile();
    const QString uploader = MakeProgram(QStringLiteral("photo-uploader.sh"));
    TAddSettingsRecord stored = DefaultAddSettings(kVersion);
    stored.UploaderPath = uploader;
    ASSERT_TRUE(WriteAddSettings(path, stored).ok());

    // Nothing to repair: no write at all (a write would fail here).
    TAddSettingsRecord rec;
    auto load = [&] {
        testsupport::ScopedFileSizeLimit limit(1024);
        return LoadAddSettings(path, rec, kVersion, TestState().start);
    }();
    EXPECT_TRUE(load.Result.ok());
    EXPECT_FALSE(load.Repaired);
    EXPECT_EQ(rec.UploaderPath, uploader);

    // The program was deleted: the path is emptied; a detected one takes its place.
    QFile::remove(uploader);
    const QString detected = MakeProgram(QStringLiteral("other-uploader"));
    load = LoadAddSettings(path, rec, kVersion, TestState().start, detected);
    EXPECT_TRUE(load.Repaired);
    EXPECT_TRUE(load.UploaderFound);
    EXPECT_EQ(rec.UploaderPath, detected);
    TAddSettingsRecord back;
    ASSERT_TRUE(DecodeAddSettings(readFile(path), back).ok());
    EXPECT_EQ(back.UploaderPath, detected);

    // An empty path is written back at every start, even when nothing else changed.
    ASSERT_TRUE(WriteAddSettings(path, DefaultAddSettings(kVersion)).ok());
    const QByteArray written = readFile(path);
    {
        testsupport::ScopedFileSizeLimit limit(1024);
        load = LoadAddSettings(path, rec, kVersion, TestState().start, QStringLiteral("/no/such/uploader"));
    }
    EXPECT_TRUE(load.Repaired);
    EXPECT_EQ(load.Result.Status, RecordStatus::WriteFailed);  // the write was attempted
    EXPECT_EQ(readFile(path), written);                        // and failed without harm
    EXPECT_FALSE(load.UploaderFound);
    EXPECT_TRUE(rec.UploaderPath.isEmpty());
}

TEST(AddSettingsRecord, ArgumentStartWritesNothing)
{
    Restore restore;
    const QString path = AddFile();
    TAddSettingsRecord old = DefaultAddSettings(54);
    ASSERT_TRUE(WriteAddSettings(path, old).ok());
    const QByteArray before = readFile(path);
    TestState().start.ArgumentMode = 1;
    TAddSettingsRecord rec;
    const auto load = LoadAddSettings(path, rec, kVersion, TestState().start);
    EXPECT_TRUE(load.Result.ok());
    EXPECT_EQ(rec.AddSettingsVersion, kVersion);  // repaired in memory
    EXPECT_EQ(readFile(path), before);
}

TEST(AddSettingsRecord, ReservedBytesRoundTripAndBadInputIsRejected)
{
    std::mt19937 rng(3);
    QByteArray bytes(AddSettingsRecordSize, '\0');
    for (auto& c : bytes)
        c = static_cast<char>(rng() & 0xFF);
    bytes[0] = 20;  // a valid length for UploaderPath
    TAddSettingsRecord rec;
    ASSERT_TRUE(DecodeAddSettings(bytes, rec).ok());
    EXPECT_EQ(EncodeAddSettings(rec), bytes);

    bytes[0] = static_cast<char>(255);  // length 255 = the capacity: fine
    ASSERT_TRUE(DecodeAddSettings(bytes, rec).ok());
    EXPECT_EQ(rec.UploaderPath.isEmpty(), false);

    EXPECT_EQ(DecodeAddSettings(QByteArray(100, 'a'), rec).Status, RecordStatus::WrongSize);

    // Records after the first stay when record 0 is rewritten.
    const QString path = AddFile();
    QByteArray two = EncodeAddSettings(DefaultAddSettings(kVersion)) + QByteArray(AddSettingsRecordSize, 'T');
    ASSERT_TRUE(writeFile(path, two));
    TAddSettingsRecord first = DefaultAddSettings(kVersion);
    first.Mon2Height = 600;
    ASSERT_TRUE(WriteAddSettings(path, first).ok());
    const QByteArray after = readFile(path);
    ASSERT_EQ(after.size(), 2 * AddSettingsRecordSize);
    EXPECT_EQ(I32At(after, 512), 600);
    EXPECT_EQ(after.mid(AddSettingsRecordSize), QByteArray(AddSettingsRecordSize, 'T'));
}

TEST(AddSettingsRecord, UploadCaptionsNameTheProgram)
{
    const TUploadCaptions c = UploadCaptionsFor(QStringLiteral("/opt/up/Photo.Up.sh"));
    EXPECT_EQ(c.ProgramName, QStringLiteral("Photo.Up"));
    EXPECT_EQ(c.UploadPicture, QStringLiteral("&Upload picture through Photo.Up"));
    EXPECT_EQ(c.UploadB, QStringLiteral("&Upload through Photo.Up"));
    EXPECT_EQ(c.UploadSpHint, QStringLiteral("Upload show through Photo.Up"));
    EXPECT_TRUE(UploadCaptionsFor(QString()).UploadPicture.isEmpty());
}
