#include "graphics/sampling_session.h"

#include "graphics/graph_canvas.h"

namespace zentrel {

bool SamplingSession::evaluate(double argument, Sample& sample) {
    sample = Sample{argument, 0.0, 0.0};
    if (!sampler_.evaluate(0, argument, sample.b)) return false;
    if (!settings_.isMode(CoordinateMode::Parametric)) return true;
    return sampler_.evaluate(1, argument, sample.c);
}

}  // namespace zentrel
