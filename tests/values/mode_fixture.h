#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

#include "engine/values/number.h"
#include "engine/values/stop_request.h"
#include "engine/values/value.h"
#include "tests/values/mode_setup.h"

namespace zentrel {

// Arithmetic tests switch modes within one case, exactly as the mode commands do, and
// build their operands in either representation.
class ModeFixture : public ::testing::Test {
  protected:
    void setMode(NumberMode mode) { applyNumberMode(setup_.context, setup_.engine, mode); }
    ModeView modes() const { return setup_.view(); }
    bool fr() const { return setup_.engine.fractionRepresentation; }
    // A stop request that never stops: routines that may run long take one.
    StopRequest& noStop() { return noStop_; }

    static Number real(double x) { return Number::fromComplex({x, 0.0}); }
    static Number complex(double re, double im) { return Number::fromComplex({re, im}); }
    static Number fraction(bool negative, std::uint32_t n, std::uint32_t d) {
        return Number::fromFraction({static_cast<std::uint8_t>(negative ? 1 : 0), n, d});
    }

    // A real matrix filled row by row from the list.
    static Value matrix(std::int32_t rows, std::int32_t cols, std::initializer_list<double> xs) {
        Value v;
        EXPECT_EQ(v.resize(rows, cols, false), kSuccess);
        std::int32_t i = 0;
        for (double x : xs)
            v.element(i++) = real(x);
        return v;
    }

    // The elements of a real or complex matrix compared by re, with its shape.
    static void expectMatrix(const Value& v, std::int32_t rows, std::int32_t cols,
                             std::initializer_list<double> xs) {
        ASSERT_EQ(v.rows(), rows);
        ASSERT_EQ(v.cols(), cols);
        std::int32_t i = 0;
        for (double x : xs) {
            SCOPED_TRACE(i);
            EXPECT_DOUBLE_EQ(static_cast<double>(v.element(i++).realValue()), x);
        }
    }

  private:
    ModeSetup setup_{NumberMode::GFloat};
    StopRequest noStop_;
};

}  // namespace zentrel
