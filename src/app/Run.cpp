#include "app/Run.h"

#include "app/CloseOnSignal.h"
#include "app/Dialogs.h"
#include "app/ExitWhenIdle.h"
#include "app/SingleInstance.h"
#include "app/frmTu_K.h"

#include <QApplication>
#include <cstdlib>

namespace tuk {

bool RefuseSecondInstance(SingleInstance& instance, Dialogs& dialogs) {
    switch (instance.TryAcquire()) {
    case SingleInstance::Lock::Held:
        return false;
    case SingleInstance::Lock::Unavailable:
        dialogs.Tell(NoLockText(instance.Problem()));
        return false;
    case SingleInstance::Lock::OtherCopy:
        break;
    }
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
    new CloseOnSignal(&window);
    const bool benchmark = qEnvironmentVariableIntValue("TUK_EXIT_WHEN_IDLE") == 1;
    if (benchmark)
        new ExitWhenIdle(&window);
    const int status = QApplication::exec();
    if (benchmark) {
        // The benchmark times the start-up only: end here, without tearing the window down.
        instance.Release();
        std::_Exit(status);
    }
    return status;
}

} // namespace tuk
