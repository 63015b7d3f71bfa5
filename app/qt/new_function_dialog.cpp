#include "app/qt/new_function_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace zentrel {
namespace {

QString promptText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A label naming the control beside it, for the eye and for screen readers.
void addLabelled(QGridLayout* grid, int row, const QString& title, QWidget* control) {
    auto* label = new QLabel(title, control->parentWidget());
    label->setBuddy(control);
    control->setAccessibleName(title);
    grid->addWidget(label, row, 0);
    grid->addWidget(control, row, 1);
}

// Folder names are long: the closed list shows about 40 characters, the
// opened one the widest folder whole.
constexpr int kShownFolderCharacters = 40;

}  // namespace

QtNewFunctionDialog::QtNewFunctionDialog(const NewFunctionLogic& makeLogic, QWidget* parent)
    : QDialog(parent) {
    setObjectName("newFunctionDialog");
    setWindowTitle("新規作成");
    setAccessibleName("新規作成");
    auto* grid = new QGridLayout(this);
    name_ = new QLineEdit(this);
    name_->setObjectName("functionNameEdit");
    folders_ = new QComboBox(this);
    folders_->setObjectName("folderList");
    folders_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    folders_->setMinimumContentsLength(kShownFolderCharacters);
    addLabelled(grid, 0, "外部関数名：", name_);
    addLabelled(grid, 1, "格納フォルダ：", folders_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    ok->setObjectName("okButton");
    cancel->setObjectName("cancelButton");
    cancel->setText("キャンセル");
    for (QPushButton* button : {ok, cancel})
        button->setAccessibleName(button->text());
    ok->setDefault(true);
    grid->addWidget(buttons, 2, 0, 1, 2);
    setTabOrder(name_, folders_);
    setTabOrder(folders_, ok);
    setTabOrder(ok, cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { tryAccept(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    logic_ = makeLogic(*this);
    logic_->open();
    name_->selectAll();
    name_->setFocus();
}

void QtNewFunctionDialog::tryAccept() {
    created_ = logic_->accept();
    if (created_) accept();
}

std::string QtNewFunctionDialog::text(NewFunctionId id) const {
    if (id == NewFunctionId::NameEdit) return name_->text().toStdString();
    return folders_->currentText().toStdString();
}

void QtNewFunctionDialog::setText(NewFunctionId id, std::string_view text) {
    if (id == NewFunctionId::NameEdit) name_->setText(promptText(text));
}

void QtNewFunctionDialog::setLines(NewFunctionId, const std::vector<std::string>& lines) {
    folders_->clear();
    int widest = 0;
    for (const std::string& line : lines) {
        folders_->addItem(promptText(line));
        widest = std::max(widest, folders_->fontMetrics().horizontalAdvance(promptText(line)));
    }
    folders_->view()->setMinimumWidth(widest + style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                                      6);
}

std::optional<std::size_t> QtNewFunctionDialog::selection(NewFunctionId) const {
    const int index = folders_->currentIndex();
    if (index < 0) return std::nullopt;
    return static_cast<std::size_t>(index);
}

void QtNewFunctionDialog::setSelection(NewFunctionId, std::size_t index) {
    folders_->setCurrentIndex(static_cast<int>(index));
}

void QtNewFunctionDialog::showMessage(std::string_view text) {
    QMessageBox::warning(this, windowTitle(), promptText(text));
}

}  // namespace zentrel
