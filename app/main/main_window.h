#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/main/coordinate_systems.h"
#include "app/main/draw_runner.h"
#include "app/main/frame_pacer.h"
#include "app/main/function_editing.h"
#include "app/main/graph_tools.h"
#include "app/main/help_line.h"
#include "app/main/history_lines.h"
#include "app/main/keypad.h"
#include "app/main/main_window_view.h"
#include "app/main/window_dialog.h"
#include "app/main/window_host.h"
#include "app/settings/history_file.h"
#include "app/settings/settings.h"
#include "app/settings/settings_sheet.h"
#include "app/table/table_window.h"
#include "graphics/graph_canvas.h"

namespace zentrel {

// What the main window is started with besides its view: the settings file,
// the defaults that do not come from the window itself, the clock of the
// history file and the seed of the random numbers.
struct MainWindowSetup {
    std::string settingsFile;
    ScreenSize desktop;
    std::string historyFile;   // the default history file
    std::string functionPath;  // the default function folders
    LocalClock clock = currentLocalTime;
    std::uint32_t randomSeed = 0;
    FramePacer::Clock frameClock = std::chrono::steady_clock::now;
};

// The calculator window's logic: its settings, the graph canvas with its
// bitmap, the interpreter's host, the history, and what each control does.
// Every call comes from the window's thread; draws run through the runner,
// and while one runs nothing else touches the interpreter or the canvas.
class MainWindow : private GraphToolsHost, private SettingsSheetHost, public TablePointSource {
  public:
    // Longest expression text a field holds.
    static constexpr std::size_t kExpressionLength = 256;

    MainWindow(MainWindowView& view, DrawRunner& runner, MainWindowSetup setup);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Reads the settings and sets the window up: the start-up sequence.
    void start();
    // Writes the settings and completes the history, stopping a draw first.
    // Later calls do nothing.
    void shutDown();

    // The controls. A choice made while a draw runs is refused and the
    // control shows the current state again.
    void selectCoordinateSystem(std::int32_t index);
    void selectAngleUnit(AngleUnit unit);
    void selectGraphColour(std::int32_t choice);
    void draw();
    void clearGraph();
    // The "=" key, and Enter in a field.
    void pressEquals();
    void fieldFocused(ControlId field);
    // A key of the keypad or a function button: edits the focused field and
    // gives the focus back to it.
    void pressKey(ControlId key);
    // The mouse is over a control (None: over none): the help line explains it.
    void pointAt(ControlId control);
    // A function file came, went or was renamed in one of the folders.
    void functionFoldersChanged();
    // The folders whose function files the external-function list shows.
    std::vector<std::string> watchedFolders() const;
    // Esc: stops a running draw, keeping what it drew.
    void stopDraw();
    // The window lost the activation to another program.
    void deactivated();
    // The right button released over a control: the external function it
    // names is opened in the editor of the settings, and made first when it
    // has no file. Returns when the editor has ended.
    void editFunction(ControlId control, FunctionEditorView& editor);

    // The graph tools: the tool buttons, the mouse on the graph area (pixels
    // of the area), the zoom buttons and registering the traced argument.
    void selectTool(GraphTool tool);
    void graphPressed(PixelPoint at);
    void graphMoved(PixelPoint at);
    void graphReleased();
    // Left and Right on the focused graph area (step -1 and 1) move the traced
    // point, Enter registers it as the register button does; losing the focus
    // takes its crosshair away.
    void graphKeyStep(std::int32_t step);
    void graphEnter();
    void graphFocusLost();
    void zoom(bool in);
    void registerPoint();
    // The table window that registered points go to; it must outlive its use.
    void attachTable(TableWindow* table);
    // Offers to save the table before the user closes the window (a
    // shut-down by a signal has no one to answer).
    void askSaveTableBeforeClosing();
    // Where the table window is, kept with the settings at shut-down.
    void keepTablePlacement(ScreenPoint position, ScreenSize size);
    // The window settings dialog on the current view, and its OK.
    std::unique_ptr<WindowDialog> windowDialog(WindowDialogView& view) const;
    void applyWindowDialog(const WindowDialogResult& result);
    // The settings sheet on the window's settings, and its OK: the function
    // buttons, the help line, the grid, the function folders and the history
    // file follow what it stored. The button that opens it rests while a draw
    // runs, whose work the settings change.
    std::unique_ptr<SettingsSheet> settingsSheet(SettingsSheetView& view);
    void acceptSettingsSheet(SettingsSheet& sheet);

    // The table window's questions to the main window.
    TableExpressions tableExpressions() const override;
    std::optional<double> readNumber(std::string_view text) override;
    std::string writeNumber(double value) override;
    void showPoint(const std::array<std::optional<double>, 3>& values) override;
    void clearReadouts() override;

    bool drawing() const { return runner_.running(); }
    const Settings& settings() const { return settings_; }
    const GraphCanvas& canvas() const { return canvas_; }
    const std::vector<std::string>& historyLines() const { return history_.lines(); }
    ControlId focusField() const { return focusField_; }

  private:
    CoordinateMode mode() const { return static_cast<CoordinateMode>(canvas_.plotSettings().mode); }
    Interpreter& interpreter() { return host_.interpreter(); }

    void createBitmap();
    void applyCoordinateSystem(std::int32_t index, bool startUp);
    void enterMode(CoordinateMode mode);
    void labelArgumentVariable(CoordinateMode mode);
    void showRange();
    void readRange();
    PlotLine::Range drawRange();
    void redrawGrid();
    void applyGraphColour();
    void showFrame();
    void showReports();
    void finishDraw(bool changed, PlotLine::Range range);
    void recordDraw(bool changed, const PlotLine::Range& range);
    std::vector<std::string> markLines();
    void restoreChoices();
    void relabelFunctionButtons();
    void fillFunctionList();
    void clearFocusedField();
    std::string describeExternal(std::string_view name);
    std::optional<std::string> createFunction(const EditRequest& request,
                                              FunctionEditorView& editor);
    void showTrace(const TraceAnswer& answer) override;
    void showReadouts(const TraceAnswer& answer);
    void selectArgument();
    void redrawView() override;
    void viewChanged(bool dragged) override;
    void showBitmap() override;
    bool toolsIdle() const;
    void askSaveAndClearTable();
    void writeAtOnce(const Settings& settings, ImmediateSetting which) override;
    bool functionCacheEmpty() const override;
    void clearFunctionCache() override;
    void setFunctionCacheSize(std::int32_t size) override;

    MainWindowView& view_;
    DrawRunner& runner_;
    MainWindowSetup setup_;
    Settings settings_;
    WindowHost host_;
    GraphCanvas canvas_;
    std::vector<std::uint8_t> bitmap_;
    HistoryFile history_;
    FramePacer pacer_;
    DrawRunner::Task showFrameTask_;
    ControlId focusField_ = ControlId::FirstExpression;
    // The interpreter's unit as the window set it, readable while a draw runs.
    AngleUnit angleUnit_ = AngleUnit::Radian;
    // The range texts last shown, so that reading back an untouched field
    // keeps the setting exactly rather than its rounded text.
    std::string shownRange_[3];
    double lastPitch_ = 0.0;
    bool drawn_ = false;  // written by the draw's work
    bool stopRequested_ = false;
    bool chainShown_ = false;          // the help line shows the functions of an error
    bool expressionsPending_ = false;  // the next :plot line must name the expressions
    bool angleMark_ = false;
    bool windowMark_ = false;
    bool modeMark_ = false;
    bool colourMark_ = false;
    bool shutDown_ = false;
    bool functionListStale_ = false;  // the folders changed during a draw
    GraphTools tools_{canvas_, *this};
    TableWindow* table_ = nullptr;
};

}  // namespace zentrel
