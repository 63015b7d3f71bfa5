// zentrel: the calculator window. Draws graphs of typed expressions and keeps
// its settings and the history of its draws between runs.
#include <QApplication>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>

#include "app/install/program_paths.h"
#include "app/main/program_folders.h"
#include "app/main/program_info.h"
#include "app/qt/dialog_font.h"
#include "app/qt/main_dialog.h"
#include "app/qt/shutdown_signals.h"
#include "app/settings/settings_paths.h"

namespace {

constexpr const char* kUsage =
    "Usage: zentrel [--settings FILE]\n"
    "Starts the calculator window.\n"
    "\n"
    "  --settings FILE  keep the settings in FILE instead of\n"
    "                   $XDG_CONFIG_HOME/zentrel/MORVIK.INI\n"
    "  --help           show this help\n"
    "  --version        show the version\n"
    "\n"
    "SIGTERM, SIGINT and SIGHUP end the program as closing its window does.\n";

struct Options {
    std::string settingsFile;
    bool help = false;
    bool version = false;
    bool bad = false;
};

Options parseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--settings" && i + 1 < argc) {
            options.settingsFile = argv[++i];
        } else if (argument.starts_with("--settings=")) {
            options.settingsFile = argument.substr(11);
        } else if (argument == "--help") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else {
            std::fprintf(stderr, "zentrel: unknown option %s\n", argv[i]);
            options.bad = true;
        }
    }
    return options;
}

zentrel::MainWindowSetup windowSetup(const Options& options) {
    using namespace zentrel;
    const EnvironmentPaths environment = EnvironmentPaths::from(std::getenv);
    const std::string userFolder = userFunctionFolder(environment);
    if (!userFolder.empty()) makeFolder(userFolder);
    const std::string library = functionLibraryFolder();
    MainWindowSetup setup;
    setup.settingsFile =
        options.settingsFile.empty() ? settingsFilePath(environment) : options.settingsFile;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->availableGeometry();
        setup.desktop = {desktop.right() + 1, desktop.bottom() + 1};
    }
    setup.historyFile = defaultHistoryFile(environment);
    setup.functionPath = defaultFunctionPath(environment, library);
    setup.randomSeed = static_cast<std::uint32_t>(std::time(nullptr));
    return setup;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const Options options = parseOptions(argc, argv);
    if (options.help || options.bad) {
        std::fputs(kUsage, options.bad ? stderr : stdout);
        return options.bad ? 2 : 0;
    }
    if (options.version) {
        std::printf("zentrel %.*s\n", static_cast<int>(zentrel::kProgramVersion.size()),
                    zentrel::kProgramVersion.data());
        return 0;
    }
    zentrel::useDialogFont(application);
    zentrel::MainDialog dialog(windowSetup(options));
    const zentrel::ShutdownSignals shutdownSignals([&dialog] { dialog.shutDownAndQuit(); });
    dialog.show();
    return application.exec();
}
