#include "app/settings/history_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/common/temp_folder.h"

namespace zentrel {
namespace {

using test::readFile;
using test::TempFolder;
using test::writeFile;

constexpr ScreenSize kBitmap{361, 241};

std::tm sampleTime(int day) {
    std::tm time{};
    time.tm_year = 2006 - 1900;
    time.tm_mon = 0;
    time.tm_mday = day;
    time.tm_wday = (day - 1) % 7;  // 1 January 2006 was a Sunday
    time.tm_hour = 9;
    time.tm_min = 3;
    time.tm_sec = 7;
    return time;
}

// A clock that says 5 January 2006 and counts how often it was asked.
struct FixedClock {
    int* calls;
    std::tm operator()() const {
        ++*calls;
        return sampleTime(5);
    }
};

// What writing the whole list at shut-down gives: the reference the history
// written line by line must equal after a normal run.
std::string shutDownWrite(const std::optional<std::string>& before,
                          const std::vector<std::string>& lines) {
    std::string file = before.value_or("");
    if (!file.empty() && file.front() == '#') file.clear();
    if (file.empty()) file = historyHeader(kBitmap);
    file += "\n# " + ctimeText(sampleTime(5));
    for (const std::string& line : lines)
        file += line + "\n";
    return file;
}

TEST(HistoryFile, DatesAreWrittenAsCtimeDoes) {
    EXPECT_EQ(ctimeText(sampleTime(5)), "Thu Jan  5 09:03:07 2006\n");
    std::tm late = sampleTime(31);
    late.tm_mon = 11;
    late.tm_wday = 0;
    late.tm_hour = 23;
    EXPECT_EQ(ctimeText(late), "Sun Dec 31 23:03:07 2006\n");
}

TEST(HistoryFile, TheHeaderDefinesTheWindowFunctionAndTheWorld) {
    EXPECT_EQ(historyHeader(kBitmap),
              "func window left bottom right top backcolor scalecolor\n"
              "\t:ans 0\n"
              "\t:window left bottom right top\n"
              "\t:gupdate 0\n"
              "\t@C=gcolor\n"
              "\t:gclear backcolor\n"
              "\t:wline left 0 right 0 scalecolor\n"
              "\t:wline 0 bottom 0 top scalecolor\n"
              "\t:gcolor @C\n"
              "\t:gupdate \\-1\n"
              "endfunc\n"
              "\n"
              ":ans 0\n"
              ":gworld 361 241\n");
}

// Every kind of file the history may meet, run through a whole run: the file
// written line by line equals the shut-down write.
TEST(HistoryFile, ARunEndsAsTheShutDownWriteWould) {
    const std::vector<std::string> run = {":rad", "window \\-18.05 \\-12.05 18.05 12.05 6 7",
                                          ":rectangular", ":nologscale xy", ":plot [\"sin x]"};
    const std::optional<std::string> starts[] = {
        std::nullopt,                            // a first run
        "",                                      // an empty file
        shutDownWrite(std::nullopt, {":plot"}),  // a second run
        "# an old block\n:plot\n",               // a first line that starts with #
        "#",                                     // nothing but #
        "no line end",                           // someone's script
        "\n# after a blank first line\n",        // the blank line is the first line
    };
    for (const auto& before : starts) {
        SCOPED_TRACE(before.value_or("(missing)"));
        TempFolder folder;
        const std::string path = folder.file("Zentrel.log");
        if (before) writeFile(path, *before);
        int calls = 0;
        HistoryFile history(path, kBitmap, FixedClock{&calls});
        for (const std::string& line : run)
            EXPECT_FALSE(history.append(line));
        history.finish();
        EXPECT_EQ(readFile(path), shutDownWrite(before, run));
        EXPECT_EQ(history.lines(), run);
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(folder.entries(), std::vector<std::string>{"Zentrel.log"});
    }
}

TEST(HistoryFile, EachLineIsOnDiskAsSoonAsItIsMade) {
    TempFolder folder;
    const std::string path = folder.file("Zentrel.log");
    int calls = 0;
    HistoryFile history(path, kBitmap, FixedClock{&calls});
    ASSERT_FALSE(history.append(":deg"));
    EXPECT_EQ(readFile(path), shutDownWrite(std::nullopt, {":deg"}));
    ASSERT_FALSE(history.append(":plot"));
    // The run is not over, and a crash now would keep both lines.
    EXPECT_EQ(readFile(path), shutDownWrite(std::nullopt, {":deg", ":plot"}));

    // The replace rule was decided at the run's first line: the header's own
    // lines are never taken for an old block.
    writeFile(path, "# edited meanwhile\n");
    ASSERT_FALSE(history.append(":polar"));
    EXPECT_EQ(readFile(path), "# edited meanwhile\n:polar\n");
}

TEST(HistoryFile, NoNameOrNoDrawWritesNothing) {
    TempFolder folder;
    int calls = 0;
    {
        HistoryFile off("", kBitmap, FixedClock{&calls});
        EXPECT_FALSE(off.append(":plot"));
        off.finish();
        EXPECT_EQ(off.lines(), std::vector<std::string>{":plot"});
    }
    const std::string path = folder.file("Zentrel.log");
    {
        HistoryFile idle(path, kBitmap, FixedClock{&calls});
        idle.finish();
    }
    EXPECT_EQ(folder.entries(), std::vector<std::string>{});
    writeFile(path, "# old\n");
    {
        HistoryFile idle(path, kBitmap, FixedClock{&calls});
        idle.finish();
    }
    EXPECT_EQ(readFile(path), "# old\n");
    EXPECT_EQ(calls, 0);
}

TEST(HistoryFile, AFileThatCannotBeOpenedIsSkippedAndReportedOnce) {
    TempFolder folder;
    writeFile(folder.file("plain"), "not a folder");
    std::filesystem::create_directory(folder.file("a-folder"));
    for (const std::string& path : {folder.file("a-folder"), folder.file("plain/Zentrel.log")}) {
        SCOPED_TRACE(path);
        int calls = 0;
        HistoryFile history(path, kBitmap, FixedClock{&calls});
        EXPECT_TRUE(history.append(":plot"));
        EXPECT_FALSE(history.append(":plot"));  // the run goes on without the file
        EXPECT_EQ(history.lines().size(), 2u);
    }
    EXPECT_EQ(readFile(folder.file("plain")), "not a folder");
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"a-folder", "plain"}));
}

TEST(HistoryFile, AFailedWriteLeavesTheFileAsItWas) {
    TempFolder folder;
    const std::string path = folder.file("Zentrel.log");
    const std::string before = shutDownWrite(std::nullopt, {":plot"});
    writeFile(path, before);
    int calls = 0;
    HistoryFile history(path, kBitmap, FixedClock{&calls});
    {
        const test::FileSizeLimit limit(before.size() + 20);
        EXPECT_EQ(history.append(":plot [\"" + std::string(100, 'x') + "]"),
                  std::errc::file_too_large);
    }
    EXPECT_EQ(readFile(path), before);
    EXPECT_FALSE(history.append(":plot"));
    EXPECT_EQ(readFile(path), before);
}

TEST(HistoryFile, ANewNameGetsTheWholeRun) {
    TempFolder folder;
    int calls = 0;
    HistoryFile history(folder.file("first.log"), kBitmap, FixedClock{&calls});
    ASSERT_FALSE(history.append(":deg"));
    ASSERT_FALSE(history.setPath(folder.file("second.log")));
    EXPECT_EQ(readFile(folder.file("second.log")), shutDownWrite(std::nullopt, {":deg"}));
    ASSERT_FALSE(history.append(":plot"));
    EXPECT_EQ(readFile(folder.file("second.log")), shutDownWrite(std::nullopt, {":deg", ":plot"}));
    EXPECT_EQ(readFile(folder.file("first.log")), shutDownWrite(std::nullopt, {":deg"}));

    ASSERT_FALSE(history.setPath(""));
    ASSERT_FALSE(history.append(":polar"));
    EXPECT_EQ(readFile(folder.file("second.log")), shutDownWrite(std::nullopt, {":deg", ":plot"}));

    history.finish();
    ASSERT_FALSE(history.append(":rad"));
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"first.log", "second.log"}));
}

}  // namespace
}  // namespace zentrel
