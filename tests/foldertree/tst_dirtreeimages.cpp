#include "app/icons/AppIcon.h"
#include "app/toolbar/ToolbarImages.h"
#include "foldertree/images/DirTreeImages.h"

#include <QImage>
#include <QPixmap>
#include <QTest>

using namespace tuk;

namespace {

struct AlphaCount {
    int opaque = 0;
    int clear = 0;
};

AlphaCount CountAlpha(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    AlphaCount count;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            count.opaque += alpha == 255 ? 1 : 0;
            count.clear += alpha == 0 ? 1 : 0;
        }
    }
    return count;
}

} // namespace

class TestDirTreeImages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keyRenders_data() {
        QTest::addColumn<QString>("key");
        for (const char* key : {"open", "closed", "leaf", "floppy", "hard", "cdrom", "net", "desk",
                                "about", "copy", "default", "exit", "htmlmake", "htmlview",
                                "refresh", "save", "target", "ram", "unknown"}) {
            QTest::newRow(key) << QString::fromLatin1(key);
        }
    }
    // Each picture draws something at both sizes and keeps a transparent background, so the
    // toolbar and the tree show it on any theme colour.
    void keyRenders() {
        QFETCH(QString, key);
        const QIcon icon = DirTreeImageKeys().contains(key) ? DirTreeIcon(key) : ToolbarIcon(key);
        QVERIFY(!icon.isNull());
        for (int size : {16, 32}) {
            const QPixmap pixmap = icon.pixmap(size, size);
            QVERIFY2(!pixmap.isNull(), "no SVG image plugin?");
            QCOMPARE(pixmap.size(), QSize(size, size));
            const AlphaCount count = CountAlpha(pixmap);
            QVERIFY(count.opaque > size);
            QVERIFY(count.clear > 0);
        }
    }

    void otherKeyGivesNullIcon_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("empty") << QString();
        QTest::newRow("added at run time") << "desktop";
        QTest::newRow("letter case") << "Open";
        QTest::newRow("with suffix") << "open.svg";
        QTest::newRow("outside the prefix") << "../dirtree/open";
    }
    void otherKeyGivesNullIcon() {
        QFETCH(QString, key);
        QVERIFY(DirTreeIcon(key).isNull());
        QVERIFY(ToolbarIcon(key).isNull());
    }

    // The small sizes are hand-drawn and must be shown as drawn, not scaled from another size.
    void appIconUsesDrawnSizes() {
        const QIcon icon = AppIcon();
        QVERIFY(!icon.isNull());
        for (int size : {16, 32, 48}) {
            const QImage drawn(QStringLiteral(":/appicons/tu_k-%1.png").arg(size));
            QCOMPARE(drawn.size(), QSize(size, size));
            QCOMPARE(icon.pixmap(size, size).toImage().convertToFormat(drawn.format()), drawn);
        }
        // The scalable drawing, installed for the desktop's larger sizes, renders filled in.
        const QPixmap large = QIcon(QStringLiteral(":/appicons/tu_k.svg")).pixmap(256, 256);
        QCOMPARE(large.size(), QSize(256, 256));
        QVERIFY(CountAlpha(large).opaque > 256 * 64);
    }
};

QTEST_MAIN(TestDirTreeImages)
#include "tst_dirtreeimages.moc"
