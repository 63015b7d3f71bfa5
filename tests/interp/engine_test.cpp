#include <gtest/gtest.h>

#include <string>

#include "engine/interp/error_codes.h"
#include "tests/interp/recording_host.h"

namespace zentrel {
namespace {

TEST(EngineRun, AnswersCarryFromStatementToStatement) {
    RecordingHost host;
    EXPECT_EQ(host.answerOf("1 + 2 * 3"), "7");
    EXPECT_EQ(host.answerOf("( 1 + 2"), "3");
    EXPECT_EQ(host.answerOf("5"), "5");
    EXPECT_EQ(host.answerOf("* 2"), "10");
    EXPECT_EQ(host.answerOf("- 3"), "7");
    EXPECT_EQ(host.answerOf("[-] 3"), "-3");
    EXPECT_EQ(host.answerOf("1; 2; 3 + @"), "5");  // @ is the answer of `2`
    EXPECT_TRUE(host.shownCodes().empty());
}

TEST(EngineRun, AssignmentsShowNothingButKeepTheirValue) {
    RecordingHost host;
    EXPECT_EQ(host.answerOf("@a = @b = 3"), "");
    EXPECT_EQ(host.answerOf("@a + @b"), "6");
    EXPECT_EQ(host.answerOf("(@c = 4)"), "4");  // inside parentheses the mark is not set
    EXPECT_EQ(host.answerOf("@c += 1; @c"), "5");
}

class EngineErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(EngineErrors, NameTheOffendingToken) {
    RecordingHost host;
    EXPECT_EQ(host.run(GetParam().text), RunResult::Finished);
    ASSERT_EQ(host.shownCodes(), Codes{GetParam().code});
    EXPECT_EQ(host.reports.back().tokenText, GetParam().token);
}

INSTANTIATE_TEST_SUITE_P(Statements, EngineErrors,
                         testing::Values(ErrorCase{"1 [!] 2", kErrOperator, "[!]"},
                                         ErrorCase{"3 +", kErrMissingOperand, "+"},
                                         ErrorCase{"nosuch", kErrConstantSyntax, "nosuch"},
                                         ErrorCase{"* 2 3", kErrOperator, "3"},
                                         ErrorCase{":fract 5", kErrCommandArgument, ":fract"},
                                         ErrorCase{":prec", kErrCommandArgument, ":prec"},
                                         ErrorCase{":", kErrCommand, ":"},
                                         ErrorCase{"3 = 4", kErrAssignToConstant, "="},
                                         ErrorCase{"(1 + 2) = 4", kErrLeftNotVariable, "="},
                                         ErrorCase{"[++] 3", kErrAssignToConstant, "[++]"},
                                         ErrorCase{"1 ? 2", kErrConditional, "?"},
                                         ErrorCase{"*", kErrMissingOperand, "*"},
                                         ErrorCase{":char; 1 2", kErrOperator, "2"}));

TEST(EngineRun, PairFormsDependOnTheMode) {
    RecordingHost host;
    host.run(":fract");
    EXPECT_EQ(host.answerOf("( 1 2 )"), "1_2");
    EXPECT_EQ(host.answerOf("( 1 2 3 )"), "5_3");
    host.run("( 1 2 3 4 )");
    EXPECT_EQ(host.shownCodes(), Codes{kErrMatrixGroup});
    host.run(":complex 1");
    EXPECT_EQ(host.answerOf("( 1 2 )"), "1.0+2.0i");
    host.run("( 1 2 3 )");
    EXPECT_EQ(host.shownCodes(), (Codes{kErrMatrixGroup, kErrComplexGroup}));
}

TEST(EngineRun, WarningsFollowTheWarnSwitch) {
    RecordingHost host;
    EXPECT_EQ(host.answerOf("1 / 0"), "inf");
    EXPECT_EQ(host.shownCodes(), Codes{kWarnDivisionByZero});
    host.run(":warn 0");
    EXPECT_EQ(host.answerOf("1 / 0"), "inf");
    EXPECT_EQ(host.shownCodes(), Codes{kWarnDivisionByZero});
    host.run(":warn [-] 1");  // swaps back to the previous setting
    host.run("1 % 0");
    EXPECT_EQ(host.shownCodes(), (Codes{kWarnDivisionByZero, kWarnDivisionByZero}));
}

TEST(EngineRun, ErrorsInsideAFileAbortTheCaller) {
    RecordingHost host;
    host.ctx.inFile = true;
    host.ctx.fileName = "f";
    host.ctx.lineBase = 0;
    EXPECT_EQ(host.run("3 +"), RunResult::AbortedInside);
    EXPECT_EQ(host.reports.back().line, 1);
    host.ctx.inFile = false;
    EXPECT_EQ(host.run("3 +"), RunResult::Finished);
    EXPECT_EQ(host.reports.back().line, 0);
}

TEST(EngineRun, RefusesStatementsTheScopeDoesNotAllow) {
    RecordingHost host;
    host.ctx.commandsAllowed = false;
    host.run(":fract");
    EXPECT_EQ(host.shownCodes(), Codes{kRefusedCommand});
    EXPECT_EQ(host.reports.back().tokenText, "");
    EXPECT_EQ(host.ctx.modes.numberMode, NumberMode::GFloat);
}

TEST(EngineRun, DeepNestingIsRefusedNotACrash) {
    RecordingHost host;
    const int depth = 20000;
    host.run(std::string(depth, '(') + "1" + std::string(depth, ')'));
    EXPECT_EQ(host.shownCodes(), Codes{kErrNestingTooDeep});
    std::string unary;
    for (int i = 0; i < depth; ++i)
        unary += "[-] ";
    host.run(unary + "1");
    EXPECT_EQ(host.shownCodes(), (Codes{kErrNestingTooDeep, kErrNestingTooDeep}));
    EXPECT_EQ(host.answerOf("((((1))))"), "1");  // the engine stays usable
    const std::size_t half = kMaxNestingDepth / 2;
    std::string shallow = std::string(half, '(') + "2" + std::string(half, ')');
    EXPECT_EQ(host.answerOf(shallow), "2");
}

TEST(EngineRun, PostfixUpdatesApplyAfterTheStatement) {
    RecordingHost host;
    host.run("@i = 5");
    EXPECT_EQ(host.answerOf("@i++ + 10"), "15");
    EXPECT_EQ(host.answerOf("@i"), "6");
    EXPECT_EQ(host.answerOf("@i-- ; @i"), "5");
}

TEST(EngineRun, IncrementsAreNotNormalised) {
    RecordingHost host;
    host.run(":uchar; @a = 255; [++] @a");
    EXPECT_EQ(host.answerOf("@a [==] 256"), "1");
    EXPECT_EQ(host.answerOf("@a"), "0");
    EXPECT_EQ(host.answerOf("@a + 0"), "0");
}

TEST(EngineRun, NestedEngineSharesModesAndRestoresTheAngleUnit) {
    RecordingHost host;
    host.run(":deg");
    {
        Engine nested(host.engine);
        EXPECT_EQ(host.shared().modes.angleUnit, AngleUnit::Radian);
        EXPECT_EQ(&nested.shared(), &host.shared());
    }
    EXPECT_EQ(host.shared().modes.angleUnit, AngleUnit::Degree);
}

}  // namespace
}  // namespace zentrel
