#include "app/main/frame_pacer.h"

namespace zentrel {

bool FramePacer::admit() {
    const auto now = clock_();
    if (last_ && now - *last_ < kFrameInterval) return false;
    last_ = now;
    return true;
}

void FramePacer::shown() {
    last_ = clock_();
}

}  // namespace zentrel
