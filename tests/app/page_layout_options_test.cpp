// The stored thumbnail-page layout survives the Options dialog: the layouts
// of 40 to 77 pictures, chosen in the layout menu, lie beyond the dialog's
// list, which then selects no item and leaves the choice as it is.
#include "base/add_settings_record.h"
#include "app/options_dialog_logic.h"
#include "base/settings_record.h"
#include "browse/page_layouts.h"

#include <gtest/gtest.h>

TEST(PageLayoutOptions, LayoutsBeyondTheDialogsListAreKept)
{
    for (int layout : {16, 20, kLastPageLayout}) {
        TSettingsRecord s;
        s.PicturesPerPageIndex = QString::number(layout);
        TOptionsValues v = OptionsValuesFrom(s, TAddSettingsRecord());
        EXPECT_EQ(v.PicturesPerPageIndex, -1) << layout;
        StoreOptionsInSettings(s, v, TOptionsNumbers(), QDate(2026, 12, 7));
        EXPECT_EQ(PageLayoutFromSetting(s.PicturesPerPageIndex), layout);
    }
    // A layout of the list is chosen there and stored from it.
    TSettingsRecord s;
    s.PicturesPerPageIndex = QStringLiteral("15");
    TOptionsValues v = OptionsValuesFrom(s, TAddSettingsRecord());
    EXPECT_EQ(v.PicturesPerPageIndex, 15);
    v.PicturesPerPageIndex = 7;
    StoreOptionsInSettings(s, v, TOptionsNumbers(), QDate(2026, 12, 7));
    EXPECT_EQ(s.PicturesPerPageIndex, QStringLiteral("7"));
}
