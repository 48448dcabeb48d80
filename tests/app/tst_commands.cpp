// Drives the window's commands: toolbar, menus and shortcuts, the image list, making and
// viewing pages, the target folder, and what a run refuses or does when the window closes.
#include "AppTestSupport.h"
#include "foldertree/FolderTree.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QTimer>
#include <QToolBar>
#include <functional>

using namespace tuk;
using namespace tuktest;

namespace {

// n images of 2000 bytes in a fresh folder, returned with a trailing "/".
QString MakeImageFolder(const QTemporaryDir& dir, const QString& name, int n) {
    const QString folder = dir.path() + '/' + name + '/';
    return MakeImages(folder, NumberedImages(n), 2000) ? folder : QString();
}

} // namespace

class TestCommands : public QObject {
    Q_OBJECT

    ScriptedDialogs dialogs_;
    std::unique_ptr<frmTu_K> w_;
    QTemporaryDir dir_;

    QAction* Tool(const char* key) { return w_->TB()->findChild<QAction*>(key); }
    void Choose(const QString& folder) { Q_EMIT w_->TV()->FolderChosen(folder); }
    // Runs the action from inside the first turn of the event loop that a run yields to.
    void DuringRun(std::function<void()> action) {
        QTimer::singleShot(0, w_.get(), std::move(action));
    }

private Q_SLOTS:
    void init() {
        ClearStore();
        dialogs_ = ScriptedDialogs{};
        w_ = OpenWindow(dialogs_);
    }
    void cleanup() {
        w_.reset();
        ClearStore();
    }

    // Each key runs its own command; a command whose condition is false does nothing.
    void buttons_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("effect");
        auto row = [](const char* name, const char* key, const char* effect) {
            QTest::newRow(name) << QString(key) << QString(effect);
        };
        row("about", "about", "about");
        row("copy", "copy", "clipboard");
        row("default", "default", "asked Load Default Values?");
        row("htmlmake without images", "htmlmake", "nothing");
        row("htmlview before a run", "htmlview", "nothing");
        row("refresh", "refresh", "refreshed");
        row("save", "save", "saved");
        row("target", "target", "prompted");
        row("exit", "exit", "closed");
        row("unknown key", "Exit", "nothing");
    }
    void buttons() {
        QFETCH(QString, key);
        QFETCH(QString, effect);
        QGuiApplication::clipboard()->clear();
        w_->SetStatusPanel(2, "before");
        w_->TB_ButtonClick(key);
        QCOMPARE(dialogs_.abouts.size(), effect == "about" ? 1 : 0);
        QCOMPARE(QGuiApplication::clipboard()->text().size(), effect == "clipboard" ? 76 : 0);
        QCOMPARE(dialogs_.asked.join('|'), effect.startsWith("asked ") ? effect.mid(6) : QString());
        QCOMPARE(w_->StatusPanel(2),
                 effect == "refreshed" ? QString("0 Images") : QString("before"));
        QCOMPARE(QFile::exists(StorePath()), effect == "saved" || effect == "closed");
        QCOMPARE(dialogs_.prompts.size(), effect == "prompted" ? 1 : 0);
        QCOMPARE(w_->isVisible(), effect != "closed");
        QVERIFY(dialogs_.told.isEmpty());
    }

    // The font box does not take the commands' keys for editing its text.
    void menuShortcuts_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("effect");
        QTest::newRow("Ctrl+R refreshes") << "TB" << int(Qt::Key_R) << "refreshed";
        QTest::newRow("Ctrl+A shows about") << "TB" << int(Qt::Key_A) << "about";
        QTest::newRow("Ctrl+K disabled") << "TB" << int(Qt::Key_K) << "nothing";
        QTest::newRow("Ctrl+W disabled") << "TB" << int(Qt::Key_W) << "nothing";
        QTest::newRow("Ctrl+T picks the target") << "TB" << int(Qt::Key_T) << "prompted";
        QTest::newRow("font box Ctrl+A") << "cboFontFace" << int(Qt::Key_A) << "about";
    }
    void menuShortcuts() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QString, effect);
        w_->SetStatusPanel(2, "before");
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        QWidget* focused = Find<QWidget>(w_.get(), qPrintable(focus));
        focused->setFocus();
        Find<QComboBox>(w_.get(), "cboFontFace")->lineEdit()->setCursorPosition(0);
        QTest::keyClick(focused, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(w_->StatusPanel(2),
                 effect == "refreshed" ? QString("0 Images") : QString("before"));
        QCOMPARE(dialogs_.abouts.size(), effect == "about" ? 1 : 0);
        QCOMPARE(dialogs_.prompts.size(), effect == "prompted" ? 1 : 0);
        QVERIFY(dialogs_.asked.isEmpty());
        QCOMPARE(Find<QComboBox>(w_.get(), "cboFontFace")->currentText(), QString("Arial"));
    }

    void imageListFollowsTheFolder() {
        const QString folder = MakeImageFolder(dir_, "list", 3);
        WriteFile(folder + "notes.txt", "x");
        Choose(folder);
        QCOMPARE(w_->sFolder(), folder);
        QCOMPARE(w_->StatusPanel(1), folder);
        QCOMPARE(w_->StatusPanel(2), QString("3 Images"));
        QCOMPARE(w_->File1()->count(), 3);
        QVERIFY(w_->MenuEntry("mnuHtmlMake")->isEnabled());
        QVERIFY(!w_->MenuEntry("mnuHtmlView")->isEnabled());

        const QString empty = MakeImageFolder(dir_, "empty", 0);
        Choose(empty);
        QCOMPARE(w_->StatusPanel(2), QString("0 Images"));
        QVERIFY(!w_->MenuEntry("mnuHtmlMake")->isEnabled());
        w_->TB_ButtonClick("htmlmake");
        QVERIFY(dialogs_.asked.isEmpty());

        // Desktop and the computer empty the panels and keep the folder.
        Q_EMIT w_->TV()->TopNodeClicked();
        QCOMPARE(w_->StatusPanel(1), QString());
        QCOMPARE(w_->StatusPanel(2), QString());
        QCOMPARE(w_->sFolder(), empty);

        // A folder that vanished lists nothing and does no harm.
        Choose(dir_.path() + "/gone/");
        QCOMPARE(w_->StatusPanel(2), QString("0 Images"));
    }

    // The window and tu_k-make write the same bytes for the same folder and settings, for
    // every image, including one whose name is not UTF-8.
    void makeMatchesTheCommandLine() {
        const QString folder = MakeImageFolder(dir_, "same", 4);
        QVERIFY(WriteFile(folder.toUtf8() + "z\xff.jpg", "x"));
        Choose(folder);
        Program().page.lText = true;
        Program().page.nFontSize = 4;
        w_->SaveSettings();
        dialogs_.answers << Dialogs::Answer::Yes;
        w_->MenuEntry("mnuHtmlMake")->trigger();
        QCOMPARE(dialogs_.asked.size(), 1);
        QCOMPARE(dialogs_.asked[0], QString("Make HTML's in %1 for 5 Image(s) in %1?").arg(folder));
        QVERIFY(w_->StatusPanel(2).startsWith("Image: 5 / 5 -- "));
        QVERIFY(w_->StatusPanel(2).endsWith(" -- OK"));
        QVERIFY(w_->lHtmlView() && w_->MenuEntry("mnuHtmlView")->isEnabled());
        QCOMPARE(w_->File1()->currentRow(), 4);
        QVERIFY(!Program().lMaking);
        const QMap<QByteArray, QByteArray> fromWindow = PageContents(folder);
        QCOMPARE(fromWindow.size(), 5);
        QVERIFY(fromWindow.value("z\xff_jpg.html").contains("<img src=\"z%FF.jpg\">"));
        for (const QByteArray& name : fromWindow.keys())
            QCOMPARE(unlink((folder.toUtf8() + name).constData()), 0);

        QProcess make;
        make.start(TUK_MAKE_PATH, {"--yes", "--quiet", folder});
        QVERIFY(make.waitForFinished(30000));
        QCOMPARE(make.exitCode(), 0);
        QCOMPARE(PageContents(folder), fromWindow);

        // View opens the first page; a browser that cannot start is told.
        w_->TB_ButtonClick("htmlview");
        QCOMPARE(dialogs_.opened, QStringList{folder + "img000_jpg.html"});
        dialogs_.browserStarts = false;
        w_->MenuEntry("mnuHtmlView")->trigger();
        QCOMPARE(dialogs_.told.size(), 1);

        // A refresh makes View unavailable again.
        w_->TB_ButtonClick("refresh");
        QVERIFY(!w_->lHtmlView() && !w_->MenuEntry("mnuHtmlView")->isEnabled());

        // Html -> Index Page, last in its menu, turns the index on; View then opens it.
        QAction* index = w_->findChild<QMenu*>("mnuHtml")->actions().last();
        QCOMPARE(index, w_->MenuEntry("mnuHtmlIndex"));
        QVERIFY(index->isCheckable() && !index->isChecked());
        index->trigger();
        QVERIFY(Program().page.lIndex);
        dialogs_.answers << Dialogs::Answer::Yes;
        w_->MenuEntry("mnuHtmlMake")->trigger();
        QVERIFY(w_->StatusPanel(2).endsWith(" -- OK"));
        dialogs_.browserStarts = true;
        w_->MenuEntry("mnuHtmlView")->trigger();
        QCOMPARE(dialogs_.opened.last(), folder + "index.html");
        QVERIFY(QFile::exists(folder + "thumbs"));
        Program().page.lIndex = false;
        Q_EMIT w_->findChild<QMenu*>("mnuHtml")->aboutToShow();
        QVERIFY(!index->isChecked());
    }

    void declinedRunWritesNothing_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("No") << int(Dialogs::Answer::No);
        QTest::newRow("Cancel") << int(Dialogs::Answer::Cancel);
    }
    void declinedRunWritesNothing() {
        QFETCH(int, answer);
        const QString folder = MakeImageFolder(dir_, QStringLiteral("declined%1").arg(answer), 2);
        Choose(folder);
        dialogs_.answers << Dialogs::Answer(answer);
        w_->TB_ButtonClick("htmlmake");
        QCOMPARE(PagesIn(folder).size(), 0);
        QCOMPARE(w_->StatusPanel(2), QString("2 Images"));
        QVERIFY(!w_->lHtmlView());
    }

    // While pages are made, nothing may change the folder, the list or the settings.
    void commandsAreRefusedDuringARun() {
        const QString folder = MakeImageFolder(dir_, "busy", 30);
        const QString other = MakeImageFolder(dir_, "other", 1);
        Choose(folder);
        bool ran = false;
        DuringRun([&] {
            ran = true;
            QVERIFY(Program().lMaking);
            Choose(other);
            w_->TB_ButtonClick("refresh");
            w_->MenuEntry("mnuFileRefresh")->trigger();
            w_->TB_ButtonClick("htmlmake");
            w_->TB_ButtonClick("default");
            w_->TB_ButtonClick("save");
            w_->TB_ButtonClick("target");
            w_->TB_ButtonClick("exit");
            QVERIFY(!w_->TV()->isEnabled());
            // The list shows the page being made.
            QVERIFY(w_->File1()->updatesEnabled());
            QCOMPARE(w_->File1()->currentRow(), 0);
            QVERIFY(!w_->MenuEntry("mnuHtmlMake")->isEnabled());
            QVERIFY(!w_->MenuEntry("mnuSettingsSave")->isEnabled());
        });
        dialogs_.answers << Dialogs::Answer::Yes;
        w_->TB_ButtonClick("htmlmake");
        QVERIFY(ran);
        QCOMPARE(dialogs_.asked.size(), 1); // no second run, no defaults question
        QVERIFY(dialogs_.prompts.isEmpty());
        QVERIFY(w_->isVisible());
        QCOMPARE(w_->sFolder(), folder);
        QCOMPARE(PagesIn(folder).size(), 30);
        QVERIFY(!QFile::exists(StorePath()));
        QVERIFY(w_->TV()->isEnabled());
        QVERIFY(w_->MenuEntry("mnuHtmlMake")->isEnabled());
    }

    // Closing during a run stops it after a whole page, saves nothing and says nothing.
    void closeDuringARun() {
        const QString folder = MakeImageFolder(dir_, "closing", 50);
        Choose(folder);
        DuringRun([&] { w_->close(); });
        dialogs_.answers << Dialogs::Answer::Yes;
        w_->TB_ButtonClick("htmlmake");
        QVERIFY(!w_->isVisible());
        QVERIFY(!Program().lMaking);
        QVERIFY(dialogs_.told.isEmpty());
        QVERIFY(!QFile::exists(StorePath()));
        const QMap<QByteArray, QByteArray> pages = PageContents(folder);
        QVERIFY(pages.size() < 50);
        for (auto page = pages.begin(); page != pages.end(); ++page) {
            QVERIFY2(page.key().endsWith("_jpg.html"), page.key().constData());
            QVERIFY(page.value().endsWith("</html>\r\n"));
        }
    }

    // A run that cannot write a page says why once, and the panel says it failed.
    void failedRun() {
        const QString folder = MakeImageFolder(dir_, "failing", 3);
        MakeFolder(folder + "img001_jpg.html/blocker"); // a folder where the second page goes
        Choose(folder);
        dialogs_.answers << Dialogs::Answer::Yes;
        w_->TB_ButtonClick("htmlmake");
        QCOMPARE(dialogs_.told.size(), 1);
        QVERIFY(dialogs_.told[0].contains("img001_jpg.html"));
        QVERIFY(!w_->StatusPanel(2).endsWith("OK"));
        QVERIFY(!Program().lMaking);
        // The first page exists, so it can be viewed.
        QVERIFY(w_->lHtmlView());
        QVERIFY(QFile::exists(folder + "img000_jpg.html"));
    }

    void targetFolder_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("target");
        QTest::newRow("cancel keeps the folder") << QString() << "/srv/Pages/";
        QTest::newRow("folder gets its slash") << "/srv/web" << QString("/srv/web/");
        QTest::newRow("root stays root") << "/" << QString("/");
        QTest::newRow("markup is text") << "/tmp/<b>x</b>" << QString("/tmp/<b>x</b>/");
    }
    void targetFolder() {
        QFETCH(QString, chosen);
        QFETCH(QString, target);
        Program().page.TargetFolder = "/srv/Pages/";
        if (!chosen.isEmpty())
            dialogs_.folders << chosen;
        w_->TB_ButtonClick("target");
        QCOMPARE(dialogs_.prompts, QStringList{"Pick a folder for storing HTML's of remote "
                                               "images.\nClic Cancel to keep /srv/Pages/"});
        QCOMPARE(Program().page.TargetFolder, target);
        QCOMPARE(Tool("target")->toolTip(),
                 "Set folder for remote images - Current: " + target + " (Ctrl+T)");
        QCOMPARE(ShownToolTip(w_->TB()->widgetForAction(Tool("target"))),
                 Tool("target")->toolTip());
    }
};

TUK_GUI_TEST_MAIN(TestCommands)
#include "tst_commands.moc"
