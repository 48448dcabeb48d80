// tu_k-make: makes the pages of one folder from the command line, with the page options the
// window saved. Exit status: 0 pages made, 1 the run failed or was declined, the folder cannot
// be found or holds no images, 2 bad usage or a settings file that cannot be used.

#include "base/FsName.h"
#include "base/PathNames.h"
#include "base/SystemError.h"
#include "base/Volumes.h"
#include "generator/ImageList.h"
#include "generator/PageGenerator.h"
#include "settings/SettingsStore.h"
#include "style/Colors.h"
#include "thumbnails/PictureWorkers.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace tuk;

namespace {

enum ExitCode { kSuccess = 0, kRunFailed = 1, kBadUsage = 2 };

volatile std::sig_atomic_t stopSignal = 0;

void Error(const QString& text) {
    std::cerr << "tu_k-make: " << text.toLocal8Bit().constData() << std::endl;
}

void OnStopSignal(int signo) {
    stopSignal = signo;
}

// SIGINT, SIGTERM and SIGHUP end the run after the page being written.
void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signo : {SIGINT, SIGTERM, SIGHUP}) {
        if (sigaction(signo, &action, nullptr) != 0)
            Error(QStringLiteral("signal %1 cannot be caught (%2); it ends the program at once")
                      .arg(signo)
                      .arg(ErrorText(errno)));
    }
}

// The progress on one line of the terminal, at most ten times a second.
class TerminalProgress : public PageRunListener {
public:
    explicit TerminalProgress(bool show) : show_(show) {}
    ~TerminalProgress() override { Clear(); }

    void Progress(int k, int n, const QString& text) override {
        if (k == 1 || k == n || Due())
            Show(text);
    }
    bool StopRequested() override { return stopSignal != 0; }
    void ThumbProgress(int, int, const QString& text) override {
        if (Due())
            Show(text);
    }

    void Clear() {
        if (width_ > 0)
            (void)std::fprintf(stderr, "\r%*s\r", static_cast<int>(width_), "");
        width_ = 0;
    }

private:
    // At most ten lines a second.
    bool Due() const { return !shown_.isValid() || shown_.elapsed() >= 100; }
    void Show(const QString& text) {
        if (!show_)
            return;
        shown_.start();
        const QByteArray line = text.toLocal8Bit();
        width_ = qMax(width_, line.size());
        // A progress line that cannot be shown changes nothing about the run.
        (void)std::fprintf(stderr, "\r%s", line.constData());
        (void)std::fflush(stderr);
    }

    bool show_;
    QElapsedTimer shown_;
    qsizetype width_ = 0;
};

bool AskYes(const QString& question) {
    std::cerr << question.toLocal8Bit().constData() << " [y/N] " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer)) {
        std::cerr << std::endl;
        return false;
    }
    if (!isatty(STDIN_FILENO)) // the answer was not echoed by a terminal
        std::cerr << answer << std::endl;
    const QString text = QString::fromLocal8Bit(answer).trimmed().toLower();
    return text == QLatin1String("y") || text == QLatin1String("yes");
}

// The folder an argument names, as a full path ending with "/". The argument is text from
// EscapedText, so bytes that are not UTF-8 survive. A relative path needs the current folder;
// when that cannot be told (deeper than the system can name, or removed), the path is
// refused rather than resolved against some other folder.
bool AbsoluteFolder(const QString& argument, FsName& folder) {
    QString path = argument;
    if (!path.startsWith(QLatin1Char('/'))) {
        // A current folder longer than a path may be could not be opened by its full path.
        char current[PATH_MAX];
        if (!getcwd(current, sizeof current)) {
            Error(QStringLiteral("cannot tell where the relative path %1 leads: the current "
                                 "folder cannot be found (%2); give a full path")
                      .arg(ShownText(EscapedBytes(argument)),
                           ErrorText(errno == ERANGE ? ENAMETOOLONG : errno)));
            return false;
        }
        path = EscapedText(current) + QLatin1Char('/') + path;
    }
    folder = WithTrailingSeparator(FsName(EscapedBytes(QDir::cleanPath(path))));
    return true;
}

QString FolderProblem(const FsName& folder, int error) {
    QByteArray path = folder.bytes;
    if (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    struct stat st {};
    if (error == ENOTDIR && stat(path.constData(), &st) == 0 && !S_ISDIR(st.st_mode))
        return QStringLiteral("%1 is not a folder").arg(ShownText(path));
    if (error == ENOENT || error == ENOTDIR)
        return QStringLiteral("the folder %1 does not exist").arg(folder.text);
    return QStringLiteral("the folder %1 cannot be read: %2").arg(folder.text, ErrorText(error));
}

// Why a file that exists cannot be read.
QString ReadProblem(const QString& file) {
    // O_NONBLOCK: a FIFO at the store's place must not stall the program.
    const int fd =
        open(QFile::encodeName(file).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return ErrorText(errno);
    struct stat st {};
    const bool known = fstat(fd, &st) == 0;
    close(fd);
    if (known && S_ISDIR(st.st_mode))
        return ErrorText(EISDIR);
    if (known && !S_ISREG(st.st_mode))
        return QStringLiteral("not a regular file");
    return ErrorText(EACCES);
}

// What the command line asks for.
struct Options {
    QString folder;
    QString target; // empty: the saved one
    bool yes = false;
    bool quiet = false;
    std::optional<bool> index; // --index / --no-index: the saved choice when not given
    int thumbSize = kDefaultThumbSize;
};

// --thumb-size N: a whole number in kMinThumbSize..kMaxThumbSize.
bool ParseThumbSize(const QString& text, int& size) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < kMinThumbSize || value > kMaxThumbSize)
        return false;
    size = value;
    return true;
}

// The options and their help texts; each is asked for by its long name.
void AddOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "Makes one web page per image (.gif, .jpg, .jpeg) of FOLDER, with the page options\n"
        "saved by Tu_K. Pages of a folder on a fixed disk go next to its images; pages of a\n"
        "folder on any other volume go to the target folder."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption targetOption(
        {QStringLiteral("t"), QStringLiteral("target")},
        QStringLiteral("Target folder for this run, instead of the saved one."),
        QStringLiteral("DIR"));
    const QCommandLineOption yesOption({QStringLiteral("y"), QStringLiteral("yes")},
                                       QStringLiteral("Make the pages without asking."));
    const QCommandLineOption quietOption(
        {QStringLiteral("q"), QStringLiteral("quiet")},
        QStringLiteral("Show neither the progress, the final status nor notes."));
    const QCommandLineOption indexOption(
        QStringLiteral("index"),
        QStringLiteral("Make the index page with thumbnails, whatever the saved choice."));
    const QCommandLineOption noIndexOption(
        QStringLiteral("no-index"),
        QStringLiteral("Make no index page, whatever the saved choice."));
    const QCommandLineOption thumbOption(
        QStringLiteral("thumb-size"),
        QStringLiteral("Longest edge of a thumbnail in pixels, %1 to %2 (default %3).")
            .arg(kMinThumbSize)
            .arg(kMaxThumbSize)
            .arg(kDefaultThumbSize),
        QStringLiteral("N"));
    parser.addOptions(
        {targetOption, yesOption, quietOption, indexOption, noIndexOption, thumbOption});
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 QStringLiteral("The folder whose images get pages."));
}

// Reads the command line into the options; returns -1 to go on, else the exit code.
int ParseOptions(int argc, char** argv, Options& options) {
    QCommandLineParser parser;
    AddOptions(parser);
    // The arguments from argv itself: a path whose bytes are not UTF-8 must come through whole.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << EscapedText(argv[i]);
    if (!parser.parse(arguments)) {
        Error(parser.errorText() + QStringLiteral(" (see tu_k-make --help)"));
        return kBadUsage;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        parser.showHelp(kSuccess);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    const QStringList folders = parser.positionalArguments();
    if (folders.size() != 1 || folders.constFirst().isEmpty()) {
        Error(QStringLiteral("give exactly one folder (see tu_k-make --help)"));
        return kBadUsage;
    }
    if (parser.isSet(QStringLiteral("target")) &&
        parser.value(QStringLiteral("target")).isEmpty()) {
        Error(QStringLiteral("--target needs a folder"));
        return kBadUsage;
    }
    if (parser.isSet(QStringLiteral("index")) && parser.isSet(QStringLiteral("no-index"))) {
        Error(QStringLiteral("give either --index or --no-index, not both"));
        return kBadUsage;
    }
    options = {folders.constFirst(),
               parser.value(QStringLiteral("target")),
               parser.isSet(QStringLiteral("yes")),
               parser.isSet(QStringLiteral("quiet")),
               std::nullopt,
               kDefaultThumbSize};
    if (parser.isSet(QStringLiteral("index")) || parser.isSet(QStringLiteral("no-index")))
        options.index = parser.isSet(QStringLiteral("index"));
    if (parser.isSet(QStringLiteral("thumb-size")) &&
        !ParseThumbSize(parser.value(QStringLiteral("thumb-size")), options.thumbSize)) {
        Error(QStringLiteral("--thumb-size needs a whole number from %1 to %2, not \"%3\"")
                  .arg(kMinThumbSize)
                  .arg(kMaxThumbSize)
                  .arg(parser.value(QStringLiteral("thumb-size"))));
        return kBadUsage;
    }
    return -1;
}

// The saved page settings, with the target folder of the command line; -1 or the exit code.
int LoadRunSettings(const Options& options, PageRun& run) {
    const SettingsStore store;
    if (store.Malformed()) {
        Error(QStringLiteral("%1 is not a valid settings file").arg(store.FileName()));
        return kBadUsage;
    }
    if (store.Unreadable()) {
        Error(QStringLiteral("the settings file %1 cannot be read: %2")
                  .arg(store.FileName(), ReadProblem(store.FileName())));
        return kBadUsage;
    }
    const LoadOutcome loaded = LoadPageSettings(store, run.settings);
    if (!loaded.ok) {
        Error(QStringLiteral("the settings file %1 holds a value that does not convert: %2")
                  .arg(store.FileName(), loaded.Message()));
        return kBadUsage;
    }
    if (options.index)
        run.settings.lIndex = *options.index;
    run.thumbSize = options.thumbSize;
    if (options.target.isEmpty())
        return -1;
    FsName target;
    if (!AbsoluteFolder(options.target, target))
        return kRunFailed;
    // The target folder is kept as text, as the window keeps it.
    if (target.text.toUtf8() != target.bytes) {
        Error(QStringLiteral("the target folder %1 has a name that is not UTF-8; choose another")
                  .arg(target.text));
        return kBadUsage;
    }
    run.settings.TargetFolder = target.text;
    return -1;
}

// The folder, its images, the BODY string and the volume kind; -1 or the exit code.
int ListRunImages(const Options& options, PageRun& run) {
    if (!AbsoluteFolder(options.folder, run.sFolder))
        return kRunFailed;
    FolderImages images = ListFolderImages(run.sFolder.bytes);
    if (!images.readable) {
        Error(FolderProblem(run.sFolder, images.error));
        return kRunFailed;
    }
    if (images.names.isEmpty()) {
        Error(QStringLiteral("no images (.gif, .jpg, .jpeg) in %1; nothing to make")
                  .arg(run.sFolder.text));
        return kRunFailed;
    }
    run.images = std::move(images.names);
    run.body = MakeBodyString(run.settings);
    run.driveType = DriveTypeName(run.sFolder.text);
    return -1;
}

// Notes a target folder that does not apply, then asks unless told not to.
bool ConfirmRun(const Options& options, const PageRun& run) {
    const OutputChoice output =
        ChooseOutputFolder(run.sFolder, run.driveType, run.settings.TargetFolder);
    if (!options.target.isEmpty() && !output.lRemote && !options.quiet)
        Error(QStringLiteral("--target has no effect: %1 is on a fixed disk, so its pages go "
                             "next to its images")
                  .arg(run.sFolder.text));
    if (options.yes || AskYes(MakeQuestion(output.sOutFolder.text,
                                           static_cast<int>(run.images.size()), run.sFolder.text)))
        return true;
    Error(QStringLiteral("nothing was made"));
    return false;
}

int MakePages(const Options& options, PageRun& run) {
    CatchStopSignals();
    PageRunResult result;
    PictureWorkers thumbnails;
    run.pictures = &thumbnails;
    {
        TerminalProgress progress(!options.quiet && isatty(STDERR_FILENO));
        result = PageGenerator(run, &progress);
    }
    if (!options.quiet)
        std::cout << result.statusText.toLocal8Bit().constData() << std::endl;
    if (result.end == RunEnd::Finished) {
        if (!result.message.isEmpty() && !options.quiet)
            Error(result.message);
        return kSuccess;
    }
    Error(result.message);
    if (result.end == RunEnd::Stopped && stopSignal != 0) {
        // End the way the signal would have, so a calling shell sees the interruption; where
        // that fails the run still ends as failed.
        const int signo = stopSignal;
        if (std::signal(signo, SIG_DFL) == SIG_ERR || std::raise(signo) != 0)
            Error(QStringLiteral("signal %1 could not end the program").arg(signo));
    }
    return kRunFailed;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tu_k-make"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TUK_VERSION));
    // A file size limit then ends a page write with an error instead of killing the program.
    if (std::signal(SIGXFSZ, SIG_IGN) == SIG_ERR)
        Error(QStringLiteral("a file size limit would end the program at once"));

    Options options;
    if (const int code = ParseOptions(argc, argv, options); code >= 0)
        return code;
    PageRun run;
    if (const int code = LoadRunSettings(options, run); code >= 0)
        return code;
    if (const int code = ListRunImages(options, run); code >= 0)
        return code;
    if (!ConfirmRun(options, run))
        return kRunFailed;
    return MakePages(options, run);
}
