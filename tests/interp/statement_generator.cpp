#include "tests/interp/statement_generator.h"

namespace zentrel::test {

namespace {

// What can be assigned and incremented.
constexpr const char* kTargets[] = {"@a", "@b", "@c", "@d", "@e", "v", "@@a 1", "@@a 2"};
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
    if (kind == 3) return std::string(chance(50) ? "[++] " : "[--] ") + pick(kTargets);
    if (kind == 4) return std::string(pick(kTargets)) + (chance(50) ? "++" : "--");
    if (kind < 8) return pick(kTargets);
    return pick(kConstants);
}

std::string StatementGenerator::call(int depth) {
    const unsigned kind = random_() % 4;
    if (kind == 0) return "u " + operand(depth);
    if (kind == 1)
        return std::string(pick(kTwoArguments)) + " " + operand(depth) + " " + operand(depth);
    return std::string(pick(kOneArgument)) + " " + operand(depth);
}

}  // namespace zentrel::test
