// Every control of the assembled main window that a user can reach does
// something: in four states (at start, with a picture selected in the tree,
// during a full-screen folder show, during a paused page show) each menu is
// opened as the user opens it (its captions and states rebuilt), and every
// visible, enabled item, tool button, push button and play-order box must
// have a handler of its own beyond what Qt's menus and tool bars connect.
#include "app/main_window.h"
#include "base/settings_record.h"
#include "browse/thumbnail_page_controller.h"
#include "browse/thumbnail_page_section.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"
#include "support/main_window_fixture.h"
#include "support/test_state.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>
#include <gtest/gtest.h>

using testsupport::MainWindowFixture;

namespace {

// QObject::receivers() is protected; a member pointer named through a
// derived class reaches it on any object.
struct ReceiverCount : QObject {
    static int of(const QObject* o, const char* signal)
    {
        return (o->*(&ReceiverCount::receivers))(signal);
    }
};

// The connections Qt itself makes to an action of the same containers
// (a menu connects each of its actions' triggered signal).
int builtInReceivers(QAction* action)
{
    QAction probe;
    QList<QWidget*> containers;
    for (QObject* o : action->associatedObjects())
        if (auto* w = qobject_cast<QWidget*>(o); w && (qobject_cast<QMenu*>(w) || qobject_cast<QToolBar*>(w) || qobject_cast<QMenuBar*>(w)))
            containers << w;
    for (QWidget* w : containers)
        w->addAction(&probe);
    const int n = ReceiverCount::of(&probe, SIGNAL(triggered(bool)));
    for (QWidget* w : containers)
        w->removeAction(&probe);
    return n;
}

bool hasHandler(QAction* a)
{
    return ReceiverCount::of(a, SIGNAL(triggered(bool))) > builtInReceivers(a)
           || ReceiverCount::of(a, SIGNAL(toggled(bool))) > 0;
}

// An item a user can reach: shown and enabled, and so is every menu it sits
// in up to the menu bar (or a pop-up of its own).
bool reachable(QAction* a)
{
    if (!a->isVisible() || !a->isEnabled() || a->isSeparator() || a->menu())
        return false;
    const QList<QObject*> holders = a->associatedObjects();
    if (holders.isEmpty())
        return false;
    for (QObject* o : holders) {
        auto* menu = qobject_cast<QMenu*>(o);
        if (!menu)
            return true;   // a tool bar, the menu bar or a button
        QAction* parentItem = menu->menuAction();
        bool inBar = false;
        bool inMenu = false;
        for (QObject* p : parentItem->associatedObjects()) {
            inBar = inBar || qobject_cast<QMenuBar*>(p);
            inMenu = inMenu || qobject_cast<QMenu*>(p);
        }
        if (!inBar && !inMenu)
            return true;   // a pop-up menu of its own
        if (parentItem->isVisible() && parentItem->isEnabled() && (inBar || reachable(parentItem)))
            return true;
    }
    return false;
}

// Opens every menu as the user would, so the caption rules decide what is
// shown and enabled.
void openEveryMenu(MainWindow* form)
{
    for (QMenu* menu : form->findChildren<QMenu*>())
        emit menu->aboutToShow();
    MainWindowFixture::settle();
}

QStringList controlsWithoutHandler(MainWindow* form)
{
    openEveryMenu(form);
    QStringList dead;
    for (QAction* a : form->findChildren<QAction*>()) {
        if (qobject_cast<QWidgetAction*>(a) || a->objectName().isEmpty())
            continue;
        if (reachable(a) && !hasHandler(a))
            dead << a->objectName();
    }
    for (QAbstractButton* b : form->findChildren<QAbstractButton*>()) {
        if (b->objectName().startsWith(QLatin1String("qt_")) || b->window() != form)
            continue;
        if (auto* tb = qobject_cast<QToolButton*>(b); tb && tb->defaultAction())
            continue;   // a tool bar's button: its action is counted
        if (!b->isVisible() || !b->isEnabled())
            continue;
        if (ReceiverCount::of(b, SIGNAL(clicked(bool))) + ReceiverCount::of(b, SIGNAL(pressed()))
                + ReceiverCount::of(b, SIGNAL(toggled(bool))) == 0)
            dead << b->objectName();
    }
    for (QComboBox* c : form->findChildren<QComboBox*>()) {
        if (c->window() != form || !c->isVisible() || !c->isEnabled())
            continue;
        if (ReceiverCount::of(c, SIGNAL(activated(int))) + ReceiverCount::of(c, SIGNAL(currentIndexChanged(int))) == 0)
            dead << c->objectName();
    }
    dead.sort();
    return dead;
}

std::string listed(const QStringList& names) { return names.join(QStringLiteral(", ")).toStdString(); }

} // namespace

TEST(EveryControlAnswers, AtStart)
{
    MainWindowFixture f;
    EXPECT_EQ(listed(controlsWithoutHandler(f.form())), "");
}

TEST(EveryControlAnswers, WithAPictureSelectedInTheTree)
{
    MainWindowFixture f;
    f.clickExpander(f.node(f.folder()));
    f.clickNode(f.picture("a.jpg"));
    ASSERT_TRUE(f.waitFor([&] { return MainWindowFixture::visible(f.form()->findChild<QLabel*>(QStringLiteral("Image4"))); }));
    EXPECT_EQ(listed(controlsWithoutHandler(f.form())), "");
    // The MyShow panel's buttons of features this system does not have
    // (copying the show, mail, upload) stay greyed.
    for (const char* name : {"CopyVXOButton", "MailSP", "UploadSp"})
        EXPECT_FALSE(f.form()->findChild<QAbstractButton*>(QLatin1String(name))->isEnabled()) << name;
}

TEST(EveryControlAnswers, DuringAFullScreenFolderShow)
{
    MainWindowFixture f;
    f.clickExpander(f.node(f.folder()));
    f.clickNode(f.folder());
    f.form()->actionNamed("ToolButton1")->trigger();
    ASSERT_TRUE(f.waitFor([&] { return f.showWindow()->isVisible() && TestState().session.PlaybackActive == 1; }));
    EXPECT_EQ(listed(controlsWithoutHandler(f.form())), "");
}

TEST(EveryControlAnswers, DuringAPausedPageShow)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindowFixture f;
    MainWindow* form = f.form();
    f.openFolder(f.folder());
    Settings.PicturesPerPageIndex = QStringLiteral("3");
    Settings.IntervalIndex = 4;
    form->actionNamed("TBGoSmall")->trigger();
    ASSERT_TRUE(f.waitFor([form] {
        ThumbnailPageController* page = form->thumbnailPage()->PageView;
        return page && page->ThumbnailViewActive() && !page->State().PageLoading;
    }, 10000));
    form->thumbnailPage()->PagePause();
    f.settle();
    ASSERT_EQ(TestState().session.ShowState.Direction, 0);
    EXPECT_EQ(listed(controlsWithoutHandler(form)), "");
}
