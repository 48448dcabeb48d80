#include "style/FontFaces.h"

#include <QTest>

using namespace tuk;

class TestFontFaces : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void faces_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("normalised");
        QTest::addColumn<QString>("preview");
        QTest::newRow("Arial") << "Arial"
                               << "Arial"
                               << "Arial";
        QTest::newRow("Courier") << "Courier"
                                 << "Courier"
                                 << "Courier New";
        QTest::newRow("Times") << "Times"
                               << "Times"
                               << "Times New Roman";
        QTest::newRow("lower case") << "times"
                                    << "Arial"
                                    << "Arial";
        QTest::newRow("trailing blank") << "Times "
                                        << "Arial"
                                        << "Arial";
        QTest::newRow("other face") << "Verdana"
                                    << "Arial"
                                    << "Arial";
        QTest::newRow("empty") << ""
                               << "Arial"
                               << "Arial";
    }
    void faces() {
        QFETCH(QString, typed);
        QFETCH(QString, normalised);
        QFETCH(QString, preview);
        QCOMPARE(NormalizeFontFace(typed), normalised);
        QCOMPARE(PreviewFontFamily(typed), preview);
    }

    void sizes() {
        QCOMPARE(FontFaceChoice(), (QStringList{"Arial", "Courier", "Times"}));
        QCOMPARE(PreviewPointSize(1), 8);
        QCOMPARE(PreviewPointSize(7), 14);
        QCOMPARE(PreviewPointSize(128), 135);
    }
};

QTEST_APPLESS_MAIN(TestFontFaces)
#include "tst_fontfaces.moc"
