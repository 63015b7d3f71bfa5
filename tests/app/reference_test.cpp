#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <string>

#include "app/reference/reference_document.h"
#include "app/reference/reference_lines.h"
#include "app/reference/reference_rows.h"
#include "app/strings/string_table.h"
#include "engine/frontend/name_tables.h"

namespace zentrel {
namespace {

std::string readReference() {
    std::ifstream in(ZENTREL_REFERENCE_DOC, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string joined(const std::vector<std::string>& problems) {
    std::string text;
    for (const std::string& problem : problems)
        text += problem + "\n";
    return text;
}

// The document in the repository has a line for every entry of the engine's
// tables, and nothing else in its tables.
TEST(ReferenceDocument, IsUpToDate) {
    const std::string text = readReference();
    ASSERT_FALSE(text.empty()) << "cannot read " << ZENTREL_REFERENCE_DOC;
    EXPECT_EQ(joined(checkReferenceDocument(text)), "")
        << "rebuild the tables: cmake --build build/default --target update-reference";
}

TEST(ReferenceDocument, ReportsMissingEntriesAndUnknownNames) {
    const std::string text = readReference();
    struct Case {
        std::string from;
        std::string to;
        std::string problem;
    };
    const Case cases[] = {
        {"| `sqrt` |", "| `squareroot` |", "functions: no line for sqrt"},
        {"| `sqrt` |", "| `squareroot` |", "squareroot is not in the engine's tables"},
        {"| `:plot` |", "| `:plott` |", "commands: no line for :plot"},
        {"| `[&&]` |", "| `[and]` |", "operators: no line for [&&]"},
        {"| `endswi` |", "| `endswitch` |", "control-keywords: no line for endswi"},
        {"hyperbolic sine |", "sine |", "functions: the generated table is out of date"},
        {"<!-- generated: messages -->", "", "no generated table for messages"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.to);
        std::string changed = text;
        const std::size_t at = changed.find(c.from);
        ASSERT_NE(at, std::string::npos);
        changed.replace(at, c.from.size(), c.to);
        EXPECT_NE(joined(checkReferenceDocument(changed)).find(c.problem), std::string::npos)
            << joined(checkReferenceDocument(changed));
    }
}

// A table of entries written by hand must name entries of the engine's tables
// too; other tables are free.
TEST(ReferenceDocument, ChecksTablesOfEntriesWrittenByHand) {
    const std::string text = readReference() +
                             "\n| Function | What it does |\n|---|---|\n| `cbrt` | cube root |\n"
                             "| `sqrt` | root |\n\n| Kind | Example |\n|---|---|\n| `cbrt` | x |\n";
    EXPECT_EQ(joined(checkReferenceDocument(text)), "cbrt is not in the engine's tables\n");
}

TEST(ReferenceDocument, UpdateFillsEveryTable) {
    std::string text = "# Reference\n";
    for (const ReferenceSection section : kReferenceSections) {
        text += "<!-- generated: " + std::string(sectionKey(section)) +
                " -->\nold\n<!-- end generated -->\nhand-written text\n";
    }
    std::vector<std::string> problems;
    EXPECT_TRUE(updateReferenceDocument(text, problems));
    EXPECT_EQ(joined(problems), "");
    EXPECT_EQ(joined(checkReferenceDocument(text)), "");
    EXPECT_EQ(text.find("old\n"), std::string::npos);

    std::string unmarked = "# Reference\n";
    EXPECT_FALSE(updateReferenceDocument(unmarked, problems));
    EXPECT_EQ(problems.size(), kReferenceSections.size());
}

// A function's help text begins with its usage line, which must agree with the
// name and arguments of the reference; every help text belongs to one function.
TEST(ReferenceLines, HelpTextsAgreeWithTheArguments) {
    std::vector<int> used;
    for (const ReferenceRow& row : functionReference()) {
        if (row.helpId == 0) continue;
        SCOPED_TRACE(functionName(row.id));
        const std::string_view help = lookupString(row.helpId);
        ASSERT_FALSE(help.empty());
        const std::size_t lineEnd = help.find('\n');
        if (lineEnd != std::string_view::npos) {
            std::string usage(functionName(row.id));
            if (!row.arguments.empty()) usage += " " + std::string(row.arguments);
            EXPECT_EQ(help.substr(0, lineEnd), usage);
        }
        used.push_back(row.helpId);
    }
    for (int id = 3001; id <= 3099; ++id) {
        if (lookupString(id).empty()) continue;
        EXPECT_EQ(std::count(used.begin(), used.end(), id), 1) << id;
    }
}

TEST(ReferenceLines, EveryMessageHasItsMeaning) {
    std::vector<int> described;
    for (const MessageRow& row : messageReference()) {
        EXPECT_FALSE(lookupString(row.stringId).empty()) << row.stringId;
        described.push_back(row.stringId);
    }
    for (int id = 1001; id <= 2999; ++id) {
        if (lookupString(id).empty()) continue;
        EXPECT_EQ(std::count(described.begin(), described.end(), id), 1) << id;
    }
}

// An operator's form is the operator and its operands: without the operands
// and blanks only the operator is left.
TEST(ReferenceLines, OperatorFormsShowTheOperator) {
    for (const ReferenceLine& line : referenceLines(ReferenceSection::Operators)) {
        SCOPED_TRACE(line.name);
        std::string bare;
        const std::string& form = line.arguments;
        for (std::size_t i = 0; i < form.size(); ++i) {
            // An operand is a lower-case word in angle brackets, such as <var>.
            std::size_t end = i + 1;
            while (end < form.size() && std::islower(static_cast<unsigned char>(form[end])))
                ++end;
            if (form[i] == '<' && end > i + 1 && end < form.size() && form[end] == '>') {
                i = end;
            } else if (form[i] != ' ') {
                bare += form[i];
            }
        }
        EXPECT_EQ(bare, line.name) << form;
    }
}

// The terminal shows a heading and then one line per entry, led by its usage.
TEST(ReferenceLines, TerminalTextHasOneLinePerEntry) {
    for (const ReferenceSection section : kReferenceSections) {
        SCOPED_TRACE(sectionKey(section));
        const std::vector<ReferenceLine> lines = referenceLines(section);
        std::istringstream text(terminalReference(section));
        std::string line;
        std::getline(text, line);
        for (const ReferenceLine& entry : lines) {
            ASSERT_TRUE(std::getline(text, line));
            EXPECT_EQ(line.rfind(usageOf(section, entry) + "  ", 0), 0u) << line;
            EXPECT_EQ(line.find('`'), std::string::npos) << line;
        }
        EXPECT_FALSE(std::getline(text, line)) << line;
    }
}

TEST(ReferenceLines, UsageAndModes) {
    const std::vector<ReferenceLine> functions = referenceLines(ReferenceSection::Functions);
    const ReferenceLine& atan2 = functions[static_cast<std::size_t>(FunctionId::Atan2)];
    EXPECT_EQ(usageOf(ReferenceSection::Functions, atan2), "atan2 <y> <x>");
    EXPECT_EQ(atan2.modes, "R C");
    EXPECT_EQ(atan2.help, "<y>/<x>の逆正接");
    const ReferenceLine& rand = functions[static_cast<std::size_t>(FunctionId::Rand)];
    EXPECT_EQ(usageOf(ReferenceSection::Functions, rand), "rand");
    EXPECT_EQ(rand.modes, "all");
    EXPECT_EQ(rand.help, "疑似乱数");
    const std::vector<ReferenceLine> commands = referenceLines(ReferenceSection::Commands);
    EXPECT_EQ(usageOf(ReferenceSection::Commands, commands[0]), ":");
    EXPECT_EQ(usageOf(ReferenceSection::Commands, commands.back()),
              ":replot [<min> <max> [<step>]] [<colour>]");
}

}  // namespace
}  // namespace zentrel
