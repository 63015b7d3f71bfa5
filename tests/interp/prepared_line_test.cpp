// Lines that run repeatedly are prepared: their groups are decoded once and
// run without walking the tokens. Prepared or not, a line must do the same:
// these tests run the same loops with preparing on and off and compare every
// answer, report and variable.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/interp/recording_host.h"

namespace zentrel {
namespace {

// What a run left behind: its reports, its shown answers and the variables.
struct Outcome {
    std::vector<std::string> seen;

    bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& o, std::ostream* os) {
    for (const std::string& s : o.seen)
        *os << s << '\n';
}

// Runs the lines with lines prepared on their `compileOnRun`th run (0: never).
Outcome runScript(const std::vector<std::string>& lines, std::uint8_t compileOnRun) {
    RecordingHost host;
    host.engine.setCompileOnRun(compileOnRun);
    for (const std::string& line : lines)
        host.run(line);
    // The values in full, in the fraction mode too.
    for (const char* name : {"@a", "@b", "@c", "@0", "@k", "@@a 1", "@@a 2"}) {
        host.run(std::string(":println ") + name);
        host.run(name);
    }
    Outcome outcome;
    for (const RecordingHost::Report& r : host.reports) {
        outcome.seen.push_back("report " + std::to_string(r.code) + " " + std::to_string(r.line) +
                               " " + r.tokenText);
    }
    for (const std::string& r : host.results)
        outcome.seen.push_back("answer " + r);
    return outcome;
}

// The statement on its own three times, inside a loop of three passes and
// inside a function called three times. Statements typed at the prompt are
// compiled afresh each time, so only a preparation on the first run reaches
// them (and the errors that end a loop on its first pass).
std::vector<std::string> loopsAround(const std::string& mode, const std::string& statement) {
    std::vector<std::string> lines = {
        mode, "@a = 3; @b = 5; @c = 0.5; @@a 1 = 7", statement, statement, statement,
        "for @k = 0; @k [<] 3; @k++", statement, "next", "func g x", statement, "return @a + @b",
        "endfunc", "@c = g 1 + g 2 + g 3",
        // A scope that gives no value back warns at its return.
        "func h; :ans 0; return @b * 2 + ( " + statement + " ) * 0; endfunc", "h; h; h",
        "@k = 0; while @k [<] 3; @k += 1; if @a [!=] 0; " + statement + "; endif; endwhile"};
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
    const std::vector<std::string> lines = loopsAround(mode, statement);
    const Outcome walked = runScript(lines, 0);
    EXPECT_EQ(runScript(lines, 1), walked);
    EXPECT_EQ(runScript(lines, 2), walked);
}

const char* const kModes[] = {":gfloat 16", ":fract", ":complex", ":char", ":ulong", ":float"};

TEST(PreparedLines, BehaveAsTheTokenWalk) {
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
    };
    for (const char* mode : kModes) {
        for (const char* statement : statements)
            expectSameOutcome(mode, statement);
    }
}

TEST(PreparedLines, ConstantsAndNamesKeepTheirRules) {
    const std::vector<std::string> lines = {
        ":define TEN 10", "for @k = 0; @k [<] 3; @k++", "@a = @k + 1",         "TEN = @a", "next",
        ":var v",         "for @k = 0; @k [<] 3; @k++", "v = @k; @v = @k * 2", "next",
    };
    const Outcome walked = runScript(lines, 0);
    EXPECT_EQ(runScript(lines, 1), walked);
    EXPECT_EQ(runScript(lines, 2), walked);
}

// Random statements over the operators and operands a prepared group takes,
// with some it does not take mixed in.
std::string randomOperand(std::mt19937& random, int depth);

std::string randomExpression(std::mt19937& random, int depth) {
    static const char* const kOperators[] = {
        "+",    "-",   "*",    "/",    "%",    "<<", ">>", "&",    "^",  "|",  "[<]",
        "[<=]", "[>]", "[>=]", "[==]", "[!=]", "=",  "+=", "-=",   "*=", "/=", "%=",
        "<<=",  ">>=", "&=",   "|=",   "^=",   "++", "--", "[&&]", "?",  ","};
    std::string text = randomOperand(random, depth);
    const int links = static_cast<int>(random() % 4);
    for (int i = 0; i < links; ++i) {
        const char* op = kOperators[random() % std::size(kOperators)];
        text += std::string(" ") + op;
        if (std::string(op) != "++" && std::string(op) != "--") {
            text += " " + randomOperand(random, depth);
        }
    }
    return text;
}

std::string randomOperand(std::mt19937& random, int depth) {
    static const char* const kLeaves[] = {"@a", "@b", "@c", "@0", "0", "1", "2", "7", "0.5", "255"};
    static const char* const kUnary[] = {"[-]", "[+]", "[~]", "[!]"};
    const unsigned pick = random() % 10;
    if (depth < 3 && pick == 0) return "( " + randomExpression(random, depth + 1) + " )";
    if (depth < 3 && pick == 1)
        return std::string(kUnary[random() % 4]) + " " + randomOperand(random, depth + 1);
    return kLeaves[random() % std::size(kLeaves)];
}

TEST(PreparedLines, RandomStatementsBehaveAsTheTokenWalk) {
    std::mt19937 random(20261208);
    for (int i = 0; i < 300; ++i) {
        const std::string statement = randomExpression(random, 0);
        expectSameOutcome(kModes[random() % std::size(kModes)], statement);
        if (HasFailure()) break;
    }
}

}  // namespace
}  // namespace zentrel
