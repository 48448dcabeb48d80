#include "style/Colors.h"

#include <QTest>

using namespace tuk;

class TestColors : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hexPair_data() {
        QTest::addColumn<int>("component");
        QTest::addColumn<QString>("hex");
        QTest::newRow("0") << 0 << "00";
        QTest::newRow("9") << 9 << "09";
        QTest::newRow("10") << 10 << "0a";
        QTest::newRow("128") << 128 << "80";
        QTest::newRow("192") << 192 << "c0";
        QTest::newRow("255") << 255 << "ff";
        QTest::newRow("300 keeps all digits") << 300 << "12c";
    }
    void hexPair() {
        QFETCH(int, component);
        QFETCH(QString, hex);
        QCOMPARE(HexPair(component), hex);
    }

    void colorPart_data() {
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("value");
        QTest::newRow("red of 0000FF") << 0x0000FFu << 0 << 255;
        QTest::newRow("green of 0000FF") << 0x0000FFu << 1 << 0;
        QTest::newRow("blue of 800000") << 0x800000u << 2 << 128;
        QTest::newRow("red of 800000") << 0x800000u << 0 << 0;
        QTest::newRow("green of 123456") << 0x123456u << 1 << 0x34;
        QTest::newRow("part 3") << 0xFFFFFFu << 3 << 0;
        QTest::newRow("part -1") << 0xFFFFFFu << -1 << 0;
        QTest::newRow("system colour 5, blue") << 0x80000005u << 2 << 0x30;
        QTest::newRow("system colour 5, red") << 0x80000005u << 0 << 0x10;
    }
    void colorPart() {
        QFETCH(quint32, colour);
        QFETCH(int, part);
        QFETCH(int, value);
        QCOMPARE(ColorPart(part, colour), colour & 0x80000000u ? 0 : value); // system: black
    }

    void qbColorName_data() {
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<QString>("name");
        QTest::newRow("black") << 0x000000u << "BLACK";
        QTest::newRow("yellow is dark") << 0x008080u << "YELLOW";
        QTest::newRow("white is light grey") << 0xC0C0C0u << "WHITE";
        QTest::newRow("lt cyan") << 0xFFFF00u << "LT CYAN";
        QTest::newRow("lt white") << 0xFFFFFFu << "LT WHITE";
        QTest::newRow("no nearest match") << 0xC0C0C1u << "UNDEFINED";
        QTest::newRow("other") << 0x123456u << "UNDEFINED";
    }
    void qbColorName() {
        QFETCH(quint32, colour);
        QFETCH(QString, name);
        QCOMPARE(QBColorName(colour), name);
    }

    // The presets compose from their own parts and each has a name of its own.
    void presetsRoundTrip() {
        QSet<QString> names;
        for (const PresetColor& preset : PresetColors) {
            const ColorValue rebuilt = MakeColorValue(
                ColorPart(0, preset.value), ColorPart(1, preset.value), ColorPart(2, preset.value));
            QCOMPARE(rebuilt, preset.value);
            names.insert(QBColorName(preset.value));
        }
        QCOMPARE(names.size(), 16);
        QCOMPARE(PresetColors[12].value, MakeColorValue(255, 0, 0));
    }

    void bodyString_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("hex");
        QTest::newRow("white") << 255 << "ffffff";
        QTest::newRow("black") << 0 << "000000";
        QTest::newRow("ten") << 10 << "0a0a0a";
        QTest::newRow("above 255 clamps") << 300 << "ffffff";
        QTest::newRow("negative clamps") << -5 << "000000";
    }
    void bodyString() {
        QFETCH(int, value);
        QFETCH(QString, hex);
        PageSettings s;
        for (int slot = 0; slot < kColorSlotCount; ++slot)
            for (int c = 0; c < 3; ++c)
                s.Component(static_cast<ColorSlot>(slot), c) = static_cast<qint16>(value);
        const QString body = MakeBodyString(s);
        QCOMPARE(body.size(), 76);
        QCOMPARE(
            body,
            QStringLiteral("<body bgcolor=#%1 text=#%1 link=#%1 vlink=#%1 alink=#%1>").arg(hex));
    }

    void bodyStringOrdersRedGreenBlue() {
        PageSettings s = DefaultPageSettings();
        s.TextR = 0x12, s.TextG = 0x34, s.TextB = 0x56;
        QVERIFY(MakeBodyString(s).contains(QLatin1String(" text=#123456 ")));
        QCOMPARE(SlotColorValue(s, ColorSlot::Text), 0x563412u);
    }
};

QTEST_APPLESS_MAIN(TestColors)
#include "tst_colors.moc"
