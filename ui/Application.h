// Process-wide services of the control toolkit.
#pragma once

#include <windows.h>

#include <memory>

// The toolkit's window classes are registered in the binary that holds its code, OwnModule().
#include "OwnModule.h"

class TControl;

// Handles every window message pending for the calling thread, then returns. A quit request met
// on the way is posted again for the caller's own loop.
void ProcessMessages();

// Registers the common-controls classes named by the ICC_ flags, once per flag set.
void InitCommonControlClasses(DWORD classes);

// Registers (once) the window class of the toolkit's windows and returns its name.
const char* ToolkitWindowClass();
// Unregisters it again: a class left behind would point into an unloaded library.
void UnregisterToolkitWindowClass();

// Marks a toolkit window procedure (or a callback the toolkit runs) as running on this thread.
class TDispatchScope {
 public:
  TDispatchScope();
  ~TDispatchScope();
  TDispatchScope(const TDispatchScope&) = delete;
  TDispatchScope& operator=(const TDispatchScope&) = delete;
  // True while some toolkit window procedure is on the calling thread's stack.
  static bool Active();
};

// Frees a control that is no longer wanted: at once when no toolkit window procedure is running,
// else when the outermost one returns, so that no handler runs on a freed object. The caller has
// hidden it and taken it off its parent.
void DisposeWhenIdle(std::unique_ptr<TControl> control);
// Frees whatever is still waiting (the library is being unloaded).
void DisposePending();
