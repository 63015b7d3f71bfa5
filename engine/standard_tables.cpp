#include "engine/standard_tables.h"

#include "engine/builtins/builtin_rows.h"
#include "engine/extfunc/external_functions.h"

namespace zentrel {

DispatchBuilder standardDispatchBuilder() {
    DispatchBuilder builder;
    registerBuiltins(builder);
    registerExternalCalls(builder);
    return builder;
}

const DispatchTables& standardDispatchTables() {
    // Immutable once built; the tests check that every row found its own entry.
    static const DispatchTables tables = standardDispatchBuilder().tables();
    return tables;
}

}  // namespace zentrel
