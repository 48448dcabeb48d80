#include "app/Run.h"

#include "app/CloseOnSignal.h"
#include "app/Dialogs.h"
#include "app/SingleInstance.h"
#include "app/frmTu_K.h"
#include "app/start/HandOver.h"
#include "app/start/StartArguments.h"

#include <QApplication>
#include <cstdlib>

namespace tuk {

std::optional<int> RefuseSecondInstance(SingleInstance& instance, Dialogs& dialogs,
                                        const QString& folder) {
    switch (instance.TryAcquire()) {
    case SingleInstance::Lock::Held:
        return std::nullopt;
    case SingleInstance::Lock::Unavailable:
        dialogs.Tell(NoLockText(instance.Problem()));
        return std::nullopt;
    case SingleInstance::Lock::OtherCopy:
        break;
    }
    QString handed = folder;
    if (const QString problem = FolderProblem(folder); !folder.isEmpty() && !problem.isEmpty()) {
        dialogs.Tell(problem);
        handed.clear();
    }
    if (HandOver(HandOverSocketPath(instance.LockPath()), handed) && !handed.isEmpty())
        return 0;
    dialogs.Tell(AlreadyRunningText(QCoreApplication::applicationFilePath()));
    return 1;
}

int RunTuK(const QString& folder, const std::function<void(QWidget&)>& started) {
    MessageBoxes boxes;
    SingleInstance instance;
    if (const std::optional<int> status = RefuseSecondInstance(instance, boxes, folder))
        return *status;
    // Only the lock's holder listens: without the lock another copy may be listening.
    HandOverServer server(HandOverSocketPath(instance.LockPath()));
    if (const QString problem = instance.Holds() ? server.Listen() : QString(); !problem.isEmpty())
        qWarning("Folders of later starts cannot reach this window: %s", qPrintable(problem));
    frmTu_K window(boxes);
    boxes.SetParent(&window);
    QObject::connect(&server, &HandOverServer::Requested, &window, &frmTu_K::TakeHandedFolder);
    window.SetStartFolder(folder);
    window.Form_Load();
    new CloseOnSignal(&window);
    if (started)
        started(window);
    return QApplication::exec();
}

} // namespace tuk
