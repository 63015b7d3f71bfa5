#include "cli/interactive.h"

#include <editline/readline.h>

#include <cstdlib>
#include <memory>

#include "cli/cli_host.h"

namespace zentrel {

void runInteractive(CliHost& host) {
    struct FreeLine {
        void operator()(char* p) const { std::free(p); }
    };
    while (true) {
        std::unique_ptr<char, FreeLine> line(readline("> "));
        if (!line) break;
        if (line.get()[0] != '\0') add_history(line.get());
        host.runLine(line.get(), "", 0);
    }
}

}  // namespace zentrel
