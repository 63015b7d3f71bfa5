#pragma once

#include <span>

#include "engine/interp/dispatch.h"

namespace zentrel {

// The dispatch rows of the built-in functions and commands, one list per file.
std::span<const HandlerRow> modeCommandRows();
std::span<const HandlerRow> nameCommandRows();
std::span<const HandlerRow> parameterCommandRows();
std::span<const HandlerRow> partSetterRows();
std::span<const HandlerRow> mathFunctionRows();
std::span<const HandlerRow> matrixFunctionRows();
std::span<const HandlerRow> stringFunctionRows();
std::span<const HandlerRow> matrixCommandRows();
std::span<const HandlerRow> textCommandRows();
std::span<const HandlerRow> consoleCommandRows();
std::span<const HandlerRow> graphicsCommandRows();
std::span<const HandlerRow> plotCommandRows();
std::span<const HandlerRow> graphicsFunctionRows();

// Adds every built-in function and command to the tables.
void registerBuiltins(DispatchBuilder& builder);

}  // namespace zentrel
