#include "cli/interactive.h"

#include <editline/readline.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "cli/cli_host.h"
#include "cli/interrupt.h"

namespace zentrel {

void runInteractive(CliHost& host) {
    struct FreeLine {
        void operator()(char* p) const { std::free(p); }
    };
    while (true) {
        clearInterrupt();
        std::unique_ptr<char, FreeLine> line(readline("> "));
        // Ctrl-C at the prompt drops the line being typed, as in a shell.
        if (!line && interruptReceived()) {
            std::fputc('\n', stdout);
            continue;
        }
        if (!line) break;
        if (line.get()[0] != '\0') add_history(line.get());
        host.runLine(line.get(), "", 0);
    }
}

}  // namespace zentrel
