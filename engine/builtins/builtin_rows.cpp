#include "engine/builtins/builtin_rows.h"

namespace zentrel {

void registerBuiltins(DispatchBuilder& builder) {
    for (std::span<const HandlerRow> rows :
         {mathFunctionRows(), matrixFunctionRows(), stringFunctionRows(), graphicsFunctionRows()}) {
        builder.add(DispatchTable::Function, rows);
    }
    for (std::span<const HandlerRow> rows :
         {modeCommandRows(), partSetterRows(), nameCommandRows(), parameterCommandRows(),
          matrixCommandRows(), textCommandRows(), consoleCommandRows(), graphicsCommandRows(),
          plotCommandRows()}) {
        builder.add(DispatchTable::Command, rows);
    }
}

}  // namespace zentrel
