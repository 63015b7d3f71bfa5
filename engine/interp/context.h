#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/frontend/listing.h"
#include "engine/interp/function_table.h"
#include "engine/interp/switch_pair.h"
#include "engine/values/modes.h"
#include "engine/values/number.h"
#include "engine/values/value.h"

namespace zentrel {

// How a variable or array slot relates to its name.
enum class LabelState : std::uint8_t {
    Free = 0,       // never used
    InUse = 1,      // written through its letter, or labelled with :label
    Allocated = 2,  // taken for a name by :var, :array, :define or :enum
};

struct VariableSlot {
    Number value;
    std::string label;
    LabelState labelState = LabelState::Free;
    bool constant = false;  // refuses assignment
};

struct ArraySlot {
    Value matrix;  // what the array is when read or assigned as a whole
    std::string label;
    LabelState labelState = LabelState::Free;
};

inline constexpr int kSlotCount = 256;
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
        return variables[letter].label;
    }
    std::string_view arrayLabel(std::uint8_t letter) const override { return arrays[letter].label; }

    Value& answer() { return arrays[0].matrix; }
    const Value& answer() const { return arrays[0].matrix; }

    ContextModes modes;
    bool returnValueAllowed = true;  // `return` may deliver a value

    std::array<VariableSlot, kSlotCount> variables{};
    std::array<ArraySlot, kSlotCount> arrays{};

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
