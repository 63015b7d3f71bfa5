#include <gtest/gtest.h>

#include <string>

#include "engine/interp/error_codes.h"
#include "tests/interp/recording_host.h"

namespace zentrel {
namespace {

struct SetupErrorCase {
    const char* setup;
    const char* text;
    ErrorCode code;
    const char* token;
};

void PrintTo(const SetupErrorCase& c, std::ostream* os) {
    *os << c.setup << " | " << c.text;
}

class NameAndArrayErrors : public testing::TestWithParam<SetupErrorCase> {};

TEST_P(NameAndArrayErrors, NameTheOffendingToken) {
    RecordingHost host;
    host.run(GetParam().setup);
    ASSERT_EQ(host.shownCodes(), Codes{});
    host.run(GetParam().text);
    ASSERT_EQ(host.shownCodes(), Codes{GetParam().code});
    EXPECT_EQ(host.reports.back().tokenText, GetParam().token);
}

INSTANTIATE_TEST_SUITE_P(
    Statements, NameAndArrayErrors,
    testing::Values(
        SetupErrorCase{":var x", ":var x", kErrAlreadyDefined, "x"},
        SetupErrorCase{":array x", ":var x", kErrAlreadyDefined, "x"},
        SetupErrorCase{":var x", ":label x @@b", kErrAlreadyDefined, "x"},
        SetupErrorCase{"", ":define @a 1", kErrAlreadyDefined, "@a"},
        SetupErrorCase{"", ":enum A B 2 B", kErrAlreadyDefined, "B"},
        SetupErrorCase{"", ":undef nosuch", kErrNotDefined, "nosuch"},
        SetupErrorCase{":array arr", ":undef arr", kErrCommandArgument, ":undef"},
        SetupErrorCase{"", ":undef", kErrCommandArgument, ":undef"},
        SetupErrorCase{"", ":label name", kErrCommandArgument, ":label"},
        SetupErrorCase{"", ":label name sin", kErrCommandArgument, ":label"},
        SetupErrorCase{"", ":var 12", kErrCommandArgument, ":var"},
        SetupErrorCase{"", ":var a b; :array c 1", kErrCommandArgument, ":array"},
        SetupErrorCase{":define K 2", "K = 1", kErrAssignToConstant, "="},
        SetupErrorCase{":define K 2", "K -= 1", kErrAssignToConstant, "-="},
        SetupErrorCase{":define K 2", "K--", kErrAssignToConstant, "--"},
        SetupErrorCase{":define K 2; :undef K", "K", kErrConstantSyntax, "K"},
        SetupErrorCase{":var t; @t = 1; :label t2 @t", "( 1 2 3 @t )", kErrMatrixGroup, "t2"},
        SetupErrorCase{"", "@@a 1 }", kErrArray, "}"}, SetupErrorCase{"", "}", kErrArray, "}"},
        SetupErrorCase{"", "@@a 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16", kErrArray, "@@a"},
        SetupErrorCase{"", "@@a { [-] }", kErrArray, "}"},
        SetupErrorCase{"", "@@a { 1 + 2 }", kErrUnaryOperator, "+"},
        SetupErrorCase{"", "@@a 3e9 = 1", kOutOfMemory, "="},
        SetupErrorCase{"", "@@a 5e9 0 = 1", kOutOfMemory, "="},
        SetupErrorCase{"", "@@a 70000 70000 += 1", kOutOfMemory, "+="},
        SetupErrorCase{"", "@@a 0 3e9 0 = 1", kOutOfMemory, "="},
        SetupErrorCase{"", "@@a 3e9--", kOutOfMemory, "--"},
        SetupErrorCase{"", "@@a 1e30 = 1", kOutOfMemory, "="},
        SetupErrorCase{"", "@@a HUGE_VAL 0 = 1", kOutOfMemory, "="},
        SetupErrorCase{"", "[++] @@a 1 3e9", kOutOfMemory, "[++]"}));

TEST(Variables, NegativeElementNumbersWarnAndCountAsZero) {
    RecordingHost host;
    host.run("@@v { 4 5 6 }");
    EXPECT_EQ(host.answerOf("@@v [-] 2"), "4");
    EXPECT_EQ(host.shownCodes(), Codes{kWarnNegativeElement});
    host.run("@@v [-] 1 = 9");
    EXPECT_EQ(host.answerOf("@@v 0"), "9");
    EXPECT_EQ(host.shownCodes(), (Codes{kWarnNegativeElement, kWarnNegativeElement}));
    // Far beyond any store, not wrapped round to a negative number.
    EXPECT_EQ(host.answerOf("@@v 1e30"), "0");
    EXPECT_EQ(host.shownCodes().size(), 2u);
}

TEST(Variables, LiteralsCollectAcrossRunsUntilTheirBracesBalance) {
    RecordingHost host;
    EXPECT_EQ(host.answerOf("@@a { { 1 2"), "");
    EXPECT_EQ(host.answerOf("7"), "");  // taken by the literal, not evaluated
    EXPECT_EQ(host.answerOf("} { 3"), "");
    EXPECT_EQ(host.answerOf("} }; @@a 1 0"), "3");
    EXPECT_EQ(host.answerOf("@@a 0 2"), "7");
    EXPECT_EQ(host.answerOf("@@a 1 2"), "0");
    EXPECT_TRUE(host.shownCodes().empty());
}

TEST(Variables, ACompletedLiteralGoesOnWithTheRestOfItsStatement) {
    RecordingHost host;
    host.run("@@a { 1");
    EXPECT_EQ(host.answerOf("2 } + 5"), "5");  // the array as a whole, plus 5
    EXPECT_EQ(host.answerOf("@@a 1"), "2");
}

TEST(Variables, AnIndirectLiteralKeepsItsSlotAcrossLines) {
    RecordingHost host;
    host.run("@s = 58");
    host.run("@@: @s { 1 2");
    host.run("( @s = 0 )");  // part of the literal: it changes @s as the literal runs
    host.run("3 }");
    EXPECT_TRUE(host.shownCodes().empty());
    EXPECT_EQ(host.answerOf("@@: 58 3"), "3");
    EXPECT_EQ(host.answerOf("@@: 58 2"), "0");
    EXPECT_EQ(host.answerOf("@@: 0 3"), "0");
    EXPECT_EQ(host.answerOf("@s"), "0");
}

TEST(Variables, TheEngineStaysUsableAfterARefusedStore) {
    RecordingHost host;
    host.run("@@a 1 2 3 = 4; @@a 2e9 2 = 1");
    EXPECT_EQ(host.shownCodes(), Codes{kOutOfMemory});
    EXPECT_EQ(host.answerOf("@@a 1 2 3 + 1"), "5");
}

TEST(Variables, FreshSlotsRunOutAfterSlotOne) {
    RecordingHost host;
    std::string names = ":var";
    for (int i = 1; i <= 255; ++i)
        names += " v" + std::to_string(i);
    host.run(names);
    EXPECT_TRUE(host.shownCodes().empty());
    EXPECT_EQ(host.ctx.variables.find("v1"), 255);
    EXPECT_EQ(host.ctx.variables.find("v255"), 1);
    host.run(":var one_more");
    EXPECT_EQ(host.shownCodes(), Codes{kErrNoFreeSlot});
    EXPECT_EQ(host.reports.back().tokenText, "one_more");
    EXPECT_EQ(host.ctx.variables.find("one_more"), -1);
    // Writing a named slot through its letter needs a fresh slot for the name.
    host.run("@a = 1");
    EXPECT_EQ(host.shownCodes(), (Codes{kErrNoFreeSlot, kErrNoFreeSlot}));
    host.run(":undef v2; @a = 1");
    EXPECT_EQ(host.ctx.variables.find("v159"), 254);  // v159 had slot 97, the letter a
    EXPECT_EQ(host.answerOf("@a"), "1");
}

TEST(Variables, AChildScopeSeesTheCallersNames) {
    RecordingHost host;
    host.run(":var a; a = 3; :define K 7; @b = 5");
    Context child;
    ASSERT_EQ(child.variables.copyLabelled(host.ctx.variables), kSuccess);
    EXPECT_EQ(child.variables.find("a"), 255);
    EXPECT_EQ(child.variables.value(255).complex.re, 3.0);
    EXPECT_TRUE(child.variables.isConstant(254));
    EXPECT_EQ(child.variables.state(254), LabelState::Allocated);
    EXPECT_EQ(child.variables.value('b').complex.re, 0.0);  // unlabelled: not copied
    // A parameter is a label on a digit slot.
    ASSERT_EQ(child.variables.attachLabel('0', "p"), kSuccess);
    EXPECT_EQ(child.variableLabel('0'), "p");
    EXPECT_EQ(child.variables.state('0'), LabelState::InUse);
}

TEST(Variables, TheListingNamesLabelledSlots) {
    RecordingHost host;
    host.run(":label speed @v; :label table @@t");
    EXPECT_EQ(host.ctx.variableLabel('v'), "speed");
    EXPECT_EQ(host.ctx.arrayLabel('t'), "table");
    EXPECT_EQ(host.ctx.arrayLabel('v'), "");
}

}  // namespace
}  // namespace zentrel
