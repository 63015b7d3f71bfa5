#include "graphics/palette.h"

#include <cstddef>
#include <initializer_list>

namespace zentrel {

namespace {

struct FixedEntry {
    std::uint8_t index;
    Rgb colour;
};

constexpr FixedEntry kFixedEntries[] = {
    {0, {0, 0, 0}},         {1, {128, 0, 0}},       {2, {0, 128, 0}},       {3, {128, 128, 0}},
    {4, {0, 0, 128}},       {5, {128, 0, 128}},     {6, {0, 128, 128}},     {7, {128, 128, 128}},
    {8, {192, 220, 192}},   {9, {166, 202, 240}},   {212, {204, 204, 255}}, {213, {255, 204, 255}},
    {214, {51, 255, 255}},  {215, {102, 255, 255}}, {216, {153, 255, 255}}, {217, {204, 255, 255}},
    {246, {255, 251, 240}}, {247, {160, 160, 164}}, {248, {128, 128, 128}}, {249, {255, 0, 0}},
    {250, {0, 255, 0}},     {251, {255, 255, 0}},   {252, {0, 0, 255}},     {253, {255, 0, 255}},
    {254, {0, 255, 255}},   {255, {255, 255, 255}},
};

// A run of consecutive entries with one red value: green takes each listed value in
// order and, for each green, blue takes each listed value in order.
struct Run {
    std::size_t first;
    std::uint8_t red;
    std::initializer_list<std::uint8_t> greens;
    std::initializer_list<std::uint8_t> blues;
};

constexpr std::initializer_list<std::uint8_t> kBlue4 = {0, 85, 170, 255};
constexpr std::initializer_list<std::uint8_t> kGreen9 = {0, 31, 63, 95, 127, 159, 191, 223, 255};

constexpr Run kRuns[] = {
    {10, 42, {63}, {170, 255}},   {12, 42, {95, 127, 159, 191, 223, 255}, kBlue4},
    {36, 85, kGreen9, kBlue4},    {72, 127, kGreen9, kBlue4},
    {108, 170, kGreen9, kBlue4},  {144, 212, kGreen9, kBlue4},
    {180, 255, {0}, {85, 170}},   {182, 255, {31, 63, 95, 127, 159, 191, 223}, kBlue4},
    {210, 255, {255}, {85, 170}}, {218, 0, {127, 159, 191, 223}, kBlue4},
    {234, 0, {255}, {85, 170}},   {236, 42, {0, 31}, kBlue4},
    {244, 42, {63}, {0, 85}},
};

struct BuiltPalette {
    std::array<Rgb, kPaletteSize> colours{};
    std::array<int, kPaletteSize> writes{};  // how often each entry was set

    constexpr void set(std::size_t index, Rgb colour) {
        colours[index] = colour;
        ++writes[index];
    }
};

constexpr BuiltPalette buildPalette() {
    BuiltPalette built;
    for (const FixedEntry& entry : kFixedEntries)
        built.set(entry.index, entry.colour);
    for (const Run& run : kRuns) {
        std::size_t index = run.first;
        for (std::uint8_t green : run.greens) {
            for (std::uint8_t blue : run.blues)
                built.set(index++, {run.red, green, blue});
        }
    }
    return built;
}

constexpr bool everyEntrySetOnce(const BuiltPalette& built) {
    for (int writes : built.writes) {
        if (writes != 1) return false;
    }
    return true;
}

static_assert(everyEntrySetOnce(buildPalette()), "palette runs must tile all 256 entries");

constexpr std::array<Rgb, kPaletteSize> kPalette = buildPalette().colours;

constexpr std::array<std::uint8_t, kColourChoiceCount> kChoiceIndices = {
    0, 1, 249, 2, 250, 3, 251, 4, 252, 5, 253, 6, 254, 7, 247, 255,
};
static_assert(kChoiceIndices.size() == static_cast<std::size_t>(ColourChoice::White) + 1);

}  // namespace

const std::array<Rgb, kPaletteSize>& standardPalette() {
    return kPalette;
}

std::uint8_t paletteIndex(ColourChoice choice) {
    const auto value = static_cast<std::int32_t>(choice);
    if (value < 0 || static_cast<std::size_t>(value) >= kChoiceIndices.size()) return 0;
    return kChoiceIndices[static_cast<std::size_t>(value)];
}

}  // namespace zentrel
