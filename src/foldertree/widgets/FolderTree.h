#pragma once

#include "foldertree/TreeSources.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QIcon>
#include <QSet>
#include <QStringList>
#include <QTreeWidget>

namespace tuk {

// The folder tree: the desktop, the computer, one node per volume and their folders, filled
// one level at a time as the user expands nodes. A click on a volume or folder node (or
// collapsing it, or selecting it with the keyboard) chooses that folder.
//
// An expanded folder is watched: folders made, removed or renamed in it show at once.
//
// Node keys: "desk" for the desktop, "root" for the computer, the mount point for a volume
// ("/" for the root volume), the full path by real names for a folder. Keys are unique; a
// folder whose key is already in the tree is not added a second time.
class FolderTree : public QTreeWidget {
    Q_OBJECT
public:
    // Data roles of a node, besides its text.
    enum Role {
        KeyRole = Qt::UserRole,
        ImageRole,        // image key, e.g. "hard"
        SelectedImageRole // image key shown while the node is selected, empty for none
    };

    // A tree over this machine's volumes, folders and desktop.
    explicit FolderTree(QWidget* parent = nullptr);
    // A tree over the given sources (tests pass fixtures).
    explicit FolderTree(TreeSources sources, QWidget* parent = nullptr);

    // Builds the top of the tree: Desktop with the computer, the home folder and the desktop's
    // folders; under the computer one node per visible volume with its first subfolder, opened
    // so the volumes show. Run once at start-up; running it again starts over.
    void BuildFolderTree();

    // Adds the subfolders of the folder named by the key below its node, sorted, each with its
    // own first subfolder; folders already in the tree are not added again.
    void AddSubfolders(const QString& key);

    // Fills a node the first time it is expanded.
    void tv_Expand(QTreeWidgetItem* node);
    // Collapsing a node chooses it, as a click does.
    void tv_Collapse(QTreeWidgetItem* node);
    // Chooses the node: FolderChosen for a volume or folder, TopNodeClicked for the desktop or
    // computer. Volumes that are not read at start-up list their folders again first.
    void tv_NodeClick(QTreeWidgetItem* node);

    // Opens the tree down to the folder (a full path), from the deepest node above it, and
    // makes its node the selected one, in view; then chooses the folder as a click does. A
    // folder the tree does not show (a hidden one) is chosen all the same, with no node
    // selected.
    void ChooseFolder(const QString& folder);
    // Reads the folder of the node again: nodes of subfolders that are gone are removed (the
    // selection moves up out of them without choosing anything), new ones added.
    void Reread(const QString& key);
    // Whether the current change of the selection comes from the keyboard.
    bool MovingByKey() const { return movingByKey_; }

    // Keys of the nodes filled by expansion, in that order, after one empty entry.
    const QStringList& FilledKeys() const { return filledKeys_; }

    // The node with the key, null when there is none.
    QTreeWidgetItem* Node(const QString& key) const { return nodes_.value(key); }

    static QString NodeKey(const QTreeWidgetItem* node);
    static QString NodeImage(const QTreeWidgetItem* node);
    static QString NodeSelectedImage(const QTreeWidgetItem* node);

Q_SIGNALS:
    // A volume or folder was chosen; sFolder is its path ending with "/" ("/" for the root).
    void FolderChosen(const QString& sFolder);
    // The desktop or the computer was chosen: no folder, the status texts are cleared.
    void TopNodeClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // A folder chosen from outside stays in view while the window settles on its size.
    void resizeEvent(QResizeEvent* event) override;

private:
    QTreeWidgetItem* NewNode(const QString& key, const QString& text, const QString& image,
                             const QString& selectedImage);
    QTreeWidgetItem* NewFolderNode(const QString& key, const QString& name);
    void AddFirstSubfolder(QTreeWidgetItem* node);
    void InsertSorted(QTreeWidgetItem* parent, const QList<QTreeWidgetItem*>& sortedNew);
    void AddVolumes(QTreeWidgetItem* computer, QList<QTreeWidgetItem*>& addingOrder);
    void AddHomeFolder(QTreeWidgetItem* desktop, QList<QTreeWidgetItem*>& addingOrder);
    void AddDesktopFolders(QTreeWidgetItem* desktop, QList<QTreeWidgetItem*>& addingOrder);
    void ShowFirstNodes(const QList<QTreeWidgetItem*>& addingOrder);
    QIcon Icon(const QString& image);
    void OnCurrentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void OnItemClicked(QTreeWidgetItem* item);
    void RemoveNode(QTreeWidgetItem* node);
    void Watch(QTreeWidgetItem* node, bool on);

    TreeSources sources_;
    QHash<QString, QTreeWidgetItem*> nodes_;
    QStringList filledKeys_{QString()};
    QSet<QString> listedOnClick_;
    QHash<QString, QIcon> icons_;
    QIcon computerIcon_;
    // A change of the current node counts as a click only while the user moves it.
    bool inUserInput_ = false;
    // The last mouse press hit the node that was current already (no change to report).
    bool pressedOnCurrent_ = false;
    bool movingByKey_ = false;
    QTreeWidgetItem* keepInView_ = nullptr; // until the user scrolls, clicks or types
    QFileSystemWatcher watcher_;            // the expanded folders
};

} // namespace tuk
