#include "app/qt/table_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>

namespace zentrel {

namespace {

QString utf8Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr int kColumnWidth = 150;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kMargin = 2;

}  // namespace

TableWindowDialog::TableWindowDialog(TablePointSource& source, QWidget* owner)
    : QWidget(owner, Qt::Tool),
      list_(new QTreeWidget(this)),
      deleteButton_(new QPushButton("削除", this)),
      showButton_(new QPushButton("確認", this)),
      saveButton_(new QPushButton("保存", this)),
      logic_(*this, source) {
    setObjectName("tableWindow");
    setWindowTitle("数表");
    setAccessibleName("数表");
    list_->setObjectName("tableList");
    list_->setAccessibleName("数表");
    list_->setRootIsDecorated(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    deleteButton_->setObjectName("deleteButton");
    showButton_->setObjectName("showButton");
    saveButton_->setObjectName("saveButton");
    for (QPushButton* button : {deleteButton_, showButton_, saveButton_})
        button->setAutoDefault(false);
    connect(deleteButton_, &QPushButton::clicked, this, [this] {
        markCurrentRow();
        logic_.deleteSelected();
        list_->setFocus();
    });
    connect(showButton_, &QPushButton::clicked, this, [this] {
        markCurrentRow();
        logic_.showSelected();
        list_->setFocus();
    });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] {
        markCurrentRow();
        logic_.showSelected();
    });
    connect(saveButton_, &QPushButton::clicked, this, [this] { logic_.save(); });
    resize(2 * kColumnWidth + 20, 300);
}

void TableWindowDialog::markCurrentRow() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row >= 0) logic_.select(static_cast<std::size_t>(row));
}

void TableWindowDialog::setColumns(const std::vector<std::string>& titles) {
    QStringList labels;
    for (const std::string& title : titles)
        labels << utf8Text(title);
    list_->setColumnCount(static_cast<int>(titles.size()));
    list_->setHeaderLabels(labels);
    for (int i = 0; i < list_->columnCount(); ++i)
        list_->setColumnWidth(i, kColumnWidth);
}

void TableWindowDialog::showRows(const std::vector<TableRow>& rows,
                                 std::optional<std::size_t> selected) {
    list_->clear();
    for (const TableRow& row : rows) {
        auto* item = new QTreeWidgetItem(list_);
        for (int i = 0; i < list_->columnCount(); ++i)
            item->setText(i, utf8Text(row[static_cast<std::size_t>(i)]));
    }
    if (selected) {
        QTreeWidgetItem* item = list_->topLevelItem(static_cast<int>(*selected));
        list_->setCurrentItem(item);
        list_->scrollToItem(item);
    }
}

// The filter comes as "name|pattern||"; the chooser takes the name, which
// holds the pattern in brackets.
std::optional<std::string> TableWindowDialog::chooseSaveFile(std::string_view defaultName,
                                                             std::string_view filter) {
    QFileDialog chooser(this);
    chooser.setObjectName("saveTableChooser");
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setNameFilter(utf8Text(filter.substr(0, filter.find('|'))));
    chooser.setDefaultSuffix("txt");
    chooser.selectFile(utf8Text(defaultName));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return chooser.selectedFiles().first().toStdString();
}

bool TableWindowDialog::askYesNo(std::string_view question) {
    return QMessageBox::warning(parentWidget(), QString(), utf8Text(question),
                                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TableWindowDialog::showError(std::string_view text) {
    QMessageBox::critical(this, "数表", utf8Text(text));
}

// The list fills the window above the button row; "削除" stays at the left,
// "確認" keeps its place from the left and "保存" its distance from the right.
void TableWindowDialog::resizeEvent(QResizeEvent*) {
    const int buttonTop = height() - kButtonHeight - kMargin;
    list_->setGeometry(0, 0, width(), buttonTop - kMargin);
    deleteButton_->setGeometry(kMargin, buttonTop, kButtonWidth, kButtonHeight);
    showButton_->setGeometry(2 * kMargin + kButtonWidth, buttonTop, kButtonWidth, kButtonHeight);
    saveButton_->setGeometry(width() - kMargin - kButtonWidth, buttonTop, kButtonWidth,
                             kButtonHeight);
}

void TableWindowDialog::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) return copyRows();
    QWidget::keyPressEvent(event);
}

// The selected rows, or every row, with the header line, as tab-separated
// text a spreadsheet takes.
void TableWindowDialog::copyRows() {
    QStringList lines;
    QStringList header;
    for (int i = 0; i < list_->columnCount(); ++i)
        header << list_->headerItem()->text(i);
    lines << header.join('\t');
    const bool onlySelected = !list_->selectedItems().isEmpty();
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list_->topLevelItem(row);
        if (onlySelected && !item->isSelected()) continue;
        QStringList cells;
        for (int i = 0; i < list_->columnCount(); ++i)
            cells << item->text(i);
        lines << cells.join('\t');
    }
    QApplication::clipboard()->setText(lines.join('\n') + '\n');
}

}  // namespace zentrel
