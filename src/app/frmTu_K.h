#pragma once

#include "app/Dialogs.h"
#include "base/FsName.h"
#include "style/TwipScale.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QKeyEvent;
class QListWidget;
class QShortcutEvent;
class QToolBar;

namespace tuk {

class ColorEditor;
class FolderTree;
class SettingsStore;
enum class TargetFolderSave;
class StatusPanels;
class TextOptions;

// The main window: menus, toolbar TB, the style panel picCtrl, the folder tree TV, the image
// list File1 and the status bar. It owns the settings store for the life of the process and
// works on the one PageSettings of Program().
class frmTu_K : public QMainWindow {
    Q_OBJECT
public:
    // Builds every control in its designed state; nothing is loaded until Form_Load.
    explicit frmTu_K(Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmTu_K() override;

    // Start-up in its fixed order, ending with the window shown, the background slot selected
    // and the preview painted (refusing a second copy comes first and belongs to the
    // process: see Run.h). A failing step is shown with its description and the next runs.
    void Form_Load();

    // The toolbar, and the way its buttons are added: each button carries its key, shows
    // only its image and its tooltip, and runs TB_ButtonClick(key).
    QToolBar* TB() const { return tb_; }
    QAction* AddToolButton(const QString& key, const QIcon& icon, const QString& tooltip);
    void AddToolSeparator();

    // Status panels: 1 the current folder, 2 the image count (3 and 4, date and time, keep
    // themselves current).
    void SetStatusPanel(int panel, const QString& text);
    QString StatusPanel(int panel) const;

    // A menu entry by its name ("mnuHtmlMake"); null for an unknown name.
    QAction* MenuEntry(const QString& name) const;
    void SetHtmlMakeEnabled(bool enabled);
    void SetHtmlViewEnabled(bool enabled);

    FolderTree* TV() const { return tv_; }
    QListWidget* File1() const { return file1_; }
    ColorEditor* Colors() const { return colors_; }
    TextOptions* Text() const { return text_; }

public Q_SLOTS:
    void mnuFileRefresh_Click();
    void mnuFileAbout_Click();
    void mnuFileExit_Click();
    void mnuSettingsCopy_Click();
    void mnuSettingsSave_Click();
    void mnuSettingsDefault_Click();
    void mnuHtmlMake_Click();
    void mnuHtmlView_Click();
    void TB_ButtonClick(const QString& key);

    // Puts exactly the BODY string shown in lblBody on the clipboard.
    void CopyBody();
    // Writes the page options and the target folder; a failure is told, success is silent.
    void SaveSettings();
    // After the question, puts every page option back to its default.
    void LoadDefaultValues();
    // Lists the images of the current folder in File1, writes the folder and the image count
    // into the status bar and makes "Make HTML's" available when there are images.
    void RefreshImageList();
    // After the question, writes one page per image of the current folder; the window stays
    // responsive and refuses commands that would change what the run works on.
    void PageGenerator();
    // Lets the user choose the folder for the pages of folders that are not on a fixed disk.
    void PickTargetFolder();
    // Opens the first page of the last run in the desktop's browser.
    void ViewPages();
    // The about box.
    void ShowAbout();

    // State of the current folder and of the last run.
    const QString& sFolder() const { return sFolder_; }
    bool lHtmlView() const { return lHtmlView_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // No menu for hiding the toolbar.
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void BuildMenus();
    void BuildClientArea();
    void SetWindowIcon();

    void RunStep(const std::function<void()>& step);
    void SetTreeMargins();
    void OpenSettingsStore();
    void LoadSettings();
    TargetFolderSave TargetSave() const;
    void ApplyWindowPlacement();
    void BuildToolbar();
    void BuildFolderTree();

    bool OpenMenuOfShortcut(const QShortcutEvent* event);
    // The key is the shortcut of a menu entry or toolbar command.
    bool IsCommandKey(const QKeyEvent& key) const;
    void ChooseFolder(const QString& folder);
    void ClearFolderPanels();
    void SetRunning(bool running);

    void Form_Resize();
    void Form_QueryUnload();
    void TellNotSaved(const QString& reason);
    QSize FrameExtra() const;
    void FitPlacementToFrame();

    Dialogs& dialogs_;
    TwipScale scale_;
    std::unique_ptr<SettingsStore> store_;
    QToolBar* tb_ = nullptr;
    StatusPanels* status_ = nullptr;
    QWidget* client_ = nullptr;
    QWidget* picCtrl_ = nullptr;
    ColorEditor* colors_ = nullptr;
    TextOptions* text_ = nullptr;
    FolderTree* tv_ = nullptr;
    QListWidget* file1_ = nullptr;
    int panelExtra_ = 0;   // pixels the style panel is wider than designed
    int nTreeMarginW_ = 0; // pixels between the client area's and the tree's width
    int nTreeMarginH_ = 0;
    QString sFolder_;            // the current folder, ending with "/"; empty until one is chosen
    QList<FsName> folderImages_; // the names File1 shows, as the folder holds them
    int nImages_ = 0;
    bool lHtmlMake_ = false;
    bool lHtmlView_ = false;
    QString firstPagePath_;         // first page of the last finished run
    bool writeTargetFolder_ = true; // false: a stored folder that did not load is kept
    bool closingDuringRun_ = false;
    QRect pendingOuter_; // placement still waiting for the window manager's frame
    bool placementPending_ = false;
};

} // namespace tuk
