#include "engine/builtins/real_matrix.h"

#include <utility>

namespace zentrel {

RealMatrix RealMatrix::fromValue(const Value& square) {
    RealMatrix m(square.rows());
    for (std::int32_t r = 0; r < m.order_; ++r) {
        for (std::int32_t c = 0; c < m.order_; ++c) {
            m.at(r, c) = static_cast<double>(square.elementAt(r, c).realValue());
        }
    }
    return m;
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

EigenResult sortedEigenResult(std::vector<double> values, RealMatrix vectors) {
    const auto n = static_cast<std::int32_t>(values.size());
    for (std::int32_t i = 0; i + 1 < n; ++i) {
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
