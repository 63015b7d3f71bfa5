#pragma once

#include <chrono>
#include <functional>
#include <optional>

namespace zentrel {

// Limits the copies of a growing picture to the screen to about 60 a second:
// a refresh is shown when the last copy is at least a frame old, and skipped
// otherwise (the copy at the end of the draw shows what it skipped).
class FramePacer {
  public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr std::chrono::microseconds kFrameInterval{16667};

    explicit FramePacer(Clock clock = std::chrono::steady_clock::now) : clock_(std::move(clock)) {}

    // True when a refresh asked for now is to be shown; it then counts as shown.
    bool admit();
    // A copy was made outside the pacing (the end of a draw): the next frame
    // waits a whole interval after it.
    void shown();

  private:
    Clock clock_;
    std::optional<std::chrono::steady_clock::time_point> last_;
};

}  // namespace zentrel
