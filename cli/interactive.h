#pragma once

namespace zentrel {

class CliHost;

// The prompt on a terminal: line editing and history until end of input.
void runInteractive(CliHost& host);

}  // namespace zentrel
