#include "app/Run.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return tuk::RunTuK();
}
