#include "app/qt/function_editor.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <QEventLoop>
#include <QMessageBox>
#include <QProcess>
#include <QSocketNotifier>
#include <QStringList>
#include <QWidget>

#include "app/qt/new_function_dialog.h"

namespace zentrel {
namespace {

QString editorText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Handles every event but the user's input until the process ends, so that
// the windows are painted while their input waits. A process that cannot be
// watched (it has ended already, or the system has no process descriptors)
// is not waited for. The system call is made directly: the C library's
// wrapper is missing from some versions and undeclared for C++ in others.
void waitForEnd(qint64 pid) {
    const auto descriptor = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    if (descriptor < 0) return;
    QEventLoop loop;
    QSocketNotifier ended(descriptor, QSocketNotifier::Read);
    QObject::connect(&ended, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    ::close(descriptor);
}

}  // namespace

std::optional<NewFunction> QtFunctionEditor::askNewFunction(const NewFunctionLogic& makeLogic) {
    QtNewFunctionDialog dialog(makeLogic, window_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.created();
}

// The editor is started detached, so that a window ended by a signal while
// it waits leaves the editor, and the text the user has not saved yet, alone.
bool QtFunctionEditor::runAndWait(const EditorCommand& command) {
    QStringList arguments;
    for (const std::string& argument : command.arguments)
        arguments << editorText(argument);
    qint64 pid = 0;
    if (!QProcess::startDetached(editorText(command.program), arguments, QString(), &pid))
        return false;
    waiting_ = true;
    waitForEnd(pid);
    waiting_ = false;
    return true;
}

void QtFunctionEditor::showMessage(std::string_view text) {
    QMessageBox::warning(window_, QString(), editorText(text));
}

}  // namespace zentrel
