#include "app/menu_caption.h"
#include "app/menu_glyphs.h"
#include "app/menu_state.h"

#include <gtest/gtest.h>

namespace {
// A font of seven pixels a character keeps the numbers readable.
int sevenPx(const QString& s) { return 7 * int(s.size()); }
} // namespace

TEST(SplitMenuCaption, PaddedCaptionGivesLeftTextAndKeyHint)
{
    MenuState state;
    const QString hint = SplitMenuCaption(QStringLiteral("&Stop Slide Show                 ~- Escape"), sevenPx, state);
    EXPECT_EQ(hint, QStringLiteral("- Escape"));
    EXPECT_EQ(state.MenuCaptionText, QStringLiteral("&Stop Slide Show"));
    EXPECT_EQ(state.MenuHintWidth, 7 * 8);
}

TEST(SplitMenuCaption, MarkerRightAfterTextAndAtStart)
{
    MenuState state;
    EXPECT_EQ(SplitMenuCaption(QStringLiteral("Abc~- X"), sevenPx, state), QStringLiteral("- X"));
    EXPECT_EQ(state.MenuCaptionText, QStringLiteral("Abc"));
    EXPECT_EQ(state.MenuHintWidth, 21);

    // A caption that begins with the marker: empty left text, hint not measured.
    EXPECT_EQ(SplitMenuCaption(QStringLiteral("~- Home"), sevenPx, state), QStringLiteral("- Home"));
    EXPECT_EQ(state.MenuCaptionText, QString());
    EXPECT_EQ(state.MenuHintWidth, 0);

    // No marker clears the state of the previous split.
    EXPECT_EQ(SplitMenuCaption(QStringLiteral("&Open"), sevenPx, state), QString());
    EXPECT_EQ(state.MenuCaptionText, QString());
    EXPECT_EQ(state.MenuHintWidth, 0);

    const MenuCaptionParts p = SplitCaptionParts(QStringLiteral("Refresh  ~- F5 "));
    EXPECT_EQ(p.left, QStringLiteral("Refresh"));
    EXPECT_EQ(p.hint, QStringLiteral("- F5 "));
}

TEST(MenuHintTag, NumberFromSecondCharacter)
{
    EXPECT_EQ(HintTagWidth(QStringLiteral(">0")), 0);
    EXPECT_EQ(HintTagWidth(QStringLiteral("X123")), 123);
    EXPECT_EQ(HintTagWidth(QString()), 0);
    EXPECT_EQ(HintTagWidth(QStringLiteral("X")), 0);
    EXPECT_EQ(HintTagWidth(QStringLiteral(">abc")), 0);
    EXPECT_EQ(HintTagWidth(QStringLiteral("Search folder 'x'")), 0);
}

TEST(MenuAccessCell, DriveCaptionsBetweenAAndZ)
{
    EXPECT_TRUE(IsAccessCellCaption(QStringLiteral("&c - Fixed drive")));
    EXPECT_TRUE(IsAccessCellCaption(QStringLiteral("&a - ")));
    EXPECT_TRUE(IsAccessCellCaption(QStringLiteral("&z - x")));
    EXPECT_FALSE(IsAccessCellCaption(QStringLiteral("&z -")));
    EXPECT_FALSE(IsAccessCellCaption(QStringLiteral("&C: / Fixed Drive")));
    EXPECT_FALSE(IsAccessCellCaption(QStringLiteral("&Stop")));
    EXPECT_FALSE(IsAccessCellCaption(QStringLiteral("&{ - x")));
}

TEST(MeasureMenuItems, WithoutKeyHintsFortyPixelsWider)
{
    MenuState state;
    std::vector<MenuMeasureItem> items{
        {QStringLiteral("&Open"), true, QString()},
        {QStringLiteral("-"), true, QString()},
        {QStringLiteral("A much longer hidden caption"), false, QStringLiteral("Q")},
        {QStringLiteral("Make default"), true, QStringLiteral("X")},
    };
    const MenuMeasureResult r = MeasureMenuItems(items, sevenPx, state);
    EXPECT_EQ(r.itemWidth, 7 * 12 + 40);
    EXPECT_EQ(r.maxHintWidth, 0);
    EXPECT_EQ(state.MenuItemWidth, r.itemWidth);
    EXPECT_EQ(state.MenuMaxHintWidth, 0);
    EXPECT_EQ(items[0].hint, QStringLiteral(">0"));
    EXPECT_EQ(items[1].hint, QStringLiteral(">0"));   // separators get the tag too
    EXPECT_EQ(items[2].hint, QStringLiteral("Q"));    // hidden items keep theirs
    EXPECT_EQ(items[3].hint, QStringLiteral("X0"));
}

TEST(MeasureMenuItems, WithKeyHintsSixtyPlusWidestHint)
{
    MenuState state;
    std::vector<MenuMeasureItem> items{
        {QStringLiteral("&Stop Slide Show                 ~- Escape"), true, QStringLiteral("D12")},
        {QStringLiteral("Restart Sl&ide Show ~- Home"), true, QString()},
        {QStringLiteral("Short"), true, QString()},
    };
    const MenuMeasureResult r = MeasureMenuItems(items, sevenPx, state);
    // Widest left text "Restart Sl&ide Show" (19), widest hint "- Escape" (8).
    EXPECT_EQ(r.maxHintWidth, 56);
    EXPECT_EQ(r.itemWidth, 7 * 19 + 60 + 56);
    EXPECT_EQ(items[0].hint, QStringLiteral("D56"));
    EXPECT_EQ(items[1].hint, QStringLiteral(">56"));
}

TEST(MeasureMenuItems, ProgramListsMeasureTheFileName)
{
    MenuState state;
    std::vector<MenuMeasureItem> items{
        {QStringLiteral("/usr/bin/gimp"), true, QString()},
        {QStringLiteral("C:\\Programs\\viewer.exe"), true, QString()},
    };
    EXPECT_EQ(MeasureMenuItems(items, sevenPx, state, true).itemWidth, 7 * 10 + 40);
    EXPECT_EQ(MenuFileNamePart(QStringLiteral("d:x")), QStringLiteral("x"));
}

TEST(MenuGlyphs, DriveAndFavouriteEntries)
{
    EXPECT_EQ(DriveImageIndex(QStringLiteral("&c - Fixed drive")), 2);
    EXPECT_EQ(DriveImageIndex(QStringLiteral("&a - Floppy")), 3);
    EXPECT_EQ(DriveImageIndex(QStringLiteral("&d - CD/DVD")), 4);
    EXPECT_EQ(DriveImageIndex(QStringLiteral("&n - Network")), 56);
    EXPECT_EQ(DriveImageIndex(QStringLiteral("&C: / Fixed Drive")), 2);
    EXPECT_EQ(DriveImageIndex(QStringLiteral("&D: /media/usb Removable Drive")), 3);
    EXPECT_EQ(DriveImageIndex(QStringLiteral("&E: /media/cdrom CD-ROM Drive")), 4);
    EXPECT_EQ(DriveImageIndex(QStringLiteral("&F: /mnt/nas Network Drive")), 56);
    EXPECT_EQ(DriveImageIndex(QStringLiteral("&r - RAM disk")), -1);
    // The drive table's kind texts.
    EXPECT_EQ(DriveImageIndex(QStringLiteral("&D: /media/stick Floppy/Removable Drive")), 3);
    EXPECT_EQ(DriveImageIndex(QStringLiteral("&E: /media/cdrom CD/DVD Drive")), 4);
    EXPECT_EQ(DriveImageIndex(QStringLiteral("&G: /mnt/ram RAM Disk")), -1);
    EXPECT_EQ(FavoriteImageIndex(QStringLiteral("/home/u/Holiday.VXT")), 57);
    EXPECT_EQ(FavoriteImageIndex(QStringLiteral("/home/u/Pictures")), 58);
    EXPECT_EQ(SpacesToUnderscores(QStringLiteral("my summer pic.jpg")), QStringLiteral("my_summer_pic.jpg"));
}

TEST(MenuGlyphs, PairsByItemName)
{
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("Search"), {}, false), (MenuGlyphPair{0, 1}));
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("FileOperations"), {}, false), (MenuGlyphPair{39, -1}));
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("MakeDefaultPop"), {}, false), (MenuGlyphPair{41, 42}));
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("RCRotateL"), {}, false), (MenuGlyphPair{111, 112}));
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("Help1"), {}, false), (MenuGlyphPair{-2, -2}));
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("Bookmark07"), {}, false), (MenuGlyphPair{-1, -1}));
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("Raunch3"), {}, false), (MenuGlyphPair{79, 79}));
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("Vaunch0"), {}, false), (MenuGlyphPair{81, 81}));
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("Browse"), {}, true), (MenuGlyphPair{67, 67}));
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("Browse"), {}, false), (MenuGlyphPair{-1, -1}));
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("FolderExclusions"), {}, true), (MenuGlyphPair{67, 68}));
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("M12"), {}, true), (MenuGlyphPair{67, 67}));
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("Ratio16x9"), {}, true), (MenuGlyphPair{67, 67}));
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("RatioSquare"), {}, false), (MenuGlyphPair{-1, -1}));
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("PDrive03"), QStringLiteral("&c - Fixed drive"), false),
              (MenuGlyphPair{2, 2}));
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("Fav2"), QStringLiteral("/x/a.vxt"), false),
              (MenuGlyphPair{57, 57}));

    MenuGlyphState st;
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("HideShowMyShow"), {}, false, st), (MenuGlyphPair{92, 93}));
    st.myShowHidden = true;
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("HideShowMyShow"), {}, false, st), (MenuGlyphPair{94, 95}));
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("ShowAll"), {}, false, st), (MenuGlyphPair{137, 138}));
    st.showRunning = true;
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("ShowAll"), {}, false, st), (MenuGlyphPair{74, 75}));
    st.picturePopup = true;
    EXPECT_EQ(MenuGlyphsFor(QStringLiteral("ShowPicFullPop"), {}, false, st), (MenuGlyphPair{125, 126}));
}
