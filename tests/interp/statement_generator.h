#pragma once

#include <cstdint>
#include <random>
#include <span>
#include <string>

namespace zentrel::test {

// Random statements of the language, the same for the same seed: expressions
// over the variables @a to @e, the named variable `v`, the elements `@@a 1`,
// `@@a 2` and `w 2` of the named array `w`, constants and number words, with every unary, binary and
// assignment operator, increments, groups, pair forms, the conditional,
// built-in functions (some taking the array `@@m` or the text `@@t` whole),
// variables by slot number and the user function `u`. The names must exist where they run (see
// kStatementSetup); some statements are wrong on purpose.
class StatementGenerator {
  public:
    explicit StatementGenerator(std::uint32_t seed) : random_(seed) {}

    std::string statement();

  private:
    std::string expression(int depth);
    std::string operand(int depth);
    std::string call(int depth);
    const char* pick(std::span<const char* const> words);
    bool chance(unsigned percent) { return random_() % 100 < percent; }

    std::mt19937 random_;
};

// Lines that give the generated statements their names and start values.
inline constexpr const char* kStatementSetup[] = {
    "@a = 3; @b = 5; @c = 1 / 2; @d = [-] 2; @e = 12",
    ":var v; v = 4",
    ":array w; w 1 = 3; w 2 = 4",
    "@@a 1 = 7; @@a 2 = 1",
    "@@m { {2 1} {1 3} }; :strcpy @@t \"abc\"",
    "func u x; return x * 2 + 1; endfunc",
};

}  // namespace zentrel::test
