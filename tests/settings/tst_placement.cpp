#include "settings/Placement.h"

#include <QTest>

using namespace tuk;

class TestPlacement : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void conversions_data() {
        QTest::addColumn<int>("twips");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("pixels");
        QTest::newRow("96 dpi") << 6840 << 96.0 << 456;
        QTest::newRow("one pixel") << 15 << 96.0 << 1;
        QTest::newRow("rounds down") << 22 << 96.0 << 1;
        QTest::newRow("rounds up") << 23 << 96.0 << 2;
        QTest::newRow("144 dpi") << 6840 << 144.0 << 684;
        QTest::newRow("negative") << -3000 << 96.0 << -200;
    }
    void conversions() {
        QFETCH(int, twips);
        QFETCH(double, dpi);
        QFETCH(int, pixels);
        QCOMPARE(TwipsToPixels(twips, dpi), pixels);
        QVERIFY(qAbs(PixelsToTwips(pixels, dpi) - twips) <= 1440 / dpi / 2 + 1);
    }

    void placementOfBounds() {
        QCOMPARE(PlacementOfBounds(QRect(10, 20, 456, 387), 96),
                 (WindowPlacement{150, 300, 6840, 5805}));
        // A window wider than 32767 twips (2184 pixels at 96 dpi) keeps the largest width
        // the field holds instead of wrapping to a negative one.
        QCOMPARE(PlacementOfBounds(QRect(-3000, 0, 3840, 2160), 96),
                 (WindowPlacement{-32768, 0, 32767, 32400}));
        QCOMPARE(MinimisedPlacement(), (WindowPlacement{0, 0, 6840, 5805}));
        QCOMPARE(BoundsOfPlacement(WindowPlacement{150, 300, 6840, 5805}, 96),
                 QRect(10, 20, 456, 387));
    }

    // What a close stores: the window's outer bounds, or the designed size at the corner when
    // minimised; where positions cannot be known (Wayland) the stored position stays.
    void placementAtClose_data() {
        QTest::addColumn<QRect>("outer"); // empty: minimised
        QTest::addColumn<bool>("positionKnown");
        QTest::addColumn<QRect>("expected"); // DefL, DefT, DefW, DefH
        const QRect bounds(-3, -30, 500, 400);
        QTest::newRow("bounds") << bounds << true << QRect(-45, -450, 7500, 6000);
        QTest::newRow("bounds, Wayland") << bounds << false << QRect(150, 300, 7500, 6000);
        QTest::newRow("minimised") << QRect() << true << QRect(0, 0, 6840, 5805);
        QTest::newRow("minimised, Wayland") << QRect() << false << QRect(150, 300, 6840, 5805);
    }
    void placementAtClose() {
        QFETCH(QRect, outer);
        QFETCH(bool, positionKnown);
        QFETCH(QRect, expected);
        const WindowPlacement stored{150, 300, 9000, 7500};
        const WindowPlacement place = PlacementAtClose(
            stored, outer.isNull() ? std::nullopt : std::optional(outer), 96, positionKnown);
        QCOMPARE(QRect(place.DefL, place.DefT, place.DefW, place.DefH), expected);
    }

    void keepOnScreens_data() {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("on the primary") << QRect(100, 100, 500, 400) << QRect(100, 100, 500, 400);
        QTest::newRow("on the second") << QRect(2000, 100, 500, 400) << QRect(2000, 100, 500, 400);
        QTest::newRow("one pixel on") << QRect(-499, -399, 500, 400) << QRect(-499, -399, 500, 400);
        QTest::newRow("just off the left") << QRect(-500, 100, 500, 400) << QRect(0, 30, 500, 400);
        QTest::newRow("where a third screen was")
            << QRect(3400, 100, 500, 400) << QRect(0, 30, 500, 400);
        QTest::newRow("between screens below")
            << QRect(1950, 900, 300, 200) << QRect(0, 30, 300, 200);
    }
    void keepOnScreens() {
        QFETCH(QRect, window);
        QFETCH(QRect, expected);
        const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 800)};
        QCOMPARE(KeepOnScreens(window, screens, QRect(0, 30, 1920, 1050)), expected);
    }
};

QTEST_APPLESS_MAIN(TestPlacement)
#include "tst_placement.moc"
