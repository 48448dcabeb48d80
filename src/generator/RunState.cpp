#include "generator/RunState.h"

#include "base/PathNames.h"
#include "generator/AlbumFacts.h"
#include "generator/FolderRun.h"

#include <QtGlobal>
#include <climits>

namespace tuk {

namespace {

// With subfolders, the tree below the folder; else the folder alone with the images given. The
// photos' own facts are read when the pages show any of them.
AlbumTree TreeOf(const PageRun& run) {
    AlbumTree tree;
    if (run.settings.lSubfolders) {
        tree = ListAlbumTree(run.sFolder);
    } else {
        const int count = int(qMin<qsizetype>(run.images.size(), INT_MAX));
        tree.albums.push_back(
            {WithTrailingSeparator(run.sFolder), QByteArray(), run.images, -1, {}, count, 0});
    }
    const PageSettings& s = run.settings;
    if (s.lCaptureDates || s.lCaptions || s.lCamera)
        ReadTreeFacts(tree, s.lCaptureDates, run.factsCache);
    return tree;
}

// Which phase each phase follows. Pages and pictures may be skipped by a stop or a failure,
// so settling follows any phase from the opening on.
bool MayFollow(RunPhase next, RunPhase now) {
    switch (next) {
    case RunPhase::Prepared:
        return false;
    case RunPhase::Opened:
        return now == RunPhase::Prepared;
    case RunPhase::Pages:
        return now == RunPhase::Opened;
    case RunPhase::Pictures:
        return now == RunPhase::Pages;
    case RunPhase::Settled:
        return now == RunPhase::Opened || now == RunPhase::Pages || now == RunPhase::Pictures;
    case RunPhase::Reported:
        return now != RunPhase::Reported;
    }
    return false;
}

} // namespace

RunState::RunState(PageRun input)
    : run(std::move(input)), tree(TreeOf(run)),
      output(ChooseOutputFolder(tree.albums.front().folder, run.driveType,
                                run.settings.TargetFolder, run.settings.lIntoTarget)),
      pictures(run), composer(run.settings, run.body), dates(run.locale) {
    result.lRemote = output.lRemote;
    result.sOutFolder = output.sOutFolder.text;
    total = int(qMin<qint64>(tree.TotalImages(), INT_MAX));
}

RunState::~RunState() = default;

void RunState::Enter(RunPhase next) {
    if (!MayFollow(next, phase_))
        qFatal("A run entered phase %d after phase %d", int(next), int(phase_));
    phase_ = next;
}

QString RunState::Failure(const QString& sentence, const QString& name,
                          const QString& reason) const {
    return sentence.arg(name, reason, CountSentence(result, total));
}

} // namespace tuk
