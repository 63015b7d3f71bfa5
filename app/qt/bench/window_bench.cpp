// The calculator window's costs: the start to the first painted frame and the
// memory then (a fresh process each time), a draw of sin x with its screen
// copies, and a redraw of the grid and the kept samples. Runs on the display
// given, or on Qt's offscreen platform without one.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/main/main_window.h"
#include "app/qt/dialog_font.h"
#include "app/qt/graph_area.h"
#include "app/qt/main_dialog.h"
#include "graphics/graph_canvas.h"
#include "graphics/palette.h"
#include "graphics/standard_glyphs.h"

extern char** environ;

namespace zentrel {
namespace {

// Runs the probe and waits for its report; the time from the spawn to the
// report, and the probe's resident memory in kilobytes.
bool startProbe(double& seconds, long& residentKilobytes) {
    int output[2];
    if (::pipe(output) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    char probe[] = ZENTREL_WINDOW_PROBE;
    char* arguments[] = {probe, nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, probe, &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    if (spawned != 0) {
        ::close(output[0]);
        return false;
    }
    std::FILE* report = ::fdopen(output[0], "r");
    const bool painted = report && std::fscanf(report, "painted %ld", &residentKilobytes) == 1;
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (report) std::fclose(report);
    int status = 0;
    ::waitpid(child, &status, 0);
    return painted;
}

void BM_StartToFirstFrame(benchmark::State& state) {
    long resident = 0;
    for (auto _ : state) {
        double seconds = 0.0;
        if (!startProbe(seconds, resident)) {
            state.SkipWithError("the window probe did not paint");
            return;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["resident_MB"] = static_cast<double>(resident) / 1024.0;
}
BENCHMARK(BM_StartToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// A window with fresh settings and a history file of its own, or none.
struct Window {
    explicit Window(bool history = true) {
        setup.settingsFile = folder.filePath("MORVIK.INI").toStdString();
        if (!history) {
            std::FILE* settings = std::fopen(setup.settingsFile.c_str(), "w");
            std::fputs("[GRAPH WINDOW]\nLogFileName=\n", settings);
            std::fclose(settings);
        }
        setup.historyFile = folder.filePath("Zentrel.log").toStdString();
        dialog = std::make_unique<MainDialog>(setup);
        dialog->show();
        QApplication::processEvents();
    }
    void waitForDraw() {
        while (dialog->logic().drawing())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QTemporaryDir folder;
    MainWindowSetup setup;
    std::unique_ptr<MainDialog> dialog;
};

// From the click to the end of the draw: the samples, the curve, the copies
// to the screen and the history line (written through to the disk; argument
// 0 turns the history off). The text alternates so that every draw samples
// afresh.
void BM_DrawSineInWindow(benchmark::State& state) {
    Window window(state.range(0) != 0);
    auto* expression = window.dialog->findChild<QLineEdit*>("firstExpression");
    auto* draw = window.dialog->findChild<QAbstractButton*>("drawButton");
    bool spaced = false;
    for (auto _ : state) {
        state.PauseTiming();
        window.dialog->findChild<QAbstractButton*>("clearButton")->click();
        expression->setText((spaced = !spaced) ? "sin x" : "sin  x");
        QApplication::processEvents();
        state.ResumeTiming();
        draw->click();
        window.waitForDraw();
    }
    state.counters["columns"] = window.dialog->logic().canvas().width();
}
BENCHMARK(BM_DrawSineInWindow)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The grid and the kept samples of sin x drawn again and copied to the
// screen, as a change of the log scale or of the view does.
void BM_RedrawGridAndSamples(benchmark::State& state) {
    Window window;
    const ScreenSize size = window.dialog->graphAreaSize();
    GraphCanvas canvas;
    defineStandardGlyphs(canvas);
    canvas.create(size.width, size.height, true);
    canvas.setTransform({size.width / 2.0, size.height / 2.0, 10.0, -10.0});
    canvas.setExpression("sin x");
    WindowHost host;
    canvas.plotSettings().argVariable = *host.interpreter().defineVariableLabel("x", 'x');
    canvas.plot(host.interpreter(), canvas.worldX(0), canvas.worldX(size.width - 1), 0.0);
    auto* area = window.dialog->findChild<GraphArea*>("graphArea");
    GridStyle style;
    for (auto _ : state) {
        canvas.drawGrid(style);
        canvas.setColour(paletteIndex(ColourChoice::Lime));
        canvas.redrawSamples();
        area->showCanvas(canvas);
    }
    state.counters["samples"] = canvas.sampleCount();
}
BENCHMARK(BM_RedrawGridAndSamples)->Unit(benchmark::kMicrosecond);

// One frame of a hand drag over sin x: the mouse move, the grid and the kept
// samples drawn again with the moved transform, and the copy painted on the
// graph area (repaint paints at once, so the frame's time includes it). The
// mouse swings between two places, so that every move changes the view.
void BM_HandDragFrame(benchmark::State& state) {
    Window window;
    auto* expression = window.dialog->findChild<QLineEdit*>("firstExpression");
    expression->setText("sin x");
    window.dialog->findChild<QAbstractButton*>("drawButton")->click();
    window.waitForDraw();
    window.dialog->findChild<QAbstractButton*>("handTool")->click();
    auto* area = window.dialog->findChild<GraphArea*>("graphArea");
    const QPointF press(area->width() / 2.0, area->height() / 2.0);
    QMouseEvent down(QEvent::MouseButtonPress, press, area->mapToGlobal(press), Qt::LeftButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(area, &down);
    bool right = false;
    for (auto _ : state) {
        right = !right;
        const QPointF at = press + (right ? QPointF(7, -3) : QPointF(-5, 4));
        QMouseEvent move(QEvent::MouseMove, at, area->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                         {});
        QApplication::sendEvent(area, &move);
        area->repaint();
    }
    state.counters["samples"] = window.dialog->logic().canvas().sampleCount();
    state.counters["pixels"] = area->width() * area->height();
    // The release draws again over the new columns; the window waits for it.
    QMouseEvent up(QEvent::MouseButtonRelease, press, area->mapToGlobal(press), Qt::LeftButton,
                   Qt::NoButton, {});
    QApplication::sendEvent(area, &up);
    window.waitForDraw();
}
BENCHMARK(BM_HandDragFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zentrel

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    QApplication application(argc, argv);
    zentrel::useDialogFont(application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
