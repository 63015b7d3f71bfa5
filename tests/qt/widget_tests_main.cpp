// qt_widget_tests NAME [QtTest options]: runs the widget test class NAME
// (main_dialog, graph_tools, settings_dialog, function_editor).
#include <QApplication>
#include <array>
#include <cstdio>
#include <string_view>

#include "app/qt/dialog_font.h"
#include "tests/qt/widget_tests.h"

namespace {

struct TestClass {
    std::string_view name;
    int (*run)(int argc, char** argv);
};

constexpr std::array kClasses{
    TestClass{"main_dialog", zentrel::runMainDialogTests},
    TestClass{"graph_tools", zentrel::runGraphToolsTests},
    TestClass{"settings_dialog", zentrel::runSettingsDialogTests},
    TestClass{"function_editor", zentrel::runFunctionEditorTests},
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    zentrel::useDialogFont(application);
    for (const TestClass& test : kClasses) {
        if (argc < 2 || argv[1] != test.name) continue;
        // QtTest reads its options after the program's name: the class name
        // takes the program's place.
        argv[1] = argv[0];
        return test.run(argc - 1, argv + 1);
    }
    std::fprintf(stderr,
                 "usage: %s main_dialog|graph_tools|settings_dialog|function_editor [options]\n",
                 argv[0]);
    return 2;
}
