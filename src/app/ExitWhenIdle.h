#pragma once

#include <QObject>

class QWidget;

namespace tuk {

// For the start-up benchmark: ends the event loop at the first idle moment after the window
// has painted itself, i.e. once it is shown and idle. Used only when TUK_EXIT_WHEN_IDLE=1.
class ExitWhenIdle : public QObject {
    Q_OBJECT
public:
    explicit ExitWhenIdle(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool armed_ = true;
};

} // namespace tuk
