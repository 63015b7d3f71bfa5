#include "cli/cli_host.h"

#include <iostream>

#include "app/strings/string_table.h"
#include "engine/interp/error_codes.h"
#include "engine/values/number_text.h"
#include "graphics/standard_glyphs.h"

namespace zentrel {

CliHost::CliHost(std::FILE* out, std::FILE* err, NumberMode startMode)
    : Engine(startMode), out_(out), err_(err) {
    applyNumberMode(context_.modes, shared().modes, startMode);
    defineStandardGlyphs(canvas_);
    attachCanvas(&canvas_);
}

void CliHost::runLine(std::string_view text, std::string_view source, int line) {
    source_ = source;
    line_ = line;
    run(context_, text);
    std::fflush(out_);
}

void CliHost::message(std::string_view text) {
    if (!source_.empty()) std::fprintf(err_, "%s:%d: ", source_.c_str(), line_);
    std::fwrite(text.data(), 1, text.size(), err_);
    std::fputc('\n', err_);
    std::fflush(err_);
}

// A failed assertion is a fault in the script: say so and stop the run.
bool CliHost::onAssertFailed(std::int32_t, std::string_view) {
    errorReported_ = true;
    message("assertion failed");
    return true;
}

void CliHost::reportStatus(ErrorCode code, std::int32_t, std::string_view,
                           std::string_view tokenText) {
    // Every run ends with a report, every function call too; statuses show nothing.
    if (code <= kStatusDone) return;
    if (isError(code)) errorReported_ = true;
    const std::string text = formatReport(code, tokenText);
    if (!text.empty()) message(text);
}

void CliHost::showScalarResult(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), out_);
    std::fputc('\n', out_);
}

void CliHost::showListResult(const Value& list) {
    const ModeView view = modes(context_);
    for (std::int32_t r = 0; r < list.rows(); ++r) {
        for (std::int32_t c = 0; c < list.cols(); ++c) {
            if (c > 0) std::fputc(' ', out_);
            const std::string text = formatNumber(view, list.elementAt(r, c));
            std::fwrite(text.data(), 1, text.size(), out_);
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
    if (!std::getline(std::cin, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

// A new raster starts cleared with the identity transform, so pixel and world
// coordinates agree until a :window. A size beyond the canvas bounds is refused
// before the current picture is dropped.
bool CliHost::onWorld(EngineCanvas&, std::int32_t width, std::int32_t height) {
    return Canvas::acceptsSize(width, height) && canvas_.create(width, height, true);
}

void CliHost::onWindow(EngineCanvas&, double left, double bottom, double right, double top) {
    canvas_.setWindow(left, bottom, right, top);
}

// As the calculator window does, the argument is the variable labelled x in
// rectangular mode and t otherwise; the label is made on first use. A word
// already labelling another variable names that one.
void CliHost::labelArgumentVariable() {
    PlotSettings& settings = canvas_.plotSettings();
    const char letter = settings.isMode(CoordinateMode::Rectangular) ? 'x' : 't';
    const std::string_view word(&letter, 1);
    int slot = context_.variables.find(word);
    if (slot < 0) {
        slot = static_cast<unsigned char>(letter);
        if (context_.variables.attachLabel(static_cast<std::uint8_t>(slot), word) != kSuccess) {
            return;
        }
    }
    settings.argVariable = static_cast<std::uint8_t>(slot);
}

void CliHost::onPlot(EngineCanvas&, double min, double max, double pitch) {
    labelArgumentVariable();
    canvas_.plot(*this, context_, min, max, pitch);
}

void CliHost::onReplot(EngineCanvas&, double min, double max, double pitch) {
    labelArgumentVariable();
    canvas_.replot(*this, context_, min, max, pitch);
}

}  // namespace zentrel
