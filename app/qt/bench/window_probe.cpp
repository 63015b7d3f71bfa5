// Starts the calculator window as the program does and, once its graph area
// has painted its first frame, writes "painted RSS_KB" to standard output and
// ends: what the start-up benchmark times from outside the process.
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/qt/dialog_font.h"
#include "app/qt/main_dialog.h"

namespace {

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:")) return std::stol(line.substr(6));
    }
    return -1;
}

// Reports once, after the first paint of the graph area has finished.
class FirstFrame final : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                std::printf("painted %ld\n", residentKilobytes());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

  private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    zentrel::useDialogFont(application);
    QTemporaryDir folder;
    zentrel::MainWindowSetup setup;
    setup.settingsFile = folder.filePath("MORVIK.INI").toStdString();
    setup.historyFile = folder.filePath("Zentrel.log").toStdString();
    zentrel::MainDialog dialog(setup);
    FirstFrame firstFrame;
    dialog.findChild<QWidget*>("graphArea")->installEventFilter(&firstFrame);
    dialog.show();
    return application.exec();
}
