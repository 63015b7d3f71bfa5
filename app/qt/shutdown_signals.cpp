#include "app/qt/shutdown_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>

namespace zentrel {
namespace {

constexpr std::array<int, 3> kSignals{SIGTERM, SIGINT, SIGHUP};

// A signal handler receives no context: the pipe it writes to must be
// reachable from file scope. Nothing else uses it.
std::atomic<int> signalPipe{-1};

extern "C" void onShutdownSignal(int) {
    const int saved = errno;
    const char byte = 1;
    if (const int fd = signalPipe.load(std::memory_order_relaxed); fd >= 0) {
        [[maybe_unused]] const ssize_t ignored = ::write(fd, &byte, 1);
    }
    errno = saved;
}

void setHandler(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals)
        sigaction(signal, &action, nullptr);
}

}  // namespace

ShutdownSignals::ShutdownSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
    static_assert(std::atomic<int>::is_always_lock_free);
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        char bytes[16];
        while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
        }
        onSignal_();
    });
    signalPipe.store(pipe_[1], std::memory_order_relaxed);
    setHandler(onShutdownSignal);
}

ShutdownSignals::~ShutdownSignals() {
    if (!notifier_) return;
    setHandler(SIG_DFL);
    signalPipe.store(-1, std::memory_order_relaxed);
    notifier_.reset();
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

}  // namespace zentrel
