#include "engine/frontend/name_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zentrel {
namespace {

TEST(NameTables, EveryNameLooksUpToItsOwnId) {
    for (std::uint8_t id = 0; id < kFunctionCount; ++id) {
        FunctionId found{};
        SCOPED_TRACE(std::string(functionName(id)));
        ASSERT_TRUE(lookupFunction(functionName(id), found));
        EXPECT_EQ(idByte(found), id);
    }
    for (std::uint8_t id = 0; id < kControlCount; ++id) {
        ControlId found{};
        SCOPED_TRACE(std::string(controlKeyword(id)));
        ASSERT_TRUE(lookupControl(controlKeyword(id), found));
        EXPECT_EQ(idByte(found), id);
    }
    for (std::uint8_t id = 1; id < kCommandCount; ++id) {
        CommandId found{};
        SCOPED_TRACE(std::string(commandName(id)));
        ASSERT_TRUE(lookupCommand(commandName(id), found));
        EXPECT_EQ(idByte(found), id);
    }
}

TEST(NameTables, NamesAreUniqueWithinEachTable) {
    std::set<std::string_view> functions, controls, commands;
    for (std::uint8_t id = 0; id < kFunctionCount; ++id)
        functions.insert(functionName(id));
    for (std::uint8_t id = 0; id < kControlCount; ++id)
        controls.insert(controlKeyword(id));
    for (std::uint8_t id = 1; id < kCommandCount; ++id)
        commands.insert(commandName(id));
    EXPECT_EQ(functions.size(), kFunctionCount);
    EXPECT_EQ(controls.size(), kControlCount);
    EXPECT_EQ(commands.size(), kCommandCount - 1);
}

TEST(NameTables, IdsAtTheEdgesOfEachTable) {
    struct Case {
        std::string_view name;
        int function, control, command;  // -1: not in that table
    };
    const Case cases[] = {
        {"defined", 0, -1, -1}, {"sin", 17, -1, -1},    {"log10", 33, -1, -1},
        {"strlen", 61, -1, -1}, {"wy", 74, -1, -1},     {"do", -1, 0, -1},
        {"if", -1, 8, -1},      {"endswi", -1, 15, -1}, {"breakswi", -1, 16, -1},
        {"return", -1, 20, -1}, {"efloat", -1, -1, 1},  {"print", -1, -1, 51},
        {"replot", -1, -1, 76}, {"int", 43, -1, 16},    {"real", 44, -1, 36},
        {"gget", 69, -1, 62},   {"polar", 49, -1, 72},  {"assert", -1, 19, 25},
        {"Sin", -1, -1, -1},    {"Print", -1, -1, -1},  {"endswitch", -1, -1, -1},
        {"si", -1, -1, -1},     {"sinh ", -1, -1, -1},  {"", -1, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name));
        FunctionId function{};
        ControlId control{};
        CommandId command{};
        EXPECT_EQ(lookupFunction(c.name, function) ? idByte(function) : -1, c.function);
        EXPECT_EQ(lookupControl(c.name, control) ? idByte(control) : -1, c.control);
        EXPECT_EQ(lookupCommand(c.name, command) ? idByte(command) : -1, c.command);
    }
}

TEST(NameTables, OperatorWordsAreTheBracketFormsOnly) {
    struct Case {
        std::string_view word;
        int id;
    };
    const Case cases[] = {
        {"++", 0},  {"--", 1},  {"~", 2},   {"!", 3},   {"-", 4},   {"+", 5},   {"<", 15},
        {"<=", 16}, {">", 17},  {">=", 18}, {"==", 19}, {"!=", 20}, {"&&", 24}, {"||", 25},
        {"*", -1},  {"<<", -1}, {"=", -1},  {"&", -1},  {",", -1},  {"", -1},   {"<==", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.word));
        OperatorId id{};
        EXPECT_EQ(lookupOperatorWord(c.word, id) ? idByte(id) : -1, c.id);
    }
}

TEST(NameTables, OperatorLevelsAndWrittenForms) {
    EXPECT_EQ(operatorLevel(idByte(OperatorId::PostIncrement)), 15);
    EXPECT_EQ(operatorLevel(idByte(OperatorId::Negate)), 14);
    EXPECT_EQ(operatorLevel(idByte(OperatorId::Multiply)), 13);
    EXPECT_EQ(operatorLevel(idByte(OperatorId::Conditional)), 3);
    EXPECT_EQ(operatorLevel(idByte(OperatorId::XorAssign)), kAssignmentLevel);
    EXPECT_EQ(operatorLevel(idByte(OperatorId::ListSeparator)), 1);
    EXPECT_EQ(operatorLevel(39), 0);
    EXPECT_EQ(operatorText(idByte(OperatorId::LogicalOr)), "[||]");
    EXPECT_EQ(operatorText(idByte(OperatorId::ShiftRightAssign)), ">>=");
    EXPECT_EQ(operatorText(39), "");
    EXPECT_EQ(functionName(75), "");
    EXPECT_EQ(controlKeyword(21), "");
    EXPECT_EQ(commandName(0), "");
    EXPECT_EQ(commandName(77), "");
}

}  // namespace
}  // namespace zentrel
