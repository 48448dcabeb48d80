#pragma once

#include "generator/PageGenerator.h"

#include <QElapsedTimer>
#include <iosfwd>

namespace tuk {

// Follows a run on one line of a terminal: the first and the last page always, at most ten
// lines a second in between, the thumbnails as they come; the line is blanked at the end. A
// stop signal (CatchStopSignals) ends the run.
class TerminalProgress : public PageRunListener {
public:
    // Null: the run is followed without a line.
    explicit TerminalProgress(std::ostream* out = nullptr) : out_(out) {}
    ~TerminalProgress() override { Clear(); }
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void Progress(int k, int n, const QString& text) override;
    bool StopRequested() override;
    void ThumbProgress(int k, int n, const QString& text) override;
    // Blanks the line, so that what is written next starts on an empty one.
    void Clear();

private:
    bool Due() const { return !shown_.isValid() || shown_.elapsed() >= 100; }
    void Show(const QString& text);

    std::ostream* out_;
    QElapsedTimer shown_;
    qsizetype width_ = 0;
};

} // namespace tuk
