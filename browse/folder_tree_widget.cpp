#include "browse/folder_tree_widget.h"

#include "browse/folder_exclusions.h"
#include "platform/drives.h"
#include "platform/icons.h"
#include "platform/prompt.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <array>

const QString FolderGoneInUseText =
    QStringLiteral("Folder does not exist anymore but might be still in use by another program");
const QString FileGoneInUseText = QStringLiteral(
    "Picture or video file does not exist anymore but might be still in use by another program");
const QString NoVideoProgramText =
    QStringLiteral("No video program attached, go to Options and click on the tab sheet Video");

QString PictureGoneText(const QString& path)
{
    return QStringLiteral("Picture ") + path + QStringLiteral(" no longer exists!");
}

QIcon TreeImageIcon(int image)
{
    return platform::ImageListIcon(platform::ImageListId::ImageList1, image);
}

static QIcon IconForImage(int image)
{
    // The video program's icon (image 22) can be replaced at run time, so the
    // table is asked every time.
    return TreeImageIcon(image);
}

FolderTreeController::FolderTreeController(QTreeWidget* tree, const DataPaths& paths, FolderTreeHooks hooks,
                                           QObject* parent)
    : QObject(parent), tree_(tree), paths_(paths), hooks_(std::move(hooks))
{
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setSortingEnabled(false);
    tree_->setExpandsOnDoubleClick(true);
    connect(tree_, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { TreeView1Expanded(item); });
    connect(tree_, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { TreeView1Collapsed(item); });
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
                if (current)
                    SelectedTreeNode = current;
            });
    connect(tree_, &QTreeWidget::itemClicked, this, [this] { TreeView1Click(); });
    viewport_ = tree_->viewport();
    viewport_->installEventFilter(this);
    tree_->installEventFilter(this);
}

int FolderTreeController::NodeImage(const QTreeWidgetItem* node)
{
    return node ? node->data(0, TreeImageRole).toInt() : -1;
}

qint64 FolderTreeController::NodeSize(const QTreeWidgetItem* node)
{
    return node ? node->data(0, TreeSizeRole).toLongLong() : 0;
}

void FolderTreeController::SetNodeImage(QTreeWidgetItem* node, int image)
{
    if (!node)
        return;
    node->setData(0, TreeImageRole, image);
    node->setIcon(0, IconForImage(image));
}

bool FolderTreeController::demoMode() const
{
    return hooks_.demoMode && hooks_.demoMode();
}

TreePlayOptions FolderTreeController::playOptions() const
{
    return hooks_.playOptions ? hooks_.playOptions() : TreePlayOptions();
}

void FolderTreeController::captionChanged()
{
    if (hooks_.captionChanged)
        hooks_.captionChanged();
}

QTreeWidgetItem* FolderTreeController::addNode(QTreeWidgetItem* parent, const TreeEntry& entry)
{
    auto* item = new QTreeWidgetItem(parent);
    item->setText(0, entry.name);
    item->setData(0, TreeSizeRole, QVariant::fromValue<qint64>(entry.size));
    SetNodeImage(item, entry.image);
    return item;
}

void FolderTreeController::addPlaceholder(QTreeWidgetItem* parent)
{
    addNode(parent, TreeEntry{TreePlaceholderText, ImgPlaceholder, 0});
}

void FolderTreeController::forgetNodesBelow(QTreeWidgetItem* node, bool includingNode)
{
    auto below = [node, includingNode](QTreeWidgetItem* item) {
        if (!item)
            return false;
        if (item == node)
            return includingNode;
        for (QTreeWidgetItem* p = item->parent(); p; p = p->parent())
            if (p == node)
                return true;
        return false;
    };
    for (QTreeWidgetItem** ref : {&CurrentFolderNode, &SelectedTreeNode, &ClickedTreeNode,
                                  &OpenedFolderNode, &PopupTreeNode}) {
        if (below(*ref))
            *ref = includingNode ? nullptr : node;
    }
}

void FolderTreeController::deleteChildren(QTreeWidgetItem* node)
{
    forgetNodesBelow(node, false);
    const QList<QTreeWidgetItem*> children = node->takeChildren();
    qDeleteAll(children);
}

void FolderTreeController::clearTree()
{
    CurrentFolderNode = SelectedTreeNode = ClickedTreeNode = OpenedFolderNode = PopupTreeNode = nullptr;
    TreeRootNode = nullptr;
    const QSignalBlocker blocker(tree_);
    tree_->clear();
}

QTreeWidgetItem* FolderTreeController::FillFolderNode(const QString& folder, QTreeWidgetItem* node,
                                                      const QString& nextLevel)
{
    LoadFolderExclusions(Exclusions, paths_);
    if (!node) {
        clearTree();
        const QChar letter = platform::DriveLetterOf(folder);
        if (!letter.isNull())
            TreeDriveLetter = letter;
        TreeDriveRoot = folder;
        int image = ImgFixedDrive;
        switch (platform::DriveKindOf(TreeDriveLetter)) {
        case platform::DriveKind::Removable: image = ImgRemovableDrive; break;
        case platform::DriveKind::Remote: image = ImgNetworkDrive; break;
        case platform::DriveKind::CdRom: image = ImgCdDrive; break;
        default: image = ImgFixedDrive; break;
        }
        node = new QTreeWidgetItem(tree_);
        // The root shows the drive's letter and where it is mounted.
        node->setText(0, QString(TreeDriveLetter) + QStringLiteral(": ") + folder);
        SetNodeImage(node, image);
        TreeRootNode = node;
        SelectedTreeNode = node;
    }
    const FolderFillResult fill = ReadFolderForTree(
        folder, playOptions(), VideoImageIndex,
        [this, demo = demoMode()](const QString& lowerPath) {
            return IsFolderExcluded(Exclusions, paths_, lowerPath, true, false, false, demo, false) == 1;
        },
        nextLevel);
    QTreeWidgetItem* next = nullptr;
    if (fill.entryPassed) {
        const QSignalBlocker blocker(tree_);
        deleteChildren(node);
        // The children are made apart from the tree and handed to it at once:
        // the tree's model and view then take one insertion, not one per node.
        // Each image's icon is taken once per fill.
        std::array<QIcon, ImgVideoProgram + 1> icons;
        std::array<bool, ImgVideoProgram + 1> iconTaken{};
        const auto iconFor = [&](int image) -> const QIcon& {
            static const QIcon none;
            if (image < 0 || image > ImgVideoProgram)
                return none;
            if (!iconTaken[size_t(image)]) {
                icons[size_t(image)] = IconForImage(image);
                iconTaken[size_t(image)] = true;
            }
            return icons[size_t(image)];
        };
        const auto make = [&](const TreeEntry& entry) {
            auto* item = new QTreeWidgetItem(QStringList(entry.name));
            item->setData(0, TreeSizeRole, QVariant::fromValue<qint64>(entry.size));
            item->setData(0, TreeImageRole, entry.image);
            item->setIcon(0, iconFor(entry.image));
            return item;
        };
        QList<QTreeWidgetItem*> children;
        children.reserve(qsizetype(fill.children.size()));
        for (size_t i = 0; i < fill.children.size(); ++i) {
            QTreeWidgetItem* child = make(fill.children[i]);
            if (fill.children[i].image == ImgFolderClosed)
                child->addChild(make(TreeEntry{TreePlaceholderText, ImgPlaceholder, 0}));
            if (static_cast<int>(i) == fill.nextLevelChild)
                next = child;
            children.append(child);
        }
        node->addChildren(children);
    }
    CurrentFolderNode = node;
    return next;
}

QString FolderTreeController::GetNodePath(const QTreeWidgetItem* node) const
{
    if (!node)
        return QString();
    QStringList parts;
    for (const QTreeWidgetItem* n = node; n && n->parent(); n = n->parent())
        parts.prepend(n->text(0));
    QString path = TreeDriveRoot;
    for (const QString& part : parts)
        path = JoinTreePath(path, part);
    return path;
}

OpenTargetKind FolderTreeController::OpenFolderOrShow()
{
    const bool playing = hooks_.playbackActive && hooks_.playbackActive();
    const OpenTarget target = ResolveOpenTarget(FolderToOpen, playing);
    switch (target.kind) {
    case OpenTargetKind::ShowRunning:
    case OpenTargetKind::DriveNotReady:
    case OpenTargetKind::Missing:
        platform::showMessage(platform::PromptKind::Plain, target.message);
        break;
    case OpenTargetKind::ShowFile:
        if (hooks_.openShowFile)
            hooks_.openShowFile(target.path);
        break;
    case OpenTargetKind::Folder:
        walkTo(target);
        break;
    }
    // The request is used once, whatever came of it.
    KeepListEntry = 0;
    ListEntryToUpdate = ListEntryRef();
    return target.kind;
}

void FolderTreeController::walkTo(const OpenTarget& target)
{
    CurrentFolderNode = nullptr;
    FolderLevelIndex = 0;
    if (hooks_.stopIdleTimer)
        hooks_.stopIdleTimer();
    {
        const QSignalBlocker blocker(tree_);
        tree_->collapseAll();
    }
    clearTree();
    TreeDriveLetter = target.letter;
    TreeDriveRoot = target.mountPoint;
    SelectedFolder = target.mountPoint;

    const FolderLevelSplit split = SplitFolderIntoLevels(target.path, target.mountPoint);
    FolderLevels = split.levels;
    FolderLevelMasks = split.masks;
    CheckOpenFolderExcluded(Exclusions, paths_, FolderLevelMasks.mid(1), demoMode());

    const int levelCount = FolderLevels.size();
    QTreeWidgetItem* next = FillFolderNode(target.mountPoint, nullptr,
                                           levelCount > 1 ? FolderLevels.at(1) : QString());
    QTreeWidgetItem* root = TreeRootNode;
    if (levelCount == 1) {
        if (root && root->childCount() > 0)
            tree_->scrollToItem(root->child(0));
        root->setExpanded(true);
        tree_->setCurrentItem(root);
        OpenedFolderNode = root;
        captionChanged();
    }
    bool reachedAll = levelCount == 1;
    for (int level = 1; level < levelCount; ++level) {
        // A level that is not there (excluded, or changed on disk meanwhile)
        // ends the walk at the deepest level found.
        if (!next)
            break;
        FolderLevelIndex = level;
        QTreeWidgetItem* node = next;
        FolderLevels[level] = node->text(0);
        next = FillFolderNode(FolderLevelMasks.at(level), node,
                              level + 1 < levelCount ? FolderLevels.at(level + 1) : QString());
        tree_->scrollToItem(node);
        node->setExpanded(true);
        const bool last = level + 1 == levelCount || !next;
        if (last)
            tree_->setCurrentItem(node);
        SelectedFolder = GetNodePath(node);
        captionChanged();
        OpenedFolderNode = node;
        if (level + 1 == levelCount)
            reachedAll = true;
    }
    if (root && !root->isExpanded()) {
        const QSignalBlocker blocker(tree_);
        root->setExpanded(true);
    }
    if (levelCount > 1)
        scrollToNodeWithChildren(OpenedFolderNode);

    // The path as walked, with its letter case as found on disk, goes back
    // into the recent or favourite entry that asked for this opening; only
    // when the whole path was walked, so an entry never loses its end.
    if (!KeepListEntry && levelCount > 1 && reachedAll && ListEntryToUpdate.valid()
        && hooks_.listEntryWalked)
        hooks_.listEntryWalked(ListEntryToUpdate, SelectedFolder);
    if (hooks_.afterWalk)
        hooks_.afterWalk();
}

void FolderTreeController::TreeView1Expanded(QTreeWidgetItem* node)
{
    if (!node)
        return;
    CurrentFolderNode = node;
    SelectedFolder = GetNodePath(node);
    captionChanged();
    if (node->childCount() > 0 && NodeImage(node->child(0)) == ImgPlaceholder)
        FillFolderNode(BuildLevelMask(node), node);
    if (!IsDriveRootImage(NodeImage(node)) || node->parent())
        SetNodeImage(node, ImgFolderOpen);
}

void FolderTreeController::TreeView1Collapsed(QTreeWidgetItem* node)
{
    if (!node)
        return;
    CurrentFolderNode = node;
    const bool isRoot = node->parent() == nullptr;
    if (!isRoot)
        SetNodeImage(node, ImgFolderClosed);
    if (node->childCount() > 0 && !isRoot) {
        const QSignalBlocker blocker(tree_);
        deleteChildren(node);
        addPlaceholder(node);
    }
    SelectedFolder = GetNodePath(node);
    captionChanged();
}

void FolderTreeController::TreeView1Click()
{
    if (AutoExpand)
        AutoExpand = false;
    if (CurrentFolderNode && CurrentFolderNode == TreeRootNode && !TreeRootNode->isExpanded()) {
        // The collapsed root is read again from the drive.
        AutoExpand = true;
        FillFolderNode(TreeDriveRoot, nullptr);
        if (TreeRootNode) {
            const QSignalBlocker blocker(tree_);
            TreeRootNode->setExpanded(true);
        }
        SelectedFolder = TreeDriveRoot;
        captionChanged();
        if (hooks_.focusMainWindow)
            hooks_.focusMainWindow();
    }
}

void FolderTreeController::TreeView1MouseDown(bool fromTree, Qt::MouseButton button,
                                              Qt::KeyboardModifiers modifiers, const QPoint& pos)
{
    const bool showFull = (modifiers & Qt::ControlModifier) || button == Qt::MiddleButton;
    const bool rightClick = button == Qt::RightButton;
    if (hooks_.userActivity)
        hooks_.userActivity();

    QTreeWidgetItem* node = nullptr;
    if (fromTree) {
        node = tree_->itemAt(pos);
        if (!node)
            return;
        ClickedTreeNode = node;
        tree_->setCurrentItem(node);
    } else {
        node = SelectedTreeNode;
        if (!node)
            return;
    }

    const QString path = GetNodePath(node);
    const int image = NodeImage(node);
    if (image == ImgPlaceholder || node->text(0) == TreePlaceholderText) {
        PopupEnabled = false;
        return;
    }
    PopupEnabled = true;

    if (!rightClick) {
        if (IsFolderNode(image)) {
            if (!QFileInfo(path).isDir()) {
                platform::showMessage(platform::PromptKind::Error, FolderGoneInUseText);
                return;
            }
        } else if (!QFileInfo::exists(path)) {
            platform::showMessage(platform::PromptKind::Error, FileGoneInUseText);
            return;
        }
    }

    const QFileInfo info(path);
    if (info.isDir()) {
        SelectedFolder = path;
        captionChanged();
        CurrentFolderNode = node;
        if (hooks_.folderClicked)
            hooks_.folderClicked(path);
    }
    if (rightClick || IsFolderNode(image))
        return;

    if (!info.exists()) {
        platform::showMessage(platform::PromptKind::Plain, PictureGoneText(path));
        return;
    }
    if (IsVideoImage(image)) {
        const QString program = hooks_.videoProgram ? hooks_.videoProgram() : QString();
        if (program.isEmpty())
            platform::showMessage(platform::PromptKind::Information, NoVideoProgramText);
        else if (hooks_.runVideo)
            hooks_.runVideo(program, path);
        LastVideoPath = path;
        return;
    }
    if (IsPictureImage(image) && hooks_.pictureClicked)
        hooks_.pictureClicked(path, showFull);
}

bool FolderTreeController::eventFilter(QObject* watched, QEvent* event)
{
    // Only pointers are compared here: while the window closes, the tree
    // sends events from its destructor, when it may no longer be called.
    if (event->type() == QEvent::KeyPress && watched == tree_) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Enter acts as a left click on the selected node; Shift+F10 and the
        // menu key as a right click (the pop-up menu then opens as usual).
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            TreeView1MouseDown(false, Qt::LeftButton, key->modifiers(), QPoint());
        else if (key->key() == Qt::Key_Menu
                 || (key->key() == Qt::Key_F10 && (key->modifiers() & Qt::ShiftModifier)))
            TreeView1MouseDown(false, Qt::RightButton, key->modifiers(), QPoint());
    }
    if (event->type() == QEvent::MouseButtonPress && viewport_ && watched == viewport_.data()) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint pos = mouse->position().toPoint();
        const Qt::MouseButton button = mouse->button();
        const Qt::KeyboardModifiers modifiers = mouse->modifiers();
        // The press is handled after the tree itself has seen it, so the
        // tree's own selection and expanding are done when the handler runs.
        QMetaObject::invokeMethod(
            this, [this, pos, button, modifiers] { TreeView1MouseDown(true, button, modifiers, pos); },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void FolderTreeController::RefreshTreeImages()
{
    const TreePlayOptions opts = playOptions();
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        QTreeWidgetItem* item = *it;
        const int image = NodeImage(item);
        const int updated =
            RefreshedNodeImage(image, NodeSize(item), opts, PreviousVideoImageIndex, VideoImageIndex);
        if (updated != image)
            SetNodeImage(item, updated);
    }
    PreviousVideoImageIndex = VideoImageIndex;
    tree_->viewport()->update();
}

void FolderTreeController::RefreshSelectedFolder()
{
    if (hooks_.beforeRefresh)
        hooks_.beforeRefresh();
    const QString remembered = SelectedTreeNode ? SelectedTreeNode->text(0) : QString();
    FolderToOpen = SelectedFolder;
    KeepListEntry = 1;
    OpenFolderOrShow();
    const QString name = remembered.mid(remembered.lastIndexOf(QLatin1Char('/')) + 1);
    if (!name.isEmpty())
        FindAndSelectTreeNode(name, true);
}

void FolderTreeController::scrollToNodeWithChildren(QTreeWidgetItem* node)
{
    if (!node)
        return;
    if (node->isExpanded() && node->childCount() > 0)
        tree_->scrollToItem(node->child(node->childCount() - 1));
    tree_->scrollToItem(node);
}

QTreeWidgetItem* FolderTreeController::FindAndSelectTreeNode(const QString& name, bool select)
{
    QTreeWidgetItem* start = platform::IsMountPoint(SelectedFolder) ? TreeRootNode : OpenedFolderNode;
    if (!start)
        start = TreeRootNode;
    if (!start)
        return nullptr;
    const QString upper = name.toUpper();
    QTreeWidgetItemIterator it(start);
    for (; *it; ++it) {
        if ((*it)->text(0).toUpper() == upper) {
            if (select) {
                scrollToNodeWithChildren(*it);
                tree_->setCurrentItem(*it);
            }
            return *it;
        }
    }
    return nullptr;
}
