// zentrel-cli: runs calculator-language lines from -e texts, files or standard
// input on one top-level scope, as if they were typed into the calculator.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_host.h"
#include "cli/interactive.h"

namespace {

constexpr const char* kUsage =
    "Usage: zentrel-cli [options] [FILE...]\n"
    "Runs each input line of the calculator language and prints its answer.\n"
    "\n"
    "  -e TEXT     run TEXT as one input line (repeatable)\n"
    "  -           read lines from standard input\n"
    "  --help      show this help\n"
    "  --version   show the version\n"
    "\n"
    "Input comes from -e texts and FILEs in command-line order; with neither,\n"
    "from standard input (an interactive prompt on a terminal).\n"
    "Exit status: 0 without errors, 1 after an error, 2 for bad usage.\n";

struct Input {
    bool isText;  // an -e text, else a file name ("-" for standard input)
    std::string value;
};

// Feeds a stream line by line; `name` prefixes messages when it is a file.
void runStream(zentrel::CliHost& host, std::istream& in, const std::string& name) {
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
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

}  // namespace

int main(int argc, char** argv) {
    std::vector<Input> inputs;
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
        if (arg == "-e") {
            if (++i == argc) {
                std::fputs("zentrel-cli: -e needs a text\n", stderr);
                return 2;
            }
            inputs.push_back({true, argv[i]});
        } else if (arg.size() > 1 && arg[0] == '-') {
            std::fprintf(stderr, "zentrel-cli: unknown option %s\n%s", arg.c_str(), kUsage);
            return 2;
        } else {
            inputs.push_back({false, arg});
        }
    }

    zentrel::CliHost host(stdout, stderr);
    bool inputsOk = true;
    if (inputs.empty() && isatty(STDIN_FILENO)) {
        zentrel::runInteractive(host);
    } else {
        if (inputs.empty()) inputs.push_back({false, "-"});
        for (const Input& input : inputs)
            inputsOk = runInput(host, input) && inputsOk;
    }
    return host.errorReported() || !inputsOk ? 1 : 0;
}
