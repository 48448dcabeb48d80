#include "app/Run.h"
#include "app/start/StartArguments.h"
#include "base/FsName.h"
#include "base/Translations.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

namespace {

// Prints what the command line asked for instead of a window; the exit status.
int Answer(const tuk::StartRequest& request) {
    const QByteArray text = request.text.toLocal8Bit();
    if (request.kind == tuk::StartRequest::Kind::BadUsage) {
        (void)std::fprintf(stderr, "%s\n", text.constData());
        return 2;
    }
    return std::fputs(text.constData(), stdout) < 0 ? 1 : 0;
}

} // namespace

// --help, --version and bad usage need no display: they are answered with a core application
// only, which brings the user's language; the arguments are read again with it.
int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << tuk::EscapedText(argv[i]);
    const tuk::StartRequest request = tuk::ParseStartArguments(arguments);
    if (request.kind != tuk::StartRequest::Kind::Start) {
        QCoreApplication app(argc, argv);
        tuk::InstallTranslations(app);
        return Answer(tuk::ParseStartArguments(arguments));
    }
    QApplication app(argc, argv);
    tuk::InstallTranslations(app);
    const QString folder = request.folder.isEmpty()
                               ? QString()
                               : tuk::FolderFromArgument(request.folder, QDir::currentPath());
    return tuk::RunTuK(folder);
}
