// Lines that run repeatedly are compiled: their tokens are decoded once and
// run without walking them. Compiled or not, a line must do the same: these
// tests run the same lines with compiling never, on the first run and on the
// second, and compare every answer, report, printed text and variable.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "tests/interp/recording_host.h"
#include "tests/interp/statement_generator.h"

namespace zentrel {
namespace {

// Everything the engine shows, in the order shown.
class ObservingHost : public RecordingHost {
  public:
    void reportStatus(ErrorCode code, std::int32_t line, std::string_view fileName,
                      std::string_view tokenText) override {
        seen.push_back("report " + std::to_string(code) + " " + std::to_string(line) + " " +
                       std::string(fileName) + " " + std::string(tokenText));
    }
    bool assertionFailed(std::int32_t line, std::string_view fileName) override {
        seen.push_back("assert " + std::to_string(line) + " " + std::string(fileName));
        return true;
    }
    void showUserWarning(std::string_view text) override {
        seen.push_back("warn " + std::string(text));
    }
    void showUserError(std::string_view text) override {
        seen.push_back("error " + std::string(text));
    }
    void showScalarResult(std::string_view text) override {
        seen.push_back("answer " + std::string(text));
    }
    void showListResult(const std::vector<std::vector<std::string>>& rows) override {
        for (const std::vector<std::string>& row : rows) {
            std::string text = "list";
            for (const std::string& number : row)
                text += " " + number;
            seen.push_back(text);
        }
    }
    void consoleOutput(const std::vector<std::string>& pieces, bool lineEnd) override {
        std::string text = "print";
        for (const std::string& piece : pieces)
            text += " " + piece;
        seen.push_back(text + (lineEnd ? " \\n" : ""));
    }

    std::vector<std::string> seen;
};

// What a run left behind: what it showed, then the variables.
struct Outcome {
    std::vector<std::string> seen;

    bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& o, std::ostream* os) {
    for (const std::string& s : o.seen)
        *os << s << '\n';
}

// Statements a run may execute: a loop that a statement keeps from ending stops there.
constexpr std::int64_t kStepBudget = 20000;

// Runs the lines with lines compiled on their `compileOnRun`th run (0: never).
Outcome runScript(const std::vector<std::string>& lines, std::uint8_t compileOnRun) {
    ObservingHost host;
    host.engine.setCompileOnRun(compileOnRun);
    host.engine.setStepBudget(kStepBudget);
    for (const std::string& line : lines)
        host.run(line);
    // The values in full, in the fraction mode too.
    for (const char* name :
         {"@a", "@b", "@c", "@d", "@e", "v", "@0", "@k", "@@a 1", "@@a 2", "w 1", "w 2"}) {
        host.run(std::string(":println ") + name);
        host.run(name);
    }
    return {host.seen};
}

// Runs the lines never compiled and compiled at once and on the second run,
// and prints the lines on a difference so that they can be replayed.
void expectSameOutcome(const std::vector<std::string>& lines) {
    const Outcome walked = runScript(lines, 0);
    for (const std::uint8_t compileOnRun : {1, 2}) {
        const Outcome compiled = runScript(lines, compileOnRun);
        EXPECT_EQ(compiled, walked) << "compiled on run " << int{compileOnRun} << " of:\n"
                                    << testing::PrintToString(Outcome{lines});
    }
}

// The statement on its own three times, inside a loop of three passes and
// inside a function called three times. Statements typed at the prompt are
// compiled afresh each time, so only a compiling on the first run reaches
// them (and the errors that end a loop on its first pass).
std::vector<std::string> loopsAround(const std::string& mode, const std::string& statement) {
    std::vector<std::string> lines(std::begin(test::kStatementSetup),
                                   std::end(test::kStatementSetup));
    lines.insert(lines.begin(), mode);
    lines.insert(
        lines.end(),
        {statement, statement, statement, "for @k = 0; @k [<] 3; @k++", statement, "next",
         "func g x", statement, "return @a + @b", "endfunc", "@c = g 1 + g 2 + g 3",
         // A scope that gives no value back warns at its return.
         "func h; :ans 0; return @b * 2 + ( " + statement + " ) * 0; endfunc", "h; h; h",
         "@k = 0; while @k [<] 3; @k += 1; if @a [!=] 0; " + statement + "; endif; endwhile"});
    // As part of a loop's condition, where the statement is one expression.
    if (statement.find(';') == std::string::npos) {
        lines.insert(lines.end(),
                     {"for @k = 0; @k [<] 3 + ( " + statement + " ) * 0; @k++", "next", "@k = 0",
                      "while ( " + statement + " ) [!=] 0 - 1 [&&] @k [<] 3", "@k++", "endwhile"});
    }
    return lines;
}

void expectSameOutcome(const std::string& mode, const std::string& statement) {
    SCOPED_TRACE(mode + " | " + statement);
    expectSameOutcome(loopsAround(mode, statement));
}

// Every numeric mode, the integer ones in radixes where letters are digits.
const char* const kModes[] = {":efloat 4", ":float",    ":gfloat 16", ":ecomplex 3", ":complex",
                              ":gcomplex", ":fract",    ":mfract",    ":char 16",    ":uchar 2",
                              ":short",    ":ushort 8", ":long 16",   ":ulong 36"};

TEST(CompiledLines, BehaveAsTheTokenWalk) {
    const char* const statements[] = {
        "@a += @b",
        "@a = @a * 2 + 1",
        "@b = ( @a [<] 4 ) + ( @a [>=] 2 ) * 10",
        "@a++",
        "@b-- * 2",
        "@a ++ = 4",
        "@a = @b = @c = 7",
        "@c /= 0",
        "@a % 0",
        "@a = [-] @b + [~] @c - [!] @a",
        "@b <<= 3; @b >>= 1; @b ^= 5; @b |= 8; @b &= 12",
        "@a [==] @b [!=] 1",
        "( @a ) = 2",
        "3 = @a",
        "@a + @b = 4",
        "@0 = @0 + 1",
        "@a = ( ( ( @b + 1 ) * 2 ) - 3 ) / 4",
        "@c = 1 / 3",
        "@a = 2 ; @b = @a , 3",
        "@a = abs ( [-] @b + 1 )",
        "@a = @b [&&] ( @c + 1 )",
        "@a = 1e308 * 10",
        "1 + ( @b = 2 )",
        "@a = 0.1 + 0.2",
        // Operands that mark the statement as an assignment after a binary
        // operator cleared the mark.
        "@a + [++] @b",
        "@a + @@c {1 2}",
        "@a * ( 1 2 ) + w 2 , @: 98",
    };
    for (const char* mode : kModes) {
        for (const char* statement : statements)
            expectSameOutcome(mode, statement);
    }
}

TEST(CompiledLines, ConstantsAndNamesKeepTheirRules) {
    expectSameOutcome({
        ":define TEN 10",
        "for @k = 0; @k [<] 3; @k++",
        "@a = @k + 1",
        "TEN = @a",
        "next",
        ":var w",
        "for @k = 0; @k [<] 3; @k++",
        "w = @k; @w = @k * 2",
        "next",
    });
}

// A few thousand random statements, the same at every run, in every mode. The
// sanitizers' unoptimised build runs them some forty times slower: there a
// third of them still reaches every mode and form.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kStatementsPerMode = 50;
#else
constexpr int kStatementsPerMode = 150;
#endif

TEST(CompiledLines, RandomStatementsBehaveAsTheTokenWalk) {
    test::StatementGenerator generator(20261208);
    for (const char* mode : kModes) {
        for (int i = 0; i < kStatementsPerMode && !HasFailure(); ++i)
            expectSameOutcome(mode, generator.statement());
    }
}

// What a compiled line took for granted changes between two of its runs: in a
// loop at the end of its second pass, in a function between its second and
// third call. `setup` runs first, `change` is one line of statements.
struct ChangedAssumption {
    const char* what;
    std::vector<std::string> setup;
    const char* statement;
    const char* change;
};

void PrintTo(const ChangedAssumption& c, std::ostream* os) {
    *os << c.what;
}

class ChangedBetweenRuns : public testing::TestWithParam<ChangedAssumption> {};

TEST_P(ChangedBetweenRuns, IsHonouredAsByTheWalk) {
    const ChangedAssumption& c = GetParam();
    const std::string statement = c.statement;
    const std::string change = c.change;
    std::vector<std::string> inLoop = c.setup;
    inLoop.insert(inLoop.end(), {"for @k = 0; @k [<] 4; @k++", statement,
                                 "if @k [==] 1; " + change + "; endif", "next"});
    {
        SCOPED_TRACE("in a loop");
        expectSameOutcome(inLoop);
    }
    // A function keeps its compiled lines from call to call; the change comes
    // between two calls.
    std::vector<std::string> inFunction = c.setup;
    inFunction.insert(inFunction.end(), {"func f; " + statement + "; return @a + @b + @c; endfunc",
                                         "f", "f", change, "f", "f"});
    {
        SCOPED_TRACE("in a function");
        expectSameOutcome(inFunction);
    }
}

const ChangedAssumption kChangedAssumptions[] = {
    {"a constant becomes a variable", {":define W 1"}, "@a = @a + W", ":undef W; :var W; W = 5"},
    {"a constant takes another value", {":define W 1"}, "@a += W", ":undef W; :define W 9"},
    {"a label moves to another slot", {":var w; w = 2"}, "@a += w", ":undef w; :label w @c"},
    {"a label is taken away", {":var w; w = 2"}, "@a += w", ":undef w"},
    {"a number word becomes a variable", {":long 16"}, "@b += ab", ":var ab; ab = 2"},
    {"a variable label becomes an array label",
     {":var w; w = 2"},
     "@a += w",
     ":undef w; :array w; w 1 = 4"},
    {"an array label is taken away", {":array d; d 1 = 4"}, "@a += d 1", ":undef d"},
    {"an enum adds constants", {}, "@a = @a * 2 + E2", ":enum E1 E2"},
    {"the mode becomes fractions", {}, "@a = @a * 2 + 0.5", ":fract"},
    {"the mode becomes an integer", {}, "@a = @a + 200.7", ":uchar"},
    {"the mode becomes complex", {}, "@a = sqrt ( @a - 9 )", ":complex"},
    {"an integer mode becomes real", {":uchar"}, "@a = @a + 200", ":gfloat"},
    {"the radix changes", {":long 16"}, "@b = @b * 100 + ff", ":radix \\10"},
    {"the radix makes a name a number", {":long", ":var ab; ab = 2"}, "@b += ab", ":radix 16"},
    {"the angle unit changes", {}, "@a = @a + sin 90", ":deg"},
    {"the precision changes", {}, "@c = @c + 1 / 3", ":prec 2"},
    {"a user function is defined again",
     {"func f2 x; return x + 1; endfunc"},
     "@a += f2 @k",
     "func f2 x; return x * 10; endfunc"},
    {"warnings are turned off", {}, "@a = sqrt [-] 1", ":warn 0"},
    {"assertions are turned on", {}, "assert @k [<] 1", ":assert 1"},
};

INSTANTIATE_TEST_SUITE_P(Changes, ChangedBetweenRuns, testing::ValuesIn(kChangedAssumptions));

}  // namespace
}  // namespace zentrel
