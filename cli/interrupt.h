#pragma once

namespace zentrel {

class Interpreter;

// While it lives, Ctrl-C (SIGINT) asks `interpreter` to stop the input line it
// is running. With `restartReads` off a read that is waiting for input fails
// instead, so that a batch run can end while it waits. When it ends the handler
// only raises the flag: a second signal may arrive while the program ends
// (timeout(1) sends one to the program and one to its process group), after
// the interpreter is gone.
class InterruptHandler {
  public:
    InterruptHandler(Interpreter& interpreter, bool restartReads);
    ~InterruptHandler();
    InterruptHandler(const InterruptHandler&) = delete;
    InterruptHandler& operator=(const InterruptHandler&) = delete;
};
// Whether Ctrl-C was pressed since the last clearInterrupt().
bool interruptReceived();
void clearInterrupt();

}  // namespace zentrel
