#pragma once

#include <QString>
#include <functional>
#include <optional>

class QObject;
class QWidget;

namespace tuk {

class Dialogs;
class HandOverServer;
class SingleInstance;

// Start-up's first step: the exit status when another copy of the program already runs for
// this user, nothing when this start goes on. The running copy is asked to come to the front
// and, given a folder (a full path) that can be opened, to take it: then this start ends
// with 0 and says nothing. Otherwise the user is told "<program> is already running!" (after
// a message naming a folder that cannot be opened) and the status is 1. Nothing else is
// touched. When the lock cannot be made at all the user is told what failed, and the start
// goes on.
std::optional<int> RefuseSecondInstance(SingleInstance& instance, Dialogs& dialogs,
                                        const QString& folder = {});

// Listens for later starts while this process holds the lock (without it another copy may be
// listening). A listen that fails is told once, when the event loop runs, so start-up goes on
// meanwhile: the window works, only later starts cannot hand it their folders. `context`
// owns the pending message.
void ListenForLaterStarts(HandOverServer& server, const SingleInstance& instance, Dialogs& dialogs,
                          QObject& context);

// The program once the application object exists: refuses a second copy, opens the main
// window with the folder (a full path, empty for none) and runs until it closes; while it
// runs, folders that later starts hand over reach the window. Returns the process's exit
// status.
// `started` runs once the window has been loaded, before the event loop (the start-up
// benchmark ends the program from there).
int RunTuK(const QString& folder = {}, const std::function<void(QWidget&)>& started = {});

} // namespace tuk
