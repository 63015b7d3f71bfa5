#include "app/qt/main_dialog.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <array>
#include <functional>
#include <utility>

#include "app/main/program_info.h"
#include "app/qt/button_pictures.h"
#include "app/qt/dialog_font.h"
#include "app/qt/picture_combo.h"
#include "app/qt/settings_dialog.h"
#include "app/qt/window_dialog.h"
#include "app/strings/string_table.h"

namespace zentrel {
namespace {

// The entry of the context menu that opens the About box.
constexpr int kAboutEntryString = 101;

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Edits count in UTF-16 units, the window's logic in UTF-8 bytes.
std::size_t utf8Offset(const QString& text, int position) {
    return static_cast<std::size_t>(text.left(position).toUtf8().size());
}

int utf16Offset(const QString& text, std::size_t offset) {
    const QByteArray bytes = text.toUtf8();
    const auto size = static_cast<qsizetype>(std::min<std::size_t>(offset, bytes.size()));
    return static_cast<int>(QString::fromUtf8(bytes.left(size)).size());
}

constexpr bool isInputField(ControlId id) {
    switch (id) {
        case ControlId::FirstExpression:
        case ControlId::SecondExpression:
        case ControlId::ArgumentEdit:
        case ControlId::MinEdit:
        case ControlId::MaxEdit:
        case ControlId::PitchEdit:
            return true;
        default:
            return false;
    }
}

// A picture, or for the "=" key its text, on a small tool button.
QToolButton* imageButton(const ControlRow& row, QWidget* parent) {
    auto* button = new QToolButton(parent);
    if (row.text.empty()) {
        button->setIcon(controlPicture(row.id));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else {
        button->setText(qText(row.text));
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    return button;
}

PictureCombo* pictureList(ControlKind kind, QWidget* parent) {
    auto* list = new PictureCombo(parent);
    list->setIconSize(QSize(32, 16));
    const bool colours = kind == ControlKind::ColourList;
    const std::int32_t count = colours ? kColourChoices : kCoordinateChoices;
    for (std::int32_t i = 0; i < count; ++i) {
        list->addItem(colours ? colourSwatch(i) : coordinatePicture(i),
                      qText(colours ? colourName(i) : coordinateSystemName(i)));
    }
    list->view()->setMinimumWidth(150);
    return list;
}

QFrame* separator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

MainDialog::MainDialog(MainWindowSetup setup, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      units_(dialogUnits(font())),
      runner_([this](DrawRunner::Task task) {
          QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
      }) {
    setObjectName("mainDialog");
    setWindowTitle("関数グラフ");
    setAccessibleName("関数グラフ");
    tools_.setExclusive(true);
    angles_.setExclusive(true);
    for (const ControlRow& row : mainWindowControls()) {
        QWidget* control = createControl(row);
        const PixelRect place = units_.toPixels(row.rect);
        control->setGeometry(place.x, place.y, place.width, place.height);
        control->setObjectName(qText(row.objectName));
        if (row.id != ControlId::None) widgets_[row.id] = control;
        const std::string_view tip = controlTip(row);
        if (!tip.empty() && !tip.starts_with('#')) control->setToolTip(qText(tip));
        control->setAccessibleName(qText(zentrel::accessibleName(row)));
    }
    for (const ControlRow& row : mainWindowControls()) {
        const ControlId label = labelOf(row.id);
        if (label != ControlId::None) {
            static_cast<QLabel*>(widget(label))->setBuddy(widget(row.id));
            widget(row.id)->setAccessibleName(qText(findControl(label)->text));
        }
        connectControl(row, widget(row.id));
        widget(row.id)->installEventFilter(this);
        // The right button edits their function instead of opening a menu.
        if (editsFunctions(row.id)) widget(row.id)->setContextMenuPolicy(Qt::PreventContextMenu);
    }
    addShortcuts();
    setWindowHeight(true);
    // Where the window starts when no position was saved: the desktop's middle.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    graphArea_ = static_cast<GraphArea*>(widget(ControlId::GraphArea));
    window_ = std::make_unique<MainWindow>(*this, runner_, std::move(setup));
    window_->start();
    connectGraphTools();
    watchFunctionFolders();
    connect(&functionFolders_, &QFileSystemWatcher::directoryChanged, this,
            [this] { window_->functionFoldersChanged(); });
}

// The folders of the function list, the old ones dropped.
void MainDialog::watchFunctionFolders() {
    const QStringList watched = functionFolders_.directories();
    if (!watched.isEmpty()) static_cast<void>(functionFolders_.removePaths(watched));
    QStringList folders;
    for (const std::string& folder : window_->watchedFolders())
        folders << QString::fromStdString(folder);
    if (!folders.isEmpty()) static_cast<void>(functionFolders_.addPaths(folders));
}

MainDialog::~MainDialog() {
    shutDownWindow();
    window_->attachTable(nullptr);
    // The area loses the focus as the window goes, after the logic is gone.
    graphArea_->setKeyHandlers({});
}

QWidget* MainDialog::createControl(const ControlRow& row) {
    switch (row.kind) {
        case ControlKind::GraphArea:
            return new GraphArea(this);
        case ControlKind::ToolButton: {
            QToolButton* button = imageButton(row, this);
            button->setCheckable(true);
            tools_.addButton(button);
            return button;
        }
        case ControlKind::Button:
            return new QPushButton(qText(row.text), this);
        case ControlKind::ImageButton:
            return imageButton(row, this);
        case ControlKind::ColourList:
        case ControlKind::CoordinateList:
            return pictureList(row.kind, this);
        case ControlKind::FunctionList:
            return new QComboBox(this);
        case ControlKind::Edit:
        case ControlKind::ReadOnlyEdit: {
            auto* edit = new QLineEdit(this);
            edit->setReadOnly(row.kind == ControlKind::ReadOnlyEdit);
            edit->setMaxLength(static_cast<int>(MainWindow::kExpressionLength));
            return edit;
        }
        case ControlKind::Label:
        case ControlKind::StatusText:
            return new QLabel(qText(row.text), this);
        case ControlKind::RadioButton: {
            auto* radio = new QRadioButton(qText(row.text), this);
            angles_.addButton(radio);
            return radio;
        }
        case ControlKind::HiddenList: {
            auto* list = new QListWidget(this);
            list->hide();
            return list;
        }
        case ControlKind::Separator:
            break;
    }
    return separator(this);
}

// Buttons and fields tell the window's logic what the user did; buttons
// take no focus from a click, so that typing goes on in the field it was in.
void MainDialog::connectControl(const ControlRow& row, QWidget* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setFocusPolicy(Qt::TabFocus);
        connectButton(row.id, button);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control); edit && isInputField(row.id)) {
        connect(edit, &QLineEdit::returnPressed, this, [this] { window_->pressEquals(); });
    } else if (row.kind == ControlKind::CoordinateList) {
        connect(static_cast<QComboBox*>(control), &QComboBox::currentIndexChanged, this,
                [this](int index) { window_->selectCoordinateSystem(index); });
    } else if (row.kind == ControlKind::ColourList) {
        connect(static_cast<QComboBox*>(control), &QComboBox::currentIndexChanged, this,
                [this](int index) { window_->selectGraphColour(index); });
    }
}

void MainDialog::connectButton(ControlId id, QWidget* control) {
    auto* button = static_cast<QAbstractButton*>(control);
    switch (id) {
        case ControlId::DrawButton:
            connect(button, &QAbstractButton::clicked, this, [this] { window_->draw(); });
            break;
        case ControlId::EqualsKey:
            connect(button, &QAbstractButton::clicked, this, [this] { window_->pressEquals(); });
            break;
        case ControlId::ClearButton:
        case ControlId::ClearKey:
            connect(button, &QAbstractButton::clicked, this, [this] { window_->clearGraph(); });
            break;
        case ControlId::DegRadio:
        case ControlId::RadRadio:
        case ControlId::GradRadio: {
            const AngleUnit unit = id == ControlId::DegRadio   ? AngleUnit::Degree
                                   : id == ControlId::RadRadio ? AngleUnit::Radian
                                                               : AngleUnit::Grad;
            connect(button, &QAbstractButton::toggled, this, [this, unit](bool on) {
                if (on) window_->selectAngleUnit(unit);
            });
            break;
        }
        default:
            if (findKey(id) != nullptr)
                connect(button, &QAbstractButton::clicked, this,
                        [this, id] { window_->pressKey(id); });
            break;
    }
}

// Esc stops a draw (and never closes the window); F1 and the context menu
// open the About box, as the system menu would.
void MainDialog::addShortcuts() {
    auto* stop = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(stop, &QShortcut::activated, this, [this] { window_->stopDraw(); });
    auto* about = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(about, &QShortcut::activated, this, &MainDialog::showAbout);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        menu.addAction(qText(lookupString(kAboutEntryString)), this, &MainDialog::showAbout);
        menu.exec(mapToGlobal(at));
    });
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive) window_->deactivated();
            });
}

void MainDialog::showAbout() {
    QMessageBox::about(this, "バージョン情報",
                       qText(kProgramName) + "\nバージョン " + qText(kProgramVersion));
}

void MainDialog::setWindowHeight(bool withHelpLine) {
    const std::int16_t height = kMainWindowRect.height - (withHelpLine ? 0 : kHelpLineDrop);
    setFixedSize(units_.toPixelsX(kMainWindowRect.width), units_.toPixelsY(height));
}

// The window waits for the function editor; it can be closed afterwards.
void MainDialog::closeEvent(QCloseEvent* event) {
    if (functionEditor_.waiting()) return event->ignore();
    window_->askSaveTableBeforeClosing();
    shutDownWindow();
    event->accept();
}

void MainDialog::shutDownAndQuit() {
    shutDownWindow();
    QCoreApplication::exit(0);
}

// Backspace in an expression field deletes as the DEL key does, whose
// button shows pressed meanwhile.
bool MainDialog::backspaceAsDelete(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Backspace) return false;
    if (watched != widget(ControlId::FirstExpression) &&
        watched != widget(ControlId::SecondExpression))
        return false;
    auto* key = static_cast<QAbstractButton*>(widget(ControlId::KeyDelete));
    key->setDown(event->type() == QEvent::KeyPress);
    if (event->type() == QEvent::KeyPress) window_->pressKey(ControlId::KeyDelete);
    return true;
}

// The table window is created hidden beside the main window; the tool
// buttons, the zoom buttons and the mouse on the graph area go to the tools.
void MainDialog::connectGraphTools() {
    tableWindow_ = std::make_unique<TableWindowDialog>(*window_, this);
    placeTableWindow();
    window_->attachTable(&tableWindow_->logic());
    constexpr std::array<std::pair<ControlId, GraphTool>, 3> kTools{
        {{ControlId::TraceTool, GraphTool::Trace},
         {ControlId::HandTool, GraphTool::Hand},
         {ControlId::BoxZoomTool, GraphTool::BoxZoom}}};
    for (const auto& [id, tool] : kTools) {
        auto* button = static_cast<QAbstractButton*>(widget(id));
        connect(button, &QAbstractButton::toggled, this, [this, tool](bool on) {
            if (!on) return;
            window_->selectTool(tool);
            graphArea_->showTool(tool);
        });
        if (button->isChecked()) graphArea_->showTool(tool);
    }
    const std::pair<ControlId, std::function<void()>> actions[] = {
        {ControlId::ZoomIn, [this] { window_->zoom(true); }},
        {ControlId::ZoomOut, [this] { window_->zoom(false); }},
        {ControlId::RegisterButton, [this] { window_->registerPoint(); }},
        {ControlId::WindowButton, [this] { openWindowDialog(); }},
        {ControlId::SettingsButton, [this] { openSettingsSheet(); }},
        {ControlId::ShowTableButton,
         [this] {
             tableWindow_->show();
             tableWindow_->raise();
         }},
    };
    for (const auto& [id, action] : actions) {
        connect(static_cast<QAbstractButton*>(widget(id)), &QAbstractButton::clicked, this, action);
    }
    graphArea_->setMouseHandlers({[this](PixelPoint at) { window_->graphPressed(at); },
                                  [this](PixelPoint at) { window_->graphMoved(at); },
                                  [this] { window_->graphReleased(); }});
    graphArea_->setKeyHandlers({[this](std::int32_t step) { window_->graphKeyStep(step); },
                                [this] { window_->graphEnter(); },
                                [this] { window_->graphFocusLost(); }});
}

// The table window's saved place, or beside the main window the first time.
void MainDialog::placeTableWindow() {
    const Settings& settings = window_->settings();
    if (settings.tableSizeX <= 0 || settings.tableSizeY <= 0) {
        tableWindow_->move(frameGeometry().topRight());
        return;
    }
    tableWindow_->move(settings.tablePosX, settings.tablePosY);
    tableWindow_->resize(settings.tableSizeX, settings.tableSizeY);
}

// The table window's place goes into the settings the shut-down writes.
void MainDialog::shutDownWindow() {
    if (tableWindow_) {
        const QRect frame = tableWindow_->frameGeometry();
        window_->keepTablePlacement({frame.x(), frame.y()},
                                    {tableWindow_->width(), tableWindow_->height()});
    }
    window_->shutDown();
}

void MainDialog::openWindowDialog() {
    WindowSettingsDialog dialog(
        [this](WindowDialogView& view) { return window_->windowDialog(view); }, this);
    if (dialog.exec() == QDialog::Accepted) window_->applyWindowDialog(dialog.logic().accept());
}

void MainDialog::openSettingsSheet() {
    SettingsSheetDialog dialog(
        [this](SettingsSheetView& view) { return window_->settingsSheet(view); }, this);
    if (dialog.exec() != QDialog::Accepted) return;
    window_->acceptSettingsSheet(dialog.logic());
    watchFunctionFolders();
}

// The table window goes with the main window when it is minimised and comes
// back with it.
void MainDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && tableWindow_) {
        if (isMinimized()) {
            tableShownBeforeMinimise_ = tableWindow_->isVisible();
            tableWindow_->hide();
        } else if (tableShownBeforeMinimise_) {
            tableWindow_->show();
        }
    }
    QWidget::changeEvent(event);
}

// The right button on a control that names a function: released over the
// control, it opens the function in the editor; the control sees neither.
bool MainDialog::rightButtonEdits(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const ControlId id = idOf(watched);
    if (mouse->button() != Qt::RightButton || !editsFunctions(id)) return false;
    if (type == QEvent::MouseButtonRelease &&
        widget(id)->rect().contains(mouse->position().toPoint())) {
        window_->editFunction(id, functionEditor_);
    }
    return true;
}

bool MainDialog::eventFilter(QObject* watched, QEvent* event) {
    if (window_ && backspaceAsDelete(watched, event)) return true;
    if (window_ && rightButtonEdits(watched, event)) return true;
    if ((event->type() == QEvent::Enter || event->type() == QEvent::Leave) && window_) {
        // Leaving a control is followed by entering the next one, if any.
        const ControlId over = event->type() == QEvent::Enter ? idOf(watched) : ControlId::None;
        window_->pointAt(over);
    }
    if (event->type() == QEvent::FocusIn && window_) window_->fieldFocused(idOf(watched));
    return QWidget::eventFilter(watched, event);
}

ControlId MainDialog::idOf(const QObject* control) const {
    for (const auto& [id, each] : widgets_) {
        if (each == control) return id;
    }
    return ControlId::None;
}

QWidget* MainDialog::widget(ControlId id) const {
    const auto found = widgets_.find(id);
    return found == widgets_.end() ? nullptr : found->second;
}

std::string MainDialog::text(ControlId id) const {
    QWidget* control = widget(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text().toStdString();
    if (auto* list = qobject_cast<QComboBox*>(control)) return list->currentText().toStdString();
    return {};
}

// A label names the edit beside it for screen readers; an emptied label
// leaves the edit its last name.
void MainDialog::setText(ControlId id, std::string_view text) {
    QWidget* control = widget(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(qText(text));
        edit->setCursorPosition(0);  // a long number shows its first digits
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(qText(text));
        if (label->buddy() && !text.empty()) label->buddy()->setAccessibleName(qText(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(qText(text));
        button->setAccessibleName(qText(text));
    }
}

void MainDialog::setEnabled(ControlId id, bool enabled) {
    if (QWidget* control = widget(id)) control->setEnabled(enabled);
}

void MainDialog::setVisible(ControlId id, bool visible) {
    if (QWidget* control = widget(id)) control->setVisible(visible);
    if (id == ControlId::HelpLine) setWindowHeight(visible);
}

void MainDialog::setChecked(ControlId id) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget(id))) {
        const QSignalBlocker quiet(button);
        button->setChecked(true);
    }
}

void MainDialog::setSelection(ControlId list, std::int32_t index) {
    if (auto* combo = qobject_cast<QComboBox*>(widget(list))) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(index);
    }
}

void MainDialog::appendLine(ControlId list, std::string_view line) {
    if (auto* lines = qobject_cast<QListWidget*>(widget(list))) lines->addItem(qText(line));
}

void MainDialog::focus(ControlId id) {
    if (QWidget* control = widget(id)) control->setFocus();
}

EditSelection MainDialog::editSelection(ControlId id) const {
    auto* edit = qobject_cast<QLineEdit*>(widget(id));
    if (edit == nullptr) return {};
    const QString text = edit->text();
    if (!edit->hasSelectedText()) {
        const std::size_t caret = utf8Offset(text, edit->cursorPosition());
        return {caret, caret};
    }
    const int start = edit->selectionStart();
    return {utf8Offset(text, start), utf8Offset(text, start + edit->selectionLength())};
}

void MainDialog::setEditSelection(ControlId id, EditSelection selection) {
    auto* edit = qobject_cast<QLineEdit*>(widget(id));
    if (edit == nullptr) return;
    const int start = utf16Offset(edit->text(), selection.start);
    const int end = utf16Offset(edit->text(), selection.end);
    edit->setSelection(start, end - start);
    if (start == end) edit->setCursorPosition(end);
}

void MainDialog::setLines(ControlId id, const std::vector<std::string>& lines) {
    auto* list = qobject_cast<QComboBox*>(widget(id));
    if (list == nullptr) return;
    const QSignalBlocker quiet(list);
    const QString chosen = list->currentText();
    list->clear();
    int widest = 0;
    for (const std::string& line : lines) {
        list->addItem(qText(line));
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(qText(line)));
    }
    list->setCurrentIndex(std::max(0, list->findText(chosen)));
    // The opened list is as wide as its widest entry, up to the window's edge.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int room = width() - list->x();
    list->view()->setMinimumWidth(std::min(widest + scrollBar + 6, room));
}

ScreenSize MainDialog::graphAreaSize() const {
    const QSize size = graphArea_->bitmapSize();
    return {size.width(), size.height()};
}

void MainDialog::showBitmap() {
    graphArea_->showCanvas(window_->canvas());
}

ScreenPoint MainDialog::windowPosition() const {
    return {pos().x(), pos().y()};
}

void MainDialog::moveWindow(ScreenPoint position) {
    move(position.x, position.y);
}

bool MainDialog::askYesNo(std::string_view question) {
    return QMessageBox::warning(this, QString(), qText(question),
                                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void MainDialog::setBusy(bool busy) {
    if (busy) {
        setCursor(Qt::BusyCursor);
    } else {
        unsetCursor();
    }
}

}  // namespace zentrel
