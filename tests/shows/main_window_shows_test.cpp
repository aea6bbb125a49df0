#include "base/data_folder.h"
#include "support/test_state.h"
#include "app/main_window.h"
#include "platform/prompt.h"
#include "shows/known_shows.h"
#include "shows/show_file.h"
#include "shows/show_windows.h"

#include "support/sandbox.h"

#include <QLabel>
#include <QTableWidget>
#include <gtest/gtest.h>

using testsupport::freshDir;
using testsupport::readFile;
using testsupport::writeFile;

namespace {
void useDataFolder()
{
    const QString data = freshDir(QStringLiteral("data"));
    TestState().paths.DraftShowPath = data + QStringLiteral("/vistamo.vxt");
    TestState().paths.WorkShowPath = data + QStringLiteral("/vistamo.tmp");
    TestState().paths.ShowsFolder = data + QStringLiteral("/Vistamo! Slide Shows");
}
} // namespace

TEST(MainWindowShows, DraftShowTakesAPictureAndKeepsIt)
{
    useDataFolder();
    MainWindow form(TestState());
    form.myShow()->MyShowDraftClick();
    EXPECT_EQ(form.openShow().DraftShowOpen, 1);
    EXPECT_TRUE(form.showList()->grid()->isVisibleTo(&form));
    EXPECT_EQ(form.showList()->nameLabel()->text(), QStringLiteral("Draft (saves automatically)"));
    QLabel* count = form.findChild<QLabel*>(QStringLiteral("PicInListLabel"));
    EXPECT_EQ(count->text(), QStringLiteral("0 pictures"));

    form.myShow()->AddPictureToMyShow(QStringLiteral("/pics/holiday/beach.jpg"));
    ASSERT_EQ(form.showList()->grid()->rowCount(), 1);
    EXPECT_EQ(form.showList()->grid()->item(0, 0)->text(), QStringLiteral("1"));
    EXPECT_EQ(form.showList()->grid()->item(0, 3)->text(), QStringLiteral("beach.jpg"));
    EXPECT_EQ(form.showList()->grid()->item(0, 4)->text(), QStringLiteral("/pics/holiday"));
    EXPECT_EQ(form.showList()->grid()->currentRow(), 0);
    EXPECT_EQ(count->text(), QStringLiteral("1 picture"));

    // The Draft show keeps its changes without asking.
    platform::ScopedPromptResponder nobody(QList<platform::PromptReply>{});
    form.myShow()->AskMakeChangesPermanent();
    EXPECT_TRUE(platform::promptLog().isEmpty());
    EXPECT_EQ(readFile(TestState().paths.DraftShowPath).size(), 2276);
    CloseOpenShow(form.openShow());
}

TEST(MainWindowShows, NamedShowAsksBeforeItsChangesArePermanent)
{
    useDataFolder();
    const QString show = freshDir(QStringLiteral("shows")) + QStringLiteral("/Holiday.vxt");
    writeFile(show, EncodeShowRecord(NewPictureRecord(QStringLiteral("/p/a.jpg"), 40)));
    const QByteArray original = readFile(show);
    ShowManagerWindow manager(freshDir(QStringLiteral("list")) + QStringLiteral("/AllMyShow.dat"));

    MainWindow form(TestState());
    form.setShowManager(&manager);
    form.myShow()->LoadMyShowClick(show);
    EXPECT_EQ(form.openShow().NamedShowOpen, 1);
    EXPECT_EQ(form.showList()->grid()->rowCount(), 1);
    EXPECT_EQ(manager.KnownShows(), QStringList{show});

    form.myShow()->AddPictureToMyShow(QStringLiteral("/p/b.jpg"));
    {
        platform::ScopedPromptResponder no({platform::PromptReply::button(platform::PromptAnswer::No)});
        form.myShow()->AskMakeChangesPermanent();
        ASSERT_EQ(platform::promptLog().size(), 1);
        EXPECT_EQ(platform::promptLog()[0].request.text, QStringLiteral("Make changes permanent to Holiday"));
        EXPECT_EQ(readFile(show), original);
    }
    {
        platform::ScopedPromptResponder yes({platform::PromptReply::button(platform::PromptAnswer::Yes)});
        form.myShow()->AskMakeChangesPermanent();
        EXPECT_EQ(readFile(show).size(), 2 * 2276);
        EXPECT_EQ(ReadShowPicturePaths(show), (QStringList{QStringLiteral("/p/a.jpg"), QStringLiteral("/p/b.jpg")}));
    }
    {
        // The Draft show's file is refused as a named show.
        platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
        writeFile(TestState().paths.DraftShowPath, QByteArray());
        form.myShow()->LoadMyShowClick(TestState().paths.DraftShowPath);
        EXPECT_EQ(platform::promptLog().size(), 1);
        EXPECT_EQ(form.openShow().NamedShowOpen, 1);
    }
    CloseOpenShow(form.openShow());
}
