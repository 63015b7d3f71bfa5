#include "engine/extfunc/function_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/extfunc/function_folder.h"

namespace zentrel {
namespace {

std::vector<std::string> linesOf(const FunctionFolder& folder, const std::string& text) {
    folder.write("f.vdl", text);
    FunctionFileReader reader;
    EXPECT_TRUE(reader.open(folder.path() + "/f.vdl"));
    std::vector<std::string> lines;
    std::string line;
    while (reader.nextLine(line))
        lines.push_back(line);
    return lines;
}

TEST(FunctionFileReader, LongLinesArriveWholeWhateverTheirLength) {
    FunctionFolder folder;
    const std::string piece(kFileReadPiece, 'a');
    const std::vector<std::string> cases[] = {
        {piece},
        {piece + "b"},
        {piece + piece, ""},
        {std::string(kFileReadPiece - 1, 'c'), piece, std::string(3 * kFileReadPiece + 7, 'd')},
    };
    for (const std::vector<std::string>& lines : cases) {
        std::string text;
        for (const std::string& line : lines)
            text += line + "\n";
        SCOPED_TRACE(text.size());
        EXPECT_EQ(linesOf(folder, text), lines);
    }
}

TEST(FunctionFileReader, LineEndsAndTheLastLine) {
    FunctionFolder folder;
    EXPECT_EQ(linesOf(folder, "a\r\nb\n\nc"), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_EQ(linesOf(folder, ""), std::vector<std::string>{});
    EXPECT_EQ(linesOf(folder, "\n"), std::vector<std::string>{""});
    FunctionFileReader reader;
    EXPECT_FALSE(reader.open(folder.path()));  // a folder is no function file
}

TEST(FunctionPath, FolderSeparatorAndTrailingSeparator) {
    EXPECT_EQ(functionPath("/lib/fn", "sq", ".vdl"), "/lib/fn/sq.vdl");
    EXPECT_EQ(functionPath("/lib/fn/", "sq", ".vdl"), "/lib/fn/sq.vdl");
    EXPECT_EQ(functionPath("/", "sq", ".vdl"), "/sq.vdl");
    EXPECT_EQ(functionPath("", "sq", ".vdl"), "sq.vdl");
}

struct DescriptionCase {
    std::vector<std::string_view> file;
    std::vector<std::string> description;
};

TEST(DescriptionCollector, LeadingCommentBlockWithDashesForTheName) {
    const DescriptionCase cases[] = {
        {{"# - x: square of x", "# second", "return @0 * @0", "# not any more"},
         {"sq x: square of x", "second"}},
        {{" \t#  indented", "#!/shebang and notes", "#", "@a = 1"}, {"indented", ""}},
        {{"", "# after a blank line"}, {}},
        {{"return 1 # a comment after code"}, {}},
        {{"#!only a note"}, {}},
    };
    for (const DescriptionCase& c : cases) {
        SCOPED_TRACE(c.file.front());
        DescriptionCollector collector("sq");
        for (std::string_view line : c.file)
            collector.take(line);
        EXPECT_EQ(collector.lines(), c.description);
    }
}

}  // namespace
}  // namespace zentrel
