// A line compiled for speed must show exactly what the walk of its tokens
// shows. Every transcript and every seed of the interpreter's fuzz target runs
// here in-process three ways: never compiled (the reference), compiled on its
// first run and on its second (the default); the streams, the exit status and
// the picture must agree.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/system/memory_size.h"
#include "fuzz/fuzz_host.h"
#include "tests/cli/in_process_run.h"

namespace zentrel {
namespace {

using test::CapturedStream;
using test::CliOutcome;
using test::WorkInTempFolder;

const std::filesystem::path kSourceDir = ZENTREL_SOURCE_DIR;
const std::filesystem::path kScriptsDir = kSourceDir / "tests" / "scripts";

// The start options a transcript's NAME.args gives zentrel-cli.
struct StartOptions {
    NumberMode mode = NumberMode::GFloat;
    AngleUnit angleUnit = AngleUnit::Radian;
    std::uint32_t seed = 1;
    std::vector<std::string> folders;
    std::int32_t cacheSize = -1;
    bool list = false;
    std::string worldLine;  // :gworld W H of --size
    std::int64_t maxSteps = 0;
    std::int64_t maxMemory = defaultValueMemoryLimit().value_or(0);
};

// Folders separated by ':', relative to the transcripts' folder.
void addFolders(const std::string& text, std::vector<std::string>& folders) {
    std::istringstream parts(text);
    std::string folder;
    while (std::getline(parts, folder, ':')) {
        if (!folder.empty()) folders.push_back((kScriptsDir / folder).lexically_normal().string());
    }
}

// Reads the options as zentrel-cli does; an option this runner does not know
// fails the test rather than being left out.
StartOptions startOptionsOf(const std::string& name) {
    StartOptions options;
    std::ifstream file(kScriptsDir / (name + ".args"));
    std::string option;
    std::string value;
    while (file >> option) {
        if (option == "--list") {
            options.list = true;
        } else if (option == "--deg" || option == "--grad") {
            options.angleUnit = option == "--deg" ? AngleUnit::Degree : AngleUnit::Grad;
        } else if (!(file >> value)) {
            ADD_FAILURE() << name << ".args: " << option << " without its value";
        } else if (option == "--path") {
            addFolders(value, options.folders);
        } else if (option == "--cache") {
            options.cacheSize = std::stoi(value);
        } else if (option == "--max-steps") {
            options.maxSteps = std::stoll(value);
        } else if (option == "--max-memory") {
            options.maxMemory = parseMemorySize(value).value_or(-1);
        } else if (option == "--size") {
            std::replace(value.begin(), value.end(), 'x', ' ');
            options.worldLine = ":gworld " + value;
        } else if (option == "--mode") {
            options.mode = numberModeNamed(value).value_or(options.mode);
        } else {
            ADD_FAILURE() << name << ".args: " << option << " is not run in-process yet";
        }
    }
    return options;
}

// Runs the transcript NAME.zen as `zentrel-cli NAME.zen` would, with standard
// input from NAME.in, in a folder of its own.
CliOutcome runTranscript(const std::string& name, std::uint8_t compileOnRun) {
    const StartOptions options = startOptionsOf(name);
    const WorkInTempFolder work;
    CapturedStream out;
    CapturedStream err;
    CliHost host(out.file(), err.file(), options.mode);
    Interpreter& interpreter = host.interpreter();
    interpreter.setCompileOnRun(compileOnRun);
    interpreter.setAngleUnit(options.angleUnit);
    interpreter.seedRandom(options.seed);
    host.setSearchPath(options.folders);
    interpreter.setCacheSize(options.cacheSize);
    interpreter.setMemoryLimit(options.maxMemory);
    if (!options.worldLine.empty()) host.runLine(options.worldLine, "", 0);
    interpreter.setStepBudget(options.maxSteps);
    if (options.list) host.listFunctions();
    std::ifstream input(kScriptsDir / (name + ".in"));
    host.setInput(input);
    std::ifstream script(kScriptsDir / (name + ".zen"), std::ios::binary);
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        host.runLine(line, name + ".zen", number);
    }
    host.closeInput();
    return {out.text(), err.text(), host.errorReported() ? 1 : 0, test::pictureOf(host.canvas())};
}

// Runs a file as the interpreter's fuzz target runs an input.
CliOutcome runFuzzSeed(const std::string& path, std::uint8_t compileOnRun) {
    const WorkInTempFolder work;
    CapturedStream sink;
    FuzzHost host(sink.file());
    host.interpreter().setCompileOnRun(compileOnRun);
    runFuzzInput(host, test::readFile(path));
    return {sink.text(), "", host.errorReported() ? 1 : 0, test::pictureOf(host.canvas())};
}

template <class Run>
void expectCompiledAsWalked(const Run& run) {
    const CliOutcome walked = run(0);
    for (const std::uint8_t compileOnRun : {1, 2}) {
        SCOPED_TRACE("compiled on run " + std::to_string(compileOnRun));
        const CliOutcome compiled = run(compileOnRun);
        EXPECT_EQ(compiled.out, walked.out);
        EXPECT_EQ(compiled.err, walked.err);
        EXPECT_EQ(compiled.status, walked.status);
        EXPECT_TRUE(compiled.picture == walked.picture) << "the pictures differ";
    }
}

std::vector<std::string> sortedFiles(const std::filesystem::path& folder, std::string_view ext) {
    std::vector<std::string> files;
    if (!std::filesystem::is_directory(folder)) return files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() && (ext.empty() || entry.path().extension() == ext))
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> transcriptNames() {
    std::vector<std::string> names;
    for (const std::string& file : sortedFiles(kScriptsDir, ".zen"))
        names.push_back(std::filesystem::path(file).stem().string());
    return names;
}

// The seeds the fuzz scripts give the interpreter's target: the transcripts
// and every file of the function library, each whole.
std::vector<std::string> fuzzSeedFiles() {
    std::vector<std::string> files = sortedFiles(kScriptsDir, ".zen");
    for (std::string& file : sortedFiles(kSourceDir / "share" / "extfunc", ""))
        files.push_back(std::move(file));
    return files;
}

std::string testNameOf(const testing::TestParamInfo<std::string>& info) {
    std::string name = std::filesystem::path(info.param).filename().string();
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

class CompiledTranscript : public testing::TestWithParam<std::string> {};

std::string transcriptFile(const std::string& name, const char* ext) {
    return test::readFile((kScriptsDir / (name + ext)).string());
}

TEST_P(CompiledTranscript, ShowsWhatTheWalkShows) {
    expectCompiledAsWalked([&](std::uint8_t nth) { return runTranscript(GetParam(), nth); });
}

// The in-process run is the command-line program's run: were it not, the
// comparison above could agree on nothing.
TEST_P(CompiledTranscript, RunsAsTheProgramDoes) {
    const std::string& name = GetParam();
    const CliOutcome walked = runTranscript(name, 0);
    EXPECT_EQ(walked.out, transcriptFile(name, ".out"));
    EXPECT_EQ(walked.err, transcriptFile(name, ".err"));
    // A transcript without NAME.status leaves the status unchecked.
    if (const std::string status = transcriptFile(name, ".status"); !status.empty()) {
        EXPECT_EQ(walked.status, std::stoi(status));
    }
}

INSTANTIATE_TEST_SUITE_P(Transcripts, CompiledTranscript, testing::ValuesIn(transcriptNames()),
                         testNameOf);

class CompiledFuzzSeed : public testing::TestWithParam<std::string> {};

TEST_P(CompiledFuzzSeed, ShowsWhatTheWalkShows) {
    expectCompiledAsWalked([&](std::uint8_t nth) { return runFuzzSeed(GetParam(), nth); });
}

INSTANTIATE_TEST_SUITE_P(Seeds, CompiledFuzzSeed, testing::ValuesIn(fuzzSeedFiles()), testNameOf);

// A function file rewritten between two calls from a compiled line is read
// again when the cache keeps nothing or has been told to forget it.
CliOutcome callRewrittenFunction(std::uint8_t compileOnRun) {
    const WorkInTempFolder work;
    CapturedStream out;
    CliHost host(out.file(), out.file());
    Interpreter& interpreter = host.interpreter();
    interpreter.setCompileOnRun(compileOnRun);
    host.setSearchPath({std::filesystem::current_path().string()});
    const auto run = [&](std::initializer_list<const char*> lines) {
        for (const char* line : lines)
            host.runLine(line, "", 0);
    };
    interpreter.setCacheSize(0);
    test::writeFile("ext.vdl", "return @0 + 1");
    run({"func caller x; return !ext x * 2; endfunc", "caller 1", "caller 2", "caller 3"});
    test::writeFile("ext.vdl", "return @0 * 10");
    run({"caller 1", "caller 2"});
    interpreter.setCacheSize(-1);
    run({"caller 3", "caller 4"});
    test::writeFile("ext.vdl", "return @0 - 1");
    run({"caller 5"});
    interpreter.forgetFunction("ext");
    run({"caller 6", "caller 7"});
    return {out.text(), "", host.errorReported() ? 1 : 0, ""};
}

TEST(CompiledExternalCall, ReadsTheRewrittenFileAsTheWalkDoes) {
    expectCompiledAsWalked(callRewrittenFunction);
    EXPECT_EQ(callRewrittenFunction(2).out, "4\n6\n8\n20\n40\n60\n80\n100\n10\n12\n");
}

}  // namespace
}  // namespace zentrel
