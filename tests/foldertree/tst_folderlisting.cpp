#include "foldertree/FolderListing.h"

#include "TestSupport.h"

#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace tuk;

class TestFolderListing : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;

    // Builds a folder from a list of entries: "name/" a folder, "name" a file,
    // "name->target" a symbolic link.
    QString MakeFolder(const QString& name, const QStringList& entries) {
        const QString folder = dir_.path() + QLatin1Char('/') + name;
        if (!tuktest::MakeFolder(folder))
            return {};
        for (const QString& entry : entries) {
            const QString path =
                folder + QLatin1Char('/') + entry.section(QStringLiteral("->"), 0, 0);
            if (entry.contains(QStringLiteral("->"))) {
                if (!QFile::link(entry.section(QStringLiteral("->"), 1), path))
                    return {};
            } else if (entry.endsWith(QLatin1Char('/'))) {
                if (!tuktest::MakeFolder(path))
                    return {};
            } else if (!tuktest::WriteFile(path, "x")) {
                return {};
            }
        }
        return folder;
    }

private Q_SLOTS:
    void listing_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("subfolders");
        QTest::newRow("sorted by shown text, then real name")
            << QStringList{"b/", "A/", "NEW FOLDER/", "apple/", "Apple/", "my pics/"}
            << QStringList{"A", "Apple", "apple", "b", "my pics", "NEW FOLDER"};
        QTest::newRow("hidden folders and files left out")
            << QStringList{".hidden/", ".git/", "file.jpg", "x/"} << QStringList{"x"};
        QTest::newRow("links to folders count")
            << QStringList{"real/", "a-link->real", "to-file->f", "f", "broken->nowhere"}
            << QStringList{"a-link", "real"};
        QTest::newRow("link loop is one entry")
            << QStringList{"loop->.", "up->.."} << QStringList{"loop", "up"};
        QTest::newRow("files only") << QStringList{"a.jpg", "b.gif"} << QStringList{};
        QTest::newRow("empty") << QStringList{} << QStringList{};
    }
    void listing() {
        QFETCH(QStringList, entries);
        QFETCH(QStringList, subfolders);
        const QString folder = MakeFolder(QTest::currentDataTag(), entries);
        QVERIFY(!folder.isEmpty());
        QCOMPARE(ListSubfolders(folder), subfolders);
        // The first subfolder is the first of the full listing, with or without a final "/".
        QCOMPARE(FirstSubfolder(folder), subfolders.value(0));
        QCOMPARE(FirstSubfolder(folder + "/"), subfolders.value(0));
        QCOMPARE(DiskFolders().Subfolders(folder), subfolders);
    }

    // The first name in text order can be a file or a broken link: it must not win.
    void firstSkipsEarlierFiles() {
        const QString folder =
            MakeFolder("first", {"0file", "00broken->nowhere", "1link->z", "z/", "zz/"});
        QVERIFY(!folder.isEmpty());
        QCOMPARE(FirstSubfolder(folder), QStringLiteral("1link"));
    }

    void unreadable_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("empty path") << "";
        QTest::newRow("missing") << dir_.path() + "/does-not-exist";
        QTest::newRow("a file") << dir_.path() + "/plain-file";
    }
    void unreadable() {
        QFETCH(QString, folder);
        QVERIFY(tuktest::WriteFile(dir_.path() + "/plain-file", "x"));
        QCOMPARE(ListSubfolders(folder), QStringList());
        QCOMPARE(FirstSubfolder(folder), QString());
    }

    // A name that is not valid in the locale's encoding could not be opened again by its
    // decoded text: it is left out rather than shown broken.
    void undecodableNameLeftOut() {
        const QString folder = MakeFolder("undecodable", {"ok/"});
        QVERIFY(!folder.isEmpty());
        const QByteArray bad = QFile::encodeName(folder) + "/bad\xff";
        QCOMPARE(::mkdir(bad.constData(), 0755), 0);
        const QStringList listed = ListSubfolders(folder);
        const QString first = FirstSubfolder(folder);
        ::rmdir(bad.constData()); // QTemporaryDir cannot remove it by its decoded name
        QCOMPARE(listed, QStringList{"ok"});
        QCOMPARE(first, QStringLiteral("ok"));
    }
};

QTEST_APPLESS_MAIN(TestFolderListing)
#include "tst_folderlisting.moc"
