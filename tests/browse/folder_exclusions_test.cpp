// Folder exclusions: the 205-byte records of "ExcludeFolder.dat" and the one
// exclusion test the tree and the collections use.
#include "browse/folder_exclusions.h"
#include "support/test_state.h"

#include "base/data_folder.h"
#include "base/settings_record.h"
#include "platform/prompt.h"
#include "support/sandbox.h"

#include <gtest/gtest.h>

using testsupport::freshDir;

namespace {

TExcludeFolderRecord Rec(const QString& path, uint8_t browse, uint8_t show, uint8_t search, uint8_t all)
{
    TExcludeFolderRecord r;
    r.Path = path;
    r.Browse = browse;
    r.SubShow = show;
    r.SubSearch = search;
    r.All = all;
    return r;
}

} // namespace

TEST(ExclusionRecord, LayoutIs205BytesWithFlagsAtTheEnd)
{
    const QByteArray bytes = EncodeExcludeFolderRecord(Rec("/p/pics", 1, 0, 1, 0));
    ASSERT_EQ(bytes.size(), 205);
    EXPECT_EQ(static_cast<uint8_t>(bytes[0]), 7);
    EXPECT_EQ(bytes.mid(1, 7), QByteArray("/p/pics"));
    EXPECT_EQ(bytes[201], 1);
    EXPECT_EQ(bytes[202], 0);
    EXPECT_EQ(bytes[203], 1);
    EXPECT_EQ(bytes[204], 0);
    const TExcludeFolderRecord back = DecodeExcludeFolderRecord(bytes);
    EXPECT_EQ(back.Path, "/p/pics");
    EXPECT_EQ(back.Browse, 1);
    EXPECT_EQ(back.SubSearch, 1);
    // A path longer than 200 bytes is cut, never written past its field.
    const QByteArray longRec = EncodeExcludeFolderRecord(Rec(QString(300, 'a'), 0, 0, 0, 1));
    ASSERT_EQ(longRec.size(), 205);
    EXPECT_EQ(static_cast<uint8_t>(longRec[0]), 200);
    EXPECT_EQ(longRec[204], 1);
}

TEST(ExclusionRecord, FileRoundTripIgnoresAPartialTail)
{
    const QString file = freshDir("excl") + "/ExcludeFolder.dat";
    ASSERT_TRUE(WriteExcludeFolderFile(file, {Rec("/a", 1, 0, 0, 0), Rec("/b", 0, 1, 0, 0)}));
    EXPECT_EQ(testsupport::readFile(file).size(), 410);
    QByteArray bytes = testsupport::readFile(file);
    bytes.append("partial");
    testsupport::writeFile(file, bytes);
    const auto records = ReadExcludeFolderFile(file).Items;
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].Path, "/b");
    EXPECT_EQ(records[1].SubShow, 1);
    const ExcludeFolderRead missing = ReadExcludeFolderFile(file + ".missing");
    EXPECT_TRUE(missing.whole());
    EXPECT_TRUE(missing.Items.empty());
}

TEST(ExclusionTest, FixedRulesAndUserChoices)
{
    const auto list = BuildExclusionList(
        {Rec("/d/browseonly", 1, 0, 0, 0), Rec("/d/showonly", 0, 1, 0, 0),
         Rec("/d/searchonly", 0, 0, 1, 0), Rec("/d/all", 0, 0, 0, 1), Rec("/d/none", 0, 0, 0, 0),
         // A user's record of the program's own folder, every flag cleared.
         Rec("/home/u/.local/share/vistamo/vistamo! slide shows", 0, 0, 0, 0)},
        {"/home/u/.local/share/Vistamo/Vistamo! Slide Shows",
         "/home/u/.local/share/Vistamo/temp/Cut out Bitmap Files"});
    ExclusionRules rules;
    rules.cutOutFolder = "/home/u/.local/share/vistamo/temp/cut out bitmap files";

    // The thumbnail folders are never browsed or collected.
    EXPECT_EQ(IsFolderExcluded(list, rules, "/d/pics/vxothumb", true, false, false), 0);
    EXPECT_EQ(IsFolderExcluded(list, rules, "/d/pics/vxothumb", false, false, true), 0);
    EXPECT_EQ(IsFolderExcluded({}, rules, "/d/pics/vxothumb", false, false, true), 0);

    // A folder excluded for the tree only is still collected, and so on.
    EXPECT_EQ(IsFolderExcluded(list, rules, "/d/browseonly", true, false, false), 0);
    EXPECT_EQ(IsFolderExcluded(list, rules, "/d/browseonly", false, false, true), 1);
    EXPECT_EQ(IsFolderExcluded(list, rules, "/d/showonly", true, false, false), 1);
    EXPECT_EQ(IsFolderExcluded(list, rules, "/d/showonly", false, false, true), 0);
    EXPECT_EQ(IsFolderExcluded(list, rules, "/d/showonly", false, true, true), 1);
    EXPECT_EQ(IsFolderExcluded(list, rules, "/d/searchonly", false, true, true), 0);
    EXPECT_EQ(IsFolderExcluded(list, rules, "/d/all", true, false, false), 0);
    EXPECT_EQ(IsFolderExcluded(list, rules, "/d/all", false, true, true), 0);
    // Only the folder itself: not a child, not a longer name.
    EXPECT_EQ(IsFolderExcluded(list, rules, "/d/all/sub", true, false, false), 1);
    EXPECT_EQ(IsFolderExcluded(list, rules, "/d/allx", true, false, false), 1);
    // A record with every flag cleared excludes nothing, and leaves the
    // program's own folder excluded everywhere.
    EXPECT_EQ(IsFolderExcluded(list, rules, "/d/none", true, false, false), 1);
    EXPECT_EQ(IsFolderExcluded(list, rules, "/home/u/.local/share/vistamo/vistamo! slide shows",
                               true, false, false), 0);
    EXPECT_EQ(IsFolderExcluded(list, rules, "/home/u/.local/share/vistamo/vistamo! slide shows",
                               false, false, true), 0);

    // With exclusions off, the own slide-show folder is browsed; the cut-out
    // folder is not.
    rules.active = false;
    EXPECT_EQ(IsFolderExcluded(list, rules, "/d/all", true, false, false), 1);
    EXPECT_EQ(IsFolderExcluded(list, rules, "/home/u/.local/share/vistamo/vistamo! slide shows",
                               true, false, false), 1);
    EXPECT_EQ(IsFolderExcluded(list, rules, rules.cutOutFolder, true, false, false), 0);

    // In the self-running CD mode only the fixed rules count.
    rules.active = true;
    rules.demoMode = true;
    EXPECT_EQ(IsFolderExcluded(list, rules, "/d/all", true, false, false), 1);
}

TEST(ExclusionTest, SmallPicsIsListedAndCollectedOnlyWhenAllowed)
{
    ExclusionRules rules;
    rules.excludeSmallPics = true;
    EXPECT_EQ(IsFolderExcluded({}, rules, "/d/old/smallpics", true, false, false), 1);
    EXPECT_EQ(IsFolderExcluded({}, rules, "/d/old/smallpics", false, false, true), 0);
    rules.excludeSmallPics = false;
    EXPECT_EQ(IsFolderExcluded({}, rules, "/d/old/smallpics", false, false, true), 1);
}

TEST(ExclusionTest, ListIsSortedByBytesWithOwnFoldersAdded)
{
    const auto list = BuildExclusionList({Rec("/b", 1, 0, 0, 0), Rec("/a/b", 1, 0, 0, 0),
                                          Rec("/a", 0, 1, 0, 0)},
                                         {"/Own/Folder/"});
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].Path, "/a");
    EXPECT_EQ(list[1].Path, "/a/b");
    EXPECT_EQ(list[2].Path, "/b");
    EXPECT_EQ(list[3].Path, "/own/folder");
    EXPECT_EQ(list[3].All, 1);
    EXPECT_EQ(ExclusionKey("/A/B/"), "/a/b");
    EXPECT_EQ(ExclusionKey("/"), "/");
}

TEST(ExclusionTest, OpeningInsideAnExcludedFolderTurnsExclusionsOff)
{
    FolderExclusionState state;
    const QString data = freshDir("data");
    SetDataFolderPaths(TestState().paths, data);
    ASSERT_TRUE(WriteExcludeFolderFile(TestState().paths.ExcludeFolderPath, {Rec("/d/secret", 1, 0, 0, 0)}));
    state.ExclusionsChanged = 1;
    state.FolderExclusionsActive = 1;
    platform::ScopedPromptResponder answer(QList<platform::PromptReply>{});

    // The own folders are in the list, every flag set.
    LoadFolderExclusions(state, TestState().paths);
    const DataPaths& paths = TestState().paths;
    EXPECT_EQ(IsFolderExcluded(state, paths, ExclusionKey(paths.ShowsFolder), true, false, false, false, false), 0);
    EXPECT_EQ(IsFolderExcluded(state, paths, ExclusionKey(paths.MailTempFolder), false, false, true, false, false), 0);
    EXPECT_EQ(IsFolderExcluded(state, TestState().paths, "/d/secret", true, false, false, false, false), 0);
    EXPECT_EQ(IsFolderExcluded(state, TestState().paths, "/d/secret", false, false, true, false, false), 1);

    EXPECT_FALSE(CheckOpenFolderExcluded(state, TestState().paths, {"/d/open", "/d/open/x"}, false));
    EXPECT_EQ(state.FolderExclusionsActive, 1);
    EXPECT_TRUE(platform::promptLog().isEmpty());

    EXPECT_TRUE(CheckOpenFolderExcluded(state, TestState().paths, {"/d", "/d/Secret", "/d/Secret/inner"}, false));
    EXPECT_EQ(state.FolderExclusionsActive, 0);
    ASSERT_EQ(platform::promptLog().size(), 1);
    EXPECT_EQ(platform::promptLog()[0].request.text,
              "(Parent) folder had been excluded from Browse window,\n"
              "'Folder Exclusions Active' is turned off");
    EXPECT_EQ(platform::promptLog()[0].request.kind, platform::PromptKind::Information);
    // Off already: no second message.
    EXPECT_FALSE(CheckOpenFolderExcluded(state, TestState().paths, {"/d/secret"}, false));
    EXPECT_EQ(platform::promptLog().size(), 1);
}

TEST(ExclusionEdit, ChoiceRulesAndPresets)
{
    FolderExclusionState state;
    ExclusionChoice c;
    c = ToggleExclusionChoice(state, c, ExclusionItem::All);
    EXPECT_TRUE(c.all);
    c = ToggleExclusionChoice(state, c, ExclusionItem::Browse);
    EXPECT_EQ(c, (ExclusionChoice{true, false, false, false}));
    c = ToggleExclusionChoice(state, c, ExclusionItem::SubSearch);
    c = ToggleExclusionChoice(state, c, ExclusionItem::All);
    EXPECT_EQ(c, (ExclusionChoice{false, false, false, true}));
    c = ToggleExclusionChoice(state, c, ExclusionItem::All);
    EXPECT_EQ(c, ExclusionChoice{});

    state.ExclusionPresetSubfolders = 1;
    c = ToggleExclusionChoice(state, ExclusionChoice{true, true, false, false}, ExclusionItem::SubShow);
    EXPECT_EQ(c, (ExclusionChoice{false, true, true, false}));
    EXPECT_EQ(state.ExclusionPresetSubfolders, 0);
    state.ExclusionPresetNone = 1;
    c = ToggleExclusionChoice(state, c, ExclusionItem::SubShow);
    EXPECT_EQ(c, ExclusionChoice{});
    EXPECT_EQ(state.ExclusionPresetNone, 0);

    TExcludeFolderRecord all = Rec("/x", 1, 1, 0, 1);
    EXPECT_EQ(ChoiceOfRecord(all), (ExclusionChoice{false, false, false, true}));
}

TEST(ExclusionEdit, StoringChangesTheRecordInPlaceOrAppends)
{
    FolderExclusionState state;
    const QString file = freshDir("store") + "/ExcludeFolder.dat";
    ASSERT_TRUE(WriteExcludeFolderFile(file, {Rec("/first", 0, 1, 0, 0), Rec("/d/pics", 1, 0, 0, 0)}));
    // Toggling Browse twice on a folder without a record leaves one record
    // with every flag 0.
    ExclusionChoice c = ToggleExclusionChoice(state, {}, ExclusionItem::Browse);
    ASSERT_TRUE(StoreExclusionFlags(state, file, "/D/New/", c).ok());
    c = ToggleExclusionChoice(state, c, ExclusionItem::Browse);
    ASSERT_TRUE(StoreExclusionFlags(state, file, "/d/new", c).ok());
    auto records = ReadExcludeFolderFile(file).Items;
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2].Path, "/d/new");
    EXPECT_EQ(records[2].Browse + records[2].SubShow + records[2].SubSearch + records[2].All, 0);

    // An existing record keeps its place.
    state.ExclusionsChanged = 0;
    ASSERT_TRUE(StoreExclusionFlags(state, file, "/D/Pics", ExclusionChoice{false, false, false, true}).ok());
    EXPECT_EQ(state.ExclusionsChanged, 1);
    records = ReadExcludeFolderFile(file).Items;
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].Path, "/d/pics");
    EXPECT_EQ(records[1].All, 1);
    EXPECT_EQ(records[1].Browse, 0);

    ASSERT_TRUE(ClearExclusionFile(state, file));
    EXPECT_EQ(testsupport::readFile(file).size(), 0);
}
