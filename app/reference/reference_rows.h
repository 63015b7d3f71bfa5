#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace zentrel {

// The families of numeric modes in which an entry gives a useful result, as
// bits. In the other modes it still runs, and its result is brought to the mode.
enum ModeFamilies : std::uint8_t {
    kRealModes = 1,      // :efloat :float :gfloat
    kComplexModes = 2,   // :ecomplex :complex :gcomplex
    kFractionModes = 4,  // :fract :mfract
    kIntegerModes = 8,   // :char ... :uint
    kRealComplex = kRealModes | kComplexModes,
    kAllButInteger = kRealModes | kComplexModes | kFractionModes,
    kEveryMode = kRealModes | kComplexModes | kFractionModes | kIntegerModes,
};

// The hand-written part of one line of the reference. The entry's name is not
// here: it comes from the engine's name table, at the index `id`.
struct ReferenceRow {
    std::uint8_t id;
    std::string_view arguments;  // "<x> <y>", "[<digits>]"; empty when there are none
    std::string_view description;
    std::uint8_t modes;  // ModeFamilies
    int helpId;          // the function's help text in the string table; 0 for none
};

template <typename Id>
constexpr ReferenceRow referenceRow(Id id, std::string_view arguments, std::string_view description,
                                    std::uint8_t modes, int helpId = 0) {
    return {static_cast<std::uint8_t>(id), arguments, description, modes, helpId};
}

// True when row i describes the entry with id i, for every row: a table that
// misses, repeats or reorders an entry fails to compile.
template <std::size_t N>
constexpr bool rowsFollowIds(const std::array<ReferenceRow, N>& rows) {
    for (std::size_t i = 0; i < N; ++i) {
        if (rows[i].id != i) return false;
    }
    return true;
}

// One row per id of the operator, function, control keyword and command tables.
std::span<const ReferenceRow> operatorReference();
std::span<const ReferenceRow> functionReference();
std::span<const ReferenceRow> controlReference();
std::span<const ReferenceRow> commandReference();

// The English sense of one message of the string table.
struct MessageRow {
    int stringId;
    std::string_view meaning;
};

// One row per warning and error text of the string table, in id order.
std::span<const MessageRow> messageReference();

// A reserved word that always means the same constant.
struct WordRow {
    std::string_view word;
    std::string_view description;
};

std::span<const WordRow> reservedWordReference();

}  // namespace zentrel
