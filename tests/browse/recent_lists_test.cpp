// The rules of the recent list, the favourites and the MyShow history.
#include "browse/recent_lists.h"

#include "support/sandbox.h"

#include <gtest/gtest.h>

#include <array>

namespace {

template <size_t N>
std::array<QString, N> listOf(std::initializer_list<const char*> entries)
{
    std::array<QString, N> list;
    size_t i = 0;
    for (const char* e : entries)
        list[i++] = QString::fromUtf8(e);
    return list;
}

const auto NineFolders = listOf<9>({"/A", "/B", "/C", "/D", "/E", "/F", "/G", "/H", "/I"});

} // namespace

TEST(RecentList, NewPathGoesOnTopAndTheNinthDropsOut)
{
    auto list = NineFolders;
    PutAtTopOfRecent(list, "/Pics");
    EXPECT_EQ(list, (listOf<9>({"/Pics", "/A", "/B", "/C", "/D", "/E", "/F", "/G", "/H"})));
}

TEST(RecentList, ReplayedEntryMovesUpAndTheOldNinthDropsEvenWithRoomMade)
{
    auto list = NineFolders;
    PutAtTopOfRecent(list, "/e");   // the fifth entry, in other letter case
    EXPECT_EQ(list, (listOf<9>({"/e", "/A", "/B", "/C", "/D", "/F", "/G", "/H", ""})));

    // A short list grows by one; its copy of the path is left out.
    // Empty slots between entries (an edited settings file) do not survive.
    auto gaps = listOf<9>({"/A", "", "/B"});
    PutAtTopOfRecent(gaps, "/P");
    EXPECT_EQ(gaps, (listOf<9>({"/P", "/A", "/B"})));

    auto shortList = listOf<9>({"/A", "/B"});
    PutAtTopOfRecent(shortList, "/B");
    EXPECT_EQ(shortList, (listOf<9>({"/B", "/A"})));
}

TEST(RecentList, AddingFollowsTheShowAndFavouriteRules)
{
    TSettingsRecord s;
    s.RecentFolders = listOf<9>({"/A"});
    s.Favorites = listOf<9>({"/Fav/One", "/Fav/Pics"});

    RecentAddInput in;
    in.path = "/fav/PICS";
    RecentAddOutcome out = AddToRecentList(s, in);
    EXPECT_EQ(out.result, RecentAddResult::IsFavorite);
    EXPECT_EQ(out.favoriteIndex, 1);
    EXPECT_EQ(s.RecentFolders, (listOf<9>({"/A"})));   // a favourite leaves the list alone

    in.path = "/data/Vistamo/VISTAMO.vxt";
    EXPECT_EQ(AddToRecentList(s, in).result, RecentAddResult::DraftShow);

    // A show file that may not be changed is added only when it was played
    // straight from a list entry.
    in.path = "/shows/Trip.vxt";
    in.existingShowFile = true;
    in.mayNotChange = true;
    EXPECT_EQ(AddToRecentList(s, in).result, RecentAddResult::Unchangeable);
    in.listEntryStarted = true;
    EXPECT_EQ(AddToRecentList(s, in).result, RecentAddResult::Added);
    EXPECT_EQ(s.RecentFolders, (listOf<9>({"/shows/Trip.vxt", "/A"})));

    in.convertedUnsaved = true;
    in.path = "/shows/Old.vxt";
    EXPECT_EQ(AddToRecentList(s, in).result, RecentAddResult::ConvertedUnsaved);
    in = RecentAddInput{};
    EXPECT_EQ(AddToRecentList(s, in).result, RecentAddResult::Empty);
    EXPECT_EQ(s.RecentFolders, (listOf<9>({"/shows/Trip.vxt", "/A"})));
}

TEST(RecentList, ShowMayNotChangeRule)
{
    EXPECT_TRUE(ShowMayNotChange(false, false, false));
    EXPECT_FALSE(ShowMayNotChange(false, false, true));
    EXPECT_TRUE(ShowMayNotChange(true, false, false));
    EXPECT_FALSE(ShowMayNotChange(true, true, false));   // played straight from its file
    EXPECT_FALSE(ShowMayNotChange(true, false, true));
}

TEST(ShowHistory, ReopenedShowMovesUpWithoutDuplicateButOtherCaseIsAnotherEntry)
{
    auto list = listOf<5>({"/s/1.vxt", "/s/2.vxt", "/s/3.vxt"});
    PutAtTopOfHistory(list, "/s/3.vxt");
    EXPECT_EQ(list, (listOf<5>({"/s/3.vxt", "/s/1.vxt", "/s/2.vxt"})));
    PutAtTopOfHistory(list, "/s/1.VXT");
    EXPECT_EQ(list, (listOf<5>({"/s/1.VXT", "/s/3.vxt", "/s/1.vxt", "/s/2.vxt"})));

    // A full history drops its last entry.
    auto full = listOf<5>({"/a", "/b", "/c", "/d", "/e"});
    PutAtTopOfHistory(full, "/new");
    EXPECT_EQ(full, (listOf<5>({"/new", "/a", "/b", "/c", "/d"})));
}

TEST(ListRemoval, ClosesTheGapAndEmptiesTheLastSlot)
{
    auto list = NineFolders;
    EXPECT_TRUE(RemoveListEntry(list, "/c", ListCompare::IgnoreCase));
    EXPECT_EQ(list, (listOf<9>({"/A", "/B", "/D", "/E", "/F", "/G", "/H", "/I", ""})));
    EXPECT_FALSE(RemoveListEntry(list, "/nothere", ListCompare::IgnoreCase));
    EXPECT_FALSE(RemoveListEntry(list, "", ListCompare::IgnoreCase));

    // The history compares exactly.
    auto history = listOf<5>({"/s/Trip.vxt", "/s/trip.vxt"});
    EXPECT_TRUE(RemoveListEntry(history, "/s/trip.vxt", ListCompare::Exact));
    EXPECT_EQ(history, (listOf<5>({"/s/Trip.vxt"})));
}

TEST(ListFind, RecentAndFavouritesIgnoreCaseHistoryIsExact)
{
    TSettingsRecord s;
    s.RecentFolders = listOf<9>({"/A", "/Pics"});
    s.Favorites = listOf<9>({"/Holiday"});
    s.ShowHistory = listOf<5>({"/s/Trip.vxt"});
    EXPECT_EQ(FindInList(s, 'R', "/pics"), 1);
    EXPECT_EQ(FindInList(s, 'F', "/HOLIDAY"), 0);
    EXPECT_EQ(FindInList(s, 'H', "/s/Trip.vxt"), 0);
    EXPECT_EQ(FindInList(s, 'H', "/s/trip.vxt"), -1);
    EXPECT_EQ(FindInList(s, 'X', "/A"), -1);
    EXPECT_EQ(FindInList(s, 'R', ""), -1);
}

TEST(Favourites, FirstFreeSlotAndFullList)
{
    auto list = listOf<9>({"/A", "/B"});
    EXPECT_EQ(AddToFirstFreeSlot(list, "/C"), 2);
    EXPECT_EQ(list[2], "/C");
    auto full = NineFolders;
    EXPECT_EQ(AddToFirstFreeSlot(full, "/J"), -1);
    EXPECT_EQ(full, NineFolders);
}

TEST(ListCaptions, AmpersandsDoubledAndFullPathKept)
{
    EXPECT_EQ(ListMenuCaption(0, "/home/ann/Tom & Jerry"), "&1 - /home/ann/Tom && Jerry");
    EXPECT_EQ(ListMenuCaption(8, "/a/b/c/d/e"), "&9 - /a/b/c/d/e");
    EXPECT_EQ(FavoritesFullText, "Favoritslist is full, folder could not be added!\n"
                                 "Start 'Favorites maintenance' to make space?");
    EXPECT_EQ(AddFavoriteNowText("/p"), "Add '/p' to Favorites now?");
}
