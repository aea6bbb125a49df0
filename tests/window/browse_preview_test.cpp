// The browse preview and the tree's keyboard in the assembled window: every
// preview stays inside its box (a truncated JPEG too, in both layouts), the
// cursor keys move the preview and the captions, Enter acts as a left press,
// Shift+F10 and the menu key open the tree's pop-up at its fixed place for
// the selected node, wherever the mouse rests.
#include "app/main_window.h"
#include "browse/folder_tree_section.h"
#include "browse/folder_tree_widget.h"
#include "browse/picture_info_controller.h"
#include "browse/preview_panel.h"
#include "support/main_window_fixture.h"
#include "support/sandbox.h"
#include "platform/prompt.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QTextLayout>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>

using testsupport::MainWindowFixture;

namespace {

// Expands the test's folder with a click on its expander.
QTreeWidgetItem* expandTrip(MainWindowFixture& f)
{
    QTreeWidgetItem* trip = f.node(f.folder());
    f.clickExpander(trip);
    return trip;
}

// Expands the test's folder and gives the tree the keyboard focus on it.
QTreeWidget* focusOnTrip(MainWindowFixture& f)
{
    QTreeWidgetItem* trip = expandTrip(f);
    QTreeWidget* tree = f.tree();
    tree->setFocus();
    tree->setCurrentItem(trip);
    f.settle();
    return tree;
}

void expectPreviewInItsBox(MainWindowFixture& f, const char* what)
{
    MainWindow* form = f.form();
    const QRect picture = form->findChild<QLabel*>(QStringLiteral("Image4"))->geometry();
    EXPECT_TRUE(form->findChild<QFrame*>(QStringLiteral("NoShowPanel4"))->geometry().contains(picture)) << what;
    EXPECT_FALSE(picture.intersects(form->findChild<QComboBox*>(QStringLiteral("FPlayorderCB"))->geometry())) << what;
    EXPECT_FALSE(picture.intersects(form->findChild<QFrame*>(QStringLiteral("SizeDatePanel4"))->geometry())) << what;
}

// Each shown information line of a preview (the browse preview's names end
// in "4", the MyShow preview's in nothing) lies inside its panel, apart
// from the others, and shows its whole text (on one row, or wrapped within
// its height).
void expectWholeLines(MainWindow* form, const QString& what, const QString& suffix = QStringLiteral("4"))
{
    const auto label = [&](const char* name) { return form->findChild<QLabel*>(QLatin1String(name) + suffix); };
    const QRect panel = form->findChild<QFrame*>(QStringLiteral("SizeDatePanel") + suffix)->rect();
    QList<QLabel*> shown;
    for (QLabel* line : {label("FileSizeLabel"), label("FileDateLabel"), label("ModelLabel"), label("ReadOnlyLabel")})
        if (!line->isHidden() && !line->text().isEmpty())
            shown << line;
    ASSERT_GE(shown.size(), 3) << what.toStdString();
    for (QLabel* line : shown) {
        const std::string name = what.toStdString() + " " + line->objectName().toStdString();
        EXPECT_TRUE(panel.contains(line->geometry())) << name;
        if (line->fontMetrics().horizontalAdvance(line->text()) > line->width()) {
            EXPECT_TRUE(line->wordWrap()) << name;
            EXPECT_GE(line->height(), line->heightForWidth(line->width())) << name;
        }
        for (QLabel* other : shown)
            if (other != line)
                EXPECT_FALSE(line->geometry().intersects(other->geometry())) << name;
    }
}

} // namespace

TEST(BrowsePreview, EachInformationLineShowsItsWholeTextInEveryLayout)
{
    for (const QSize screen : {QSize(800, 600), QSize(1366, 768), QSize(1920, 1080)}) {
        MainWindowFixture::Options options;
        options.screen = screen;
        MainWindowFixture f(options);
        if (!testsupport::screenOfSize(screen))
            GTEST_SKIP() << "no offscreen screen of this size";
        MainWindow* form = f.form();
        if (screen.width() > 800) {
            form->setWindowState(Qt::WindowMaximized);
            f.settle(50);
            ASSERT_EQ(form->layouts()->layoutState().MaximizedLayout, 1);
        }
        QFile::copy(f.picture("c.jpg"), f.picture("c-copy.jpg"));
        QFile copy(f.picture("c-copy.jpg"));
        ASSERT_TRUE(copy.open(QIODevice::ReadWrite));
        ASSERT_TRUE(copy.setFileTime(QFileInfo(f.picture("c.jpg")).lastModified(), QFileDevice::FileModificationTime));
        copy.close();
        expandTrip(f);
        f.clickNode(f.picture("c.jpg"));
        ASSERT_TRUE(f.waitFor([&] {
            return form->pictureInfo()->PreviewedPath == f.picture("c.jpg") && form->findChild<QLabel*>(QStringLiteral("Image4"))->isVisible()
                   && form->findChild<QLabel*>(QStringLiteral("ModelLabel4"))->text().endsWith(QStringLiteral("1200"));
        }));
        f.settle(20);
        const QString what = QString::number(screen.width()) + QLatin1Char('x') + QString::number(screen.height());
        expectWholeLines(form, what);
        // Size and date share their line in every layout (in a smaller font
        // when the panel is narrow).
        EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("FileDateLabel4"))->y(), form->findChild<QLabel*>(QStringLiteral("FileSizeLabel4"))->y()) << what.toStdString();
        // A copy with the same size and date gives both previews the same
        // lines again: they keep their places.
        f.clickNode(f.picture("c-copy.jpg"));
        ASSERT_TRUE(f.waitFor([&] { return form->pictureInfo()->PreviewedPath == f.picture("c-copy.jpg"); }));
        f.settle(20);
        expectWholeLines(form, what + QStringLiteral(" again"));
        expectWholeLines(form, what + QStringLiteral(" MyShow"), QString());
    }
}

TEST(BrowsePreview, EveryPreviewStaysInsideItsBox)
{
    MainWindowFixture f;
    MainWindow* form = f.form();
    // A JPEG cut off after a third of its bytes.
    const QByteArray whole = testsupport::readFile(f.picture("c.jpg"));
    ASSERT_TRUE(testsupport::writeFile(f.picture("cut.jpg"), whole.left(whole.size() / 3)));
    expandTrip(f);

    for (const char* name : {"a.jpg", "b.jpg", "cut.jpg", "c.jpg"}) {
        f.clickNode(f.picture(QString::fromLatin1(name)));
        ASSERT_TRUE(f.waitFor([&] { return form->pictureInfo()->PreviewedPath == f.picture(QString::fromLatin1(name)); }))
            << name;
        if (form->findChild<QLabel*>(QStringLiteral("Image4"))->isVisible())
            expectPreviewInItsBox(f, name);
        // A picture that can not be shown says so in full.
        auto* cannot = form->findChild<QLabel*>(QStringLiteral("CannotOpenLabel4"));
        if (MainWindowFixture::visible(cannot))
            EXPECT_LE(cannot->fontMetrics().horizontalAdvance(cannot->text()), cannot->width()) << name;
    }
    // The camera line tells the picture's own size, not that of the box.
    EXPECT_TRUE(form->findChild<QLabel*>(QStringLiteral("ModelLabel4"))->text().endsWith(QStringLiteral("  1600\u00A0x\u00A01200")))
        << form->findChild<QLabel*>(QStringLiteral("ModelLabel4"))->text().toStdString();

    // Maximized, the preview is fitted into the larger box again.
    form->setWindowState(Qt::WindowMaximized);
    f.settle(50);
    ASSERT_EQ(form->layouts()->layoutState().MaximizedLayout, 1);
    ASSERT_TRUE(form->findChild<QLabel*>(QStringLiteral("Image4"))->isVisible());
    expectPreviewInItsBox(f, "c.jpg maximized");
    f.clickNode(f.picture("cut.jpg"));
    ASSERT_TRUE(f.waitFor([&] { return form->pictureInfo()->PreviewedPath == f.picture("cut.jpg"); }));
    if (form->findChild<QLabel*>(QStringLiteral("Image4"))->isVisible())
        expectPreviewInItsBox(f, "cut.jpg maximized");
}

TEST(TreeKeyboard, CursorKeysMoveThePreviewAndEnterAddsThePicture)
{
    MainWindowFixture f;
    MainWindow* form = f.form();
    QTreeWidget* tree = focusOnTrip(f);

    // Sub, then a.jpg: the preview and the file menu follow the keyboard.
    f.key(tree, Qt::Key_Down);
    f.key(tree, Qt::Key_Down);
    ASSERT_EQ(tree->currentItem(), f.node(f.picture("a.jpg")));
    ASSERT_TRUE(f.waitFor([&] { return form->pictureInfo()->PreviewedPath == f.picture("a.jpg") && form->findChild<QLabel*>(QStringLiteral("Image4"))->isVisible(); }));
    EXPECT_EQ(form->actionNamed("SavePictureTo")->text(), QStringLiteral("&Save picture to"));
    EXPECT_TRUE(MainWindowFixture::visible(form->findChild<QFrame*>(QStringLiteral("SizeDatePanel4"))));
    f.key(tree, Qt::Key_Down);
    ASSERT_TRUE(f.waitFor([&] { return form->pictureInfo()->PreviewedPath == f.picture("b.jpg"); }));

    // Enter acts as a left press: the picture joins the open MyShow.
    const int rows = form->showList()->grid()->rowCount();
    f.key(tree, Qt::Key_Return);
    EXPECT_EQ(form->showList()->grid()->rowCount(), rows + 1);
    EXPECT_FALSE(MainWindowFixture::visible(form->clientArea()->picture()));
}

TEST(TreeKeyboard, ShiftF10AndTheMenuKeyOpenThePopupAtItsPlaceForTheSelectedNode)
{
    MainWindowFixture f;
    MainWindow* form = f.form();
    QTreeWidget* tree = focusOnTrip(f);
    QMenu* popup = form->findChild<QMenu*>("RightClickTreeView");
    // The mouse rests on another row, the folder Sub.
    QTreeWidgetItem* sub = f.node(f.folder() + "/Sub");
    f.hoverNode(sub);
    QCursor::setPos(tree->viewport()->mapToGlobal(tree->visualItemRect(sub).center()));
    tree->setCurrentItem(f.node(f.folder()));
    f.settle();
    const auto createFolderTitle = [&] {
        popup->hide();
        f.clearPrompts();
        form->actionNamed("CreateFolderPop")->trigger();
        return platform::promptLog().isEmpty() ? QString() : platform::promptLog().first().request.title;
    };

    const QPoint anchor(form->frameGeometry().left() + tree->width() / 2, form->frameGeometry().top() + 150);
    EXPECT_EQ(form->folderTreeSection()->TreePopupKeyAnchor(), anchor);
    // Shift+F10, the menu key, and the menu key as the windowing system
    // delivers it: a keyboard context-menu request of the focused tree,
    // then the key itself.
    const auto menuRequest = [&] {
        const QPoint at = tree->visualItemRect(tree->currentItem()).center();
        QContextMenuEvent request(QContextMenuEvent::Keyboard, at, tree->mapToGlobal(at));
        QApplication::sendEvent(tree, &request);
        f.key(tree, Qt::Key_Menu);
    };
    const std::function<void()> opens[] = {[&] { f.key(tree, Qt::Key_F10, Qt::ShiftModifier); },
                                           [&] { f.key(tree, Qt::Key_Menu); }, menuRequest};
    for (const auto& open : opens) {
        open();
        ASSERT_TRUE(f.waitFor([&] { return popup->isVisible(); }));
        EXPECT_EQ(popup->pos(), anchor);
        EXPECT_EQ(createFolderTitle(), "Create new folder in " + f.folder());
        EXPECT_EQ(form->folderTree()->SelectedFolder, f.folder());
        f.settle();
    }

    // A right click acts on the clicked node.
    f.rightClickNode(sub);
    ASSERT_TRUE(f.waitFor([&] { return popup->isVisible(); }));
    EXPECT_EQ(createFolderTitle(), "Create new folder in " + f.folder() + "/Sub");
}

TEST(TreeKeyboard, AnOpenedOrRefreshedFolderShowsWithItsChildren)
{
    // Many folders before the test's own push it below the tree's bottom.
    const QString above = QFileInfo(testsupport::freshDir(QStringLiteral("above"))).absolutePath();
    for (int i = 0; i < 40; ++i)
        ASSERT_TRUE(QDir().mkpath(above + QStringLiteral("/000-%1").arg(i, 2, 10, QLatin1Char('0'))));
    MainWindowFixture f;
    QTreeWidget* tree = f.tree();
    const auto shown = [tree](QTreeWidgetItem* node) {
        return node && tree->viewport()->rect().contains(tree->visualItemRect(node));
    };
    f.openFolder(f.parentFolder());
    QTreeWidgetItem* parent = f.node(f.parentFolder());
    ASSERT_TRUE(parent && parent->isExpanded());
    EXPECT_TRUE(shown(parent));
    EXPECT_TRUE(shown(f.node(f.folder()))) << "the opened folder's child is in sight";

    // F5 on the collapsed picture folder opens it with its pictures in sight.
    f.clickNode(f.folder());
    f.key(tree, Qt::Key_F5);
    QTreeWidgetItem* trip = f.node(f.folder());
    ASSERT_TRUE(trip && trip->isExpanded());
    EXPECT_EQ(tree->currentItem(), trip);
    EXPECT_TRUE(shown(trip));
    EXPECT_TRUE(shown(f.node(f.picture(QStringLiteral("c.jpg"))))) << "its last child is in sight";
}

TEST(BrowsePreview, TheCameraLineBreaksBetweenWordsOnly)
{
    MainWindowFixture f;
    PreviewPanel* preview = f.form()->browsePreview();
    preview->setInfoShown(true);
    preview->setInfoLines(QStringLiteral("6 Kb - "), QStringLiteral("December 8, 2026, 01:27"), QString(), false);
    preview->setCameraLine(QStringLiteral("OLYMPUS IMAGING CORP. E-M1  4608\u00A0x\u00A03456"));
    f.settle();
    auto* camera = f.form()->findChild<QLabel*>(QStringLiteral("ModelLabel4"));
    // The rows the label's width gives its text.
    QTextLayout layout(camera->text(), camera->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList rows;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(camera->contentsRect().width());
        rows << camera->text().mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    ASSERT_GE(rows.size(), 2) << "the line is wider than the panel";
    for (const QString& row : rows)
        EXPECT_FALSE(row.trimmed().endsWith(QLatin1Char('-'))) << row.toStdString();
}
