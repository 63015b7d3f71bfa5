#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace zentrel {

// Turns SIGTERM, SIGINT and SIGHUP into a call on the window's thread, so
// that the program ends in order (settings written, history complete) as
// when its window is closed. One instance at a time; the signals get their
// default actions back when it goes.
class ShutdownSignals {
  public:
    explicit ShutdownSignals(std::function<void()> onSignal);
    ~ShutdownSignals();
    ShutdownSignals(const ShutdownSignals&) = delete;
    ShutdownSignals& operator=(const ShutdownSignals&) = delete;

    bool installed() const { return notifier_ != nullptr; }

  private:
    std::function<void()> onSignal_;
    int pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace zentrel
