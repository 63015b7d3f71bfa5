// The graph tools and the table window's side of the main window.
#include <cmath>
#include <string>

#include "app/main/field_numbers.h"
#include "app/main/main_window.h"

namespace zentrel {
namespace {

using C = ControlId;

constexpr std::array<ControlId, 3> kReadouts{C::ArgumentEdit, C::FirstValueEdit,
                                             C::SecondValueEdit};

}  // namespace

// The canvas belongs to a running draw, and a shut-down window takes no input.
bool MainWindow::toolsIdle() const {
    return !shutDown_ && !runner_.running();
}

void MainWindow::selectTool(GraphTool tool) {
    if (!tools_.dragging()) tools_.setTool(tool);
}

void MainWindow::graphPressed(PixelPoint at) {
    if (toolsIdle()) tools_.press(at);
}

void MainWindow::graphMoved(PixelPoint at) {
    if (toolsIdle()) tools_.move(at);
}

void MainWindow::graphReleased() {
    if (toolsIdle()) tools_.release();
}

void MainWindow::graphKeyStep(std::int32_t step) {
    if (toolsIdle()) tools_.stepTrace(step);
}

void MainWindow::graphEnter() {
    if (toolsIdle() && tools_.keyTraceShown()) registerPoint();
}

void MainWindow::graphFocusLost() {
    if (toolsIdle()) tools_.eraseCrosshair();
}

void MainWindow::zoom(bool in) {
    if (toolsIdle() && !tools_.dragging()) tools_.zoom(in);
}

// A traced argument is selected, so that a number typed next replaces it: the
// register button reads that field.
void MainWindow::showTrace(const TraceAnswer& answer) {
    showReadouts(answer);
    if (answer.ok) selectArgument();
}

void MainWindow::showReadouts(const TraceAnswer& answer) {
    const bool parametric = mode() == CoordinateMode::Parametric;
    const double values[3] = {answer.a, answer.b, answer.c};
    for (std::size_t i = 0; i < kReadouts.size(); ++i) {
        const bool shown = answer.ok && (i < 2 || parametric);
        view_.setText(kReadouts[i], shown ? writeNumber(values[i]) : "");
    }
}

void MainWindow::selectArgument() {
    view_.setEditSelection(C::ArgumentEdit, {0, view_.text(C::ArgumentEdit).size()});
}

void MainWindow::redrawView() {
    redrawGrid();
}

void MainWindow::showBitmap() {
    view_.showBitmap();
}

// A view change is kept in the mode's settings and the history. With the
// option set it draws again: a rectangular graph over the new columns, a
// parametric or polar one only when its range fields changed, since its
// samples do not depend on the view. A hand drag keeps the samples, so the
// draw extends them over the part that came into view.
void MainWindow::viewChanged(bool dragged) {
    storeModeTransform(settings_, mode(), canvas_.getTransform());
    windowMark_ = true;
    bool drawAgain = settings_.rePlotWindow;
    if (drawAgain && !dragged) {
        if (mode() == CoordinateMode::Rectangular) {
            canvas_.discardSamples();
        } else {
            const ModeSettingKeys& keys = modeSettingKeys(mode());
            const double before[3] = {settings_.*keys.min, settings_.*keys.max,
                                      settings_.*keys.pitch};
            readRange();
            drawAgain = before[0] != settings_.*keys.min || before[1] != settings_.*keys.max ||
                        before[2] != settings_.*keys.pitch;
            if (drawAgain) canvas_.discardSamples();
        }
    }
    redrawGrid();
    if (drawAgain) draw();
}

// The typed argument's value and the graph's values there, put into the
// readouts and the table. The text is read as typed: the keypad writes a
// negative number as "\-2", one number of the language.
void MainWindow::registerPoint() {
    if (!toolsIdle()) return;
    // The registered point's crosshair takes the traced one's place.
    tools_.eraseCrosshair();
    view_.setText(C::MessageLine, "");
    view_.focus(C::ArgumentEdit);
    focusField_ = C::ArgumentEdit;
    view_.setText(C::FirstValueEdit, "");
    view_.setText(C::SecondValueEdit, "");
    const std::optional<double> argument = readNumber(view_.text(C::ArgumentEdit));
    if (!argument) return showReports();
    view_.setText(C::ArgumentEdit, writeNumber(*argument));
    selectArgument();
    const InsertedValues values = canvas_.traceInsert(interpreter(), *argument);
    showReports();
    if (!values.ok) return;
    const TraceAnswer answer{true, *argument, values.y, values.y2};
    showTrace(answer);
    tools_.toggleCrosshairAt(answer);
    view_.showBitmap();
    if (table_) {
        table_->addPoint(
            {view_.text(C::ArgumentEdit), view_.text(C::FirstValueEdit),
             mode() == CoordinateMode::Parametric ? view_.text(C::SecondValueEdit) : ""});
    }
}

void MainWindow::attachTable(TableWindow* table) {
    table_ = table;
    if (table_) table_->setMode(mode());
}

void MainWindow::askSaveAndClearTable() {
    if (!table_) return;
    table_->askSave(kAskSaveChangedExpression);
    table_->clearTable();
}

void MainWindow::askSaveTableBeforeClosing() {
    if (table_ && !shutDown_) table_->askSave(kAskSaveAtShutDown);
}

std::unique_ptr<WindowDialog> MainWindow::windowDialog(WindowDialogView& view) const {
    return std::make_unique<WindowDialog>(view, canvas_.getTransform(), canvas_.width(),
                                          canvas_.height(), mode() != CoordinateMode::Rectangular,
                                          settings_.envWindow);
}

void MainWindow::applyWindowDialog(const WindowDialogResult& result) {
    if (!toolsIdle() || tools_.dragging()) return;
    // A zero or unreadable unit would map the whole world to one pixel line.
    const WorldTransform& t = result.transform;
    for (double v : {t.offsetX, t.offsetY, t.scaleX, t.scaleY})
        if (!std::isfinite(v)) return;
    if (t.scaleX == 0.0 || t.scaleY == 0.0) return;
    if (mode() == CoordinateMode::Rectangular) settings_.envWindow = result.entryStyle;
    canvas_.setTransform(result.transform);
    viewChanged(false);
}

void MainWindow::keepTablePlacement(ScreenPoint position, ScreenSize size) {
    if (shutDown_) return;
    settings_.tablePosX = position.x;
    settings_.tablePosY = position.y;
    settings_.tableSizeX = size.width;
    settings_.tableSizeY = size.height;
}

TableExpressions MainWindow::tableExpressions() const {
    const PlotSettings& plot = canvas_.plotSettings();
    return {mode(), plot.expr1, plot.expr2};
}

std::optional<double> MainWindow::readNumber(std::string_view text) {
    if (!toolsIdle() || text.find_first_not_of(" \t") == std::string_view::npos) {
        return std::nullopt;
    }
    const NumberMode numbers = interpreter().numberMode();
    Value value;
    if (interpreter().evaluate(
            numberStatement(text, isRealFamily(numbers) || isComplexFamily(numbers)), value) !=
        kSuccess) {
        return std::nullopt;
    }
    return static_cast<double>(value.first().realValue());
}

std::string MainWindow::writeNumber(double value) {
    return interpreter().formatValue(Value(Number::fromReal(value, false)));
}

void MainWindow::showPoint(const std::array<std::optional<double>, 3>& values) {
    if (!toolsIdle() || !values[0] || !values[1]) return;
    const bool parametric = mode() == CoordinateMode::Parametric;
    if (parametric && !values[2]) return;
    tools_.eraseCrosshair();
    const TraceAnswer answer{true, *values[0], *values[1], values[2].value_or(0.0)};
    showReadouts(answer);
    tools_.toggleCrosshairAt(answer);
    view_.showBitmap();
}

void MainWindow::clearReadouts() {
    for (ControlId readout : kReadouts)
        view_.setText(readout, "");
}

}  // namespace zentrel
