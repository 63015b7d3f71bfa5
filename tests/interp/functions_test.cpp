#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/interp/called_body.h"
#include "engine/interp/error_codes.h"
#include "tests/interp/recording_host.h"

namespace zentrel {
namespace {

class CallErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(CallErrors, NameTheOffendingToken) {
    RecordingHost host;
    host.run("func f a b; return @0 + @1; endfunc; func inc [&] v; @0++; endfunc");
    host.run(GetParam().text);
    ASSERT_EQ(host.shownCodes(), Codes{GetParam().code});
    EXPECT_EQ(host.reports.back().tokenText, GetParam().token);
}

INSTANTIATE_TEST_SUITE_P(
    Statements, CallErrors,
    testing::Values(ErrorCase{"g 1", kErrConstantSyntax, "g"},
                    ErrorCase{"f 1 2 3 4 5 6 7 8 9 10 11", kErrExternalArgCount, "11"},
                    ErrorCase{"inc 5", kErrAssignToConstant, "5"},
                    ErrorCase{"inc ( 2 + 3 )", kErrAssignToConstant, "("},
                    ErrorCase{"f 1 = 2", kErrLeftNotVariable, "="},
                    ErrorCase{"f @a = 2", kErrLeftNotVariable, "="},
                    ErrorCase{"func 3; endfunc", kErrFunctionName, "3"},
                    ErrorCase{"func g 2; endfunc", kErrParameterLabel, "2"},
                    ErrorCase{":param 10 1", kErrCommandArgument, ":param"},
                    ErrorCase{":param 1", kErrCommandArgument, ":param"},
                    ErrorCase{":params 1 0 1 0 1 0 1 0 1 0 1", kErrTooManyParams, ":params"},
                    ErrorCase{":params a b c d e f g h i j k", kErrTooManyParams, ":params"},
                    ErrorCase{":params [&]", kErrCommandArgument, ":params"},
                    ErrorCase{":params x @a", kErrAlreadyDefined, "@a"}));

TEST(Calls, ParameterNamesAreLabelsOfTheDigitSlots) {
    RecordingHost host;
    host.run("func diff a b; return a - b; endfunc");
    EXPECT_EQ(host.answerOf("diff 10 3"), "7");
    EXPECT_EQ(host.answerOf("diff 10"), "10");
    host.run(":params first second");
    EXPECT_EQ(host.answerOf("@0 = 4; @1 = 1; first - second"), "3");
    host.run(":params first");
    EXPECT_EQ(host.shownCodes(), Codes{kErrAlreadyDefined});
}

TEST(Calls, ByReferenceCopiesBackVariablesAndArrays) {
    RecordingHost host;
    host.run("func swap [&] a [&] b; @9 = a; a = b; b = @9; endfunc");
    EXPECT_EQ(host.answerOf("@x = 1; @y = 2; swap @x @y; @x * 10 + @y"), "21");
    host.run("func fill [&] a[]; @@0 = 8; endfunc");
    EXPECT_EQ(host.answerOf("@@m = 1; fill @@m; @@m"), "8");
    host.run("func keep a[]; @@0 = 9; endfunc");
    EXPECT_EQ(host.answerOf("keep @@m; @@m"), "8");
    EXPECT_TRUE(host.shownCodes().empty());
}

// Reports from inside a body reach the host, naming the function as the file.
class FileRecordingHost : public RecordingHost {
  public:
    std::vector<std::string> files;

  protected:
    void reportStatus(ErrorCode code, std::int32_t line, std::string_view file,
                      std::string_view token) override {
        if (code > kStatusDone) files.emplace_back(file);
        RecordingHost::reportStatus(code, line, file, token);
    }
};

TEST(Calls, ErrorsInsideABodyAreReportedThereThenByTheCall) {
    FileRecordingHost host;
    host.run("func bad x; x +; endfunc");
    EXPECT_EQ(host.run("bad 1 + 2"), RunResult::Finished);
    EXPECT_EQ(host.shownCodes(), (Codes{kErrMissingOperand, kErrUserCall}));
    EXPECT_EQ(host.reports.back().tokenText, "bad");
    EXPECT_EQ(host.files, (std::vector<std::string>{"bad", ""}));
    EXPECT_EQ(host.shared().callDepth, 0);
    EXPECT_EQ(host.answerOf("1 + 1"), "2");
}

TEST(Calls, WarningsInsideABodyFollowTheCallersSwitch) {
    RecordingHost host;
    host.run("func half x; return x / 0; endfunc");
    EXPECT_EQ(host.answerOf("half 1"), "inf");
    EXPECT_EQ(host.shownCodes(), Codes{kWarnDivisionByZero});
    host.run(":warn 0");
    host.run("half 1");
    EXPECT_EQ(host.shownCodes(), Codes{kWarnDivisionByZero});
}

TEST(Calls, TheCalleesModeDoesNotLeakIntoTheCaller) {
    RecordingHost host;
    host.run("func third; :fract; return 1 / 3; endfunc");
    EXPECT_EQ(host.answerOf("third"), "0.333333");
    EXPECT_FALSE(host.shared().modes.fractionRepresentation);
    host.run(":fract");
    EXPECT_EQ(host.answerOf("func tenth; :float; return 0.1; endfunc; tenth"), "1_10");
    EXPECT_TRUE(host.shared().modes.fractionRepresentation);
}

// Call scopes reuse the label storage of ended ones: a name made in one call
// is gone in the next, and the host symbol is there in every call.
TEST(Calls, NamesMadeInABodyEndWithTheCall) {
    RecordingHost host;
    host.engine.registerHostSymbol("HOST");
    host.run("func make x; :var inner; inner = @0 * 10; return inner + HOST; endfunc");
    host.run("func look; :var inner; return inner + HOST; endfunc");
    for (const char* text : {"make 7", "look", "make 8", "look", "make 9; look"}) {
        SCOPED_TRACE(text);
        host.run(text);
    }
    EXPECT_EQ(host.results, (std::vector<std::string>{"71", "1", "81", "1", "1"}));
    EXPECT_TRUE(host.shownCodes().empty());
}

// Gives every called scope a copy of the top-level function `inner`, so that
// a body can call it.
class NestingHost : public RecordingHost {
  public:
    NestingHost() {
        shared().callRunner = [this](Engine& calling, CalledBody& call) {
            return copyInner(call) ? runCalledBodyInNestedEngine(calling, call) : kOutOfMemory;
        };
    }

  private:
    bool copyInner(CalledBody& call) {
        const FunctionEntry* inner = ctx.functions.find("inner");
        FunctionEntry* copy = inner ? call.child.functions.add("inner") : nullptr;
        if (!copy) return false;
        for (const Token* t = inner->parameters.head(); t; t = t->next()) {
            if (copy->parameters.append(*t) != kSuccess) return false;
        }
        for (const ProgramLine* line = inner->body.head(); line; line = line->next) {
            if (copy->body.appendCopy(*line) != kSuccess) return false;
        }
        return true;
    }
};

// A call inside a body borrows label storage of its own: the caller's names
// read the caller's values once the inner call is over.
TEST(Calls, ANestedCallLeavesItsCallersNames) {
    NestingHost host;
    host.run("func inner y; :var local; local = y * 10; return local; endfunc");
    host.run("func outer x; :var kept; kept = x + 1; return inner x + kept + x; endfunc");
    EXPECT_EQ(host.answerOf("outer 2"), "25");
    EXPECT_EQ(host.answerOf("outer 3; outer 4"), "49");
    EXPECT_TRUE(host.shownCodes().empty());
}

TEST(Calls, NestingIsBoundedAndFailsWithTheFunctionsName) {
    RecursiveHost host;
    host.run("func down n; return down ( @0 + 1 ); endfunc");
    host.run("down 0");
    EXPECT_EQ(host.deepest, kMaxCallDepth);
    // One report, from the innermost level, names the function and the limit; the
    // levels around it fail without reporting again.
    EXPECT_EQ(host.shownCodes(), Codes{kErrCallDepth});
    EXPECT_EQ(host.reports.back().tokenText, "down");
    EXPECT_EQ(host.reports.back().fileName, "down");
    EXPECT_EQ(host.shared().callDepth, 0);
    // Deep groups inside deep calls share one nesting budget.
    host.run("func deep n; return " + std::string(400, '(') + "down 0" + std::string(400, ')') +
             "; endfunc");
    host.run("deep 0");
    EXPECT_EQ(host.shared().callDepth, 0);
    EXPECT_EQ(host.answerOf("2 + 2"), "4");
}

}  // namespace
}  // namespace zentrel
