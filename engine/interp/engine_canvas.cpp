#include "engine/interp/engine_canvas.h"

#include <cmath>

namespace zentrel {

void LogScale::enable(double newBase) {
    on = true;
    base = newBase;
    factor = 1.0 / std::log(newBase);
}

}  // namespace zentrel
