#include "base/picture_table.h"
#include "base/show_session.h"

#include <QStringList>

#include <gtest/gtest.h>

TEST(PictureTable, WithoutProgressTheSizeIsExactlyCountPlusTen)
{
    ShowSession session;
    std::vector<TPictureEntry>& table = session.PictureTable;
    table.resize(700);
    GrowSelectionList(5, false, session);
    EXPECT_EQ(table.size(), 15u);   // may shrink
    GrowSelectionList(1000, false, session);
    EXPECT_EQ(table.size(), 1010u);
}

TEST(PictureTable, WithProgressItGrowsInStepsAndNeverShrinks)
{
    ShowSession session;
    std::vector<TPictureEntry>& table = session.PictureTable;
    GrowSelectionList(0, true, session);
    EXPECT_EQ(table.size(), 500u);
    table[3].FullPath = "/p/a.jpg";
    GrowSelectionList(489, true, session);
    EXPECT_EQ(table.size(), 500u);
    GrowSelectionList(491, true, session);
    EXPECT_EQ(table.size(), 1000u);
    EXPECT_EQ(table[3].FullPath, "/p/a.jpg");
    EXPECT_TRUE(table[999].FullPath.isEmpty());
    GrowSelectionList(3, true, session);
    EXPECT_EQ(table.size(), 1000u);
}

TEST(PictureTable, GrowsAsFarAsNeededWhateverTheStep)
{
    ShowSession session;
    std::vector<TPictureEntry>& table = session.PictureTable;
    table.resize(10);
    GrowSelectionList(5000, true, session);
    EXPECT_GE(table.size(), 5010u);
    GrowSelectionList(5001, true, session);
    EXPECT_GE(table.size(), 5011u);
}

TEST(PictureTable, ProgressTextAfterMoreThan250Calls)
{
    QStringList shown;
    ShowSession session;
    std::vector<TPictureEntry>& table = session.PictureTable;
    session.PictureCount = 1234;
    for (int i = 0; i <= 250; ++i)
        if (const QString text = GrowSelectionList(i, true, session); !text.isEmpty())
            shown << QString::number(i) + ": " + text;
    EXPECT_EQ(shown, QStringList({"250: 1234 pictures selected..."}));
    EXPECT_EQ(session.CollectionProgressCounter, 0);
}
