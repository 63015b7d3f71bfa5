#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/extfunc/external_functions.h"
#include "engine/interp/error_codes.h"
#include "tests/extfunc/function_folder.h"

namespace zentrel {
namespace {

using Codes = std::vector<ErrorCode>;

struct CallCase {
    const char* file;  // the text of f.vdl
    const char* call;  // the statement that calls it
};

// What a run shows: the answer, then every report as code@function:line.
std::string transcriptOf(FunctionHost& host, const char* call) {
    std::string out = host.answerOf(call);
    for (const FunctionHost::Report& r : host.reports) {
        if (r.code <= kStatusDone) continue;
        out += " " + std::to_string(r.code) + "@" + r.fileName + ":" + std::to_string(r.line);
    }
    host.reports.clear();
    return out;
}

// A cached call runs the program compiled from the whole file; an uncached
// one compiles each line as it reaches it. Both must show the same.
TEST(ExternalCall, CachedAndLineByLineRunsAgree) {
    const CallCase cases[] = {
        {"return @0 + @1", "!f 2 3"},
        {"@s = 0\nfor @i = 0; @i [<] @0; @i++\n@s += @i\nnext\n@s", "!f 5"},
        {"if @0\nreturn 1\nelse\nreturn 2\nendif", "!f 0"},
        {"switch @0\ncase 1\n@r = 10\nbreakswi\ndefault\n@r = 20\nendswi\n@r", "!f 1"},
        {"@k = 0\ndo\n@k++\nuntil @k [>=] 4\n@k", "!f"},
        {"func g x\nreturn x + 1\nendfunc\ng @0", "!f 41"},
        {":int; :radix 16\nff", "!f"},  // words read in the mode they run in
        {"@a = 1\n1 +\n@a = 2", "!f"},  // an error names its line
        {"return @0 +", "( !f 1 )"},
        {":deg 1; return 180", "!f"},
        {":fract\n1 / 3", ":fract; !f"},
        {"#comment\n\n  \t\n@0 * 2 # trailing", "!f 21"},
        {"return !g", "!f"},               // g does not exist
        {"@z = 5\nwhile @z\n@z--", "!f"},  // a loop left open at the end
    };
    for (const CallCase& c : cases) {
        SCOPED_TRACE(c.file);
        FunctionFolder folder;
        folder.write("f.vdl", c.file);
        FunctionHost cached({folder.path()}, -1);
        FunctionHost uncached({folder.path()}, 0);
        const std::string expected = transcriptOf(cached, c.call);
        EXPECT_EQ(transcriptOf(uncached, c.call), expected);
        EXPECT_EQ(externalFunctionCache(cached.engine).size(), 1u);
        // A second call of the cached function runs the same program again.
        EXPECT_EQ(transcriptOf(cached, c.call), expected);
    }
}

TEST(ExternalCall, ErrorsInsideNameTheFunctionAndLine) {
    FunctionFolder folder;
    folder.write("f.vdl", "# line 1\n@a = 1\n\n1 +\n");
    folder.write("outer.vdl", "@b = 2\n!f\n");
    for (std::int32_t size : {-1, 0}) {
        SCOPED_TRACE(size);
        FunctionHost host({folder.path()}, size);
        EXPECT_EQ(transcriptOf(host, "!outer"), " 8454@f:4 8456@outer:2 8456@:0");
        EXPECT_EQ(host.answerOf("!nosuch 1"), "");
        EXPECT_EQ(host.reports.back().code, kErrExternalOpen);
        EXPECT_EQ(host.reports.back().tokenText, "!nosuch");
    }
}

TEST(ExternalCall, SelfCallsEndAtTheDepthLimit) {
    FunctionFolder folder;
    folder.write("f.vdl", "return !f + 1\n");
    folder.write("a.vdl", "!b\n");
    folder.write("b.vdl", "!a\n");
    for (std::int32_t size : {-1, 0}) {
        for (const char* call : {"!f", "!a"}) {
            SCOPED_TRACE(call);
            FunctionHost host({folder.path()}, size);
            host.answerOf(call);
            EXPECT_EQ(host.shownCodes(), Codes{kErrCallDepth});
            EXPECT_EQ(host.shared().callDepth, 0);
            EXPECT_EQ(host.answerOf("1 + 1"), "2");
        }
    }
}

TEST(ExternalCall, ACachedFileIsReadOnceUntilRemoved) {
    FunctionFolder folder;
    folder.write("f.vdl", "# first\nreturn 1\n");
    FunctionHost host({folder.path()});
    EXPECT_EQ(host.answerOf("!f"), "1");
    folder.write("f.vdl", "# second\nreturn 2\n");
    EXPECT_EQ(host.answerOf("!f"), "1");
    EXPECT_EQ(describe(host.engine, host.ctx, "f"), "first");
    externalFunctionCache(host.engine).remove("f");
    EXPECT_EQ(describe(host.engine, host.ctx, "f"), "second");
    EXPECT_EQ(host.answerOf("!f"), "2");

    externalFunctionCache(host.engine).setCapacity(0);
    folder.write("f.vdl", "return 3\n");
    EXPECT_EQ(host.answerOf("!f"), "3");
    EXPECT_EQ(externalFunctionCache(host.engine).size(), 0u);
}

TEST(ExternalCall, CallsCountUsesAndEvictTheLeastUsed) {
    FunctionFolder folder;
    for (const char* name : {"f", "g", "h"})
        folder.write(std::string(name) + ".vdl", "return 1\n");
    FunctionHost host({folder.path()}, 2);
    host.run("!f; !f; !f; !f; !g; !g; !h");
    const ExtFuncCache& cache = externalFunctionCache(host.engine);
    ASSERT_EQ(cache.size(), 2u);
    EXPECT_EQ(cache.at(0).name, "h");
    EXPECT_EQ(cache.at(1).name, "f");
    EXPECT_EQ(cache.at(1).useCount, 3u);
}

// A function whose own call evicts it from the cache goes on running.
TEST(ExternalCall, AnEntryEvictedWhileItRunsStaysUntilTheRunEnds) {
    FunctionFolder folder;
    folder.write("a.vdl", "@x = !b\n@y = !c\n@x + @y + 100\n");
    folder.write("b.vdl", "return 10\n");
    folder.write("c.vdl", "return 1\n");
    FunctionHost host({folder.path()}, 1);
    EXPECT_EQ(host.answerOf("!a"), "111");
    EXPECT_EQ(host.answerOf("!a"), "111");
    EXPECT_TRUE(host.shownCodes().empty());
}

TEST(ExternalCall, TheHostSymbolIsAConstantOneUnlessRemoved) {
    FunctionFolder folder;
    folder.write("f.vdl", "return _WINDOWS\n");
    folder.write("g.vdl", "_WINDOWS = 3\n");
    FunctionHost host({folder.path()});
    host.engine.registerHostSymbol("_WINDOWS");
    EXPECT_EQ(host.answerOf("!f"), "1");
    host.answerOf("!g");
    EXPECT_EQ(host.shownCodes(), (Codes{kErrAssignToConstant, kErrExternalCall}));
    host.reports.clear();
    host.engine.registerHostSymbol("");
    host.answerOf("!f");
    EXPECT_EQ(host.shownCodes(), (Codes{kErrConstantSyntax, kErrExternalCall}));
}

TEST(ExternalCall, ListingNamesEveryFunctionOnThePathOnce) {
    FunctionFolder first;
    FunctionFolder second;
    first.write("b.vdl", "# - x: from the first folder\nreturn 1\n");
    first.write("A.VDL", "return 2\n");
    first.write("readme.txt", "");
    second.write("b.vdl", "# from the second folder\n");
    second.write("c.vdl.old", "");
    FunctionHost host({first.path(), second.path() + "/"});
    std::string path;
    EXPECT_TRUE(fileExists(host.engine, "b", path));
    EXPECT_EQ(path, first.path() + "/b.vdl");
    EXPECT_FALSE(fileExists(host.engine, "c", path));

    const std::vector<FunctionListing> list = listFunctions(host.engine, host.ctx);
    std::vector<std::string> shown;
    for (const FunctionListing& f : list)
        shown.push_back(f.name + "=" + f.description);
    EXPECT_EQ(shown, (std::vector<std::string>{"a=", "b=b x: from the first folder", "c="}));
    // Only c, listed from c.vdl.old, has no file to open.
    EXPECT_EQ(host.shownCodes(), (Codes{kErrExternalOpen}));
}

// The list lower-cases file names; every name it shows must be callable and
// described, on a file system that tells cases apart too.
TEST(ExternalCall, FilesAreFoundWhateverTheCaseOfNameAndExtension) {
    FunctionFolder folder;
    folder.write("Abc.VDL", "# - doubles\nreturn @0 * 2\n");
    for (std::int32_t size : {-1, 0}) {
        SCOPED_TRACE(size);
        FunctionHost host({folder.path()}, size);
        const std::vector<FunctionListing> list = listFunctions(host.engine, host.ctx);
        ASSERT_EQ(list.size(), 1u);
        EXPECT_EQ(list[0].name, "abc");
        EXPECT_EQ(list[0].description, "abc doubles");
        EXPECT_EQ(host.answerOf("!abc 4"), "8");
        EXPECT_EQ(host.answerOf("!ABC 5"), "10");
        EXPECT_EQ(describe(host.engine, host.ctx, "aBc"), "aBc doubles");
        std::string path;
        EXPECT_TRUE(fileExists(host.engine, "abc", path));
        EXPECT_EQ(path, folder.path() + "/Abc.VDL");
        EXPECT_FALSE(fileExists(host.engine, "ab", path));
        EXPECT_TRUE(host.shownCodes().empty());
    }
}

// The exact name wins in its folder; among names that differ only in case
// the first in byte order is taken, files only; an earlier folder comes first.
TEST(ExternalCall, CaseMatchesAreChosenInAFixedOrder) {
    FunctionFolder first;
    FunctionFolder second;
    first.write("f.vdl", "return 1\n");
    first.write("F.VDL", "return 2\n");
    first.write("g.VDL", "return 3\n");
    first.write("G.vdl", "return 4\n");
    first.write("G.VDL", "return 5\n");
    std::filesystem::create_directory(first.path() + "/H.VDL");
    first.write("h.Vdl", "return 6\n");
    second.write("g.vdl", "return 7\n");
    second.write("k.vdl", "return 8\n");
    for (std::int32_t size : {-1, 0}) {
        SCOPED_TRACE(size);
        FunctionHost host({first.path(), second.path()}, size);
        EXPECT_EQ(host.answerOf("!f"), "1");
        EXPECT_EQ(host.answerOf("!F"), "2");
        EXPECT_EQ(host.answerOf("!g"), "5");
        EXPECT_EQ(host.answerOf("!h"), "6");
        EXPECT_EQ(host.answerOf("!K"), "8");
        EXPECT_TRUE(host.shownCodes().empty());
    }
}

}  // namespace
}  // namespace zentrel
