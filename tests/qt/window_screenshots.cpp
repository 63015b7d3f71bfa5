// Writes the calculator window in each coordinate system, with a graph drawn,
// its tool windows and the pages of its settings sheet as PNG files into the
// folder given, for people to look at.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <array>
#include <cstdio>

#include "app/qt/dialog_font.h"
#include "app/qt/main_dialog.h"
#include "app/qt/new_function_dialog.h"
#include "app/qt/settings_dialog.h"
#include "app/qt/window_dialog.h"

namespace {

struct Shot {
    const char* name;
    int coordinates;
    const char* first;
    const char* second;
};

constexpr std::array<Shot, 6> kShots{{
    {"rectangular", 0, "sin x", ""},
    {"log-x", 1, "log10 x", ""},
    {"log-y", 2, "exp x", ""},
    {"log-log", 3, "x*x", ""},
    {"parametric", 4, "8*cos t", "5*sin (3*t)"},
    // A warning on the way shows the message line's Japanese text.
    {"polar", 5, "8*sqrt (cos (3*t))", ""},
}};

bool waitForDraw(const zentrel::MainDialog& dialog) {
    return QTest::qWaitFor([&] { return !dialog.logic().drawing(); }, 10000);
}

void type(zentrel::MainDialog& dialog, const char* field, const char* text) {
    auto* edit = dialog.findChild<QLineEdit*>(field);
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, text);
}

bool save(QWidget& window, const QString& file) {
    if (!window.grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

// The table window with registered points of the last graph, and the window
// settings dialog.
bool shootToolWindows(zentrel::MainDialog& dialog, const QString& output) {
    for (const char* t : {"0", "1.5", "0.5"}) {
        type(dialog, "argumentEdit", t);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    dialog.findChild<QAbstractButton*>("showTableButton")->click();
    QTest::qWait(20);
    if (!save(dialog.tableWindow(), output + "/table-window.png")) return false;
    zentrel::WindowSettingsDialog settings(
        [&dialog](zentrel::WindowDialogView& view) { return dialog.logic().windowDialog(view); },
        &dialog);
    settings.show();
    QTest::qWait(20);
    return save(settings, output + "/window-dialog.png");
}

// Each page of the settings sheet, opened from its button as a user opens it.
bool shootSettingsSheet(zentrel::MainDialog& dialog, const QString& output) {
    bool saved = false;
    QTimer::singleShot(100, [&] {
        auto* sheet =
            dynamic_cast<zentrel::SettingsSheetDialog*>(QApplication::activeModalWidget());
        if (sheet == nullptr) return;
        auto* pages = sheet->findChild<QTabWidget*>("settingsPages");
        saved = true;
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            QTest::qWait(20);
            const QString name =
                QString("/settings-%1-%2.png").arg(page + 1).arg(pages->widget(page)->objectName());
            saved = save(*sheet, output + name) && saved;
        }
        sheet->reject();
    });
    dialog.findChild<QAbstractButton*>("settingsButton")->click();
    return saved;
}

// The new-function dialog as a function button without a file opens it.
bool shootNewFunctionDialog(QWidget& parent, const QString& output) {
    zentrel::NewFunctionSetup setup;
    setup.name = "cube";
    setup.folders = {"/home/user/.local/share/zentrel/extfunc", "/usr/share/zentrel/extfunc"};
    setup.lastFolder = setup.folders[0];
    setup.nameLength = zentrel::kFunctionNameLength;
    zentrel::QtNewFunctionDialog dialog(
        [&setup](zentrel::NewFunctionDialogView& view) {
            return std::make_unique<zentrel::NewFunctionDialog>(view, setup);
        },
        &parent);
    dialog.show();
    QTest::qWait(20);
    return save(dialog, output + "/new-function-dialog.png");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    zentrel::useDialogFont(application);
    const QString output = argc > 1 ? argv[1] : "screenshots";
    QDir().mkpath(output);
    QTemporaryDir folder;
    zentrel::MainWindowSetup setup;
    setup.settingsFile = folder.filePath("MORVIK.INI").toStdString();
    setup.historyFile = folder.filePath("Zentrel.log").toStdString();
    setup.functionPath = folder.filePath("extfunc").toStdString() + ";/usr/share/zentrel/extfunc";
    setup.randomSeed = 1;
    zentrel::MainDialog dialog(setup);
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog)) return 1;
    for (const Shot& shot : kShots) {
        // A change between the rectangular entries draws again at once.
        dialog.findChild<QComboBox*>("coordinateList")->setCurrentIndex(shot.coordinates);
        if (!waitForDraw(dialog)) return 1;
        // Each graph on a clean grid (draws add to the picture).
        dialog.findChild<QAbstractButton*>("clearButton")->click();
        if (shot.coordinates == 4) {
            dialog.findChild<QLineEdit*>("maxEdit")->setText("6.3");
            dialog.findChild<QLineEdit*>("pitchEdit")->setText("0.02");
        }
        type(dialog, "firstExpression", shot.first);
        if (*shot.second) type(dialog, "secondExpression", shot.second);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (!waitForDraw(dialog)) {
            std::fprintf(stderr, "the %s draw did not end\n", shot.name);
            return 1;
        }
        QTest::qWait(20);
        const QString file = output + "/main-window-" + shot.name + ".png";
        if (!dialog.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return shootToolWindows(dialog, output) && shootSettingsSheet(dialog, output) &&
                   shootNewFunctionDialog(dialog, output)
               ? 0
               : 1;
}
