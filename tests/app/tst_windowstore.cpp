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

using namespace tuk;
using namespace tuktest;

namespace {

QString Stored(const char* key) {
    QSettings store(StorePath(), QSettings::IniFormat);
    return store.value(QLatin1String(key)).toString();
}

QString ProgramFolder() {
    return QCoreApplication::applicationDirPath() + "/";
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
        expected.TargetFolder = ProgramFolder();
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
        QCOMPARE(Stored("Others/TargetFolder"), ProgramFolder());
        QVERIFY(!ReadFile(StorePath()).contains("[Colors]"));
    }

    // Stored values show in the controls; the conversion rules themselves are the store's.
    void loadedValues_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* name, const char* ini, const char* what, const char* shown) {
            QTest::newRow(name) << QByteArray(ini) << QString(what) << QString(shown);
        };
        row("flag off", "[Others]\nlLinx=0\n", "chkLinx", "false");
        row("flag on", "[Text]\nlBold=-1\n", "chkBold", "true");
        row("BackR 300 bar", "[Colors]\nBackR=300\n", "hscR", "255");
        row("BackR 300 body", "[Colors]\nBackR=300\n", "body",
            "<body bgcolor=#ffc0c0 text=#000000 link=#0000ff vlink=#800080 alink=#ff0000>");
        row("key missing in the middle", "[Colors]\nLinkR=1\nLinkB=3\n", "body",
            "<body bgcolor=#c0c0c0 text=#000000 link=#010003 vlink=#800080 alink=#ff0000>");
        row("face shown as stored", "[Text]\nsFontFace=times\n", "cboFontFace", "times|times");
        row("size 7", "[Text]\nnFontSize=7\n", "lblFontSize", "7");
    }
    void loadedValues() {
        QFETCH(QByteArray, ini);
        QFETCH(QString, what);
        QFETCH(QString, expected);
        WriteStore(ini);
        Open();
        QVERIFY(dialogs_.told.isEmpty());
        QString actual;
        if (what.startsWith("chk"))
            actual = Find<QCheckBox>(w_.get(), qPrintable(what))->isChecked() ? "true" : "false";
        else if (what == "hscR")
            actual = QString::number(BarValue("hscR")) + (Text("lblR") == "255" ? "" : "?");
        else if (what == "body")
            actual = Text("lblBody");
        else if (what == "cboFontFace")
            actual = Find<QComboBox>(w_.get(), "cboFontFace")->currentText() + "|" +
                     Program().page.sFontFace;
        else
            actual = Text("lblFontSize");
        QCOMPARE(actual, expected);
    }

    // A value that does not convert: one message with its description, the keys before it
    // loaded and shown, the ones after it untouched, and the window opens all the same.
    void loadFailures_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("sizeCaption");
        QTest::addColumn<int>("sizeField");
        auto row = [](const char* size, const char* description, const char* caption, int field) {
            QTest::newRow(size) << "[Text]\nsFontFace=Times\nnFontSize=" + QByteArray(size) + "\n"
                                << QString(description) << QString(caption) << field;
        };
        row("300", "Overflow", "2", 0);
        row("0", "Invalid property value", "0", 0);
        row("200", "Invalid property value", "200", 200);
        row("big", "Type mismatch", "2", 0);
    }
    void loadFailures() {
        QFETCH(QByteArray, ini);
        QFETCH(QString, description);
        QFETCH(QString, sizeCaption);
        QFETCH(int, sizeField);
        WriteStore("[Window]\nDefL=150\nDefT=300\nDefW=9000\nDefH=7500\n"
                   "[Colors]\nBackR=1\n" +
                   ini + "[Others]\nlLinx=True\n");
        Open();
        QCOMPARE(dialogs_.told.size(), 1);
        QVERIFY2(dialogs_.told[0].contains(description), qPrintable(dialogs_.told[0]));
        QVERIFY(dialogs_.told[0].contains("nFontSize"));
        QVERIFY(w_->isVisible());
        // Read before the failure: placement, colours and face.
        QCOMPARE(w_->frameGeometry(), QRect(10, 20, 600, 500));
        QVERIFY(Text("lblBody").startsWith("<body bgcolor=#01c0c0"));
        QCOMPARE(Find<QComboBox>(w_.get(), "cboFontFace")->currentText(), QString("Times"));
        // The failing size: field and caption as far as they got, the bar as designed.
        QCOMPARE(int(Program().page.nFontSize), sizeField);
        QCOMPARE(Text("lblFontSize"), sizeCaption);
        QCOMPARE(BarValue("hscFontSize"), 2);
        // After it: nothing read, nothing shown.
        QVERIFY(!Program().page.lLinx);
        QVERIFY(!Ticked(StoreKey::lLinx));
        QVERIFY(Program().page.TargetFolder.isEmpty());
        QVERIFY(Find<QRadioButton>(w_.get(), "optBack")->isChecked());
    }

    // Not INI, or empty: the defaults, no message, and the file is not touched by the load.
    // The close then keeps a text that was not INI beside the new store instead of over it.
    void notIniOrEmpty_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("binary") << QByteArray("\x00\x01\xff[[[\n=====\n[Colors\nBackR=\"5\n", 28);
        QTest::newRow("empty") << QByteArray("");
    }
    void notIniOrEmpty() {
        QFETCH(QByteArray, bytes);
        WriteStore(bytes);
        Open();
        QVERIFY(dialogs_.told.isEmpty());
        QCOMPARE(Program().page.BackR, qint16(192));
        QCOMPARE(Program().page.nFontSize, quint8(2));
        QCOMPARE(ReadFile(StorePath()), bytes);
        Close();
        QVERIFY(dialogs_.told.isEmpty());
        QVERIFY(!Stored("Window/DefW").isEmpty());
        if (!bytes.isEmpty())
            QCOMPARE(ReadFile(StorePath() + ".bad"), bytes);
    }

    // A store that is a folder cannot be read: one message at start-up and the defaults; the
    // folder stays as it was. One under a file (which not even root can write through) is
    // quiet at start-up. Either way Save and the close each say the settings were not saved.
    void brokenStore_data() {
        QTest::addColumn<bool>("unreadable");
        QTest::newRow("folder at the store") << true;
        QTest::newRow("file at the store's folder") << false;
    }
    void brokenStore() {
        QFETCH(bool, unreadable);
        ClearStore();
        const QString folder = QFileInfo(StorePath()).path();
        if (unreadable) {
            MakeFolder(StorePath());
            WriteFile(StorePath() + "/keep", "x");
        } else {
            MakeFolder(QFileInfo(folder).path());
            WriteFile(folder, "not a folder");
        }
        Open();
        const qsizetype atStart = unreadable ? 1 : 0;
        QCOMPARE(dialogs_.told.size(), atStart);
        if (unreadable) {
            QVERIFY(dialogs_.told[0].contains("could not be read"));
            PageSettings defaults = DefaultPageSettings();
            defaults.TargetFolder = ProgramFolder();
            QCOMPARE(Program().page, defaults);
        }
        QTest::keyClick(w_.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialogs_.told.size(), atStart + 1);
        if (!unreadable)
            QVERIFY2(dialogs_.told.last().contains("is not a folder"),
                     qPrintable(dialogs_.told.last()));
        Close();
        QCOMPARE(dialogs_.told.size(), atStart + 2);
        for (qsizetype k = atStart; k < dialogs_.told.size(); ++k)
            QVERIFY(dialogs_.told[k].startsWith("The settings were not saved: "));
        if (unreadable)
            QCOMPARE(ReadFile(StorePath() + "/keep"), QByteArray("x"));
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

    void closeMinimised() {
        WriteStore("[Window]\nDefL=300\nDefT=300\nDefW=9000\nDefH=7500\n");
        Open();
        w_->showMinimized();
        QTRY_VERIFY(w_->isMinimized());
        Close();
        QCOMPARE(Stored("Window/DefL"), QString("0"));
        QCOMPARE(Stored("Window/DefT"), QString("0"));
        QCOMPARE(Stored("Window/DefW"), QString("6840"));
        QCOMPARE(Stored("Window/DefH"), QString("5805"));
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
