#include "base/layout_calc.h"

#include <algorithm>

#include <cfenv>
#include <cmath>

int RoundEven(double v)
{
    return int(std::nearbyint(v));   // the default rounding mode rounds halves to even
}

const QStringList& DesignBoundsControls()
{
    static const QStringList names{
        "TreeView1", "MyShowSG", "Bevel1", "Bevel2", "Bevel3", "ToolBar1", "ToolBar2",
        "NoShowPanel4", "NoShowPanel", "image2", "Image4", "TreeThumbnailPanel", "Panel1",
        "SizeDatePanel4", "SizeDatePanel", "Label2", "ShowPlayOrderCB", "PicInListLabel",
        "MailSP", "UploadSp", "CopyVXOButton", "ExchangeButtonBoven", "ExchangeButtonBeneden",
        "MoveButton", "DeleteButton", "TextSB", "ClearListButton", "MyShowLabel",
        "CannotOpenLabel", "VideoLabel", "FileNotExistLabel", "CannotOpenLabel4", "VideoLabel4",
        "FileNotExistLabel4"};
    return names;
}

const QStringList& ExtraLayoutControls()
{
    static const QStringList names{"Label7", "FPlayorderCB", "MusicBlackIm", "MusicPurpleIm",
                                   "NrofPicLabel", "ImMyShowHeader", "VoiceBevel", "MicroSB",
                                   "VoicePlaySB", "TarnivoPanel"};
    return names;
}

namespace {
int right(const QRect& r) { return r.x() + r.width(); }    // exclusive right edge
int bottom(const QRect& r) { return r.y() + r.height(); }  // exclusive bottom edge
} // namespace

void PlaceVoiceButtonBounds(ControlBounds& b, int offset)
{
    QRect bevel = b.value(QStringLiteral("VoiceBevel"));
    bevel.moveTo(b.value(QStringLiteral("TreeThumbnailPanel")).width() - 70 + offset,
                 b.value(QStringLiteral("FPlayorderCB")).y() - 5);
    b[QStringLiteral("VoiceBevel")] = bevel;
    QRect micro = b.value(QStringLiteral("MicroSB"));
    micro.moveTo(bevel.x() + 3, bevel.y() + 3);
    b[QStringLiteral("MicroSB")] = micro;
    QRect play = b.value(QStringLiteral("VoicePlaySB"));
    play.moveTo(bevel.x() + 26, bevel.y() + 3);
    b[QStringLiteral("VoicePlaySB")] = play;
}

QRect HalfWidthTopCentre(const QRect& window, int screenWidth)
{
    const int w = RoundEven(window.width() / 2.0);
    return QRect(RoundEven((screenWidth - w) / 2.0), 0, w, window.height());
}

namespace {

// The bounds being laid out, by control name, with the designed bounds
// beside them (a control without designed bounds keeps its current ones).
struct LayoutBounds {
    ControlBounds& b;
    const ControlBounds& design;
    QRect& get(const char* n) const { return b[QString::fromLatin1(n)]; }
    QRect des(const char* n) const
    {
        const QString name = QString::fromLatin1(n);
        return design.contains(name) ? design.value(name) : b.value(name);
    }
};

// Tree and list side by side, each half the screen wide.
void placeMaximizedColumns(const LayoutBounds& l, int W)
{
    QRect& tree = l.get("TreeView1");
    QRect& list = l.get("MyShowSG");
    tree.setWidth(RoundEven((W - 8) / 2.0));
    list.setWidth(tree.width());
    list.moveLeft(tree.width() + 4);
    l.get("ToolBar2").moveLeft(list.x());
    l.get("ToolBar2").setWidth(list.width());
    QRect& bevel2 = l.get("Bevel2");
    bevel2.moveLeft(list.x());
    bevel2.setWidth(list.width());
    l.get("MyShowLabel").moveLeft(list.x() + 5);
    l.get("ToolBar1").setWidth(list.width() + 5);
    l.get("ImMyShowHeader") = bevel2;
}

// The preview panel under the tree, scaled with the screen height, and what
// lies inside it; the show preview panel mirrors it under the list. Returns
// image2's bounds.
QRect placeMaximizedPreviews(const LayoutBounds& l, int H, int statusBarTop)
{
    QRect& tree = l.get("TreeView1");
    const QRect& list = l.get("MyShowSG");
    const double sy = H / 600.0;
    const QRect panelDesign = l.des("TreeThumbnailPanel");
    QRect& panel = l.get("TreeThumbnailPanel");
    panel.setWidth(tree.width());
    panel.setHeight(RoundEven(panelDesign.height() * sy));
    panel.moveTop(statusBarTop - 5 - panel.height());
    tree.setHeight(panel.y() - 5 - tree.y());

    const double panelScale = panelDesign.height() > 0
                                  ? double(panel.height()) / panelDesign.height() : 1.0;
    QRect& image2 = l.get("image2");
    const QRect image2Design = l.des("image2");
    image2.setSize(QSize(RoundEven(image2Design.width() * panelScale),
                         RoundEven(image2Design.height() * panelScale)));
    QRect& bevel3 = l.get("Bevel3");
    const QRect bevel3Design = l.des("Bevel3");
    const int bevel3H = panel.height() - 12;
    const int bevel3W = bevel3Design.height() > 0
                            ? RoundEven(bevel3Design.width() * (double(bevel3H) / bevel3Design.height()))
                            : bevel3Design.width();
    bevel3 = QRect(6, 6, bevel3W, bevel3H);
    QRect& noShow4 = l.get("NoShowPanel4");
    noShow4 = QRect(12, 12, bevel3.width() - 12, panel.height() - 24);
    image2.setWidth(noShow4.width() - 12);
    image2.setHeight(RoundEven(image2.width() * 3 / 4.0));
    image2.moveLeft(18);
    image2.moveTop(HalfTrunc(panel.height() - image2.height()));
    l.get("Image4").moveTop(image2.y());

    // File information panels and the show preview panel.
    QRect& sdp4 = l.get("SizeDatePanel4");
    sdp4.setWidth(tree.width() - bevel3.width() - 16);
    sdp4.moveLeft(right(bevel3) + 5);
    sdp4.moveTop(bottom(bevel3) - sdp4.height());
    l.get("Panel1") = QRect(list.x(), panel.y(), panel.width(), panel.height());
    l.get("Bevel1") = bevel3;
    l.get("NoShowPanel") = noShow4;
    l.get("SizeDatePanel") = sdp4;
    return image2;
}

// The list's height, the play-order boxes, the picture count and the
// buttons of the MyShow column.
void placeMaximizedListControls(const LayoutBounds& l, bool rowButtonsInPanel1)
{
    QRect& list = l.get("MyShowSG");
    const QRect& panel1 = l.get("Panel1");
    // The list's height leaves room for the button row.
    list.setHeight(l.get("TreeView1").height() - 2 * l.get("DeleteButton").height() - 8);

    const int comboLeft = right(l.get("Bevel1")) + 5;
    l.get("Label2").moveLeft(comboLeft);
    l.get("ShowPlayOrderCB").moveLeft(comboLeft);
    l.get("Label7").moveLeft(l.get("Label2").x());
    l.get("FPlayorderCB").moveLeft(l.get("ShowPlayOrderCB").x());
    QRect& picIn = l.get("PicInListLabel");
    picIn.moveLeft(panel1.width() - picIn.width() - 10);

    // Right-aligned buttons of the MyShow column.
    QRect& upload = l.get("UploadSp");
    upload.moveLeft(panel1.width() - upload.width() - 5 + (rowButtonsInPanel1 ? 0 : list.x()));
    QRect& mail = l.get("MailSP");
    mail.moveLeft(upload.x() - 5 - mail.width());
    QRect& copy = l.get("CopyVXOButton");
    copy.moveLeft(mail.x() - 5 - copy.width());
    l.get("MusicBlackIm").moveLeft(copy.x() - 25);
    l.get("MusicPurpleIm").moveLeft(copy.x() - 25);

    // Six list buttons of one width under the list.
    const int w = RoundEven(list.width() / 6.0);
    const char* buttons[] = {"ExchangeButtonBoven", "ExchangeButtonBeneden", "MoveButton",
                             "DeleteButton", "TextSB", "ClearListButton"};
    for (int i = 0; i < 6; ++i) {
        QRect& r = l.get(buttons[i]);
        r = QRect(list.x() + i * w, bottom(list) + 5, w, r.height());
    }
}

// The centred labels of both previews and the picture count beside the play
// order box.
void placeMaximizedLabels(const LayoutBounds& l)
{
    const QRect noShow = l.get("NoShowPanel");
    for (const char* n : {"CannotOpenLabel", "VideoLabel", "FileNotExistLabel"}) {
        QRect& label = l.get(n);
        label.moveTo(RoundEven((noShow.width() - label.width()) / 2.0),
                     RoundEven((noShow.height() - label.height()) / 2.0));
    }
    const std::pair<const char*, const char*> twins[] = {
        {"CannotOpenLabel4", "CannotOpenLabel"}, {"VideoLabel4", "VideoLabel"},
        {"FileNotExistLabel4", "FileNotExistLabel"}};
    for (const auto& [to, from] : twins)
        l.get(to).moveTo(l.get(from).topLeft());
    l.get("NrofPicLabel").moveTo(l.get("Panel1").width() - 45, l.get("ShowPlayOrderCB").y());
}

} // namespace

MaximizedLayoutResult ApplyMaximizedBounds(ControlBounds& b, const ControlBounds& design,
                                           const MaximizedLayoutInput& in)
{
    MaximizedLayoutResult res;
    const int W = in.screen.width();
    const int H = in.screen.height();
    const LayoutBounds l{b, design};
    const QRect panelDesign = l.des("TreeThumbnailPanel");

    // The window with the MyShow panel hidden: half width, top centre.
    QRect window(0, 0, W, H);
    if (in.myShowHidden) {
        window = HalfWidthTopCentre(window, W);
        res.halfWidth = true;
    }
    res.window = window;

    placeMaximizedColumns(l, W);
    res.image2Bounds = placeMaximizedPreviews(l, H, in.statusBarTop);
    placeMaximizedListControls(l, in.rowButtonsInPanel1);
    res.statusPanel1Width = window.width() - in.statusPanel0Width;
    placeMaximizedLabels(l);

    // Voice buttons at offset 0.
    PlaceVoiceButtonBounds(b, 0);
    // The sibling program's panel keeps its distance from the panel's right
    // edge: at its designed place the play order box would now lie under it.
    if (b.contains(QStringLiteral("TarnivoPanel"))) {
        const QRect tarnivoDesign = l.des("TarnivoPanel");
        const int panelWidth = b.value(QStringLiteral("TreeThumbnailPanel")).width();
        l.get("TarnivoPanel").moveLeft(panelWidth - (panelDesign.width() - tarnivoDesign.x()));
    }
    return res;
}

RestoredLayoutResult ApplyRestoredBounds(ControlBounds& b, const ControlBounds& design,
                                         bool myShowHidden, int statusPanel0Width)
{
    RestoredLayoutResult res;
    res.window = QSize(myShowHidden ? 400 : 800, 600);
    for (const QStringList* list : {&DesignBoundsControls(), &ExtraLayoutControls()})
        for (const QString& n : *list)
            if (design.contains(n))
                b[n] = design.value(n);
    b[QStringLiteral("ImMyShowHeader")] = b.value(QStringLiteral("Bevel2"));
    const QRect panel1 = b.value(QStringLiteral("Panel1"));
    b[QStringLiteral("NrofPicLabel")].moveTo(panel1.width() - 45,
                                             b.value(QStringLiteral("ShowPlayOrderCB")).y());
    PlaceVoiceButtonBounds(b, 9);
    res.statusPanel1Width = res.window.width() - statusPanel0Width;
    return res;
}

QRect FitPreviewRect(const QSize& picture, const QRect& box)
{
    if (picture.width() <= 0 || picture.height() <= 0 || box.width() <= 0 || box.height() <= 0)
        return QRect();
    const double scale = std::min(double(box.height()) / picture.height(),
                                  double(box.width()) / picture.width());
    const int w = RoundEven(picture.width() * scale);
    const int h = RoundEven(picture.height() * scale);
    return QRect(box.x() + HalfTrunc(box.width() - w), box.y() + HalfTrunc(box.height() - h), w, h);
}

QString ChangeShowSpeedStep(int& step, bool faster)
{
    if (faster) {
        if (step <= 0)
            return QStringLiteral("Already in fastest mode of ");
        --step;
        return QStringLiteral("Speeding up, interval is set to ");
    }
    if (step >= 59)
        return QStringLiteral("Already in slowest mode of ");
    ++step;
    return QStringLiteral("Slowing down, interval is set to ");
}

MyShowLabelText MyShowLabelFor(const QString& action, const QString& fileName, bool savingNow)
{
    MyShowLabelText t;
    if (action == QLatin1String("File")) {
        QString name = fileName;
        t.text = name.replace(QLatin1Char('&'), QLatin1String("&&"));
    } else if (action == QLatin1String("Load")) {
        t.text = QStringLiteral("Loading...");
    } else if (action == QLatin1String("Copy")) {
        if (savingNow)
            t.keep = true;
        else
            t.text = QStringLiteral("Creating temporary MyShow file...");
    } else if (action == QLatin1String("Draft")) {
        t.text = QStringLiteral("Draft (saves automatically)");
    } else if (action == QLatin1String("Save")) {
        t.text = QStringLiteral("Saving...");
    } else if (action == QLatin1String("SaveAs")) {
        t.text = QStringLiteral("Saving as...");
    } else {
        t.known = false;
        t.keep = true;
    }
    t.saving = action == QLatin1String("Save") || action == QLatin1String("SaveAs");
    // "Draft" and "File" end a save (MyShowSaving becomes 0): the arrow returns.
    const bool arrow = action == QLatin1String("Draft") || action == QLatin1String("File");
    t.busyCursor = !arrow;
    return t;
}

QList<ToolTipText> ShowRunningHints(bool thumbnailView)
{
    return {
        {"ToolButton1", QStringLiteral("Restart Slide Show - Home")},
        {"ToolButton2", QStringLiteral("Stop Slide Show - Escape")},
        {"ShowinReverseToolButton", QStringLiteral("Show in Reverse - Ctrl + Cursor left or Space bar")},
        {"ShowForwardToolButton", QStringLiteral("Show Forward - Ctrl + Cursor right or Space bar")},
        {"ManualModeToolButton", QStringLiteral("Pause slide show (Manual Mode) - Space bar")},
        {"Backwards1ToolButton", QStringLiteral("1 Picture/Page backwards - Cursor left")},
        {"Forward1ToolButton", QStringLiteral("1 Picture/Page forward - Cursor right")},
        {"FullScreenToolButton3", thumbnailView
             ? QStringLiteral("Resume slide show in full screen mode - 'F' or 'W'")
             : QStringLiteral("Full Screen mode - 'F' or 'W'")},
        {"SaveToolButton", QStringLiteral("Save picture to - 'S'")},
        {"MoveToolButton", QStringLiteral("Move picture to - 'M'")},
        {"RenamePictureToolButton", QStringLiteral("Rename picture - 'A'")},
        {"Volume", QStringLiteral("Control volume - 'V'")},
    };
}

QList<ToolTipText> ShowStoppedHints()
{
    return {
        {"ToolButton1", QStringLiteral("Start Slide Show from selected folder - Full screen")},
        {"Volume", QStringLiteral("Control Volume")},
    };
}

QString FullScreenImageHint(const FullScreenHintInput& in)
{
    const QString crlf = QStringLiteral("\r\n");
    if (in.navPanelVisible)
        return QStringLiteral("Drag and drop text labels to the desired positions") + crlf
               + QStringLiteral("Use panel to fine tune text label positions") + crlf
               + QStringLiteral("Click one to return to Add/Change Text/Sound window");
    QString tip;
    if (!in.zoomed) {
        if (in.fullView)
            tip = QStringLiteral("Click once to return") + crlf + crlf;
        if (in.fullView || in.manualMode)
            tip += QStringLiteral("Use the mouse to draw a rectangle to crop and enlarge,") + crlf
                   + QStringLiteral("Hold the shift key down to draw according the Crop ratio setting (see toolbar)") + crlf
                   + QStringLiteral("  * Before releasing the left mouse button, you can:") + crlf
                   + QStringLiteral("  - Make corrections to the left and top side using the cursor keys") + crlf
                   + QStringLiteral("  - Move the square/rectangle holding the Control key down");
        if (tip.isEmpty())
            tip = in.automaticShow ? QStringLiteral("Click left or press Escape to exit")
                                   : QStringLiteral("Use mousewheel to slow down/speed up the slide show");
    } else {
        tip = QStringLiteral("Use mousewheel to zoom in and out");
    }
    if (!in.automaticShow)
        tip += crlf + crlf + QStringLiteral("Click the I-button on the toolbar to suppress hints");
    return tip;
}

HintsButtonLook HintsButtonFor(bool hintsOn)
{
    return hintsOn ? HintsButtonLook{133, QStringLiteral("Press to hide hints/tooltips")}
                   : HintsButtonLook{134, QStringLiteral("Press to show hints/tooltips")};
}

QString SizeChangeRefusedText()
{
    return QStringLiteral("Maximizing/Restoring not allowed in a running slide show!");
}

SysCommandActions HandleSysCommand(SysCommand cmd, SysCommandState& st, const SysCommandContext& ctx)
{
    SysCommandActions a;
    a.command = cmd;
    // Restore of the minimized window: default handling only.
    if (cmd == SysCommand::Restore && ctx.windowMinimized) {
        a.defaultHandling = true;
        return a;
    }
    // Any command but a restore counts as a size command seen.
    if (cmd != SysCommand::Restore)
        st.sizeCommandSeen = true;
    // Maximizing from the normal layout keeps the window's position for the
    // next restore.
    if (cmd == SysCommand::Maximize && !ctx.showRunning && !st.maximizedLayout)
        a.rememberRestoredPos = true;
    // Minimize: pause a running show, minimize the whole application.
    if (cmd == SysCommand::Minimize) {
        st.minimizedDuringShow = true;
        if (ctx.showRunning) {
            st.resumeAfterRestore = true;
            if (!ctx.inManualMode) {
                a.pauseShow = true;
                st.showWasPaused = false;
            } else {
                st.showWasPaused = true;
            }
        }
        a.minimizeApp = true;
        return a;
    }
    const bool sizeCmd = cmd == SysCommand::Restore || cmd == SysCommand::Maximize;
    // The inactive application brought back.
    if (!ctx.showRunning && !ctx.appActive && sizeCmd) {
        a.command = (st.maximizedLayout && !ctx.myShowHidden) ? SysCommand::Maximize
                                                               : SysCommand::Restore;
        a.defaultHandling = true;
        a.halfWidth = st.maximizedLayout && ctx.myShowHidden;
        return a;
    }
    // A show runs: no size changes; a restore from the taskbar resumes it.
    if (ctx.showRunning) {
        st.resumeAfterRestore = false;
        if (sizeCmd && !ctx.windowMinimized) {
            a.refuse = true;
            a.command = SysCommand::Other;
            return a;
        }
        if (sizeCmd && ctx.windowMinimized) {
            a.command = SysCommand::Restore;
            st.resumeAfterRestore = true;
        }
        a.defaultHandling = true;
        // The show is resumed once: the application's restore handler may
        // have resumed it already (it clears MinimizedDuringShow).
        if (st.resumeAfterRestore && !st.showWasPaused && st.minimizedDuringShow)
            a.resumeShow = true;
        if (st.resumeAfterRestore) {
            st.minimizedDuringShow = false;
            st.resumeAfterRestore = false;
        }
        return a;
    }
    // No show: switch layouts.
    bool changed = false;
    if (cmd == SysCommand::Restore && st.windowMaximized) {
        st.windowMaximized = false;
        changed = true;
        a.hideWindowFirst = true;
    } else if (cmd == SysCommand::Maximize && !st.windowMaximized) {
        st.windowMaximized = true;
        changed = true;
    }
    a.defaultHandling = true;
    if (changed) {
        a.applyMaximized = st.windowMaximized;
        a.applyRestored = !st.windowMaximized;
    }
    return a;
}

AppRestoreActions HandleAppRestore(SysCommandState& st, const SysCommandContext& ctx)
{
    AppRestoreActions a;
    if (!ctx.showRunning && st.maximizedLayout && ctx.myShowHidden) {
        st.minimizedDuringShow = false;
        a.halfWidth = true;
        return a;
    }
    if (ctx.showRunning && st.minimizedDuringShow) {
        st.minimizedDuringShow = false;
        a.restoreApp = true;
        a.resumeShow = !st.showWasPaused;
        // Resumed here: a following restore command must not resume again.
        st.resumeAfterRestore = false;
    }
    st.minimizedDuringShow = false;
    a.updateFolderCaption = true;
    return a;
}

void ApplyNarrowScreenShift(ControlBounds& bounds, int statusBarTop)
{
    const int shift = 546 - statusBarTop;
    for (const char* n : {"TreeView1", "MyShowSG"}) {
        auto it = bounds.find(QString::fromLatin1(n));
        if (it != bounds.end())
            it->setHeight(std::max(0, it->height() - shift));
    }
    for (const char* n : {"TreeThumbnailPanel", "Panel1", "ExchangeButtonBoven", "ExchangeButtonBeneden",
                          "MoveButton", "DeleteButton", "TextSB", "ClearListButton"}) {
        auto it = bounds.find(QString::fromLatin1(n));
        if (it != bounds.end())
            it->translate(0, -shift);
    }
}
