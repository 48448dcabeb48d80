#pragma once

#include <QObject>

class QWidget;

namespace tuk {

// For the start-up benchmark: ends the process at the first idle moment after the window has
// painted itself, i.e. once it is shown and idle, without the close and without tearing
// anything down (nothing is saved, nothing of the teardown is timed).
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
