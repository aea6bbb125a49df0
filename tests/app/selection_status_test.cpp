#include "base/registry_store.h"
#include "support/test_state.h"
#include "browse/selection_status.h"
#include "app/main_window.h"
#include "platform/drives.h"
#include "support/sandbox.h"

#include <QLabel>
#include <QStatusBar>

#include <gtest/gtest.h>

TEST(SelectionStatus, Texts)
{
    platform::setFakeMountTable({{"/", "ext4", "/dev/sda1", false}});
    SelectionStatusInput in;
    in.sourceIsFolder = true;
    in.includeSubfolders = true;
    in.selectedFolder = "/Pictures/2007/Holiday";
    SelectionStatus s = SelectionStatusText(in);
    EXPECT_TRUE(s.shown);
    EXPECT_EQ(s.text, "Selected folder: /../Holiday (including subfolders)");
    EXPECT_EQ(s.hint, "Selected folder: /Pictures/2007/Holiday (including subfolders)");

    in.includeSubfolders = false;
    EXPECT_EQ(SelectionStatusText(in).text, "Selected folder: /../Holiday (excluding subfolders)");

    in.sourceIsFolder = false;
    in.searchResultsShown = true;
    in.includeSubfolders = true;
    in.picturesSearched = 120;
    in.foldersSearched = 7;
    EXPECT_EQ(SelectionStatusText(in).text, "Search results: /../Holiday - 120 pictures searched in 7 folders");
    in.includeSubfolders = false;
    EXPECT_EQ(SelectionStatusText(in).text, "Search results: /../Holiday - 120 pictures searched ");

    SelectionStatusInput show;
    show.sourceIsShow = true;
    show.showReceivedByMail = true;
    show.selectedFolder = "/Shows/Family.vxt";
    EXPECT_EQ(SelectionStatusText(show).text, "Selected show: /./Family.vxt - Received by email");

    show.demoMode = true;
    EXPECT_FALSE(SelectionStatusText(show).shown);
    platform::clearFakeMountTable();
}

TEST(SelectionStatus, NotPlayingReceivedShow)
{
    EXPECT_FALSE(NotPlayingReceivedShow(true, true, true, "/s/a.vxt", "/s/a.vxt"));
    EXPECT_TRUE(NotPlayingReceivedShow(false, true, true, "/s/a.vxt", "/s/a.vxt"));
    EXPECT_TRUE(NotPlayingReceivedShow(true, true, false, "/s/a.vxt", "/s/a.vxt"));
    EXPECT_TRUE(NotPlayingReceivedShow(true, true, true, "/s/a.vxt", "/s/b.vxt"));
    EXPECT_TRUE(NotPlayingReceivedShow(true, false, true, "/s/a.vxt", "/s/a.vxt"));
}

TEST(SelectionStatus, ShowChangedFlagWithoutWindow)
{
    OpenShow show;
    SetMyShowChanged(show, true);
    EXPECT_EQ(show.MyShowChanged, 1);
    SetMyShowChanged(show, false);
    EXPECT_EQ(show.MyShowChanged, 0);
    FocusMainWindow();   // no window yet: nothing happens
}

TEST(RegistryStore, ValuesRoundTripAndMissingOnesAreEmpty)
{
    SetRegistryStorePath(testsupport::freshDir() + "/registry.ini");
    EXPECT_EQ(ReadRegistryString("HKEY_CURRENT_USER", "Control Panel\\Desktop", "Wallpaper"), "");
    ASSERT_TRUE(WriteRegistryString("HKEY_CURRENT_USER", "Control Panel\\Desktop", "Wallpaper", "/p/a.bmp"));
    ASSERT_TRUE(WriteRegistryString("HKEY_CURRENT_USER", "Control Panel\\Desktop", "TileWallpaper", "0"));
    EXPECT_EQ(ReadRegistryString("HKEY_CURRENT_USER", "Control Panel\\Desktop", "Wallpaper"), "/p/a.bmp");
    EXPECT_EQ(ReadRegistryString("HKEY_CURRENT_USER", "Control Panel/Desktop", "TileWallpaper"), "0");
    EXPECT_EQ(ReadRegistryString("HKEY_LOCAL_MACHINE", "Control Panel\\Desktop", "Wallpaper"), "");
    EXPECT_EQ(ReadRegistryString("HKEY_CURRENT_USER", "Control Panel\\Desktop", "Missing"), "");
    SetRegistryStorePath(QString());
}

TEST(SelectionStatus, ShownInTheMainWindowStatusBar)
{
    platform::setFakeMountTable({{"/", "ext4", "/dev/sda1", false}});
    MainWindow window(TestState());
    SelectionStatusInput in;
    in.sourceIsFolder = true;
    in.selectedFolder = "/Pictures/2007/Holiday";
    ShowSelectionStatus(in);
    ASSERT_NE(window.StatusPanel1, nullptr);
    EXPECT_EQ(window.StatusPanel1->text(), "Selected folder: /../Holiday (excluding subfolders)");
    EXPECT_EQ(window.StatusBar1->toolTip(), "Selected folder: /Pictures/2007/Holiday (excluding subfolders)");

    in.autoShowRunning = true;
    in.selectedFolder = "/Other";
    ShowSelectionStatus(in);
    EXPECT_EQ(window.StatusPanel1->text(), "Selected folder: /../Holiday (excluding subfolders)");
    platform::clearFakeMountTable();
}
