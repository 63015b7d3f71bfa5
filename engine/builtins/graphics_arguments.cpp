#include "engine/builtins/graphics_arguments.h"

#include <algorithm>
#include <limits>

#include "engine/builtins/function_support.h"
#include "engine/interp/engine.h"

namespace zentrel {

namespace {

std::int64_t truncated(double v) {
    constexpr double kLimit = 9223372036854775808.0;  // 2^63
    if (!(v >= -kLimit && v < kLimit)) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(v);
}

}  // namespace

ErrorCode readCommandNumbers(Engine& engine, Context& ctx, const Token& command, std::size_t limit,
                             CommandNumbers& numbers) {
    numbers.count = 0;
    limit = std::min(limit, CommandNumbers::kCapacity);
    Value argument;
    while (numbers.count < limit && engine.operandFollows()) {
        if (ErrorCode e = engine.evaluateOperand(ctx, command, argument)) return e;
        numbers.values[numbers.count++] = toComplex(argument.first()).re;
    }
    return kSuccess;
}

std::int32_t pixelArgument(double v) {
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(truncated(v), std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
}

std::uint8_t colourArgument(double v) {
    return static_cast<std::uint8_t>(truncated(v));
}

}  // namespace zentrel
