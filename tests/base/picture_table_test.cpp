#include "base/picture_table.h"

#include <QStringList>

#include <gtest/gtest.h>

TEST(PictureTable, WithoutProgressTheSizeIsExactlyCountPlusTen)
{
    std::vector<TPictureEntry> table(700);
    GrowSelectionList(5, false, table);
    EXPECT_EQ(table.size(), 15u);   // may shrink
    GrowSelectionList(1000, false, table);
    EXPECT_EQ(table.size(), 1010u);
    GrowSelectionList(1000, false);
    EXPECT_EQ(PictureTable.size(), 1010u);
}

TEST(PictureTable, WithProgressItGrowsInStepsAndNeverShrinks)
{
    std::vector<TPictureEntry> table;
    CollectionProgressCounter = 0;
    GrowSelectionList(0, true, table);
    EXPECT_EQ(table.size(), 500u);
    table[3].FullPath = "/p/a.jpg";
    GrowSelectionList(489, true, table);
    EXPECT_EQ(table.size(), 500u);
    GrowSelectionList(491, true, table);
    EXPECT_EQ(table.size(), 1000u);
    EXPECT_EQ(table[3].FullPath, "/p/a.jpg");
    EXPECT_TRUE(table[999].FullPath.isEmpty());
    GrowSelectionList(3, true, table);
    EXPECT_EQ(table.size(), 1000u);
}

TEST(PictureTable, GrowsAsFarAsNeededWhateverTheStep)
{
    std::vector<TPictureEntry> table(10);
    GrowSelectionList(5000, true, table);
    EXPECT_GE(table.size(), 5010u);
    GrowSelectionList(5001, true, table);
    EXPECT_GE(table.size(), 5011u);
}

TEST(PictureTable, ProgressTextAfterMoreThan250Calls)
{
    QStringList shown;
    SetCollectionProgressHandler([&](const QString& t) { shown << t; });
    std::vector<TPictureEntry> table;
    CollectionProgressCounter = 0;
    PictureCount = 1234;
    for (int i = 0; i < 250; ++i)
        GrowSelectionList(i, true, table);
    EXPECT_TRUE(shown.isEmpty());
    GrowSelectionList(250, true, table);
    EXPECT_EQ(shown, QStringList({"1234 pictures selected..."}));
    EXPECT_EQ(CollectionProgressCounter, 0);
    SetCollectionProgressHandler(nullptr);
}
