#pragma once

#include <cstdint>

#include "engine/values/modes.h"

namespace zentrel {

// The settings one test case runs under, held as an engine and its scope would
// hold them, with the mode applied as the mode commands apply it.
struct ModeSetup {
    ContextModes context;
    EngineModes engine;

    explicit ModeSetup(NumberMode mode, std::int32_t radix = 10, std::int32_t precision = 6,
                       AngleUnit angleUnit = AngleUnit::Radian) {
        applyNumberMode(context, engine, mode);
        context.radix = radix;
        context.precision = precision;
        engine.angleUnit = angleUnit;
    }
    ModeSetup(const ModeSetup&) = delete;  // views point into it
    ModeSetup& operator=(const ModeSetup&) = delete;

    ModeView view() const { return ModeView(context, engine); }
};

}  // namespace zentrel
