// The settings sheet opened from the calculator window and driven as a user
// drives it, on Qt's offscreen platform.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>
#include <fstream>
#include <functional>

#include "app/qt/settings_dialog.h"
#include "tests/qt/widget_tests.h"
#include "tests/qt/window_fixture.h"

namespace zentrel {

class SettingsDialogTest : public QObject, protected test::WindowFixture {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void okStoresThePagesAndTheWindowFollows();
    void cancelChangesNothing();
    void aNewFolderIsWatchedAndListed();
    void everyControlIsNamedAndReachedByTab();

  private:
    void start(const char* settings);
    // Clicks the settings button and, once the sheet shows, lets `use` work
    // on it; `use` closes it.
    void withSheet(const std::function<void(SettingsSheetDialog&)>& use);
    // Answers the next folder chooser with `folder`.
    static void answerFolderChooser(const QString& folder);
    template <typename T>
    static T* control(QWidget& parent, const char* name) {
        T* found = parent.findChild<T*>(name);
        if (!found) qFatal("no control %s", name);
        return found;
    }
    static void clickButton(SettingsSheetDialog& sheet, QDialogButtonBox::StandardButton which);
};

void SettingsDialogTest::init() {
    QVERIFY(makeFolder());
    QVERIFY(QDir(folder_->path()).mkpath("functions"));
}

void SettingsDialogTest::start(const char* settings) {
    std::ofstream(folder_->filePath("MORVIK.INI").toStdString()) << settings;
    MainWindowSetup setup = windowSetup();
    setup.functionPath = folder_->filePath("functions").toStdString();
    QVERIFY(openWindow(setup));
}

void SettingsDialogTest::cleanup() {
    closeWindow();
}

void SettingsDialogTest::withSheet(const std::function<void(SettingsSheetDialog&)>& use) {
    bool used = false;
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [&, poll] {
        auto* sheet = dynamic_cast<SettingsSheetDialog*>(QApplication::activeModalWidget());
        if (sheet == nullptr || used) return;
        used = true;
        poll->stop();
        use(*sheet);
        if (sheet->isVisible()) sheet->reject();  // a failed check leaves it open
    });
    poll->start(20);
    QTest::mouseClick(control<QAbstractButton>(*dialog_, "settingsButton"), Qt::LeftButton);
    poll->deleteLater();
    QVERIFY(used);
}

void SettingsDialogTest::answerFolderChooser(const QString& folder) {
    QTimer::singleShot(50, [folder] {
        auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (chooser == nullptr) return;
        chooser->setDirectory(folder);
        static_cast<QDialog*>(chooser)->accept();  // QFileDialog hides it
    });
}

void SettingsDialogTest::clickButton(SettingsSheetDialog& sheet,
                                     QDialogButtonBox::StandardButton which) {
    auto* box = sheet.findChild<QDialogButtonBox*>();
    QTest::mouseClick(box->button(which), Qt::LeftButton);
}

void SettingsDialogTest::okStoresThePagesAndTheWindowFollows() {
    start("[GRAPH WINDOW]\nFuncMode=3\nExtFunc01=old\n");
    auto* first = control<QAbstractButton>(*dialog_, "functionButton1");
    QCOMPARE(first->text(), QString("old"));
    const int tallWindow = dialog_->height();
    withSheet([this](SettingsSheetDialog& sheet) {
        QCOMPARE(sheet.windowTitle(), QString("関数グラフの設定"));
        auto* pages = control<QTabWidget>(sheet, "settingsPages");
        pages->setCurrentIndex(1);
        auto* name = control<QLineEdit>(sheet, "extFunc01Edit");
        QCOMPARE(name->text(), QString("old"));
        name->selectAll();
        QTest::keyClicks(name, "  sq rt");
        pages->setCurrentIndex(5);
        auto* help = control<QCheckBox>(sheet, "helpCheck");
        QVERIFY(help->isChecked());
        QTest::mouseClick(help, Qt::LeftButton, {}, QPoint(4, help->height() / 2));
        QVERIFY(!help->isChecked());
        QVERIFY(!control<QPushButton>(sheet, "clearCacheButton")->isEnabled());
        clickButton(sheet, QDialogButtonBox::Ok);
    });
    QCOMPARE(dialog_->logic().settings().extFunc[0], std::string("sq"));
    QVERIFY(!dialog_->logic().settings().help);
    QCOMPARE(first->text(), QString("sq"));
    QVERIFY(!control<QLabel>(*dialog_, "helpLine")->isVisible());
    QVERIFY(dialog_->height() < tallWindow);
    dialog_->close();
    const QString settings = fileText("MORVIK.INI");
    QVERIFY(settings.contains("ExtFunc01=sq\n"));
    QVERIFY(settings.contains("Help=0\n"));
}

void SettingsDialogTest::cancelChangesNothing() {
    start("");
    const Settings before = dialog_->logic().settings();
    withSheet([](SettingsSheetDialog& sheet) {
        QTest::keyClicks(control<QLineEdit>(sheet, "extFunc01Edit"), "gamma");
        control<QCheckBox>(sheet, "helpCheck")->setChecked(false);
        control<QComboBox>(sheet, "backColourList")->setCurrentIndex(0);
        clickButton(sheet, QDialogButtonBox::Cancel);
    });
    QVERIFY(dialog_->logic().settings() == before);
    QCOMPARE(control<QAbstractButton>(*dialog_, "functionButton1")->text(), QString("sin"));
    QVERIFY(control<QLabel>(*dialog_, "helpLine")->isVisible());
    QCOMPARE(fileText("MORVIK.INI"), QString());
}

void SettingsDialogTest::aNewFolderIsWatchedAndListed() {
    start("");
    auto* list = control<QComboBox>(*dialog_, "functionList");
    QCOMPARE(list->count(), 0);
    const QString other = folder_->filePath("other");
    QVERIFY(QDir().mkpath(other));
    withSheet([&](SettingsSheetDialog& sheet) {
        auto* folders = control<QListWidget>(sheet, "folderList");
        QCOMPARE(folders->count(), 1);
        answerFolderChooser(other);
        QTest::mouseClick(control<QPushButton>(sheet, "addFolderButton"), Qt::LeftButton);
        QCOMPARE(folders->count(), 2);
        QCOMPARE(folders->currentRow(), 1);
        folders->setCurrentRow(0);
        QTest::mouseClick(control<QPushButton>(sheet, "removeFolderButton"), Qt::LeftButton);
        QCOMPARE(folders->count(), 1);
        QCOMPARE(folders->item(0)->text(), other);
        clickButton(sheet, QDialogButtonBox::Ok);
    });
    QVERIFY(fileText("MORVIK.INI").contains("Path=" + other + "\n"));
    std::ofstream((other + "/gamma.vdl").toStdString()) << "# the gamma function\n1\n";
    QTRY_COMPARE(list->count(), 1);
    QCOMPARE(list->itemText(0), QString("gamma - the gamma function"));
}

// Every control of a page takes the focus in turn as Tab is pressed.
void SettingsDialogTest::everyControlIsNamedAndReachedByTab() {
    start("");
    withSheet([](SettingsSheetDialog& sheet) {
        // Tab moves the focus only inside the active window, and a busy
        // machine may not have made the sheet active yet.
        sheet.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        auto* pages = control<QTabWidget>(sheet, "settingsPages");
        for (const SheetControlRow& row : sheetControls()) {
            auto* widget = control<QWidget>(sheet, row.objectName.data());
            QVERIFY2(!widget->accessibleName().isEmpty(), row.objectName.data());
        }
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            QSet<QString> reached;
            pages->findChild<QTabBar*>()->setFocus();
            QTRY_VERIFY(pages->findChild<QTabBar*>()->hasFocus());
            for (int tab = 0; tab < 60 && QApplication::focusWidget(); ++tab) {
                reached << QApplication::focusWidget()->objectName();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            for (const SheetControlRow& row : sheetControls()) {
                const bool takesInput =
                    row.kind != SheetControlKind::Group && row.kind != SheetControlKind::Note;
                const auto* widget = sheet.findChild<QWidget*>(row.objectName.data());
                if (row.page != page || !takesInput || !widget->isEnabled()) continue;
                QVERIFY2(reached.contains(widget->objectName()), row.objectName.data());
            }
        }
        clickButton(sheet, QDialogButtonBox::Cancel);
    });
}

int runSettingsDialogTests(int argc, char** argv) {
    SettingsDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace zentrel

#include "settings_dialog_test.moc"
