// Editing external functions from the window on Qt's offscreen platform: the
// right button on the real controls, a stand-in editor written by the test
// (a script that adds a line to the file it gets) and the new-function dialog
// answered as a user answers it.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>
#include <functional>
#include <memory>

#include "tests/qt/widget_tests.h"
#include "tests/qt/window_fixture.h"

namespace zentrel {

class FunctionEditorTest : public QObject, protected test::WindowFixture {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void theRightButtonOnAFunctionButtonEditsItsFileAndTheNextCallReadsIt();
    void aMissingFunctionIsMadeThroughTheNewFunctionDialog();
    void escCancelsTheNewFunctionDialog();
    void anEditorThatCannotStartIsReported();

  private:
    // Starts the window with function folders whose names hold blanks.
    void startWindow(const QString& settings);
    // A stand-in editor that waits a moment, then adds the line to its file.
    QString writeEditor(const QString& line);
    QString functionFolder(int index) const;
    void writeText(const QString& path, const QString& text) const;
    // Answers every modal window that comes up with `answer` until it returns true.
    void answerModals(std::function<bool(QWidget*)> answer);
    void rightClick(const char* control);
    // The trace readout of the drawn expression at x.
    QString valueAt(const char* x);

    std::unique_ptr<QTimer> answering_;
};

void FunctionEditorTest::init() {
    QVERIFY(makeFolder());
    for (const char* sub : {"my functions", "lib functions", "my tools"})
        QVERIFY(QDir(folder_->path()).mkdir(sub));
}

void FunctionEditorTest::cleanup() {
    answering_.reset();
    closeWindow();
}

QString FunctionEditorTest::functionFolder(int index) const {
    return folder_->filePath(index == 0 ? "my functions" : "lib functions");
}

void FunctionEditorTest::writeText(const QString& path, const QString& text) const {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

void FunctionEditorTest::startWindow(const QString& settings) {
    writeText(folder_->filePath("MORVIK.INI"),
              "[EXTFUNC]\nPath=" + functionFolder(0) + ";" + functionFolder(1) + "\n" + settings);
    QVERIFY(openWindow(windowSetup()));
}

QString FunctionEditorTest::writeEditor(const QString& line) {
    const QString path = folder_->filePath("my tools/edit 'it'.sh");
    writeText(path, "#!/bin/sh\nsleep 0.3\nprintf '%s\\n' '" + line + "' >> \"$1\"\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

void FunctionEditorTest::answerModals(std::function<bool(QWidget*)> answer) {
    answering_ = std::make_unique<QTimer>();
    connect(answering_.get(), &QTimer::timeout, this, [this, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && answer(modal)) answering_->stop();
    });
    answering_->start(50);
}

void FunctionEditorTest::rightClick(const char* control) {
    QTest::mouseClick(find<QWidget>(control), Qt::RightButton);
}

QString FunctionEditorTest::valueAt(const char* x) {
    auto* argument = find<QLineEdit>("argumentEdit");
    argument->setFocus();
    argument->setText(x);
    QTest::keyClick(argument, Qt::Key_Return);
    return find<QLineEdit>("firstValueEdit")->text();
}

void FunctionEditorTest::theRightButtonOnAFunctionButtonEditsItsFileAndTheNextCallReadsIt() {
    const QString file = functionFolder(1) + "/twice.vdl";
    writeText(file, "@0*2\n");
    const QString editor = writeEditor("@0*3");
    startWindow("Editor=" + editor + "\n[GRAPH WINDOW]\nFuncMode=3\nExtFunc01=twice\n");
    auto* expression = find<QLineEdit>("firstExpression");
    QTest::keyClicks(expression, "!twice x");
    QTest::keyClick(expression, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog_->logic().drawing(), 10000);
    QCOMPARE(valueAt("1"), QString("2"));

    // While the editor runs the window keeps handling its events, and stays open.
    bool heldOpen = false;
    QTimer::singleShot(100, this, [&] { heldOpen = !dialog_->close() && dialog_->isVisible(); });
    rightClick("functionButton1");
    QVERIFY(heldOpen);
    QCOMPARE(fileText(file), QString("@0*2\n@0*3\n"));
    QCOMPARE(valueAt("2"), QString("6"));
}

void FunctionEditorTest::aMissingFunctionIsMadeThroughTheNewFunctionDialog() {
    writeText(functionFolder(0) + "/twice.vdl", "@0*2\n");
    const QString editor = writeEditor("@0*@0*@0");
    startWindow("Editor=" + editor + "\nFolder=" + functionFolder(1) +
                "\n[GRAPH WINDOW]\nFuncMode=3\nExtFunc02=cube()\n");
    QString shownName;
    QString shownFolder;
    QStringList messages;
    answerModals([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
            box->accept();
            return false;
        }
        if (modal->objectName() != "newFunctionDialog") return false;
        auto* name = modal->findChild<QLineEdit*>("functionNameEdit");
        if (shownName.isEmpty()) {
            shownName = name->text();
            shownFolder = modal->findChild<QComboBox*>("folderList")->currentText();
            name->setText("twice");
        } else {
            name->setText("cube");
        }
        // Queued: the message box OK brings up must not wait inside this answer.
        QMetaObject::invokeMethod(
            name, [name] { QTest::keyClick(name, Qt::Key_Return); }, Qt::QueuedConnection);
        return name->text() == "cube";
    });
    rightClick("functionButton2");
    QCOMPARE(shownName, QString("cube"));
    QCOMPARE(shownFolder, functionFolder(1));
    QCOMPARE(messages, QStringList{"同名の外部関数が既に存在します！！"});
    QCOMPARE(fileText(functionFolder(1) + "/cube.vdl"), QString("@0*@0*@0\n"));
    QCOMPARE(find<QAbstractButton>("functionButton2")->text(), QString("cube()"));
    QVERIFY(fileText("MORVIK.INI").contains("Folder=" + functionFolder(1)));
    QCOMPARE(find<QComboBox>("functionList")->itemText(0), QString("cube"));
}

void FunctionEditorTest::escCancelsTheNewFunctionDialog() {
    const QString editor = writeEditor("1");
    startWindow("Editor=" + editor + "\n[GRAPH WINDOW]\nFuncMode=3\nExtFunc01=fresh\n");
    QStringList names;
    QStringList tabOrder;
    answerModals([&](QWidget* modal) {
        if (modal->objectName() != "newFunctionDialog") return false;
        // Every control is named and reached by Tab, from the name round to it.
        for (int i = 0; i <= 4 && modal->focusWidget(); ++i) {
            QWidget* control = modal->focusWidget();
            tabOrder << control->objectName();
            if (i < 4) names << control->accessibleName();
            QTest::keyClick(control, Qt::Key_Tab);
        }
        QTest::keyClick(modal->focusWidget(), Qt::Key_Escape);
        return true;
    });
    rightClick("functionButton1");
    QCOMPARE(names, (QStringList{"外部関数名：", "格納フォルダ：", "OK", "キャンセル"}));
    QCOMPARE(tabOrder, (QStringList{"functionNameEdit", "folderList", "okButton", "cancelButton",
                                    "functionNameEdit"}));
    QCOMPARE(fileText(functionFolder(0) + "/fresh.vdl"), QString("(missing)"));
    QCOMPARE(fileText(functionFolder(1) + "/fresh.vdl"), QString("(missing)"));
    QCOMPARE(find<QAbstractButton>("functionButton1")->text(), QString("fresh"));
}

void FunctionEditorTest::anEditorThatCannotStartIsReported() {
    writeText(functionFolder(0) + "/one.vdl", "1\n");
    startWindow("Editor=" + folder_->filePath("my tools/no such editor") + "\n");
    QString message;
    answerModals([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box) {
            message = box->text();
            box->accept();
        }
        return box != nullptr;
    });
    rightClick("functionList");
    QCOMPARE(message,
             "外部エディタ" + folder_->filePath("my tools/no such editor") + "を起動できません");
}

int runFunctionEditorTests(int argc, char** argv) {
    FunctionEditorTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace zentrel

#include "function_editor_test.moc"
