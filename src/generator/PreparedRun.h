#pragma once

#include "generator/PageGenerator.h"

#include <QString>
#include <memory>

namespace tuk {

struct RunState;

// A run made ready: what the window and tu_k-make both do before they ask. Preparing lists
// the images (with subfolders, the whole tree below the folder), picks the output folder and
// makes every check that can refuse the run; nothing is written. Then the caller asks its
// question in its own way and, on Yes, makes the pages: the output is opened, the pages
// written, the pictures made, pages and indexes settled to show only what exists, and the
// result reported. A run is made at most once.
class PreparedRun {
public:
    // The run takes its own copy of its input: what the caller changes while the run yields
    // does not reach its pages.
    static PreparedRun Prepare(PageRun run);

    PreparedRun(PreparedRun&&) noexcept;
    PreparedRun& operator=(PreparedRun&&) noexcept;
    ~PreparedRun();

    // NoImages (nothing to make) or Failed (a check refused the run) with Refusal() saying
    // why; Finished when the run can go ahead.
    RunEnd Refused() const { return refused_; }
    const QString& Refusal() const { return refusal_; }

    // "Make HTML's in OUT for N Image(s) in FOLDER?", naming the subfolders of a tree.
    QString Question() const;
    int Images() const;
    const OutputChoice& Output() const;

    // Every phase after the question, once; a refused run reports its refusal.
    PageRunResult Make(PageRunListener& listener);

private:
    PreparedRun() = default;

    std::unique_ptr<RunState> state_;
    RunEnd refused_ = RunEnd::Finished;
    QString refusal_;
};

} // namespace tuk
