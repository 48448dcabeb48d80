#include "thumbnails/DecoderProcess.h"

#include "thumbnails/DecodeProtocol.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tuk {

namespace {

constexpr int kRequestFd = 3; // where the decoder reads its requests
constexpr int kStopLookMs = 50;

} // namespace

bool DecoderProcess::Start() {
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // dup2 onto the same number also clears close-on-exec there.
    posix_spawn_file_actions_adddup2(&actions, ends[1], kRequestFd);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    // Ctrl-C and a hang-up reach the terminal's whole process group. The program answers them
    // itself, stopping its run and ending its decoders; blocked from the start, they can
    // never end a decode on their own, which would count its image as undecodable.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGINT);
    sigaddset(&blocked, SIGHUP);
    posix_spawnattr_setsigmask(&attributes, &blocked);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    const QByteArray path = QFile::encodeName(program_);
    char* argv[] = {const_cast<char*>(path.constData()), nullptr};
    const int error = posix_spawn(&pid_, path.constData(), &actions, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);
    if (error != 0) {
        close(ends[0]);
        pid_ = -1;
        errno = error;
        return false;
    }
    socket_ = ends[0];
    return true;
}

void DecoderProcess::Kill() {
    if (socket_ >= 0)
        close(socket_);
    socket_ = -1;
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        while (waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
        }
    }
    pid_ = -1;
}

QString DecoderProcess::EndText() const {
    if (WIFSIGNALED(status_)) {
        const char* name = sigdescr_np(WTERMSIG(status_)); // strsignal is not thread-safe
        //: the name of a signal the system has no name for
        const QString shown =
            name ? QString::fromLocal8Bit(name) : QCoreApplication::translate("Run", "unknown");
        //: how the image decoder ended: %1 the signal's number, %2 its name
        return QCoreApplication::translate("Run", "killed by signal %1, %2")
            .arg(QString::number(WTERMSIG(status_)), shown);
    }
    //: how the image decoder ended: %1 its exit status
    return QCoreApplication::translate("Run", "exit status %1").arg(WEXITSTATUS(status_));
}

DecoderProcess::Answer DecoderProcess::Ask(const QByteArray& request, int imageFd,
                                           std::chrono::steady_clock::time_point deadline,
                                           const std::atomic<bool>& stop, QByteArray& reply) {
    if (pid_ < 0 && !Start())
        return Answer::CannotStart;
    if (!SendFrame(socket_, request, imageFd)) {
        Kill();
        return Answer::Died;
    }
    FrameCollector collector;
    for (;;) {
        if (stop) {
            Kill();
            return Answer::Stopped;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            Kill();
            return Answer::TimedOut;
        }
        pollfd readable{socket_, POLLIN, 0};
        const int ready =
            poll(&readable, 1, static_cast<int>(qMin<qint64>(left.count(), kStopLookMs)));
        if (ready <= 0)
            continue;
        switch (collector.Read(socket_)) {
        case FrameCollector::Got::More:
            break;
        case FrameCollector::Got::Frame:
            reply = collector.Take();
            return Answer::Reply;
        case FrameCollector::Got::Closed:
            Kill();
            return Answer::Died;
        }
    }
}

} // namespace tuk
