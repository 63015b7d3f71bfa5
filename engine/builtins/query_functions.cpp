// defined, rand and time.
#include <chrono>

#include "engine/builtins/complex_math.h"
#include "engine/builtins/function_support.h"
#include "engine/builtins/math_handlers.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"

namespace zentrel {

// 0 for a word that names no variable, array or number (a user function's name
// included); 1 for any other operand, which is read (and so evaluated) as usual.
ErrorCode definedFunction(Engine& engine, Context& ctx, const Token& token, Value& result) {
    if (!engine.operandFollows()) return engine.fail(kErrFunctionArgument, token);
    Token& argument = *engine.peekToken();
    if (argument.kind == TokenKind::Name) resolveName(engine, ctx, argument);
    if (argument.kind == TokenKind::Name) {
        engine.takeToken();
        setRealResult(engine, result, 0.0);
        return kSuccess;
    }
    Value unused;
    if (ErrorCode e = engine.evaluateOperand(ctx, token, unused)) return e;
    setRealResult(engine, result, 1.0);
    return kSuccess;
}

ErrorCode randFunction(Engine& engine, Context&, const Token&, Value& result) {
    setRealResult(engine, result, engine.shared().random.next());
    return kSuccess;
}

// Seconds since 1970-01-01 00:00 UTC, with the milliseconds as the fraction.
ErrorCode timeFunction(Engine& engine, Context&, const Token&, Value& result) {
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    const auto ms = sinceEpoch.count();
    setRealResult(engine, result,
                  static_cast<double>(ms / 1000) + static_cast<double>(ms % 1000) * 0.001);
    return kSuccess;
}

}  // namespace zentrel
