// tu_k as the start-up benchmark runs it: the program's own start, ended by ExitWhenIdle once
// the window has painted and the event loop is idle.

#include "ExitWhenIdle.h"
#include "app/Run.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return tuk::RunTuK({}, [](QWidget& window) { new tuk::ExitWhenIdle(&window); });
}
