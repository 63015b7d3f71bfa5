#pragma once

#include <cstdio>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/interp/host.h"
#include "engine/interpreter.h"
#include "graphics/graph_canvas.h"

namespace zentrel {

// The command-line host: answers go to standard output, messages to standard
// error (prefixed by FILE:LINE: for lines read from a file, then by
// FUNCTION:LINE: for a message from inside a function). Called bodies see the
// constant _CONSOLE.
class CliHost : public Host {
  public:
    // The scope starts in `startMode`, which is also the mode :ptype returns to.
    CliHost(std::FILE* out, std::FILE* err, NumberMode startMode = NumberMode::GFloat);

    // Runs one input line on the top-level scope; `source` names the file it
    // came from (empty for -e and typed lines) and `line` its number there.
    void runLine(std::string_view text, std::string_view source, int line);
    // Ends an input (a file, the -e texts): a loop, function, conditional or
    // literal it left open is reported at the line that opened it.
    void closeInput();

    // The folders searched for external functions, in order.
    void setSearchPath(std::vector<std::string> folders) { folders_ = std::move(folders); }
    // Prints every external function, "name - description" or "name".
    void listFunctions();

    // Where :scan reads its lines: standard input unless set; the stream must
    // outlive its use.
    void setInput(std::istream& in) { in_ = &in; }

    bool errorReported() const { return errorReported_; }
    Interpreter& interpreter() { return interpreter_; }
    // The engine canvas, with real pixels once :gworld has made them.
    const GraphCanvas& canvas() const { return canvas_; }

    static constexpr std::string_view kFunctionExtension = ".vdl";

    void reportStatus(ErrorCode code, std::int32_t line, std::string_view fileName,
                      std::string_view tokenText) override;
    bool assertionFailed(std::int32_t line, std::string_view fileName) override;
    void showUserWarning(std::string_view text) override;
    void showUserError(std::string_view text) override;
    void showScalarResult(std::string_view text) override;
    void showListResult(const std::vector<std::vector<std::string>>& rows) override;
    void consoleOutput(const std::vector<std::string>& pieces, bool lineEnd) override;
    bool readInput(std::string_view prompt, std::string& line) override;
    bool functionFolder(std::size_t index, std::string& folder) const override;
    std::string functionExtension() const override { return std::string(kFunctionExtension); }
    void showFunctionList(const std::vector<FunctionListing>& list) override;
    // The engine canvas as a graphics host shows it: :gworld makes the raster,
    // :window sets the world window, :plot and :replot sample on the top scope.
    bool createWorld(EngineCanvas& canvas, std::int32_t width, std::int32_t height) override;
    void changeWindow(EngineCanvas& canvas, double left, double bottom, double right,
                      double top) override;
    void plot(EngineCanvas& canvas, double min, double max, double pitch) override;
    void replot(EngineCanvas& canvas, double min, double max, double pitch) override;

  private:
    void message(std::string_view text, std::string_view function = {}, std::int32_t line = 0);
    void labelArgumentVariable();

    std::FILE* out_;
    std::FILE* err_;
    std::istream* in_;
    std::vector<std::string> folders_;
    GraphCanvas canvas_;
    Interpreter interpreter_;
    std::string source_;
    int line_ = 0;
    int openedAt_ = 0;  // the line where the construct still open began, or 0
    bool errorReported_ = false;
};

}  // namespace zentrel
