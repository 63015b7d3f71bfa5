#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "app/main/function_buttons.h"
#include "app/main/main_controls.h"

namespace zentrel {

// The number of the string a control explains itself with on the help line;
// 0 for a control without one.
int helpStringOf(ControlId id);

// What the help line needs to know besides the control's text.
struct HelpContext {
    std::int32_t page = 0;
    const ExternalNames* externalNames = nullptr;
    std::string_view chosenFunction;  // of the external-function list
    std::string_view coordinateSystem;
    // An external function's description; empty when it has none.
    std::function<std::string(std::string_view name)> describe;
};

// The help line for a control's help text: a function button ("!" and its
// slot number) explains its function, other "!" texts the chosen external
// function, a "#" text gets the coordinate system appended.
std::string helpLineText(std::string_view helpText, const HelpContext& context);

}  // namespace zentrel
