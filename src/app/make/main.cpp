// tu_k-make: makes the pages of one folder (or of a tree) from the command line, with the page
// options the window saved. Exit status: 0 pages made, 1 the run failed or was declined, the folder
// cannot be found or holds no images, 2 bad usage or a settings file that cannot be used.

#include "base/FsName.h"
#include "base/PathNames.h"
#include "base/SystemError.h"
#include "base/Volumes.h"
#include "generator/AlbumTree.h"
#include "generator/ImageList.h"
#include "generator/PageGenerator.h"
#include "make/MakeOptions.h"
#include "settings/SettingsStore.h"
#include "style/Colors.h"
#include "thumbnails/PictureWorkers.h"

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

// Reads the command line into the options; returns -1 to go on, else the exit code.
int ParseOptions(int argc, char** argv, MakeOptions& options) {
    // The arguments from argv itself: a path whose bytes are not UTF-8 must come through whole.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << EscapedText(argv[i]);
    const QString refused = ParseMakeOptions(arguments, options);
    if (refused.isEmpty())
        return -1;
    Error(refused);
    return kBadUsage;
}

// The saved page settings with the choices and the target folder of the command line; -1 or
// the exit code.
int LoadRunSettings(const MakeOptions& options, PageRun& run) {
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
    ApplyMakeOptions(options, run.settings);
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

// The images a run covers: the folder's, or the whole tree's.
int RunImages(const PageRun& run) {
    return run.settings.lSubfolders ? run.tree.TotalImages() : static_cast<int>(run.images.size());
}

// The folder, its images (and with subfolders the tree below it), the BODY string and the
// volume kind; -1 or the exit code.
int ListRunImages(const MakeOptions& options, PageRun& run) {
    if (!AbsoluteFolder(options.folder, run.sFolder))
        return kRunFailed;
    FolderImages images = ListFolderImages(run.sFolder.bytes);
    if (!images.readable) {
        Error(FolderProblem(run.sFolder, images.error));
        return kRunFailed;
    }
    run.images = std::move(images.names);
    if (run.settings.lSubfolders) {
        run.tree = ListAlbumTree(run.sFolder);
        run.images = run.tree.albums.front().images;
    }
    if (RunImages(run) == 0) {
        QString where = run.sFolder.text;
        if (run.settings.lSubfolders)
            where += QStringLiteral(" or its subfolders");
        QString text =
            QStringLiteral("no images (.gif, .jpg, .jpeg) in %1; nothing to make").arg(where);
        if (!run.tree.unreadable.isEmpty())
            text += QStringLiteral(" (folders that could not be read: %1)")
                        .arg(run.tree.unreadable.join(QStringLiteral(", ")));
        Error(text);
        return kRunFailed;
    }
    run.body = MakeBodyString(run.settings);
    run.driveType = DriveTypeName(run.sFolder.text);
    return -1;
}

// Notes a target folder that does not apply, then asks unless told not to.
bool ConfirmRun(const MakeOptions& options, const PageRun& run) {
    const OutputChoice output = ChooseOutputFolder(
        run.sFolder, run.driveType, run.settings.TargetFolder, run.settings.lIntoTarget);
    if (!options.target.isEmpty() && !output.lRemote && !options.quiet)
        Error(QStringLiteral("--target has no effect: %1 is on a fixed disk, so its pages go "
                             "next to its images")
                  .arg(run.sFolder.text));
    if (options.yes || AskYes(MakeQuestion(output.sOutFolder.text, RunImages(run), run.sFolder.text,
                                           run.tree.Subfolders())))
        return true;
    Error(QStringLiteral("nothing was made"));
    return false;
}

int MakePages(const MakeOptions& options, PageRun& run) {
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

    MakeOptions options;
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
