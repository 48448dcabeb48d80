// tu_k-make: makes the pages of one folder (or of a tree) from the command line, with the page
// options the window saved. Exit status: 0 pages made, 1 the run failed or was declined, the folder
// cannot be found or holds no images, 2 bad usage or a settings file that cannot be used.

#include "base/FsName.h"
#include "base/Translations.h"
#include "base/Volumes.h"
#include "generator/FactsCache.h"
#include "generator/ImageList.h"
#include "generator/PageGenerator.h"
#include "generator/PreparedRun.h"
#include "make/ArgumentPaths.h"
#include "make/MakeOptions.h"
#include "make/Prompt.h"
#include "make/StopSignals.h"
#include "make/TerminalProgress.h"
#include "settings/StoredSettings.h"
#include "style/Colors.h"
#include "thumbnails/PictureWorkers.h"

#include <QCoreApplication>
#include <csignal>
#include <iostream>
#include <unistd.h>

using namespace tuk;

namespace {

enum ExitCode { kSuccess = 0, kRunFailed = 1, kBadUsage = 2 };

void Error(const QString& text) {
    std::cerr << "tu_k-make: " << text.toLocal8Bit().constData() << std::endl;
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
        Error(QCoreApplication::translate("tu_k-make", "%1 is not a valid settings file")
                  .arg(store.FileName()));
        return kBadUsage;
    }
    if (store.Unreadable()) {
        Error(SettingsReadProblem(store.FileName()));
        return kBadUsage;
    }
    const LoadOutcome loaded = LoadPageSettings(store, run.settings);
    if (!loaded.ok) {
        //: %1 is the settings file, %2 the value and why it does not convert.
        Error(QCoreApplication::translate(
                  "tu_k-make", "the settings file %1 holds a value that does not convert: %2")
                  .arg(store.FileName(), loaded.Message()));
        return kBadUsage;
    }
    ApplyMakeOptions(options, run.settings);
    run.thumbSize = options.thumbSize;
    if (options.target.isEmpty())
        return -1;
    const Result<FsName> chosen = AbsoluteFolder(options.target);
    if (!chosen) {
        Error(chosen.failure().text);
        return kRunFailed;
    }
    const FsName& target = *chosen;
    // The target folder is kept as text, as the window keeps it.
    if (target.text.toUtf8() != target.bytes) {
        Error(QCoreApplication::translate(
                  "tu_k-make", "the target folder %1 has a name that is not UTF-8; choose another")
                  .arg(target.text));
        return kBadUsage;
    }
    run.settings.TargetFolder = target.text;
    return -1;
}

// The folder, its images, the BODY string and the volume kind; -1 or the exit code. With
// subfolders the run lists the tree itself.
int ListRunImages(const MakeOptions& options, PageRun& run) {
    const Result<FsName> folder = AbsoluteFolder(options.folder);
    if (!folder) {
        Error(folder.failure().text);
        return kRunFailed;
    }
    run.sFolder = *folder;
    FolderImages images = ListFolderImages(run.sFolder.bytes);
    if (!images.readable) {
        Error(FolderProblem(run.sFolder, images.error));
        return kRunFailed;
    }
    run.images = std::move(images.names);
    run.body = MakeBodyString(run.settings);
    run.driveType = VolumeKindOf(run.sFolder.text);
    return -1;
}

// Notes a target folder that does not apply, then asks unless told not to.
bool ConfirmRun(const MakeOptions& options, const PreparedRun& prepared, const PageRun& run) {
    if (!options.target.isEmpty() && !prepared.Output().lRemote && !options.quiet)
        //: %1 is the folder whose pages are made.
        Error(QCoreApplication::translate("tu_k-make",
                                          "--target has no effect: %1 is on a fixed disk, so its "
                                          "pages go next to its images")
                  .arg(run.sFolder.text));
    if (options.yes || AskYes(prepared.Question(), std::cin, std::cerr, !isatty(STDIN_FILENO)))
        return true;
    Error(QCoreApplication::translate("tu_k-make", "nothing was made"));
    return false;
}

int MakePages(const MakeOptions& options, PreparedRun& prepared) {
    for (const QString& failure : CatchStopSignals())
        Error(failure);
    PageRunResult result;
    {
        TerminalProgress progress(!options.quiet && isatty(STDERR_FILENO) ? &std::cerr : nullptr);
        result = prepared.Make(progress);
    }
    if (!options.quiet)
        std::cout << result.statusText.toLocal8Bit().constData() << std::endl;
    if (result.end == RunEnd::Finished) {
        if (!result.message.isEmpty() && !options.quiet)
            Error(result.message);
        return kSuccess;
    }
    Error(result.message);
    if (const int signo = CaughtStopSignal(); result.end == RunEnd::Stopped && signo != 0) {
        EndAsSignal(signo); // where that fails the run still ends as failed
        //: %1 is the number of the signal that stopped the run.
        Error(QCoreApplication::translate("tu_k-make", "signal %1 could not end the program")
                  .arg(signo));
    }
    return kRunFailed;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    tuk::InstallTranslations(app);
    QCoreApplication::setApplicationName(QStringLiteral("tu_k-make"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TUK_VERSION));
    // A file size limit then ends a page write with an error instead of killing the program.
    if (std::signal(SIGXFSZ, SIG_IGN) == SIG_ERR)
        Error(QCoreApplication::translate("tu_k-make",
                                          "a file size limit would end the program at once"));

    MakeOptions options;
    if (const int code = ParseOptions(argc, argv, options); code >= 0)
        return code;
    PageRun run;
    if (const int code = LoadRunSettings(options, run); code >= 0)
        return code;
    if (const int code = ListRunImages(options, run); code >= 0)
        return code;
    PictureWorkers pictures;
    run.pictures = &pictures;
    run.factsCache = DefaultFactsCacheFolder();
    PreparedRun prepared = PreparedRun::Prepare(run);
    if (prepared.Refused() != RunEnd::Finished) {
        Error(prepared.Refusal());
        return kRunFailed;
    }
    if (!ConfirmRun(options, prepared, run))
        return kRunFailed;
    return MakePages(options, prepared);
}
