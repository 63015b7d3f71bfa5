// Every internal limit is refused with an error and leaves the engine usable.
// The cases are written against the limit constants, so that the build with
// shrunken limits (ZENTREL_SMALL_LIMITS) reaches them cheaply.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/interp/called_body.h"
#include "engine/interp/error_codes.h"
#include "engine/values/limits.h"
#include "tests/interp/recording_host.h"

namespace zentrel {
namespace {

std::string repeated(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

// `depth` operands nested inside each other around the number 1.
std::string nestedGroups(int depth) {
    return repeated("( ", depth - 1) + "1" + repeated(" )", depth - 1);
}
std::string nestedUnary(int depth) {
    return repeated("[-] ", depth - 1) + "1";
}

void expectUsableAfterwards(RecordingHost& host) {
    host.reports.clear();
    EXPECT_EQ(host.answerOf("@z = 40; @z + 2"), "42");
    EXPECT_TRUE(host.shownCodes().empty());
}

TEST(NestingLimit, GroupsAndUnaryOperatorsUpToTheLimitRun) {
    RecordingHost host;
    EXPECT_EQ(host.answerOf(nestedGroups(kMaxNestingDepth)), "1");
    EXPECT_EQ(host.answerOf(nestedUnary(kMaxNestingDepth)), kMaxNestingDepth % 2 == 1 ? "1" : "-1");
    EXPECT_TRUE(host.shownCodes().empty());
}

TEST(NestingLimit, DeeperNestingIsRefused) {
    for (const std::string& text :
         {nestedGroups(kMaxNestingDepth + 1), nestedUnary(kMaxNestingDepth + 1),
          "sin " + nestedGroups(kMaxNestingDepth), "@@a " + nestedGroups(kMaxNestingDepth),
          nestedGroups(kMaxNestingDepth * 4)}) {
        SCOPED_TRACE(text);
        RecordingHost host;
        host.run(text);
        EXPECT_EQ(host.shownCodes(), Codes{kErrNestingTooDeep});
        expectUsableAfterwards(host);
    }
}

TEST(CallLimit, RecursionStopsAtTheCallDepth) {
    RecursiveHost host;
    host.run("func down n; return down ( @0 + 1 ); endfunc");
    host.run("down 0");
    EXPECT_EQ(host.deepest, kMaxCallDepth);
    EXPECT_EQ(host.shownCodes(), Codes{kErrCallDepth});
    EXPECT_EQ(host.shared().callDepth, 0);
    expectUsableAfterwards(host);
}

TEST(CallLimit, CallsAndGroupsShareOneNestingBudget) {
    RecursiveHost host;
    // Each level nests a little; together the levels pass the nesting limit
    // before the call limit whenever the nesting limit is the smaller one.
    const int perLevel = kMaxNestingDepth / kMaxCallDepth + 2;
    host.run("func deep n; return " + repeated("( ", perLevel) + "deep ( @0 + 1 )" +
             repeated(" )", perLevel) + "; endfunc");
    host.run("deep 0");
    EXPECT_FALSE(host.shownCodes().empty());
    EXPECT_EQ(host.shared().callDepth, 0);
    expectUsableAfterwards(host);
}

// Words longer than the limit keep their first characters, wherever they stand.
TEST(WordLimit, LongWordsAreCutNotOverrun) {
    const int limit = static_cast<int>(kMaxWordLength);
    for (int length : {limit - 1, limit, limit + 1, limit * 3}) {
        SCOPED_TRACE(length);
        const std::string word(static_cast<std::size_t>(length), 'w');
        RecordingHost host;
        host.run(":label " + word + " @a; " + word + " = 7");
        EXPECT_EQ(host.answerOf("@a"), "7");
        // A label as long as the limit is told apart from one a letter longer.
        host.run(std::string(static_cast<std::size_t>(limit) + 1, 'w') + " = 8");
        EXPECT_EQ(host.answerOf("@a"), length >= limit ? "8" : "7");
        // Numbers, strings, commands and escapes of that length run or fail cleanly.
        for (const std::string& text :
             {std::string(static_cast<std::size_t>(length), '9'), "[\"" + word + "]", ":" + word,
              "[" + std::string(static_cast<std::size_t>(length), '\\') + "]",
              ":strcpy @@s [\"" + word + "]; strlen @@s"}) {
            host.run(text);
        }
        expectUsableAfterwards(host);
    }
}

TEST(WordLimit, TextLengthFollowsTheCut) {
    const std::string word(kMaxWordLength * 2, 'w');
    RecordingHost host;
    EXPECT_EQ(host.answerOf(":strcpy @@s [\"" + word + "]; strlen @@s"),
              std::to_string(kMaxWordLength - 1));
}

// Shapes whose element count passes the limit, or whose sides overflow 32
// bits, are refused with 0x2000 before anything is allocated, and the array
// keeps what it held.
TEST(ElementLimit, OversizedShapesAreRefusedAndTheArrayKept) {
    const std::int64_t side = 65536;  // side * side overflows 32 bits
    const std::int64_t past = kMaxElementCount + 1;
    for (const std::string& text : std::vector<std::string>{
             ":mat " + std::to_string(side) + " " + std::to_string(side) + " @@a",
             ":mat " + std::to_string(past) + " 1 @@a", ":mat 1 " + std::to_string(past) + " @@a",
             ":mat 4294967296 1 @@a",
             "@@a " + std::to_string(side) + " " + std::to_string(side) + " = 1",
             "@@a " + std::to_string(past) + " 0 = 1", "@@a " + std::to_string(past) + " = 1",
             "@@a 1e12 = 1", "@@a 0 " + std::to_string(past) + " = 1"}) {
        SCOPED_TRACE(text);
        RecordingHost host;
        host.run(":mat 2 3 @@a; @@a 1 2 = 5");
        host.run(text);
        EXPECT_EQ(host.shownCodes(), Codes{kOutOfMemory});
        EXPECT_EQ(host.answerOf("row @@a * 10 + col @@a"), "23");
        EXPECT_EQ(host.answerOf("@@a 1 2"), "5");
        expectUsableAfterwards(host);
    }
}

// Only where the limit is small enough to allocate at once: the largest shape
// is accepted, one element more is not.
TEST(ElementLimit, TheLargestShapeFits) {
    if (kMaxElementCount > (1 << 20)) GTEST_SKIP() << "the full limit is too large to allocate";
    RecordingHost host;
    const std::string count = std::to_string(kMaxElementCount);
    host.run(":mat 1 " + count + " @@a; @@a 0 " + std::to_string(kMaxElementCount - 1) + " = 4");
    EXPECT_TRUE(host.shownCodes().empty());
    EXPECT_EQ(host.answerOf("col @@a"), count);
    host.run("@@b " + std::to_string(kMaxElementCount - 1) + " = 3");
    EXPECT_TRUE(host.shownCodes().empty());
    host.run("@@b " + count + " = 3");
    EXPECT_EQ(host.shownCodes(), Codes{kOutOfMemory});
}

}  // namespace
}  // namespace zentrel
