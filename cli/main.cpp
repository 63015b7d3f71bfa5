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
#include <vector>

#include "cli/cli_host.h"
#include "cli/interactive.h"
#include "cli/interrupt.h"
#include "engine/builtins/mode_commands.h"

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
    "  --max-steps N  stop an input line after N statements with the message of\n"
    "               an interrupted run\n"
    "  --help       show this help\n"
    "  --version    show the version\n"
    "\n"
    "Input comes from -e texts and FILEs in command-line order; with neither,\n"
    "from standard input (an interactive prompt on a terminal).\n"
    "A failed assert while :assert is on prints \"assertion failed\" and stops\n"
    "that input line.\n"
    "Ctrl-C stops the running input line: at the prompt it returns to the\n"
    "prompt, otherwise the program ends with status 130.\n"
    "Exit status: 0 without errors, 1 after an error, 2 for bad usage,\n"
    "130 when ended by Ctrl-C.\n";

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
    std::int64_t maxSteps = 0;  // no limit
};

int usageError(const std::string& problem) {
    std::fprintf(stderr, "zentrel-cli: %s\n%s", problem.c_str(), kUsage);
    return 2;
}

std::optional<zentrel::NumberMode> modeByName(const std::string& name) {
    zentrel::CommandId id{};
    if (!zentrel::lookupCommand(name, id)) return std::nullopt;
    return zentrel::numberModeOfCommand(id);
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
        if (arg == "--version") {
            std::puts("zentrel-cli " ZENTREL_VERSION);
            return 0;
        }
        if (arg == "--rad" || arg == "--deg" || arg == "--grad") {
            options.angleUnit = arg == "--rad"   ? zentrel::AngleUnit::Radian
                                : arg == "--deg" ? zentrel::AngleUnit::Degree
                                                 : zentrel::AngleUnit::Grad;
        } else if (arg == "-e" || arg == "--mode" || arg == "--seed" || arg == "--max-steps") {
            const char* value = valueOf(argc, argv, i);
            if (!value) return usageError(arg + " needs a value");
            if (arg == "-e") {
                options.inputs.push_back({true, value});
            } else if (arg == "--mode") {
                const std::optional<zentrel::NumberMode> mode = modeByName(value);
                if (!mode) return usageError(std::string("unknown numeric mode ") + value);
                options.mode = *mode;
            } else if (arg == "--seed") {
                options.seed = seedOf(value);
                if (!options.seed) return usageError(std::string("bad seed ") + value);
            } else {
                const std::optional<std::int64_t> steps = stepCountOf(value);
                if (!steps) return usageError(std::string("bad step count ") + value);
                options.maxSteps = *steps;
            }
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
    host.shared().selectAngleUnit(options.angleUnit);
    host.shared().random.seed =
        options.seed.value_or(static_cast<std::uint32_t>(std::time(nullptr)));
    host.setStepBudget(options.maxSteps);
    bool inputsOk = true;
    std::vector<Input>& inputs = options.inputs;
    if (inputs.empty() && isatty(STDIN_FILENO)) {
        zentrel::installInterruptHandler(host, true);
        zentrel::runInteractive(host);
    } else {
        // A batch run must also end while it waits for input: reads are not restarted.
        zentrel::installInterruptHandler(host, false);
        if (inputs.empty()) inputs.push_back({false, "-"});
        for (const Input& input : inputs) {
            if (zentrel::interruptReceived()) break;
            inputsOk = runInput(host, input) && inputsOk;
        }
        if (zentrel::interruptReceived()) return kInterruptedStatus;
    }
    return host.errorReported() || !inputsOk ? 1 : 0;
}
