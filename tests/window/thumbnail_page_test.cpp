// The thumbnail view in the assembled window: a folder of 30 pictures plays
// as pages of 12, cells are selected with real clicks, pages step on, the
// layout changes during the show (also from and back to the full-screen
// show) and a picture that can't be shown keeps its cell; ticked pictures
// are deleted to the Trash and moved with their voice files, the page
// packing the rest.
#include "base/picture_table.h"
#include "support/test_state.h"
#include "base/settings_record.h"
#include "app/main_window.h"
#include "browse/file_ops_controller.h"
#include "browse/fit_zoom.h"
#include "browse/page_state.h"
#include "browse/thumbnail_page_decode.h"
#include "platform/prompt.h"
#include "browse/thumbnail_page_section.h"
#include "shows/show_windows.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"
#include "support/main_window_fixture.h"
#include "support/test_state.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QThread>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>

using platform::PromptAnswer;
using platform::PromptReply;
using platform::PromptType;
using testsupport::MainWindowFixture;

namespace {

const QString kCaption12 = QStringLiteral("Vistamo!  Thumbnail view - 12 pictures per page - ");

// The pictures p01.jpg .. pNN.jpg of a new folder, all of one date: the
// default play order ("Date desc.", two-second steps) keeps them in folder
// order however long the writing takes.
QString makeFolder(MainWindowFixture& f, const QString& name, int count, const QStringList& broken = {})
{
    const QString folder = f.parentFolder() + QLatin1Char('/') + name;
    QDir().mkpath(folder);
    const Qt::GlobalColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::magenta, Qt::cyan};
    const QDateTime oneDate(QDate(2024, 6, 1), QTime(12, 0));
    for (int i = 1; i <= count; ++i) {
        const QString path = folder + QStringLiteral("/p%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
        if (broken.contains(QFileInfo(path).fileName())) {
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write("not a picture at all");
        } else {
            testsupport::writeJpeg(path, 200 + i, 150, colours[i % 6]);
        }
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(oneDate, QFileDevice::FileModificationTime))
            << path.toStdString();
    }
    return folder;
}

// A show steps on only when the test says so, however busy the machine.
void holdShowSteps(MainWindowFixture& f)
{
    TestState().session.ShowState.DefaultInterval = TestState().session.ShowState.CurrentInterval = 3600;
    for (QTimer* timer : {f.form()->slideShow()->intervalTimer(), f.showWindow() ? f.showWindow()->IntervalTimer.data() : nullptr})
        if (timer && timer->isActive())
            timer->start(3600 * 1000);
}

// Plays `folder` in the thumbnail view with `layout` and waits for the first page.
ThumbnailPageController* playAsPages(MainWindowFixture& f, const QString& folder, int layout)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    f.openFolder(folder);
    f.settle();
    Settings.PicturesPerPageIndex = QString::number(layout);
    Settings.IntervalIndex = 4;     // slow enough that no page steps on by itself during a test
    f.form()->actionNamed("TBGoSmall")->trigger();
    ThumbnailPageController* page = f.form()->thumbnailPage()->PageView;
    EXPECT_TRUE(f.waitFor([page] { return page->ThumbnailViewActive() && !page->State().PageLoading; }, 10000));
    holdShowSteps(f);
    return page;
}

// Calls `painted` when `widget` is painted.
class PaintSpy : public QObject {
public:
    PaintSpy(QWidget* widget, std::function<void()> painted) : m_painted(std::move(painted))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            m_painted();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_painted;
};

bool pageIdle(ThumbnailPageController* page) { return page->ThumbnailViewActive() && !page->State().PageLoading; }

// The run over the ticked pictures has ended: no copy runs, the window is
// enabled again.
bool tickedRunEnded(MainWindow* form)
{
    return form->isEnabled() && !FileOperationsController::Of(form)->CopyRunning();
}

QLineEdit* captionLine(ThumbnailPageController* page, int slot) { return page->View().slot(slot).caption; }

void clickCaption(MainWindowFixture& f, ThumbnailPageController* page, int slot, Qt::KeyboardModifiers mods = {})
{
    QLineEdit* line = captionLine(page, slot);
    f.click(line, line->rect().center(), Qt::LeftButton, mods);
    f.settle();
}

// Opens the page's pop-up with a right click on the slot's caption line and
// clicks the item.
void choosePopupItem(MainWindowFixture& f, ThumbnailPageController* page, int slot, QAction* item)
{
    QLineEdit* line = captionLine(page, slot);
    f.click(line, line->rect().center(), Qt::RightButton);
    QMenu* popup = f.form()->findChild<QMenu*>("RightClickTreeView");
    ASSERT_TRUE(f.waitFor([popup] { return popup->isVisible(); }));
    ASSERT_TRUE(item->isVisible());
    ASSERT_TRUE(item->isEnabled()) << item->objectName().toStdString();
    QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, popup->actionGeometry(item).center());
    f.settle();
}

QStringList captions(ThumbnailPageController* page)
{
    QStringList texts;
    for (int i = 0; i < page->View().count(); ++i)
        texts << captionLine(page, i)->text();
    return texts;
}

QString trashFiles()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash/files");
}

void writeVoice(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("RIFF voice of " + QFileInfo(path).baseName().toUtf8());
}

} // namespace

TEST(ThumbnailPage, ThirtyPicturesPlayAsPagesOfTwelveAndCellsAreSelectedByClicks)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindowFixture f;
    const QString folder = makeFolder(f, QStringLiteral("Thirty"), 30);
    ThumbnailPageController* page = playAsPages(f, folder, 7);   // "12 pictures (3 x 4)"
    MainWindow* form = f.form();
    ASSERT_EQ(page->State().count(), 12);
    EXPECT_EQ(TestState().session.PlaybackActive, 1);
    EXPECT_EQ(form->windowTitle(), kCaption12 + QStringLiteral("No pictures selected"));
    for (int i = 0; i < 12; ++i) {
        const PageSlotWidgets& w = page->View().slot(i);
        EXPECT_TRUE(MainWindowFixture::visible(w.cell)) << i;
        EXPECT_TRUE(w.image->isVisible()) << i;
        EXPECT_TRUE(w.checkBox->isEnabled()) << i;
        EXPECT_EQ(w.caption->text(), QStringLiteral("%1 - p%2.jpg").arg(i + 1).arg(i + 1, 2, 10, QLatin1Char('0')));
        EXPECT_EQ(w.firstButton->isVisible(), i >= 1) << i;
    }
    // Row by row: slot 1 is beside slot 0, slot 4 below it.
    EXPECT_EQ(page->View().slot(1).cell->y(), page->View().slot(0).cell->y());
    EXPECT_GT(page->View().slot(4).cell->y(), page->View().slot(0).cell->y());
    EXPECT_EQ(page->View().slot(4).cell->x(), page->View().slot(0).cell->x());
    for (QAction* a : {form->actionNamed("TBSelAll"), form->actionNamed("TBSelNone"), form->actionNamed("TBSelInvert")})
        EXPECT_TRUE(a->isVisible());

    // A plain click selects exactly the clicked cell, blue.
    clickCaption(f, page, 2);
    EXPECT_EQ(form->windowTitle(), kCaption12 + QStringLiteral("1 picture selected"));
    EXPECT_EQ(page->View().slot(2).cell->palette().color(QPalette::Window), QColor(Qt::blue));
    EXPECT_TRUE(page->View().slot(2).checkBox->isChecked());
    EXPECT_EQ(TestState().session.ShowState.Direction, 0) << "a click on a cell pauses the show";
    clickCaption(f, page, 3);
    EXPECT_EQ(page->TickedPictures(), QStringList{folder + QStringLiteral("/p04.jpg")});
    // Ctrl+click adds; Shift+click fills the run back to the nearest ticked cell.
    clickCaption(f, page, 6, Qt::ControlModifier);
    EXPECT_EQ(form->windowTitle(), kCaption12 + QStringLiteral("2 pictures selected"));
    clickCaption(f, page, 9, Qt::ShiftModifier);
    EXPECT_EQ(form->windowTitle(), kCaption12 + QStringLiteral("5 pictures selected"));
    EXPECT_NE(page->View().slot(5).cell->palette().color(QPalette::Window), QColor(Qt::blue));
    // A click on the check box itself toggles it alone.
    QCheckBox* box = page->View().slot(0).checkBox;
    f.click(box, box->rect().center());
    f.settle();
    EXPECT_EQ(form->windowTitle(), kCaption12 + QStringLiteral("6 pictures selected"));
    form->actionNamed("TBSelInvert")->trigger();
    EXPECT_EQ(form->windowTitle(), kCaption12 + QStringLiteral("6 pictures selected"));
    EXPECT_FALSE(page->View().slot(0).checkBox->isChecked());
    form->actionNamed("TBSelNone")->trigger();
    EXPECT_EQ(form->windowTitle(), kCaption12 + QStringLiteral("No pictures selected"));

    // The next page, then the last one (a wrap: 25..30, then 1..6).
    form->actionNamed("Forward1ToolButton")->trigger();
    ASSERT_TRUE(f.waitFor([page] { return pageIdle(page); }, 10000));
    EXPECT_EQ(captionLine(page, 0)->text(), QStringLiteral("13 - p13.jpg"));
    EXPECT_EQ(captionLine(page, 11)->text(), QStringLiteral("24 - p24.jpg"));
    ASSERT_TRUE(form->thumbnailPage()->PageBar);
    EXPECT_EQ(form->thumbnailPage()->PageBar->Bar().text, QStringLiteral("80 %     "));
    form->actionNamed("Backwards1ToolButton")->trigger();
    ASSERT_TRUE(f.waitFor([page] { return pageIdle(page); }, 10000));
    EXPECT_EQ(captionLine(page, 0)->text(), QStringLiteral("1 - p01.jpg"));

    // "first on this page": slot 4's picture leads, the page fills up after it.
    QToolButton* first = page->View().slot(4).firstButton;
    f.click(first, first->rect().center());
    ASSERT_TRUE(f.waitFor([page] { return pageIdle(page); }, 10000));
    EXPECT_EQ(captionLine(page, 0)->text(), QStringLiteral("5 - p05.jpg"));
    EXPECT_EQ(captionLine(page, 7)->text(), QStringLiteral("12 - p12.jpg"));
    EXPECT_EQ(captionLine(page, 8)->text(), QStringLiteral("13 - p13.jpg"));
    EXPECT_EQ(captionLine(page, 11)->text(), QStringLiteral("16 - p16.jpg"));

    // The layout menu during the show: the layout in effect can't be chosen;
    // a shrink keeps the first pictures, a grow continues after them.
    form->findChild<QMenu*>("MultiPop")->popup(QPoint(0, 0));
    f.settle();
    EXPECT_FALSE(form->actionNamed("M12")->isEnabled());
    EXPECT_TRUE(form->actionNamed("M6")->isEnabled());
    form->findChild<QMenu*>("MultiPop")->hide();
    form->actionNamed("M6")->trigger();   // "6 pictures (2 x 3)"
    ASSERT_TRUE(f.waitFor([page] { return pageIdle(page) && page->State().count() == 6; }, 10000));
    EXPECT_EQ(captionLine(page, 0)->text(), QStringLiteral("5 - p05.jpg"));
    EXPECT_EQ(captionLine(page, 5)->text(), QStringLiteral("10 - p10.jpg"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vistamo!  Thumbnail view - 6 pictures per page - No pictures selected"));
    form->findChild<QMenu*>("MultiPop")->popup(QPoint(0, 0));
    f.settle();
    EXPECT_FALSE(form->actionNamed("M6")->isEnabled());
    form->findChild<QMenu*>("MultiPop")->hide();
    form->actionNamed("M12")->trigger();
    ASSERT_TRUE(f.waitFor([page] { return pageIdle(page) && page->State().count() == 12; }, 10000));
    EXPECT_EQ(captionLine(page, 5)->text(), QStringLiteral("10 - p10.jpg"));
    EXPECT_EQ(captionLine(page, 6)->text(), QStringLiteral("11 - p11.jpg"));
    EXPECT_EQ(captionLine(page, 11)->text(), QStringLiteral("16 - p16.jpg"));
    EXPECT_EQ(Settings.PicturesPerPageIndex, QStringLiteral("7")) << "a layout chosen during a show is not stored";

    // Stop: the cells go, the browse view returns.
    form->actionNamed("ToolButton2")->trigger();
    ASSERT_TRUE(f.waitFor([] { return TestState().session.PlaybackActive == 0; }));
    EXPECT_EQ(page->State().count(), 0);
    EXPECT_EQ(page->View().count(), 0);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vistamo!"));
    EXPECT_FALSE(form->actionNamed("TBSelAll")->isVisible());
    // Without a show a layout choice is only stored.
    form->findChild<QMenu*>("MultiPop")->popup(QPoint(0, 0));
    f.settle();
    EXPECT_FALSE(form->actionNamed("M12")->isEnabled()) << "the stored choice is in effect";
    form->findChild<QMenu*>("MultiPop")->hide();
    form->actionNamed("M9")->trigger();
    EXPECT_EQ(Settings.PicturesPerPageIndex, QStringLiteral("5"));
    EXPECT_EQ(page->State().count(), 0);
}

TEST(ThumbnailPage, APictureThatCanNotBeShownKeepsItsCellAndMovesWithFirstOnPage)
{
    MainWindowFixture f;
    const QString folder = makeFolder(f, QStringLiteral("Broken"), 8, {QStringLiteral("p03.jpg")});
    ThumbnailPageController* page = playAsPages(f, folder, 3);   // "6 pictures (2 x 3)"
    ASSERT_EQ(page->State().count(), 6);
    const PageSlotWidgets& bad = page->View().slot(2);
    EXPECT_EQ(bad.frame->text(), QStringLiteral("Can not show picture "));
    EXPECT_FALSE(bad.checkBox->isEnabled());
    EXPECT_FALSE(bad.image->isVisible());
    EXPECT_EQ(bad.caption->text(), QStringLiteral("3 - p03.jpg"));
    // A click on it selects nothing.
    clickCaption(f, page, 2);
    EXPECT_TRUE(page->TickedPictures().isEmpty());
    // Slot 1 first: the broken picture moves to slot 1 with its state.
    QToolButton* first = page->View().slot(1).firstButton;
    f.click(first, first->rect().center());
    ASSERT_TRUE(f.waitFor([page] { return pageIdle(page); }, 10000));
    EXPECT_EQ(page->View().slot(1).frame->text(), QStringLiteral("Can not show picture "));
    EXPECT_FALSE(page->View().slot(1).checkBox->isEnabled());
    EXPECT_EQ(captionLine(page, 0)->text(), QStringLiteral("2 - p02.jpg"));
    EXPECT_EQ(captionLine(page, 5)->text(), QStringLiteral("7 - p07.jpg"));
    f.form()->actionNamed("ToolButton2")->trigger();
    ASSERT_TRUE(f.waitFor([] { return TestState().session.PlaybackActive == 0; }));
}

TEST(ThumbnailPage, AListThatFitsOnOnePageShowsAFullBarAndHidesTheRestOfTheCells)
{
    MainWindowFixture f;
    const QString folder = makeFolder(f, QStringLiteral("Few"), 4);
    ThumbnailPageController* page = playAsPages(f, folder, 3);
    ASSERT_EQ(page->State().count(), 6);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(page->View().slot(i).image->isVisible()) << i;
    for (int i = 4; i < 6; ++i) {
        EXPECT_FALSE(page->View().slot(i).image->isVisible()) << i;
        EXPECT_TRUE(captionLine(page, i)->text().isEmpty()) << i;
        EXPECT_FALSE(page->View().slot(i).checkBox->isEnabled()) << i;
    }
    // Nothing to step to: no first buttons, the bar is full.
    EXPECT_FALSE(page->View().slot(1).firstButton->isVisible());
    ASSERT_TRUE(f.form()->thumbnailPage()->PageBar);
    EXPECT_EQ(f.form()->thumbnailPage()->PageBar->Bar().text, QStringLiteral("100%   "));
    for (bool marked : f.form()->thumbnailPage()->PageBar->Bar().marked)
        EXPECT_TRUE(marked);
    // A click on a picture opens it full screen without selecting it; the
    // page comes back when the full view ends.
    QLabel* image = page->View().slot(1).image;
    f.click(image, image->rect().center());
    ASSERT_TRUE(f.waitFor([&] { return f.showWindow() && f.showWindow()->isVisible(); }));
    EXPECT_TRUE(page->TickedPictures().isEmpty());
    EXPECT_TRUE(page->ReturnToPagePending());
    ASSERT_TRUE(f.waitFor([&] { return MainWindowFixture::visible(f.showWindow()->StopButton); }));
    EXPECT_EQ(f.showWindow()->StopButton->toolTip(), QStringLiteral("Return to thumbnail view"));
    QTest::keyClick(f.showWindow(), Qt::Key_Escape);
    ASSERT_TRUE(f.waitFor([&] { return !f.showWindow()->isVisible() && !page->ReturnToPagePending(); }));
    f.settle();
    EXPECT_EQ(f.form()->windowTitle(),
              QStringLiteral("Vistamo!  Thumbnail view - 6 pictures per page - No pictures selected"));
    EXPECT_TRUE(page->View().slot(1).image->isVisible());
    // "Resume slide show in full screen mode starting with selected picture".
    clickCaption(f, page, 2);
    f.form()->actionNamed("ResumeInFull")->setEnabled(true);
    f.form()->actionNamed("ResumeInFull")->trigger();
    ASSERT_TRUE(f.waitFor([&] { return f.showWindow() && f.showWindow()->isVisible(); }));
    EXPECT_EQ(f.showWindow()->CurrentPicture(), folder + QStringLiteral("/p03.jpg"));
    EXPECT_FALSE(page->ThumbnailViewActive());
    EXPECT_EQ(TestState().session.PlaybackActive, 1);
    f.form()->actionNamed("ToolButton2")->trigger();
    ASSERT_TRUE(f.waitFor([] { return TestState().session.PlaybackActive == 0; }));
}

TEST(ThumbnailPage, EscapeWithTheFocusOnACheckBoxEndsThePageShow)
{
    MainWindowFixture f;
    const QString folder = makeFolder(f, QStringLiteral("Focus"), 8);
    ThumbnailPageController* page = playAsPages(f, folder, 3);
    f.form()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.form()));
    QCheckBox* box = page->View().slot(1).checkBox;
    f.click(box, box->rect().center());
    box->setFocus();
    f.settle();
    ASSERT_TRUE(box->hasFocus());
    // The ticked cell is blue round its caption line; the check box inside
    // the line keeps the line's colour.
    const PageSlotWidgets& ticked = page->View().slot(1);
    const QImage cell = ticked.cell->grab().toImage();
    EXPECT_EQ(cell.pixelColor(ticked.caption->geometry().topLeft()), QColor(Qt::blue));
    EXPECT_EQ(cell.pixelColor(ticked.checkBox->geometry().bottomRight()), QColor(0xB9, 0xD3, 0xEE));
    // The key is on its way to the check box when ending the show frees the
    // cells, the check box among them.
    QTest::keyClick(box, Qt::Key_Escape);
    ASSERT_TRUE(f.waitFor([] { return TestState().session.PlaybackActive == 0; }));
    EXPECT_FALSE(page->ThumbnailViewActive());
    EXPECT_TRUE(f.form()->treeView()->isVisible());

    // The next page view starts clean: nothing ticked or blue, each cell
    // with the new page's picture and caption.
    const QString other = makeFolder(f, QStringLiteral("Other"), 3);
    page = playAsPages(f, other, 3);
    ASSERT_EQ(page->State().count(), 6);
    for (int i = 0; i < 6; ++i) {
        const PageSlotWidgets& w = page->View().slot(i);
        EXPECT_FALSE(w.checkBox->isChecked()) << i;
        EXPECT_NE(w.cell->palette().color(QPalette::Window), QColor(Qt::blue)) << i;
        EXPECT_EQ(w.image->isVisible(), i < 3) << i;
        EXPECT_EQ(w.caption->text(), i < 3 ? QStringLiteral("%1 - p0%1.jpg").arg(i + 1) : QString()) << i;
    }
    f.form()->actionNamed("ToolButton2")->trigger();
    ASSERT_TRUE(f.waitFor([] { return TestState().session.PlaybackActive == 0; }));
}

TEST(ThumbnailPage, ThreeTickedPicturesGoToTheTrashAndTheRestPacksWithoutReloading)
{
    MainWindowFixture f;
    const QString folder = makeFolder(f, QStringLiteral("Fifteen"), 15);
    writeVoice(folder + QStringLiteral("/p05.wav"));
    ThumbnailPageController* page = playAsPages(f, folder, 7);   // 12 a page
    ASSERT_EQ(page->State().count(), 12);
    MainWindow* form = f.form();
    std::atomic<int> decodes{0};   // counted on the workers
    page->Decode = [&decodes](const PageDecodeRequest& r) {
        ++decodes;
        return DecodePageCell(r);
    };
    clickCaption(f, page, 1);
    clickCaption(f, page, 4, Qt::ControlModifier);
    clickCaption(f, page, 8, Qt::ControlModifier);
    ASSERT_EQ(form->windowTitle(), kCaption12 + QStringLiteral("3 pictures selected"));

    // The first prompt is answered Yes, the second All (the third is not
    // asked); the voice file of p05 goes along.
    QStringList asked;
    bool enabledWhileAsked = false;
    platform::ScopedPromptResponder answers([&](const platform::PromptRequest& r) {
        asked << r.text;
        enabledWhileAsked = enabledWhileAsked || form->isEnabled();
        if (r.title == QLatin1String("Voice file detected (.wav)"))
            return PromptReply::button(PromptAnswer::Yes);
        return PromptReply::button(asked.size() == 1 ? PromptAnswer::Yes : PromptAnswer::All);
    });
    choosePopupItem(f, page, 8, form->actionNamed("RecycleBin"));
    ASSERT_TRUE(f.waitFor([page] { return pageIdle(page); }, 10000));
    f.settle();

    const QString note = QStringLiteral(" ?\r\n\r\n(Deletions of files stored on fixed drives will be send to the Recycle Bin)");
    EXPECT_EQ(asked, (QStringList{QStringLiteral("Delete p02.jpg") + note, QStringLiteral("Delete p05.jpg") + note,
                                  folder + QStringLiteral("/p05.wav")}));
    EXPECT_FALSE(enabledWhileAsked) << "the window stays disabled for the whole run";
    for (const QString name : {"p02.jpg", "p05.jpg", "p05.wav", "p09.jpg"}) {
        EXPECT_FALSE(QFileInfo::exists(folder + QLatin1Char('/') + name)) << name.toStdString();
        EXPECT_TRUE(QFileInfo::exists(trashFiles() + QLatin1Char('/') + name)) << name.toStdString();
    }
    EXPECT_EQ(QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files).size(), 12);

    // The kept pictures moved up with their images; only the three freed
    // slots at the end were filled (from the pictures after the page).
    EXPECT_EQ(captions(page), (QStringList{"1 - p01.jpg", "2 - p03.jpg", "3 - p04.jpg", "4 - p06.jpg", "5 - p07.jpg",
                                           "6 - p08.jpg", "7 - p10.jpg", "8 - p11.jpg", "9 - p12.jpg",
                                           "10 - p13.jpg", "11 - p14.jpg", "12 - p15.jpg"}));
    EXPECT_EQ(decodes, 3);
    for (int i = 0; i < 12; ++i) {
        EXPECT_TRUE(page->View().slot(i).image->isVisible()) << i;
        EXPECT_FALSE(page->View().slot(i).checkBox->isChecked()) << i;
        EXPECT_TRUE(page->View().slot(i).checkBox->isEnabled()) << i;
        EXPECT_EQ(page->State().cell(i).path, folder + QLatin1Char('/') + captionLine(page, i)->text().section(" - ", 1))
            << i;
    }
    // p03 took p02's cell with p03's own image: its colour is p03's.
    const QImage moved = page->View().slot(1).image->pixmap().toImage();
    ASSERT_FALSE(moved.isNull());
    EXPECT_EQ(moved.pixelColor(moved.width() / 2, moved.height() / 2).rgb() & 0xF0F0F0u,
              QColor(Qt::yellow).rgb() & 0xF0F0F0u);
    EXPECT_EQ(form->windowTitle(), kCaption12 + QStringLiteral("No pictures selected"));
    EXPECT_EQ(page->PicturesLeft(), 12);
    EXPECT_TRUE(form->isEnabled());
    ASSERT_TRUE(form->thumbnailPage()->PageBar);
    EXPECT_EQ(form->thumbnailPage()->PageBar->Bar().text, QStringLiteral("100%   "));

    // A Trash that can't be made (a file stands where its folder belongs)
    // refuses both deletions: the files and the page stay as they were.
    const QString trash = QFileInfo(trashFiles()).path();
    QDir(trash).removeRecursively();
    QFile blocker(trash);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    clickCaption(f, page, 0);
    clickCaption(f, page, 1, Qt::ControlModifier);
    asked.clear();
    decodes = 0;
    QToolButton* bin = qobject_cast<QToolButton*>(
        form->toolBars().ToolBar1()->widgetForAction(form->actionNamed("RecycleBinToolButton")));
    ASSERT_TRUE(bin && bin->isEnabled());
    f.click(bin, bin->rect().center());
    f.settle();
    // (The responder answers the first prompt Yes again, so p03 is asked too.)
    const QString failed = QStringLiteral("File could not be deleted\r\n") + folder;
    ASSERT_EQ(asked.size(), 4);
    EXPECT_EQ(asked[0], QStringLiteral("Delete p01.jpg") + note);
    EXPECT_TRUE(asked[1].startsWith(failed + QStringLiteral("/p01.jpg: The Trash "))) << asked[1].toStdString();
    EXPECT_EQ(asked[2], QStringLiteral("Delete p03.jpg") + note);
    EXPECT_TRUE(asked[3].startsWith(failed + QStringLiteral("/p03.jpg: "))) << asked[3].toStdString();
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/p01.jpg")));
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/p03.jpg")));
    EXPECT_EQ(captionLine(page, 0)->text(), QStringLiteral("1 - p01.jpg"));
    EXPECT_EQ(captionLine(page, 1)->text(), QStringLiteral("2 - p03.jpg"));
    EXPECT_EQ(decodes, 0);
    EXPECT_EQ(form->windowTitle(), kCaption12 + QStringLiteral("2 pictures selected"));
    EXPECT_TRUE(form->isEnabled());
    QFile::remove(trash);
    form->actionNamed("ToolButton2")->trigger();
    ASSERT_TRUE(f.waitFor([] { return TestState().session.PlaybackActive == 0; }));
}

TEST(ThumbnailPage, TickedPicturesMoveWithTheirVoiceFilesUntilADialogIsCancelled)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindowFixture f;
    const QString folder = makeFolder(f, QStringLiteral("Moving"), 8);
    const QString other = f.parentFolder() + QStringLiteral("/Elsewhere");
    QDir().mkpath(other);
    for (const char* voice : {"/p02.wav", "/p03.wav", "/p04.wav"})
        writeVoice(folder + QLatin1String(voice));
    ThumbnailPageController* page = playAsPages(f, folder, 3);   // 6 a page
    ASSERT_EQ(page->State().count(), 6);
    MainWindow* form = f.form();
    clickCaption(f, page, 1);
    for (int slot : {2, 3, 4})
        clickCaption(f, page, slot, Qt::ControlModifier);

    // Two targets are chosen; the third dialog is cancelled, which ends the
    // run: the fourth picture is never offered.
    QList<platform::PromptRequest> dialogs;
    platform::ScopedPromptResponder answers([&](const platform::PromptRequest& r) {
        if (r.type != PromptType::SaveFile)
            return platform::defaultReply(r);
        dialogs << r;
        return dialogs.size() <= 2 ? PromptReply::ok(other + QLatin1Char('/') + r.value) : PromptReply::cancel();
    });
    choosePopupItem(f, page, 1, form->actionNamed("Move"));
    ASSERT_TRUE(f.waitFor([form] { return tickedRunEnded(form); }, 10000));
    ASSERT_TRUE(f.waitFor([page] { return pageIdle(page); }, 10000));
    f.settle();

    ASSERT_EQ(dialogs.size(), 3);
    EXPECT_EQ(dialogs[0].title, QStringLiteral("Move to"));
    EXPECT_EQ(dialogs[0].value, QStringLiteral("p02.jpg"));
    EXPECT_EQ(dialogs[2].value, QStringLiteral("p04.jpg"));
    for (const QString name : {"p02.jpg", "p02.wav", "p03.jpg", "p03.wav"}) {
        EXPECT_TRUE(QFileInfo::exists(other + QLatin1Char('/') + name)) << name.toStdString();
        EXPECT_FALSE(QFileInfo::exists(folder + QLatin1Char('/') + name)) << name.toStdString();
    }
    // The cancelled picture and the one after it stay, with the voice file.
    for (const QString name : {"p04.jpg", "p04.wav", "p05.jpg"})
        EXPECT_TRUE(QFileInfo::exists(folder + QLatin1Char('/') + name)) << name.toStdString();
    EXPECT_EQ(Settings.LastCopyTarget, other);

    EXPECT_EQ(captions(page), (QStringList{"1 - p01.jpg", "2 - p04.jpg", "3 - p05.jpg", "4 - p06.jpg", "5 - p07.jpg",
                                           "6 - p08.jpg"}));
    // The two pictures not reached keep their ticks.
    EXPECT_TRUE(page->View().slot(1).checkBox->isChecked());
    EXPECT_TRUE(page->View().slot(2).checkBox->isChecked());
    EXPECT_EQ(form->windowTitle(),
              QStringLiteral("Vistamo!  Thumbnail view - 6 pictures per page - 2 pictures selected"));
    EXPECT_EQ(page->PicturesLeft(), 6);

    // Save on the page copies the first ticked picture and unticks it.
    clickCaption(f, page, 0);
    {
        platform::ScopedPromptResponder target([&](const platform::PromptRequest& r) {
            return r.type == PromptType::SaveFile ? PromptReply::ok(other + QStringLiteral("/copy.jpg"))
                                                  : platform::defaultReply(r);
        });
        choosePopupItem(f, page, 0, form->actionNamed("Save"));
        ASSERT_TRUE(f.waitFor([form] { return tickedRunEnded(form); }, 10000));
    }
    EXPECT_TRUE(QFileInfo::exists(other + QStringLiteral("/copy.jpg")));
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/p01.jpg")));
    EXPECT_FALSE(page->View().slot(0).checkBox->isChecked());
    EXPECT_EQ(captionLine(page, 0)->text(), QStringLiteral("1 - p01.jpg"));

    // Rename on the page: the picture of the one ticked cell, its caption
    // keeps its number; the voice file follows.
    clickCaption(f, page, 1);
    platform::ScopedPromptResponder name([](const platform::PromptRequest& r) {
        return r.type == PromptType::Input ? PromptReply::ok(QStringLiteral("Harbour")) : platform::defaultReply(r);
    });
    choosePopupItem(f, page, 1, form->actionNamed("Rename"));
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/Harbour.jpg")));
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/Harbour.wav")));
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/p04.jpg")));
    EXPECT_EQ(captionLine(page, 1)->text(), QStringLiteral("2 - Harbour.jpg"));
    EXPECT_EQ(page->State().cell(1).path, folder + QStringLiteral("/Harbour.jpg"));
    form->actionNamed("ToolButton2")->trigger();
    ASSERT_TRUE(f.waitFor([] { return TestState().session.PlaybackActive == 0; }));
}

TEST(ThumbnailPage, APageLayoutChosenDuringAFullScreenShowGoesOnAsPagesAndLayoutZeroGoesBack)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindowFixture f;
    const QString folder = makeFolder(f, QStringLiteral("Twenty"), 20);
    MainWindow* form = f.form();
    ThumbnailPageController* page = form->thumbnailPage()->PageView;
    f.openFolder(folder);
    f.settle();
    Settings.PicturesPerPageIndex = QStringLiteral("7");
    Settings.IntervalIndex = 4;
    form->actionNamed("ToolButton1")->trigger();
    ASSERT_TRUE(f.waitFor([&] { return f.showWindow() && f.showWindow()->isVisible() && TestState().session.PlaybackActive == 1; }));
    holdShowSteps(f);
    EXPECT_FALSE(page->ThumbnailViewActive());
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(f.showWindow(), Qt::Key_Right);
    const QString fifth = folder + QStringLiteral("/p05.jpg");
    ASSERT_TRUE(f.waitFor([&] { return f.showWindow()->CurrentPicture() == fifth; }));
    ASSERT_NE(TestState().session.ShowState.Direction, 0) << "the show still advances";

    // The layout menu of the main window: the single display is in effect.
    const auto menuItem = [form](const char* name) {
        for (QAction* a : form->findChild<QMenu*>("MultiPop")->actions())
            if (a->objectName() == QLatin1String(name))
                return a;
        return static_cast<QAction*>(nullptr);
    };
    const auto choose = [&](const char* name) {
        form->actionNamed("TBNrOfThumbs")->trigger();
        ASSERT_TRUE(f.waitFor([form] { return form->findChild<QMenu*>("MultiPop")->isVisible(); }));
        QAction* item = menuItem(name);
        ASSERT_TRUE(item);
        ASSERT_TRUE(item->isEnabled()) << name;
        QTest::mouseClick(form->findChild<QMenu*>("MultiPop"), Qt::LeftButton, {},
                          form->findChild<QMenu*>("MultiPop")->actionGeometry(item).center());
        f.settle();
    };
    form->actionNamed("TBNrOfThumbs")->trigger();
    ASSERT_TRUE(f.waitFor([form] { return form->findChild<QMenu*>("MultiPop")->isVisible(); }));
    EXPECT_EQ(TestState().session.ShowState.Direction, 0) << "the layout menu pauses the show";
    EXPECT_FALSE(menuItem("M1")->isEnabled());
    EXPECT_TRUE(menuItem("M12")->isEnabled()) << "the stored choice is not the layout in effect";
    form->findChild<QMenu*>("MultiPop")->hide();
    // A cut-out of the paused picture, zoomed with the wheel; then the show
    // goes on.
    QLabel* shown = f.showWindow()->Image1->isVisible() ? f.showWindow()->Image1 : f.showWindow()->Image2;
    f.drag(shown, shown->rect().center() - QPoint(60, 40), shown->rect().center() + QPoint(60, 40));
    ASSERT_GE(TestState().session.CutOutCount, 1);
    QWheelEvent turn(QPointF(f.showWindow()->rect().center()), QPointF(f.showWindow()->mapToGlobal(f.showWindow()->rect().center())), QPoint(),
                     QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(f.showWindow(), &turn);
    ASSERT_GT(TestState().session.ZoomFactor, 0);
    QTest::keyClick(f.showWindow(), Qt::Key_Space);
    ASSERT_NE(TestState().session.ShowState.Direction, 0);

    // "6 pictures (2 x 3)": the full-screen window closes, the main window
    // shows a page from the picture shown on, paused.
    choose("M6");
    ASSERT_TRUE(f.waitFor([page] { return pageIdle(page); }, 10000));
    EXPECT_FALSE(f.showWindow()->isVisible());
    EXPECT_EQ(TestState().session.CutOutCount, 0) << "the cut-out and its zoom go with the full-screen window";
    EXPECT_EQ(TestState().session.ZoomFactor, 0);
    ASSERT_EQ(page->State().count(), 6);
    EXPECT_EQ(captionLine(page, 0)->text(), QStringLiteral("5 - p05.jpg"));
    EXPECT_EQ(captionLine(page, 5)->text(), QStringLiteral("10 - p10.jpg"));
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(MainWindowFixture::visible(page->View().slot(i).image)) << i;
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vistamo!  Thumbnail view - 6 pictures per page - No pictures selected"));
    EXPECT_EQ(TestState().session.ShowState.Direction, 0);
    EXPECT_EQ(form->statusPanels()->panel1()->text(), QStringLiteral("Show paused"));
    EXPECT_FALSE(form->slideShow()->intervalTimer()->isActive()) << "no page steps on by itself";
    EXPECT_TRUE(MainWindowFixture::visible(form->thumbnailPage()->PageBackdrop));
    for (QAction* a : {form->actionNamed("TBSelAll"), form->actionNamed("TBSelNone"), form->actionNamed("TBSelInvert")})
        EXPECT_TRUE(a->isVisible());
    EXPECT_EQ(Settings.PicturesPerPageIndex, QStringLiteral("7")) << "a layout chosen during a show is not stored";
    EXPECT_EQ(TestState().session.PlaybackActive, 1);
    // Space continues the page show (no step by hand while it advances);
    // paused again, the play order goes on after the page.
    // (The keyboard hook takes one key action at a time.)
    ASSERT_TRUE(f.waitFor([form] { return !form->input()->hookHandledTimer()->isActive(); }));
    QTest::keyClick(form, Qt::Key_Space);
    EXPECT_EQ(TestState().session.ShowState.Direction, 1);
    EXPECT_TRUE(form->slideShow()->intervalTimer()->isActive());
    EXPECT_FALSE(form->actionNamed("Forward1ToolButton")->isEnabled());
    form->actionNamed("ManualModeToolButton")->trigger();
    form->actionNamed("Forward1ToolButton")->trigger();
    ASSERT_TRUE(f.waitFor([page] { return pageIdle(page); }, 10000));
    EXPECT_EQ(captionLine(page, 0)->text(), QStringLiteral("11 - p11.jpg"));
    EXPECT_EQ(TestState().session.ShowState.Direction, 0);

    // Layout 0: back to the single display at the page's first picture, paused.
    choose("M1");
    ASSERT_TRUE(f.waitFor([&] { return f.showWindow()->isVisible(); }));
    EXPECT_FALSE(page->ThumbnailViewActive());
    EXPECT_EQ(f.showWindow()->CurrentPicture(), folder + QStringLiteral("/p11.jpg"));
    EXPECT_EQ(TestState().session.ShowState.ShownNumber, 11);
    EXPECT_TRUE(f.showWindow()->Paused());
    EXPECT_FALSE(form->actionNamed("TBSelAll")->isVisible());
    // It goes on in the same order.
    QTest::keyClick(f.showWindow(), Qt::Key_Right);
    ASSERT_TRUE(f.waitFor([&] { return f.showWindow()->CurrentPicture() == folder + QStringLiteral("/p12.jpg"); }));
    QTest::keyClick(f.showWindow(), Qt::Key_Escape);
    ASSERT_TRUE(f.waitFor([] { return TestState().session.PlaybackActive == 0; }));
    EXPECT_EQ(page->State().count(), 0);
}

TEST(ThumbnailPage, APausedPageShowIsSteppedByHandAndAKeyOfAMenuStaysWithTheMenu)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindowFixture f;
    const QString folder = makeFolder(f, QStringLiteral("ByHand"), 30);
    MainWindow* form = f.form();
    ASSERT_EQ(Settings.ThumbManualMode, 1) << "the thumbnail view starts in manual mode by default";
    // A stored layout outside the list plays the default "6 pictures (2 x 3)".
    ThumbnailPageController* page = playAsPages(f, folder, 31);
    ASSERT_EQ(page->State().count(), 6);
    EXPECT_EQ(TestState().session.ShowState.Direction, 0);
    EXPECT_FALSE(form->slideShow()->intervalTimer()->isActive()) << "started in manual mode, nothing steps by itself";
    EXPECT_EQ(form->statusPanels()->panel1()->text(), QStringLiteral("Show paused"));
    const auto button = [form](QAction* a) { return form->toolBars().ToolBar1()->widgetForAction(a); };
    for (QAction* a : {form->actionNamed("Forward1ToolButton"), form->actionNamed("Backwards1ToolButton"),
                       form->actionNamed("ShowForwardToolButton"), form->actionNamed("ToolButton2")}) {
        ASSERT_TRUE(button(a) && MainWindowFixture::visible(button(a))) << a->objectName().toStdString();
        EXPECT_TRUE(button(a)->isEnabled()) << a->objectName().toStdString();
    }
    EXPECT_TRUE(MainWindowFixture::visible(button(form->actionNamed("ManualModeToolButton"))));
    EXPECT_FALSE(form->actionNamed("ManualModeToolButton")->isEnabled()) << "already paused";
    const auto keyWhenFree = [&f, form](QWidget* target, int key) {
        ASSERT_TRUE(f.waitFor([form] { return !form->input()->hookHandledTimer()->isActive(); }));
        QTest::keyClick(target, Qt::Key(key));
        f.settle();
    };

    // The arrow keys step a page on and back.
    keyWhenFree(form, Qt::Key_Right);
    ASSERT_TRUE(f.waitFor([page] { return pageIdle(page); }, 10000));
    EXPECT_EQ(captionLine(page, 0)->text(), QStringLiteral("7 - p07.jpg"));
    // The Show menu's "1 Picture/Page forward".
    form->findChild<QMenu*>("Show")->popup(QPoint(0, 0));
    ASSERT_TRUE(f.waitFor([form] { return form->findChild<QMenu*>("Show")->isVisible(); }));
    ASSERT_TRUE(form->actionNamed("PictureForward")->isEnabled());
    QTest::mouseClick(form->findChild<QMenu*>("Show"), Qt::LeftButton, {},
                      form->findChild<QMenu*>("Show")->actionGeometry(form->actionNamed("PictureForward")).center());
    ASSERT_TRUE(f.waitFor([page] { return pageIdle(page) && captionLine(page, 0)->text() == "13 - p13.jpg"; }, 10000));
    keyWhenFree(form, Qt::Key_Left);
    ASSERT_TRUE(f.waitFor([page] { return pageIdle(page) && captionLine(page, 0)->text() == "7 - p07.jpg"; }, 10000));
    EXPECT_EQ(TestState().session.ShowState.Direction, 0);

    // "Show Forward" goes on by itself (no step by hand then); "Manual Mode"
    // pauses again.
    form->actionNamed("ShowForwardToolButton")->trigger();
    EXPECT_EQ(TestState().session.ShowState.Direction, 1);
    EXPECT_TRUE(form->slideShow()->intervalTimer()->isActive());
    EXPECT_FALSE(form->actionNamed("Forward1ToolButton")->isEnabled());
    EXPECT_FALSE(form->actionNamed("ShowForwardToolButton")->isEnabled());
    EXPECT_TRUE(form->actionNamed("ManualModeToolButton")->isEnabled());
    form->actionNamed("ManualModeToolButton")->trigger();
    EXPECT_EQ(TestState().session.ShowState.Direction, 0);
    EXPECT_TRUE(form->actionNamed("Forward1ToolButton")->isEnabled());

    // With the show list window open, a layout change gives its automatic
    // advance the stored setting.
    ShowManagerWindow* manager = form->showManager();
    ASSERT_TRUE(manager);
    manager->show();
    EXPECT_FALSE(manager->AutoAdvanceCB->isEnabled());
    form->actionNamed("M12")->trigger();   // 12 a page
    ASSERT_TRUE(f.waitFor([page] { return pageIdle(page) && page->State().count() == 12; }, 10000));
    EXPECT_TRUE(manager->AutoAdvanceCB->isEnabled());
    EXPECT_EQ(manager->AutoAdvanceCB->isChecked(), Settings.SyncAutoAdvance == 1);
    manager->hide();

    // Escape closes the layout menu, a cell's pop-up and a menu-bar menu;
    // the show goes on.
    form->actionNamed("TBNrOfThumbs")->trigger();
    ASSERT_TRUE(f.waitFor([form] { return form->findChild<QMenu*>("MultiPop")->isVisible(); }));
    keyWhenFree(form->findChild<QMenu*>("MultiPop"), Qt::Key_Escape);
    EXPECT_FALSE(form->findChild<QMenu*>("MultiPop")->isVisible());
    QLineEdit* line = captionLine(page, 1);
    f.click(line, line->rect().center(), Qt::RightButton);
    ASSERT_TRUE(f.waitFor([form] { return form->findChild<QMenu*>("RightClickTreeView")->isVisible(); }));
    keyWhenFree(form->findChild<QMenu*>("RightClickTreeView"), Qt::Key_Escape);
    EXPECT_FALSE(form->findChild<QMenu*>("RightClickTreeView")->isVisible());
    form->findChild<QMenu*>("Show")->popup(QPoint(0, 0));
    ASSERT_TRUE(f.waitFor([form] { return form->findChild<QMenu*>("Show")->isVisible(); }));
    keyWhenFree(form->findChild<QMenu*>("Show"), Qt::Key_Escape);
    EXPECT_FALSE(form->findChild<QMenu*>("Show")->isVisible());
    EXPECT_EQ(TestState().session.PlaybackActive, 1);
    EXPECT_TRUE(pageIdle(page));
    EXPECT_EQ(captionLine(page, 0)->text(), QStringLiteral("7 - p07.jpg"));

    // A cell's pop-up: the edit programs' submenu opens only with a program
    // in it, a page of pictures offers no video program, and the cell's
    // picture itself goes to the clipboard.
    QGuiApplication::clipboard()->clear();
    choosePopupItem(f, page, 1, form->actionNamed("PictureToClipboradPop"));
    bool anyEdit = false;
    for (const char* name : {"Raunch0", "Raunch1", "Raunch2", "Raunch3", "Raunch4"}) {
        const QAction* a = form->actionNamed(name);
        anyEdit = anyEdit || (a->isVisible() && a->isEnabled());
    }
    EXPECT_EQ(form->findChild<QMenu*>("RaunchEditProgram")->menuAction()->isEnabled(), anyEdit);
    EXPECT_FALSE(form->findChild<QMenu*>("LaunchVideoProgram")->menuAction()->isVisible());
    ASSERT_TRUE(f.waitFor([] { return !QGuiApplication::clipboard()->image().isNull(); }));
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QImageReader(page->State().cell(1).path).size());
    // Without a menu open, Escape ends the show.
    keyWhenFree(form, Qt::Key_Escape);
    ASSERT_TRUE(f.waitFor([] { return TestState().session.PlaybackActive == 0; }));
    EXPECT_FALSE(MainWindowFixture::visible(button(form->actionNamed("Forward1ToolButton"))));
}

TEST(ThumbnailPage, CellsShowTheirOwnCaptionWhileLoadingAndAGrownCellGetsItsPictureAtItsSize)
{
    MainWindowFixture f;
    // Six large pictures, one with a long name, all of one date (folder order).
    const QString folder = f.parentFolder() + QStringLiteral("/Large");
    const QStringList names{"p1.jpg", "p2.jpg", "p3.jpg", "p4.jpg", "p5.jpg",
                            "p6 taken from the harbour wall at dawn before the boats went out.jpg"};
    const QDateTime oneDate(QDate(2024, 6, 1), QTime(12, 0));
    for (const QString& name : names) {
        ASSERT_TRUE(testsupport::writeJpeg(folder + QLatin1Char('/') + name, 1600, 1200, Qt::darkGreen));
        QFile file(folder + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(oneDate, QFileDevice::FileModificationTime));
    }
    ThumbnailPageController* page = playAsPages(f, folder, 12);   // 24 a page: the list fits
    MainWindow* form = f.form();
    ASSERT_EQ(page->State().count(), 24);
    const int last = TestState().session.PictureIndex;
    EXPECT_EQ(TestState().session.ShowState.ShownNumber, 6);

    // Growing a page that holds the whole list leaves the cursor on its last picture.
    form->actionNamed("M77")->trigger();   // "77 pictures (7 x 11)"
    ASSERT_TRUE(f.waitFor([page] { return pageIdle(page) && page->State().count() == 77; }, 10000));
    EXPECT_EQ(TestState().session.PictureIndex, last);
    EXPECT_EQ(TestState().session.ShowState.ShownNumber, 6);

    // Shrunk to 4: the kept cells, much larger now, get their pictures
    // decoded again at their size instead of the small ones stretched.
    const QSize small = page->View().Picture(0).size();
    form->actionNamed("M4")->trigger();    // "4 pictures (2 x 2)"
    ASSERT_TRUE(f.waitFor([page] { return pageIdle(page) && page->State().count() == 4; }, 10000));
    ASSERT_TRUE(f.waitFor([page] {
        for (int i = 0; i < 4; ++i)
            if (page->View().Picture(i).width() < page->View().slot(i).image->width()
                || page->View().Picture(i).height() < page->View().slot(i).image->height())
                return false;
        return true;
    }, 10000));
    EXPECT_LT(small.width(), page->View().slot(0).image->width()) << "the old picture was smaller than the cell";
    EXPECT_EQ(captionLine(page, 3)->text(), QStringLiteral("4 - p4.jpg"));

    // The next page; its second cell (the long name) waits for its picture
    // while the first one is shown: it has no caption yet, not the one of
    // the page before, and the shown cell is not greyed.
    std::atomic<bool> gate{false};
    page->Decode = [&gate](const PageDecodeRequest& r) {
        while (r.path.contains(QLatin1String("harbour")) && !gate.load())
            QThread::msleep(5);
        return DecodePageCell(r);
    };
    // A page that is slow to fill shows its loading cells once the short
    // time it holds its painting is up.
    bool loadingPainted = false;
    PaintSpy spy(page->View().slot(1).frame, [&] {
        loadingPainted = loadingPainted || page->View().slot(1).frame->text() == QStringLiteral("Loading.........");
    });
    form->actionNamed("Forward1ToolButton")->trigger();
    ASSERT_TRUE(f.waitFor([page] { return page->View().slot(0).image->isVisible(); }, 10000));
    ASSERT_TRUE(f.waitFor([&] { return loadingPainted; }, 10000));
    EXPECT_TRUE(page->State().PageLoading);
    EXPECT_EQ(captionLine(page, 0)->text(), QStringLiteral("5 - p5.jpg"));
    EXPECT_TRUE(page->View().slot(0).image->isEnabled()) << "a shown picture is not greyed";
    EXPECT_TRUE(captionLine(page, 0)->isEnabled());
    EXPECT_TRUE(captionLine(page, 1)->text().isEmpty());
    EXPECT_EQ(page->View().slot(1).frame->text(), QStringLiteral("Loading........."));
    // A click on a cell while the page loads selects nothing.
    clickCaption(f, page, 0);
    EXPECT_TRUE(page->TickedPictures().isEmpty());
    gate = true;
    ASSERT_TRUE(f.waitFor([page] { return pageIdle(page); }, 10000));
    page->Decode = DecodePageCell;

    // The long caption leaves out its middle: its number and extension show
    // whole before the tick box. A click at its end selects the cell and
    // keeps the caption's start in view.
    QLineEdit* line = captionLine(page, 1);
    ASSERT_TRUE(line->text().startsWith(QStringLiteral("6 - p6 ")));
    EXPECT_TRUE(line->text().endsWith(QStringLiteral(" went out.jpg")) || line->text().endsWith(QStringLiteral("out.jpg")))
        << line->text().toStdString();
    EXPECT_TRUE(line->text().contains(QChar(0x2026))) << line->text().toStdString();
    f.click(line, QPoint(line->width() - 24, line->height() / 2));
    EXPECT_EQ(page->TickedPictures().size(), 1);
    EXPECT_EQ(line->cursorPosition(), 0);
    EXPECT_FALSE(line->hasSelectedText());
    line->setCursorPosition(int(line->text().size()));
    line->repaint();   // the line scrolls to its cursor when painted
    const int textEnd = line->mapTo(page->View().slot(1).cell, line->inputMethodQuery(Qt::ImCursorRectangle).toRect().topLeft()).x();
    EXPECT_LT(textEnd, page->View().slot(1).checkBox->x());
    form->actionNamed("ToolButton2")->trigger();
    ASSERT_TRUE(f.waitFor([] { return TestState().session.PlaybackActive == 0; }));
}

TEST(ThumbnailPage, TheFirstSpacePausesAPageShowAndAMenuClosedByEscapeLeavesTheArrowsToTheShow)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindowFixture f;
    const QString folder = makeFolder(f, QStringLiteral("Keys"), 30);
    MainWindow* form = f.form();
    Settings.ThumbManualMode = 0;
    ThumbnailPageController* page = playAsPages(f, folder, 31);   // 6 a page
    ASSERT_EQ(TestState().session.ShowState.Direction, 1) << "the pages turn by themselves";
    const auto pressed = [&f](int key) {
        // The key goes where the keyboard is: an open menu, else the focus.
        QWidget* target = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                          : QApplication::focusWidget()     ? QApplication::focusWidget()
                                                            : f.form();
        QTest::keyClick(target, Qt::Key(key));
        f.settle();
    };
    // The first Space, at once, wherever the focus is: the show pauses.
    pressed(Qt::Key_Space);
    EXPECT_EQ(TestState().session.ShowState.Direction, 0);
    EXPECT_FALSE(form->slideShow()->intervalTimer()->isActive());
    const auto keyWhenFree = [&](int key) {
        ASSERT_TRUE(f.waitFor([form] { return !form->input()->hookHandledTimer()->isActive(); }));
        pressed(key);
    };
    keyWhenFree(Qt::Key_Right);
    ASSERT_TRUE(f.waitFor([page] { return pageIdle(page) && captionLine(page, 0)->text() == "7 - p07.jpg"; }, 10000));
    keyWhenFree(Qt::Key_Left);
    ASSERT_TRUE(f.waitFor([page] { return pageIdle(page) && captionLine(page, 0)->text() == "1 - p01.jpg"; }, 10000));

    // The Show menu offers the full-screen show from the page.
    QMenu* showMenu = form->findChild<QMenu*>("Show");
    emit showMenu->aboutToShow();
    EXPECT_TRUE(form->actionNamed("UseEntireScreen1")->isEnabled());
    EXPECT_TRUE(form->actionNamed("FullScreenToolButton3")->toolTip().startsWith(QStringLiteral("Resume slide show in full screen mode")));

    // A cell's pop-up offers the picture's original in full screen (a
    // picture of the folder itself is its own original).
    QLineEdit* line = captionLine(page, 1);
    f.click(line, line->rect().center(), Qt::RightButton);
    QMenu* popup = form->findChild<QMenu*>("RightClickTreeView");
    ASSERT_TRUE(f.waitFor([popup] { return popup->isVisible(); }));
    QAction* original = form->actionNamed("ShowPicFullPop");
    EXPECT_EQ(original->text(), QStringLiteral("Show original picture from master folder in full screen mode"));
    EXPECT_TRUE(original->isEnabled());
    keyWhenFree(Qt::Key_Escape);
    EXPECT_FALSE(popup->isVisible());

    // A menu opened with the mouse on the menu bar and closed by Escape
    // leaves the keys to the show: Right steps the page.
    QMenuBar* bar = form->mainMenus().MainMenu1();
    QMenu* file = form->findChild<QMenu*>("Bestand1");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file->menuAction()).center());
    ASSERT_TRUE(f.waitFor([file] { return file->isVisible(); }));
    keyWhenFree(Qt::Key_Escape);
    EXPECT_FALSE(file->isVisible());
    EXPECT_EQ(TestState().session.PlaybackActive, 1);
    keyWhenFree(Qt::Key_Right);
    EXPECT_FALSE(bar->activeAction()) << "the menu bar keeps no title";
    ASSERT_TRUE(f.waitFor([page] { return pageIdle(page) && captionLine(page, 0)->text() == "7 - p07.jpg"; }, 10000));
    keyWhenFree(Qt::Key_Escape);
    ASSERT_TRUE(f.waitFor([] { return TestState().session.PlaybackActive == 0; }));
}
