#include "app/start/StartArguments.h"

#include "base/FsName.h"
#include "base/PathNames.h"
#include "base/SystemError.h"
#include "generator/ImageList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tuk {

namespace {

// Options of Qt's application object, without their dashes; the first ones take a value.
constexpr const char* kQtValueOptions[] = {"platform",        "platformpluginpath",
                                           "platformtheme",   "plugin",
                                           "qwindowgeometry", "qwindowicon",
                                           "qwindowtitle",    "display",
                                           "geometry",        "style",
                                           "stylesheet",      "session"};
constexpr const char* kQtFlagOptions[] = {"reverse", "nograb", "dograb", "sync", "widgetcount"};

// How many arguments a Qt option at `arg` spans (1 or 2), or 0 when it is none.
int QtOptionLength(const QString& arg) {
    QString name = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
    const bool joined = name.contains(QLatin1Char('='));
    name = name.section(QLatin1Char('='), 0, 0);
    for (const char* option : kQtValueOptions) {
        if (name == QLatin1String(option))
            return joined ? 1 : 2;
    }
    for (const char* option : kQtFlagOptions) {
        if (name == QLatin1String(option) && !joined)
            return 1;
    }
    return 0;
}

StartRequest BadUsage(const QString& what) {
    return {
        StartRequest::Kind::BadUsage, {}, QStringLiteral("tu_k: %1 (see tu_k --help)").arg(what)};
}

QString HelpText() {
    return QStringLiteral(
        "Usage: tu_k [options] [FOLDER]\n"
        "Opens the Tu_K window, which turns a folder of images into static web pages.\n"
        "FOLDER, a path or a file:// address, is chosen in the folder tree at start;\n"
        "when Tu_K runs already, its window takes FOLDER and comes to the front.\n"
        "\n"
        "Options:\n"
        "  -h, --help     Displays help on commandline options.\n"
        "  -v, --version  Displays version information.\n"
        "Qt's own options (-style NAME, -platform NAME, ...) are taken as well.\n"
        "\n"
        "Arguments:\n"
        "  FOLDER         The folder to choose.\n");
}

} // namespace

StartRequest ParseStartArguments(const QStringList& arguments) {
    StartRequest request;
    bool options = true;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (options && arg == QLatin1String("--")) {
            options = false;
        } else if (options && (arg == QLatin1String("-h") || arg == QLatin1String("--help"))) {
            return {StartRequest::Kind::Help, {}, HelpText()};
        } else if (options && (arg == QLatin1String("-v") || arg == QLatin1String("--version"))) {
            return {StartRequest::Kind::Version, {}, QStringLiteral("tu_k " TUK_VERSION "\n")};
        } else if (options && arg.size() > 1 && arg.startsWith(QLatin1Char('-'))) {
            const int length = QtOptionLength(arg);
            if (length == 0 || i + length > arguments.size())
                return BadUsage(length == 0 ? QStringLiteral("Unknown option '%1'.").arg(arg)
                                            : QStringLiteral("%1 needs a value.").arg(arg));
            i += length - 1;
        } else if (!request.folder.isEmpty() || arg.isEmpty()) {
            return BadUsage(QStringLiteral("give at most one folder."));
        } else {
            request.folder = arg;
        }
    }
    return request;
}

QString FolderFromArgument(const QString& argument, const QString& currentFolder) {
    QString path = argument;
    if (argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(argument);
        if (!url.isValid() || !url.isLocalFile() ||
            !(url.host().isEmpty() || url.host() == QLatin1String("localhost")))
            return argument;
        // The bytes of the address, as the file system holds them, whatever their encoding.
        path =
            EscapedText(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    }
    if (!path.startsWith(QChar(kPathSeparator)))
        path = JoinPath(currentFolder, path);
    return QDir::cleanPath(path);
}

QString FolderProblem(const QString& path) {
    const QByteArray bytes = EscapedBytes(path);
    QString reason;
    if (!path.startsWith(QChar(kPathSeparator))) {
        reason = ErrorText(ENOENT);
    } else if (FsName(bytes).text != path) {
        //: Why a folder cannot be opened, after a colon.
        reason = QCoreApplication::translate("frmTu_K", "its name is not UTF-8 text");
    } else if (const int fd = open(bytes.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd < 0) {
        const int error = errno;
        //: Why a folder cannot be opened, after a colon.
        reason = error == ENOTDIR && QFileInfo::exists(path)
                     ? QCoreApplication::translate("frmTu_K", "it is not a folder")
                     : ErrorText(error);
    } else {
        // Listing its images reads every entry's kind as well: that needs search permission.
        const bool searchable = faccessat(fd, ".", X_OK, AT_EACCESS) == 0;
        reason = searchable ? QString() : ErrorText(errno);
        close(fd);
    }
    //: %1 is the folder's path, %2 why it cannot be opened.
    return reason.isEmpty()
               ? QString()
               : QCoreApplication::translate("frmTu_K", "Tu_K cannot open the folder %1: %2.")
                     .arg(ShownText(bytes), reason);
}

QString DroppedFolder(const QList<QUrl>& urls) {
    QString folder;
    for (const QUrl& url : urls) {
        const QFileInfo item(url.toLocalFile());
        if (!url.isLocalFile() || !item.isAbsolute())
            return {};
        QString itemFolder;
        if (item.isDir() && urls.size() == 1)
            itemFolder = item.absoluteFilePath();
        else if (item.isFile() && HasImageExtension(QFile::encodeName(item.fileName())))
            itemFolder = item.absolutePath();
        if (itemFolder.isEmpty() || (!folder.isEmpty() && itemFolder != folder))
            return {};
        folder = itemFolder;
    }
    return folder;
}

} // namespace tuk
