#pragma once

// Shared by the window tests: isolated user folders, scripted boxes, the real window.

#include "TableRows.h"
#include "TestSupport.h"
#include "app/Dialogs.h"
#include "app/frmTu_K.h"
#include "settings/PageSettings.h"
#include "style/widgets/ColorEditor.h"

#include <QtTest>
#include <QtWidgets>

namespace tuktest {

// Answers questions from a queue (Cancel when it runs dry) and records every text.
struct ScriptedDialogs : tuk::Dialogs {
    QQueue<Answer> answers;
    QQueue<QString> folders; // answers of the folder chooser; empty means cancelled
    QStringList asked, told, prompts, opened, abouts;
    bool browserStarts = true;

    Answer Ask(const QString& text) override {
        asked << text;
        return answers.isEmpty() ? Answer::Cancel : answers.dequeue();
    }
    void Tell(const QString& text) override { told << text; }
    QString BrowseFolder(const QString& prompt, const QString&) override {
        prompts << prompt;
        return folders.isEmpty() ? QString() : folders.dequeue();
    }
    bool OpenPage(const QString& path) override {
        opened << path;
        return browserStarts;
    }
    void About(const QString& title, const QString& text) override {
        abouts << title + '\n' + text;
    }
};

// Home, configuration and runtime folders in a temporary folder, before anything reads them.
inline QTemporaryDir& IsolatedHome() {
    static QTemporaryDir home;
    return home;
}
inline void IsolateUserFolders() {
    const QString root = IsolatedHome().path();
    QDir().mkpath(root + "/config");
    QDir().mkpath(root + "/runtime");
    QFile::setPermissions(root + "/runtime",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", QFile::encodeName(root + "/home"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + "/config"));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(root + "/cache"));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root + "/runtime"));
}
inline QString StorePath() {
    return IsolatedHome().path() + "/config/Tarnwick/Tu_K.conf";
}
// Removes whatever the last test left at the store's place (file, folder or blocking file).
inline void ClearStore() {
    const QString folder = QFileInfo(StorePath()).path();
    QDir(folder).removeRecursively();
    QFile::remove(folder);
}
inline QString Stored(const char* key) {
    return QSettings(StorePath(), QSettings::IniFormat).value(QLatin1String(key)).toString();
}
inline void WriteStore(const QByteArray& ini) {
    ClearStore();
    MakeFolder(QFileInfo(StorePath()).path());
    WriteFile(StorePath(), ini);
}

// A fresh process state and a window after its start-up (on the folder, if any), shown.
inline std::unique_ptr<tuk::frmTu_K> OpenWindow(tuk::Dialogs& dialogs, const QString& folder = {}) {
    tuk::Program() = tuk::ProgramState{};
    auto window = std::make_unique<tuk::frmTu_K>(dialogs);
    window->SetStartFolder(folder);
    window->Form_Load();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("window not exposed");
    return window;
}

// Layout requests travel up one level of parents a turn: more turns than the window has levels,
// then the platform's answer to a resize; the window's size is then the one a change leaves.
inline void SettleLayouts() {
    for (int turn = 0; turn < 30; ++turn)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::processEvents();
}

// The tooltip text a user reads when the mouse rests on the widget, rich text as rendered.
inline QString ShownToolTip(QWidget* widget) {
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(widget, &help);
    const QString shown = QToolTip::text();
    if (!Qt::mightBeRichText(shown))
        return shown;
    QTextDocument document;
    document.setHtml(shown);
    return document.toPlainText();
}

// The option each style box and Html entry shows, and its caption and tooltip, written apart
// from the program's tables.
using P = tuk::PageSettings;
struct OptionControl {
    const char* name;
    bool P::*field;
    const char* caption;
    const char* tooltip = "";
};
inline const QList<OptionControl> kBoxes{
    {"chkCenter", &P::lCenter, "C&enter", "Center Body"},
    {"chkBold", &P::lBold, "B&old", "Set font BOLD"},
    {"chkItal", &P::lItal, "&Italic", "Set font ITALIC"},
    {"chkLinx", &P::lLinx, "Lin&ks", "Include links to other images in current folder"},
    {"chkFolder", &P::lFolder, "&Folder", "Include folder name"},
    {"chkFDate", &P::lFDate, "&Date", "Include image date"},
    {"chkFSize", &P::lFSize, "Si&ze", "Include image size (kb)"},
    {"chkBackground", &P::lBackGround, "Bk&Grnd", "Set image as HTML background"},
    {"chkText", &P::lText, "Te&xt", "Include sample text for testing background"},
    {"chkCopyr", &P::lCopyr, "Cop&yr", "Include copyright line"}};
inline const QList<OptionControl> kMenuOptions{
    {"mnuHtmlIndex", &P::lIndex, "&Index Page"},
    {"mnuHtmlSubfolders", &P::lSubfolders, "Include &Subfolders"},
    {"mnuHtmlIntoTarget", &P::lIntoTarget, "Pages into &Target Folder"},
    {"mnuHtmlWebReady", &P::lWebReady, "Web-&Ready Pages"},
    {"mnuHtmlOriginals", &P::lOriginals, "&Originals in Site"},
    {"mnuHtmlCaptureDates", &P::lCaptureDates, "&Capture Dates"},
    {"mnuHtmlCaptions", &P::lCaptions, "Ca&ptions"},
    {"mnuHtmlCamera", &P::lCamera, "Camera &Facts"}};

// Each control that shows a page option, set against that option: "hscG shows 99, not 0".
inline QString ControlMismatches(const tuk::frmTu_K& w) {
    using namespace tuk;
    const PageSettings& page = Program().page;
    QStringList wrong;
    auto check = [&](const QString& name, const QVariant& shown, const QVariant& field) {
        if (shown.toString() != field.toString())
            wrong << name + " shows " + shown.toString() + ", not " + field.toString();
    };
    auto text = [&](const QString& name) { return w.findChild<QLabel*>(name)->text(); };
    auto value = [&](const QString& name) { return w.findChild<QAbstractSlider*>(name)->value(); };
    const ColorSlot slot = w.Colors()->SelectedSlot().value_or(ColorSlot::Back);
    for (int c = 0; c < 3; ++c) {
        const int part = ClampComponent(page.Component(slot, c));
        const QString rgb(QChar("RGB"[c]));
        check("hsc" + rgb, value("hsc" + rgb), part);
        check("lbl" + rgb, text("lbl" + rgb), part);
        check("lblH" + rgb, text("lblH" + rgb), HexPair(part));
    }
    check("cboFontFace", w.findChild<QComboBox*>("cboFontFace")->currentText(), page.sFontFace);
    check("lblFontSize", text("lblFontSize"), page.nFontSize);
    check("hscFontSize", value("hscFontSize"), page.nFontSize);
    for (const OptionControl& box : kBoxes)
        check(box.name, w.findChild<QCheckBox*>(box.name)->isChecked(), page.*box.field);
    for (const OptionControl& option : kMenuOptions)
        check(option.name, w.MenuEntry(option.name)->isChecked(), page.*option.field);
    check("lblBody", text("lblBody"), MakeBodyString(page));
    return wrong.join("; ");
}

// The window under test and its scripted dialogs; Reset closes it and removes the store.
struct WindowFixture {
    ScriptedDialogs dialogs_;
    std::unique_ptr<tuk::frmTu_K> w_;

    void Open(const QString& startFolder = {}) {
        dialogs_ = ScriptedDialogs{};
        w_ = OpenWindow(dialogs_, startFolder);
    }
    void Reset() {
        w_.reset();
        ClearStore();
    }
    template <typename T = QWidget> T* Get(const char* name) const {
        T* child = w_->findChild<T*>(QLatin1String(name));
        if (!child)
            qWarning("no control named %s", name);
        return child;
    }
    tuk::PageSettings& Page() { return tuk::Program().page; }
};

} // namespace tuktest

// A test main that isolates the user folders and survives the close of the last window.
#define TUK_GUI_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char** argv) {                                                              \
        tuktest::IsolateUserFolders();                                                             \
        QApplication app(argc, argv);                                                              \
        QApplication::setQuitOnLastWindowClosed(false);                                            \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
