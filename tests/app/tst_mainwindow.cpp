// Drives the real main window: colour editor, text options, defaults, copy, layout, menus.
#include "AppTestSupport.h"
#include "app/StatusPanels.h"
#include "style/Clickable.h"
#include "style/ColorEditor.h"
#include "style/TextOptions.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>

using namespace tuk;
using namespace tuktest;

namespace {

const char* const kDefaultBody =
    "<body bgcolor=#c0c0c0 text=#000000 link=#0000ff vlink=#800080 alink=#ff0000>";

QList<QAbstractButton*> Swatches(const QWidget* window) {
    QList<QAbstractButton*> swatches = window->findChildren<QAbstractButton*>("lblQB");
    std::sort(swatches.begin(), swatches.end(), [](const QWidget* a, const QWidget* b) {
        return a->property("index").toInt() < b->property("index").toInt();
    });
    return swatches;
}

bool IsInteractive(QAccessible::Role role) {
    static const QSet<QAccessible::Role> roles{
        QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton,
        QAccessible::ComboBox,   QAccessible::EditableText, QAccessible::ScrollBar,
        QAccessible::Tree,       QAccessible::List,         QAccessible::MenuItem};
    return roles.contains(role);
}

// A name says what the control is for: a label given for it, or its own name unless that is
// only its content (a combo box's name on Linux) or its group's title.
QString OwnName(QAccessibleInterface* control, QAccessibleInterface* parent) {
    for (const auto& label : control->relations(QAccessible::Label)) {
        if (label.first->role() == QAccessible::StaticText)
            return label.first->text(QAccessible::Name);
    }
    const QString name = control->text(QAccessible::Name);
    if ((control->role() == QAccessible::ComboBox && name == control->text(QAccessible::Value)) ||
        (parent->role() == QAccessible::Grouping && name == parent->text(QAccessible::Name)))
        return {};
    return name;
}

// What a screen reader would find wrong below the node: a shown control the user acts on
// without a name of its own (none, or its group's title), two such siblings of one role and
// one name, a bar that takes no focus. The scroll bars of the tree and the list belong to
// them and move with their keys.
void CheckNames(QAccessibleInterface* node, QStringList& faults) {
    QSet<QString> siblings;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        CheckNames(child, faults);
        const auto* widget = qobject_cast<const QWidget*>(child->object());
        if (!widget || !IsInteractive(child->role()) ||
            qobject_cast<QAbstractScrollArea*>(widget->parentWidget()->parentWidget()))
            continue;
        const QString name = OwnName(child, node);
        const QString what = widget->metaObject()->className() + (" " + widget->objectName());
        if (name.isEmpty())
            faults << "no name of its own: " + what;
        if (siblings.contains(QString::number(child->role()) + name))
            faults << "same name as a sibling: " + what;
        siblings << QString::number(child->role()) + name;
        if (child->role() == QAccessible::ScrollBar && !child->state().focusable)
            faults << "takes no focus: " + what;
    }
}

// Visible caption: the text without its access-key marker.
QString Shown(const QString& caption) {
    QString text = caption;
    return text.remove('&');
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

    void startsAsDesigned() {
        QVERIFY(dialogs_.told.isEmpty());
        QCOMPARE(w_->windowTitle(), QString("tu_k"));
        QCOMPARE(Body(), QString(kDefaultBody));
        QVERIFY(Find<QRadioButton>(w_.get(), "optBack")->isChecked());
        QCOMPARE(Find<QComboBox>(w_.get(), "cboFontFace")->currentText(), QString("Arial"));
        QCOMPARE(Label("lblFontSize")->text(), QString("2"));
        auto* tb = Find<QToolBar>(w_.get(), "TB");
        QVERIFY(!tb->isMovable());
        QCOMPARE(w_->toolBarArea(tb), Qt::TopToolBarArea);
        // The tree holds Desktop on top; no folder is chosen, so the list is empty.
        auto* tree = Find<QTreeWidget>(w_.get(), "TV");
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(tree->topLevelItem(0)->text(0), QString("Desktop"));
        QCOMPARE(Find<QListWidget>(w_.get(), "File1")->count(), 0);
        QCOMPARE(w_->StatusPanel(1), QString());
        QCOMPARE(w_->StatusPanel(2), QString("0 Images"));
        QVERIFY(!w_->StatusPanel(3).isEmpty() && !w_->StatusPanel(4).isEmpty());
        // Swatches carry their preset colour and name.
        const QList<QAbstractButton*> swatches = Swatches(w_.get());
        QCOMPARE(swatches.size(), 16);
        QCOMPARE(swatches[11]->toolTip(), QString("Click to pick LT CYAN"));
        QCOMPARE(swatches[7]->palette().color(QPalette::Window), QColor(192, 192, 192));
    }

    void menus_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<bool>("enabled");
        auto row = [](const char* menu, const char* entry, const char* caption,
                      const char* shortcut, bool enabled) {
            QTest::newRow(entry) << QString(menu) << QString(entry) << QString(caption)
                                 << QString(shortcut) << enabled;
        };
        row("mnuFile", "mnuFileRefresh", "&Refresh File List", "Ctrl+R", true);
        row("mnuFile", "mnuFileAbout", "&About", "Ctrl+A", true);
        row("mnuFile", "mnuFileExit", "E&xit", "", true);
        row("mnuSettings", "mnuSettingsCopy", "Copy &Body", "Ctrl+B", true);
        row("mnuSettings", "mnuSettingsSave", "&Save", "Ctrl+S", true);
        row("mnuSettings", "mnuSettingsDefault", "Load &Default", "Ctrl+D", true);
        row("mnuHtml", "mnuHtmlMake", "Ma&ke", "Ctrl+K", false);
        row("mnuHtml", "mnuHtmlView", "Vie&w", "Ctrl+W", false);
        row("mnuHtml", "mnuHtmlIndex", "&Index Page", "", true);
    }
    void menus() {
        QFETCH(QString, menu);
        QFETCH(QString, entry);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        QFETCH(bool, enabled);
        auto* owner = w_->findChild<QMenu*>(menu);
        QVERIFY(owner);
        QAction* action = w_->MenuEntry(entry);
        QVERIFY(action);
        QVERIFY(owner->actions().contains(action));
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut().toString(), shortcut);
        QCOMPARE(action->isEnabled(), enabled);
        QStringList titles;
        for (QAction* title : w_->menuBar()->actions())
            titles << title->text();
        QCOMPARE(titles, (QStringList{"&File", "&Settings", "&Html"}));
    }

    // A bar writes its component into the selected slot only, shows it in decimal and hex,
    // and rebuilds the BODY string.
    void bars_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("body");
        auto row = [](const char* name, const char* option, ColorSlot slot, int channel, int value,
                      const char* hex, const char* body) {
            QTest::newRow(name) << QString(option) << int(slot) << channel << value
                                << QString::number(value) << QString(hex) << QString(body);
        };
        row("back red 0", "optBack", ColorSlot::Back, 0, 0, "00", "bgcolor=#00c0c0");
        row("text green 10", "optText", ColorSlot::Text, 1, 10, "0a", "text=#000a00");
        row("vlink blue 255", "optVLink", ColorSlot::VLink, 2, 255, "ff", "vlink=#8000ff");
        row("alink green 128", "optALink", ColorSlot::ALink, 1, 128, "80", "alink=#ff8000");
    }
    void bars() {
        QFETCH(QString, option);
        QFETCH(int, slot);
        QFETCH(int, channel);
        QFETCH(int, value);
        QFETCH(QString, decimal);
        QFETCH(QString, hex);
        QFETCH(QString, body);
        QTest::mouseClick(Find<QRadioButton>(w_.get(), qPrintable(option)), Qt::LeftButton);
        const PageSettings before = Page();
        const char* bars[] = {"hscR", "hscG", "hscB"};
        const char* decimals[] = {"lblR", "lblG", "lblB"};
        const char* hexes[] = {"lblHR", "lblHG", "lblHB"};
        Bar(bars[channel])->setValue(value);
        QCOMPARE(Label(decimals[channel])->text(), decimal);
        QCOMPARE(Label(hexes[channel])->text(), hex);
        PageSettings expected = before;
        expected.Component(static_cast<ColorSlot>(slot), channel) = static_cast<qint16>(value);
        QCOMPARE(Page(), expected);
        QVERIFY2(Body().contains(body), qPrintable(Body()));
        QCOMPARE(Body().size(), 76);
    }

    // Every bar takes the focus by Tab and click; its keys run the same handling as the mouse.
    void barKeys_data() {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("value");
        auto row = [](const char* bar, const char* label, const char* key, int code, int value) {
            QTest::addRow("%s %s", bar, key) << QString(bar) << QString(label) << code << value;
        };
        row("hscR", "lblR", "Right", Qt::Key_Right, 193);
        row("hscG", "lblG", "Left", Qt::Key_Left, 191);
        row("hscB", "lblB", "PageUp", Qt::Key_PageUp, 202);
        row("hscR", "lblR", "PageDown", Qt::Key_PageDown, 182);
        row("hscG", "lblG", "Home", Qt::Key_Home, 0);
        row("hscFontSize", "lblFontSize", "Right", Qt::Key_Right, 3);
        row("hscFontSize", "lblFontSize", "PageUp", Qt::Key_PageUp, 12);
        row("hscFontSize", "lblFontSize", "End", Qt::Key_End, 128);
        row("hscFontSize", "lblFontSize", "Home", Qt::Key_Home, 1);
    }
    void barKeys() {
        QFETCH(QString, bar);
        QFETCH(QString, label);
        QFETCH(int, key);
        QScrollBar* control = Bar(qPrintable(bar));
        QCOMPARE(control->focusPolicy(), Qt::StrongFocus);
        QTest::keyClick(control, Qt::Key(key));
        QTEST(Label(qPrintable(label))->text().toInt(), "value");
    }

    // The swatches are one Tab stop, the last one visited; arrows move, Space and Enter pick.
    void swatchKeys_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("focused");
        QTest::addColumn<QString>("body");
        QTest::newRow("Right Right Down Enter")
            << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return} << 10
            << "#00ff00";
        QTest::newRow("edges stay") << QList<int>{Qt::Key_Left, Qt::Key_Up} << 0 << "#c0c0c0";
        QTest::newRow("End Space") << QList<int>{Qt::Key_End, Qt::Key_Space} << 15 << "#ffffff";
        QTest::newRow("End Home") << QList<int>{Qt::Key_End, Qt::Key_Home} << 0 << "#c0c0c0";
    }
    void swatchKeys() {
        QFETCH(QList<int>, keys);
        QFETCH(int, focused);
        QFETCH(QString, body);
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        const QList<QAbstractButton*> swatches = Swatches(w_.get());
        swatches[0]->setFocus(Qt::TabFocusReason);
        for (int key : keys)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(QApplication::focusWidget(), swatches[focused]);
        QVERIFY2(Body().startsWith("<body bgcolor=" + body), qPrintable(Body()));
        QTest::keyClick(swatches[focused], Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Bar("hscR"));
        QTest::keyClick(Bar("hscR"), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), swatches[focused]);
    }

    // Trough clicks run the same handling as keys; a position that does not change runs nothing.
    void barByUserAndUnchanged() {
        QScrollBar* red = Bar("hscR");
        QSignalSpy applied(w_->Colors(), &ColorEditor::ColorsApplied);
        red->triggerAction(QAbstractSlider::SliderPageStepSub);
        QCOMPARE(Page().BackR, qint16(182));
        QCOMPARE(applied.count(), 1);
        red->setValue(182);
        QCOMPARE(applied.count(), 1);
        // While the thumb is dragged nothing follows; letting it go applies the position.
        red->setSliderDown(true);
        red->setSliderPosition(50);
        QCOMPARE(Page().BackR, qint16(182));
        red->setSliderDown(false);
        QCOMPARE(Page().BackR, qint16(50));
        QCOMPARE(applied.count(), 2);
    }

    // Option buttons, the panel and the sample lines select a slot and move the bars to it
    // without changing its colour.
    void selectSlot_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("slot");
        auto row = [](const char* control, const char* option, ColorSlot slot) {
            QTest::newRow(control) << QString(control) << QString(option) << int(slot);
        };
        row("optLink", "optLink", ColorSlot::Link);
        row("optVLink", "optVLink", ColorSlot::VLink);
        row("lblText", "optText", ColorSlot::Text);
        row("lblALink", "optALink", ColorSlot::ALink);
        row("picBack", "optBack", ColorSlot::Back);
    }
    void selectSlot() {
        QFETCH(QString, control);
        QFETCH(QString, option);
        QFETCH(int, slot);
        Find<QRadioButton>(w_.get(), "optText")->click(); // start elsewhere (text: 0, 0, 0)
        Page().Component(static_cast<ColorSlot>(slot), 1) = 77;
        const PageSettings before = Page();
        auto* target = Find<QWidget>(w_.get(), qPrintable(control));
        // A click on the panel itself, clear of its sample lines.
        const QPoint where = control == "picBack" ? QPoint(4, 4) : target->rect().center();
        QTest::mouseClick(target, Qt::LeftButton, {}, where);
        QVERIFY(Find<QRadioButton>(w_.get(), qPrintable(option))->isChecked());
        QCOMPARE(w_->Colors()->SelectedSlot(), static_cast<ColorSlot>(slot));
        QCOMPARE(Page(), before);
        for (int c = 0; c < 3; ++c) {
            const char* bars[] = {"hscR", "hscG", "hscB"};
            QCOMPARE(Bar(bars[c])->value(), int(before.Component(static_cast<ColorSlot>(slot), c)));
        }
        QCOMPARE(Label("lblG")->text(), QString("77"));
    }

    void swatches_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("body");
        QTest::addColumn<int>("repaints");
        QTest::newRow("LT RED on link") << "optLink" << 12 << "link=#ff0000" << 2;
        QTest::newRow("WHITE on back") << "optBack" << 7 << "bgcolor=#c0c0c0" << 0;
        QTest::newRow("WHITE on text") << "optText" << 7 << "text=#c0c0c0" << 3;
        QTest::newRow("LT WHITE on vlink") << "optVLink" << 15 << "vlink=#ffffff" << 3;
        QTest::newRow("BLACK on text") << "optText" << 0 << "text=#000000" << 0;
    }
    void swatches() {
        QFETCH(QString, option);
        QFETCH(int, index);
        QFETCH(QString, body);
        QFETCH(int, repaints);
        QTest::mouseClick(Find<QRadioButton>(w_.get(), qPrintable(option)), Qt::LeftButton);
        const PageSettings before = Page();
        QSignalSpy applied(w_->Colors(), &ColorEditor::ColorsApplied);
        QTest::mouseClick(Swatches(w_.get())[index], Qt::LeftButton);
        QCOMPARE(applied.count(), repaints);
        QVERIFY2(Body().contains(body), qPrintable(Body()));
        if (repaints == 0)
            QCOMPARE(Page(), before);
        if (option == "optLink") // the sample line takes the colour too
            QCOMPARE(Label("lblLink")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(Find<QRadioButton>(w_.get(), qPrintable(option))->isChecked());
    }

    void fontFace_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("family");
        auto row = [](const char* name, const char* typed, const char* face, const char* family) {
            QTest::newRow(name) << QString(typed) << QString(face) << QString(family);
        };
        row("times", "times", "Arial", "Arial");
        row("Courier", "Courier", "Courier", "Courier New");
        row("Times blank", "Times ", "Arial", "Arial");
        row("Times", "Times", "Times", "Times New Roman");
        row("other face", "Verdana", "Arial", "Arial");
    }
    void fontFace() {
        QFETCH(QString, typed);
        QFETCH(QString, face);
        QFETCH(QString, family);
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        auto* combo = Find<QComboBox>(w_.get(), "cboFontFace");
        combo->setFocus(Qt::OtherFocusReason);
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo, typed);
        QCOMPARE(Page().sFontFace, QString("Arial")); // typing alone changes nothing
        QTest::keyClick(combo, Qt::Key_Tab);
        QVERIFY(!combo->hasFocus());
        QCOMPARE(combo->currentText(), face);
        QCOMPARE(Page().sFontFace, face);
        QCOMPARE(Label("lblText")->font().family(), family);
        QCOMPARE(combo->count(), 3);
    }

    // A face kept in the store shows whole in the box (its editor keeps 2 pixels on either
    // side of the text and one for the cursor).
    void longFacesShowWhole() {
        const QLineEdit* edit = Find<QComboBox>(w_.get(), "cboFontFace")->lineEdit();
        for (const char* face : {"Verdana", "Courier New", "Times New Roman"})
            QVERIFY2(edit->fontMetrics().horizontalAdvance(face) + 5 <= edit->width(), face);
    }

    void fontFaceFromList() {
        auto* combo = Find<QComboBox>(w_.get(), "cboFontFace");
        combo->setCurrentIndex(1);
        combo->activated(1);
        QCOMPARE(Page().sFontFace, QString("Courier"));
        QCOMPARE(Label("lblALink")->font().family(), QString("Courier New"));
    }

    void fontSize_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("points");
        QTest::newRow("1") << 1 << 8;
        QTest::newRow("7") << 7 << 14;
        QTest::newRow("128") << 128 << 135;
    }
    void fontSize() {
        QFETCH(int, size);
        QFETCH(int, points);
        Bar("hscFontSize")->setValue(size);
        QCOMPARE(int(Page().nFontSize), size);
        QCOMPARE(Label("lblFontSize")->text(), QString::number(size));
        QCOMPARE(Label("lblVLink")->font().pointSize(), points);
        QCOMPARE(Label("lblVLink")->height(), 19); // clipped by its fixed height, as designed
    }

    // Each box mirrors its flag; only the five shown in the preview refresh it.
    void checkBoxes_data() {
        QTest::addColumn<int>("flag");
        QTest::addColumn<bool>("previewed");
        for (int k = int(StoreKey::lCenter); k <= int(StoreKey::lCopyr); ++k) {
            const auto key = static_cast<StoreKey>(k);
            const bool previewed = key == StoreKey::lCenter || key == StoreKey::lBold ||
                                   key == StoreKey::lItal || key == StoreKey::lBackGround ||
                                   key == StoreKey::lText;
            QTest::newRow(NameOf(key).key) << k << previewed;
        }
    }
    void checkBoxes() {
        QFETCH(int, flag);
        QFETCH(bool, previewed);
        const auto key = static_cast<StoreKey>(flag);
        QCheckBox* box = w_->Text()->FlagBox(key);
        QCOMPARE(box->objectName(), key == StoreKey::lBackGround
                                        ? QString("chkBackground")
                                        : "chk" + QString(NameOf(key).key).mid(1));
        QSignalSpy applied(w_->Text(), &TextOptions::TextOptionsApplied);
        const bool was = *FlagOf(Page(), key);
        QCOMPARE(box->isChecked(), was);
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(*FlagOf(Page(), key), !was);
        QCOMPARE(applied.count(), previewed ? 1 : 0);
        box->setCheckState(Qt::PartiallyChecked); // greyed counts as unchecked
        QCOMPARE(*FlagOf(Page(), key), false);
        box->setCheckState(Qt::Checked);
        QCOMPARE(*FlagOf(Page(), key), true);
    }

    void previewMarks() {
        QLabel* body = Label("lblBody");
        const QString text = body->text();
        w_->Text()->FlagBox(StoreKey::lBackGround)->click();
        QCOMPARE(body->palette().color(body->foregroundRole()), QColor(255, 0, 0));
        QCOMPARE(body->palette().color(QPalette::WindowText), QColor(0, 0, 0)); // its border
        w_->Text()->FlagBox(StoreKey::lText)->click();
        QVERIFY(body->font().bold());
        w_->Text()->FlagBox(StoreKey::lBackGround)->click();
        QCOMPARE(body->palette().color(body->foregroundRole()), QColor(0, 0, 0));
        QCOMPARE(body->text(), text);
        w_->Text()->FlagBox(StoreKey::lBold)->click();
        w_->Text()->FlagBox(StoreKey::lItal)->click();
        w_->Text()->FlagBox(StoreKey::lCenter)->click();
        QLabel* sample = Label("lblText");
        QVERIFY(sample->font().bold() && sample->font().italic());
        QVERIFY(sample->alignment() & Qt::AlignHCenter);
        QCOMPARE(sample->width(), Find<QWidget>(w_.get(), "picBack")->contentsRect().width());
    }

    void loadDefaults_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("applied");
        QTest::newRow("Yes") << int(Dialogs::Answer::Yes) << true;
        QTest::newRow("No") << int(Dialogs::Answer::No) << false;
        QTest::newRow("Cancel") << int(Dialogs::Answer::Cancel) << false;
    }
    void loadDefaults() {
        QFETCH(int, answer);
        QFETCH(bool, applied);
        Find<QRadioButton>(w_.get(), "optText")->click();
        Bar("hscG")->setValue(99);
        Bar("hscFontSize")->setValue(6);
        Find<QComboBox>(w_.get(), "cboFontFace")->setEditText("Times");
        Page().sFontFace = "Times";
        w_->Text()->FlagBox(StoreKey::lLinx)->click();
        w_->Text()->FlagBox(StoreKey::lItal)->click();
        Page().TargetFolder = "/srv/out/";
        const PageSettings before = Page();
        dialogs_.answers.enqueue(static_cast<Dialogs::Answer>(answer));
        QTest::keyClick(w_.get(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(dialogs_.asked, QStringList{"Load Default Values?"});
        if (!applied) {
            QCOMPARE(Page(), before);
            QCOMPARE(Label("lblFontSize")->text(), QString("6"));
            return;
        }
        PageSettings expected = DefaultPageSettings();
        expected.TargetFolder = "/srv/out/";
        QCOMPARE(Page(), expected);
        QCOMPARE(Body(), QString(kDefaultBody));
        QCOMPARE(Label("lblFontSize")->text(), QString("2"));
        QCOMPARE(Find<QComboBox>(w_.get(), "cboFontFace")->currentText(), QString("Arial"));
        QStringList ticked;
        for (QCheckBox* box : w_->findChildren<QCheckBox*>())
            if (box->isChecked())
                ticked << box->objectName();
        ticked.sort();
        QCOMPARE(ticked, (QStringList{"chkCopyr", "chkFDate", "chkFSize", "chkFolder", "chkLinx"}));
        // The bars keep showing the slot as it was; one bar then changes one component.
        QCOMPARE(Bar("hscG")->value(), 99);
        Bar("hscR")->setValue(5);
        QCOMPARE(Page().TextR, qint16(5));
        QCOMPARE(Page().TextG, qint16(0));
        QVERIFY(!QFile::exists(StorePath()));
    }

    void copyBody() {
        QGuiApplication::clipboard()->setText("something else");
        Find<QRadioButton>(w_.get(), "optVLink")->click();
        Bar("hscB")->setValue(10);
        QTest::keyClick(w_.get(), Qt::Key_B, Qt::ControlModifier);
        const QString copied = QGuiApplication::clipboard()->text();
        QCOMPARE(copied, Body());
        QCOMPARE(copied.size(), 76);
        QVERIFY(copied.contains("vlink=#80000a"));
    }

    // Below the minimum the window stays at it; above, the tree takes the difference and the
    // list under the panel the height by which the tree is taller than the panel.
    void layout() {
        auto* tv = Find<QTreeWidget>(w_.get(), "TV");
        auto* list = Find<QListWidget>(w_.get(), "File1");
        auto* panel = Find<QWidget>(w_.get(), "picCtrl");
        const QSize minimum = w_->minimumSize();
        QCOMPARE(w_->size(), minimum); // the designed size on a first run
        QCOMPARE(QRect(tv->x(), tv->y(), 185, 290), QRect(panel->width() + 3, 6, 185, 290));
        QVERIFY(tv->height() >= 290 && tv->width() == 185);
        QVERIFY(!list->isVisible());
        QVERIFY(panel->findChild<QWidget*>("Frame4")->geometry().bottom() <
                w_->centralWidget()->height());

        w_->resize(100, 100);
        QCOMPARE(w_->size(), minimum);

        const int tvHeight = tv->height();
        w_->resize(minimum + QSize(100, 67)); // 1500 and 1000 twips more
        QTRY_COMPARE(tv->width(), 185 + 100);
        QCOMPARE(tv->height(), tvHeight + 67);
        QCOMPARE(panel->height(), 301);
        QVERIFY(list->isVisible());
        QCOMPARE(list->height(), tv->height() - panel->height());
        QCOMPARE(list->width(), panel->width());
        QCOMPARE(tv->geometry().bottom() - list->geometry().bottom(), 7); // 105 twips
        QCOMPARE(tv->geometry().bottom(), w_->centralWidget()->height() - 1);

        // Minimising changes no control; a maximised window follows the same rules.
        const QSize listSize = list->size();
        w_->showMinimized();
        QTest::qWait(20);
        QCOMPARE(list->size(), listSize);
        w_->showMaximized();
        QTRY_VERIFY(w_->isMaximized());
        QTRY_COMPARE(tv->geometry().right(), w_->centralWidget()->width() - 1);
    }

    // However long a status text, the window keeps its designed minimum size: the folder
    // loses its middle, the run's text its front, so the outcome and the elapsed time stay
    // readable; a shortened text shows whole, as plain text, in the panel's tooltip.
    void statusTextsAtMinimumSize_data() {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("start"); // what the shown text begins and ends with
        QTest::addColumn<QString>("end");
        const QString deep = "/media/card/" + QString(440, 'x') + "/<b>DCIM</b>/";
        QTest::newRow("long folder") << 1 << deep << "/media/"
                                     << "</b>/";
        QTest::newRow("run OK") << 2 << "Image: 3 / 3 -- 0.021 -- OK"
                                << "Image: 3 / 3"
                                << "-- OK";
        QTest::newRow("long run stopped") << 2 << "Image: 12345 / 99999 -- 1234.567 -- Stopped"
                                          << ""
                                          << "1234.567 -- Stopped";
    }
    void statusTextsAtMinimumSize() {
        QFETCH(int, panel);
        QFETCH(QString, text);
        QFETCH(QString, start);
        QFETCH(QString, end);
        const QSize minimum = w_->minimumSize();
        QCOMPARE(minimum.width(), w_->centralWidget()->minimumWidth()); // the designed width
        QCOMPARE(w_->size(), minimum);
        w_->SetStatusPanel(panel, text);
        QTest::qWait(50); // the layout requests travel up in several turns

        QCOMPARE(w_->minimumSize(), minimum);
        QCOMPARE(w_->size(), minimum);
        auto* bar = Find<StatusPanels>(w_.get(), "Status");
        const QString shown = bar->ShownText(panel);
        QVERIFY2(shown.startsWith(start) && shown.endsWith(end), qPrintable(shown));
        auto* label = Find<QLabel>(w_.get(), qPrintable(QString("StatusPanel%1").arg(panel)));
        QVERIFY(label->fontMetrics().horizontalAdvance(shown) <= label->contentsRect().width());
        if (shown != text)
            QCOMPARE(ShownToolTip(label), text);
    }

    // Under a dark theme the BODY string keeps its colours, readable on a light ground of its
    // own. TUK_SCREENSHOT names a file for a picture of the window.
    void darkTheme() {
        const QPalette light = QApplication::palette();
        QApplication::setPalette(QPalette(QColor(53, 53, 53)));
        w_ = OpenWindow(dialogs_);
        if (qEnvironmentVariableIsSet("TUK_SCREENSHOT"))
            w_->grab().save(qEnvironmentVariable("TUK_SCREENSHOT"));
        QLabel* body = Label("lblBody");
        const QImage shown =
            w_->grab(QRect(body->mapTo(w_.get(), QPoint()), body->size())).toImage();
        const QColor ground = shown.pixelColor(3, shown.height() - 3);
        QApplication::setPalette(light);
        QVERIFY2(ground.lightness() >= 240, qPrintable(ground.name()));
        QCOMPARE(body->palette().color(body->foregroundRole()), QColor(Qt::black));
    }

    void everyControlNamed() {
        w_->resize(w_->width(), w_->height() + 100); // the image list shows
        QStringList faults;
        CheckNames(QAccessible::queryAccessibleInterface(w_.get()), faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // Every caption of the style panel fits its control in the panel's font.
    void captionsFit() {
        auto* panel = Find<QWidget>(w_.get(), "picCtrl");
        for (QAbstractButton* button : panel->findChildren<QAbstractButton*>()) {
            if (button->text().isEmpty())
                continue; // a swatch
            QStyleOptionButton option;
            option.initFrom(button);
            const int indicator = button->style()->pixelMetric(QStyle::PM_IndicatorWidth, &option);
            const int spacing =
                button->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option);
            const int text = button->fontMetrics().horizontalAdvance(Shown(button->text()));
            QVERIFY2(indicator + spacing + text <= button->width(),
                     qPrintable(button->objectName()));
        }
        for (QLabel* label : panel->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || label->wordWrap() || label->width() == 0 ||
                label->parentWidget()->objectName() == "picBack")
                continue;
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <=
                         label->contentsRect().width(),
                     qPrintable(label->objectName()));
        }
        // The BODY string fits in its box even in bold.
        w_->Text()->FlagBox(StoreKey::lText)->click();
        QLabel* body = Label("lblBody");
        for (int value : {0, 255}) {
            for (const char* bar : {"hscR", "hscG", "hscB"})
                Bar(bar)->setValue(value);
            QVERIFY2(body->heightForWidth(body->width()) <= body->height(),
                     qPrintable(QString("%1 > %2")
                                    .arg(body->heightForWidth(body->width()))
                                    .arg(body->height())));
            QVERIFY(body->geometry().bottom() < body->parentWidget()->height() - 1);
        }
    }
};

TUK_GUI_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
