// The menus and the commands of the menus and the toolbar.
#include "app/frmTu_K.h"

#include "app/RunController.h"
#include "app/SettingsBinder.h"
#include "app/start/StartArguments.h"
#include "app/toolbar/Toolbar.h"
#include "base/PathNames.h"
#include "foldertree/widgets/FolderTree.h"
#include "generator/Credit.h"
#include "settings/PageSettings.h"
#include "settings/SettingsSchema.h"
#include "style/widgets/ColorEditor.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <algorithm>

namespace tuk {

namespace {

struct MenuDesign {
    const char* name;
    const char* caption;
};

struct EntryDesign {
    int menu;
    const char* name;
    const char* caption;
    QKeyCombination shortcut;
    ToolKey command;
    void (frmTu_K::*handler)();
};

// A text of the window marked for translation where it is designed.
QString Translated(const char* text) {
    return QCoreApplication::translate("frmTu_K", text);
}

constexpr MenuDesign kMenus[] = {{"mnuFile", QT_TRANSLATE_NOOP("frmTu_K", "&File")},
                                 {"mnuSettings", QT_TRANSLATE_NOOP("frmTu_K", "&Settings")},
                                 {"mnuHtml", QT_TRANSLATE_NOOP("frmTu_K", "&Html")}};

// The entries' availability is not designed here: CommandAllowed decides it.
const EntryDesign kEntries[] = {
    {0, "mnuFileRefresh", QT_TRANSLATE_NOOP("frmTu_K", "&Refresh File List"), Qt::CTRL | Qt::Key_R,
     ToolKey::Refresh, &frmTu_K::mnuFileRefresh_Click},
    {0, "mnuFileAbout", QT_TRANSLATE_NOOP("frmTu_K", "&About"), Qt::CTRL | Qt::Key_A,
     ToolKey::About, &frmTu_K::mnuFileAbout_Click},
    {0, "mnuFileExit", QT_TRANSLATE_NOOP("frmTu_K", "E&xit"), Qt::CTRL | Qt::Key_Q, ToolKey::Exit,
     &frmTu_K::mnuFileExit_Click},
    {1, "mnuSettingsCopy", QT_TRANSLATE_NOOP("frmTu_K", "Copy &Body"), Qt::CTRL | Qt::Key_B,
     ToolKey::Copy, &frmTu_K::mnuSettingsCopy_Click},
    {1, "mnuSettingsSave", QT_TRANSLATE_NOOP("frmTu_K", "&Save"), Qt::CTRL | Qt::Key_S,
     ToolKey::Save, &frmTu_K::mnuSettingsSave_Click},
    {1, "mnuSettingsDefault", QT_TRANSLATE_NOOP("frmTu_K", "Load &Default"), Qt::CTRL | Qt::Key_D,
     ToolKey::Default, &frmTu_K::mnuSettingsDefault_Click},
    {2, "mnuHtmlMake", QT_TRANSLATE_NOOP("frmTu_K", "Ma&ke"), Qt::CTRL | Qt::Key_K,
     ToolKey::HtmlMake, &frmTu_K::mnuHtmlMake_Click},
    {2, "mnuHtmlView", QT_TRANSLATE_NOOP("frmTu_K", "Vie&w"), Qt::CTRL | Qt::Key_W,
     ToolKey::HtmlView, &frmTu_K::mnuHtmlView_Click},
};

// A page option without a box in the style panel: a checked entry of the Html menu, named by
// the option's stored key.
struct OptionEntry {
    const char* key;
    const char* name;
    const char* caption;
};

constexpr OptionEntry kOptionEntries[] = {
    {"lIndex", "mnuHtmlIndex", QT_TRANSLATE_NOOP("frmTu_K", "&Index Page")},
    {"lSubfolders", "mnuHtmlSubfolders", QT_TRANSLATE_NOOP("frmTu_K", "Include &Subfolders")},
    {"lIntoTarget", "mnuHtmlIntoTarget", QT_TRANSLATE_NOOP("frmTu_K", "Pages into &Target Folder")},
    {"lWebReady", "mnuHtmlWebReady", QT_TRANSLATE_NOOP("frmTu_K", "Web-&Ready Pages")},
    {"lOriginals", "mnuHtmlOriginals", QT_TRANSLATE_NOOP("frmTu_K", "&Originals in Site")},
    {"lCaptureDates", "mnuHtmlCaptureDates", QT_TRANSLATE_NOOP("frmTu_K", "&Capture Dates")},
    {"lCaptions", "mnuHtmlCaptions", QT_TRANSLATE_NOOP("frmTu_K", "Ca&ptions")},
    {"lCamera", "mnuHtmlCamera", QT_TRANSLATE_NOOP("frmTu_K", "Camera &Facts")},
};
static_assert(std::ranges::all_of(kOptionEntries,
                                  [](const OptionEntry& e) { return IsPageFlagKey(e.key); }));

// The page option an entry shows.
bool& OptionOf(const OptionEntry& entry) {
    return *PageFlagOf(*RowOfKey(entry.key), Program().page);
}

} // namespace

void frmTu_K::BuildMenus() {
    QMenu* menus[std::size(kMenus)] = {};
    for (size_t m = 0; m < std::size(kMenus); ++m) {
        menus[m] = menuBar()->addMenu(Translated(kMenus[m].caption));
        menus[m]->setObjectName(QLatin1String(kMenus[m].name));
    }
    for (const EntryDesign& entry : kEntries) {
        QAction* action = menus[entry.menu]->addAction(Translated(entry.caption));
        action->setObjectName(QLatin1String(entry.name));
        if (entry.shortcut != QKeyCombination())
            action->setShortcut(QKeySequence(entry.shortcut));
        action->setEnabled(CommandAllowed(entry.command, CommandState()));
        connect(action, &QAction::triggered, this, entry.handler);
    }
    // The folders chosen before, above Exit; the list is read again whenever it opens.
    recentMenu_ = new QMenu(QCoreApplication::translate("frmTu_K", "Recent &Folders"), menus[0]);
    recentMenu_->setObjectName(QStringLiteral("mnuFileRecent"));
    menus[0]->insertMenu(MenuEntry(QStringLiteral("mnuFileExit")), recentMenu_);
    connect(recentMenu_, &QMenu::aboutToShow, this, &frmTu_K::ShowRecentFolders);
    // The page options without a box in the style panel: checked entries that follow their
    // option whenever the menu opens (a load or Load Default may change it). A line sets them
    // apart from the commands above them. Include Subfolders decides whether Make is available.
    menus[2]->addSeparator();
    for (const OptionEntry& option : kOptionEntries) {
        QAction* entry = menus[2]->addAction(Translated(option.caption));
        entry->setObjectName(QLatin1String(option.name));
        entry->setCheckable(true);
        entry->setChecked(OptionOf(option));
        connect(entry, &QAction::toggled, this, [this, &option](bool on) {
            OptionOf(option) = on;
            ShowCommandState();
        });
    }
    connect(menus[2], &QMenu::aboutToShow, this, &frmTu_K::ShowMenuOptions);
}

void frmTu_K::ShowMenuOptions() {
    for (const OptionEntry& option : kOptionEntries)
        MenuEntry(QLatin1String(option.name))->setChecked(OptionOf(option));
    // Only a site holds originals.
    MenuEntry(QStringLiteral("mnuHtmlOriginals"))->setEnabled(Program().page.lIntoTarget);
}

// A folder that is gone is dropped; each entry is chosen with a click or its number key.
void frmTu_K::ShowRecentFolders() {
    history_.DropGone([](const QString& folder) { return FolderProblem(folder).isEmpty(); });
    recentMenu_->clear();
    for (int n = 1; n <= history_.Recent().size(); ++n) {
        const QString folder = history_.Recent()[n - 1];
        QString caption = folder;
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        connect(recentMenu_->addAction(QStringLiteral("&%1 %2").arg(n).arg(caption)),
                &QAction::triggered, this, [this, folder] {
                    if (!run_->State().making)
                        TV()->ChooseFolder(folder);
                });
    }
}

QAction* frmTu_K::MenuEntry(const QString& name) const {
    return menuBar()->findChild<QAction*>(name);
}

void frmTu_K::ShowCommandState() {
    const CommandState state = run_->State();
    for (const EntryDesign& entry : kEntries)
        MenuEntry(QLatin1String(entry.name))->setEnabled(CommandAllowed(entry.command, state));
    TV()->setEnabled(!state.making);
    recentMenu_->setEnabled(!state.making && !history_.Recent().isEmpty());
}

void frmTu_K::TB_ButtonClick(const QString& name) {
    ToolKey key{};
    if (ToolKeyOf(name, key))
        RunCommand(key);
}

void frmTu_K::RunCommand(ToolKey key) {
    if (!CommandAllowed(key, run_->State()))
        return;
    switch (key) {
    case ToolKey::About:
        ShowAbout();
        break;
    case ToolKey::Copy:
        CopyBody();
        break;
    case ToolKey::Default:
        LoadDefaultValues();
        break;
    case ToolKey::HtmlMake:
        PageGenerator();
        break;
    case ToolKey::HtmlView:
        run_->ViewPages();
        break;
    case ToolKey::Exit:
        close();
        break;
    case ToolKey::Refresh:
        TV()->Reread(WithoutTrailingSeparator(sFolder()));
        run_->RefreshImageList();
        break;
    case ToolKey::Save:
        SaveSettings();
        break;
    case ToolKey::Target:
        PickTargetFolder();
        break;
    }
}

void frmTu_K::CopyBody() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(Colors()->BodyLabel()->text());
}

void frmTu_K::SaveSettings() {
    settings_->Save();
}

void frmTu_K::LoadDefaultValues() {
    if (dialogs_.Ask(QCoreApplication::translate("frmTu_K", "Load Default Values?")) ==
        Dialogs::Answer::Yes)
        settings_->LoadDefaults();
}

void frmTu_K::PageGenerator() {
    if (CommandAllowed(ToolKey::HtmlMake, run_->State()))
        run_->MakePages(Colors()->BodyLabel()->text());
    ChooseHandedFolder();
}

void frmTu_K::PickTargetFolder() {
    QString& target = Program().page.TargetFolder;
    // The folder is kept as it was on cancel: on Linux another letter case names another folder.
    //: The prompt of the folder chooser; %1 is the target folder as it is now.
    const QString prompt = QCoreApplication::translate(
                               "frmTu_K", "Pick a folder for storing HTML's of remote images.\n"
                                          "Clic Cancel to keep %1")
                               .arg(target);
    const QString chosen = dialogs_.BrowseFolder(prompt, target);
    if (!chosen.isEmpty()) {
        target = WithTrailingSeparator(chosen);
        settings_->TargetFolderPicked();
    }
    tb_->ShowPickedTargetFolder();
}

void frmTu_K::ShowAbout() {
    //: The about box; %1 is the copyright sign, %2 the year, %3 the maker's name, %4 the
    //: maker's mail address and %5 the home page.
    const QString text = QCoreApplication::translate("frmTu_K", "Copyright %1 %2 %3 <%4>\n%5")
                             .arg(QChar(0xA9))
                             .arg(kCopyrightYear)
                             .arg(QLatin1String(kMakerName), QLatin1String(kContactAddress),
                                  QLatin1String(kMakerHomePage));
    //: The about box's title and first line; TU_K is the program's name.
    dialogs_.About(QCoreApplication::translate("frmTu_K", "TU_K :: HTML's out of Images!"), text);
}

} // namespace tuk
