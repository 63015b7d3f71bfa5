#pragma once

#include <cstdint>
#include <string_view>

#include "app/main/expression_editing.h"
#include "app/main/function_buttons.h"
#include "app/main/main_controls.h"

namespace zentrel {

enum class KeyAction : std::uint8_t {
    Insert,      // the row's text
    Argument,    // the argument variable of the coordinate system
    Call,        // "!" + the chosen external function + " "
    CallWrap,    // the chosen external function called with the selection
    Wrap,        // the selection in parentheses
    Delete,      // DEL
    ClearField,  // AC
    Function,    // a function button
    Shift,       // the next page of function buttons
};

// One key of the keypad.
struct KeyRow {
    ControlId id;
    KeyAction action;
    std::string_view text;
};

// The row of a key or function button; null for any other control.
const KeyRow* findKey(ControlId id);

// What a key needs besides the field it edits.
struct KeyContext {
    bool expressionField = true;  // else a numeric field: plain insertion
    bool rectangular = true;      // the argument is x, else t
    std::string_view chosenFunction;
    std::int32_t page = 0;
    const ExternalNames* externalNames = nullptr;
};

// Edits a field as a key does; AC and SHIFT are the window's and leave the
// field alone.
void applyKey(const KeyRow& key, FieldText& field, const KeyContext& context);

// The function name an entry of the external-function list starts with.
std::string_view functionNameOfEntry(std::string_view entry);

}  // namespace zentrel
