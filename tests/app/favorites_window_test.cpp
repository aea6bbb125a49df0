// The maintenance window of the favourites and the recent list: the list
// rules on their own, and the window offscreen, found by objectName.
#include "app/favorites_window.h"
#include "support/test_state.h"
#include "base/settings_record.h"
#include "app/main_window.h"
#include "app/options_controller.h"
#include "platform/prompt.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

TMaintenanceList listOf(std::initializer_list<const char*> entries)
{
    TMaintenanceList list;
    size_t i = 0;
    for (const char* e : entries)
        list[i++] = QString::fromLatin1(e);
    return list;
}

// The used entries form a block at the front.
bool packed(const TMaintenanceList& list)
{
    bool gap = false;
    for (const QString& e : list) {
        if (e.isEmpty())
            gap = true;
        else if (gap)
            return false;
    }
    return true;
}

class FavoritesWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestState().settings.Settings = TSettingsRecord{};
        for (int i = 0; i < 5; ++i)
            TestState().settings.Settings.Favorites[size_t(i)] = QStringLiteral("/pics/fav%1").arg(i + 1);
        TestState().settings.Settings.RecentFolders[0] = QStringLiteral("/shows/Trip.VXT");
    }
    void TearDown() override { TestState().settings.Settings = TSettingsRecord{}; }

    static QString cell(FavoritesWindow& w, int row, int col)
    {
        return w.findChild<QTableWidget*>("SGFolder")->item(row - 1, col)->text();
    }
};

} // namespace

TEST(MaintenanceList, RemoveClosesTheGapAndMovesTheSelection)
{
    TMaintenanceList list = listOf({"a", "b", "c", "d", "e"});
    EXPECT_EQ(RemoveMaintenanceEntry(list, 3), 3);
    EXPECT_EQ(list, listOf({"a", "b", "d", "e"}));
    EXPECT_EQ(RemoveMaintenanceEntry(list, 4), 3);   // the last used entry: selection moves up
    EXPECT_EQ(list, listOf({"a", "b", "d"}));
    TMaintenanceList one = listOf({"a"});
    EXPECT_EQ(RemoveMaintenanceEntry(one, 1), 1);
    EXPECT_EQ(one, TMaintenanceList{});
    EXPECT_EQ(RemoveMaintenanceEntry(one, 1), 1);    // nothing to remove
}

TEST(MaintenanceList, ButtonRules)
{
    const TMaintenanceList list = listOf({"a", "b", "c"});
    const MaintenanceButtons first = MaintenanceButtonRules(list, 1);
    EXPECT_FALSE(first.Up);
    EXPECT_TRUE(first.Down);
    EXPECT_TRUE(first.Remove);
    EXPECT_TRUE(first.Clear);
    EXPECT_FALSE(MaintenanceButtonRules(list, 3).Down);   // last used row
    EXPECT_TRUE(MaintenanceButtonRules(list, 3).Up);
    const MaintenanceButtons empty = MaintenanceButtonRules(list, 5);
    EXPECT_FALSE(empty.Remove || empty.Up || empty.Down);
    const TMaintenanceList full = listOf({"1", "2", "3", "4", "5", "6", "7", "8", "9"});
    EXPECT_FALSE(MaintenanceButtonRules(full, 9).Down);
    EXPECT_FALSE(MaintenanceButtonRules(TMaintenanceList{}, 1).Clear);
}

TEST(MaintenanceList, EveryEditKeepsTheListPacked)
{
    TMaintenanceList list = listOf({"a", "", "c", "", "e"});
    PackMaintenanceList(list);
    EXPECT_EQ(list, listOf({"a", "c", "e"}));
    // Moves and removals at every row, used or not, never open a gap.
    for (int row = 1; row <= MaintenanceRows; ++row) {
        TMaintenanceList l = listOf({"a", "b", "c", "d"});
        MoveMaintenanceEntryDown(l, row);
        EXPECT_TRUE(packed(l)) << row;
        MoveMaintenanceEntryUp(l, row);
        EXPECT_TRUE(packed(l)) << row;
        RemoveMaintenanceEntry(l, row);
        EXPECT_TRUE(packed(l)) << row;
    }
    TMaintenanceList l = listOf({"a", "b", "c"});
    EXPECT_EQ(MoveMaintenanceEntryDown(l, 3), 3);   // nothing below
    EXPECT_EQ(MoveMaintenanceEntryUp(l, 2), 1);
    EXPECT_EQ(l, listOf({"b", "a", "c"}));
}

TEST(MaintenanceList, EntryTypes)
{
    EXPECT_EQ(MaintenanceEntryType(QStringLiteral("/shows/Trip.VXT")), QStringLiteral("M"));
    EXPECT_EQ(MaintenanceEntryType(QStringLiteral("/pics/holiday")), QStringLiteral("F"));
    EXPECT_EQ(MaintenanceEntryType(QString()), QString());
}

TEST_F(FavoritesWindowTest, GridShowsTheFavoritesAndRemoveKeepsTheSelection)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    FavoritesWindow w(Settings, TestState().environment, 1);
    EXPECT_EQ(w.objectName(), QStringLiteral("Form36"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Maintenance Favorites"));
    auto* grid = w.findChild<QTableWidget*>("SGFolder");
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), QStringLiteral("Folder or MyShow file"));
    EXPECT_EQ(grid->columnWidth(2), 1200);
    EXPECT_EQ(cell(w, 1, 0), QStringLiteral("1"));
    EXPECT_EQ(cell(w, 1, 1), QStringLiteral("F"));
    EXPECT_EQ(cell(w, 6, 2), QStringLiteral("<<empty entry>>"));
    auto* apply = w.findChild<QPushButton*>("BtnApply");
    EXPECT_FALSE(apply->isEnabled());
    EXPECT_FALSE(w.findChild<QPushButton*>("BtnUp")->isEnabled());   // row 1

    w.selectRow(3);
    w.findChild<QPushButton*>("BtnRemove")->click();
    EXPECT_EQ(w.selectedRow(), 3);
    EXPECT_EQ(cell(w, 3, 2), QStringLiteral("/pics/fav4"));
    EXPECT_EQ(cell(w, 4, 2), QStringLiteral("/pics/fav5"));
    for (int row = 5; row <= 9; ++row)
        EXPECT_EQ(cell(w, row, 2), QStringLiteral("<<empty entry>>"));
    EXPECT_TRUE(apply->isEnabled());
    // Nothing written before Apply.
    EXPECT_EQ(Settings.Favorites[2], QStringLiteral("/pics/fav3"));

    w.selectRow(4);
    EXPECT_FALSE(w.findChild<QPushButton*>("BtnDown")->isEnabled());   // last used row
    w.findChild<QPushButton*>("BtnRemove")->click();
    EXPECT_EQ(w.selectedRow(), 3);
}

TEST_F(FavoritesWindowTest, RemovingTheOnlyEntryLeavesOnlyApplyAndCancel)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    Settings.Favorites = {};
    Settings.Favorites[0] = QStringLiteral("/only");
    FavoritesWindow w(Settings, TestState().environment, 1);
    w.findChild<QPushButton*>("BtnRemove")->click();
    EXPECT_EQ(w.selectedRow(), 1);
    for (const char* name : {"BtnUp", "BtnDown", "BtnRemove", "BtnClear"})
        EXPECT_FALSE(w.findChild<QPushButton*>(name)->isEnabled()) << name;
    EXPECT_TRUE(w.findChild<QPushButton*>("BtnApply")->isEnabled());
    EXPECT_TRUE(w.findChild<QPushButton*>("BtnCancel")->isEnabled());
}

TEST_F(FavoritesWindowTest, ApplyWritesThePackedListAndCancelNothing)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    Settings.Favorites[1].clear();   // a gap read from an older file
    {
        FavoritesWindow w(Settings, TestState().environment, 1);
        w.selectRow(2);
        w.findChild<QPushButton*>("BtnDown")->click();
        w.findChild<QPushButton*>("BtnCancel")->click();
        EXPECT_EQ(w.result(), QDialog::Rejected);
    }
    EXPECT_TRUE(Settings.Favorites[1].isEmpty());
    EXPECT_EQ(Settings.Favorites[2], QStringLiteral("/pics/fav3"));

    FavoritesWindow w(Settings, TestState().environment, 1);
    EXPECT_EQ(cell(w, 2, 2), QStringLiteral("/pics/fav3"));
    w.selectRow(1);
    w.findChild<QPushButton*>("BtnDown")->click();
    EXPECT_EQ(w.selectedRow(), 2);
    w.findChild<QPushButton*>("BtnApply")->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(Settings.Favorites[0], QStringLiteral("/pics/fav3"));
    EXPECT_EQ(Settings.Favorites[1], QStringLiteral("/pics/fav1"));
    EXPECT_EQ(Settings.Favorites[2], QStringLiteral("/pics/fav4"));
    EXPECT_EQ(Settings.Favorites[3], QStringLiteral("/pics/fav5"));
    EXPECT_TRUE(Settings.Favorites[4].isEmpty());
}

TEST_F(FavoritesWindowTest, RecentModeClearsTheRecentListAndRebuildsItsMenu)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindow form(TestState());
    // The main window's maintenance item opens the window; it is cleared
    // and applied there.
    bool shown = false;
    platform::ScopedPromptResponder answer([&](const platform::PromptRequest& r) {
        auto* window = qobject_cast<FavoritesWindow*>(r.dialog);
        if (r.type != platform::PromptType::Dialog || !window)
            return platform::defaultReply(r);
        shown = true;
        FavoritesWindow& w = *window;
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Maintenance Recent"));
        EXPECT_EQ(w.findChild<QLabel*>("Label1")->text(),
                  QStringLiteral("When playing a slide show that is marked as Favorite, this slide show will not appear in Recent"));
        EXPECT_EQ(cell(w, 1, 1), QStringLiteral("M"));
        w.findChild<QPushButton*>("BtnClear")->click();
        EXPECT_EQ(w.selectedRow(), 1);
        w.findChild<QPushButton*>("BtnApply")->click();
        return platform::PromptReply::result(w.result());
    });
    form.options()->ClearRecClick();
    ASSERT_TRUE(shown);
    EXPECT_TRUE(Settings.RecentFolders[0].isEmpty());
    EXPECT_EQ(Settings.Favorites[0], QStringLiteral("/pics/fav1"));
    ASSERT_TRUE(form.actionNamed("Folder1"));
    EXPECT_FALSE(form.actionNamed("Folder1")->isVisible());
}
