// Windows the main window opens, driven through the assembled program: the
// favourites maintenance window (header texts at the cell's left, a click
// keeps the paths in view) and the options dialog (a finished layout).
#include "app/favorites_window.h"
#include "app/layout_preview.h"
#include "support/test_state.h"
#include "app/options_dialog.h"
#include "base/settings_record.h"
#include "app/main_window.h"
#include "app/version_check_windows.h"
#include "platform/prompt_dialogs.h"
#include "support/main_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QToolBar>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using testsupport::MainWindowFixture;

TEST(FavoritesWindow, HeaderTextsShowAndAClickScrollsNothingSideways)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindowFixture f;
    Settings.Favorites[0] = f.folder();
    Settings.Favorites[1] = f.parentFolder();
    bool driven = false;
    f.onDialog([&](QDialog& dialog) {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        auto* grid = dialog.findChild<QTableWidget*>(QStringLiteral("SGFolder"));
        EXPECT_NE(grid, nullptr);
        if (!grid)
            return 0;
        QHeaderView* header = grid->horizontalHeader();
        // The path column's header text starts at its left edge, in view.
        EXPECT_EQ(header->defaultAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        const int pathLeft = header->sectionViewportPosition(2);
        EXPECT_LT(pathLeft + header->fontMetrics().horizontalAdvance(QStringLiteral("Folder or MyShow file")) + 4,
                  grid->viewport()->width());
        // A click on the second row's path selects it; nothing scrolls.
        const QRect cell = grid->visualRect(grid->model()->index(1, 2));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(pathLeft + 40, cell.center().y()));
        MainWindowFixture::settle();
        EXPECT_EQ(grid->currentRow(), 1);
        EXPECT_EQ(grid->horizontalScrollBar()->value(), 0);
        EXPECT_EQ(header->sectionViewportPosition(2), pathLeft);
        driven = true;
        dialog.hide();
        return 0;
    });
    f.form()->actionNamed("ClearFavs")->trigger();
    EXPECT_TRUE(driven);
}

TEST(OptionsDialog, AFinishedLayoutThatFitsASmallScreen)
{
    MainWindowFixture f;
    bool driven = false;
    f.onDialog([&](QDialog& dialog) {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Vistamo! - Options"));
        // The window fits an 800 x 600 screen with its frame; it is wider
        // than its design when its tabs need the room.
        EXPECT_GE(dialog.width(), OptionsDialogSize.width());
        EXPECT_EQ(dialog.height(), OptionsDialogSize.height());
        EXPECT_LE(dialog.frameGeometry().width(), 800);
        EXPECT_LE(dialog.frameGeometry().height(), 600);
        auto* pages = dialog.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        EXPECT_NE(pages, nullptr);
        if (!pages)
            return 0;
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            MainWindowFixture::settle();
            QWidget* page = pages->currentWidget();
            const std::string name = page->objectName().toStdString();
            // Number fields are sized to their content, not stretched.
            for (QLineEdit* edit : page->findChildren<QLineEdit*>()) {
                if (!edit->isVisible() || edit->objectName() == QLatin1String("EDUploadProgram")
                    || edit->parent()->inherits("QComboBox"))
                    continue;
                EXPECT_LT(edit->width(), 350) << name << " " << edit->objectName().toStdString();
            }
            // Each up-down sits beside its field, as high as the field.
            for (SpinArrows* updown : page->findChildren<SpinArrows*>()) {
                QWidget* parent = updown->parentWidget();
                // Its field is the nearest one on its left.
                QLineEdit* buddy = nullptr;
                int best = 1 << 30;
                for (QLineEdit* e : parent->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
                    const QPoint gap = updown->geometry().topLeft() - e->geometry().topRight();
                    if (gap.manhattanLength() < best) {
                        best = gap.manhattanLength();
                        buddy = e;
                    }
                }
                EXPECT_NE(buddy, nullptr) << updown->objectName().toStdString();
                if (!buddy)
                    continue;
                EXPECT_EQ(updown->height(), buddy->height()) << updown->objectName().toStdString();
                EXPECT_EQ(updown->y(), buddy->y()) << updown->objectName().toStdString();
            }
            // Every control lies inside its page.
            for (QWidget* w : page->findChildren<QWidget*>()) {
                if (!w->isVisible() || w->parentWidget() != page)
                    continue;
                EXPECT_TRUE(page->rect().contains(w->geometry())) << name << " " << w->objectName().toStdString();
            }
        }
        driven = true;
        dialog.hide();
        return 0;
    });
    f.form()->actionNamed("OptionsTB")->trigger();
    EXPECT_TRUE(driven);
}

TEST(PreviewWindow, OpensAtTheMainWindowsRightEdgeLevelWithItsTop)
{
    testsupport::MainWindowFixture f;
    PreviewWindow& preview = PicturePreviewWindow();
    preview.ShowPicture(f.picture(QStringLiteral("c.jpg")), PreviewKind::Picture);
    preview.show();
    f.settle();
    const QRect main = f.form()->frameGeometry();
    EXPECT_EQ(preview.height(), 298);
    EXPECT_EQ(preview.x(), main.left() + main.width());
    EXPECT_EQ(preview.y(), main.top());
    preview.hide();
}

TEST(SmallDialogs, TheMonthlySuggestionIsAsWideAsItsTitleAndKeepsItsSize)
{
    MainWindowFixture f;
    MonthlySuggestionDialog suggestion(TestState().settings.Settings, TestState().environment, f.form());
    int width = 0;
    bool fixed = false;
    f.onDialog([&](QDialog& dialog) {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        width = dialog.width();
        fixed = dialog.minimumSize() == dialog.maximumSize();
        dialog.hide();
        return 0;
    });
    platform::execModal(suggestion);
    QFont bold = QApplication::font();
    bold.setBold(true);
    EXPECT_GE(width, QFontMetrics(bold).horizontalAdvance(suggestion.windowTitle()));
    // A window of fixed size gets no resize bar from the window manager.
    EXPECT_TRUE(fixed);
}

TEST(LayoutChooser, OpensUnderItsButton)
{
    MainWindowFixture f;
    MainWindow* form = f.form();
    QWidget* button = form->toolBars().ToolBar1()->widgetForAction(form->actionNamed("TBNrOfThumbs"));
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible());
    f.click(button, button->rect().center());
    ASSERT_TRUE(f.waitFor([&] { return form->findChild<QMenu*>("MultiPop")->isVisible(); }));
    const QPoint under = button->mapToGlobal(QPoint(0, button->height()));
    EXPECT_LE((form->findChild<QMenu*>("MultiPop")->geometry().topLeft() - under).manhattanLength(), 4)
        << form->findChild<QMenu*>("MultiPop")->geometry().x() << "," << form->findChild<QMenu*>("MultiPop")->geometry().y()
        << " for " << under.x() << "," << under.y();
    form->findChild<QMenu*>("MultiPop")->close();
}
