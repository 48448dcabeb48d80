// Makes pages for one folder from the real window on the current platform (offscreen for the
// benchmark) and prints the run's wall time and the longest gap between two turns of the
// event loop during it. Usage: tuk_bench_window_run FOLDER
#include "app/Dialogs.h"
#include "app/frmTu_K.h"
#include "base/PathNames.h"
#include "foldertree/widgets/FolderTree.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

namespace {

// Answers every question with Yes and records nothing else.
class AutoYes : public tuk::Dialogs {
public:
    Answer Ask(const QString&) override { return Answer::Yes; }
    void Tell(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    QString BrowseFolder(const QString&, const QString&) override { return {}; }
    bool OpenPage(const QString&) override { return true; }
    void About(const QString&, const QString&) override {}
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    AutoYes dialogs;
    tuk::frmTu_K window(dialogs);
    window.Form_Load();

    // A zero-interval timer fires once per turn of the event loop; the longest time between
    // two firings while pages are made is the longest the window was unresponsive.
    QElapsedTimer clock;
    qint64 last = -1;
    qint64 longestGap = 0;
    QTimer turn;
    turn.setInterval(0);
    QObject::connect(&turn, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (last >= 0)
            longestGap = std::max(longestGap, now - last);
        last = now;
    });

    clock.start();
    Q_EMIT window.TV()->FolderChosen(tuk::WithTrailingSeparator(QString::fromLocal8Bit(argv[1])));
    turn.start();
    window.PageGenerator();
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    turn.stop();
    if (!window.StatusText(StatusPanel::Count).endsWith(QLatin1String("OK")))
        return 1;
    std::printf("%.3f %.1f\n", seconds, static_cast<double>(longestGap) / 1e6);
    return 0;
}
