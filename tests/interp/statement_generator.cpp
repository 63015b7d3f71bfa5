#include "tests/interp/statement_generator.h"

namespace zentrel::test {

namespace {

// What can be assigned and incremented.
constexpr const char* kTargets[] = {"@a", "@b", "@c", "@d", "@e", "v", "@@a 1", "@@a 2", "w 2"};
// Numbers in every mode, and words that are numbers only in some radixes (or
// in none: then they are unknown names).
constexpr const char* kConstants[] = {"0", "1",  "2",  "7",    "0.5", "255", "1e3",
                                      "3", "ff", "10", "\\12", "z",   "1a",  "101"};
constexpr const char* kUnary[] = {"[-]", "[+]", "[~]", "[!]"};
constexpr const char* kBinary[] = {"+",    "-",    "*",    "/",    "%",    "<<",  ">>",
                                   "&",    "^",    "|",    "[<]",  "[<=]", "[>]", "[>=]",
                                   "[==]", "[!=]", "[&&]", "[||]", ","};
constexpr const char* kAssignments[] = {
    "=", "+=", "-=", "*=", "/=", "%=", "<<=", ">>=", "&=", "|=", "^="};
constexpr const char* kOneArgument[] = {"sin", "cos", "exp", "abs", "sqrt", "int", "log", "floor"};
constexpr const char* kTwoArguments[] = {"pow", "atan2"};
// Calls that take an array or a text whole, or read no operand.
constexpr const char* kWholeCalls[] = {"det @@m",       "row @@a",    "col @@m",    "trans @@m",
                                       "strlen \"ab\"", "strlen @@t", "inv @@m",    "rand",
                                       "u @@a",         "u \"x\"",    "frexp 6 @e", "polar 2 1"};

}  // namespace

const char* StatementGenerator::pick(std::span<const char* const> words) {
    return words[random_() % words.size()];
}

std::string StatementGenerator::statement() {
    const unsigned kind = random_() % 10;
    if (kind < 4) return expression(0);
    if (kind < 7)
        return std::string(pick(kTargets)) + " " + pick(kAssignments) + " " + expression(0);
    if (kind == 7) return std::string(pick(kTargets)) + (chance(50) ? "++" : " --");
    if (kind == 8) return expression(1) + " ? " + operand(1) + " " + operand(1);
    // Going on from the answer, or a statement of several.
    if (chance(20)) return std::string(pick(kBinary)) + " " + expression(1);
    return statement() + "; " + statement();
}

std::string StatementGenerator::expression(int depth) {
    std::string text = operand(depth);
    const unsigned links = random_() % 4;
    for (unsigned i = 0; i < links; ++i) {
        // An assignment inside an expression is wrong unless its left side is a target.
        const bool assign = chance(10);
        text +=
            std::string(" ") + (assign ? pick(kAssignments) : pick(kBinary)) + " " + operand(depth);
    }
    return text;
}

std::string StatementGenerator::operand(int depth) {
    const unsigned kind = random_() % 12;
    const bool deeper = depth < 3;
    if (deeper && kind == 0) return "( " + expression(depth + 1) + " )";
    if (deeper && kind == 1) return std::string(pick(kUnary)) + " " + operand(depth + 1);
    if (deeper && kind == 2) return call(depth + 1);
    // A pair or a triple: a complex number, a quotient or a mixed fraction.
    if (deeper && kind == 8 && chance(30)) {
        return "( " + operand(depth + 1) + " " + operand(depth + 1) +
               (chance(50) ? " " + operand(depth + 1) : "") + " )";
    }
    // A variable by its slot number: 97 is `@a`.
    if (kind == 9 && chance(10)) return chance(50) ? "@: 97" : "@@: 97 1";
    if (kind == 3) return std::string(chance(50) ? "[++] " : "[--] ") + pick(kTargets);
    if (kind == 4) return std::string(pick(kTargets)) + (chance(50) ? "++" : "--");
    if (kind < 8) return pick(kTargets);
    return pick(kConstants);
}

std::string StatementGenerator::call(int depth) {
    const unsigned kind = random_() % 5;
    if (kind == 4) return pick(kWholeCalls);
    if (kind == 0) return "u " + operand(depth);
    if (kind == 1)
        return std::string(pick(kTwoArguments)) + " " + operand(depth) + " " + operand(depth);
    return std::string(pick(kOneArgument)) + " " + operand(depth);
}

}  // namespace zentrel::test
