#pragma once

#include <QObject>

class QSocketNotifier;
class QWidget;

namespace tuk {

// Turns SIGTERM, SIGHUP and SIGINT (a session ending, a terminal closing, Ctrl-C) into an
// ordinary close of the window: a run in progress stops after the page it is writing, and the
// close's own handling runs. A signal handler may not touch the window, so it only writes a
// byte to a pipe that the event loop watches.
class CloseOnSignal : public QObject {
    Q_OBJECT
public:
    explicit CloseOnSignal(QWidget* window);
    ~CloseOnSignal() override;

private:
    void OnSignal();

    QWidget* window_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace tuk
