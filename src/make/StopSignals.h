#pragma once

#include <QStringList>

namespace tuk {

// From here on SIGINT, SIGTERM and SIGHUP are only noted, so that a run ends after the page or
// thumbnail being made. Returns why a signal cannot be caught, one text each; such a signal
// still ends the program at once.
QStringList CatchStopSignals();

// The stop signal that came since, 0 while none has.
int CaughtStopSignal();

// Ends the program as the signal would have, so that a calling shell sees the interruption;
// returns only where that fails.
void EndAsSignal(int signo);

} // namespace tuk
