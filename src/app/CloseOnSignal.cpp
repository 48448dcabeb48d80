#include "app/CloseOnSignal.h"

#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace tuk {

namespace {

int g_pipe[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

extern "C" void WriteSignalByte(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(g_pipe[1], &byte, 1);
}

} // namespace

CloseOnSignal::CloseOnSignal(QWidget* window) : QObject(window), window_(window) {
    if (pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        const int error = errno;
        qWarning("tu_k: signals cannot be caught (%s); they end the program without saving",
                 std::strerror(error));
        return;
    }
    notifier_ = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &CloseOnSignal::OnSignal);
    struct sigaction action {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signo : kSignals) {
        if (sigaction(signo, &action, nullptr) != 0) {
            const int error = errno;
            qWarning("tu_k: signal %d cannot be caught (%s); it ends the program without saving",
                     signo, std::strerror(error));
        }
    }
}

CloseOnSignal::~CloseOnSignal() {
    for (int signo : kSignals) {
        if (std::signal(signo, SIG_DFL) == SIG_ERR) {
            const int error = errno;
            qWarning("tu_k: signal %d keeps its handler (%s)", signo, std::strerror(error));
        }
    }
    for (int& fd : g_pipe) {
        if (fd >= 0)
            close(fd);
        fd = -1;
    }
}

void CloseOnSignal::OnSignal() {
    char bytes[16];
    while (read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
    window_->close();
}

} // namespace tuk
