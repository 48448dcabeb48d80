// The window's commands: buttons, keys, the image list, runs, View and the target folder.
#include "AppTestSupport.h"
#include "foldertree/widgets/FolderTree.h"
#include "thumbnails/PictureSupport.h"

#include <functional>

using namespace tuk;
using namespace tuktest;

class TestCommands : public QObject, WindowFixture {
    Q_OBJECT
    QTemporaryDir dir_;

    // n images of 2000 bytes in a fresh folder, with a trailing "/".
    QString Images(const QString& name, int n) {
        const QString folder = dir_.path() + '/' + name + '/';
        return MakeImages(folder, NumberedImages(n), 2000) ? folder : QString();
    }
    void Choose(const QString& folder) { Q_EMIT w_->TV()->FolderChosen(folder); }
    QString Count() const { return w_->StatusText(StatusPanel::Count); }
    void Make(Dialogs::Answer answer = Dialogs::Answer::Yes) {
        dialogs_.answers << answer;
        w_->TB_ButtonClick("htmlmake");
    }
    // Runs the action in the first turn of the event loop that a run yields to.
    void DuringRun(std::function<void()> action) {
        QTimer::singleShot(0, w_.get(), std::move(action));
    }

private Q_SLOTS:
    void init() {
        ClearStore();
        Open();
        w_->SetStatusText(StatusPanel::Count, "before");
    }
    void cleanup() { Reset(); }

    // Each button or key runs its own command, if its condition holds; even in the font box.
    void eachCommandDoesItsOneThing_data() {
        Columns<QString, QString>("input", "effect");
        for (const char* key : {"about", "save", "exit", "copy"})
            Row(key, key, key);
        Row("refresh", "refresh", "refreshed");
        Row("target", "target", "prompted");
        Row("default", "default", "asked Load Default Values?");
        Row("htmlmake without images", "htmlmake", "nothing");
        Row("htmlview before a run", "htmlview", "nothing");
        Row("unknown key", "Exit", "nothing");
        Row("Ctrl+R", "TB Ctrl+R", "refreshed");
        Row("Ctrl+Q", "TB Ctrl+Q", "exit");
        Row("font box Ctrl+A", "cboFontFace Ctrl+A", "about");
    }
    void eachCommandDoesItsOneThing() {
        QFETCH(QString, input);
        QFETCH(QString, effect);
        QGuiApplication::clipboard()->clear();
        if (input.contains(' ')) {
            w_->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w_.get()));
            QWidget* focused = Get(qPrintable(input.section(' ', 0, 0)));
            focused->setFocus();
            Get<QComboBox>("cboFontFace")->lineEdit()->setCursorPosition(0);
            QTest::keySequence(focused, QKeySequence(input.section(' ', 1)));
        } else {
            w_->TB_ButtonClick(input);
        }
        QCOMPARE(dialogs_.abouts.size(), effect == "about" ? 1 : 0);
        QCOMPARE(Count(), effect == "refreshed" ? "0 Images" : QString("before"));
        QCOMPARE(dialogs_.prompts.size(), effect == "prompted" ? 1 : 0);
        QCOMPARE(dialogs_.asked.join('|'), effect.startsWith("asked ") ? effect.mid(6) : "");
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 effect == "copy" ? Get<QLabel>("lblBody")->text() : QString());
        QCOMPARE(QFile::exists(StorePath()), effect == "save" || effect == "exit");
        QCOMPARE(w_->isVisible(), effect != "exit");
        QVERIFY(dialogs_.told.isEmpty());
        QCOMPARE(Get<QComboBox>("cboFontFace")->currentText(), QString("Arial"));
    }

    void imageListFollowsTheFolder() {
        const QString folder = Images("list", 3);
        WriteFile(folder + "notes.txt", "x");
        Choose(folder);
        QCOMPARE(w_->sFolder(), folder);
        QCOMPARE(w_->StatusText(StatusPanel::Folder), folder);
        QCOMPARE(Count(), QString("3 Images"));
        QCOMPARE(w_->File1()->count(), 3);
        QVERIFY(w_->MenuEntry("mnuHtmlMake")->isEnabled());
        QVERIFY(!w_->MenuEntry("mnuHtmlView")->isEnabled());
        const QString empty = Images("empty", 0);
        Choose(empty);
        QCOMPARE(Count(), QString("0 Images"));
        QVERIFY(!w_->MenuEntry("mnuHtmlMake")->isEnabled());
        // Desktop and the computer empty the panels and keep the folder.
        Q_EMIT w_->TV()->TopNodeClicked();
        QCOMPARE(w_->StatusText(StatusPanel::Folder) + Count(), QString());
        QCOMPARE(w_->sFolder(), empty);
        Choose(dir_.path() + "/gone/");
        QCOMPARE(Count(), QString("0 Images"));
    }

    // Declined runs write nothing, others the bytes of tu_k-make; View opens page 1 or the index.
    void makeAndView() {
        const QString folder = Images("same", 4);
        QVERIFY(WriteFile(folder.toUtf8() + "z\xff.jpg", "x"));
        Choose(folder);
        Page().lText = true;
        Page().nFontSize = 4;
        w_->SaveSettings();
        Make(Dialogs::Answer::No);
        Make(Dialogs::Answer::Cancel);
        QVERIFY(PagesIn(folder).isEmpty() && !w_->lHtmlView());
        QCOMPARE(Count(), QString("5 Images"));
        dialogs_.asked.clear();
        dialogs_.answers << Dialogs::Answer::Yes;
        w_->MenuEntry("mnuHtmlMake")->trigger();
        QCOMPARE(dialogs_.asked,
                 QStringList{QString("Make HTML's in %1 for 5 Image(s) in %1?").arg(folder)});
        QVERIFY(Count().startsWith("Image: 5 / 5 -- ") && Count().endsWith(" -- OK"));
        QVERIFY(w_->lHtmlView() && w_->MenuEntry("mnuHtmlView")->isEnabled());
        QCOMPARE(w_->File1()->currentRow(), 4);
        QVERIFY(!w_->lMaking());
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

        w_->TB_ButtonClick("htmlview");
        QCOMPARE(dialogs_.opened, QStringList{folder + "img000_jpg.html"});
        dialogs_.browserStarts = false; // a browser that cannot start is told
        w_->MenuEntry("mnuHtmlView")->trigger();
        QCOMPARE(dialogs_.told.size(), 1);
        // Pages of an earlier run can be viewed after a refresh; a page of the user's cannot.
        w_->TB_ButtonClick("refresh");
        QVERIFY(w_->lHtmlView() && w_->MenuEntry("mnuHtmlView")->isEnabled());
        QVERIFY(WriteFile(folder + "img000_jpg.html", "<html>mine</html>"));
        Choose(folder);
        QVERIFY(!w_->lHtmlView() && !w_->MenuEntry("mnuHtmlView")->isEnabled());

        // Html -> Index Page turns the index on; View then opens it.
        QAction* index = w_->MenuEntry("mnuHtmlIndex");
        QVERIFY(index->isCheckable() && !index->isChecked());
        index->trigger();
        Make();
        QVERIFY(Count().endsWith(" -- OK") && w_->StatusText(StatusPanel::Folder) == folder);
        // One bar for the run, full at its end (these images decode to no thumbnail).
        QCOMPARE(Get<QProgressBar>("RunProgress")->value(), 5);
        QCOMPARE(Get<QProgressBar>("RunProgress")->maximum(), 5);
        dialogs_.browserStarts = true;
        w_->MenuEntry("mnuHtmlView")->trigger();
        QCOMPARE(dialogs_.opened.last(), folder + "index.html");
        Page().lIndex = false;
        Q_EMIT w_->findChild<QMenu*>("mnuHtml")->aboutToShow();
        QVERIFY(!index->isChecked());
    }

    // Make with Include Subfolders ("S") or Pages into Target Folder ("I") turned on from the
    // menu: whether it is available, what it asks (answered No) or tells. "@" is the folder.
    void makeAsksAboutSubfoldersAndTarget_data() {
        Columns<QStringList, QString, bool, QString>("files", "options", "available", "said");
        const QStringList tree{"a.jpg", "B/",        "B/b.jpg", "C/",
                               "C/D/",  "C/D/d.gif", ".E/",     ".E/e.jpg"};
        Row("subfolders", tree, "S", true,
            "Make HTML's in @ for 3 Image(s) in @ and 3 subfolder(s)?");
        Row("only subfolders, option off", QStringList{"B/", "B/b.jpg"}, "", false, "");
        Row("no images below", QStringList{"B/", "B/notes.txt", ".E/", ".E/e.jpg"}, "S", true,
            "There are no images (.gif, .jpg, .jpeg) in @ or its subfolders. 1 hidden "
            "folder(s) with images were left out: @.E/.");
        Row("into the target folder", tree, "I", true,
            "Make HTML's into /srv/f/ for 1 Image(s) in @?");
        Row("into the target folder, with subfolders", tree, "SI", true,
            "Make HTML's into /srv/f/ for 3 Image(s) in @ and 3 subfolder(s)?");
    }
    void makeAsksAboutSubfoldersAndTarget() {
        QFETCH(QStringList, files);
        QFETCH(QString, options);
        QFETCH(QString, said);
        const QString folder = dir_.path() + "/" + QTest::currentDataTag() + "/f/";
        QVERIFY(MakeImages(folder, files));
        Choose(folder);
        Page().TargetFolder = "/srv/";
        for (const char* entry : {"mnuHtmlSubfolders", "mnuHtmlIntoTarget"}) {
            if (options.contains(entry[7]))
                w_->MenuEntry(entry)->trigger();
        }
        QTEST(w_->MenuEntry("mnuHtmlMake")->isEnabled(), "available");
        Make(Dialogs::Answer::No);
        QCOMPARE((dialogs_.asked + dialogs_.told).join('|'), said.replace("@", folder));
        QVERIFY(PagesIn(folder).isEmpty());
    }

    // While pages are made, nothing may change the folder, the list or the settings.
    void commandsAreRefusedDuringARun() {
        const QString folder = Images("busy", 30);
        const QString other = Images("other", 1);
        const QString handed = Images("handed", 2);
        Choose(folder);
        QGuiApplication::clipboard()->clear();
        bool ran = false;
        DuringRun([&] {
            ran = w_->lMaking();
            Choose(other);
            w_->TakeHandedFolder(handed); // chosen once the run has ended
            QCOMPARE(w_->sFolder(), folder);
            for (const char* key :
                 {"refresh", "htmlmake", "default", "save", "target", "exit", "about", "copy"})
                w_->TB_ButtonClick(key); // only copy runs: it changes nothing
            QVERIFY(!w_->TV()->isEnabled());
            QVERIFY(w_->File1()->updatesEnabled()); // the list shows the page being made
            QCOMPARE(w_->File1()->currentRow(), 0);
            QVERIFY(!w_->MenuEntry("mnuHtmlMake")->isEnabled());
        });
        Make();
        QVERIFY(ran);
        QCOMPARE(dialogs_.asked.size(), 1); // no second run, no defaults question
        QVERIFY(dialogs_.prompts.isEmpty() && dialogs_.abouts.isEmpty() && w_->isVisible());
        QCOMPARE(QGuiApplication::clipboard()->text(), Get<QLabel>("lblBody")->text());
        QCOMPARE(w_->sFolder(), handed);
        QCOMPARE(PagesIn(folder).size(), 30);
        QVERIFY(!QFile::exists(StorePath()));
        QVERIFY(w_->TV()->isEnabled() && w_->MenuEntry("mnuHtmlMake")->isEnabled());
    }

    // Closing during a run stops it after a whole page, saves nothing and says nothing.
    void closeDuringARun() {
        const QString folder = Images("closing", 50);
        Choose(folder);
        DuringRun([&] { w_->close(); });
        Make();
        QVERIFY(!w_->isVisible() && !w_->lMaking() && dialogs_.told.isEmpty());
        QVERIFY(!QFile::exists(StorePath()));
        const QMap<QByteArray, QByteArray> pages = PageContents(folder);
        QVERIFY(pages.size() < 50);
        for (auto page = pages.begin(); page != pages.end(); ++page)
            QVERIFY2(page.value().endsWith("</html>\r\n"), page.key().constData());
    }

    // A run shows a bar and a Stop button, named for screen readers, and keeps the window's
    // size; the button, or Escape wherever the focus is, stops the run after its page, or among
    // a web-ready run's copies (its one page is made first), leaving no link that leads nowhere.
    void stopARun_data() {
        Columns<QString, int, bool>("focus", "key", "webReady");
        Row("Stop button", "RunStop", int(Qt::Key_Space), false);
        Row("Escape in the font box", "cboFontFace", int(Qt::Key_Escape), false);
        Row("Escape among copies, with the photos' facts", "cboFontFace", int(Qt::Key_Escape),
            true);
    }
    void stopARun() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, webReady);
        const QString folder =
            Images("stop" + focus + QString::number(webReady), webReady ? 0 : 20);
        QVERIFY(!webReady || WriteFile(folder + "big.jpg", TwoColourJpeg(900, 600)));
        Page().lWebReady = webReady, Page().nWebSize = 480;
        Page().lCaptureDates = Page().lCaptions = Page().lCamera = webReady;
        Choose(folder);
        w_->activateWindow();
        const QSize size = w_->size();
        QWidget* shown[] = {Get("RunProgress"), Get("RunStop")};
        DuringRun([&] {
            SettleLayouts();
            QCOMPARE(w_->size(), size);
            for (QWidget* widget : shown) // found by screen readers, by name
                QVERIFY(!QAccessible::queryAccessibleInterface(widget)->state().invisible &&
                        !QAccessible::queryAccessibleInterface(widget)
                             ->text(QAccessible::Name)
                             .isEmpty());
            Get(qPrintable(focus))->setFocus();
            QTest::keyClick(Get(qPrintable(focus)), Qt::Key(key));
        });
        Make();
        const QString end =
            webReady ? "^Image: 1 / 1 -- .* -- Stopped$" : "^Image: 1 / 20 -- .* -- Stopped$";
        QVERIFY2(Count().contains(QRegularExpression(end)), qPrintable(Count()));
        QVERIFY(!shown[0]->isVisible() && !shown[1]->isVisible());
        QCOMPARE(BrokenPages(folder), QStringList());
    }

    // A run that cannot write a page says why once; the pages before it can be viewed.
    void failedRunSaysWhyOnceAndStaysViewable() {
        const QString folder = Images("failing", 3);
        MakeFolder(folder + "img001_jpg.html/blocker"); // a folder where the second page goes
        Choose(folder);
        Make();
        QCOMPARE(dialogs_.told.size(), 1);
        QVERIFY(dialogs_.told[0].contains("img001_jpg.html"));
        QVERIFY(!Count().endsWith("OK") && !w_->lMaking());
        QVERIFY(w_->lHtmlView() && QFile::exists(folder + "img000_jpg.html"));
    }

    // Dropped images choose their folder; a text file is refused by the drop cursor.
    void droppedImagesChooseTheirFolder() {
        const QString folder = Images("dropped", 1);
        QVERIFY(WriteFile(folder + "notes.txt", "x"));
        for (const char* item : {"notes.txt", "Img000.jpg"}) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(folder + item)});
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(w_.get(), &enter);
            QApplication::sendEvent(w_.get(), &drop);
            QCOMPARE(enter.isAccepted(), item[0] == 'I');
            QCOMPARE(w_->sFolder(), item[0] == 'I' ? folder : QString());
        }
    }

    // Recent Folders: the latest first, eight at most, gone ones dropped when it opens; the
    // current folder removed empties the list and is told.
    void recentFoldersDropTheGoneOnes() {
        const QString d = dir_.path() + "/recent/";
        for (int n = 0; n < 10; ++n)
            Choose(Images("recent/" + QString::number(n), 1));
        QVERIFY(QDir(d + "8").removeRecursively());
        auto* menu = Get<QMenu>("mnuFileRecent");
        Q_EMIT menu->aboutToShow();
        QStringList shown, expected;
        for (const QAction* entry : menu->actions())
            shown << entry->text();
        for (int n : {9, 7, 6, 5, 4, 3, 2})
            expected << QString("&%1 %2%3/").arg(expected.size() + 1).arg(d).arg(n);
        QCOMPARE(shown, expected);
        menu->actions()[1]->trigger();
        QCOMPARE(w_->sFolder(), d + "7/");
        QCOMPARE(w_->File1()->count(), 1);
        QVERIFY(QDir(d + "7").removeRecursively());
        QTRY_COMPARE_WITH_TIMEOUT(Count(), QString("Folder removed"), 1000);
        QVERIFY(w_->File1()->count() == 0 && !w_->MenuEntry("mnuHtmlMake")->isEnabled());
    }

    // Cancel keeps the folder; a chosen one gets its slash (not root); markup stays text.
    void targetFolderKeptOnCancel() {
        QAction* tool = w_->TB()->findChild<QAction*>("target");
        const std::pair<QString, QString> cases[] = {
            {"", "/srv/Pages/"}, {"/", "/"}, {"/tmp/<b>x</b>", "/tmp/<b>x</b>/"}};
        for (const auto& [chosen, target] : cases) {
            const RowName row(chosen);
            Page().TargetFolder = "/srv/Pages/";
            dialogs_.prompts.clear();
            if (!chosen.isEmpty())
                dialogs_.folders << chosen;
            w_->TB_ButtonClick("target");
            QCOMPARE(dialogs_.prompts, QStringList{"Pick a folder for storing HTML's of remote "
                                                   "images.\nClic Cancel to keep /srv/Pages/"});
            QCOMPARE(Page().TargetFolder, target);
            QCOMPARE(tool->toolTip(),
                     "Set folder for remote images - Current: " + target + " (Ctrl+T)");
            QCOMPARE(ShownToolTip(w_->TB()->widgetForAction(tool)), tool->toolTip());
        }
    }
};

TUK_GUI_TEST_MAIN(TestCommands)
#include "tst_commands.moc"
