#include "app/reference/reference_document.h"

#include <optional>
#include <set>

#include "app/reference/reference_lines.h"

namespace zentrel {
namespace {

constexpr std::string_view kEndMarker = "<!-- end generated -->";

std::string beginMarker(ReferenceSection section) {
    return "<!-- generated: " + std::string(sectionKey(section)) + " -->";
}

// The generated text of a section lies between `begin` (just after its marker
// line) and `end` (the start of the end marker).
struct Region {
    std::size_t begin;
    std::size_t end;
};

std::optional<Region> findRegion(std::string_view text, ReferenceSection section) {
    const std::string marker = beginMarker(section) + "\n";
    const std::size_t start = text.find(marker);
    if (start == std::string_view::npos) return std::nullopt;
    const std::size_t begin = start + marker.size();
    const std::size_t end = text.find(kEndMarker, begin);
    if (end == std::string_view::npos) return std::nullopt;
    return Region{begin, end};
}

std::string missingMarkers(ReferenceSection section) {
    return "no generated table for " + std::string(sectionKey(section)) + ": the lines " +
           beginMarker(section) + " and " + std::string(kEndMarker) + " are missing";
}

// The text of the first cell of a table row, without the escapes of `|` and
// without the backquotes of a code span; nothing for a line that is no row.
std::optional<std::string> firstCell(std::string_view line) {
    if (line.substr(0, 2) != "| ") return std::nullopt;
    line.remove_prefix(2);
    const bool code = !line.empty() && line.front() == '`';
    if (code) line.remove_prefix(1);
    std::string text;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == (code ? '`' : '|')) break;
        if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == '|') ++i;
        text += line[i];
    }
    if (!code) text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

bool isEntryHeading(std::string_view heading) {
    for (const ReferenceSection section : kReferenceSections) {
        if (heading == nameHeading(section)) return true;
    }
    return false;
}

// Visits the name of every row of the tables whose first column holds names of
// entries (a heading such as "Function"); other tables are the reader's.
template <typename Visit>
void forEachRowName(std::string_view text, Visit visit) {
    bool entryTable = false;
    std::optional<std::string> previous;
    while (!text.empty()) {
        const std::size_t lineEnd = text.find('\n');
        const std::string_view line = text.substr(0, lineEnd);
        const std::optional<std::string> cell = firstCell(line);
        if (line.substr(0, 4) == "|---") {
            entryTable = previous && isEntryHeading(*previous);
        } else if (!cell) {
            entryTable = false;
        } else if (entryTable) {
            visit(*cell);
        }
        previous = cell;
        if (lineEnd == std::string_view::npos) break;
        text.remove_prefix(lineEnd + 1);
    }
}

// Every entry of the section needs a row in its table.
void checkSection(std::string_view text, ReferenceSection section,
                  std::vector<std::string>& problems) {
    const std::optional<Region> region = findRegion(text, section);
    if (!region) {
        problems.push_back(missingMarkers(section));
        return;
    }
    const std::string_view table = text.substr(region->begin, region->end - region->begin);
    std::multiset<std::string> named;
    forEachRowName(table, [&](const std::string& name) { named.insert(name); });
    for (const ReferenceLine& line : referenceLines(section)) {
        const auto it = named.find(line.name);
        if (it == named.end()) {
            problems.push_back(std::string(sectionKey(section)) + ": no line for " + line.name);
        } else {
            named.erase(it);
        }
    }
    if (table != markdownTable(section)) {
        problems.push_back(std::string(sectionKey(section)) +
                           ": the generated table is out of date");
    }
}

std::set<std::string> namesInTables() {
    std::set<std::string> names;
    for (const ReferenceSection section : kReferenceSections) {
        for (const ReferenceLine& line : referenceLines(section))
            names.insert(line.name);
    }
    return names;
}

}  // namespace

bool updateReferenceDocument(std::string& text, std::vector<std::string>& problems) {
    const std::size_t problemsBefore = problems.size();
    for (const ReferenceSection section : kReferenceSections) {
        const std::optional<Region> region = findRegion(text, section);
        if (!region) {
            problems.push_back(missingMarkers(section));
            continue;
        }
        text.replace(region->begin, region->end - region->begin, markdownTable(section));
    }
    return problems.size() == problemsBefore;
}

std::vector<std::string> checkReferenceDocument(std::string_view text) {
    std::vector<std::string> problems;
    for (const ReferenceSection section : kReferenceSections)
        checkSection(text, section, problems);
    const std::set<std::string> known = namesInTables();
    forEachRowName(text, [&](const std::string& name) {
        if (known.count(name) == 0) problems.push_back(name + " is not in the engine's tables");
    });
    return problems;
}

}  // namespace zentrel
