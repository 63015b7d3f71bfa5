#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/interp/error_codes.h"
#include "engine/interp/function_table.h"
#include "engine/interp/open_constructs.h"
#include "tests/interp/recording_host.h"

namespace zentrel {
namespace {

struct ControlError {
    const char* text;
    ErrorCode code;
    const char* token;
};

void PrintTo(const ControlError& c, std::ostream* os) {
    *os << c.text;
}

class ControlErrors : public testing::TestWithParam<ControlError> {};

// Each case runs on a fresh engine, so no construct is left open by another.
TEST_P(ControlErrors, NameTheirKeyword) {
    RecordingHost host;
    host.run(GetParam().text);
    ASSERT_EQ(host.shownCodes(), Codes{GetParam().code});
    EXPECT_EQ(host.reports.back().tokenText, GetParam().token);
    EXPECT_EQ(host.engine.recordMode, RecordMode::Normal);
}

INSTANTIATE_TEST_SUITE_P(
    Statements, ControlErrors,
    testing::Values(
        ControlError{"endif", kErrNoIf, "endif"}, ControlError{"else", kErrNoIf, "else"},
        ControlError{"endswi", kErrNoSwitch, "endswi"},
        ControlError{"breakswi", kErrNoSwitch, "breakswi"},
        ControlError{"until 1", kErrNoDo, "until"},
        ControlError{"endwhile", kErrNoWhile, "endwhile"}, ControlError{"next", kErrNoFor, "next"},
        ControlError{"endfunc", kErrNoFunc, "endfunc"}, ControlError{"break", kErrBreak, "break"},
        ControlError{"continue", kErrContinue, "continue"},
        // Recording errors name the keyword that started the recording.
        ControlError{"for @i = 0; next", kErrForCondition, "for"},
        ControlError{"for @i = 0; @i [<] 3; next", kErrForUpdate, "for"},
        ControlError{"for @i = 0; while 0; endwhile; next", kErrForCondition, "for"},
        ControlError{"while 1; func f; endfunc; func g; func h", kErrNestedFunc, "while"},
        ControlError{"func f; func g", kErrNestedFunc, "func"},
        ControlError{"func f @a; endfunc", kErrParameterLabel, "@a"},
        ControlError{"func f; endfunc; func f; endfunc", kErrFunctionName, "f"},
        ControlError{"@a = while 1", kErrConstantSyntax, "while"}));

TEST(Conditionals, FifteenLevelsAndNoMore) {
    RecordingHost host;
    std::string ifs;
    for (int i = 0; i < 15; ++i)
        ifs += "if 1; ";
    host.run(ifs);
    EXPECT_EQ(host.engine.control().ifs.depth(), 15);
    host.run("if 1");
    EXPECT_EQ(host.shownCodes(), Codes{kErrIfNesting});
    EXPECT_EQ(host.reports.back().tokenText, "if");
    EXPECT_EQ(host.engine.control().ifs.depth(), 15);
    // A switch has its own stack.
    host.run("switch 1; case 1; @a = 5; endswi");
    EXPECT_EQ(host.answerOf("@a"), "5");
}

TEST(Conditionals, StackStaysOpenAcrossRuns) {
    RecordingHost host;
    host.run("if 0");
    EXPECT_EQ(host.answerOf("5"), "");  // skipped: nothing to show
    host.run("else");
    EXPECT_EQ(host.answerOf("6"), "6");
    host.run("endif");
    EXPECT_EQ(host.engine.control().ifs.depth(), 0);
}

TEST(Loops, RecordingSpansRunsAndReplaysWhenItCloses) {
    RecordingHost host;
    host.run("@i = 0; while @i [<] 3");
    EXPECT_EQ(host.engine.recordMode, RecordMode::Recording);
    host.run("@i++");
    EXPECT_EQ(host.answerOf("@i"), "");  // recorded, not run
    host.run("endwhile");
    EXPECT_EQ(host.engine.recordMode, RecordMode::Normal);
    EXPECT_EQ(host.answerOf("@i"), "3");
}

TEST(Loops, ReplayCutShortClosesTheLevelsItOpened) {
    RecordingHost host;
    host.run("if 1");
    host.run("while 1; switch 1; case 1; if 1; nosuch; endif; endswi; endwhile");
    EXPECT_EQ(host.shownCodes(), Codes{kErrConstantSyntax});
    EXPECT_EQ(host.engine.control().ifs.depth(), 1);
    EXPECT_EQ(host.engine.control().switches.depth(), 0);
    EXPECT_EQ(host.engine.recordMode, RecordMode::Normal);
}

// Stops a run after a number of statements, through the stepper.
class CountingHost : public RecordingHost {
  public:
    int remaining = 0;

  protected:
    bool stopAtStatement(const StepView&) override { return --remaining > 0; }
};

TEST(Loops, EndlessLoopRunsUntilStoppedAndLeavesTheEngineUsable) {
    CountingHost host;
    host.engine.debugSwitch.set(1);
    host.remaining = 100000;
    EXPECT_EQ(host.run("while 1; endwhile"), RunResult::AbortedInside);
    EXPECT_EQ(host.remaining, 0);
    EXPECT_EQ(host.engine.recordMode, RecordMode::Normal);
    host.engine.debugSwitch.set(0);
    EXPECT_EQ(host.answerOf("@i = 0; while @i [<] 2; @i++; endwhile; @i"), "2");
}

TEST(Loops, DeepRecordingsAreFreedWithoutRecursion) {
    RecordingHost host;
    std::string opened;
    for (int i = 0; i < 100000; ++i)
        opened += "do;";
    host.run(opened);
    EXPECT_EQ(host.engine.recordMode, RecordMode::Recording);
    // Destroying the engine frees the open recording.
}

// The host decides whether a failed assert stops the run.
class AssertingHost : public RecordingHost {
  public:
    bool stop = false;
    int failures = 0;

  protected:
    bool assertionFailed(std::int32_t, std::string_view) override {
        ++failures;
        return stop;
    }
};

TEST(Assert, AsksTheHostOnlyWhileTheSwitchIsOn) {
    AssertingHost host;
    EXPECT_EQ(host.answerOf("assert 0; 5"), "5");
    EXPECT_EQ(host.failures, 1);
    host.run("assert 1; assert 2 - 2 + 0.5");
    EXPECT_EQ(host.failures, 1);
    host.stop = true;
    host.run("assert 0; 6");
    EXPECT_EQ(host.shownCodes(), Codes{kErrAssertStop});
    host.run(":assert 0");
    EXPECT_EQ(host.answerOf("assert nosuch; 7"), "7");  // not even evaluated
    EXPECT_EQ(host.failures, 2);
}

TEST(FunctionTable, EvictsTheLeastUsedEntryWhenFull) {
    FunctionTable table(2);
    FunctionEntry* f = table.add("f");
    FunctionEntry* g = table.add("g");
    ASSERT_TRUE(f && g);
    f->useCount = 3;
    g->useCount = 1;
    ASSERT_TRUE(table.add("h"));
    EXPECT_EQ(table.find("g"), nullptr);
    EXPECT_EQ(table.find("f"), f);
    EXPECT_EQ(table.size(), 2u);
    // On equal counts the oldest goes.
    table.find("h")->useCount = 3;
    ASSERT_TRUE(table.add("i"));
    EXPECT_EQ(table.find("f"), nullptr);
    EXPECT_NE(table.find("h"), nullptr);
}

TEST(FunctionTable, CapacityZeroRefusesAndNamesAreExact) {
    FunctionTable none(0);
    EXPECT_EQ(none.add("f"), nullptr);
    FunctionTable unlimited;
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(unlimited.add("f" + std::to_string(i)));
    EXPECT_EQ(unlimited.find("F1"), nullptr);
    EXPECT_NE(unlimited.find("f1"), nullptr);
    unlimited.remove(unlimited.find("f1"));
    EXPECT_EQ(unlimited.find("f1"), nullptr);
    EXPECT_EQ(unlimited.size(), 99u);
}

}  // namespace
}  // namespace zentrel

namespace zentrel {
namespace {

struct LeftOpen {
    const char* lines;   // input lines separated by '\n'
    const char* opener;  // the listing the report names
};

void PrintTo(const LeftOpen& c, std::ostream* os) {
    *os << c.lines;
}

std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t end; (end = text.find('\n')) != std::string_view::npos;
         text.remove_prefix(end + 1)) {
        lines.emplace_back(text.substr(0, end));
    }
    lines.emplace_back(text);
    return lines;
}

class ConstructsLeftOpen : public testing::TestWithParam<LeftOpen> {};

// Line by line, as at the prompt, a construct stays open from one run to the next;
// where the input ends it is found (naming what opened it) and then dropped, so
// that the statements of a later input run again.
TEST_P(ConstructsLeftOpen, AreFoundAtTheEndOfTheInputAndDropped) {
    RecordingHost host;
    for (const std::string& line : linesOf(GetParam().lines))
        host.run(line);
    const auto open = findOpenConstruct(host.engine, 0);
    ASSERT_TRUE(open.has_value());
    EXPECT_EQ(listToken(host.ctx, host.engine.modes(host.ctx), open->opener), GetParam().opener);
    abandonOpenConstructs(host.engine);
    EXPECT_FALSE(findOpenConstruct(host.engine, 0).has_value());
    EXPECT_EQ(host.answerOf("1 + 1"), "2");
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ConstructsLeftOpen,
    testing::Values(LeftOpen{"@x = 1\nwhile @x\n@x = 2\nendwhlie", "while"},
                    LeftOpen{"for @i = 0; @i [<] 3; @i++", "for"}, LeftOpen{"do\n1", "do"},
                    LeftOpen{"if 0\n1\n2", "if"}, LeftOpen{"if 1\n2", "if"},
                    LeftOpen{"switch 1\ncase 1", "switch"}, LeftOpen{"func f n\nreturn 1", "func"},
                    LeftOpen{"if 1; while 1; 3", "while"}, LeftOpen{"@@a { 1 2\n3", "{"}));

TEST(ConstructsLeftOpen, ClosedConstructsAreNotFound) {
    RecordingHost host;
    for (const char* line : {"if 1", "while 0", "endwhile", "endif", "@@a { 1", "2 }"})
        host.run(line);
    EXPECT_FALSE(findOpenConstruct(host.engine, 0).has_value());
}

// A called body that ends with a construct open has taken its last statements into
// it: the body reports the construct, and the call fails. A `return` inside an if
// is no such case.
TEST(ConstructsLeftOpen, InACalledBodyFailTheCall) {
    RecordingHost host;
    host.run("func f n; while @0; @0 = 0; endfunc");
    host.run("f 1");
    EXPECT_EQ(host.shownCodes(), (Codes{kErrUnclosedBlock, kErrUserCall}));
    const auto report = std::find_if(host.reports.begin(), host.reports.end(),
                                     [](const auto& r) { return r.code == kErrUnclosedBlock; });
    ASSERT_NE(report, host.reports.end());
    EXPECT_EQ(report->tokenText, "while");
    EXPECT_EQ(report->fileName, "f");
    host.reports.clear();
    host.run("func g n; if @0; return 5; endif; return 6; endfunc");
    EXPECT_EQ(host.answerOf("g 1"), "5");
    EXPECT_EQ(host.answerOf("g 0"), "6");
    EXPECT_TRUE(host.shownCodes().empty());
}

}  // namespace
}  // namespace zentrel
