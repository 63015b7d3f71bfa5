#include "cli/interactive.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli/cli_host.h"
#include "cli/interrupt.h"

namespace zentrel {

namespace {

// The line editor is loaded when the prompt first shows, so that scripts and
// -e texts start without it (its libraries were most of a short run's start).
// Where it cannot be loaded, the prompt reads plain lines.
class LineEditor {
  public:
    LineEditor() {
        // Loaded for the rest of the process: unloading it at exit could run
        // its clean-up after the terminal state it restores has gone.
        void* library = dlopen(ZENTREL_LINE_EDITOR, RTLD_NOW | RTLD_LOCAL);
        if (!library) return;
        symbol(library, "readline", readLine_);
        symbol(library, "add_history", addHistory_);
        if (!addHistory_) readLine_ = nullptr;
    }

    // The next line, without its end; nothing at the end of input, and on
    // Ctrl-C (interruptReceived() tells which).
    std::optional<std::string> read(const char* prompt) {
        if (!readLine_) return readPlain(prompt);
        struct FreeLine {
            void operator()(char* p) const { std::free(p); }
        };
        const std::unique_ptr<char, FreeLine> line(readLine_(prompt));
        if (!line) return std::nullopt;
        if (line.get()[0] != '\0') addHistory_(line.get());
        return std::string(line.get());
    }

  private:
    using ReadLine = char* (*)(const char*);
    using AddHistory = int (*)(const char*);

    // A symbol's address as the function it is (copied, as C++ has no cast
    // from an object pointer to a function pointer).
    template <typename Function>
    static void symbol(void* library, const char* name, Function& out) {
        void* address = dlsym(library, name);
        if (address) std::memcpy(&out, &address, sizeof out);
    }

    static std::optional<std::string> readPlain(const char* prompt) {
        std::fputs(prompt, stdout);
        std::fflush(stdout);
        std::string line;
        if (!std::getline(std::cin, line)) {
            std::cin.clear();
            return std::nullopt;
        }
        return line;
    }

    ReadLine readLine_ = nullptr;
    AddHistory addHistory_ = nullptr;
};

}  // namespace

void runInteractive(CliHost& host) {
    LineEditor editor;
    while (true) {
        clearInterrupt();
        const std::optional<std::string> line = editor.read("> ");
        // Ctrl-C at the prompt drops the line being typed, as in a shell.
        if (!line && interruptReceived()) {
            std::fputc('\n', stdout);
            continue;
        }
        if (!line) break;
        host.runLine(*line, "", 0);
    }
}

}  // namespace zentrel
