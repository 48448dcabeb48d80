#pragma once

// Everything one run owns, from its checks to its report; not part of the generator's
// interface. It lives on the heap for the whole run, so every phase reaches what an earlier
// one made, and nothing a later phase needs is let go before the run ends.

#include "generator/AlbumTree.h"
#include "generator/PageComposer.h"
#include "generator/PageGenerator.h"
#include "generator/PictureStep.h"
#include "generator/RunParts.h"
#include "generator/SiteRecord.h"

#include <QElapsedTimer>
#include <QString>
#include <memory>
#include <vector>

namespace tuk {

class FolderRun;

// The phases of a run, in their order. Pages and pictures may be cut short by a stop or a
// failure; settling and the report always come once the output is open.
enum class RunPhase {
    Prepared, // every check made, nothing written: the question can be asked
    Opened,   // output folders made, pictures planned, index pages written
    Pages,    // the pages written
    Pictures, // the thumbnails and copies made
    Settled,  // pages and indexes rewritten to show only what exists
    Reported, // the result handed out
};

struct RunState {
    explicit RunState(PageRun input);
    ~RunState();
    RunState(const RunState&) = delete;
    RunState& operator=(const RunState&) = delete;

    // Moves to the next phase; a phase entered before the ones it needs ends the program, as
    // that is a fault of the code, never of the input.
    void Enter(RunPhase next);
    RunPhase Phase() const { return phase_; }

    // A translated sentence's %1 the file or folder, %2 the reason, %3 the sentence that tells
    // how many pages were written before the run stopped.
    QString Failure(const QString& sentence, const QString& name, const QString& reason) const;

    const PageRun run;
    const AlbumTree tree;
    const OutputChoice output;
    QElapsedTimer clock;
    PageRunResult result;
    PictureStep pictures;
    const PageComposer composer; // every page of the run, rewrites included
    DateTexts dates;
    QByteArray page;  // the page being made, one buffer for the whole run
    int total = 0;    // pages of the whole run
    int position = 1; // the page being made, counted over the whole run
    std::vector<std::unique_ptr<FolderRun>> folders; // in tree order
    std::optional<SiteRecord> siteRecord;            // a site's, as read or last written

private:
    RunPhase phase_ = RunPhase::Prepared;
};

} // namespace tuk
