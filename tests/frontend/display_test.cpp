#include "engine/frontend/display_classifier.h"

#include <gtest/gtest.h>

#include <string>

namespace zentrel {
namespace {

// Spans written as "start-end:kind", joined by blanks.
std::string describe(std::string_view line) {
    std::string out;
    for (const DisplaySpan& span : classifyForDisplay(line)) {
        if (!out.empty()) out += ' ';
        out += std::to_string(span.start) + "-" + std::to_string(span.end) + ":" +
               std::to_string(static_cast<int>(span.kind));
    }
    return out;
}

TEST(DisplayClassifier, KindsOfEveryPiece) {
    struct Case {
        std::string_view line;
        std::string_view spans;
    };
    const Case cases[] = {
        {"sin x", "0-2:10 4-4:5"},
        {"@a = 1.5", "0-1:1 3-3:9 5-7:5"},
        {"@@m + @", "0-2:3 4-4:9 6-6:3"},
        {":print :nosuch :", "0-5:7 7-13:12 15-15:12"},
        {"if (x) {y}", "0-1:8 3-3:0 4-4:5 5-5:13 7-7:14 8-8:5 9-9:15"},
        {"!ext [\"s t] [&] [] [<=]", "0-3:11 5-10:17 12-14:20 16-17:21 19-22:9"},
        {"a;b", "0-0:5 1-1:18 2-2:5"},
        {"a\\;b", "0-3:5"},
        {"x # note", "0-0:5 2-7:19"},
        {"HUGE_VAL 12", "0-7:5 9-10:5"},
        {"a<<=b", "0-0:5 1-3:9 4-4:5"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(describe(c.line), c.spans);
    }
}

TEST(DisplayClassifier, FindsTheSpanUnderTheCaretOrSelection) {
    const auto spans = classifyForDisplay("sin x + log10 y");
    struct Case {
        std::size_t start, length;
        std::size_t found;  // start of the span found; 99 for none
    };
    const Case cases[] = {
        {0, 0, 0}, {1, 0, 0},   {3, 0, 0},   {4, 0, 4},   {5, 0, 4},  {6, 0, 6},
        {9, 0, 8}, {14, 0, 14}, {15, 0, 14}, {16, 0, 99}, {10, 5, 8}, {16, 2, 99},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.start) + "+" + std::to_string(c.length));
        auto span = findOverlappingSpan(spans, c.start, c.length);
        EXPECT_EQ(span ? span->start : 99, c.found);
    }
}

}  // namespace
}  // namespace zentrel
