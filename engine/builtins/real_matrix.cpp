#include "engine/builtins/real_matrix.h"

#include <utility>

namespace zentrel {

bool RealMatrix::fromValue(const Value& square, StopRequest& stop, RealMatrix& out) {
    out = RealMatrix(square.rows());
    for (std::int32_t r = 0; r < out.order_; ++r) {
        if (stop.chargeWork(out.order_)) return false;
        for (std::int32_t c = 0; c < out.order_; ++c) {
            out.at(r, c) = static_cast<double>(square.elementAt(r, c).realValue());
        }
    }
    return true;
}

RealMatrix RealMatrix::identity(std::int32_t order) {
    RealMatrix m(order);
    for (std::int32_t i = 0; i < order; ++i)
        m.at(i, i) = 1.0;
    return m;
}

void RealMatrix::swapRows(std::int32_t a, std::int32_t b) {
    for (std::int32_t c = 0; c < order_; ++c)
        std::swap(at(a, c), at(b, c));
}

EigenResult sortedEigenResult(std::vector<double> values, RealMatrix vectors, StopRequest& stop) {
    const auto n = static_cast<std::int32_t>(values.size());
    for (std::int32_t i = 0; i + 1 < n; ++i) {
        if (stop.chargeWork(n - i)) return interruptedEigenvalues();
        std::int32_t largest = i;
        for (std::int32_t j = i + 1; j < n; ++j) {
            if (values[j] > values[largest]) largest = j;
        }
        if (largest == i) continue;
        std::swap(values[i], values[largest]);
        vectors.swapRows(i, largest);
    }
    EigenResult result;
    result.found = n;
    result.order = n;
    result.values = std::move(values);
    result.vectors = vectors.release();
    return result;
}

}  // namespace zentrel
