#pragma once

// Helpers shared by the tests. Paths given as QByteArray are file-system bytes (maybe not UTF-8).

#include "base/Volumes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QMap>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QUrl>
#include <algorithm>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <utime.h>

namespace tuktest {

// Names the row a loop checks when a check fails (the function returns): in the row "a.GIF" 20
struct RowName {
    template <typename... T> explicit RowName(const T&... values) {
        (QDebug(&text) << ... << values);
    }
    ~RowName() {
        if (QTest::currentTestFailed())
            qWarning("  in the row %s", qPrintable(text));
    }
    QString text;
};

inline bool WriteFile(const QByteArray& path, const QByteArray& bytes) {
    QFile file;
    const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0 || !file.open(fd, QIODevice::WriteOnly, QFile::AutoCloseHandle))
        return false;
    return file.write(bytes) == bytes.size();
}

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    return WriteFile(QFile::encodeName(path), bytes);
}

inline QByteArray ReadFile(const QByteArray& path) {
    QFile file;
    const int fd = open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle))
        return QByteArray();
    return file.readAll();
}

inline QByteArray ReadFile(const QString& path) {
    return ReadFile(QFile::encodeName(path));
}

inline bool MakeFolder(const QString& path) {
    return QDir().mkpath(path);
}

inline bool SetFileTime(const QByteArray& path, time_t seconds) {
    const utimbuf times{seconds, seconds};
    return utime(path.constData(), &times) == 0;
}

// Every entry of a folder, hidden ones included, sorted by name.
inline QStringList FolderEntries(const QString& path) {
    return QDir(path).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The same as file-system bytes, sorted bytewise.
inline QList<QByteArray> FolderEntries(const QByteArray& path) {
    QList<QByteArray> names;
    if (DIR* dir = opendir(path.constData())) {
        while (const dirent* entry = readdir(dir)) {
            if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
                names << QByteArray(entry->d_name);
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Fills a folder: "name/" makes a folder, "name->target" a link, other names files of `size` bytes.
inline bool MakeImages(const QString& folder, const QStringList& names, qint64 size = 100) {
    if (!MakeFolder(folder))
        return false;
    for (const QString& name : names) {
        const QString path = folder + name.section(QStringLiteral("->"), 0, 0);
        if (name.contains(QStringLiteral("->"))) {
            if (!QFile::link(name.section(QStringLiteral("->"), 1), path))
                return false;
        } else if (!(name.endsWith(QLatin1Char('/')) ? MakeFolder(path)
                                                     : WriteFile(path, QByteArray(size, 'x')))) {
            return false;
        }
    }
    return true;
}

// "Img000.jpg", "Img001.jpg", ...: n image names in list order.
inline QStringList NumberedImages(int n, int digits = 3) {
    QStringList names;
    for (int i = 0; i < n; ++i)
        names << QStringLiteral("Img%1.jpg").arg(i, digits, 10, QChar('0'));
    return names;
}

// Each page of a folder with its bytes, by file-system name in bytewise order.
inline QMap<QByteArray, QByteArray> PageContents(const QString& folder) {
    QMap<QByteArray, QByteArray> pages;
    const QByteArray path = QFile::encodeName(folder);
    for (const QByteArray& name : FolderEntries(path)) {
        if (name.endsWith(".html"))
            pages.insert(name, ReadFile(path + name));
    }
    return pages;
}

// Every file and folder below a folder, hidden ones too, by its path there, sorted.
inline QStringList Below(const QString& folder) {
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next().mid(folder.size());
    found.sort();
    return found;
}

inline QStringList PagesBelow(const QString& folder) {
    return Below(folder).filter(QRegularExpression(QStringLiteral("\\.html$")));
}

inline QStringList PagesIn(const QString& folder) {
    return FolderEntries(folder).filter(QRegularExpression(QStringLiteral("\\.html$")));
}

inline bool HasTemporaryFiles(const QString& folder) {
    return !FolderEntries(folder).filter(QRegularExpression(QStringLiteral("\\.tmp$"))).isEmpty();
}

// What is wrong with the pages below a folder: each page that is not whole, and each link of a
// page (href, src, srcset) that leads to nothing, as "page: link"; with `confined`, also each
// link that leads out of the folder. Links are relative to their page or full paths; addresses
// on the web are not followed.
inline QStringList BrokenPages(const QString& root, bool confined = false) {
    static const QRegularExpression link(QStringLiteral("(?:href|src|srcset)=\"([^\"]*)\""));
    const QString inside = QDir(root).canonicalPath() + '/';
    QStringList broken;
    QDirIterator pages(root, {QStringLiteral("*.html")}, QDir::Files, QDirIterator::Subdirectories);
    while (pages.hasNext()) {
        const QString page = pages.next();
        const QByteArray bytes = ReadFile(page);
        if (!bytes.startsWith("<html>") || !bytes.endsWith("</html>\r\n"))
            broken << page + QStringLiteral(": not whole");
        for (const QRegularExpressionMatch& m : link.globalMatch(QString::fromLatin1(bytes))) {
            for (const QString& each : m.captured(1).split(QStringLiteral(", "))) {
                const QString target =
                    QUrl::fromPercentEncoding(each.section(' ', 0, 0).toLatin1());
                const QString path =
                    target.startsWith('/') ? target : QFileInfo(page).path() + '/' + target;
                if (target.contains(QStringLiteral("://")))
                    continue;
                if (target.isEmpty() || !QFileInfo::exists(path) ||
                    (confined && !QFileInfo(path).canonicalFilePath().startsWith(inside)))
                    broken << page + QStringLiteral(": ") + target;
            }
        }
    }
    return broken;
}

// Puts "folder", "fifo" or "zero link" (to /dev/zero) where a store or lock belongs.
inline bool MakeSpecialFile(const QString& path, const QString& kind) {
    const QByteArray name = QFile::encodeName(path);
    if (kind == QLatin1String("folder"))
        return QDir().mkpath(path);
    if (kind == QLatin1String("fifo"))
        return mkfifo(name.constData(), 0600) == 0;
    return symlink("/dev/zero", name.constData()) == 0;
}

// What stat says of the path (all zero when nothing is there).
inline struct stat StatOf(const QString& path) {
    struct stat st {};
    stat(QFile::encodeName(path).constData(), &st);
    return st;
}

// The kind of what is at the path, not following a link (S_IFREG, S_IFIFO, ...; 0 for none).
inline mode_t FileKind(const QString& path) {
    struct stat st {};
    return lstat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

// A tmpfs of a few kilobytes over a folder for a full or read-only disk, or another folder bound
// over it; !Ok() where not allowed.
class ScratchMount {
public:
    ScratchMount(const QString& folder, int kilobytes)
        : name_(QFile::encodeName(folder)),
          options_("size=" + QByteArray::number(kilobytes) + "k") {
        QDir().mkpath(folder);
        ok_ = mount("tmpfs", name_.constData(), "tmpfs", 0, options_.constData()) == 0;
    }
    ScratchMount(const QString& folder, const QString& source) : name_(QFile::encodeName(folder)) {
        QDir().mkpath(folder);
        ok_ = mount(QFile::encodeName(source), name_.constData(), nullptr, MS_BIND, nullptr) == 0;
    }
    ~ScratchMount() {
        if (ok_)
            umount2(name_.constData(), MNT_DETACH);
    }
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    bool Ok() const { return ok_; }
    bool MakeReadOnly() {
        return mount("tmpfs", name_.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                     options_.constData()) == 0;
    }

private:
    QByteArray name_;
    QByteArray options_;
    bool ok_ = false;
};

// A mount table the test writes itself, in place of this machine's.
struct FixtureMountTable : tuk::MountTableSource {
    explicit FixtureMountTable(QList<tuk::MountEntry> entries = {}) : mounts(std::move(entries)) {}
    QList<tuk::MountEntry> Mounts() const override { return mounts; }

    QList<tuk::MountEntry> mounts;
};

// "mount-point fs-type [root [device [removable]]]"
inline tuk::MountEntry Mount(const QString& line) {
    const QStringList f = line.split(QLatin1Char(' '));
    tuk::MountEntry m;
    m.mountPoint = f.value(0);
    m.fsType = f.value(1);
    m.root = f.value(2, QStringLiteral("/"));
    m.deviceId = f.value(3);
    m.removable = f.value(4) == QLatin1String("removable");
    return m;
}

// A language for the tests: the given texts of one context translated, every other as written.
struct TestLanguage : QTranslator {
    TestLanguage(const char* context, QHash<QString, QString> texts)
        : context_(context), texts_(std::move(texts)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        return context_ == context ? texts_.value(QString::fromUtf8(source)) : QString();
    }
    QByteArray context_;
    QHash<QString, QString> texts_;
};

// A shipped translation installed for as long as it lives, as the program loads it for a user
// of that language; an empty language installs nothing.
struct Translation : QTranslator {
    Translation(const QString& language, const char* name, const QString& folder) {
        if (language.isEmpty())
            return;
        if (!load(QLocale(language), QLatin1String(name), QStringLiteral("_"), folder))
            qWarning("no %s translation for %s in %s", name, qPrintable(language),
                     qPrintable(folder));
        QCoreApplication::installTranslator(this);
    }
    ~Translation() override { QCoreApplication::removeTranslator(this); }
};

} // namespace tuktest
