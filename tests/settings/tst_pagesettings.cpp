#include "settings/PageSettings.h"
#include "style/Colors.h"

#include <QTest>

using namespace tuk;

class TestPageSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaultsGiveTheDesignedBodyString() {
        const PageSettings s = DefaultPageSettings();
        const QString body = MakeBodyString(s);
        QCOMPARE(body, QStringLiteral("<body bgcolor=#c0c0c0 text=#000000 link=#0000ff "
                                      "vlink=#800080 alink=#ff0000>"));
        QCOMPARE(body.size(), 76);
        QCOMPARE(s.sFontFace, QStringLiteral("Arial"));
        QCOMPARE(s.nFontSize, quint8(2));
        const bool flags[] = {s.lCenter, s.lBold,       s.lItal, s.lLinx,  s.lFolder, s.lFDate,
                              s.lFSize,  s.lBackGround, s.lText, s.lCopyr, s.lIndex};
        const bool expected[] = {false, false, false, true, true, true,
                                 true,  false, false, true, false};
        for (int i = 0; i < 11; ++i)
            QCOMPARE(flags[i], expected[i]);
    }

    void defaultsLeaveTargetFolderAlone() {
        PageSettings s;
        s.TargetFolder = QStringLiteral("/srv/pages/");
        s.lBold = true;
        ApplyPageDefaults(s);
        QCOMPARE(s.TargetFolder, QStringLiteral("/srv/pages/"));
        QVERIFY(!s.lBold);
    }

    // Each slot and channel names its own field, and nothing else moves.
    void componentsAreDistinctFields() {
        PageSettings s;
        int value = 1;
        for (int slot = 0; slot < kColorSlotCount; ++slot)
            for (int c = 0; c < 3; ++c)
                s.Component(static_cast<ColorSlot>(slot), c) = static_cast<qint16>(value++);
        QCOMPARE(s.BackR, qint16(1));
        QCOMPARE(s.BackB, qint16(3));
        QCOMPARE(s.TextG, qint16(5));
        QCOMPARE(s.LinkR, qint16(7));
        QCOMPARE(s.VLinkB, qint16(12));
        QCOMPARE(s.ALinkB, qint16(15));
    }
};

QTEST_APPLESS_MAIN(TestPageSettings)
#include "tst_pagesettings.moc"
