// The style panel of the real window: each control reaches its setting and the preview.
#include "AppTestSupport.h"
#include "style/widgets/TextOptions.h"

using namespace tuk;
using namespace tuktest;

class TestMainWindow : public QObject, WindowFixture {
    Q_OBJECT

    QScrollBar* Bar(const char* name) { return Get<QScrollBar>(name); }
    QString Label(const char* name) { return Get<QLabel>(name)->text(); }
    QString Body() { return Label("lblBody"); }
    void Pick(const char* option) { Get<QRadioButton>(option)->click(); }
    // The widget's pixels as the window shows them.
    QImage Shown(const QWidget* widget) {
        return w_->grab(QRect(widget->mapTo(w_.get(), QPoint()), widget->size())).toImage();
    }

private Q_SLOTS:
    void init() {
        ClearStore();
        Open();
    }
    void cleanup() { Reset(); }

    // The bars write a colour into the selected slot only, every control follows, and the
    // preview shows the background and each sample line in its slot's colour.
    void barsColourTheSelectedSlot() {
        const std::tuple<const char*, ColorSlot, int> colours[] = {
            {"optBack", ColorSlot::Back, 0x000000},
            {"optText", ColorSlot::Text, 0xff0000},
            {"optLink", ColorSlot::Link, 0x00ff00},
            {"optVLink", ColorSlot::VLink, 0x0000ff},
            {"optALink", ColorSlot::ALink, 0xff8000}};
        for (const auto& [option, slot, rgb] : colours) {
            const RowName row(option);
            QTest::mouseClick(Get<QRadioButton>(option), Qt::LeftButton);
            PageSettings expected = Page();
            for (int c = 0; c < 3; ++c) {
                expected.Component(slot, c) = qint16(rgb >> (16 - 8 * c) & 255);
                Bar(QByteArray("hsc").append("RGB"[c]).constData())
                    ->setValue(rgb >> (16 - 8 * c) & 255);
            }
            QCOMPARE(Page(), expected);
            QCOMPARE(ControlMismatches(*w_), QString());
        }
        QCOMPARE(Shown(Get("picBack")).pixelColor(4, 4), QColor(Qt::black));
        for (const auto& [line, colour] :
             {std::pair{"lblText", "R"}, {"lblLink", "G"}, {"lblVLink", "B"}, {"lblALink", "RG"}}) {
            const QColor mean = Shown(Get(line))
                                    .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                    .pixelColor(0, 0);
            QCOMPARE(QString(mean.red() ? "R" : "") + (mean.green() ? "G" : "") +
                         (mean.blue() ? "B" : ""),
                     QString(colour));
        }
    }

    // Each swatch shows its preset colour; arrows, Home and End move among them (staying at
    // the edges) and Enter gives the selected slot the colour; the tooltip names it.
    void swatchesPickTheirColour() {
        Pick("optLink");
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        QMap<int, QWidget*> swatches;
        for (QAbstractButton* swatch : w_->findChildren<QAbstractButton*>("lblQB"))
            swatches[swatch->property("index").toInt()] = swatch;
        QCOMPARE(swatches.value(11)->toolTip(), QString("Click to pick LT CYAN"));
        QStringList shown;
        for (QWidget* swatch : swatches)
            shown << Shown(swatch).pixelColor(swatch->rect().center()).name().mid(1);
        QCOMPARE(shown.join(' '),
                 QString("000000 000080 008000 008080 800000 800080 808000 c0c0c0 "
                         "808080 0000ff 00ff00 00ffff ff0000 ff00ff ffff00 ffffff"));
        const std::tuple<int, Qt::Key, int> moves[] = {
            {0, Qt::Key_Left, 0},   {7, Qt::Key_Right, 8},  {15, Qt::Key_Right, 15},
            {3, Qt::Key_Down, 11},  {11, Qt::Key_Down, 11}, {11, Qt::Key_Up, 3},
            {3, Qt::Key_Up, 3},     {5, Qt::Key_End, 15},   {9, Qt::Key_Home, 0},
            {14, Qt::Key_Left, 13}, {8, Qt::Key_Up, 0},     {7, Qt::Key_Down, 15}};
        for (const auto& [from, key, to] : moves) {
            const RowName row(from, key);
            swatches[from]->setFocus(Qt::TabFocusReason);
            QTest::keyClick(swatches[from], key);
            QCOMPARE(QApplication::focusWidget(), swatches[to]);
            QCOMPARE(swatches[to]->focusPolicy(), Qt::StrongFocus); // the one Tab comes back to
        }
        QTest::keyClick(swatches[12], Qt::Key_Return);
        QVERIFY2(Body().contains(" link=#ff0000"), qPrintable(Body()));
        QCOMPARE(ControlMismatches(*w_), QString());
    }

    // A typed face counts once the box is left, not when its list opens or another program
    // takes the focus; only the three faces of the list are taken.
    void typedFontFace() {
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        auto* combo = Get<QComboBox>("cboFontFace");
        const std::pair<const char*, const char*> cases[] = {
            {"times", "Arial"}, {"Verdana", "Arial"}, {"Courier", "Courier"}, {"Times", "Times"}};
        for (auto [typed, face] : cases) {
            const RowName row(typed);
            combo->setFocus(Qt::OtherFocusReason);
            combo->lineEdit()->selectAll();
            const QString before = Page().sFontFace;
            QTest::keyClicks(combo, typed);
            QCOMPARE(Page().sFontFace, before);
            for (const Qt::FocusReason notLeft :
                 {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
                QFocusEvent away(QEvent::FocusOut, notLeft);
                QCoreApplication::sendEvent(combo, &away);
            }
            QCOMPARE(combo->currentText(), QString(typed)); // not yet made a face of the list
            QTest::keyClick(combo, Qt::Key_Tab);
            QCOMPARE(combo->currentText(), QString(face));
            QCOMPARE(Page().sFontFace, QString(face));
        }
        combo->setCurrentIndex(0); // a face picked from the list counts at once
        combo->showPopup();
        QTest::keyClick(combo->view(), Qt::Key_Down);
        QTest::keyClick(combo->view(), Qt::Key_Return);
        QCOMPARE(Page().sFontFace, QString("Courier"));
    }

    void fontSizeShown() {
        for (int size : {1, 128}) {
            Bar("hscFontSize")->setValue(size);
            QCOMPARE(int(Page().nFontSize), size);
            QCOMPARE(Label("lblFontSize"), QString::number(size));
        }
    }

    // Each box sets its own flag and shows its own caption and tooltip; the style and sample-text
    // boxes show in the preview at once.
    void boxesSetTheirOption() {
        for (const OptionControl& option : kBoxes) {
            QSignalSpy applied(w_->Text(), &TextOptions::TextOptionsApplied);
            PageSettings expected = Page();
            expected.*option.field = !(Page().*option.field);
            auto* box = Get<QCheckBox>(option.name);
            QTest::mouseClick(box, Qt::LeftButton);
            QVERIFY2(Page() == expected && box->text() == option.caption &&
                         box->toolTip() == option.tooltip,
                     option.name);
            const bool shown = QByteArray("CenterBoldItalBackgroundText").contains(option.name + 3);
            QVERIFY2((applied.size() == 1) == shown, option.name);
            Get<QCheckBox>(option.name)->setCheckState(Qt::PartiallyChecked); // greyed: off
            QVERIFY2(!(Page().*option.field), option.name);
        }
    }

    // Each Html option turns its own flag on and shows its caption. Load Default asks first; on
    // Yes every option but the target folder is its default again, and every control shows it.
    void defaultsComeBackOnYes() {
        Pick("optBack");
        Bar("hscR")->setValue(3);
        Bar("hscG")->setValue(99);
        for (const OptionControl& option : kMenuOptions) { // toggle() reaches a greyed entry
            w_->MenuEntry(option.name)->toggle();
            QVERIFY2(Page().*option.field && w_->MenuEntry(option.name)->text() == option.caption,
                     option.name);
        }
        Bar("hscFontSize")->setValue(6);
        Page().sFontFace = "Times";
        Get<QComboBox>("cboFontFace")->setEditText("Times");
        for (const OptionControl& box : kBoxes)
            Get<QCheckBox>(box.name)->click();
        Page().TargetFolder = "/srv/out/";
        Page().nWebSize = 2048; // stored only, and back to its default too
        const PageSettings before = Page();
        dialogs_.answers << Dialogs::Answer::No << Dialogs::Answer::Yes;
        QTest::keyClick(w_.get(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(Page(), before);
        QTest::keyClick(w_.get(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(dialogs_.asked, QStringList({"Load Default Values?", "Load Default Values?"}));
        PageSettings expected = DefaultPageSettings();
        expected.TargetFolder = "/srv/out/";
        QCOMPARE(Page(), expected);
        QCOMPARE(ControlMismatches(*w_), QString());
        QVERIFY(!QFile::exists(StorePath()));
    }

    // In each shipped language the window speaks it, every access key is unique where it
    // works (in each menu; the menu titles with the boxes and options of the window) and no
    // caption of the style panel is cut or covered. The designed English shares F between the File
    // menu and the Folder box (Alt+F opens the menu).
    void windowInEachLanguage_data() {
        Columns<QString, QString, QString, QString>("language", "file", "bold", "question");
        Row("English", "", "&File", "B&old", "Load Default Values?");
        Row("German", "de", "&Datei", "&Fett", "Standardwerte laden?");
        Row("French", "fr", "&Fichier", "&Gras", "Charger les valeurs par d\u00e9faut ?");
    }
    void windowInEachLanguage() {
        QFETCH(QString, language);
        const Translation own(language, "tu_k",
                              QCoreApplication::applicationDirPath() +
                                  "/../share/tu_k/translations");
        const Translation qt(language, "qtbase",
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        Open();
        QTEST(w_->menuBar()->actions().constFirst()->text(), "file");
        QTEST(Get<QCheckBox>("chkBold")->text(), "bold");
        w_->MenuEntry("mnuSettingsDefault")->trigger();
        QTEST(dialogs_.asked.join('|'), "question");

        QStringList windowKeys;
        auto unique = [](const QString& caption, QStringList& keys) {
            const QString key = QKeySequence::mnemonic(caption).toString();
            QVERIFY2(!key.isEmpty() && !keys.contains(key), qPrintable(caption));
            keys << key;
        };
        for (const QAction* title : w_->menuBar()->actions())
            unique(title->text(), windowKeys);
        if (language.isEmpty())
            windowKeys.removeAll("Alt+F");
        const auto buttons = Get("picCtrl")->findChildren<QAbstractButton*>();
        for (const QAbstractButton* button : buttons) {
            if (button->text().contains('&'))
                unique(button->text(), windowKeys);
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
            QWidget* frame = button->parentWidget(); // inside its frame, over no other button
            QVERIFY2(frame->rect().contains(button->geometry()), qPrintable(button->text()));
            for (const QAbstractButton* other : buttons)
                QVERIFY2(other == button || other->parentWidget() != frame ||
                             other->text().isEmpty() ||
                             !other->geometry().intersects(button->geometry()),
                         qPrintable(button->text() + " / " + other->text()));
        }
        for (const QLabel* label : Get("picCtrl")->findChildren<QLabel*>())
            QVERIFY2(label->wordWrap() || label->size().isEmpty() || // a name for screen readers
                         label->width() >= label->sizeHint().width(),
                     qPrintable(label->objectName() + ": " + label->text()));
        for (const QMenu* menu : w_->menuBar()->findChildren<QMenu*>()) {
            QStringList keys;
            for (const QAction* entry : menu->actions())
                if (!entry->isSeparator())
                    unique(entry->text(), keys);
        }
    }

    // Above the minimum size the tree takes the difference, the list the height under the panel.
    void resizeGrowsTreeAndList() {
        auto* tv = Get<QTreeWidget>("TV");
        auto* list = Get<QListWidget>("File1");
        const QSize minimum = w_->minimumSize();
        QCOMPARE(w_->size(), minimum);
        QVERIFY(!list->isVisible());
        const int tvHeight = tv->height();
        w_->resize(minimum + QSize(100, 67));
        QTRY_COMPARE(tv->width(), 185 + 100);
        QCOMPARE(tv->height(), tvHeight + 67);
        QVERIFY(list->isVisible());
        QCOMPARE(list->height(), tv->height() - Get("picCtrl")->height());
        QCOMPARE(tv->geometry().bottom(), w_->centralWidget()->height() - 1);
    }

    // A long status text keeps the window's size: shortened in the panel, whole in its tooltip.
    void longStatusKeepsWindowSize() {
        const QSize size = w_->size();
        const std::tuple<StatusPanel, const char*, QString, QString, QString> cases[] = {
            {StatusPanel::Folder, "StatusPanel1",
             "/media/card/" + QString(440, 'x') + "/<b>DCIM</b>/", "/media/", "</b>/"},
            {StatusPanel::Count, "StatusPanel2", "Image: 12345 / 99999 -- 1234.567 -- Stopped", "",
             "1234.567 -- Stopped"}};
        for (const auto& [panel, name, text, start, end] : cases) {
            const RowName row(name);
            w_->SetStatusText(panel, text);
            SettleLayouts();
            QCOMPARE(w_->size(), size);
            const QString shown = Get<StatusPanels>("Status")->ElidedText(panel);
            QVERIFY2(shown != text && shown.startsWith(start) && shown.endsWith(end),
                     qPrintable(shown));
            QCOMPARE(ShownToolTip(Get(name)), text);
        }
    }

    // Under a dark theme the BODY string keeps its light ground.
    void bodyStringLightInDarkTheme() {
        const QPalette light = QApplication::palette();
        QApplication::setPalette(QPalette(QColor(53, 53, 53)));
        w_ = OpenWindow(dialogs_);
        const QImage shown = Shown(Get("lblBody"));
        QApplication::setPalette(light);
        QVERIFY(shown.pixelColor(3, shown.height() - 3).lightness() >= 240);
    }
};

TUK_GUI_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
