// The window with hand-written stores: what it loads into its controls, what it tells, and
// what Save and the close write.
#include "AppTestSupport.h"
#include "settings/Placement.h"
#include "style/TextOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <unistd.h>

using namespace tuk;
using namespace tuktest;

namespace {

QString Stored(const char* key) {
    QSettings store(StorePath(), QSettings::IniFormat);
    return store.value(QLatin1String(key)).toString();
}

// Where pages of other volumes go when no target folder is stored.
QString DefaultTarget() {
    return IsolatedHome().path() + "/home/Documents/Tu_K/";
}

} // namespace

class TestWindowStore : public QObject {
    Q_OBJECT

    ScriptedDialogs dialogs_;
    std::unique_ptr<frmTu_K> w_;

    void Open() {
        dialogs_ = ScriptedDialogs{};
        w_ = OpenWindow(dialogs_);
    }
    QString Text(const char* label) { return Find<QLabel>(w_.get(), label)->text(); }
    int BarValue(const char* bar) { return Find<QScrollBar>(w_.get(), bar)->value(); }
    bool Ticked(StoreKey flag) { return w_->Text()->FlagBox(flag)->isChecked(); }
    // Closes the window the way the close box does.
    void Close() {
        w_->close();
        w_.reset();
    }

private Q_SLOTS:
    void cleanup() {
        w_.reset();
        ClearStore();
    }

    void firstRun() {
        ClearStore();
        Open();
        QVERIFY(dialogs_.told.isEmpty());
        PageSettings expected = DefaultPageSettings();
        expected.TargetFolder = DefaultTarget();
        QCOMPARE(Program().page, expected);
        QCOMPARE(w_->size(), w_->minimumSize());
        QCOMPARE(w_->frameGeometry().topLeft(), QPoint(0, 0));
        QVERIFY(!QFile::exists(StorePath())); // loading writes nothing
        const QRect frame = w_->frameGeometry();
        Close();
        QVERIFY(dialogs_.told.isEmpty());
        const double dpi = TwipScale::ScreenDpi();
        QCOMPARE(Stored("Window/DefW").toInt(), PixelsToTwips(frame.width(), dpi));
        QCOMPARE(Stored("Window/DefH").toInt(), PixelsToTwips(frame.height(), dpi));
        QCOMPARE(Stored("Window/DefL"), QString("0"));
        QCOMPARE(Stored("Others/TargetFolder"), DefaultTarget());
        QVERIFY(!ReadFile(StorePath()).contains("[Colors]"));
    }

    // A value that does not convert: one message naming it, the keys before it loaded, it and
    // the ones after it at their defaults in the fields and the controls, so pages get what
    // the window shows. The stored target folder, not loaded, survives Save and the close
    // unless the user chooses another.
    void loadFailures_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("target"); // stored after Save and the close
        auto row = [](const char* name, const char* ini, const char* message, const char* face,
                      const char* picked, const char* target) {
            QTest::newRow(name) << QByteArray(ini) << QString(message) << QString(face)
                                << QString(picked) << QString(target);
        };
        row("size 300", "[Text]\nnFontSize=300\n", "nFontSize = \"300\": Overflow", "Times", "",
            "/some/folder/");
        row("size 0", "[Text]\nnFontSize=0\n", "nFontSize = \"0\": Invalid property value", "Times",
            "", "/some/folder/");
        row("size 200", "[Text]\nnFontSize=200\n", "nFontSize = \"200\": Invalid property value",
            "Times", "", "/some/folder/");
        row("colour text", "[Colors]\nBackG=abc\n", "BackG = \"abc\": Type mismatch", "Arial", "",
            "/some/folder/");
        row("target chosen", "[Text]\nnFontSize=big\n", "nFontSize = \"big\": Type mismatch",
            "Times", "/srv/chosen", "/srv/chosen/");
    }
    void loadFailures() {
        QFETCH(QByteArray, ini);
        QFETCH(QString, message);
        QFETCH(QString, face);
        QFETCH(QString, picked);
        QFETCH(QString, target);
        WriteStore("[Window]\nDefL=150\nDefT=300\nDefW=9000\nDefH=7500\n[Colors]\nBackR=1\n"
                   "[Text]\nsFontFace=Times\n[Others]\nlLinx=False\nTargetFolder=/some/folder/\n" +
                   ini);
        Open();
        QCOMPARE(dialogs_.told.size(), 1);
        QVERIFY2(dialogs_.told[0].endsWith(message), qPrintable(dialogs_.told[0]));
        QVERIFY(w_->isVisible());
        // Read before the failure: placement and colour.
        QCOMPARE(w_->frameGeometry(), QRect(10, 20, 600, 500));
        QVERIFY(Text("lblBody").startsWith("<body bgcolor=#01c0c0"));
        // From the failure on: the defaults, shown.
        QCOMPARE(Find<QComboBox>(w_.get(), "cboFontFace")->currentText(), face);
        QCOMPARE(Program().page.sFontFace, face);
        QCOMPARE(int(Program().page.nFontSize), 2);
        QCOMPARE(Text("lblFontSize"), QString("2"));
        QCOMPARE(BarValue("hscFontSize"), 2);
        QVERIFY(Program().page.lLinx && Ticked(StoreKey::lLinx));
        QCOMPARE(Program().page.TargetFolder, DefaultTarget());
        if (!picked.isEmpty()) {
            dialogs_.folders << picked;
            w_->TB_ButtonClick("target");
        }
        QTest::keyClick(w_.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(Stored("Text/nFontSize"), QString("2"));
        QCOMPARE(Stored("Others/TargetFolder"), target);
        Close();
        QCOMPARE(dialogs_.told.size(), 1);
        QCOMPARE(Stored("Others/TargetFolder"), target);
    }

    // What the store cannot be (a folder, a FIFO, a link to a device) is told once at
    // start-up with its reason, never opened and left as it was; a file where the store's
    // folder belongs (which not even root can write through) is quiet at start-up. Either way
    // Save and the close each say the settings were not saved.
    void brokenStore_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("startMessage");
        QTest::newRow("folder at the store") << "folder"
                                             << "is a folder, not a file";
        QTest::newRow("FIFO at the store") << "fifo"
                                           << "is not a regular file";
        QTest::newRow("link to /dev/zero at the store") << "zero link"
                                                        << "is not a regular file";
        QTest::newRow("file at the store's folder") << "blocker"
                                                    << "";
    }
    void brokenStore() {
        QFETCH(QString, kind);
        QFETCH(QString, startMessage);
        ClearStore();
        const QString folder = QFileInfo(StorePath()).path();
        if (kind == "blocker") {
            MakeFolder(QFileInfo(folder).path());
            WriteFile(folder, "not a folder");
        } else {
            MakeFolder(folder);
            QVERIFY(MakeSpecialFile(StorePath(), kind));
        }
        const mode_t before = FileKind(StorePath());
        alarm(30); // a hang ends the test as a failure instead of stalling the suite
        Open();
        const qsizetype atStart = startMessage.isEmpty() ? 0 : 1;
        QCOMPARE(dialogs_.told.size(), atStart);
        if (atStart) {
            QVERIFY2(dialogs_.told[0].contains(StorePath() + " " + startMessage),
                     qPrintable(dialogs_.told[0]));
            PageSettings defaults = DefaultPageSettings();
            defaults.TargetFolder = DefaultTarget();
            QCOMPARE(Program().page, defaults);
        }
        QTest::keyClick(w_.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialogs_.told.size(), atStart + 1);
        if (!atStart)
            QVERIFY2(dialogs_.told.last().contains("is not a folder"),
                     qPrintable(dialogs_.told.last()));
        Close();
        alarm(0);
        QCOMPARE(dialogs_.told.size(), atStart + 2);
        for (qsizetype k = atStart; k < dialogs_.told.size(); ++k)
            QVERIFY(dialogs_.told[k].startsWith("The settings were not saved: "));
        QCOMPARE(FileKind(StorePath()), before);
    }

    void saveWritesPageOptionsOnly() {
        ClearStore();
        Open();
        Find<QRadioButton>(w_.get(), "optALink")->click();
        Find<QScrollBar>(w_.get(), "hscB")->setValue(77);
        w_->Text()->FlagBox(StoreKey::lBold)->click();
        QTest::keyClick(w_.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(dialogs_.told.isEmpty());
        const QByteArray text = ReadFile(StorePath());
        QVERIFY(text.contains("AlinkB=77"));
        QVERIFY(!text.contains("ALinkB"));
        QVERIFY(text.contains("lBold=True"));
        QVERIFY(text.contains("TargetFolder="));
        QVERIFY(!text.contains("[Window]"));
    }

    void closeWhileMaking() {
        const QByteArray before("[Window]\nDefL=300\nDefT=300\nDefW=9000\nDefH=7500\n");
        WriteStore(before);
        Open();
        w_->move(200, 200);
        Program().lMaking = true;
        w_->close();
        QVERIFY(!w_->isVisible()); // the close is not refused
        w_.reset();
        QCOMPARE(ReadFile(StorePath()), before);
        Program().lMaking = false;
    }

    // Save, close, start again: everything saved comes back; what was changed after the
    // last Save is lost, the placement and target folder are kept.
    void roundTrip() {
        ClearStore();
        Open();
        Find<QRadioButton>(w_.get(), "optText")->click();
        Find<QScrollBar>(w_.get(), "hscG")->setValue(40);
        Find<QScrollBar>(w_.get(), "hscFontSize")->setValue(5);
        w_->Text()->FlagBox(StoreKey::lCenter)->click();
        w_->Text()->FlagBox(StoreKey::lFDate)->click();
        Program().page.TargetFolder = "/srv/out/";
        QTest::keyClick(w_.get(), Qt::Key_S, Qt::ControlModifier);
        const PageSettings saved = Program().page;
        Find<QScrollBar>(w_.get(), "hscG")->setValue(41); // not saved
        Program().page.TargetFolder = "/srv/other/";      // kept by the close
        w_->setGeometry(QRect(QPoint(30, 45), w_->minimumSize() + QSize(60, 90)));
        const QRect frame = w_->frameGeometry();
        Close();
        Open();
        QVERIFY(dialogs_.told.isEmpty());
        PageSettings expected = saved;
        expected.TargetFolder = "/srv/other/";
        QCOMPARE(Program().page, expected);
        QCOMPARE(w_->frameGeometry(), frame);
        QVERIFY(Ticked(StoreKey::lCenter));
        QVERIFY(!Ticked(StoreKey::lFDate));
        QCOMPARE(Text("lblFontSize"), QString("5"));
        QCOMPARE(BarValue("hscFontSize"), 5);
        QVERIFY(Text("lblBody").contains("text=#002800"));
        QCOMPARE(Find<QLabel>(w_.get(), "lblText")->font().pointSize(), 12);
    }

    // The window opens where the store says, or at the primary screen's corner when that is
    // off every screen (the rules themselves are tested on their own).
    void placement_data() {
        QTest::addColumn<QRect>("stored"); // twips
        QTest::addColumn<QRect>("expected");
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QTest::newRow("on screen") << QRect(1500, 750, 9000, 7500) << QRect(100, 50, 600, 500);
        QTest::newRow("off to the right")
            << QRect(30000, 750, 9000, 7500) << QRect(screen.topLeft(), QSize(600, 500));
    }
    void placement() {
        QFETCH(QRect, stored);
        QFETCH(QRect, expected);
        if (TwipScale::ScreenDpi() != 96)
            QSKIP("the expected pixels are those of 96 dpi");
        WriteStore(QString("[Window]\nDefL=%1\nDefT=%2\nDefW=%3\nDefH=%4\n")
                       .arg(stored.x())
                       .arg(stored.y())
                       .arg(stored.width())
                       .arg(stored.height())
                       .toLatin1());
        Open();
        QCOMPARE(w_->frameGeometry(), expected);
    }
};

TUK_GUI_TEST_MAIN(TestWindowStore)
#include "tst_windowstore.moc"
