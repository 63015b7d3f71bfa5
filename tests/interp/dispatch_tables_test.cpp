#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/interp/error_codes.h"
#include "engine/standard_tables.h"

namespace zentrel {
namespace {

ErrorCode answerOne(Engine&, Context&, const Token&, Value& result) {
    result.setScalar(Number::fromReal(1.0, false));
    return kSuccess;
}

// The ids of a table that no row provides.
std::vector<int> unprovided(const DispatchBuilder& builder, DispatchTable table, int count) {
    std::vector<int> missing;
    for (int id = 0; id < count; ++id) {
        if (!builder.provides(table, static_cast<std::uint8_t>(id))) missing.push_back(id);
    }
    return missing;
}

// Every layer's rows land in their own entries: no entry is given twice, and
// every id the name tables hand out has its handler.
TEST(DispatchTables, EveryIdHasExactlyOneRow) {
    const DispatchBuilder builder = standardDispatchBuilder();
    EXPECT_EQ(builder.faults(), std::vector<std::string>{});
    EXPECT_EQ(unprovided(builder, DispatchTable::OperandKind, kOperandKindCount),
              std::vector<int>{});
    EXPECT_EQ(unprovided(builder, DispatchTable::Function, kFunctionCount), std::vector<int>{});
    EXPECT_EQ(unprovided(builder, DispatchTable::Operator, kOperatorCount), std::vector<int>{});
    EXPECT_EQ(unprovided(builder, DispatchTable::ControlCheck, kControlCount), std::vector<int>{});
    EXPECT_EQ(unprovided(builder, DispatchTable::ControlRun, kControlCount), std::vector<int>{});
    EXPECT_EQ(unprovided(builder, DispatchTable::Command, kCommandCount), std::vector<int>{});
}

// A built-in function without an operand declaration would leave every
// statement that calls it to the token walk, unnoticed but slower; so would a
// missing external call entry.
TEST(DispatchTables, EveryFunctionDeclaresItsOperands) {
    const DispatchTables& tables = standardDispatchTables();
    std::vector<std::size_t> undeclared;
    for (std::size_t id = 0; id < kFunctionCount; ++id) {
        if (tables.functionOperands[id] == 0) undeclared.push_back(id);
    }
    EXPECT_EQ(undeclared, std::vector<std::size_t>{});
    EXPECT_NE(tables.externalCall, nullptr);
}

// A second row for an entry, or a row past the table's end, is a fault the
// builder names; the first row keeps the entry.
TEST(DispatchTables, ASecondRowForAnEntryIsAFault) {
    DispatchBuilder builder = standardDispatchBuilder();
    const Handler sin = builder.tables().functions[0];
    const HandlerRow rows[] = {{0, answerOne}, {kFunctionCount, answerOne}};
    builder.add(DispatchTable::Function, rows);
    EXPECT_EQ(builder.faults(), (std::vector<std::string>{
                                    "function 0", "function " + std::to_string(kFunctionCount)}));
    EXPECT_EQ(builder.tables().functions[0], sin);
}

// Row lists check themselves at compile time as well.
constexpr HandlerRow kDuplicated[] = {{1, answerOne}, {2, answerOne}, {1, answerOne}};
constexpr HandlerRow kDistinct[] = {{1, answerOne}, {2, answerOne}};
static_assert(!distinctIds(kDuplicated));
static_assert(distinctIds(kDistinct));

}  // namespace
}  // namespace zentrel
