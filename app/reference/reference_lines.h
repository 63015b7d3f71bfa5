#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zentrel {

// The parts of the language reference, each one table.
enum class ReferenceSection : std::uint8_t {
    Operators,
    Functions,
    ControlKeywords,
    Commands,
    ReservedWords,
    Messages,
};

inline constexpr std::array kReferenceSections = {
    ReferenceSection::Operators, ReferenceSection::Functions,     ReferenceSection::ControlKeywords,
    ReferenceSection::Commands,  ReferenceSection::ReservedWords, ReferenceSection::Messages,
};

// One entry of the reference with every column as text. The name is the
// engine's own (`sin`, `:print`, `[-]`), or the message text of the string table.
struct ReferenceLine {
    std::string name;
    std::string arguments;  // an operator's arguments show the whole form: `<a> * <b>`
    std::string description;
    std::string modes;  // "all", or the letters of the mode families: "R C"
    std::string help;   // what the function's help text says it gives
    std::string level;  // an operator's precedence: the higher, the tighter it binds
};

// The word that names the section in the reference document: "functions", ...
std::string_view sectionKey(ReferenceSection section);

// The heading of the name column of the section's table: "Function", ...
std::string_view nameHeading(ReferenceSection section);

std::vector<ReferenceLine> referenceLines(ReferenceSection section);

// How the entry is written with its arguments: `sin <x>`, `:gworld <width> <height>`.
std::string usageOf(ReferenceSection section, const ReferenceLine& line);

// The section for a terminal: a heading, then one line per entry.
std::string terminalReference(ReferenceSection section);

// The section as a Markdown table.
std::string markdownTable(ReferenceSection section);

}  // namespace zentrel
