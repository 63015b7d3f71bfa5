// What the compiler takes: a statement it does not take whole still runs (the
// walk runs it), only slower, so these cases guard the shapes loops, calls and
// plots spend their time in against falling back to the walk unnoticed.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/interp/compiled_line.h"
#include "engine/interp/context.h"
#include "engine/standard_tables.h"

namespace zentrel {
namespace {

enum class Taken { Whole, Parts, Nothing };

// A statement compiled in the scope's modes; the compiled form points into the
// tokens, which live as long as it.
struct Compiled {
    Compiled(const std::string& statement, const Context& ctx, bool parseNumbers = true)
        : modes(ctx.modes, engineModes) {
        EXPECT_EQ(tokens.compile(modes, statement, parseNumbers), kSuccess) << statement;
        line = CompiledLine::compile(tokens, standardDispatchTables(), ctx, modes);
    }
    Taken taken() const {
        if (!line) return Taken::Nothing;
        return line->form() == CompiledLine::StatementForm::Whole ? Taken::Whole : Taken::Parts;
    }

    const EngineModes engineModes;
    const ModeView modes;
    TokenLine tokens;
    std::unique_ptr<CompiledLine> line;
};

struct Case {
    const char* statement;
    Taken taken;
};

TEST(CompiledForm, TakesTheShapesThatRunOften) {
    const Case cases[] = {
        {"@s += @i", Taken::Whole},
        {"@i ++", Taken::Whole},
        {"@s += 1 / ( @k * ( @k + 1 ) )", Taken::Whole},
        {"sin @x * exp ( [-] @x / 10 ) + log10 ( abs @x + 1 )", Taken::Whole},
        {"@y = atan2 @a @b + pow @a 2", Taken::Whole},
        {"@s += f @i", Taken::Whole},
        {"@s = g", Taken::Whole},
        {"@a [<] 3 [&&] @b [>] 2", Taken::Whole},
        {"for ( @i [<] 1000 )", Taken::Whole},
        {"while ( @k [!=] 0 )", Taken::Whole},
        {"return ( @0 * @0 + 1 )", Taken::Whole},
        {"if ( @i % 2 )", Taken::Whole},
        {"case 3", Taken::Whole},
        {":println @s sin @x ( @a + 1 )", Taken::Whole},
        {"@s += @@a @i * @@m @i ( @j + 1 )", Taken::Whole},
        {":gput @i ( @i * @i % 7 ) 3", Taken::Whole},
        {":wline 0 0 @x sin @x", Taken::Whole},
        // Texts, arrays taken whole, commands that read their own way or change
        // the mode, keywords alone and definitions run from one instruction.
        {":println ( @a + 1 ) \"x\"", Taken::Whole},
        {":gfloat 16", Taken::Whole},
        {":gput @@p", Taken::Whole},
        {":println", Taken::Whole},
        {"else", Taken::Whole},
        {"func f x", Taken::Whole},
        {"@s = det @@a + strlen \"abc\" + row @@m", Taken::Whole},
        {"@e = eigen @@a @@d @@v", Taken::Whole},
        {"@s = f @@a \"t\" 2 + !g @@b 1", Taken::Whole},
        {"@m = frexp 8 @e + gwidth + rand", Taken::Whole},
        {"@z = ( 1 2 ) * ( 3 4 5 )", Taken::Whole},
        {"* 2 + 1", Taken::Whole},
        {"@@a @i = @@a ( @i - 1 ) + 1", Taken::Whole},
        {"@@a 1 ++", Taken::Whole},
        {"@@m 1 2 += @s", Taken::Whole},
        {"@s = @@a {1 2} + [++] @b , @: 97", Taken::Whole},
        {"@@: ( @i + 96 ) 1 -= @a ? 1 ( @b * 2 )", Taken::Whole},
        // A literal left open to the next lines is collected by the walk.
        {"@@a {1 2", Taken::Nothing},
        // The walk reports the mistakes.
        {"@@a ( @i + 1 ) {1 2}", Taken::Parts},
        {"@s = @@a 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16", Taken::Nothing},
        {"@a + 1 = 2", Taken::Nothing},
        {"sin", Taken::Nothing},
        {"( 1 2 3 4 )", Taken::Nothing},
    };
    for (const Case& c : cases) {
        Context ctx;
        EXPECT_EQ(Compiled(c.statement, ctx).taken(), c.taken) << c.statement;
    }
}

// A word is read in the scope's radix and labels when the line is compiled;
// a word that means something else by the next run sends the line to the walk.
TEST(CompiledForm, AWordThatChangedMeaningIsNotRunStale) {
    Context ctx;
    const Compiled compiled("@s += ff @i", ctx, false);
    ASSERT_NE(compiled.line, nullptr);
    EXPECT_TRUE(compiled.line->stillValid(ctx, compiled.modes));

    ctx.modes.numberMode = NumberMode::Long;
    ctx.modes.radix = 16;  // `ff` is a number now, not a call
    EXPECT_FALSE(compiled.line->stillValid(ctx, compiled.modes));
    ctx.modes = ContextModes{};
    EXPECT_FALSE(compiled.line->stillValid(ctx, compiled.modes))
        << "a stale line stays with the walk";
}

TEST(CompiledForm, ALabelOfACalledNameSendsTheLineToTheWalk) {
    Context ctx;
    const Compiled compiled("@s += total @i", ctx);
    ASSERT_NE(compiled.line, nullptr);
    int slot = 0;
    ASSERT_EQ(ctx.variables.define("other", Number{}, false, slot), kSuccess);
    EXPECT_TRUE(compiled.line->stillValid(ctx, compiled.modes));
    ASSERT_EQ(ctx.variables.define("total", Number{}, false, slot), kSuccess);
    EXPECT_FALSE(compiled.line->stillValid(ctx, compiled.modes));
}

}  // namespace
}  // namespace zentrel
