// The commands of the toolbar and the menus, the current folder and the runs of the page
// generator from the window.
#include "app/frmTu_K.h"

#include "app/toolbar/ToolbarImages.h"

#include "base/PathNames.h"
#include "base/Volumes.h"
#include "foldertree/FolderTree.h"
#include "generator/Credit.h"
#include "generator/ImageList.h"
#include "generator/PageGenerator.h"
#include "style/ColorEditor.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QToolBar>

namespace tuk {

namespace {

struct ToolDesign {
    const char* key;     // nullptr for a separator
    const char* tooltip; // also the button's name for screen readers
};

constexpr char kTargetTip[] = "Set folder for remote images";

// The toolbar from left to right. The "target" tooltip tells the target folder too.
constexpr ToolDesign kTools[] = {
    {"exit", "Close TU_K"},
    {nullptr, nullptr},
    {"refresh", "Refresh file list"},
    {nullptr, nullptr},
    {"target", kTargetTip},
    {"copy", "Copy body to clipboard"},
    {"save", "Save settings"},
    {"default", "Load default settings"},
    {nullptr, nullptr},
    {"htmlmake", "Make HTML's"},
    {"htmlview", "View HTML's"},
    {nullptr, nullptr},
    {"about", "About TU_K"},
};

// The target command has no menu entry; this key runs it.
constexpr QKeyCombination kTargetShortcut = Qt::CTRL | Qt::Key_T;

// The "target" tooltip: the command, the target folder behind the separator (": " at
// start-up, " - Current: " once the user has picked one) and the shortcut.
QString TargetToolTip(const char* separator) {
    return QLatin1String(kTargetTip) + QLatin1String(separator) + Program().page.TargetFolder +
           QStringLiteral(" (") + QKeySequence(kTargetShortcut).toString(QKeySequence::NativeText) +
           QLatin1Char(')');
}

// Menu entries whose commands would change what a run works on; they are unavailable while
// pages are being made.
constexpr const char* kRefusedWhileMaking[] = {"mnuFileRefresh", "mnuFileExit", "mnuSettingsSave",
                                               "mnuSettingsDefault", "mnuFileAbout"};

// Follows a run from the window: progress in the second status panel and the list's
// selection on the page being made, one turn of the event loop after every page, and a stop
// when the window closes. Both are shown at most every 40 ms and for the last page:
// repainting them for every page would cost more than writing the page.
class WindowRun : public PageRunListener {
public:
    WindowRun(frmTu_K& window, QListWidget& list, const bool& stop)
        : window_(window), list_(list), stop_(stop) {
        shown_.start();
    }

    void Progress(int k, int n, const QString& statusText) override {
        if (k > 1 && k < n && shown_.elapsed() < kShowEveryMs)
            return;
        shown_.restart();
        window_.SetStatusPanel(2, statusText);
        list_.setCurrentRow(k - 1);
    }
    void Yield() override { QCoreApplication::processEvents(); }
    bool StopRequested() override { return stop_; }

private:
    static constexpr qint64 kShowEveryMs = 40;
    frmTu_K& window_;
    QListWidget& list_;
    const bool& stop_;
    QElapsedTimer shown_;
};

} // namespace

void frmTu_K::BuildToolbar() {
    for (const ToolDesign& tool : kTools) {
        if (!tool.key) {
            AddToolSeparator();
            continue;
        }
        const QString key = QLatin1String(tool.key);
        const bool target = key == QLatin1String("target");
        QAction* button = AddToolButton(key, ToolbarIcon(key),
                                        target ? TargetToolTip(": ") : QLatin1String(tool.tooltip));
        button->setText(QLatin1String(tool.tooltip)); // not shown: the buttons show their image
        if (target)
            button->setShortcut(kTargetShortcut);
    }
}

// Runs the command of the key, compared exactly; an unknown key does nothing. Buttons are
// never disabled: a command whose condition is false does nothing.
void frmTu_K::TB_ButtonClick(const QString& name) {
    ToolKey key{};
    if (!ToolKeyOf(name, key))
        return;
    switch (key) {
    case ToolKey::About:
        mnuFileAbout_Click();
        break;
    case ToolKey::Copy:
        CopyBody();
        break;
    case ToolKey::Default:
        mnuSettingsDefault_Click();
        break;
    case ToolKey::HtmlMake:
        mnuHtmlMake_Click();
        break;
    case ToolKey::HtmlView:
        mnuHtmlView_Click();
        break;
    case ToolKey::Exit:
        mnuFileExit_Click();
        break;
    case ToolKey::Refresh:
        mnuFileRefresh_Click();
        break;
    case ToolKey::Save:
        mnuSettingsSave_Click();
        break;
    case ToolKey::Target:
        PickTargetFolder();
        break;
    }
}

void frmTu_K::mnuFileRefresh_Click() {
    if (!Program().lMaking)
        RefreshImageList();
}

void frmTu_K::mnuFileAbout_Click() {
    // A modal box in the middle of a run would hold the run until it is closed.
    if (!Program().lMaking)
        ShowAbout();
}

void frmTu_K::mnuFileExit_Click() {
    if (!Program().lMaking)
        close();
}

void frmTu_K::mnuSettingsCopy_Click() {
    CopyBody();
}

void frmTu_K::mnuSettingsSave_Click() {
    if (!Program().lMaking)
        SaveSettings();
}

void frmTu_K::mnuSettingsDefault_Click() {
    if (!Program().lMaking)
        LoadDefaultValues();
}

void frmTu_K::mnuHtmlMake_Click() {
    if (lHtmlMake_)
        PageGenerator();
}

void frmTu_K::mnuHtmlView_Click() {
    if (lHtmlView_)
        ViewPages();
}

void frmTu_K::BuildFolderTree() {
    tv_->BuildFolderTree();
}

void frmTu_K::ChooseFolder(const QString& folder) {
    if (Program().lMaking)
        return;
    sFolder_ = folder;
    RefreshImageList();
}

void frmTu_K::ClearFolderPanels() {
    if (Program().lMaking)
        return;
    SetStatusPanel(1, QString());
    SetStatusPanel(2, QString());
}

void frmTu_K::RefreshImageList() {
    SetStatusPanel(1, sFolder_);
    FolderImages images = ListFolderImages(FsName(sFolder_).bytes);
    file1_->clear();
    file1_->addItems(ShownTexts(images.names));
    folderImages_ = std::move(images.names);
    nImages_ = static_cast<int>(folderImages_.size());
    SetStatusPanel(2, QString::number(nImages_) + QStringLiteral(" Images"));
    lHtmlMake_ = nImages_ > 0;
    SetHtmlMakeEnabled(lHtmlMake_);
    lHtmlView_ = false;
    SetHtmlViewEnabled(false);
}

// While a run lasts, the tree and the commands that would change the folder, the list, the
// settings or the window are refused, so the run's folder and list stay what it works on.
void frmTu_K::SetRunning(bool running) {
    Program().lMaking = running;
    tv_->setEnabled(!running);
    for (const char* name : kRefusedWhileMaking)
        MenuEntry(QLatin1String(name))->setEnabled(!running);
    SetHtmlMakeEnabled(!running && lHtmlMake_);
}

void frmTu_K::PageGenerator() {
    if (!lHtmlMake_ || Program().lMaking)
        return;
    PageRun run;
    run.sFolder = FsName(sFolder_);
    run.driveType = DriveTypeName(sFolder_);
    const OutputChoice out =
        ChooseOutputFolder(run.sFolder, run.driveType, Program().page.TargetFolder);
    if (dialogs_.Ask(MakeQuestion(out.sOutFolder.text, nImages_, sFolder_)) != Dialogs::Answer::Yes)
        return;

    // The names as the folder holds them: the list shows text, which may have lost bytes.
    run.images = folderImages_;
    run.settings = Program().page;
    run.body = colors_->BodyLabel()->text();

    lHtmlView_ = false;
    SetHtmlViewEnabled(false);
    closingDuringRun_ = false;
    SetRunning(true);
    WindowRun listener(*this, *file1_, closingDuringRun_);
    const PageRunResult result = tuk::PageGenerator(run, &listener);
    SetRunning(false);
    if (closingDuringRun_)
        return; // the window is closing: no messages, nothing saved

    SetStatusPanel(2, result.statusText);
    firstPagePath_ = result.firstPagePath;
    lHtmlView_ = result.end == RunEnd::Finished ||
                 (!firstPagePath_.isEmpty() && QFileInfo::exists(firstPagePath_));
    SetHtmlViewEnabled(lHtmlView_);
    if (result.end == RunEnd::Failed)
        dialogs_.Tell(result.message);
}

void frmTu_K::PickTargetFolder() {
    if (Program().lMaking)
        return;
    QString& target = Program().page.TargetFolder;
    // The folder is kept as it was on cancel: on Linux another letter case names another folder.
    const QString prompt = QStringLiteral("Pick a folder for storing HTML's of remote images.\n"
                                          "Clic Cancel to keep ") +
                           target;
    const QString chosen = dialogs_.BrowseFolder(prompt, target);
    if (!chosen.isEmpty()) {
        target = WithTrailingSeparator(chosen);
        writeTargetFolder_ = true; // the user's choice replaces whatever is stored
    }
    if (QAction* button = tb_->findChild<QAction*>(QStringLiteral("target")))
        button->setToolTip(TargetToolTip(" - Current: "));
}

void frmTu_K::ViewPages() {
    if (!QFileInfo::exists(firstPagePath_)) {
        dialogs_.Tell(QStringLiteral("The page %1 no longer exists.").arg(firstPagePath_));
        return;
    }
    if (!dialogs_.OpenPage(firstPagePath_))
        dialogs_.Tell(
            QStringLiteral("No program could be started to show %1.").arg(firstPagePath_));
}

void frmTu_K::ShowAbout() {
    const QString text = QStringLiteral("Copyright %1 %2 %3 <%4>\n%5")
                             .arg(QChar(0xA9))
                             .arg(kCopyrightYear)
                             .arg(QLatin1String(kMakerName), QLatin1String(kContactAddress),
                                  QLatin1String(kMakerHomePage));
    dialogs_.About(QStringLiteral("TU_K :: HTML's out of Images!"), text);
}

} // namespace tuk
