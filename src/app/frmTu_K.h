#pragma once

#include "app/CommandPolicy.h"
#include "app/Dialogs.h"
#include "app/StatusPanels.h"
#include "app/start/FolderHistory.h"
#include "style/widgets/TwipScale.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QListWidget;
class QToolBar;

namespace tuk {

class ClientArea;
class ColorEditor;
class FolderTree;
class PlacementKeeper;
class RunController;
class SettingsBinder;
class TextOptions;
class Toolbar;

// The main window: menus, toolbar TB, the client area (style panel, folder tree, image list)
// and the status bar. It runs the commands, each refused as CommandAllowed says; the
// settings, the runs and the placement each have a class of their own.
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
    // The folder of the command line (a full path), chosen at the end of start-up; without
    // one, or when it cannot be opened (told first), the folder chosen last, if it exists.
    void SetStartFolder(const QString& folder) { startFolder_ = folder; }

    QToolBar* TB() const;
    // The text of a status panel (only the folder and count panels take one).
    void SetStatusText(StatusPanel panel, const QString& text);
    QString StatusText(StatusPanel panel) const;
    // A menu entry by its name ("mnuHtmlMake"); null for an unknown name.
    QAction* MenuEntry(const QString& name) const;

    FolderTree* TV() const;
    QListWidget* File1() const;
    ColorEditor* Colors() const;
    TextOptions* Text() const;

    // State of the current folder and of the runs.
    const QString& sFolder() const;
    bool lHtmlView() const;
    bool lMaking() const;

public Q_SLOTS:
    void mnuFileRefresh_Click() { RunCommand(ToolKey::Refresh); }
    void mnuFileAbout_Click() { RunCommand(ToolKey::About); }
    void mnuFileExit_Click() { RunCommand(ToolKey::Exit); }
    void mnuSettingsCopy_Click() { RunCommand(ToolKey::Copy); }
    void mnuSettingsSave_Click() { RunCommand(ToolKey::Save); }
    void mnuSettingsDefault_Click() { RunCommand(ToolKey::Default); }
    void mnuHtmlMake_Click() { RunCommand(ToolKey::HtmlMake); }
    void mnuHtmlView_Click() { RunCommand(ToolKey::HtmlView); }
    // Runs the command of the key, compared exactly; an unknown key does nothing. Buttons are
    // never disabled: a command that is not allowed now does nothing.
    void TB_ButtonClick(const QString& key);
    // A later start handed a folder over (empty: none): the window comes to the front and
    // chooses it; while start-up, a run or a modal box is under way, once that has ended.
    void TakeHandedFolder(const QString& folder);

    // Writes the page options and the target folder; a failure is told, success is silent.
    void SaveSettings();
    // After the question, writes one page per image of the current folder; the window stays
    // responsive and refuses commands that would change what the run works on.
    void PageGenerator();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // A folder, or image files of one folder, dropped on the window choose that folder.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    // No menu for hiding the toolbar.
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void BuildMenus();
    void InstallMenuKeys();
    void RunStep(const std::function<void()>& step);
    void RunCommand(ToolKey key);
    // Makes each menu entry and the tree available as the state allows.
    void ShowCommandState();
    void ChooseStartFolder();
    void ChooseHandedFolder();
    void ShowRecentFolders();
    // Checks each option entry of the Html menu as its option is.
    void ShowMenuOptions();

    // Puts exactly the BODY string shown in lblBody on the clipboard.
    void CopyBody();
    // After the question, puts every page option back to its default.
    void LoadDefaultValues();
    // Lets the user choose the folder for the pages of folders that are not on a fixed disk.
    void PickTargetFolder();
    void ShowAbout();
    void Form_QueryUnload();

    Dialogs& dialogs_;
    TwipScale scale_;
    Toolbar* tb_ = nullptr;
    StatusPanels* status_ = nullptr;
    ClientArea* client_ = nullptr;
    std::unique_ptr<SettingsBinder> settings_;
    std::unique_ptr<RunController> run_;
    std::unique_ptr<PlacementKeeper> placement_;
    FolderHistory history_;
    QMenu* recentMenu_ = nullptr;
    QString startFolder_;
    QString handedFolder_; // waiting for start-up, a run or a modal box to end
    bool started_ = false;
};

} // namespace tuk
