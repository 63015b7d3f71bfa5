#include "app/system/memory_size.h"

#include <unistd.h>

namespace zentrel {

namespace {

constexpr std::int64_t kLargestSize = std::int64_t{1} << 62;

// The power of 1024 a unit letter stands for, or -1.
int unitPower(char unit) {
    switch (unit) {
        case 'k':
        case 'K':
            return 1;
        case 'm':
        case 'M':
            return 2;
        case 'g':
        case 'G':
            return 3;
        case 't':
        case 'T':
            return 4;
        default:
            return -1;
    }
}

}  // namespace

std::optional<std::int64_t> parseMemorySize(std::string_view text) {
    std::size_t digits = 0;
    std::int64_t size = 0;
    for (; digits < text.size() && text[digits] >= '0' && text[digits] <= '9'; ++digits) {
        const int digit = text[digits] - '0';
        if (size > (kLargestSize - digit) / 10) return std::nullopt;
        size = size * 10 + digit;
    }
    if (digits == 0) return std::nullopt;
    std::string_view unit = text.substr(digits);
    if (!unit.empty() && (unit.back() == 'b' || unit.back() == 'B') && unit.size() == 2) {
        unit.remove_suffix(1);
    }
    if (unit.size() > 1) return std::nullopt;
    const int power = unit.empty() ? 0 : unitPower(unit.front());
    if (power < 0) return std::nullopt;
    for (int i = 0; i < power; ++i) {
        if (size > kLargestSize / 1024) return std::nullopt;
        size *= 1024;
    }
    if (size == 0) return std::nullopt;
    return size;
}

std::optional<std::int64_t> defaultValueMemoryLimit() {
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0) return std::nullopt;
    return std::int64_t{pages} * pageSize / 2;
}

}  // namespace zentrel
