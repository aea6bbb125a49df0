#include "browse/folder_exclusions.h"

#include "base/settings_record.h"
#include "platform/fixed_text.h"
#include "platform/prompt.h"
#include "platform/record_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>

const QString ExclusionsTurnedOffText =
    QStringLiteral("(Parent) folder had been excluded from Browse window,\n"
                   "'Folder Exclusions Active' is turned off");

const QString ConfirmClearExclusionsText = QStringLiteral("Please confirm clearing all folder exclusions");

QByteArray EncodeExcludeFolderRecord(const TExcludeFolderRecord& record)
{
    QByteArray bytes(ExcludeFolderRecordSize, '\0');
    auto* data = reinterpret_cast<uint8_t*>(bytes.data());
    platform::EncodeFixedText(record.Path, ExcludeFolderPathCapacity, data);
    data[201] = record.Browse;
    data[202] = record.SubShow;
    data[203] = record.SubSearch;
    data[204] = record.All;
    return bytes;
}

TExcludeFolderRecord DecodeExcludeFolderRecord(const QByteArray& bytes)
{
    TExcludeFolderRecord record;
    if (bytes.size() < ExcludeFolderRecordSize)
        return record;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    record.Path = platform::DecodeFixedText(data, ExcludeFolderPathCapacity);
    record.Browse = data[201];
    record.SubShow = data[202];
    record.SubSearch = data[203];
    record.All = data[204];
    return record;
}

ExcludeFolderRead ReadExcludeFolderFile(const QString& path)
{
    if (path.isEmpty())
        return {{}, platform::RecordStatus::NotFound, {}};
    return platform::ReadRecordList<std::vector<TExcludeFolderRecord>>(
        path, ExcludeFolderRecordSize, MaxExcludeFolderRecords,
        [](std::vector<TExcludeFolderRecord>& records, const QByteArray& bytes) {
            records.push_back(DecodeExcludeFolderRecord(bytes));
        });
}

QString ExclusionsLeftText(const QString& path, const QString& reason)
{
    return QStringLiteral("Vistamo! : The folder exclusions ") + path + QStringLiteral(" could not be read (") + reason
           + QStringLiteral("); they are left as they are.");
}

bool WriteExcludeFolderFile(const QString& path, const std::vector<TExcludeFolderRecord>& records)
{
    QList<QByteArray> encoded;
    for (const TExcludeFolderRecord& record : records)
        encoded << EncodeExcludeFolderRecord(record);
    return platform::WriteRecords(path, encoded, ExcludeFolderRecordSize).ok();
}

QString ExclusionKey(const QString& folder)
{
    QString key = folder.toLower();
    while (key.size() > 1 && key.endsWith(QLatin1Char('/')))
        key.chop(1);
    return key;
}

// Byte-wise order of two paths (a prefix sorts first), as the list is kept.
static bool PathBytesLess(const QString& a, const QString& b)
{
    return a.toUtf8() < b.toUtf8();
}

std::vector<TExcludeFolderRecord> BuildExclusionList(const std::vector<TExcludeFolderRecord>& fileRecords,
                                                     const QStringList& ownFolders)
{
    std::vector<TExcludeFolderRecord> list = fileRecords;
    for (const QString& own : ownFolders) {
        if (own.isEmpty())
            continue;
        TExcludeFolderRecord record;
        record.Path = ExclusionKey(own);
        record.Browse = record.SubShow = record.SubSearch = record.All = 1;
        list.push_back(record);
    }
    // A stable sort keeps equal paths in the order they were appended, as the
    // neighbour-swapping passes of the first versions did.
    std::stable_sort(list.begin(), list.end(),
                     [](const TExcludeFolderRecord& a, const TExcludeFolderRecord& b) {
                         return PathBytesLess(a.Path, b.Path);
                     });
    return list;
}

uint8_t IsFolderExcluded(const std::vector<TExcludeFolderRecord>& list, const ExclusionRules& rules,
                         const QString& folder, bool browse, bool search, bool collect)
{
    uint8_t result = 1;
    const QString lower = folder.toLower();
    // The thumbnail folders are never browsed or collected.
    if (lower.right(8) == QLatin1String("vxothumb"))
        return 0;
    // The older thumbnail folders are left out of collections on request.
    if (!browse && rules.excludeSmallPics && lower.right(9) == QLatin1String("smallpics"))
        result = 0;
    if (rules.demoMode || list.empty())
        return result;
    if (!rules.active && folder != rules.cutOutFolder && folder != rules.mailFolder)
        return result;
    // Every entry of the folder counts: a user's record whose flags are all
    // 0 sorts before the program's own entry of the same folder and must
    // not let that folder through.
    auto it = std::lower_bound(list.begin(), list.end(), folder,
                               [](const TExcludeFolderRecord& r, const QString& f) {
                                   return PathBytesLess(r.Path, f);
                               });
    for (; it != list.end() && it->Path == folder; ++it) {
        if (collect) {
            if (search ? it->SubSearch == 1 : it->SubShow == 1)
                return 0;
        } else if (browse) {
            if (it->Browse == 1)
                return 0;
        }
        if (it->All == 1)
            return 0;
    }
    return result;
}

QStringList OwnExcludedFolders(const DataPaths& paths)
{
    QStringList own;
    // The program's own files sit in its installed share folder.
    if (!paths.ProgramFolder.isEmpty())
        own << QDir::cleanPath(paths.ProgramFolder + QStringLiteral("/../share/vistamo"));
    own << paths.ShowsFolder << paths.CutOutFolder << paths.MailTempFolder;
    return own;
}

void LoadFolderExclusions(FolderExclusionState& state, const DataPaths& paths)
{
    if (!state.ExclusionsChanged)
        return;
    state.ExclusionList =
        BuildExclusionList(ReadExcludeFolderFile(paths.ExcludeFolderPath).Items, OwnExcludedFolders(paths));
    state.ExclusionsChanged = 0;
}

ExclusionRules CurrentExclusionRules(const FolderExclusionState& state, const DataPaths& paths, bool demoMode,
                                     bool excludeSmallPics)
{
    ExclusionRules rules;
    rules.active = state.FolderExclusionsActive != 0;
    rules.demoMode = demoMode;
    rules.excludeSmallPics = excludeSmallPics;
    rules.cutOutFolder = ExclusionKey(paths.CutOutFolder);
    rules.mailFolder = ExclusionKey(paths.MailTempFolder);
    return rules;
}

uint8_t IsFolderExcluded(const FolderExclusionState& state, const DataPaths& paths, const QString& folder,
                         bool browse, bool search, bool collect, bool demoMode, bool excludeSmallPics)
{
    return IsFolderExcluded(state.ExclusionList, CurrentExclusionRules(state, paths, demoMode, excludeSmallPics),
                            folder, browse, search, collect);
}

bool CheckOpenFolderExcluded(FolderExclusionState& state, const DataPaths& paths, const QStringList& levelFolders,
                             bool demoMode)
{
    if (!state.FolderExclusionsActive)
        return false;
    LoadFolderExclusions(state, paths);
    for (const QString& level : levelFolders) {
        if (level.isEmpty())
            continue;
        if (IsFolderExcluded(state, paths, ExclusionKey(level), true, false, false, demoMode, false) == 0) {
            state.FolderExclusionsActive = 0;
            platform::showMessage(platform::PromptKind::Information, ExclusionsTurnedOffText);
            return true;
        }
    }
    return false;
}

int FindExclusionRecord(const std::vector<TExcludeFolderRecord>& records, const QString& folder)
{
    const QString key = platform::FixedTextCut(ExclusionKey(folder), ExcludeFolderPathCapacity);
    for (size_t i = 0; i < records.size(); ++i)
        if (records[i].Path == key)
            return static_cast<int>(i);
    return -1;
}

ExclusionChoice ChoiceOfRecord(const TExcludeFolderRecord& record)
{
    ExclusionChoice choice;
    if (record.All == 1) {
        choice.all = true;
        return choice;
    }
    choice.browse = record.Browse == 1;
    choice.subShow = record.SubShow == 1;
    choice.subSearch = record.SubSearch == 1;
    return choice;
}

ExclusionChoice ToggleExclusionChoice(FolderExclusionState& state, ExclusionChoice choice, ExclusionItem item)
{
    switch (item) {
    case ExclusionItem::Browse:
        choice.browse = !choice.browse;
        choice.all = false;
        break;
    case ExclusionItem::SubSearch:
        choice.subSearch = !choice.subSearch;
        choice.all = false;
        break;
    case ExclusionItem::SubShow:
        if (state.ExclusionPresetSubfolders) {
            choice.subShow = choice.subSearch = true;
            choice.browse = false;
        } else if (state.ExclusionPresetNone) {
            choice.subShow = choice.subSearch = choice.browse = false;
        } else {
            choice.subShow = !choice.subShow;
        }
        choice.all = false;
        state.ExclusionPresetSubfolders = 0;
        state.ExclusionPresetNone = 0;
        break;
    case ExclusionItem::All:
        choice.all = !choice.all;
        if (choice.all)
            choice.browse = choice.subShow = choice.subSearch = false;
        break;
    }
    return choice;
}

platform::RecordResult StoreExclusionFlags(FolderExclusionState& state, const QString& file, const QString& folder,
                                           const ExclusionChoice& choice)
{
    if (file.isEmpty())
        return platform::RecordResult::Fail(platform::RecordStatus::ReadOnly, QString());
    // The other folders' records come from the file: one that could not be
    // read is not replaced by this folder's record alone.
    const ExcludeFolderRead read = ReadExcludeFolderFile(file);
    if (read.refused())
        return platform::RecordResult::Fail(read.Status, ExclusionsLeftText(file, read.Reason));
    std::vector<TExcludeFolderRecord> records = read.Items;
    const int index = FindExclusionRecord(records, folder);
    TExcludeFolderRecord record;
    if (index >= 0)
        record = records[index];
    else
        record.Path = platform::FixedTextCut(ExclusionKey(folder), ExcludeFolderPathCapacity);
    record.Browse = choice.browse ? 1 : 0;
    record.SubShow = choice.subShow ? 1 : 0;
    record.SubSearch = choice.subSearch ? 1 : 0;
    record.All = choice.all ? 1 : 0;
    if (index >= 0)
        records[index] = record;
    else
        records.push_back(record);
    state.ExclusionsChanged = 1;
    if (!WriteExcludeFolderFile(file, records))
        return platform::RecordResult::Fail(platform::RecordStatus::WriteFailed,
                                            QStringLiteral("The folder exclusions could not be saved in ") + file);
    return platform::RecordResult::Ok();
}

bool ClearExclusionFile(FolderExclusionState& state, const QString& file)
{
    if (file.isEmpty())
        return false;
    state.ExclusionsChanged = 1;
    return WriteExcludeFolderFile(file, {});
}
