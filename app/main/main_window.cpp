#include "app/main/main_window.h"

#include <array>
#include <optional>
#include <utility>

#include "app/main/field_numbers.h"
#include "app/settings/history_constant.h"
#include "app/settings/settings_paths.h"
#include "app/strings/string_table.h"
#include "engine/interp/error_codes.h"
#include "engine/values/angle_units.h"
#include "graphics/palette.h"
#include "graphics/standard_glyphs.h"

namespace zentrel {
namespace {

using C = ControlId;

constexpr std::array<ControlId, kGraphTools> kToolButtons{C::TraceTool, C::HandTool,
                                                          C::BoxZoomTool};
constexpr std::array<ControlId, 3> kRangeEdits{C::MinEdit, C::MaxEdit, C::PitchEdit};
constexpr std::array<ControlId, 6> kInputFields{
    C::FirstExpression, C::SecondExpression, C::ArgumentEdit, C::MinEdit, C::MaxEdit, C::PitchEdit};
// The message a draw that cannot be recorded in the history shows.
constexpr int kUnrecordedDrawString = 11001;

ControlId angleRadio(AngleUnit unit) {
    switch (unit) {
        case AngleUnit::Degree:
            return C::DegRadio;
        case AngleUnit::Grad:
            return C::GradRadio;
        case AngleUnit::Radian:
            break;
    }
    return C::RadRadio;
}

std::uint8_t colourIndex(std::int32_t choice) {
    return paletteIndex(static_cast<ColourChoice>(choice));
}

// At most `count` UTF-8 characters of the text.
std::string firstCharacters(std::string text, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (characters++ == count) {
            text.resize(i);
            break;
        }
    }
    return text;
}

bool isBlank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

std::array<double Settings::*, 3> rangeFields(CoordinateMode mode) {
    const ModeSettingKeys& keys = modeSettingKeys(mode);
    return {keys.min, keys.max, keys.pitch};
}

}  // namespace

MainWindow::MainWindow(MainWindowView& view, DrawRunner& runner, MainWindowSetup setup)
    : view_(view),
      runner_(runner),
      setup_(std::move(setup)),
      history_("", {}, setup_.clock),
      pacer_(setup_.frameClock),
      showFrameTask_([this] { showFrame(); }) {
    defineStandardGlyphs(canvas_);
    interpreter().seedRandom(setup_.randomSeed);
    // Each drawn segment asks for a refresh; at most one a frame reaches the screen.
    host_.setRefreshHandler([this] {
        if (pacer_.admit()) runner_.present(showFrameTask_);
    });
}

void MainWindow::start() {
    ProfileStore store;
    // An unreadable file gives the defaults, and is not overwritten at the end.
    static_cast<void>(ProfileStore::load(setup_.settingsFile, store));
    const ScreenSize area = view_.graphAreaSize();
    SettingsDefaults defaults;
    defaults.bitmap = area;
    defaults.desktop = setup_.desktop;
    defaults.mainWindow = view_.windowPosition();
    defaults.historyFile = setup_.historyFile;
    defaults.functionPath = setup_.functionPath;
    settings_ = readSettings(store, defaults);

    host_.setFunctionPath(settings_.path);
    history_ = HistoryFile(settings_.logFileName, area, setup_.clock);
    view_.setChecked(kToolButtons[static_cast<std::size_t>(settings_.tool)]);
    tools_.setTool(static_cast<GraphTool>(settings_.tool));
    view_.setSelection(C::ColourList, settings_.graphColor);
    for (ControlId readout : {C::ArgumentEdit, C::FirstValueEdit, C::SecondValueEdit})
        view_.setText(readout, "");
    host_.setFunctionCacheSize(settings_.cacheSize);
    angleUnit_ = settings_.angle;
    view_.setChecked(angleRadio(angleUnit_));
    interpreter().setAngleUnit(angleUnit_);
    angleMark_ = true;
    view_.setText(C::FirstExpression, "");
    view_.setText(C::SecondExpression, "");
    view_.focus(focusField_);
    view_.moveWindow({settings_.posX, settings_.posY});
    view_.setVisible(C::HelpSeparator, settings_.help);
    view_.setVisible(C::HelpLine, settings_.help);
    createBitmap();
    view_.setSelection(C::CoordinateList, settings_.mode);
    applyCoordinateSystem(settings_.mode, true);
    relabelFunctionButtons();
    fillFunctionList();
}

// The bitmap's rows lie 4-byte aligned, top row first, as a screen image
// wants them; the canvas draws straight into it.
void MainWindow::createBitmap() {
    const ScreenSize size = view_.graphAreaSize();
    if (!Canvas::acceptsSize(size.width, size.height)) return;
    const std::int32_t stride = (size.width + 3) & ~3;
    bitmap_.assign(static_cast<std::size_t>(stride) * static_cast<std::size_t>(size.height), 0);
    canvas_.attach(bitmap_.data(), stride, size.width, size.height, true);
}

void MainWindow::shutDown() {
    if (shutDown_) return;
    shutDown_ = true;
    if (runner_.running()) {
        interpreter().requestStop();
        stopRequested_ = true;
        runner_.finishNow();
    }
    settings_.angle = interpreter().angleUnit();
    static_cast<void>(updateProfile(setup_.settingsFile, [this](ProfileStore& store) {
        writeEnvironmentSettings(store, settings_);
    }));
    history_.finish();
    readRange();
    const ScreenPoint position = view_.windowPosition();
    settings_.posX = position.x;
    settings_.posY = position.y;
    static_cast<void>(updateProfile(setup_.settingsFile, [this](ProfileStore& store) {
        writeGraphWindowSettings(store, settings_);
    }));
}

// While a draw runs the controls may not change what it works on; they show
// the state that holds instead.
void MainWindow::restoreChoices() {
    view_.setSelection(C::CoordinateList, settings_.mode);
    view_.setChecked(angleRadio(angleUnit_));
}

void MainWindow::selectCoordinateSystem(std::int32_t index) {
    if (index < 0 || index >= kCoordinateChoices || shutDown_ || runner_.running()) {
        return restoreChoices();
    }
    applyCoordinateSystem(index, false);
}

void MainWindow::applyCoordinateSystem(std::int32_t index, bool startUp) {
    const CoordinateSystem& system = kCoordinateSystems[static_cast<std::size_t>(index)];
    settings_.mode = index;
    PlotSettings& plot = canvas_.plotSettings();
    for (auto [scale, on] :
         {std::pair{&plot.logX, system.logX}, std::pair{&plot.logY, system.logY}}) {
        if (on) {
            scale->enable(10.0);
        } else {
            scale->on = false;
        }
    }
    modeMark_ = true;
    if (!startUp) askSaveAndClearTable();
    if (startUp || mode() != system.mode) {
        enterMode(system.mode);
    } else if (settings_.rePlotMode) {
        canvas_.discardSamples();
        redrawGrid();
        draw();
    } else {
        redrawGrid();
    }
}

void MainWindow::enterMode(CoordinateMode newMode) {
    readRange();
    view_.setText(C::FirstExpression, "");
    view_.setText(C::SecondExpression, "");
    const ModeLabels& labels = modeLabels(newMode);
    view_.setText(C::ArgumentLabel, labels.argument);
    view_.setText(C::FirstValueLabel, labels.firstValue);
    view_.setText(C::SecondValueLabel, labels.secondValue);
    view_.setText(C::FirstExpressionLabel, labels.firstExpression);
    view_.setText(C::SecondExpressionLabel, labels.secondExpression);
    const bool parametric = newMode == CoordinateMode::Parametric;
    view_.setEnabled(C::SecondExpression, parametric);
    if (!parametric && focusField_ == C::SecondExpression) {
        focusField_ = C::FirstExpression;
        view_.focus(focusField_);
    }
    for (ControlId edit : kRangeEdits)
        view_.setEnabled(edit, newMode != CoordinateMode::Rectangular);
    labelArgumentVariable(newMode);
    canvas_.plotSettings().mode = static_cast<std::uint8_t>(newMode);
    if (table_) table_->setMode(newMode);
    showRange();
    canvas_.setTransform(modeTransform(settings_, newMode));
    windowMark_ = true;
    canvas_.discardSamples();
    redrawGrid();
}

void MainWindow::labelArgumentVariable(CoordinateMode newMode) {
    const char letter = argumentLetter(newMode);
    if (const auto slot = interpreter().defineVariableLabel(std::string_view(&letter, 1), letter)) {
        canvas_.plotSettings().argVariable = *slot;
    }
}

// The range of parametric and polar mode in its fields: polar angles, kept in
// degrees, in the current unit.
void MainWindow::showRange() {
    const CoordinateMode current = mode();
    const auto fields = rangeFields(current);
    for (std::size_t i = 0; i < kRangeEdits.size(); ++i) {
        std::string text;
        if (current != CoordinateMode::Rectangular) {
            double value = settings_.*fields[i];
            if (current == CoordinateMode::Polar) {
                value = convertAngle(value, AngleUnit::Degree, angleUnit_);
            }
            text = formatFieldReal(value);
        }
        shownRange_[i] = text;
        view_.setText(kRangeEdits[i], text);
    }
}

// The range fields into the settings. A field still showing what was put
// there keeps its setting as it is, so that the rounding of the text and of
// an angle conversion does not creep into the settings.
void MainWindow::readRange() {
    const CoordinateMode current = mode();
    if (current == CoordinateMode::Rectangular) return;
    const auto fields = rangeFields(current);
    for (std::size_t i = 0; i < kRangeEdits.size(); ++i) {
        const std::string text = view_.text(kRangeEdits[i]);
        if (text == shownRange_[i]) continue;
        double value = parseFieldReal(text);
        if (current == CoordinateMode::Polar) {
            value = convertAngle(value, angleUnit_, AngleUnit::Degree);
        }
        settings_.*fields[i] = value;
        shownRange_[i] = text;
    }
}

void MainWindow::selectAngleUnit(AngleUnit unit) {
    if (shutDown_ || runner_.running()) return restoreChoices();
    readRange();
    angleUnit_ = unit;
    interpreter().setAngleUnit(unit);
    showRange();
    angleMark_ = true;
    if (settings_.rePlotAngle) {
        canvas_.discardSamples();
        redrawGrid();
        draw();
    }
}

void MainWindow::selectGraphColour(std::int32_t choice) {
    if (choice >= 0 && choice < kColourChoices) settings_.graphColor = choice;
}

void MainWindow::applyGraphColour() {
    const std::uint8_t colour = colourIndex(settings_.graphColor);
    if (canvas_.colour() == colour) return;
    canvas_.setColour(colour);
    colourMark_ = true;
}

void MainWindow::redrawGrid() {
    GridStyle style;
    style.background = colourIndex(settings_.backColor);
    style.axisColour = colourIndex(settings_.scaleColor);
    style.gridColour = colourIndex(settings_.unitColor);
    style.unitX = settings_.unitX;
    style.unitY = settings_.unitY;
    style.textColour = colourIndex(settings_.textColor);
    style.textEveryX = settings_.textX;
    style.textEveryY = settings_.textY;
    canvas_.drawGrid(style);
    tools_.pictureRedrawn();
    windowMark_ = true;
    applyGraphColour();
    canvas_.redrawSamples();
    showFrame();
}

void MainWindow::clearGraph() {
    if (shutDown_ || runner_.running()) return;
    canvas_.discardSamples();
    redrawGrid();
    view_.focus(focusField_);
}

void MainWindow::showFrame() {
    view_.showBitmap();
    showReports();
}

void MainWindow::showReports() {
    StatusReports reports = host_.takeReports();
    if (reports.message) view_.setText(C::MessageLine, *reports.message);
    if (reports.functionChain) {
        view_.setText(C::HelpLine, *reports.functionChain);
        chainShown_ = true;
    }
}

PlotLine::Range MainWindow::drawRange() {
    const CoordinateMode current = mode();
    if (current == CoordinateMode::Rectangular) {
        return {canvas_.worldX(0), canvas_.worldX(canvas_.width() - 1), 0.0};
    }
    readRange();
    const auto fields = rangeFields(current);
    PlotLine::Range range{settings_.*fields[0], settings_.*fields[1], settings_.*fields[2]};
    if (current == CoordinateMode::Polar) {
        for (double* value : {&range.min, &range.max, &range.pitch})
            *value = convertAngle(*value, AngleUnit::Degree, angleUnit_);
    }
    return range;
}

// A draw with empty expressions does nothing: sampling an empty text would
// draw whatever the last answer was.
void MainWindow::draw() {
    if (shutDown_ || runner_.running()) return;
    const bool parametric = mode() == CoordinateMode::Parametric;
    const std::string first = firstCharacters(view_.text(C::FirstExpression), kExpressionLength);
    const std::string second =
        parametric ? firstCharacters(view_.text(C::SecondExpression), kExpressionLength) : "";
    if (isBlank(first) || (parametric && isBlank(second))) return;
    PlotSettings& plot = canvas_.plotSettings();
    const bool changed = first != plot.expr1 || (parametric && second != plot.expr2);
    if (changed) {
        askSaveAndClearTable();
        if (parametric) {
            canvas_.setExpressions(first, second);
        } else {
            canvas_.setExpression(first);
        }
    }
    // The curve is drawn over the picture, so no complemented mark may stay
    // in it to be complemented back later.
    tools_.eraseCrosshair();
    applyGraphColour();
    view_.setText(C::MessageLine, "");
    // A chain of functions belongs to the message it came with.
    if (std::exchange(chainShown_, false)) view_.setText(C::HelpLine, "");
    view_.setBusy(true);
    view_.setEnabled(C::SettingsButton, false);
    const PlotLine::Range range = drawRange();
    const bool resample =
        changed || (mode() != CoordinateMode::Rectangular && range.pitch != lastPitch_);
    lastPitch_ = range.pitch;
    static_cast<void>(host_.takeReports());
    interpreter().clearStopRequest();
    stopRequested_ = false;
    drawn_ = false;
    runner_.start(
        [this, range, resample] {
            Interpreter& engine = host_.interpreter();
            drawn_ = resample ? canvas_.plot(engine, range.min, range.max, range.pitch)
                              : canvas_.replot(engine, range.min, range.max, range.pitch);
        },
        [this, changed, range] { finishDraw(changed, range); });
}

void MainWindow::finishDraw(bool changed, PlotLine::Range range) {
    showFrame();
    pacer_.shown();
    if (stopRequested_) view_.setText(C::MessageLine, formatReport(kErrInterrupted, {}));
    stopRequested_ = false;
    if (drawn_) recordDraw(changed, range);
    if (std::exchange(functionListStale_, false)) fillFunctionList();
    view_.setBusy(false);
    view_.setEnabled(C::SettingsButton, true);
    view_.focus(focusField_);
}

// The change marks as history lines, each mark cleared as it is written.
std::vector<std::string> MainWindow::markLines() {
    std::vector<std::string> lines;
    if (std::exchange(angleMark_, false)) lines.push_back(angleLine(interpreter().angleUnit()));
    if (std::exchange(windowMark_, false)) {
        lines.push_back(windowLine(canvas_.getTransform(), canvas_.width(), canvas_.height(),
                                   colourIndex(settings_.backColor),
                                   colourIndex(settings_.scaleColor)));
    }
    if (std::exchange(modeMark_, false)) {
        for (std::string& line : modeLines(canvas_.plotSettings()))
            lines.push_back(std::move(line));
    }
    return lines;
}

// A draw whose expression no string constant can carry stays out of the
// history, and so does every later draw of it: the history replays only what
// it can name. The marks wait for the next draw that is recorded.
void MainWindow::recordDraw(bool changed, const PlotLine::Range& range) {
    if (changed) expressionsPending_ = true;
    const PlotSettings& plot = canvas_.plotSettings();
    const bool parametric = plot.isMode(CoordinateMode::Parametric);
    PlotLine line;
    if (expressionsPending_) {
        for (const std::string* text : {&plot.expr1, &plot.expr2}) {
            if (text == &plot.expr2 && !parametric) break;
            std::optional<std::string> constant = historyStringConstant(*text);
            if (!constant) {
                if (view_.text(C::MessageLine).empty()) {
                    view_.setText(C::MessageLine, lookupString(kUnrecordedDrawString));
                }
                return;
            }
            line.expressions.push_back(std::move(*constant));
        }
    }
    if (!plot.isMode(CoordinateMode::Rectangular)) line.range = range;
    if (std::exchange(colourMark_, false)) line.colour = canvas_.colour();
    std::vector<std::string> lines = markLines();
    lines.push_back(plotLine(line));
    expressionsPending_ = false;
    for (const std::string& text : lines) {
        static_cast<void>(history_.append(text));
        view_.appendLine(C::HistoryList, text);
    }
}

void MainWindow::pressEquals() {
    // The trace argument's "=" registers a point (a graph tool); every other
    // field draws.
    if (focusField_ == C::ArgumentEdit) return registerPoint();
    draw();
}

void MainWindow::fieldFocused(ControlId field) {
    for (ControlId input : kInputFields) {
        if (input == field) focusField_ = field;
    }
}

void MainWindow::stopDraw() {
    if (!runner_.running()) return;
    stopRequested_ = true;
    interpreter().requestStop();
}

void MainWindow::deactivated() {
    if (!settings_.clearCache || shutDown_ || runner_.running()) return;
    host_.clearFunctionCache();
}

}  // namespace zentrel

namespace zentrel {

void MainWindow::pressKey(ControlId key) {
    const KeyRow* row = findKey(key);
    if (row == nullptr) return;
    if (row->action == KeyAction::Shift) {
        settings_.funcMode = nextFunctionPage(settings_.funcMode);
        relabelFunctionButtons();
    } else if (row->action == KeyAction::ClearField) {
        clearFocusedField();
    } else {
        const EditSelection selection = view_.editSelection(focusField_);
        FieldText field{view_.text(focusField_), selection.start, selection.end};
        const std::string entry = view_.text(C::FunctionList);
        KeyContext context;
        context.expressionField =
            focusField_ == C::FirstExpression || focusField_ == C::SecondExpression;
        context.rectangular = mode() == CoordinateMode::Rectangular;
        context.chosenFunction = functionNameOfEntry(entry);
        context.page = settings_.funcMode;
        context.externalNames = &settings_.extFunc;
        applyKey(*row, field, context);
        view_.setText(focusField_, field.text);
        view_.setEditSelection(focusField_, {field.start, field.end});
    }
    view_.focus(focusField_);
}

void MainWindow::clearFocusedField() {
    view_.setText(focusField_, "");
    if (focusField_ == C::ArgumentEdit) {
        view_.setText(C::FirstValueEdit, "");
        view_.setText(C::SecondValueEdit, "");
    }
}

void MainWindow::relabelFunctionButtons() {
    for (std::size_t slot = 0; slot < kFunctionButtonCount; ++slot) {
        const ControlId button = functionButton(slot);
        view_.setText(button, functionLabel(settings_.funcMode, slot, settings_.extFunc));
        view_.setEnabled(button, functionSlotUsed(settings_.funcMode, slot, settings_.extFunc));
    }
}

// The entries name each function, with the first line of its description
// when it has one.
void MainWindow::fillFunctionList() {
    std::vector<std::string> entries;
    for (const FunctionListing& listing : host_.listFunctions()) {
        entries.push_back(listing.description.empty() ? listing.name
                                                      : listing.name + " - " + listing.description);
    }
    view_.setLines(C::FunctionList, entries);
}

void MainWindow::pointAt(ControlId control) {
    if (!settings_.help) return;
    const int string = control == C::None ? 0 : helpStringOf(control);
    std::string text;
    if (string != 0) {
        const std::string entry = view_.text(C::FunctionList);
        const std::string coordinates = view_.text(C::CoordinateList);
        HelpContext context;
        context.page = settings_.funcMode;
        context.externalNames = &settings_.extFunc;
        context.chosenFunction = functionNameOfEntry(entry);
        context.coordinateSystem = coordinates;
        context.describe = [this](std::string_view name) { return describeExternal(name); };
        text = helpLineText(lookupString(string), context);
    }
    view_.setText(C::HelpLine, text);
}

// A running draw owns the interpreter, so no description is read meanwhile.
std::string MainWindow::describeExternal(std::string_view name) {
    if (drawing()) return {};
    std::string text;
    for (const std::string& line : host_.describeFunction(name)) {
        if (!text.empty()) text += '\n';
        text += line;
    }
    return text;
}

// A running draw owns the interpreter; the list follows when it ends.
void MainWindow::functionFoldersChanged() {
    if (drawing()) {
        functionListStale_ = true;
    } else {
        fillFunctionList();
    }
}

std::vector<std::string> MainWindow::watchedFolders() const {
    return functionFolders(settings_.path);
}

}  // namespace zentrel
