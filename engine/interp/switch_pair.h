#pragma once

#include <cstdint>

namespace zentrel {

// An on/off setting that remembers its previous value: setting it with a value
// whose bit 0x80 is set (such as -1) swaps current and saved, so a second such
// call undoes the first; any other value is stored (as a byte) after saving the old.
struct SwitchPair {
    std::uint8_t current = 0;
    std::uint8_t saved = 0;

    static constexpr SwitchPair on() { return {1, 1}; }
    static constexpr SwitchPair off() { return {0, 0}; }

    void set(std::int64_t value) {
        const auto byte = static_cast<std::uint8_t>(value);
        if (byte & 0x80) {
            const std::uint8_t previous = saved;
            saved = current;
            current = previous;
        } else {
            saved = current;
            current = byte;
        }
    }
    bool isOn() const { return current != 0; }
};

}  // namespace zentrel
