#include "shows/show_file.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>

platform::RecordFile ShowFile;
TShowRecord ShowRec;
TShowRecord NextShowRec;
uint8_t ShowChangeable = 0;
uint8_t DraftShowOpen = 0;
uint8_t NamedShowOpen = 0;
uint8_t SourceIsShow = 0;
uint8_t ShowChanged = 0;
QString OpenShowPath;
QString OpenShowName;

using platform::RecordResult;
using platform::RecordStatus;

QString ShowDisplayName(const QString& showPath, const QString& draftShowPath)
{
    if (!draftShowPath.isEmpty() && QFileInfo(showPath).fileName().compare(QFileInfo(draftShowPath).fileName(), Qt::CaseInsensitive) == 0
        && QFileInfo(showPath).absolutePath() == QFileInfo(draftShowPath).absolutePath())
        return QStringLiteral("Draft");
    return QFileInfo(showPath).completeBaseName();
}

ShowFileFormat ProbeShowFileFormat(qint64 fileSize)
{
    if (fileSize % ShowRecordSize == 0)
        return ShowFileFormat::Current;
    if (fileSize % ShowRecordSizeV24 == 0)
        return ShowFileFormat::V24;
    if (fileSize % ShowRecordSizeV1 == 0)
        return ShowFileFormat::V1;
    return ShowFileFormat::Unknown;
}

RecordResult PrepareShowWorkingCopy(const QString& showPath, const QString& workPath)
{
    ShowFile.Close();
    QByteArray bytes;
    if (QFileInfo(showPath).isFile()) {
        const RecordResult read = platform::ReadWholeFile(showPath, bytes, MaxShowFileBytes);
        if (!read.ok())
            return read;
        if (ProbeShowFileFormat(bytes.size()) != ShowFileFormat::Current)
            return RecordResult::Fail(RecordStatus::WrongSize,
                                      QStringLiteral("Vistamo! : ") + showPath
                                          + QStringLiteral(" is not a MyShow file of this version"));
    }
    const RecordResult written = platform::SafeWriteFile(workPath, bytes);
    if (!written.ok())
        return written;
    const RecordResult opened = ShowFile.OpenWithMode(workPath, ShowRecordSize, FileModeReadWrite);
    if (opened.ok())
        OpenShowPath = showPath;
    return opened;
}

RecordResult OpenDraftShow(const QString& draftShowPath, const QString& workPath)
{
    if (!QFileInfo::exists(draftShowPath)) {
        const RecordResult created = platform::SafeWriteFile(draftShowPath, QByteArray());
        if (!created.ok())
            return created;
    }
    const RecordResult result = PrepareShowWorkingCopy(draftShowPath, workPath);
    if (!result.ok())
        return result;
    DraftShowOpen = 1;
    NamedShowOpen = 0;
    ShowChangeable = 1; // the Draft show always may be changed
    ShowChanged = 0;
    OpenShowName = QStringLiteral("Draft");
    return result;
}

RecordResult OpenNamedShow(const QString& showPath, const QString& workPath, const QString& draftShowPath)
{
    if (!QFileInfo(showPath).isFile())
        return RecordResult::Fail(RecordStatus::NotFound,
                                  QStringLiteral("Vistamo! : ") + showPath + QStringLiteral(" not found"));
    const RecordResult result = PrepareShowWorkingCopy(showPath, workPath);
    if (!result.ok())
        return result;
    const QFileInfo info(showPath);
    const bool fileWritable = info.permissions() & QFileDevice::WriteOwner;
    const bool folderWritable = QFileInfo(info.absolutePath()).permissions() & QFileDevice::WriteOwner;
    DraftShowOpen = 0;
    NamedShowOpen = 1;
    ShowChangeable = (fileWritable && folderWritable) ? 1 : 0;
    ShowChanged = 0;
    OpenShowName = ShowDisplayName(showPath, draftShowPath);
    return result;
}

void CloseOpenShow()
{
    ShowFile.Close();
    DraftShowOpen = 0;
    NamedShowOpen = 0;
    ShowChangeable = 0;
    ShowChanged = 0;
    OpenShowPath.clear();
    OpenShowName.clear();
}

qint64 OpenShowCount()
{
    return ShowFile.IsOpen() ? ShowFile.RecordCount() : 0;
}

RecordResult ReadShowRecord(qint64 index, TShowRecord& out)
{
    if (!ShowFile.IsOpen())
        return RecordResult::Fail(RecordStatus::NotOpen, QStringLiteral("No show is open"));
    QByteArray bytes;
    const RecordResult result = ShowFile.Read(index, bytes);
    if (result.ok())
        out = DecodeShowRecord(bytes);
    return result;
}

QStringList ReadShowPicturePaths(const QString& showPath)
{
    QStringList paths;
    QByteArray bytes;
    if (!platform::ReadWholeFile(showPath, bytes, MaxShowFileBytes).ok())
        return paths;
    for (qint64 offset = 0; offset + ShowRecordSize <= bytes.size(); offset += ShowRecordSize)
        paths << DecodeShowRecord(bytes.mid(offset, ShowRecordSize)).PicturePath;
    return paths;
}

TShowPictures ShowPicturesToPlay(const QStringList& pictures)
{
    TShowPictures play;
    bool anyExists = false;
    for (int i = 0; i < pictures.size(); ++i) {
        if (pictures[i].isEmpty())
            continue;
        play.Paths << pictures[i];
        play.Records << i;
        anyExists = anyExists || QFileInfo(pictures[i]).isFile();
    }
    return anyExists ? play : TShowPictures{};
}

RecordResult AddPictureToShowFile(const QString& picturePath, qint64* index)
{
    if (!ShowFile.IsOpen())
        return RecordResult::Fail(RecordStatus::NotOpen, QStringLiteral("No show is open"));
    if (picturePath.toUtf8().size() > ShowRecordLayout::PicturePathCapacity)
        return RecordResult::Fail(RecordStatus::WrongSize,
                                  QStringLiteral("Vistamo! : The path of ") + picturePath
                                      + QStringLiteral(" is longer than 200 characters, picture not added"));
    const qint64 at = ShowFile.RecordCount();
    RecordResult result = ShowFile.Write(at, EncodeShowRecord(NewPictureRecord(picturePath, ShowFormatMarker)));
    if (result.ok())
        result = ShowFile.Flush();
    if (result.ok()) {
        ShowChanged = 1;
        if (index)
            *index = at;
    }
    return result;
}

RecordResult WriteShowHeader()
{
    if (!ShowFile.IsOpen() || ShowFile.RecordCount() == 0)
        return RecordResult::Ok();
    QByteArray bytes;
    RecordResult result = ShowFile.Read(0, bytes);
    if (!result.ok())
        return result;
    TShowRecord header = DecodeShowRecord(bytes);
    header.FormatMarker = ShowFormatMarker;
    result = ShowFile.Write(0, EncodeShowRecord(header));
    return result.ok() ? ShowFile.Flush() : result;
}

RecordResult MakeShowChangesPermanent()
{
    if (!ShowFile.IsOpen() || OpenShowPath.isEmpty())
        return RecordResult::Fail(RecordStatus::NotOpen, QStringLiteral("No show is open"));
    RecordResult result = ShowFile.Flush();
    if (!result.ok())
        return result;
    QByteArray bytes;
    result = platform::ReadWholeFile(ShowFile.Path(), bytes, MaxShowFileBytes);
    if (!result.ok())
        return result;
    result = platform::SafeWriteFile(OpenShowPath, bytes);
    if (result.ok())
        ShowChanged = 0;
    return result;
}

QString OpenShowLabelName()
{
    return OpenShowPath.isEmpty() ? OpenShowName : QFileInfo(OpenShowPath).fileName();
}
