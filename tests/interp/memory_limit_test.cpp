// The values of an engine count against its memory account: every store of
// numbers while it exists, and a store that would pass the limit is refused
// before it is made. Checked through the account itself, not the process.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "engine/interp/error_codes.h"
#include "engine/values/limits.h"
#include "tests/interp/recording_host.h"

namespace zentrel {
namespace {

constexpr std::int64_t kNumberBytes = sizeof(Number);

// A host whose scope counts against the engine's account, as an interpreter's does.
class AccountedHost : public RecordingHost {
  public:
    AccountedHost() { ctx.arrays.shareAccount(shared().memory); }
    MemoryAccount& account() { return *shared().memory; }
};

// The arrays below pass the element limit of a build with shrunken limits.
constexpr bool kArraysFit = kMaxElementCount >= 300 * 300;

TEST(MemoryLimit, StoredValuesAreCountedAndGivenBackWhenTheyGo) {
    if (!kArraysFit) GTEST_SKIP();
    std::shared_ptr<MemoryAccount> account;
    {
        AccountedHost host;
        account = host.shared().memory;
        EXPECT_EQ(account->used(), 0);
        host.run(":mat 100 100 @@a");
        EXPECT_GE(account->used(), 10000 * kNumberBytes);
        host.run("@@v 9999 = 1");
        EXPECT_GE(account->used(), 20000 * kNumberBytes);
        // Work that makes and drops values gives back what it took.
        const std::int64_t stored = account->used();
        host.run("@@p = @@a * @@a + @@a; @@q = trans @@a; det @@a; inv @@a; jacobi @@a @@d @@w");
        host.run("func f a[]; return @@0 1 1; endfunc");
        host.run("f @@a; f @@v; :strcpy @@t [\"text]; :sprint @@u 1 2 3");
        host.run("@@l {{1 2 3}{4 5 6}}; @@l");
        for (const ErrorCode code : host.shownCodes())
            EXPECT_FALSE(isError(code)) << std::hex << code;  // inv of the zero matrix warns
        EXPECT_GT(account->used(), stored);  // @@p, @@q, @@d, @@w, @@t, @@u and @@l are kept
    }
    // Every store was given back when its value went: nothing is counted twice or lost.
    EXPECT_EQ(account->used(), 0);
}

struct PastTheLimit {
    std::string statement;
    std::int64_t room;  // Numbers that still fit
};

void PrintTo(const PastTheLimit& c, std::ostream* os) {
    *os << c.statement.substr(0, 60);
}

// A literal of one row of `count` ones.
std::string longLiteral(int count) {
    std::string text = "@@b {{";
    for (int i = 0; i < count; ++i)
        text += " 1";
    return text + "}}";
}

class RefusedStores : public testing::TestWithParam<PastTheLimit> {};

// Each statement would make stores beyond the room left: it is refused with its
// own message, the account stays within the limit, and the engine goes on.
TEST_P(RefusedStores, AStorePastTheLimitIsRefusedBeforeItIsMade) {
    if (!kArraysFit) GTEST_SKIP();
    AccountedHost host;
    host.run(":mat 100 100 @@a");
    host.account().setLimit(host.account().used() + GetParam().room * kNumberBytes);
    host.run(GetParam().statement);
    EXPECT_EQ(host.shownCodes(), Codes{kErrMemoryLimit});
    EXPECT_LE(host.account().used(), host.account().limit());
    EXPECT_EQ(host.answerOf("row @@a + col @@a"), "200");
    EXPECT_EQ(host.answerOf("@@a 5 5 + 1"), "1");
}

INSTANTIATE_TEST_SUITE_P(
    Statements, RefusedStores,
    testing::Values(PastTheLimit{"@@v 200000 = 1", 25000},    // an element list grown at once
                    PastTheLimit{"@@b 300 300 = 1", 25000},   // a matrix grown by a store
                    PastTheLimit{":mat 300 300 @@b", 25000},  // a reshaped array
                    PastTheLimit{"@@b = @@a * @@a", 25000},   // the operands and the product
                    PastTheLimit{"@@b = @@a; @@c = @@a; @@d = @@a", 25000},  // copies add up
                    PastTheLimit{"jacobi @@a @@d @@w", 4000},  // working matrices of doubles
                    PastTheLimit{longLiteral(30000), 25000}));

// A called scope counts against its caller's account: an array argument's copy too.
TEST(MemoryLimit, CalledScopesShareTheAccount) {
    if (!kArraysFit) GTEST_SKIP();
    AccountedHost host;
    host.run(":mat 300 300 @@a; func keep a[]; return 1; endfunc");
    const std::int64_t stored = host.account().used();
    host.account().setLimit(stored + stored / 2);
    host.run("keep @@a");
    EXPECT_EQ(host.shownCodes(), (Codes{kErrMemoryLimit, kErrUserCall}));
    EXPECT_EQ(host.account().used(), stored);
    host.account().setLimit(0);  // no limit
    host.reports.clear();
    EXPECT_EQ(host.answerOf("keep @@a"), "1");
    EXPECT_EQ(host.account().used(), stored);
}

}  // namespace
}  // namespace zentrel
