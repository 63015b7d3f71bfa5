#pragma once

#include <span>

#include "engine/interp/dispatch.h"

namespace zentrel {

// The interpreter's own dispatch rows: operand kinds, operators and control keywords.
std::span<const HandlerRow> operandKindRows();
std::span<const HandlerRow> operatorRows();
std::span<const HandlerRow> controlCheckRows();
std::span<const HandlerRow> controlRunRows();

}  // namespace zentrel
