#include "foldertree/widgets/FolderTree.h"

#include "base/PathNames.h"
#include "foldertree/FolderNames.h"
#include "foldertree/widgets/images/DirTreeImages.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>

namespace tuk {

namespace {

const QString kDesktopKey = QStringLiteral("desk");
const QString kComputerKey = QStringLiteral("root");
const QString kClosedImage = QStringLiteral("closed");
const QString kOpenImage = QStringLiteral("open");
const QString kComputerImage = QStringLiteral("desktop");

// The hourglass pointer for as long as the object lives, restored on every way out.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// No repainting of the widget while many nodes are added; one repaint at the end.
class RedrawSuspended {
public:
    explicit RedrawSuspended(QWidget* widget) : widget_(widget), was_(widget->updatesEnabled()) {
        widget_->setUpdatesEnabled(false);
    }
    ~RedrawSuspended() { widget_->setUpdatesEnabled(was_); }
    RedrawSuspended(const RedrawSuspended&) = delete;
    RedrawSuspended& operator=(const RedrawSuspended&) = delete;

private:
    QWidget* widget_;
    bool was_;
};

// The order of children: by text as shown, then by real name (the end of the key).
bool NodeLess(const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
    return TreeOrderLess(a->text(0), GetFileName(FolderTree::NodeKey(a)), b->text(0),
                         GetFileName(FolderTree::NodeKey(b)));
}

bool IsTopKey(const QString& key) {
    return key == kDesktopKey || key == kComputerKey;
}

} // namespace

FolderTree::FolderTree(QWidget* parent) : FolderTree(TreeSources::System(), parent) {}

FolderTree::FolderTree(TreeSources sources, QWidget* parent)
    : QTreeWidget(parent), sources_(std::move(sources)) {
    setObjectName(QStringLiteral("TV"));
    setColumnCount(1);
    setHeaderHidden(true);
    // Long names scroll sideways instead of being cut short. The width is measured over the
    // rows in view and a few hundred more: measuring every row of a folder with thousands of
    // subfolders would cost more than listing it.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header()->setResizeContentsPrecision(250);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(16, 16));
    connect(this, &QTreeWidget::itemExpanded, this, &FolderTree::tv_Expand);
    connect(this, &QTreeWidget::itemCollapsed, this, &FolderTree::tv_Collapse);
    connect(this, &QTreeWidget::currentItemChanged, this, &FolderTree::OnCurrentItemChanged);
    connect(this, &QTreeWidget::itemClicked, this, &FolderTree::OnItemClicked);
    connect(this, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* node) { Watch(node, true); });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* node) { Watch(node, false); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &FolderTree::Reread);
}

QString FolderTree::NodeKey(const QTreeWidgetItem* node) {
    return node ? node->data(0, KeyRole).toString() : QString();
}

QString FolderTree::NodeImage(const QTreeWidgetItem* node) {
    return node ? node->data(0, ImageRole).toString() : QString();
}

QString FolderTree::NodeSelectedImage(const QTreeWidgetItem* node) {
    return node ? node->data(0, SelectedImageRole).toString() : QString();
}

QIcon FolderTree::Icon(const QString& image) {
    if (image == kComputerImage)
        return computerIcon_;
    auto it = icons_.constFind(image);
    if (it == icons_.constEnd())
        it = icons_.insert(image, DirTreeIcon(image));
    return *it;
}

QTreeWidgetItem* FolderTree::NewNode(const QString& key, const QString& text, const QString& image,
                                     const QString& selectedImage) {
    auto* node = new QTreeWidgetItem;
    node->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    node->setText(0, text);
    node->setIcon(0, Icon(image));
    node->setData(0, KeyRole, key);
    node->setData(0, ImageRole, image);
    if (!selectedImage.isEmpty())
        node->setData(0, SelectedImageRole, selectedImage);
    nodes_.insert(key, node);
    return node;
}

QTreeWidgetItem* FolderTree::NewFolderNode(const QString& key, const QString& name) {
    return NewNode(key, FolderText(name), kClosedImage, kOpenImage);
}

void FolderTree::BuildFolderTree() {
    WaitCursor wait;
    RedrawSuspended suspended(this);
    clear();
    nodes_.clear();
    listedOnClick_.clear();
    if (!watcher_.directories().isEmpty())
        watcher_.removePaths(watcher_.directories());
    filledKeys_ = QStringList{QString()};
    keepInView_ = nullptr;

    // The theme's picture of a computer stands for the computer where the theme has one.
    computerIcon_ = QIcon::fromTheme(QStringLiteral("computer"));
    const QString computerImage = computerIcon_.isNull() ? kOpenImage : kComputerImage;

    QList<QTreeWidgetItem*> addingOrder;
    QTreeWidgetItem* desktop =
        //: The folder tree's top node.
        NewNode(kDesktopKey, QCoreApplication::translate("frmTu_K", "Desktop"),
                QStringLiteral("desk"), {});
    addTopLevelItem(desktop);
    addingOrder.append(desktop);
    QTreeWidgetItem* computer =
        //: The folder tree's node of this computer, above its volumes.
        NewNode(kComputerKey, QCoreApplication::translate("frmTu_K", "Local PC"), computerImage,
                {});
    desktop->addChild(computer);
    addingOrder.append(computer);

    AddVolumes(computer, addingOrder);
    AddHomeFolder(desktop, addingOrder);
    AddDesktopFolders(desktop, addingOrder);
    ShowFirstNodes(addingOrder);
}

// Every volume first, so a volume mounted inside another one keeps its own node and does not
// turn up as a folder of the outer one.
void FolderTree::AddVolumes(QTreeWidgetItem* computer, QList<QTreeWidgetItem*>& addingOrder) {
    for (const VolumeNode& volume : ListVolumeNodes(*sources_.mounts, *sources_.labels)) {
        if (nodes_.contains(volume.key))
            continue;
        computer->addChild(NewNode(volume.key, volume.text, volume.image, {}));
        if (volume.listedOnClick)
            listedOnClick_.insert(volume.key);
    }
    for (int i = 0; i < computer->childCount(); ++i) {
        QTreeWidgetItem* node = computer->child(i);
        addingOrder.append(node);
        if (listedOnClick_.contains(NodeKey(node)))
            continue;
        AddFirstSubfolder(node);
        if (node->childCount() > 0)
            addingOrder.append(node->child(0));
    }
}

// The home folder, right after the computer: where most users keep their pictures.
void FolderTree::AddHomeFolder(QTreeWidgetItem* desktop, QList<QTreeWidgetItem*>& addingOrder) {
    const QString home = sources_.homeFolder;
    if (!home.isEmpty() && !nodes_.contains(home)) {
        QTreeWidgetItem* node = NewFolderNode(home, GetFileName(home));
        desktop->addChild(node);
        addingOrder.append(node);
        AddFirstSubfolder(node);
        if (node->childCount() > 0)
            addingOrder.append(node->child(0));
    }
}

// Folders on the desktop: no children of their own, and no selected picture.
void FolderTree::AddDesktopFolders(QTreeWidgetItem* desktop, QList<QTreeWidgetItem*>& addingOrder) {
    if (!sources_.desktopFolder.isEmpty()) {
        QList<QTreeWidgetItem*> folders;
        for (const QString& name : sources_.folders->Subfolders(sources_.desktopFolder)) {
            const QString key = JoinPath(sources_.desktopFolder, name);
            if (!nodes_.contains(key))
                folders.append(NewNode(key, FolderText(name), kClosedImage, {}));
        }
        desktop->addChildren(folders);
        addingOrder.append(folders);
    }
}

// Opens the tree down to its fourth node in the order of adding: the computer's volumes show,
// and the first volume opens too when it has a folder. A smaller tree opens the computer.
void FolderTree::ShowFirstNodes(const QList<QTreeWidgetItem*>& addingOrder) {
    QTreeWidgetItem* target = addingOrder.size() >= 4 ? addingOrder[3] : addingOrder[1];
    QList<QTreeWidgetItem*> ancestors;
    for (QTreeWidgetItem* node = target->parent(); node; node = node->parent())
        ancestors.prepend(node);
    if (addingOrder.size() < 4)
        ancestors.append(target);
    for (QTreeWidgetItem* node : ancestors)
        expandItem(node);
    scrollToItem(target);
}

void FolderTree::AddFirstSubfolder(QTreeWidgetItem* node) {
    const QString key = NodeKey(node);
    QString first = sources_.folders->FirstSubfolder(key);
    if (first.isEmpty())
        return;
    if (nodes_.contains(JoinPath(key, first))) {
        // That folder shows elsewhere (a volume mounted on it): the expand button depends on
        // the first folder that can still show here.
        first.clear();
        for (const QString& name : sources_.folders->Subfolders(key)) {
            if (!nodes_.contains(JoinPath(key, name))) {
                first = name;
                break;
            }
        }
        if (first.isEmpty())
            return;
    }
    node->addChild(NewFolderNode(JoinPath(key, first), first));
}

void FolderTree::AddSubfolders(const QString& key) {
    // Only paths name folders; "desk" and "root" do not.
    if (!key.startsWith(QChar(kPathSeparator)))
        return;
    QTreeWidgetItem* parent = nodes_.value(key);
    if (!parent)
        return;
    QList<QTreeWidgetItem*> added;
    for (const QString& name : sources_.folders->Subfolders(key)) {
        const QString childKey = JoinPath(key, name);
        QTreeWidgetItem* child = nodes_.value(childKey);
        if (child && child->parent() != parent)
            continue; // the path is in the tree elsewhere already (a volume, a desktop folder)
        if (!child) {
            child = NewFolderNode(childKey, name);
            added.append(child);
        }
        // A node with a child already shows its expand button; no need to look inside.
        if (child->childCount() == 0)
            AddFirstSubfolder(child);
    }
    InsertSorted(parent, added);
}

// Merges nodes, sorted already, into the sorted children of the parent, inserting each run
// that falls between two existing children at once: adding many nodes stays linear.
void FolderTree::InsertSorted(QTreeWidgetItem* parent, const QList<QTreeWidgetItem*>& sortedNew) {
    qsizetype next = 0;
    int position = 0;
    while (next < sortedNew.size()) {
        while (position < parent->childCount() &&
               !NodeLess(sortedNew[next], parent->child(position)))
            ++position;
        qsizetype end = sortedNew.size();
        if (position < parent->childCount()) {
            end = next + 1;
            while (end < sortedNew.size() && NodeLess(sortedNew[end], parent->child(position)))
                ++end;
        }
        parent->insertChildren(position, sortedNew.mid(next, end - next));
        position += static_cast<int>(end - next);
        next = end;
    }
}

void FolderTree::Watch(QTreeWidgetItem* node, bool on) {
    const QString key = NodeKey(node);
    if (!key.startsWith(QChar(kPathSeparator)))
        return;
    if (on)
        watcher_.addPath(key);
    else if (watcher_.directories().contains(key))
        watcher_.removePath(key);
}

void FolderTree::ChooseFolder(const QString& folder) {
    const QString path = WithoutTrailingSeparator(folder);
    // The deepest node above the folder (or the folder's own), by its key.
    QString key = path;
    while (!nodes_.contains(key) && key.size() > 1)
        key = key.left(qMax<qsizetype>(1, key.lastIndexOf(QChar(kPathSeparator))));
    QTreeWidgetItem* node = nodes_.value(key);
    if (node) {
        WaitCursor wait;
        const QStringList below = QStringView(path)
                                      .mid(key.size())
                                      .toString()
                                      .split(QChar(kPathSeparator), Qt::SkipEmptyParts);
        for (const QString& name : below) {
            const QString childKey = JoinPath(key, name);
            expandItem(node); // fills it, as the user's expanding does
            if (!nodes_.contains(childKey))
                AddSubfolders(key); // a volume read on click, or a folder made since
            QTreeWidgetItem* child = nodes_.value(childKey);
            if (!child || child->parent() != node)
                break;
            node = child;
            key = childKey;
        }
        for (QTreeWidgetItem* above = node->parent(); above; above = above->parent())
            expandItem(above);
        const QScopedValueRollback notByUser(inUserInput_, false);
        setCurrentItem(key == path ? node : nullptr);
        scrollToItem(node);
        keepInView_ = node;
    }
    Q_EMIT FolderChosen(WithTrailingSeparator(path));
}

void FolderTree::Reread(const QString& key) {
    QTreeWidgetItem* node = nodes_.value(key);
    if (!node || !key.startsWith(QChar(kPathSeparator)))
        return;
    const QStringList names = sources_.folders->Subfolders(key);
    for (int i = node->childCount() - 1; i >= 0; --i) {
        if (!names.contains(GetFileName(NodeKey(node->child(i)))))
            RemoveNode(node->child(i));
    }
    AddSubfolders(key);
}

void FolderTree::RemoveNode(QTreeWidgetItem* node) {
    keepInView_ = nullptr;
    for (QTreeWidgetItem* item = currentItem(); item; item = item->parent()) {
        if (item == node) {
            const QScopedValueRollback notByUser(inUserInput_, false);
            setCurrentItem(node->parent());
            break;
        }
    }
    QList<QTreeWidgetItem*> gone{node};
    for (qsizetype i = 0; i < gone.size(); ++i) {
        for (int c = 0; c < gone[i]->childCount(); ++c)
            gone.append(gone[i]->child(c));
        const QString key = NodeKey(gone[i]);
        nodes_.remove(key);
        filledKeys_.removeAll(key);
        Watch(gone[i], false);
    }
    delete node;
}

void FolderTree::tv_Expand(QTreeWidgetItem* node) {
    if (!node)
        return;
    const QString key = NodeKey(node);
    if (IsTopKey(key) || filledKeys_.contains(key) || node->childCount() == 0)
        return;
    WaitCursor wait;
    {
        RedrawSuspended suspended(this);
        AddSubfolders(key);
    }
    filledKeys_.append(key);
}

void FolderTree::tv_Collapse(QTreeWidgetItem* node) {
    if (!node)
        return;
    // The collapsed node becomes the selected one, so the highlight shows the chosen folder.
    if (currentItem() != node) {
        const QScopedValueRollback notByUser(inUserInput_, false);
        setCurrentItem(node);
    }
    tv_NodeClick(node);
}

void FolderTree::tv_NodeClick(QTreeWidgetItem* node) {
    if (!node)
        return;
    const QString key = NodeKey(node);
    if (listedOnClick_.contains(key)) {
        WaitCursor wait;
        RedrawSuspended suspended(this);
        AddSubfolders(key);
    }
    if (IsTopKey(key)) {
        Q_EMIT TopNodeClicked();
        return;
    }
    Q_EMIT FolderChosen(WithTrailingSeparator(key));
}

void FolderTree::OnCurrentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
    if (previous)
        previous->setIcon(0, Icon(NodeImage(previous)));
    if (current && !NodeSelectedImage(current).isEmpty())
        current->setIcon(0, Icon(NodeSelectedImage(current)));
    if (current && inUserInput_)
        tv_NodeClick(current);
}

void FolderTree::OnItemClicked(QTreeWidgetItem* item) {
    // A press on another node was reported already when it became the current one.
    if (pressedOnCurrent_)
        tv_NodeClick(item);
    pressedOnCurrent_ = false;
}

void FolderTree::mousePressEvent(QMouseEvent* event) {
    const QTreeWidgetItem* before = currentItem();
    pressedOnCurrent_ = before && itemAt(event->position().toPoint()) == before;
    keepInView_ = nullptr;
    const QScopedValueRollback byUser(inUserInput_, true);
    QTreeWidget::mousePressEvent(event);
}

void FolderTree::mouseMoveEvent(QMouseEvent* event) {
    const QScopedValueRollback byUser(inUserInput_, true);
    QTreeWidget::mouseMoveEvent(event);
}

void FolderTree::wheelEvent(QWheelEvent* event) {
    keepInView_ = nullptr;
    QTreeWidget::wheelEvent(event);
}

void FolderTree::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    if (keepInView_)
        scrollToItem(keepInView_);
}

void FolderTree::keyPressEvent(QKeyEvent* event) {
    keepInView_ = nullptr;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // Choosing the selected node again, e.g. to list a removable volume anew.
        if (currentItem()) {
            tv_NodeClick(currentItem());
            event->accept();
            return;
        }
        break;
    case Qt::Key_Asterisk:
        // Opening a whole branch at once could read without end through a link loop: open
        // one level, as the other keys do.
        if (currentItem())
            expandItem(currentItem());
        event->accept();
        return;
    default:
        break;
    }
    const QScopedValueRollback byUser(inUserInput_, true);
    const QScopedValueRollback byKey(movingByKey_, true);
    QTreeWidget::keyPressEvent(event);
}

} // namespace tuk
