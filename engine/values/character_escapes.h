#pragma once

#include <array>

namespace zentrel {

// The code a backslash escape stands for in character constants and in text
// stored into arrays: \0 \a \b \e \f \n \r \t \v; any other character stands
// for itself.
constexpr char escapedCharacter(char letter) {
    struct Escape {
        char letter;
        char code;
    };
    constexpr std::array<Escape, 9> escapes{{
        {'0', 0},
        {'a', 7},
        {'b', 8},
        {'e', 27},
        {'f', 12},
        {'n', 10},
        {'r', 13},
        {'t', 9},
        {'v', 11},
    }};
    for (const Escape& escape : escapes) {
        if (escape.letter == letter) return escape.code;
    }
    return letter;
}

}  // namespace zentrel
