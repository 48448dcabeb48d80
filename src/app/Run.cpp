#include "app/Run.h"

#include "app/CloseOnSignal.h"
#include "app/Dialogs.h"
#include "app/SingleInstance.h"
#include "app/frmTu_K.h"
#include "app/start/HandOver.h"
#include "app/start/StartArguments.h"

#include <QApplication>
#include <QTimer>
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

void ListenForLaterStarts(HandOverServer& server, const SingleInstance& instance, Dialogs& dialogs,
                          QObject& context) {
    const QString problem = instance.Holds() ? server.Listen() : QString();
    if (!problem.isEmpty())
        QTimer::singleShot(0, &context,
                           [&dialogs, text = NoHandOverText(problem)] { dialogs.Tell(text); });
}

int RunTuK(const QString& folder, const std::function<void(QWidget&)>& started) {
    MessageBoxes boxes;
    SingleInstance instance;
    if (const std::optional<int> status = RefuseSecondInstance(instance, boxes, folder))
        return *status;
    HandOverServer server(HandOverSocketPath(instance.LockPath()));
    frmTu_K window(boxes);
    boxes.SetParent(&window);
    ListenForLaterStarts(server, instance, boxes, window);
    QObject::connect(&server, &HandOverServer::Requested, &window, &frmTu_K::TakeHandedFolder);
    window.SetStartFolder(folder);
    window.Form_Load();
    new CloseOnSignal(&window);
    if (started)
        started(window);
    return QApplication::exec();
}

} // namespace tuk
