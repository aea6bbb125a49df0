// The main window's display step: a picture of the list is loaded into
// "form1im1"; a damaged one gives the error title; skipping queues the
// show's next step on the interval timer; a show of unreadable pictures
// ends with the message.
#include "base/picture_table.h"
#include "support/test_state.h"
#include "app/main_window.h"
#include "browse/picture_display.h"
#include "browse/picture_display_section.h"
#include "browse/picture_loader.h"
#include "browse/picture_loader_slots.h"
#include "formats/picture_fixtures.h"
#include "platform/prompt.h"
#include "slideshow/show_state.h"
#include "support/sandbox.h"

#include <QAction>
#include <QTimer>
#include <QDateTime>
#include <QFile>
#include <gtest/gtest.h>

using namespace fixtures;

namespace {

void setList(const QStringList& paths)
{
    TestState().session.PictureTable.assign(size_t(paths.size()) + 10, TPictureEntry());
    for (int i = 0; i < paths.size(); ++i)
        TestState().session.PictureTable[size_t(i)].FullPath = paths[i];
    TestState().session.PictureCount = int32_t(paths.size());
    TestState().session.PictureIndex = 0;
}

} // namespace

TEST(MainWindowPictureDisplay, LoadsTheCurrentEntryOrShowsTheErrorTitle)
{
    const QString dir = testsupport::freshDir("display");
    const QByteArray good = jpeg(320, 240);
    ASSERT_TRUE(testsupport::writeFile(dir + "/good.jpg", good));
    ASSERT_TRUE(testsupport::writeFile(dir + "/bad.jpg", good.left(200)));
    // Without an EXIF date the title gives the file's date.
    {
        QFile file(dir + "/good.jpg");
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 10)), QFileDevice::FileModificationTime));
    }
    setList({dir + "/good.jpg", dir + "/bad.jpg"});
    TestState().session.PlaybackActive = 1;
    TestState().session.ShowState = TShowState();
    TestState().session.ShowState.Direction = 0;

    MainWindow form(TestState());
    // The step lets no queued event run inside it (no second step can start there).
    bool ranInside = false;
    QMetaObject::invokeMethod(&form, [&ranInside] { ranInside = true; }, Qt::QueuedConnection);
    form.pictureDisplay()->DisplayCurrentPicture();
    EXPECT_FALSE(ranInside);
    testsupport::waitForPictureAnswers();
    EXPECT_TRUE(form.pictureDisplay()->displayState().LoadErrorKind.isEmpty());
    EXPECT_EQ(form.pictureDisplay()->displayState().CurrentPicturePath, dir + "/good.jpg");
    EXPECT_EQ(form.pictureSlot()->PictureSize(), QSize(320, 240));
    EXPECT_TRUE(form.actionNamed("SaveToolButton")->isEnabled());
    // The JPEG's status follows at once: title and the picture-loaded byte.
    EXPECT_EQ(form.windowTitle(), "good.jpg  - March 5, 2024,14:07");
    EXPECT_EQ(TestState().session.ShowState.PictureLoaded, 1);

    TestState().session.PictureIndex = 1;
    form.pictureDisplay()->DisplayCurrentPicture();
    testsupport::waitForPictureAnswers();
    EXPECT_EQ(form.pictureDisplay()->displayState().LoadErrorKind, "Invalid Graphic");
    EXPECT_EQ(form.windowTitle(), "Vistamo! :  Error occurred, File bad.jpg can not be opened, Invalid Graphic");
    EXPECT_FALSE(form.actionNamed("SaveToolButton")->isEnabled());
    TestState().session.PlaybackActive = 0;
}

TEST(MainWindowPictureDisplay, UnreadableShowEndsWithAMessageInsteadOfRecursing)
{
    const QString dir = testsupport::freshDir("unreadable");
    ASSERT_TRUE(testsupport::writeFile(dir + "/a.gif", "GIF89a broken"));
    ASSERT_TRUE(testsupport::writeFile(dir + "/b.bmp", "BM broken"));
    setList({dir + "/a.gif", dir + "/b.bmp"});
    TestState().session.PlaybackActive = 1;
    TestState().session.ShowState = TShowState();
    TestState().session.ShowState.SkipUnreadable = 1;
    TestState().session.ShowState.Direction = 1;

    MainWindow form(TestState());
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    form.pictureDisplay()->DisplayCurrentPicture();
    testsupport::waitForPictureAnswers();
    // The next step is queued on the interval timer, not taken from inside.
    EXPECT_TRUE(form.slideShow()->intervalTimer()->isActive());
    EXPECT_EQ(form.slideShow()->intervalTimer()->interval(), 0);
    EXPECT_TRUE(platform::promptLog().isEmpty());

    TestState().session.PictureIndex = 1;
    form.pictureDisplay()->DisplayCurrentPicture();
    testsupport::waitForPictureAnswers();
    ASSERT_FALSE(platform::promptLog().isEmpty());
    EXPECT_EQ(platform::promptLog().front().request.text, "Not a single picture could be loaded!");
    EXPECT_EQ(platform::promptLog().front().request.kind, platform::PromptKind::Information);
    TestState().session.PlaybackActive = 0;
}

TEST(MainWindowPictureDisplay, BookmarkItemsStayGreyed)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindow form(TestState());
    // The bookmark items are shown while a show runs; there are no
    // bookmarks here, so they stay greyed whatever the table holds.
    for (QAction* a :
         {form.actionNamed("AddBookMark"), form.actionNamed("RemoveBookmark"), form.actionNamed("GoToNextBookMark")})
        a->setVisible(true);
    Settings.Bookmarks = {};
    Settings.Bookmarks[0] = "/p/a.jpg";
    TestState().session.ShowState.BookmarkCount = 1;
    for (const char* shown : {"/p/a.jpg", "/p/other.jpg"}) {
        form.pictureDisplay()->SetBookmarkMenuState(QString::fromLatin1(shown));
        for (QAction* a :
             {form.actionNamed("AddBookMark"), form.actionNamed("RemoveBookmark"), form.actionNamed("GoToNextBookMark")})
            EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    }
    Settings.Bookmarks = {};
    TestState().session.ShowState.BookmarkCount = 0;
}
