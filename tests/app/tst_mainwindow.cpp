// The style panel of the real window, for its wiring: each control reaches its setting and
// the preview, each menu entry its command; the layout and the status texts at any size.
#include "AppTestSupport.h"
#include "app/StatusPanels.h"
#include "style/ColorEditor.h"
#include "style/TextOptions.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>

using namespace tuk;
using namespace tuktest;

namespace {

const char* const kDefaultBody =
    "<body bgcolor=#c0c0c0 text=#000000 link=#0000ff vlink=#800080 alink=#ff0000>";

QAbstractButton* Swatch(const QWidget* window, int index) {
    for (QAbstractButton* swatch : window->findChildren<QAbstractButton*>("lblQB")) {
        if (swatch->property("index").toInt() == index)
            return swatch;
    }
    return nullptr;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    ScriptedDialogs dialogs_;
    std::unique_ptr<frmTu_K> w_;

    QScrollBar* Bar(const char* name) { return Find<QScrollBar>(w_.get(), name); }
    QLabel* Label(const char* name) { return Find<QLabel>(w_.get(), name); }
    QString Body() { return Label("lblBody")->text(); }
    PageSettings& Page() { return Program().page; }

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

    void menus_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<bool>("enabled");
        auto row = [](const char* menu, const char* entry, const char* shortcut, bool enabled) {
            QTest::newRow(entry) << QString(menu) << QString(entry) << QString(shortcut) << enabled;
        };
        row("mnuFile", "mnuFileRefresh", "Ctrl+R", true);
        row("mnuFile", "mnuFileAbout", "Ctrl+A", true);
        row("mnuSettings", "mnuSettingsCopy", "Ctrl+B", true);
        row("mnuSettings", "mnuSettingsSave", "Ctrl+S", true);
        row("mnuSettings", "mnuSettingsDefault", "Ctrl+D", true);
        row("mnuHtml", "mnuHtmlMake", "Ctrl+K", false);
        row("mnuHtml", "mnuHtmlView", "Ctrl+W", false);
        row("mnuHtml", "mnuHtmlIndex", "", true);
    }
    void menus() {
        QFETCH(QString, menu);
        QFETCH(QString, entry);
        QAction* action = w_->MenuEntry(entry);
        QVERIFY(action && w_->findChild<QMenu*>(menu)->actions().contains(action));
        QTEST(action->shortcut().toString(), "shortcut");
        QTEST(action->isEnabled(), "enabled");
    }

    // A bar writes its component into the selected slot only and rebuilds the BODY string.
    void bars_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("body");
        QTest::newRow("back red") << "optBack" << int(ColorSlot::Back) << 0 << 0 << "00"
                                  << "bgcolor=#00c0c0";
        QTest::newRow("text green") << "optText" << int(ColorSlot::Text) << 1 << 10 << "0a"
                                    << "text=#000a00";
        QTest::newRow("vlink blue") << "optVLink" << int(ColorSlot::VLink) << 2 << 255 << "ff"
                                    << "vlink=#8000ff";
        QTest::newRow("alink green") << "optALink" << int(ColorSlot::ALink) << 1 << 128 << "80"
                                     << "alink=#ff8000";
    }
    void bars() {
        QFETCH(QString, option);
        QFETCH(int, slot);
        QFETCH(int, channel);
        QFETCH(int, value);
        QTest::mouseClick(Find<QRadioButton>(w_.get(), qPrintable(option)), Qt::LeftButton);
        PageSettings expected = Page();
        expected.Component(static_cast<ColorSlot>(slot), channel) = static_cast<qint16>(value);
        Bar(QByteArray("hsc").append("RGB"[channel]).constData())->setValue(value);
        QCOMPARE(Page(), expected);
        QTEST(Label(QByteArray("lblH").append("RGB"[channel]).constData())->text(), "hex");
        QFETCH(QString, body);
        QVERIFY2(Body().contains(body), qPrintable(Body()));
    }

    // A swatch gives the selected slot its preset colour; the swatch's name is its tooltip.
    void swatch() {
        Find<QRadioButton>(w_.get(), "optLink")->click();
        QCOMPARE(Swatch(w_.get(), 11)->toolTip(), QString("Click to pick LT CYAN"));
        QTest::mouseClick(Swatch(w_.get(), 12), Qt::LeftButton);
        QVERIFY2(Body().contains("link=#ff0000"), qPrintable(Body()));
        QCOMPARE(Page().LinkR, qint16(255));
        QCOMPARE(Page().LinkB, qint16(0));
    }

    // A typed face counts once the box is left; only the three faces of the list are taken.
    void fontFace_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("face");
        QTest::newRow("Courier") << "Courier"
                                 << "Courier";
        QTest::newRow("Times") << "Times"
                               << "Times";
        QTest::newRow("lower case") << "times"
                                    << "Arial";
        QTest::newRow("other face") << "Verdana"
                                    << "Arial";
    }
    void fontFace() {
        QFETCH(QString, typed);
        QFETCH(QString, face);
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        auto* combo = Find<QComboBox>(w_.get(), "cboFontFace");
        combo->setFocus(Qt::OtherFocusReason);
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo, typed);
        QCOMPARE(Page().sFontFace, QString("Arial"));
        QTest::keyClick(combo, Qt::Key_Tab);
        QCOMPARE(combo->currentText(), face);
        QCOMPARE(Page().sFontFace, face);
    }

    void fontSize_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("smallest") << 1;
        QTest::newRow("largest") << 128;
    }
    void fontSize() {
        QFETCH(int, size);
        Bar("hscFontSize")->setValue(size);
        QCOMPARE(int(Page().nFontSize), size);
        QCOMPARE(Label("lblFontSize")->text(), QString::number(size));
    }

    // Each box of the flag table sets its own flag.
    void checkBoxes_data() {
        QTest::addColumn<int>("flag");
        for (int i = 0; i < kPageFlagCount; ++i) {
            if (kPageFlags[size_t(i)].boxName) // the index page is a menu entry
                QTest::newRow(kPageFlags[size_t(i)].key) << i;
        }
    }
    void checkBoxes() {
        QFETCH(int, flag);
        const PageFlagRule& rule = kPageFlags[size_t(flag)];
        auto* box = Find<QCheckBox>(w_.get(), rule.boxName);
        QCOMPARE(box->isChecked(), rule.byDefault);
        PageSettings expected = Page();
        expected.*rule.field = !rule.byDefault;
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(Page(), expected);
    }

    // Load Default asks first; on Yes every option but the target folder is its default again.
    void loadDefaults_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes") << int(Dialogs::Answer::Yes);
        QTest::newRow("No") << int(Dialogs::Answer::No);
    }
    void loadDefaults() {
        QFETCH(int, answer);
        Find<QRadioButton>(w_.get(), "optText")->click();
        Bar("hscG")->setValue(99);
        Bar("hscFontSize")->setValue(6);
        Page().sFontFace = "Times";
        for (const PageFlagRule& rule : kPageFlags)
            Find<QCheckBox>(w_.get(), rule.boxName)->click();
        Page().TargetFolder = "/srv/out/";
        const PageSettings before = Page();
        dialogs_.answers.enqueue(static_cast<Dialogs::Answer>(answer));
        QTest::keyClick(w_.get(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(dialogs_.asked, QStringList{"Load Default Values?"});
        if (answer != int(Dialogs::Answer::Yes)) {
            QCOMPARE(Page(), before);
            return;
        }
        PageSettings expected = DefaultPageSettings();
        expected.TargetFolder = "/srv/out/";
        QCOMPARE(Page(), expected);
        QCOMPARE(Body(), QString(kDefaultBody));
        QCOMPARE(Label("lblFontSize")->text(), QString("2"));
        for (const PageFlagRule& rule : kPageFlags)
            QVERIFY2(Find<QCheckBox>(w_.get(), rule.boxName)->isChecked() == rule.byDefault,
                     rule.boxName);
        QVERIFY(!QFile::exists(StorePath()));
    }

    void copyBody() {
        Find<QRadioButton>(w_.get(), "optVLink")->click();
        Bar("hscB")->setValue(10);
        QTest::keyClick(w_.get(), Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), Body());
        QVERIFY(Body().contains("vlink=#80000a"));
    }

    // Below the minimum the window stays at it; above, the tree takes the difference and the
    // list under the panel the height by which the tree is taller than the panel.
    void layout() {
        auto* tv = Find<QTreeWidget>(w_.get(), "TV");
        auto* list = Find<QListWidget>(w_.get(), "File1");
        auto* panel = Find<QWidget>(w_.get(), "picCtrl");
        const QSize minimum = w_->minimumSize();
        QCOMPARE(w_->size(), minimum);
        QVERIFY(!list->isVisible());
        w_->resize(100, 100);
        QCOMPARE(w_->size(), minimum);
        const int tvHeight = tv->height();
        w_->resize(minimum + QSize(100, 67));
        QTRY_COMPARE(tv->width(), 185 + 100);
        QCOMPARE(tv->height(), tvHeight + 67);
        QVERIFY(list->isVisible());
        QCOMPARE(list->height(), tv->height() - panel->height());
        QCOMPARE(tv->geometry().bottom(), w_->centralWidget()->height() - 1);
    }

    // However long a status text, the window keeps its size: the folder loses its middle,
    // the run's text its front, and the panel's tooltip shows it whole.
    void statusTexts_data() {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        const QString deep = "/media/card/" + QString(440, 'x') + "/<b>DCIM</b>/";
        QTest::newRow("long folder") << 1 << deep << "/media/"
                                     << "</b>/";
        QTest::newRow("long run") << 2 << "Image: 12345 / 99999 -- 1234.567 -- Stopped"
                                  << ""
                                  << "1234.567 -- Stopped";
    }
    void statusTexts() {
        QFETCH(int, panel);
        QFETCH(QString, text);
        QFETCH(QString, start);
        QFETCH(QString, end);
        const QSize size = w_->size();
        w_->SetStatusPanel(panel, text);
        QTest::qWait(50); // the layout requests travel up in several turns
        QCOMPARE(w_->size(), size);
        const QString shown = Find<StatusPanels>(w_.get(), "Status")->ShownText(panel);
        QVERIFY2(shown != text && shown.startsWith(start) && shown.endsWith(end),
                 qPrintable(shown));
        QCOMPARE(
            ShownToolTip(Find<QLabel>(w_.get(), qPrintable(QString("StatusPanel%1").arg(panel)))),
            text);
    }

    // Under a dark theme the BODY string keeps a light ground of its own. TUK_SCREENSHOT
    // names a file for a picture of the window.
    void darkTheme() {
        const QPalette light = QApplication::palette();
        QApplication::setPalette(QPalette(QColor(53, 53, 53)));
        w_ = OpenWindow(dialogs_);
        if (qEnvironmentVariableIsSet("TUK_SCREENSHOT"))
            w_->grab().save(qEnvironmentVariable("TUK_SCREENSHOT"));
        QLabel* body = Label("lblBody");
        const QImage shown =
            w_->grab(QRect(body->mapTo(w_.get(), QPoint()), body->size())).toImage();
        QApplication::setPalette(light);
        QVERIFY(shown.pixelColor(3, shown.height() - 3).lightness() >= 240);
    }
};

TUK_GUI_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
