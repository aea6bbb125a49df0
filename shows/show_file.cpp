#include "shows/show_file.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>

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

RecordResult PrepareShowWorkingCopy(OpenShow& show, const QString& showPath, const QString& workPath)
{
    show.ShowFile.Close();
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
    const RecordResult opened = show.ShowFile.OpenWithMode(workPath, ShowRecordSize, FileModeReadWrite);
    if (opened.ok())
        show.OpenShowPath = showPath;
    return opened;
}

RecordResult OpenDraftShow(OpenShow& show, const QString& draftShowPath, const QString& workPath)
{
    if (!QFileInfo::exists(draftShowPath)) {
        const RecordResult created = platform::SafeWriteFile(draftShowPath, QByteArray());
        if (!created.ok())
            return created;
    }
    const RecordResult result = PrepareShowWorkingCopy(show, draftShowPath, workPath);
    if (!result.ok())
        return result;
    show.DraftShowOpen = 1;
    show.NamedShowOpen = 0;
    show.ShowChangeable = 1; // the Draft show always may be changed
    show.ShowChanged = 0;
    show.OpenShowName = QStringLiteral("Draft");
    return result;
}

RecordResult OpenNamedShow(OpenShow& show, const QString& showPath, const QString& workPath,
                           const QString& draftShowPath)
{
    if (!QFileInfo(showPath).isFile())
        return RecordResult::Fail(RecordStatus::NotFound,
                                  QStringLiteral("Vistamo! : ") + showPath + QStringLiteral(" not found"));
    const RecordResult result = PrepareShowWorkingCopy(show, showPath, workPath);
    if (!result.ok())
        return result;
    const QFileInfo info(showPath);
    const bool fileWritable = info.permissions() & QFileDevice::WriteOwner;
    const bool folderWritable = QFileInfo(info.absolutePath()).permissions() & QFileDevice::WriteOwner;
    show.DraftShowOpen = 0;
    show.NamedShowOpen = 1;
    show.ShowChangeable = (fileWritable && folderWritable) ? 1 : 0;
    show.ShowChanged = 0;
    show.OpenShowName = ShowDisplayName(showPath, draftShowPath);
    return result;
}

void CloseOpenShow(OpenShow& show)
{
    show.ShowFile.Close();
    show.DraftShowOpen = 0;
    show.NamedShowOpen = 0;
    show.ShowChangeable = 0;
    show.ShowChanged = 0;
    show.OpenShowPath.clear();
    show.OpenShowName.clear();
}

qint64 OpenShowCount(const OpenShow& show)
{
    return show.ShowFile.IsOpen() ? show.ShowFile.RecordCount() : 0;
}

RecordResult ReadShowRecord(OpenShow& show, qint64 index, TShowRecord& out)
{
    if (!show.ShowFile.IsOpen())
        return RecordResult::Fail(RecordStatus::NotOpen, QStringLiteral("No show is open"));
    QByteArray bytes;
    const RecordResult result = show.ShowFile.Read(index, bytes);
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

RecordResult AddPictureToShowFile(OpenShow& show, const QString& picturePath, qint64* index)
{
    if (!show.ShowFile.IsOpen())
        return RecordResult::Fail(RecordStatus::NotOpen, QStringLiteral("No show is open"));
    if (picturePath.toUtf8().size() > ShowRecordLayout::PicturePathCapacity)
        return RecordResult::Fail(RecordStatus::WrongSize,
                                  QStringLiteral("Vistamo! : The path of ") + picturePath
                                      + QStringLiteral(" is longer than 200 characters, picture not added"));
    const qint64 at = show.ShowFile.RecordCount();
    RecordResult result =
        show.ShowFile.Write(at, EncodeShowRecord(NewPictureRecord(picturePath, show.ShowFormatMarker)));
    if (result.ok())
        result = show.ShowFile.Flush();
    if (result.ok()) {
        show.ShowChanged = 1;
        if (index)
            *index = at;
    }
    return result;
}

RecordResult WriteShowHeader(OpenShow& show)
{
    if (!show.ShowFile.IsOpen() || show.ShowFile.RecordCount() == 0)
        return RecordResult::Ok();
    QByteArray bytes;
    RecordResult result = show.ShowFile.Read(0, bytes);
    if (!result.ok())
        return result;
    TShowRecord header = DecodeShowRecord(bytes);
    header.FormatMarker = show.ShowFormatMarker;
    result = show.ShowFile.Write(0, EncodeShowRecord(header));
    return result.ok() ? show.ShowFile.Flush() : result;
}

RecordResult MakeShowChangesPermanent(OpenShow& show)
{
    if (!show.ShowFile.IsOpen() || show.OpenShowPath.isEmpty())
        return RecordResult::Fail(RecordStatus::NotOpen, QStringLiteral("No show is open"));
    RecordResult result = show.ShowFile.Flush();
    if (!result.ok())
        return result;
    QByteArray bytes;
    result = platform::ReadWholeFile(show.ShowFile.Path(), bytes, MaxShowFileBytes);
    if (!result.ok())
        return result;
    result = platform::SafeWriteFile(show.OpenShowPath, bytes);
    if (result.ok())
        show.ShowChanged = 0;
    return result;
}

QString OpenShowLabelName(const OpenShow& show)
{
    return show.OpenShowPath.isEmpty() ? show.OpenShowName : QFileInfo(show.OpenShowPath).fileName();
}

int32_t ShowPlayOrderInEffect(int32_t showOrder, int32_t playOptionsOrder)
{
    if (showOrder == 1)
        return playOptionsOrder;
    if (showOrder >= 2 && showOrder <= 5)
        return showOrder - 1;
    return 0;
}
