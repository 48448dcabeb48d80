#include "TestSupport.h"
#include "generator/ImageList.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace tuk;
using namespace tuktest;

class TestImageList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listsImagesOnly() {
        QTemporaryDir dir;
        const QString d = dir.path() + '/';
        for (const char* name : {"a.GIF", "b.jpeg", "c.JPG", "d.png", ".hidden.jpg", "e.jpg.txt",
                                 "B.jpeg", "noext", "f.Jpeg"})
            QVERIFY(WriteFile(d + name, "x"));
        QVERIFY(MakeFolder(d + "x.jpg"));
        QVERIFY(QFile::link(d + "a.GIF", d + "link.gif"));
        QVERIFY(QFile::link(d + "x.jpg", d + "dirlink.jpg"));
        QVERIFY(QFile::link(d + "missing.jpg", d + "dangling.jpg"));
        for (const char* notUtf8 : {"x\xff.jpg", "x\xfe.jpg"})
            QVERIFY(WriteFile(QFile::encodeName(d) + notUtf8, "x"));

        const FolderImages images = ListFolderImages(d.toUtf8());
        QVERIFY(images.readable);
        // Case-insensitive order, exact name breaking the tie (capitals sort first), then bytes.
        QCOMPARE(ShownTexts(images.names),
                 QStringList({"a.GIF", "B.jpeg", "b.jpeg", "c.JPG", "f.Jpeg", "link.gif",
                              "x\uFFFD.jpg", "x\uFFFD.jpg"}));
        QCOMPARE(images.names.last().bytes, QByteArray("x\xff.jpg"));
    }

    void emptyAndUnreadable_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<int>("error");
        QTest::newRow("empty folder") << "empty" << true << 0;
        QTest::newRow("missing folder") << "missing" << false << ENOENT;
        QTest::newRow("a file, not a folder") << "file" << false << ENOTDIR;
        QTest::newRow("empty path") << "blank" << false << ENOENT;
    }
    void emptyAndUnreadable() {
        QFETCH(QString, kind);
        QFETCH(bool, readable);
        QFETCH(int, error);
        QTemporaryDir dir;
        QString folder = dir.path() + "/f";
        if (kind == "empty")
            QVERIFY(MakeFolder(folder));
        else if (kind == "file")
            QVERIFY(WriteFile(folder, "x"));
        else if (kind == "blank")
            folder.clear();
        const FolderImages images = ListFolderImages(folder.toUtf8());
        QCOMPARE(images.readable, readable);
        QCOMPARE(images.error, error);
        QVERIFY(images.names.isEmpty());
    }

    void unreadableFolderIsMarked() {
        if (geteuid() == 0)
            QSKIP("root reads every folder");
        QTemporaryDir dir;
        QVERIFY(WriteFile(dir.path() + "/a.jpg", "x"));
        QFile::setPermissions(dir.path(), QFile::WriteOwner);
        const FolderImages images = ListFolderImages(dir.path().toUtf8());
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!images.readable);
    }
};

QTEST_APPLESS_MAIN(TestImageList)
#include "tst_imagelist.moc"
