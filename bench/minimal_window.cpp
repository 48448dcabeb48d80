// The floor for the start-up benchmark: one empty Qt Widgets main window (or, with an
// argument, one that shows a single line of text), shown, ending at the first idle moment
// after it has painted, exactly as the start-up benchmark ends tu_k (bench/ExitWhenIdle.cpp).
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <cstdlib>

namespace {

class ExitAfterPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (armed_ && event->type() == QEvent::Paint) {
            armed_ = false;
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool armed_ = true;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    if (QCoreApplication::arguments().size() > 1)
        window.setCentralWidget(new QLabel(QStringLiteral("One line of text")));
    ExitAfterPaint exit;
    window.installEventFilter(&exit);
    window.show();
    return QApplication::exec();
}
