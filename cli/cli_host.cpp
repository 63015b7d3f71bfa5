#include "cli/cli_host.h"

#include <iostream>

#include "app/strings/string_table.h"
#include "cli/terminal_text.h"
#include "engine/interp/error_codes.h"
#include "graphics/standard_glyphs.h"

namespace zentrel {

CliHost::CliHost(std::FILE* out, std::FILE* err, NumberMode startMode)
    : out_(out), err_(err), in_(&std::cin), interpreter_(*this, startMode) {
    defineStandardGlyphs(canvas_);
    interpreter_.attachCanvas(&canvas_);
    interpreter_.registerHostSymbol("_CONSOLE");
}

void CliHost::listFunctions() {
    source_.clear();
    showFunctionList(interpreter_.listFunctions());
}

void CliHost::showFunctionList(const std::vector<FunctionListing>& list) {
    // Names and descriptions come from files, which may hold any bytes.
    for (const FunctionListing& f : list) {
        const std::string name = terminalSafe(f.name);
        if (f.description.empty()) {
            std::fprintf(out_, "%s\n", name.c_str());
        } else {
            std::fprintf(out_, "%s - %s\n", name.c_str(), terminalSafe(f.description).c_str());
        }
    }
    std::fflush(out_);
}

bool CliHost::functionFolder(std::size_t index, std::string& folder) const {
    if (index >= folders_.size()) return false;
    folder = folders_[index];
    return true;
}

void CliHost::runLine(std::string_view text, std::string_view source, int line) {
    source_ = source;
    line_ = line;
    interpreter_.run(text);
    if (!interpreter_.constructOpen()) {
        openedAt_ = 0;
    } else if (openedAt_ == 0) {
        openedAt_ = line;
    }
    std::fflush(out_);
}

void CliHost::closeInput() {
    line_ = openedAt_;
    openedAt_ = 0;
    interpreter_.closeInput();
    std::fflush(err_);
}

// A message from inside a function names it, and its line when it has one (a
// user function's lines are those of the input it was typed in).
void CliHost::message(std::string_view text, std::string_view function, std::int32_t line) {
    if (!source_.empty()) std::fprintf(err_, "%s:%d: ", source_.c_str(), line_);
    if (!function.empty()) {
        std::fwrite(function.data(), 1, function.size(), err_);
        if (line > 0) std::fprintf(err_, ":%d", static_cast<int>(line));
        std::fputs(": ", err_);
    }
    std::fwrite(text.data(), 1, text.size(), err_);
    std::fputc('\n', err_);
    std::fflush(err_);
}

// A failed assertion is a fault in the script: say so and stop the run.
bool CliHost::assertionFailed(std::int32_t line, std::string_view fileName) {
    errorReported_ = true;
    message("assertion failed", fileName, line);
    return true;
}

void CliHost::reportStatus(ErrorCode code, std::int32_t line, std::string_view fileName,
                           std::string_view tokenText) {
    // Every run ends with a report, every function call too; statuses show nothing.
    if (code <= kStatusDone) return;
    if (isError(code)) errorReported_ = true;
    const std::string text = formatReport(code, tokenText);
    if (!text.empty()) message(text, fileName, line);
}

void CliHost::showScalarResult(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), out_);
    std::fputc('\n', out_);
}

void CliHost::showListResult(const std::vector<std::vector<std::string>>& rows) {
    for (const std::vector<std::string>& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) std::fputc(' ', out_);
            std::fwrite(row[c].data(), 1, row[c].size(), out_);
        }
        std::fputc('\n', out_);
    }
}

void CliHost::showUserWarning(std::string_view text) {
    message(formatUserWarning(text));
}

void CliHost::showUserError(std::string_view text) {
    message(text);
}

void CliHost::consoleOutput(const std::vector<std::string>& pieces, bool lineEnd) {
    for (const std::string& piece : pieces)
        std::fwrite(piece.data(), 1, piece.size(), out_);
    if (lineEnd) std::fputc('\n', out_);
}

bool CliHost::readInput(std::string_view prompt, std::string& line) {
    std::fwrite(prompt.data(), 1, prompt.size(), out_);
    std::fflush(out_);
    if (!std::getline(*in_, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

// A new raster starts cleared with the identity transform, so pixel and world
// coordinates agree until a :window. A size beyond the canvas bounds is refused
// before the current picture is dropped.
bool CliHost::createWorld(EngineCanvas&, std::int32_t width, std::int32_t height) {
    return Canvas::acceptsSize(width, height) && canvas_.create(width, height, true);
}

void CliHost::changeWindow(EngineCanvas&, double left, double bottom, double right, double top) {
    canvas_.setWindow(left, bottom, right, top);
}

// As the calculator window does, the argument is the variable labelled x in
// rectangular mode and t otherwise; the label is made on first use. A word
// already labelling another variable names that one.
void CliHost::labelArgumentVariable() {
    PlotSettings& settings = canvas_.plotSettings();
    const char letter = settings.isMode(CoordinateMode::Rectangular) ? 'x' : 't';
    if (const auto slot = interpreter_.defineVariableLabel(std::string_view(&letter, 1), letter)) {
        settings.argVariable = *slot;
    }
}

void CliHost::plot(EngineCanvas&, double min, double max, double pitch) {
    labelArgumentVariable();
    canvas_.plot(interpreter_, min, max, pitch);
}

void CliHost::replot(EngineCanvas&, double min, double max, double pitch) {
    labelArgumentVariable();
    canvas_.replot(interpreter_, min, max, pitch);
}

}  // namespace zentrel
