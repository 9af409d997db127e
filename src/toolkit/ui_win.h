// The UI thread's facilities: the event loop, processing pending events,
// pausing while processing them, ending the process, and the one way for a
// worker thread to reach the UI thread.
#pragma once

#include <functional>

namespace yz::ui {

// Sets up the UI thread (common controls, window classes, the task window).
// Call once, on the thread that will run the event loop.
void Initialize();

// Runs the task on the UI thread, after the events already queued. False
// (and the task dropped) when the UI thread is gone.
bool PostToUi(std::function<void()> task);

// Handles every event that is waiting, then returns.
void ProcessPendingEvents();
// Returns after ms milliseconds, handling events meanwhile.
void PauseProcessingEvents(int ms);
// Runs the event loop until the process ends or the loop is quit.
int RunEventLoop();
// Ends the process at once, whatever worker threads are running.
[[noreturn]] void EndProcess(int code = 0);

}  // namespace yz::ui
