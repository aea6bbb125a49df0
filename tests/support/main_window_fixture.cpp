#include "support/main_window_fixture.h"
#include "support/sandbox.h"
#include "support/test_state.h"

#include "base/data_folder.h"
#include "base/settings_fields.h"
#include "app/main_window.h"
#include "browse/folder_tree_section.h"
#include "browse/folder_tree_widget.h"
#include "platform/prompt.h"
#include "shows/show_windows.h"
#include "slideshow/auto_show_windows.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"
#include "support/sandbox.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace testsupport {

bool writeJpeg(const QString& path, int width, int height, Qt::GlobalColor color)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    // A lighter band, so the picture is not one flat colour.
    for (int y = height / 3; y < height / 3 + std::max(1, height / 10); ++y)
        for (int x = 0; x < width; ++x)
            image.setPixelColor(x, y, QColor(color).lighter(160));
    return image.save(path, "JPEG", 85);
}

QString writePicture(const QString& dir, const QString& name, Qt::GlobalColor color)
{
    const QString path = dir + QLatin1Char('/') + name;
    writeJpeg(path, 40, 30, color);
    return path;
}

QScreen* screenOfSize(const QSize& size)
{
    for (QScreen* s : QGuiApplication::screens())
        if (s->geometry().size() == size)
            return s;
    return nullptr;
}

MainWindowFixture::MainWindowFixture()
    : MainWindowFixture(Options())
{
}

MainWindowFixture::MainWindowFixture(const Options& options)
{
    start(options);
}

void MainWindowFixture::start(const Options& options)
{
    responder_ = std::make_unique<platform::ScopedPromptResponder>([this](const platform::PromptRequest& r) {
        if (r.type == platform::PromptType::Dialog && r.dialog && dialogHandler_) {
            platform::PromptReply reply;
            reply.code = dialogHandler_(*r.dialog);
            return reply;
        }
        return platform::defaultReply(r);
    });

    parent_ = freshDir(QStringLiteral("pictures"));
    folder_ = parent_ + QStringLiteral("/Trip");
    writeJpeg(folder_ + QStringLiteral("/a.jpg"), 640, 480, Qt::darkCyan);
    writeJpeg(folder_ + QStringLiteral("/b.jpg"), 480, 640, Qt::darkMagenta);
    writeJpeg(folder_ + QStringLiteral("/c.jpg"), 1600, 1200, Qt::darkGreen);
    writeJpeg(folder_ + QStringLiteral("/Sub/d.jpg"), 300, 200, Qt::darkYellow);

    if (options.myShowHidden) {
        // A first start writes the settings file; the option goes into it.
        {
            MainWindow first(TestState());
            first.startup()->FormCreate();
            first.closing()->CloseWithoutSaving = true;
        }
        TSettingsRecord rec;
        ReadSettingsFile(TestState().paths.SettingsFileName, rec);
        rec.MyShowHidden = 1;
        WriteSettingsFile(TestState().paths.SettingsFileName, rec);
    }

    form_ = new MainWindow(TestState());
    if (QScreen* s = options.screen.isEmpty() ? nullptr : screenOfSize(options.screen))
        form_->setScreen(s);
    form_->startup()->FormCreate();
    if (!form_->showWindow())
        form_->setShowWindow(new ShowWindow(TestState()));
    if (!form_->pictureTextWindow())
        form_->setPictureTextWindow(new PictureTextWindow);
    if (!form_->folderPictureWindow())
        form_->setFolderPictureWindow(new FolderPictureChooser(form_));
    if (!form_->showManager())
        form_->setShowManager(new ShowManagerWindow(TestState().paths.ShowListPath));
    if (!form_->replayWindow())
        form_->setReplayWindow(new AutoShowCountdownWindow(*form_, form_->folderTree()->Exclusions, form_->state()));
    if (!options.showWindow)
        return;
    form_->show();
    if (!QTest::qWaitForWindowExposed(form_))
        qWarning("the main window was not exposed");
    form_->startup()->DispatchStartArgument();
    openFolder(parent_);
    settle();
}

MainWindowFixture::~MainWindowFixture()
{
    if (form_) {
        if (form_->isVisible())
            closeWindow();
        form_->closing()->CloseWithoutSaving = true;
    }
    // Form2 has no parent (the main window only drives it): it goes here
    // with the other windows of their own; Form20 is a child of the form.
    if (form_) {
        for (QWidget* w : {static_cast<QWidget*>(form_->showWindow()), static_cast<QWidget*>(form_->pictureTextWindow()),
                           static_cast<QWidget*>(form_->showManager()), static_cast<QWidget*>(form_->replayWindow())})
            delete w;
        form_->setShowWindow(nullptr);
        form_->setPictureTextWindow(nullptr);
        form_->setShowManager(nullptr);
        form_->setReplayWindow(nullptr);
        form_->setFolderPictureWindow(nullptr);
    }
    delete form_;
    TestState().session.PlaybackActive = 0;
}

ShowWindow* MainWindowFixture::showWindow() const
{
    return form_ ? form_->showWindow() : nullptr;
}

QTreeWidget* MainWindowFixture::tree() const
{
    return form_ ? form_->treeView() : nullptr;
}

QWidget* MainWindowFixture::findWidget(const QString& name, const QMetaObject* type) const
{
    if (form_) {
        for (QWidget* w : form_->findChildren<QWidget*>(name))
            if (w->metaObject()->inherits(type))
                return w;
    }
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name && top->metaObject()->inherits(type))
            return top;
        for (QWidget* w : top->findChildren<QWidget*>(name))
            if (w->metaObject()->inherits(type))
                return w;
    }
    return nullptr;
}

bool MainWindowFixture::visible(const QWidget* w)
{
    return w && w->isVisible();
}

QRect MainWindowFixture::geometryInWindow(const QWidget* w) const
{
    if (!w || !form_)
        return {};
    return QRect(w->mapTo(form_, QPoint(0, 0)), w->size());
}

void MainWindowFixture::openFolder(const QString& path)
{
    form_->folderTree()->FolderToOpen = path;
    form_->folderTree()->KeepListEntry = 1;
    form_->folderTreeSection()->OpenFolderOrShow();
    settle();
}

QTreeWidgetItem* MainWindowFixture::node(const QString& path) const
{
    QTreeWidget* t = tree();
    if (!t)
        return nullptr;
    for (QTreeWidgetItemIterator it(t); *it; ++it)
        if (form_->folderTree()->GetNodePath(*it) == path)
            return *it;
    return nullptr;
}

std::optional<QRect> MainWindowFixture::scrolledToNode(QTreeWidgetItem* item)
{
    QTreeWidget* t = tree();
    if (!t || !item)
        return std::nullopt;
    t->scrollToItem(item);
    settle();
    return t->visualItemRect(item);
}

void MainWindowFixture::clickNode(QTreeWidgetItem* item, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    const std::optional<QRect> shown = scrolledToNode(item);
    if (!shown)
        return;
    const QRect r = *shown;
    // On the text, right of the icon.
    const QPoint at(r.left() + std::min(40, r.width() / 2), r.center().y());
    QTest::mouseClick(tree()->viewport(), button, modifiers, at);
    settle();
}

void MainWindowFixture::rightClickNode(QTreeWidgetItem* item)
{
    const std::optional<QRect> shown = scrolledToNode(item);
    if (!shown)
        return;
    const QPoint at(shown->left() + std::min(40, shown->width() / 2), shown->center().y());
    QWidget* viewport = tree()->viewport();
    QTest::mousePress(viewport, Qt::RightButton, Qt::NoModifier, at);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &request);
    QTest::mouseRelease(viewport, Qt::RightButton, Qt::NoModifier, at);
    settle();
}

void MainWindowFixture::clickNode(const QString& path, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    clickNode(node(path), button, modifiers);
}

void MainWindowFixture::clickExpander(QTreeWidgetItem* item)
{
    const std::optional<QRect> shown = scrolledToNode(item);
    if (!shown)
        return;
    const QRect r = *shown;
    // The expander sits in the indentation left of the item's rectangle.
    const QPoint at(r.left() - tree()->indentation() / 2, r.center().y());
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    settle();
}

void MainWindowFixture::hoverNode(QTreeWidgetItem* item)
{
    const std::optional<QRect> shown = scrolledToNode(item);
    if (!shown)
        return;
    const QRect r = *shown;
    QTest::mouseMove(tree()->viewport(), QPoint(r.left() + std::min(40, r.width() / 2), r.center().y()));
    settle(150);
}

void MainWindowFixture::key(QWidget* target, int k, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(target, Qt::Key(k), modifiers);
    settle();
}

void MainWindowFixture::click(QWidget* target, const QPoint& at, Qt::MouseButton button,
                              Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(target, button, modifiers, at);
    settle();
}

void MainWindowFixture::drag(QWidget* target, const QPoint& from, const QPoint& to, Qt::KeyboardModifiers modifiers)
{
    QTest::mousePress(target, Qt::LeftButton, modifiers, from);
    const int steps = 8;
    for (int i = 1; i <= steps; ++i) {
        const QPoint p = from + (to - from) * i / steps;
        // QTest::mouseMove sends no button state; a real move event does.
        QMouseEvent move(QEvent::MouseMove, p, target->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, modifiers);
        QApplication::sendEvent(target, &move);
        settle();
    }
    QTest::mouseRelease(target, Qt::LeftButton, modifiers, to);
    settle();
}

void MainWindowFixture::settle(int ms)
{
    QElapsedTimer t;
    t.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QApplication::sendPostedEvents();
        QApplication::processEvents();
        if (ms > 0)
            QTest::qWait(std::min<qint64>(10, std::max<qint64>(1, ms - t.elapsed())));
    } while (t.elapsed() < ms);
    // Pictures asked of a slot or a preview are answered through the event
    // loop; their answers are part of what settles.
    testsupport::waitForPictureAnswers();
    QApplication::processEvents();
}

bool MainWindowFixture::waitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QTest::qWait(10);
    }
    return true;
}

QStringList MainWindowFixture::prompts() const
{
    QStringList texts;
    for (const platform::PromptRecord& r : platform::promptLog())
        texts << r.request.text;
    return texts;
}

void MainWindowFixture::clearPrompts()
{
    platform::clearPromptLog();
}

bool MainWindowFixture::closeWindow()
{
    if (!form_)
        return true;
    const bool closed = form_->close();
    settle();
    return closed;
}

} // namespace testsupport
