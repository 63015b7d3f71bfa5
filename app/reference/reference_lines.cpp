#include "app/reference/reference_lines.h"

#include <algorithm>
#include <span>
#include <utility>

#include "app/reference/reference_rows.h"
#include "app/strings/string_table.h"
#include "engine/frontend/name_tables.h"

namespace zentrel {
namespace {

struct SectionTexts {
    ReferenceSection section;
    std::string_view key;
    std::string_view title;        // the terminal heading
    std::string_view nameHeading;  // the Markdown heading of the name column
    std::string_view argumentsHeading;
};

constexpr std::array<SectionTexts, kReferenceSections.size()> kSectionTexts{{
    {ReferenceSection::Operators, "operators", "Operators", "Operator", "Form"},
    {ReferenceSection::Functions, "functions", "Built-in functions", "Function", "Arguments"},
    {ReferenceSection::ControlKeywords, "control-keywords", "Control keywords", "Keyword",
     "Arguments"},
    {ReferenceSection::Commands, "commands", "Colon commands", "Command", "Arguments"},
    {ReferenceSection::ReservedWords, "reserved-words", "Reserved words", "Word", ""},
    {ReferenceSection::Messages, "messages", "Messages", "Message", ""},
}};

constexpr bool textsFollowSections() {
    for (std::size_t i = 0; i < kSectionTexts.size(); ++i) {
        if (kSectionTexts[i].section != kReferenceSections[i]) return false;
    }
    return true;
}
static_assert(textsFollowSections());

const SectionTexts& textsOf(ReferenceSection section) {
    return kSectionTexts[static_cast<std::size_t>(section)];
}

std::string modeLetters(std::uint8_t modes) {
    if (modes == kEveryMode) return "all";
    static constexpr std::array<std::pair<std::uint8_t, char>, 4> kLetters{{
        {kRealModes, 'R'},
        {kComplexModes, 'C'},
        {kFractionModes, 'F'},
        {kIntegerModes, 'I'},
    }};
    std::string letters;
    for (const auto& [family, letter] : kLetters) {
        if ((modes & family) == 0) continue;
        if (!letters.empty()) letters += ' ';
        letters += letter;
    }
    return letters;
}

// A help text is a usage line and a line saying what the function gives; a
// text of one line only says what it gives.
std::string helpMeaning(int helpId) {
    if (helpId == 0) return {};
    const std::string_view help = lookupString(helpId);
    const std::size_t lineEnd = help.find('\n');
    return std::string(lineEnd == std::string_view::npos ? help : help.substr(lineEnd + 1));
}

std::string nameOf(ReferenceSection section, std::uint8_t id) {
    switch (section) {
        case ReferenceSection::Operators:
            return std::string(operatorText(id));
        case ReferenceSection::Functions:
            return std::string(functionName(id));
        case ReferenceSection::ControlKeywords:
            return std::string(controlKeyword(id));
        default:
            return ":" + std::string(commandName(id));
    }
}

std::span<const ReferenceRow> rowsOf(ReferenceSection section) {
    switch (section) {
        case ReferenceSection::Operators:
            return operatorReference();
        case ReferenceSection::Functions:
            return functionReference();
        case ReferenceSection::ControlKeywords:
            return controlReference();
        default:
            return commandReference();
    }
}

std::vector<ReferenceLine> tableLines(ReferenceSection section) {
    std::vector<ReferenceLine> lines;
    for (const ReferenceRow& row : rowsOf(section)) {
        lines.push_back({nameOf(section, row.id),
                         std::string(row.arguments),
                         std::string(row.description),
                         modeLetters(row.modes),
                         helpMeaning(row.helpId),
                         {}});
        if (section == ReferenceSection::Operators)
            lines.back().level = std::to_string(operatorLevel(row.id));
    }
    return lines;
}

std::vector<ReferenceLine> reservedWordLines() {
    std::vector<ReferenceLine> lines;
    for (const WordRow& row : reservedWordReference())
        lines.push_back({std::string(row.word), {}, std::string(row.description), "all", {}, {}});
    return lines;
}

std::vector<ReferenceLine> messageLines() {
    std::vector<ReferenceLine> lines;
    for (const MessageRow& row : messageReference()) {
        lines.push_back(
            {std::string(lookupString(row.stringId)), {}, std::string(row.meaning), {}, {}, {}});
    }
    return lines;
}

bool hasHelp(const std::vector<ReferenceLine>& lines) {
    for (const ReferenceLine& line : lines) {
        if (!line.help.empty()) return true;
    }
    return false;
}

// Code spans in descriptions are marked with backquotes, which a terminal shows as they are.
std::string withoutBackquotes(std::string_view text) {
    std::string plain;
    for (const char c : text) {
        if (c != '`') plain += c;
    }
    return plain;
}

// A table cell: a `|` would end the cell, and outside code spans a `<` could
// start an HTML tag.
std::string cell(std::string_view text, bool inCode) {
    std::string escaped;
    for (const char c : text) {
        if (c == '`') inCode = !inCode;
        if (c == '|') escaped += '\\';
        if (c == '<' && !inCode) {
            escaped += "&lt;";
            continue;
        }
        escaped += c;
    }
    return escaped;
}

std::string textCell(std::string_view text) {
    return cell(text, false);
}

std::string codeCell(std::string_view text) {
    return text.empty() ? std::string() : "`" + cell(text, true) + "`";
}

}  // namespace

std::string_view sectionKey(ReferenceSection section) {
    return textsOf(section).key;
}

std::string_view nameHeading(ReferenceSection section) {
    return textsOf(section).nameHeading;
}

std::vector<ReferenceLine> referenceLines(ReferenceSection section) {
    switch (section) {
        case ReferenceSection::ReservedWords:
            return reservedWordLines();
        case ReferenceSection::Messages:
            return messageLines();
        default:
            return tableLines(section);
    }
}

std::string usageOf(ReferenceSection section, const ReferenceLine& line) {
    if (section == ReferenceSection::Operators || line.arguments.empty()) {
        return line.arguments.empty() ? line.name : line.arguments;
    }
    return line.name + " " + line.arguments;
}

std::string terminalReference(ReferenceSection section) {
    constexpr std::size_t kUsageWidth = 26;
    std::string text = std::string(textsOf(section).title) +
                       " (modes: R real, C complex, F fraction, I integer)\n";
    for (const ReferenceLine& line : referenceLines(section)) {
        std::string usage = usageOf(section, line);
        usage.resize(std::max(usage.size() + 2, kUsageWidth), ' ');
        text += usage + withoutBackquotes(line.description);
        if (!line.modes.empty()) text += "  [" + line.modes + "]";
        if (!line.help.empty()) text += "  " + line.help;
        text += '\n';
    }
    return text;
}

std::string markdownTable(ReferenceSection section) {
    const SectionTexts& texts = textsOf(section);
    const std::vector<ReferenceLine> lines = referenceLines(section);
    const bool withArguments = !texts.argumentsHeading.empty();
    const bool withModes = section != ReferenceSection::Messages;
    const bool withHelp = hasHelp(lines);
    const bool withLevel = section == ReferenceSection::Operators;

    std::vector<std::string_view> headings{texts.nameHeading};
    if (withArguments) headings.push_back(texts.argumentsHeading);
    if (withLevel) headings.push_back("Level");
    headings.push_back(withModes ? "What it does" : "Meaning");
    if (withModes) headings.push_back("Modes");
    if (withHelp) headings.push_back("Help");

    std::string table = "|";
    for (const std::string_view heading : headings)
        table += " " + std::string(heading) + " |";
    table += "\n|";
    for (std::size_t i = 0; i < headings.size(); ++i)
        table += "---|";
    table += '\n';
    for (const ReferenceLine& line : lines) {
        table += "| " + codeCell(line.name) + " |";
        if (withArguments) table += " " + codeCell(line.arguments) + " |";
        if (withLevel) table += " " + line.level + " |";
        table += " " + textCell(line.description) + " |";
        if (withModes) table += " " + line.modes + " |";
        if (withHelp) table += " " + textCell(line.help) + " |";
        table += '\n';
    }
    return table;
}

}  // namespace zentrel
