#include "app/qt/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>

#include "app/qt/dialog_font.h"
#include "app/strings/string_table.h"

namespace zentrel {
namespace {

using S = SheetControl;

// The sheet's title.
constexpr int kSheetTitleString = 201;
// Any file may be a program here; the chooser shows the executable ones.
constexpr const char* kProgramFilter = "実行ファイル (*)";

std::optional<std::string> chosenPath(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace

SettingsSheetDialog::SettingsSheetDialog(
    const std::function<std::unique_ptr<SettingsSheet>(SettingsSheetView&)>& makeLogic,
    QWidget* parent)
    : QDialog(parent) {
    const QString title = sheetText(lookupString(kSheetTitleString));
    setObjectName("settingsSheet");
    setWindowTitle(title);
    setAccessibleName(title);
    auto* layout = new QVBoxLayout(this);
    auto* pages = new QTabWidget(this);
    pages->setObjectName("settingsPages");
    // Every tab in sight: the sheet is as wide as its six titles.
    pages->setUsesScrollButtons(false);
    const DialogUnits units = dialogUnits(font());
    for (std::size_t page = 0; page < kSheetPages.size(); ++page)
        pages->addTab(makeSheetPage(page, widgets_, units), sheetText(kSheetPages[page].title));
    layout->addWidget(pages);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText("キャンセル");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    logic_ = makeLogic(*this);
    logic_->open();
    connectControls();
}

void SettingsSheetDialog::connectControls() {
    const std::pair<S, void (SettingsSheet::*)()> actions[] = {
        {S::AddFolder, &SettingsSheet::addFolder},
        {S::RemoveFolder, &SettingsSheet::removeFolder},
        {S::FolderUp, &SettingsSheet::moveFolderUp},
        {S::FolderDown, &SettingsSheet::moveFolderDown},
        {S::ChooseEditor, &SettingsSheet::chooseEditor},
        {S::ChooseHistoryFolder, &SettingsSheet::chooseHistoryFolder},
        {S::ClearCache, &SettingsSheet::clearCache},
    };
    for (const auto& [id, action] : actions) {
        connect(static_cast<QPushButton*>(widgets_.find(id)), &QPushButton::clicked, this,
                [this, action] { (logic_.get()->*action)(); });
    }
    connect(static_cast<QListWidget*>(widgets_.find(S::FolderList)),
            &QListWidget::currentRowChanged, this, [this](int row) { logic_->selectFolder(row); });
}

std::string SettingsSheetDialog::text(SheetControl edit) const {
    if (auto* line = qobject_cast<QLineEdit*>(widgets_.find(edit)))
        return line->text().toStdString();
    return {};
}

void SettingsSheetDialog::setText(SheetControl edit, std::string_view text) {
    if (auto* line = qobject_cast<QLineEdit*>(widgets_.find(edit))) line->setText(sheetText(text));
}

bool SettingsSheetDialog::checked(SheetControl box) const {
    auto* check = qobject_cast<QCheckBox*>(widgets_.find(box));
    return check != nullptr && check->isChecked();
}

void SettingsSheetDialog::setChecked(SheetControl box, bool on) {
    if (auto* check = qobject_cast<QCheckBox*>(widgets_.find(box))) check->setChecked(on);
}

std::int32_t SettingsSheetDialog::selection(SheetControl list) const {
    QWidget* widget = widgets_.find(list);
    if (auto* lines = qobject_cast<QListWidget*>(widget)) return lines->currentRow();
    if (auto* choices = qobject_cast<QComboBox*>(widget)) return choices->currentIndex();
    return -1;
}

void SettingsSheetDialog::setSelection(SheetControl list, std::int32_t index) {
    QWidget* widget = widgets_.find(list);
    const QSignalBlocker quiet(widget);
    if (auto* lines = qobject_cast<QListWidget*>(widget)) lines->setCurrentRow(index);
    if (auto* choices = qobject_cast<QComboBox*>(widget)) choices->setCurrentIndex(index);
}

void SettingsSheetDialog::setLines(SheetControl list, const std::vector<std::string>& lines) {
    auto* entries = qobject_cast<QListWidget*>(widgets_.find(list));
    if (entries == nullptr) return;
    const QSignalBlocker quiet(entries);
    entries->clear();
    for (const std::string& line : lines)
        entries->addItem(sheetText(line));
}

void SettingsSheetDialog::setEnabled(SheetControl control, bool enabled) {
    if (QWidget* widget = widgets_.find(control)) widget->setEnabled(enabled);
}

void SettingsSheetDialog::showMessage(std::string_view text) {
    QMessageBox::warning(this, windowTitle(), sheetText(text));
}

std::optional<std::string> SettingsSheetDialog::chooseFolder(std::string_view title,
                                                             std::string_view start) {
    return chosenPath(QFileDialog::getExistingDirectory(this, sheetText(title), sheetText(start)));
}

std::optional<std::string> SettingsSheetDialog::chooseProgram(std::string_view title,
                                                              std::string_view start) {
    QFileDialog chooser(this, sheetText(title), sheetText(start));
    chooser.setObjectName("programChooser");
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setNameFilter(kProgramFilter);
    chooser.setFilter(QDir::AllDirs | QDir::Files | QDir::Executable | QDir::NoDotAndDotDot);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return chosenPath(chooser.selectedFiles().front());
}

}  // namespace zentrel
