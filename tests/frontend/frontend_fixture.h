#pragma once

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "engine/frontend/listing.h"
#include "engine/frontend/token_line.h"
#include "engine/values/modes.h"

namespace zentrel::test {

// Owns the mode settings a compile or listing reads.
struct Modes {
    ContextModes context;
    EngineModes engine;

    void set(NumberMode mode) { applyNumberMode(context, engine, mode); }
    ModeView view() const { return ModeView(context, engine); }
};

// The tokens of a line listed one by one and joined with blanks, so that an
// expectation reads like source text: "1 + ( 2 * 3 ) + 4".
inline std::string listLine(const TokenLine& line, const Modes& modes = Modes()) {
    std::string out;
    for (const Token* token = line.head(); token; token = token->next()) {
        if (!out.empty()) out += ' ';
        out += listToken(NoLabels(), modes.view(), *token);
    }
    return out;
}

// Compiles a statement with number words left as names, which keeps the
// expectation independent of number formatting.
inline std::string compileWords(std::string_view statement) {
    TokenLine line;
    Modes modes;
    EXPECT_EQ(line.compile(modes.view(), statement, false), kSuccess);
    return listLine(line, modes);
}

}  // namespace zentrel::test
