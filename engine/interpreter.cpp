#include "engine/interpreter.h"

#include "engine/builtins/mode_commands.h"
#include "engine/extfunc/external_functions.h"
#include "engine/interp/context.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "engine/interp/open_constructs.h"
#include "engine/standard_tables.h"
#include "engine/values/number_text.h"

namespace zentrel {

Interpreter::Interpreter(Host& host, NumberMode startMode)
    : context_(std::make_unique<Context>()),
      engine_(std::make_unique<Engine>(host, standardDispatchTables(), startMode)) {
    applyNumberMode(context_->modes, engine_->shared().modes, startMode);
    context_->arrays.shareAccount(engine_->shared().memory);
}

Interpreter::~Interpreter() = default;

RunResult Interpreter::run(std::string_view text) {
    return engine_->run(*context_, text);
}

bool Interpreter::lastRunSucceeded() const {
    const ErrorCode status = engine_->lastRunStatus();
    return status == kStatusValue || status == kStatusDone;
}

bool Interpreter::constructOpen() {
    return findOpenConstruct(*engine_, 0).has_value();
}

bool Interpreter::closeInput() {
    const auto open = findOpenConstruct(*engine_, 0);
    if (!open) return true;
    engine_->report(kErrUnclosedBlock, open->lineNumber, *context_, &open->opener);
    abandonOpenConstructs(*engine_);
    return false;
}

ErrorCode Interpreter::evaluate(std::string_view text, Value& value) {
    const bool shown = engine_->showResult;
    engine_->showResult = false;
    run(text);
    engine_->showResult = shown;
    if (!lastRunSucceeded()) return engine_->lastRunStatus();
    return value.assign(context_->answer());
}

std::vector<std::vector<std::string>> Interpreter::formatRows(const Value& value) const {
    return formatNumberRows(engine_->modes(*context_), value);
}

std::string Interpreter::formatValue(const Value& value) const {
    std::string text;
    for (const std::vector<std::string>& row : formatRows(value)) {
        if (!text.empty()) text += '\n';
        for (const std::string& number : row) {
            if (&number != &row.front()) text += ' ';
            text += number;
        }
    }
    return text;
}

void Interpreter::setNumberMode(NumberMode mode) {
    engine_->presetMode = mode;
    applyNumberMode(context_->modes, engine_->shared().modes, mode);
}

NumberMode Interpreter::numberMode() const {
    return context_->modes.numberMode;
}

void Interpreter::setAngleUnit(AngleUnit unit) {
    engine_->shared().selectAngleUnit(unit);
}

AngleUnit Interpreter::angleUnit() const {
    return engine_->shared().modes.angleUnit;
}

void Interpreter::seedRandom(std::uint32_t seed) {
    engine_->shared().random.seed = seed;
}

void Interpreter::setStepBudget(std::int64_t steps) {
    engine_->setStepBudget(steps);
}

void Interpreter::setCompileOnRun(std::uint8_t nth) {
    engine_->setCompileOnRun(nth);
}

void Interpreter::setMemoryLimit(std::int64_t bytes) {
    engine_->shared().memory->setLimit(bytes);
}

std::int64_t Interpreter::memoryInUse() const {
    return engine_->shared().memory->used();
}

void Interpreter::setCacheSize(std::int32_t size) {
    externalFunctionCache(*engine_).setCapacity(size < 0 ? ExtFuncCache::kUnlimited : size);
}

void Interpreter::forgetFunction(std::string_view name) {
    externalFunctionCache(*engine_).remove(name);
}

void Interpreter::attachCanvas(EngineCanvas* canvas) {
    engine_->attachCanvas(canvas);
}

EngineCanvas& Interpreter::canvas() {
    return engine_->canvas();
}

void Interpreter::registerHostSymbol(std::string_view name) {
    engine_->registerHostSymbol(name);
}

std::optional<std::uint8_t> Interpreter::defineVariableLabel(std::string_view word, char letter) {
    VariableTable& variables = context_->variables;
    const int found = variables.find(word);
    if (found >= 0) return static_cast<std::uint8_t>(found);
    const auto slot = static_cast<std::uint8_t>(letter);
    if (variables.attachLabel(slot, word) != kSuccess) return std::nullopt;
    return slot;
}

void Interpreter::setVariable(std::uint8_t slot, double value) {
    context_->variables.value(slot) = Number::fromReal(value, engine_->fractionRepresentation());
}

std::vector<FunctionListing> Interpreter::listFunctions() {
    return zentrel::listFunctions(*engine_, *context_);
}

std::vector<std::string> Interpreter::describeFunction(std::string_view name) {
    std::vector<std::string> lines;
    if (describeLines(*engine_, name, lines) != kSuccess) lines.clear();
    return lines;
}

void Interpreter::requestStop() noexcept {
    engine_->requestStop();
}

void Interpreter::clearStopRequest() noexcept {
    engine_->shared().stop.reset();
}

std::optional<NumberMode> numberModeNamed(std::string_view commandName) {
    CommandId id{};
    if (!lookupCommand(commandName, id)) return std::nullopt;
    return numberModeOfCommand(id);
}

}  // namespace zentrel
