#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <sys/types.h>

namespace tuk {

// One decoder process (tu_k-decode), started on first use and ended (killed) whenever an answer
// is not wanted any more: a stop, an image over its time, the end of the work. It ends with the
// thread that started it, so it never outlives the run. Its standard error goes nowhere: the
// image library's warnings name no image and tell a user nothing.
class DecoderProcess {
public:
    explicit DecoderProcess(QString program) : program_(std::move(program)) {}
    ~DecoderProcess() { Kill(); }
    DecoderProcess(const DecoderProcess&) = delete;
    DecoderProcess& operator=(const DecoderProcess&) = delete;

    enum class Answer {
        Reply,       // `reply` holds the answer
        TimedOut,    // no answer before the deadline: the process was ended
        Stopped,     // `stop` was set: the process was ended
        Died,        // the process ended without answering (a crash, its memory limit)
        CannotStart, // the program could not be started; errno tells why
    };
    // Sends the request with the image's descriptor and waits for the answer, looking at
    // `stop` at least every 50 ms.
    Answer Ask(const QByteArray& request, int imageFd,
               std::chrono::steady_clock::time_point deadline, const std::atomic<bool>& stop,
               QByteArray& reply);

    // Closes the socket and reaps the process. One that ended by itself keeps the wait status
    // it ended with: a kill does not change it.
    void Kill();
    // How the last process ended, as its wait status tells: "exit status 1", "killed by
    // signal 11, Segmentation fault".
    QString EndText() const;

private:
    bool Start();

    QString program_;
    pid_t pid_ = -1;
    int socket_ = -1;
    int status_ = 0; // the wait status of the last process reaped
};

} // namespace tuk
