// zentrel-cli: runs calculator-language lines from -e texts, files or standard
// input on one top-level scope, as if they were typed into the calculator.
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/install/program_paths.h"
#include "app/reference/reference_lines.h"
#include "app/settings/settings_paths.h"
#include "app/system/memory_size.h"
#include "cli/cli_host.h"
#include "cli/interactive.h"
#include "cli/interrupt.h"
#include "cli/png_output.h"
#include "graphics/canvas.h"

namespace {

constexpr const char* kUsage =
    "Usage: zentrel-cli [options] [FILE...]\n"
    "Runs each input line of the calculator language and prints its answer.\n"
    "\n"
    "  -e TEXT      run TEXT as one input line (repeatable)\n"
    "  -            read lines from standard input\n"
    "  --rad        start with angles in radians (the default)\n"
    "  --deg        start with angles in degrees\n"
    "  --grad       start with angles in grads\n"
    "  --mode NAME  start in the numeric mode of the command :NAME (for example\n"
    "               fract, complex, uchar); :ptype returns to it\n"
    "  --seed N     seed the random generator with N instead of the clock\n"
    "  --path DIRS  search external functions (!name runs DIR/name.vdl) in the\n"
    "               folders DIRS, separated by ':', before those of ZENTREL_PATH,\n"
    "               your own folder ($XDG_DATA_HOME/zentrel/extfunc) and the\n"
    "               library installed with the program\n"
    "  --no-default-path  search only the folders of --path and ZENTREL_PATH\n"
    "  --cache N    keep at most N external functions compiled (-1, the\n"
    "               default: no limit; 0: read the file at every call)\n"
    "  --list       print every external function with the first line of its\n"
    "               description, then run the inputs given, if any\n"
    "  --size WxH   give the graphics canvas W x H pixels (:gworld W H) before\n"
    "               the first line\n"
    "  --png FILE   after the last line, write the graphics canvas to FILE as an\n"
    "               8-bit indexed PNG\n"
    "  --max-memory SIZE  let the values (matrices, lists, texts) hold at most\n"
    "               SIZE bytes in all (units K, M, G, T: 512M, 2G); the default\n"
    "               is half of the machine's memory\n"
    "  --max-steps N  stop an input line after N steps with the message of an\n"
    "               interrupted run; a step is a statement or one element\n"
    "               operation on a matrix or text\n"
    "  --functions  print every built-in function: its arguments, what it does,\n"
    "               the numeric modes it works in and its help text\n"
    "  --commands   print every colon command likewise\n"
    "  --help       show this help\n"
    "  --version    show the version\n"
    "\n"
    "Input comes from -e texts and FILEs in command-line order; with neither,\n"
    "from standard input (an interactive prompt on a terminal).\n"
    "A failed assert while :assert is on prints \"assertion failed\" and stops\n"
    "that input line. A loop or conditional still open where a file or the -e\n"
    "texts end is an error.\n"
    "Ctrl-C stops the running input line: at the prompt it returns to the\n"
    "prompt, otherwise the program ends with status 130.\n"
    "Exit status: 0 without errors, 1 after an error, 2 for bad usage,\n"
    "130 when ended by Ctrl-C.\n"
    "\n"
    "The language is taught in the guide, guide.md; reference.md lists every\n"
    "operator, function, control keyword, command and message. Both are in\n"
    "docs/ in the sources and in share/doc/zentrel once installed; the manual\n"
    "page is zentrel-cli(1).\n";

// The shell's status for a program ended by SIGINT.
constexpr int kInterruptedStatus = 130;

struct Input {
    bool isText;  // an -e text, else a file name ("-" for standard input)
    std::string value;
};

// Feeds a stream line by line; `name` prefixes messages when it is a file.
void runStream(zentrel::CliHost& host, std::istream& in, const std::string& name) {
    std::string line;
    for (int number = 1; !zentrel::interruptReceived() && std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        host.runLine(line, name, number);
    }
}

bool runInput(zentrel::CliHost& host, const Input& input) {
    if (input.isText) {
        host.runLine(input.value, "", 0);
        return true;
    }
    if (input.value == "-") {
        runStream(host, std::cin, "");
        return true;
    }
    std::ifstream file(input.value, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "zentrel-cli: cannot open %s: %s\n", input.value.c_str(),
                     std::strerror(errno));
        return false;
    }
    runStream(host, file, input.value);
    return true;
}

struct Options {
    std::vector<Input> inputs;
    zentrel::AngleUnit angleUnit = zentrel::AngleUnit::Radian;
    zentrel::NumberMode mode = zentrel::NumberMode::GFloat;
    std::optional<std::uint32_t> seed;
    std::vector<std::string> folders;
    bool defaultFolders = true;  // the user's function folder and the library
    std::int32_t cacheSize = -1;
    bool list = false;
    std::string sizeLine;  // the :gworld line of --size
    std::string pngPath;
    std::int64_t maxSteps = 0;              // no limit
    std::optional<std::int64_t> maxMemory;  // the default share of the machine
};

// Folders separated by ':'; empty ones are left out.
void addFolders(std::string_view text, std::vector<std::string>& folders) {
    while (!text.empty()) {
        const std::size_t colon = text.find(':');
        const std::string_view folder = text.substr(0, colon);
        if (!folder.empty()) folders.emplace_back(folder);
        if (colon == std::string_view::npos) break;
        text.remove_prefix(colon + 1);
    }
}

// The user's own function folder, then the library installed with the program.
void addDefaultFolders(std::vector<std::string>& folders) {
    const zentrel::EnvironmentPaths environment =
        zentrel::EnvironmentPaths::from([](const char* name) { return std::getenv(name); });
    for (std::string& folder : zentrel::functionFolders(
             zentrel::defaultFunctionPath(environment, zentrel::functionLibraryFolder()))) {
        folders.push_back(std::move(folder));
    }
}

int usageError(const std::string& problem) {
    std::fprintf(stderr, "zentrel-cli: %s\n%s", problem.c_str(), kUsage);
    return 2;
}

std::optional<zentrel::NumberMode> modeByName(const std::string& name) {
    return zentrel::numberModeNamed(name);
}

// A whole decimal number that fits in 64 bits, or nothing.
std::optional<long long> integerOf(const std::string& text) {
    char* end = nullptr;
    errno = 0;
    const long long n = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0) return std::nullopt;
    return n;
}

std::optional<std::uint32_t> seedOf(const std::string& text) {
    const std::optional<long long> n = integerOf(text);
    if (!n) return std::nullopt;
    return static_cast<std::uint32_t>(*n);  // the low 32 bits, as :srand takes them
}

std::optional<std::int64_t> stepCountOf(const std::string& text) {
    const std::optional<long long> n = integerOf(text);
    if (!n || *n < 1) return std::nullopt;
    return *n;
}

// Any negative size means no limit.
std::optional<std::int32_t> cacheSizeOf(const std::string& text) {
    const std::optional<long long> n = integerOf(text);
    if (!n || *n > INT32_MAX) return std::nullopt;
    return *n < 0 ? -1 : static_cast<std::int32_t>(*n);
}

// A side of --size: decimal digits only (no sign, no blank), at most what a
// canvas side may be.
std::optional<std::int32_t> sideOf(std::string_view digits) {
    if (digits.empty() || digits.size() > 9) return std::nullopt;
    std::int32_t side = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        side = side * 10 + (c - '0');
    }
    return side;
}

// "WxH" with two sides a canvas accepts, as the line `:gworld W H`.
std::optional<std::string> worldLineOf(const std::string& text) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos) return std::nullopt;
    const std::optional<std::int32_t> width = sideOf(std::string_view(text).substr(0, x));
    const std::optional<std::int32_t> height = sideOf(std::string_view(text).substr(x + 1));
    if (!width || !height || !zentrel::Canvas::acceptsSize(*width, *height)) return std::nullopt;
    return ":gworld " + std::to_string(*width) + " " + std::to_string(*height);
}

// The options that take a value; false with the problem for a bad one.
bool takeValue(const std::string& option, const char* value, Options& options,
               std::string& problem) {
    if (option == "-e") {
        options.inputs.push_back({true, value});
    } else if (option == "--mode") {
        const std::optional<zentrel::NumberMode> mode = modeByName(value);
        if (!mode) problem = std::string("unknown numeric mode ") + value;
        options.mode = mode.value_or(options.mode);
    } else if (option == "--seed") {
        options.seed = seedOf(value);
        if (!options.seed) problem = std::string("bad seed ") + value;
    } else if (option == "--path") {
        addFolders(value, options.folders);
    } else if (option == "--size") {
        const std::optional<std::string> line = worldLineOf(value);
        if (!line) {
            problem = std::string("bad size ") + value +
                      " (WxH: whole numbers from 1 to 16384, at most 67108864 pixels in all)";
        }
        options.sizeLine = line.value_or(options.sizeLine);
    } else if (option == "--png") {
        if (*value == '\0') problem = "--png needs a file name";
        options.pngPath = value;
    } else if (option == "--max-memory") {
        options.maxMemory = zentrel::parseMemorySize(value);
        if (!options.maxMemory) {
            problem = std::string("bad memory size ") + value + " (for example 512M or 2G)";
        }
    } else if (option == "--max-steps") {
        const std::optional<std::int64_t> steps = stepCountOf(value);
        if (!steps) problem = std::string("bad step count ") + value;
        options.maxSteps = steps.value_or(options.maxSteps);
    } else {
        const std::optional<std::int32_t> size = cacheSizeOf(value);
        if (!size) problem = std::string("bad cache size ") + value;
        options.cacheSize = size.value_or(options.cacheSize);
    }
    return problem.empty();
}

// An option that takes a value: the value, or nothing when the command line ends.
const char* valueOf(int argc, char** argv, int& i) {
    return ++i < argc ? argv[i] : nullptr;
}

// Fills the options; returns -1 to go on, else the exit status.
int parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--functions" || arg == "--commands") {
            std::fputs(zentrel::terminalReference(arg == "--functions"
                                                      ? zentrel::ReferenceSection::Functions
                                                      : zentrel::ReferenceSection::Commands)
                           .c_str(),
                       stdout);
            return 0;
        }
        if (arg == "--version") {
            std::puts("zentrel-cli " ZENTREL_VERSION);
            return 0;
        }
        if (arg == "--rad" || arg == "--deg" || arg == "--grad") {
            options.angleUnit = arg == "--rad"   ? zentrel::AngleUnit::Radian
                                : arg == "--deg" ? zentrel::AngleUnit::Degree
                                                 : zentrel::AngleUnit::Grad;
        } else if (arg == "--list") {
            options.list = true;
        } else if (arg == "--no-default-path") {
            options.defaultFolders = false;
        } else if (arg == "-e" || arg == "--mode" || arg == "--seed" || arg == "--path" ||
                   arg == "--cache" || arg == "--size" || arg == "--png" || arg == "--max-steps" ||
                   arg == "--max-memory") {
            const char* value = valueOf(argc, argv, i);
            if (!value) return usageError(arg + " needs a value");
            std::string problem;
            if (!takeValue(arg, value, options, problem)) return usageError(problem);
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usageError("unknown option " + arg);
        } else {
            options.inputs.push_back({false, arg});
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (const int status = parseOptions(argc, argv, options); status >= 0) return status;

    zentrel::CliHost host(stdout, stderr, options.mode);
    zentrel::Interpreter& interpreter = host.interpreter();
    interpreter.setAngleUnit(options.angleUnit);
    interpreter.seedRandom(options.seed.value_or(static_cast<std::uint32_t>(std::time(nullptr))));
    if (const char* path = std::getenv("ZENTREL_PATH")) addFolders(path, options.folders);
    if (options.defaultFolders) addDefaultFolders(options.folders);
    host.setSearchPath(options.folders);
    interpreter.setCacheSize(options.cacheSize);
    interpreter.setMemoryLimit(
        options.maxMemory.value_or(zentrel::defaultValueMemoryLimit().value_or(0)));
    if (!options.sizeLine.empty()) host.runLine(options.sizeLine, "", 0);
    interpreter.setStepBudget(options.maxSteps);
    bool inputsOk = true;
    std::vector<Input>& inputs = options.inputs;
    if (options.list) {
        host.listFunctions();
        if (inputs.empty()) return host.errorReported() ? 1 : 0;
    }
    if (inputs.empty() && isatty(STDIN_FILENO)) {
        const zentrel::InterruptHandler interrupts(interpreter, true);
        zentrel::runInteractive(host);
    } else {
        // A batch run must also end while it waits for input: reads are not restarted.
        const zentrel::InterruptHandler interrupts(interpreter, false);
        if (inputs.empty()) inputs.push_back({false, "-"});
        for (std::size_t i = 0; i < inputs.size() && !zentrel::interruptReceived(); ++i) {
            inputsOk = runInput(host, inputs[i]) && inputsOk;
            // A file, standard input or a run of -e texts is one input: a loop or
            // conditional it left open ends with it, as an error.
            const bool inputEnds =
                i + 1 == inputs.size() || !inputs[i].isText || !inputs[i + 1].isText;
            if (inputEnds && !zentrel::interruptReceived()) host.closeInput();
        }
        if (zentrel::interruptReceived()) return kInterruptedStatus;
    }
    if (!options.pngPath.empty()) {
        std::string problem;
        if (!zentrel::writePng(host.canvas(), options.pngPath, problem)) {
            std::fprintf(stderr, "zentrel-cli: %s\n", problem.c_str());
            inputsOk = false;
        }
    }
    return host.errorReported() || !inputsOk ? 1 : 0;
}
