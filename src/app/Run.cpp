#include "app/Run.h"

#include "app/Dialogs.h"
#include "app/SingleInstance.h"
#include "app/frmTu_K.h"

#include <QApplication>
#include <QTimer>

namespace tuk {

bool RefuseSecondInstance(SingleInstance& instance, Dialogs& dialogs) {
    if (instance.TryAcquire())
        return false;
    dialogs.Tell(AlreadyRunningText(QCoreApplication::applicationFilePath()));
    return true;
}

int RunTuK() {
    MessageBoxes boxes;
    SingleInstance instance;
    if (RefuseSecondInstance(instance, boxes))
        return 1;
    frmTu_K window(boxes);
    boxes.SetParent(&window);
    window.Form_Load();
    if (qEnvironmentVariableIntValue("TUK_EXIT_WHEN_IDLE") == 1)
        QTimer::singleShot(0, &window, &QWidget::close);
    return QApplication::exec();
}

} // namespace tuk
