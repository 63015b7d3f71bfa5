#pragma once

namespace zentrel {

class Interpreter;

// Ctrl-C (SIGINT) asks `interpreter` to stop the input line it is running. With
// `restartReads` off a read that is waiting for input fails instead, so that a
// batch run can end while it waits.
void installInterruptHandler(Interpreter& interpreter, bool restartReads);
// Whether Ctrl-C was pressed since the last clearInterrupt().
bool interruptReceived();
void clearInterrupt();

}  // namespace zentrel
