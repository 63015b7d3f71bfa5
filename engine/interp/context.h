#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/frontend/listing.h"
#include "engine/interp/array_table.h"
#include "engine/interp/function_table.h"
#include "engine/interp/switch_pair.h"
#include "engine/interp/variable_table.h"
#include "engine/values/modes.h"
#include "engine/values/value.h"

namespace zentrel {

inline constexpr int kParameterCount = 10;

// One variable scope: the top level, or one user-function or external-function
// call. It owns the variables and arrays, the answer and the numeric settings.
class Context final : public LabelSource {
  public:
    Context() = default;
    explicit Context(const ContextModes& modes) : modes(modes) {}
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;
    ~Context() = default;

    std::string_view variableLabel(std::uint8_t letter) const override {
        return variables.label(letter);
    }
    std::string_view arrayLabel(std::uint8_t letter) const override { return arrays.label(letter); }

    Value& answer() { return arrays.answer(); }
    const Value& answer() const { return arrays.answer(); }

    // The memory account the scope's arrays count against: the engine's for the
    // top-level scope, the caller's for a called one.
    void shareMemoryAccount(const Context& caller) { arrays.borrowAccount(caller.arrays); }

    ContextModes modes;
    bool returnValueAllowed = true;  // `return` may deliver a value

    VariableTable variables;
    ArrayTable arrays;

    FunctionTable functions;  // the functions defined in this scope

    // Where reports from this scope point: a file or function and its first line.
    bool inFile = false;
    std::string fileName;
    std::int32_t lineBase = 0;

    SwitchPair ansSwitch = SwitchPair::on();  // the scope gives its answer back
    bool commandsAllowed = true;
    bool controlAllowed = true;

    // Set by storing operators: the answer of the last statement is then not shown.
    bool assignmentMark = false;
    std::int32_t groupDepth = 0;  // parenthesised groups being evaluated
    std::array<bool, kParameterCount> byReference{};
};

}  // namespace zentrel
