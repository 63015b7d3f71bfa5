#pragma once

// The calculator window as the widget tests open it: over a temporary folder
// that holds its settings, its history and its function files, so that each
// test starts from nothing and can read back what the window wrote.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/qt/main_dialog.h"

namespace zentrel::test {

class WindowFixture {
  protected:
    // A fresh, empty folder; false when none could be made.
    bool makeFolder() {
        folder_ = std::make_unique<QTemporaryDir>();
        return folder_->isValid();
    }

    // The window's files in the folder: "MORVIK.INI", "Zentrel.log" and, by
    // default, the function files; a fixed seed keeps random numbers alike.
    MainWindowSetup windowSetup() const {
        MainWindowSetup setup;
        setup.settingsFile = folder_->filePath("MORVIK.INI").toStdString();
        setup.desktop = {1920, 1080};
        setup.historyFile = folder_->filePath("Zentrel.log").toStdString();
        setup.functionPath = folder_->path().toStdString();
        setup.randomSeed = 1;
        return setup;
    }

    // Shows the window; false when it never came on the screen.
    bool openWindow(const MainWindowSetup& setup) {
        dialog_ = std::make_unique<MainDialog>(setup);
        dialog_->show();
        return QTest::qWaitForWindowExposed(dialog_.get());
    }

    // The window goes first: it writes into the folder as it closes.
    void closeWindow() {
        dialog_.reset();
        folder_.reset();
    }

    template <typename T>
    T* find(const char* name) const {
        T* found = dialog_->findChild<T*>(name);
        if (!found) qFatal("no control %s", name);
        return found;
    }

    // The text of a file, its path absolute or inside the folder; "(missing)"
    // tells a file that is not there from an empty one.
    QString fileText(const QString& path) const {
        QFile file(QDir(folder_->path()).filePath(path));
        if (!file.open(QIODevice::ReadOnly)) return "(missing)";
        return QString::fromUtf8(file.readAll());
    }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<MainDialog> dialog_;
};

}  // namespace zentrel::test
