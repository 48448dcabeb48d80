#include "app/Run.h"
#include "app/start/StartArguments.h"
#include "base/FsName.h"
#include "base/Translations.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

// The arguments are read before the application object exists: --help, --version and bad
// usage need no display.
int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << tuk::EscapedText(argv[i]);
    const tuk::StartRequest request = tuk::ParseStartArguments(arguments);
    const QByteArray text = request.text.toLocal8Bit();
    switch (request.kind) {
    case tuk::StartRequest::Kind::Help:
    case tuk::StartRequest::Kind::Version:
        return std::fputs(text.constData(), stdout) < 0 ? 1 : 0;
    case tuk::StartRequest::Kind::BadUsage:
        (void)std::fprintf(stderr, "%s\n", text.constData());
        return 2;
    case tuk::StartRequest::Kind::Start:
        break;
    }
    QApplication app(argc, argv);
    tuk::InstallTranslations(app);
    const QString folder = request.folder.isEmpty()
                               ? QString()
                               : tuk::FolderFromArgument(request.folder, QDir::currentPath());
    return tuk::RunTuK(folder);
}
