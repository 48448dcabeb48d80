#pragma once

namespace tuk {

class Dialogs;
class SingleInstance;

// Start-up's first step: true when another copy of the program already runs for this user;
// the user has then been told "<program> is already running!". Nothing else is touched.
// When the lock cannot be made at all the user is told what failed, and the start goes on.
bool RefuseSecondInstance(SingleInstance& instance, Dialogs& dialogs);

// The program once the application object exists: refuses a second copy, opens the main
// window and runs until it closes. Returns the process's exit status (1 when refused).
// With TUK_EXIT_WHEN_IDLE=1 in the environment the program ends at the first idle moment
// after the window has painted, without the close and without tearing anything down
// (nothing is saved); the start-up benchmark uses it.
int RunTuK();

} // namespace tuk
