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
#include <utility>

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

StartRequest BadUsage(const QString& why) {
    return {StartRequest::Kind::BadUsage, {}, QStringLiteral("tu_k: ") + why};
}

// The lines of the help, laid out as Qt's own: the lead of a line (an option's names) is no text
// to translate, so that the texts keep their column in any language.
constexpr std::pair<const char*, const char*> kHelpLines[] = {
    //: FOLDER is the argument's name: keep it as it is.
    {"", QT_TRANSLATE_NOOP("tu_k", "Usage: tu_k [options] [FOLDER]")},
    //: FOLDER is the argument's name: keep it as it is.
    {"", QT_TRANSLATE_NOOP("tu_k", "Opens the Tu_K window, which turns a folder of images into "
                                   "static web pages.\nFOLDER, a path or a file:// address, is "
                                   "chosen in the folder tree at start;\nwhen Tu_K runs already, "
                                   "its window takes FOLDER and comes to the front.")},
    {"", ""},
    {"", QT_TRANSLATE_NOOP("tu_k", "Options:")},
    {"  -h, --help     ", QT_TRANSLATE_NOOP("tu_k", "Displays help on commandline options.")},
    {"  -v, --version  ", QT_TRANSLATE_NOOP("tu_k", "Displays version information.")},
    {"", QT_TRANSLATE_NOOP(
             "tu_k", "Qt's own options (-style NAME, -platform NAME, ...) are taken as well.")},
    {"", ""},
    {"", QT_TRANSLATE_NOOP("tu_k", "Arguments:")},
    {"  FOLDER         ", QT_TRANSLATE_NOOP("tu_k", "The folder to choose.")},
};

QString HelpText() {
    QString help;
    for (const auto& [lead, text] : kHelpLines)
        help += QLatin1String(lead) + QCoreApplication::translate("tu_k", text) + QLatin1Char('\n');
    return help;
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
                return BadUsage((length == 0 ? QCoreApplication::translate(
                                                   "tu_k", "Unknown option '%1'. (see tu_k --help)")
                                             : QCoreApplication::translate(
                                                   "tu_k", "%1 needs a value. (see tu_k --help)"))
                                    .arg(arg));
            i += length - 1;
        } else if (!request.folder.isEmpty() || arg.isEmpty()) {
            return BadUsage(
                QCoreApplication::translate("tu_k", "give at most one folder. (see tu_k --help)"));
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

// Shown in the window: a box at start, or when a folder is handed over.
QString FolderProblem(const QString& path) {
    const QByteArray bytes = EscapedBytes(path);
    int error = 0;
    if (!path.startsWith(QChar(kPathSeparator))) {
        error = ENOENT;
    } else if (FsName(bytes).text != path) {
        return QCoreApplication::translate("frmTu_K",
                                           "Tu_K cannot open the folder %1: its name is not UTF-8 "
                                           "text.")
            .arg(ShownText(bytes));
    } else if (const int fd = open(bytes.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd < 0) {
        error = errno;
        if (error == ENOTDIR && QFileInfo::exists(path))
            return QCoreApplication::translate(
                       "frmTu_K", "Tu_K cannot open the folder %1: it is not a folder.")
                .arg(ShownText(bytes));
    } else {
        // Listing its images reads every entry's kind as well: that needs search permission.
        error = faccessat(fd, ".", X_OK, AT_EACCESS) == 0 ? 0 : errno;
        close(fd);
    }
    //: %1 is the folder, %2 the system's reason.
    return error == 0
               ? QString()
               : QCoreApplication::translate("frmTu_K", "Tu_K cannot open the folder %1: %2.")
                     .arg(ShownText(bytes), ErrorText(error));
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
