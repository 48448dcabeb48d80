// The window with hand-written stores: what it loads and tells, what Save and the close write.
#include "AppTestSupport.h"
#include "style/widgets/TextOptions.h"

using namespace tuk;
using namespace tuktest;

namespace {

// The defaults, with pages of other volumes going where they go when no target is stored.
PageSettings Defaults() {
    PageSettings page = DefaultPageSettings();
    page.TargetFolder = IsolatedHome().path() + "/home/Documents/Tu_K/";
    return page;
}

} // namespace

class TestWindowStore : public QObject, WindowFixture {
    Q_OBJECT

    void Save() { QTest::keyClick(w_.get(), Qt::Key_S, Qt::ControlModifier); }
    void Close() { // as the close box does
        w_->close();
        w_.reset();
    }

private Q_SLOTS:
    void cleanup() { Reset(); }

    // A bad value: one message; keys before it loaded, the rest default; the target kept.
    void badValueToldOnceRestDefault_data() {
        Columns<QString, QString, QString, QString>("ini", "message", "face", "picked");
        Row("colour text", "[Colors]\nBackG=abc\n", "BackG = \"abc\": Type mismatch", "Arial", "");
        Row("target picked", "[Text]\nnFontSize=big\n", "nFontSize = \"big\": Type mismatch",
            "Times", "/srv/chosen");
    }
    void badValueToldOnceRestDefault() {
        QFETCH(QString, ini);
        QFETCH(QString, message);
        QFETCH(QString, picked);
        WriteStore("[Window]\nDefL=150\nDefT=300\nDefW=9000\nDefH=7500\n[Colors]\nBackR=1\n"
                   "[Text]\nsFontFace=Times\n[Others]\nlLinx=False\nTargetFolder=/some/folder/\n" +
                   ini.toLatin1());
        Open();
        QCOMPARE(dialogs_.told.size(), 1);
        QVERIFY2(dialogs_.told[0].endsWith(message), qPrintable(dialogs_.told[0]));
        QCOMPARE(w_->frameGeometry(), QRect(10, 20, 600, 500)); // read before the failure
        QVERIFY(Page().BackR == 1 && Page().nFontSize == 2 && Page().lLinx);
        QTEST(Page().sFontFace, "face");
        QCOMPARE(ControlMismatches(*w_), QString());
        QCOMPARE(Page().TargetFolder, Defaults().TargetFolder);
        if (!picked.isEmpty()) {
            dialogs_.folders << picked;
            w_->TB_ButtonClick("target");
        }
        const QString target = picked.isEmpty() ? "/some/folder/" : picked + '/';
        Save();
        QCOMPARE(Stored("Text/nFontSize"), QString("2"));
        QCOMPARE(Stored("Others/TargetFolder"), target);
        Close();
        QCOMPARE(dialogs_.told.size(), 1);
        QCOMPARE(Stored("Others/TargetFolder"), target);
    }

    // A store that is no file is told at start-up and left alone; Save and the close tell too.
    void brokenStore_data() {
        Columns<QString, QString>("kind", "startMessage");
        Row("folder at the store", "folder", "is a folder, not a file");
        Row("FIFO at the store", "fifo", "is not a regular file");
        Row("link to /dev/zero at the store", "zero link", "is not a regular file");
        Row("file at the store's folder", "blocker", "");
    }
    void brokenStore() {
        QFETCH(QString, kind);
        QFETCH(QString, startMessage);
        ClearStore();
        const QString folder = QFileInfo(StorePath()).path();
        if (kind == "blocker")
            QVERIFY(MakeFolder(QFileInfo(folder).path()) && WriteFile(folder, "not a folder"));
        else
            QVERIFY(MakeFolder(folder) && MakeSpecialFile(StorePath(), kind));
        const mode_t before = FileKind(StorePath());
        alarm(30); // a hang ends the test as a failure instead of stalling the suite
        Open();
        const qsizetype atStart = startMessage.isEmpty() ? 0 : 1;
        QCOMPARE(dialogs_.told.size(), atStart);
        if (atStart) {
            QVERIFY2(dialogs_.told[0].contains(StorePath() + " " + startMessage),
                     qPrintable(dialogs_.told[0]));
            QCOMPARE(Page(), Defaults());
        }
        Save();
        QCOMPARE(dialogs_.told.size(), atStart + 1);
        QVERIFY(atStart || dialogs_.told.last().contains("is not a folder"));
        Close();
        alarm(0);
        QCOMPARE(dialogs_.told.size(), atStart + 2);
        for (qsizetype k = atStart; k < dialogs_.told.size(); ++k)
            QVERIFY(dialogs_.told[k].startsWith("The settings were not saved: "));
        QCOMPARE(FileKind(StorePath()), before);
    }

    // At start the folder of the command line, else the last one if it still exists; a folder
    // that cannot be opened is told. The last folder is kept until another is chosen.
    void startOpensTheGivenOrLastFolder_data() {
        Columns<QString, QString, QString, int>("last", "argument", "chosen", "told");
        Row("last", "pics/deep", "", "pics/deep", 0);
        Row("last gone", "gone", "", "", 0);
        Row("last on a removed stick", "stick/DCIM", "", "", 0);
        Row("argument gone", "pics", "gone", "pics", 1);
    }
    void startOpensTheGivenOrLastFolder() {
        QFETCH(QString, last);
        QFETCH(QString, argument);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        const QString d = dir.path() + '/';
        QVERIFY(MakeFolder(d + "pics/deep"));
        if (last.startsWith("stick")) {
            ScratchMount stick(d + "stick", 64);
            if (!stick.Ok())
                QSKIP("no file system can be mounted here");
            QVERIFY(MakeFolder(d + last));
        } // the stick is out
        WriteStore("[Window]\nsLastFolder=" + QFile::encodeName(d + last) + "/\n");
        Open(argument.isEmpty() ? QString() : d + argument);
        QCOMPARE(w_->sFolder(), chosen.isEmpty() ? QString() : d + chosen + '/');
        QTEST(int(dialogs_.told.size()), "told");
        Close();
        QCOMPARE(Stored("Window/sLastFolder"), d + (chosen.isEmpty() ? last : chosen) + '/');
    }

    // Nothing stored: the defaults and the smallest window at the corner. A placement larger
    // than the (800 × 800 offscreen) screen opens whole on it; one closed maximised opens so and
    // keeps its normal bounds. Loading writes nothing; every close writes the placement.
    void windowOpensWholeOnScreen_data() {
        Columns<QByteArray, bool, QByteArray>("stored", "maximised", "atClose");
        Row("nothing stored", QByteArray(), false,
            QByteArray("DefH=5610\nDefL=0\nDefT=0\nDefW=7830\nlMaxed=False"));
        Row("larger than the screen", QByteArray("DefL=6000\nDefT=3000\nDefW=18000\nDefH=12750"),
            false, QByteArray("DefH=12000\nDefL=0\nDefT=0\nDefW=12000\nlMaxed=False"));
        Row("maximised", QByteArray("DefH=7500\nDefL=150\nDefT=300\nDefW=9000\nlMaxed=True"), true,
            QByteArray("DefH=7500\nDefL=150\nDefT=300\nDefW=9000\nlMaxed=True"));
    }
    void windowOpensWholeOnScreen() {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, atClose);
        WriteStore("[Window]\n" + stored + '\n');
        const QByteArray before = ReadFile(StorePath());
        Open();
        QCOMPARE(Page(), Defaults());
        QVERIFY(w_->screen()->availableGeometry().contains(w_->frameGeometry()));
        QTEST(w_->isMaximized(), "maximised");
        QCOMPARE(ReadFile(StorePath()), before);
        Close();
        QVERIFY(dialogs_.told.isEmpty());
        QVERIFY2(ReadFile(StorePath()).contains("[Window]\n" + atClose + '\n'),
                 ReadFile(StorePath()));
        QCOMPARE(Stored("Others/TargetFolder"), Defaults().TargetFolder);
    }

    // At any scale the window lies whole on its screen, with the status bar and a run's bar
    // and Stop inside it (the clock may give way); the style panel scrolls (v, h) only where the
    // screen is too small. Moved to a smaller screen, it may get as small as that one.
    void fitsTheScreen_data() {
        Columns<QString, QString, QString>("scale", "screens", "bars");
        Row("scale 1, 1024 x 768", "1", R"({"screens":[{"width":1024,"height":768}]})", "");
        Row("scale 2, 1366 x 768", "2", R"({"screens":[{"width":1366,"height":768}]})", "");
        Row("scale 3, 1600 x 1000", "3", R"({"screens":[{"width":1600,"height":1000}]})", "v");
        Row("scale 3, 1280 x 720, no frame", "3",
            R"({"windowFrameMargins":false,"screens":[{"width":1280,"height":720}]})", "vh");
        Row("scale 2, 1600 x 480 and 960 x 480", "2",
            R"({"screens":[{"width":1600},{"name":"B","x":1600,"width":960}]})", "v");
    }
    void fitsTheScreen() {
        QFETCH(QString, scale);
        QFETCH(QString, screens);
        if (!qEnvironmentVariable("QT_QPA_PLATFORM").contains("configfile")) { // a process each
            const QString config = IsolatedHome().path() + "/screens.json";
            WriteFile(config, screens.toUtf8());
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("QT_SCALE_FACTOR", scale);
            env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config);
            QProcess child;
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            child.start(QCoreApplication::applicationFilePath(),
                        {"fitsTheScreen:" + QString(QTest::currentDataTag())});
            QVERIFY(child.waitForFinished(60000) && child.exitCode() == 0);
            return;
        }
        Open();
        for (const QScreen* other : QGuiApplication::screens().mid(1)) { // the smallest it may be
            w_->move(other->availableGeometry().topLeft());
            w_->resize(1, 1);
        }
        auto* status = Get<StatusPanels>("Status");
        status->ShowRun(5);
        QTRY_VERIFY(Get("RunStop")->isVisible() && w_->rect().contains(status->geometry()) &&
                    status->rect().contains(Get("RunStop")->geometry()) &&
                    status->rect().contains(Get("RunProgress")->geometry()));
        QVERIFY(w_->screen()->availableGeometry().contains(w_->frameGeometry()));
        const auto* panel = Get<QScrollArea>("StylePanelView");
        QTEST(QString(panel->verticalScrollBar()->isVisible() ? "v" : "") +
                  (panel->horizontalScrollBar()->isVisible() ? "h" : ""),
              "bars");
        status->EndRun(); // the clock is back
        QVERIFY(Get("StatusPanel3")->isVisible() && Get("StatusPanel4")->isVisible());
    }

    // Save, close, start again: what was saved comes back, with the placement and target.
    void savedWindowComesBack() {
        ClearStore();
        Open();
        Get<QRadioButton>("optText")->click();
        Get<QScrollBar>("hscG")->setValue(40);
        Get<QScrollBar>("hscFontSize")->setValue(5);
        w_->Text()->FlagBox(&PageSettings::lCenter)->click();
        w_->Text()->FlagBox(&PageSettings::lFDate)->click();
        for (const OptionControl& option : kMenuOptions) // each saved and shown checked again
            w_->MenuEntry(option.name)->trigger();
        Page().TargetFolder = "/srv/out/";
        Save();
        QCOMPARE(Stored("Others/lSubfolders") + Stored("Others/lIntoTarget") +
                     Stored("Others/lWebReady"),
                 QString("TrueTrueTrue"));
        QVERIFY(!ReadFile(StorePath()).contains("[Window]")); // Save writes page options only
        PageSettings expected = Page();
        expected.TargetFolder = "/srv/other/";
        Get<QScrollBar>("hscG")->setValue(41); // not saved
        Page().TargetFolder = "/srv/other/";   // kept by the close
        w_->setGeometry(QRect(QPoint(30, 45), w_->minimumSize() + QSize(60, 90)));
        const QRect frame = w_->frameGeometry();
        Close();
        Open();
        QVERIFY(dialogs_.told.isEmpty());
        QCOMPARE(Page(), expected);
        QCOMPARE(w_->frameGeometry(), frame);
        QCOMPARE(ControlMismatches(*w_), QString());
        QCOMPARE(Get<QLabel>("lblText")->font().pointSize(), 12);
    }
};

TUK_GUI_TEST_MAIN(TestWindowStore)
#include "tst_windowstore.moc"
