#include "make/StopSignals.h"

#include "base/SystemError.h"

#include <QCoreApplication>
#include <cerrno>
#include <csignal>

namespace tuk {

namespace {

volatile std::sig_atomic_t caught = 0;

void OnStopSignal(int signo) {
    caught = signo;
}

} // namespace

QStringList CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    QStringList failures;
    for (int signo : {SIGINT, SIGTERM, SIGHUP}) {
        if (sigaction(signo, &action, nullptr) != 0) {
            const int error = errno;
            //: %1 is the signal's number, %2 the system's reason.
            failures << QCoreApplication::translate(
                            "tu_k-make",
                            "signal %1 cannot be caught (%2); it ends the program at once")
                            .arg(signo)
                            .arg(ErrorText(error));
        }
    }
    return failures;
}

int CaughtStopSignal() {
    return caught;
}

void EndAsSignal(int signo) {
    if (std::signal(signo, SIG_DFL) != SIG_ERR)
        (void)std::raise(signo);
}

} // namespace tuk
