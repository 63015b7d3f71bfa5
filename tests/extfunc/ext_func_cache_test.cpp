#include "engine/extfunc/ext_func_cache.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentrel {
namespace {

std::vector<std::string> names(const ExtFuncCache& cache) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < cache.size(); ++i)
        out.push_back(cache.at(i).name);
    return out;
}

// Adds the name and looks it up `uses` times, as that many calls would.
void addUsed(ExtFuncCache& cache, const char* name, int uses) {
    ASSERT_NE(cache.add(name), nullptr);
    for (int i = 0; i < uses; ++i)
        ASSERT_NE(cache.find(name, true), nullptr);
}

TEST(ExtFuncCache, FullCacheGivesUpTheLeastUsedThenTheOldest) {
    ExtFuncCache cache;
    cache.setCapacity(2);
    addUsed(cache, "f", 3);
    addUsed(cache, "g", 1);
    addUsed(cache, "h", 0);
    EXPECT_EQ(names(cache), (std::vector<std::string>{"h", "f"}));

    ExtFuncCache ties;
    ties.setCapacity(2);
    addUsed(ties, "a", 0);
    addUsed(ties, "b", 0);
    addUsed(ties, "c", 0);
    EXPECT_EQ(names(ties), (std::vector<std::string>{"c", "b"}));
}

TEST(ExtFuncCache, LookupIsExactAndOnlyATouchCounts) {
    ExtFuncCache cache;
    addUsed(cache, "Sq", 0);
    EXPECT_EQ(cache.find("sq", true), nullptr);
    EXPECT_EQ(cache.find("Sq", false)->useCount, 0u);
    EXPECT_EQ(cache.find("Sq", true)->useCount, 1u);
    cache.remove("Sq");
    cache.remove("absent");
    EXPECT_EQ(cache.size(), 0u);
}

TEST(ExtFuncCache, CapacityChangesKeepTheMostUsed) {
    ExtFuncCache cache;
    addUsed(cache, "a", 2);
    addUsed(cache, "b", 0);
    addUsed(cache, "c", 1);
    cache.setCapacity(-7);  // any negative: no limit, nothing removed
    EXPECT_EQ(cache.capacity(), ExtFuncCache::kUnlimited);
    EXPECT_EQ(cache.size(), 3u);
    cache.setCapacity(2);
    EXPECT_EQ(names(cache), (std::vector<std::string>{"c", "a"}));
    cache.setCapacity(1);
    EXPECT_EQ(names(cache), (std::vector<std::string>{"a"}));
    cache.setCapacity(0);
    EXPECT_EQ(cache.size(), 0u);
    EXPECT_EQ(cache.add("d"), nullptr);  // caching off
    cache.setCapacity(-1);
    addUsed(cache, "d", 0);
    addUsed(cache, "e", 0);
    cache.clear();
    EXPECT_EQ(cache.size(), 0u);
}

}  // namespace
}  // namespace zentrel
