#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "engine/interp/error_codes.h"
#include "tests/interp/recording_host.h"

namespace zentrel {
namespace {

// Keeps what the console commands hand over and answers :scan from a script.
class ConsoleHost : public RecordingHost {
  public:
    struct Output {
        std::vector<std::string> pieces;
        bool lineEnd;
    };
    std::vector<Output> outputs;
    std::vector<std::string> prompts;
    std::deque<std::string> input;
    std::vector<std::string> userErrors;

  protected:
    void consoleOutput(const std::vector<std::string>& pieces, bool lineEnd) override {
        outputs.push_back({pieces, lineEnd});
    }
    bool readInput(std::string_view prompt, std::string& line) override {
        prompts.emplace_back(prompt);
        if (input.empty()) return false;
        line = input.front();
        input.pop_front();
        return true;
    }
    void showUserError(std::string_view text) override { userErrors.emplace_back(text); }
};

class ArgumentErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(ArgumentErrors, NameTheFunctionOrCommand) {
    RecordingHost host;
    ASSERT_EQ(host.run("@@a {{1 2}{3 4}}; :define K 1"), RunResult::Finished);
    EXPECT_EQ(host.run(GetParam().text), RunResult::Finished);
    ASSERT_EQ(host.shownCodes(), Codes{GetParam().code});
    EXPECT_EQ(host.reports.back().tokenText, GetParam().token);
}

INSTANTIATE_TEST_SUITE_P(
    MatrixFunctions, ArgumentErrors,
    testing::Values(ErrorCase{"det", kErrFunctionArgument, "det"},
                    ErrorCase{"row +", kErrFunctionArgument, "row"},
                    ErrorCase{"eigen @@a 1 @@v", kErrFunctionArgument, "eigen"},
                    ErrorCase{"jacobi @@a @@d", kErrFunctionArgument, "jacobi"},
                    ErrorCase{"power @@a @@d @@v", kErrFunctionArgument, "power"},
                    ErrorCase{":mat 2 2", kErrCommandArgument, ":mat"},
                    ErrorCase{":mat 2 2 5", kErrCommandArgument, ":mat"},
                    ErrorCase{":mat 2", kErrCommandArgument, ":mat"},
                    ErrorCase{":trans K", kErrCommandArgument, ":trans"}));

INSTANTIATE_TEST_SUITE_P(
    TextCommands, ArgumentErrors,
    testing::Values(ErrorCase{"strlen 5", kErrFunctionArgument, "strlen"},
                    ErrorCase{"strcmp [\"a] @a", kErrFunctionArgument, "strcmp"},
                    ErrorCase{":strcpy @@s", kErrCommandArgument, ":strcpy"},
                    ErrorCase{":strcpy @a [\"x]", kErrCommandArgument, ":strcpy"},
                    ErrorCase{":strcat @@s 5", kErrCommandArgument, ":strcat"},
                    ErrorCase{":strupr", kErrCommandArgument, ":strupr"},
                    ErrorCase{":sprint", kErrCommandArgument, ":sprint"},
                    ErrorCase{":sprintf @@s", kErrCommandArgument, ":sprintf"},
                    ErrorCase{":printf [\"%d]", kErrCommandArgument, ":printf"},
                    ErrorCase{":printf [\"%s] 5", kErrCommandArgument, ":printf"},
                    ErrorCase{":printf [\"%*.*.*d] 1 2 3 4", kErrCommandArgument, ":printf"},
                    ErrorCase{":error 5", kErrCommandArgument, ":error"},
                    ErrorCase{":clear 1", kErrCommandArgument, ":clear"},
                    ErrorCase{":scan K", kErrAssignToConstant, ":scan"}));

TEST(MatrixWarnings, OnlyDetAndInvReportTheMatrixFlag) {
    RecordingHost host;
    host.run("@@b {{1 2 3}{4 5 6}}; @@s {{1 2}{2 4}}");
    EXPECT_EQ(host.answerOf("det @@b"), "0");
    EXPECT_EQ(host.shownCodes(), Codes{kWarnNoDeterminant});
    host.reports.clear();
    EXPECT_EQ(host.answerOf("inv @@s"), "0");
    EXPECT_EQ(host.shownCodes(), Codes{kWarnNoInverse});
    host.reports.clear();
    EXPECT_EQ(host.answerOf("det @@s"), "0");  // singular: 0 without a warning
    host.answerOf("trans @@b; jacobi @@b @@d @@v; eigen @@b @@d @@v; power @@b 2 @@d @@v");
    EXPECT_TRUE(host.shownCodes().empty());
}

TEST(MatrixOutputs, AreWrittenOnlyForAPositiveCount) {
    RecordingHost host;
    host.run("@@d {7 7 7}; @@v {{7}}; @@b {{1 2 3}{4 5 6}}");
    EXPECT_EQ(host.answerOf("jacobi @@b @@d @@v"), "0");
    EXPECT_EQ(host.answerOf("@@d 2"), "7");
    EXPECT_EQ(host.answerOf("@@v 0 0"), "7");

    host.run("@@q {{4 1}{1 3}}");
    EXPECT_EQ(host.answerOf("power @@q 1 @@d @@v"), "1");
    EXPECT_EQ(host.answerOf("@@d 1"), "0");  // the list now holds one eigenvalue
    EXPECT_EQ(host.answerOf("row @@v; col @@v"), "2");
}

TEST(MatrixCommands, ReshapeAndTransposeInPlace) {
    RecordingHost host;
    host.run("@@m {{1 2}{3 4}{5 6}}; :mat 2 3 @@m");
    EXPECT_EQ(host.answerOf("row @@m; col @@m"), "3");
    EXPECT_EQ(host.answerOf("@@m 1 1 + @@m 1 2 + @@m 0 2"), "4");  // 4, 0, 0
    host.run(":mat 0 5 @@m; :mat [-]2 [-]3 @@m");
    EXPECT_EQ(host.answerOf("row @@m"), "2");
    host.run(":trans @@m");
    EXPECT_EQ(host.answerOf("row @@m"), "3");
    EXPECT_EQ(host.answerOf("@@m 1 0"), "2");
    host.run(":mat 2 2 fresh");
    EXPECT_EQ(host.answerOf("col fresh"), "2");
    EXPECT_TRUE(host.shownCodes().empty());
}

TEST(ConsoleCommands, HandPiecesToTheHost) {
    ConsoleHost host;
    host.run(":strcpy @@t [\"a\\tb]; :print 1 [\"x\\t] @@t (2 + 3); :println; :printf [\"<%3d>] 7");
    ASSERT_EQ(host.outputs.size(), 3u);
    EXPECT_EQ(host.outputs[0].pieces, (std::vector<std::string>{"1", "x\\t", "a\tb", "5"}));
    EXPECT_FALSE(host.outputs[0].lineEnd);
    EXPECT_TRUE(host.outputs[1].pieces.empty());
    EXPECT_TRUE(host.outputs[1].lineEnd);
    EXPECT_EQ(host.outputs[2].pieces, (std::vector<std::string>{"<", "  7", ">"}));
}

TEST(ConsoleCommands, ErrorTextsDoNotStopTheRun) {
    ConsoleHost host;
    EXPECT_EQ(host.answerOf(":error [\"bad\\; thing\nrest]; 42"), "42");
    EXPECT_EQ(host.userErrors, (std::vector<std::string>{"bad; thing"}));
    EXPECT_TRUE(host.shownCodes().empty());
}

TEST(ScanCommand, FillsTargetsInOrderUntilTheInputEnds) {
    ConsoleHost host;
    host.input = {"1 + 2 * 3", "he\\tllo", "", "9"};
    host.run("@c = 5; @d = 6; :scan [\"first] @a [\"ignored] [\"second] @@s 17 @c @d @e");
    EXPECT_EQ(host.prompts, (std::vector<std::string>{"first", "second", "", "", ""}));
    EXPECT_EQ(host.answerOf("@a"), "7");
    EXPECT_EQ(host.answerOf("strlen @@s; @@s 2"), "9");
    EXPECT_EQ(host.answerOf("@c"), "5");  // a blank line leaves the target
    EXPECT_EQ(host.answerOf("@d"), "9");
    EXPECT_EQ(host.answerOf("@e"), "0");  // the input ended
}

TEST(ScanCommand, KeepsTheAnswerAndReportsErrorsOfTheInput) {
    ConsoleHost host;
    host.input = {"3 +"};
    host.run("40; :scan @a");
    EXPECT_EQ(host.shownCodes(), Codes{kErrMissingOperand});
    EXPECT_EQ(host.reports.back().tokenText, "+");
    host.reports.clear();
    host.input = {"1 / 0"};
    EXPECT_EQ(host.answerOf("41; :scan @a; @"), "41");
    EXPECT_EQ(host.shownCodes(), Codes{kWarnDivisionByZero});
}

}  // namespace
}  // namespace zentrel
