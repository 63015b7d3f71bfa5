#include "cli/interrupt.h"

#include <signal.h>

#include <atomic>
#include <csignal>

#include "engine/interpreter.h"

namespace zentrel {

namespace {

// A signal handler receives no context, so the interpreter it stops and the flag it
// raises must be reachable from file scope; nothing else in the program uses them.
std::atomic<Interpreter*> interruptedInterpreter{nullptr};
volatile std::sig_atomic_t interruptFlag = 0;

extern "C" void onInterrupt(int) {
    interruptFlag = 1;
    if (Interpreter* interpreter = interruptedInterpreter.load(std::memory_order_relaxed))
        interpreter->requestStop();
}

}  // namespace

InterruptHandler::InterruptHandler(Interpreter& interpreter, bool restartReads) {
    static_assert(std::atomic<Interpreter*>::is_always_lock_free);
    interruptedInterpreter.store(&interpreter, std::memory_order_relaxed);
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = restartReads ? SA_RESTART : 0;
    sigaction(SIGINT, &action, nullptr);
}

InterruptHandler::~InterruptHandler() {
    interruptedInterpreter.store(nullptr, std::memory_order_relaxed);
}

bool interruptReceived() {
    return interruptFlag != 0;
}

void clearInterrupt() {
    interruptFlag = 0;
}

}  // namespace zentrel
