#include "engine/interp/host.h"

#include "engine/interp/error_codes.h"

namespace zentrel {

void Host::reportStatus(ErrorCode, std::int32_t, std::string_view, std::string_view) {}
bool Host::assertionFailed(std::int32_t, std::string_view) {
    return false;
}
void Host::showUserWarning(std::string_view) {}
void Host::showUserError(std::string_view) {}
void Host::showScalarResult(std::string_view) {}
void Host::showListResult(const std::vector<std::vector<std::string>>&) {}
void Host::consoleOutput(const std::vector<std::string>&, bool) {}
bool Host::readInput(std::string_view, std::string&) {
    return false;
}
bool Host::functionFolder(std::size_t, std::string&) const {
    return false;
}
std::string Host::functionExtension() const {
    return {};
}
void Host::showFunctionList(const std::vector<FunctionListing>&) {}
// Without a host raster the commands still change the engine canvas's state.
bool Host::createWorld(EngineCanvas&, std::int32_t, std::int32_t) {
    return true;
}
void Host::refresh(EngineCanvas&) {}
void Host::refreshPixel(EngineCanvas&, std::int32_t, std::int32_t) {}
void Host::changeWindow(EngineCanvas&, double, double, double, double) {}
void Host::plot(EngineCanvas&, double, double, double) {}
void Host::replot(EngineCanvas&, double, double, double) {}
ErrorCode Host::runHostCommand(std::uint8_t) {
    return kErrCommand;
}
void Host::traceStatement(const StepView&) {}
bool Host::stopAtStatement(const StepView&) {
    return true;
}

void HostRelay::reportStatus(ErrorCode code, std::int32_t line, std::string_view fileName,
                             std::string_view tokenText) {
    target_.reportStatus(code, line, fileName, tokenText);
}
bool HostRelay::assertionFailed(std::int32_t line, std::string_view fileName) {
    return target_.assertionFailed(line, fileName);
}
void HostRelay::showUserWarning(std::string_view text) {
    target_.showUserWarning(text);
}
void HostRelay::showUserError(std::string_view text) {
    target_.showUserError(text);
}
void HostRelay::showScalarResult(std::string_view text) {
    target_.showScalarResult(text);
}
void HostRelay::showListResult(const std::vector<std::vector<std::string>>& rows) {
    target_.showListResult(rows);
}
void HostRelay::consoleOutput(const std::vector<std::string>& pieces, bool lineEnd) {
    target_.consoleOutput(pieces, lineEnd);
}
bool HostRelay::readInput(std::string_view prompt, std::string& line) {
    return target_.readInput(prompt, line);
}
bool HostRelay::functionFolder(std::size_t index, std::string& folder) const {
    return target_.functionFolder(index, folder);
}
std::string HostRelay::functionExtension() const {
    return target_.functionExtension();
}
void HostRelay::showFunctionList(const std::vector<FunctionListing>& list) {
    target_.showFunctionList(list);
}
bool HostRelay::createWorld(EngineCanvas& canvas, std::int32_t width, std::int32_t height) {
    return target_.createWorld(canvas, width, height);
}
void HostRelay::refresh(EngineCanvas& canvas) {
    target_.refresh(canvas);
}
void HostRelay::refreshPixel(EngineCanvas& canvas, std::int32_t x, std::int32_t y) {
    target_.refreshPixel(canvas, x, y);
}
void HostRelay::changeWindow(EngineCanvas& canvas, double left, double bottom, double right,
                             double top) {
    target_.changeWindow(canvas, left, bottom, right, top);
}
void HostRelay::plot(EngineCanvas& canvas, double min, double max, double pitch) {
    target_.plot(canvas, min, max, pitch);
}
void HostRelay::replot(EngineCanvas& canvas, double min, double max, double pitch) {
    target_.replot(canvas, min, max, pitch);
}
ErrorCode HostRelay::runHostCommand(std::uint8_t commandId) {
    return target_.runHostCommand(commandId);
}
void HostRelay::traceStatement(const StepView& step) {
    target_.traceStatement(step);
}
bool HostRelay::stopAtStatement(const StepView& step) {
    return target_.stopAtStatement(step);
}

}  // namespace zentrel
