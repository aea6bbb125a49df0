// The assembled main window for tests: the real MainWindow made as the program
// makes it (FormCreate, the long-lived windows of the other subsystems),
// shown offscreen in the test's sandbox, with a picture folder of small
// JPEGs that the test owns. Helpers find widgets by objectName and drive the
// window with real input events (QTest clicks, keys, drags).
//
// In the test_window program the offscreen platform has three screens:
// 800 x 600 (primary, at 0,0), 1366 x 768 (at 800,0) and 1920 x 1080 (at
// 2166,0); elsewhere only the primary one exists.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QScreen;
class QTreeWidget;
class QTreeWidgetItem;
class MainWindow;
class ShowWindow;

namespace platform {
class ScopedPromptResponder;
}

namespace testsupport {

// Writes a JPEG of the given size in one colour; false on failure.
bool writeJpeg(const QString& path, int width, int height, Qt::GlobalColor color = Qt::darkCyan);
// A 40 x 30 JPEG `name` in `dir`; its path.
QString writePicture(const QString& dir, const QString& name, Qt::GlobalColor color = Qt::darkCyan);

// The offscreen screen of the given size (nullptr when the platform has none).
QScreen* screenOfSize(const QSize& size);

class MainWindowFixture {
public:
    struct Options {
        // The screen the window is made on; an empty size keeps the primary one.
        QSize screen;
        // Written into the settings file before the start (a second start).
        bool myShowHidden = false;
        // Shows the window and opens the picture folder's parent in the tree.
        bool showWindow = true;
    };

    MainWindowFixture();
    explicit MainWindowFixture(const Options& options);
    ~MainWindowFixture();
    MainWindowFixture(const MainWindowFixture&) = delete;
    MainWindowFixture& operator=(const MainWindowFixture&) = delete;

    MainWindow* form() const { return form_; }
    // The full-screen show window the main window keeps (or none).
    ShowWindow* showWindow() const;
    QTreeWidget* tree() const;

    // The test's picture folder "Trip" (a.jpg 640x480, b.jpg 480x640,
    // c.jpg 1600x1200, Sub/d.jpg 300x200) and its parent folder.
    QString folder() const { return folder_; }
    QString parentFolder() const { return parent_; }
    QString picture(const QString& name) const { return folder_ + QLatin1Char('/') + name; }

    // A widget of the main window (or any top-level window) by objectName.
    template <class T = QWidget>
    T* widget(const QString& name) const
    {
        return static_cast<T*>(findWidget(name, &T::staticMetaObject));
    }
    QWidget* findWidget(const QString& name, const QMetaObject* type) const;
    // Visible as the user sees it: the widget and all its parents shown.
    static bool visible(const QWidget* w);
    // Geometry in the main window's client area coordinates.
    QRect geometryInWindow(const QWidget* w) const;

    // ---- the tree ---------------------------------------------------------
    // Opens `path` in the tree as the program does (FolderToOpen).
    void openFolder(const QString& path);
    // The node of a path (nullptr when the tree does not show it).
    QTreeWidgetItem* node(const QString& path) const;
    // Clicks the node's text (scrolled into view first).
    void clickNode(QTreeWidgetItem* node, Qt::MouseButton button = Qt::LeftButton,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void clickNode(const QString& path, Qt::MouseButton button = Qt::LeftButton,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Right-clicks the node's text as the windowing system delivers it: the
    // click, then the context-menu request at that point (the tree's pop-up).
    void rightClickNode(QTreeWidgetItem* node);
    // Clicks the node's expander (the arrow left of it).
    void clickExpander(QTreeWidgetItem* node);
    // Moves the mouse over the node (the preview follows the mouse).
    void hoverNode(QTreeWidgetItem* node);

    // ---- input ------------------------------------------------------------
    void key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void click(QWidget* target, const QPoint& at, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // A left-button drag from `from` to `to` in steps, as a hand would.
    void drag(QWidget* target, const QPoint& from, const QPoint& to, Qt::KeyboardModifiers modifiers = {});
    // Lets queued events, timers of up to `ms` and repaints run, and waits
    // for the answers to pictures asked of a slot or a preview.
    static void settle(int ms = 0);
    // Waits (letting events run) until `done` holds or `ms` pass.
    static bool waitFor(const std::function<bool()>& done, int ms = 3000);

    // A modal window the program opens (the options dialog, the favourites
    // window, ...) is handed to `handler` instead of blocking: the handler
    // shows and drives it, and returns its modal result. Empty: not shown.
    void onDialog(std::function<int(class QDialog&)> handler) { dialogHandler_ = std::move(handler); }

    // The texts of every message box shown since the start (or clearPrompts).
    QStringList prompts() const;
    void clearPrompts();

    // Closes the main window as the user would; true when it closed.
    bool closeWindow();

private:
    void start(const Options& options);
    // Scrolls the tree to the node and returns the node's rectangle in the
    // tree's viewport (none when there is no tree or node).
    std::optional<QRect> scrolledToNode(QTreeWidgetItem* node);

    MainWindow* form_ = nullptr;
    QString parent_;
    QString folder_;
    std::unique_ptr<platform::ScopedPromptResponder> responder_;
    std::function<int(class QDialog&)> dialogHandler_;
};

} // namespace testsupport
