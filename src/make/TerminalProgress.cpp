#include "make/TerminalProgress.h"

#include "make/StopSignals.h"

#include <ostream>
#include <string>

namespace tuk {

void TerminalProgress::Progress(int k, int n, const QString& text) {
    if (k == 1 || k == n || Due())
        Show(text);
}

bool TerminalProgress::StopRequested() {
    return CaughtStopSignal() != 0;
}

void TerminalProgress::ThumbProgress(int, int, const QString& text) {
    if (Due())
        Show(text);
}

void TerminalProgress::Clear() {
    if (out_ && width_ > 0)
        *out_ << '\r' << std::string(size_t(width_), ' ') << '\r' << std::flush;
    width_ = 0;
}

// A line that cannot be shown changes nothing about the run.
void TerminalProgress::Show(const QString& text) {
    if (!out_)
        return;
    shown_.start();
    const QByteArray line = text.toLocal8Bit();
    width_ = qMax(width_, line.size());
    *out_ << '\r' << line.constData() << std::flush;
}

} // namespace tuk
