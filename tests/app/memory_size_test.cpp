#include "app/system/memory_size.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace zentrel {
namespace {

TEST(MemorySize, ReadsDigitsWithAnOptionalUnit) {
    constexpr std::int64_t K = 1024;
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {"4096", 4096},
        {"512K", 512 * K},
        {"512k", 512 * K},
        {"100M", 100 * K * K},
        {"2G", 2 * K * K * K},
        {"2GB", 2 * K * K * K},
        {"1t", K * K * K * K},
        {"0", std::nullopt},
        {"0G", std::nullopt},
        {"", std::nullopt},
        {"G", std::nullopt},
        {"-1G", std::nullopt},
        {"1.5G", std::nullopt},
        {"1 G", std::nullopt},
        {"1X", std::nullopt},
        {"1GBB", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"8388608T", std::nullopt},  // 2^63 bytes
    };
    for (const auto& [text, size] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(parseMemorySize(text), size);
    }
}

TEST(MemorySize, TheDefaultIsAShareOfTheMachine) {
    const std::optional<std::int64_t> limit = defaultValueMemoryLimit();
    ASSERT_TRUE(limit.has_value());
    EXPECT_GT(*limit, std::int64_t{64} << 20);
}

}  // namespace
}  // namespace zentrel
