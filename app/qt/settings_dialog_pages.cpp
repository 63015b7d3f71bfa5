#include "app/qt/settings_dialog_pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <optional>
#include <utility>

#include "app/main/main_controls.h"
#include "app/qt/button_pictures.h"
#include "app/settings/settings.h"

namespace zentrel {
namespace {

using S = SheetControl;

// A property page's size in dialog units, which every page takes at least.
constexpr std::int32_t kPageWidth = 252;
constexpr std::int32_t kPageHeight = 150;

QComboBox* colourChoices(QWidget* parent) {
    auto* list = new QComboBox(parent);
    for (std::int32_t choice = 0; choice < kColourChoices; ++choice)
        list->addItem(colourSwatch(choice), sheetText(colourName(choice)));
    return list;
}

QWidget* makeWidget(const SheetControlRow& row, QWidget* parent) {
    const QString text = sheetText(row.text);
    switch (row.kind) {
        case SheetControlKind::FolderList:
            return new QListWidget(parent);
        case SheetControlKind::Button: {
            // Enter on a page means OK, not the page's last button.
            auto* button = new QPushButton(text, parent);
            button->setAutoDefault(false);
            return button;
        }
        case SheetControlKind::Edit:
            return new QLineEdit(parent);
        case SheetControlKind::ColourList:
            return colourChoices(parent);
        case SheetControlKind::CheckBox:
            return new QCheckBox(text, parent);
        case SheetControlKind::Group:
            return new QGroupBox(text, parent);
        case SheetControlKind::Note:
            break;
    }
    auto* note = new QLabel(text, parent);
    note->setWordWrap(true);
    return note;
}

// An edit with its label before it, in a grid row from `column` on.
void addLabelled(SheetWidgets& widgets, SheetControl id, QGridLayout* grid, int row, int column,
                 QWidget* parent) {
    QWidget* edit = widgets.make(id, parent);
    grid->addWidget(widgets.labelOf(id, parent), row, column);
    grid->addWidget(edit, row, column + 1);
}

void fillFolderPage(SheetWidgets& widgets, QWidget* page) {
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(widgets.make(S::FolderList, page), 1);
    auto* buttons = new QVBoxLayout;
    for (S id : {S::AddFolder, S::RemoveFolder, S::FolderUp, S::FolderDown})
        buttons->addWidget(widgets.make(id, page));
    buttons->addStretch();
    layout->addLayout(buttons);
}

// The edits sit as the function buttons do: three a row, in their order.
void fillFunctionNamePage(SheetWidgets& widgets, QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    auto* grid = new QGridLayout;
    for (std::size_t slot = 0; slot < kFunctionButtonCount; ++slot) {
        addLabelled(widgets, functionNameEdit(slot), grid, static_cast<int>(slot / 3),
                    static_cast<int>(slot % 3) * 2, page);
    }
    layout->addLayout(grid);
    for (S note : {S::ExtensionNote, S::SelectionNote})
        layout->addWidget(widgets.make(note, page));
    layout->addStretch();
}

// A path edit with its "選択" button, and the note under them if any.
void fillPathPage(SheetWidgets& widgets, QWidget* page, S edit, S choose, std::optional<S> note) {
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    row->addWidget(widgets.make(edit, page), 1);
    row->addWidget(widgets.make(choose, page));
    layout->addLayout(row);
    if (note) layout->addWidget(widgets.make(*note, page));
    layout->addStretch();
}

// A group of two number edits, each with the text after it when it has one.
QGroupBox* numberGroup(SheetWidgets& widgets, QWidget* page, S group,
                       const std::array<std::pair<S, std::optional<S>>, 2>& edits) {
    auto* box = static_cast<QGroupBox*>(widgets.make(group, page));
    auto* grid = new QGridLayout(box);
    for (int row = 0; row < 2; ++row) {
        const auto& [edit, suffix] = edits[static_cast<std::size_t>(row)];
        addLabelled(widgets, edit, grid, row, 0, box);
        if (suffix) grid->addWidget(widgets.make(*suffix, box), row, 2);
    }
    return box;
}

void fillScreenPage(SheetWidgets& widgets, QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    auto* colours = new QGridLayout;
    int row = 0;
    for (S list : {S::BackColour, S::ScaleColour, S::UnitColour, S::TextColour}) {
        addLabelled(widgets, list, colours, row++, 0, page);
    }
    colours->setColumnStretch(2, 1);
    layout->addLayout(colours);
    auto* groups = new QHBoxLayout;
    groups->addWidget(numberGroup(widgets, page, S::GridGroup, {{{S::UnitX, {}}, {S::UnitY, {}}}}));
    groups->addWidget(numberGroup(widgets, page, S::NumberGroup,
                                  {{{S::TextX, S::TextXSuffix}, {S::TextY, S::TextYSuffix}}}));
    layout->addLayout(groups);
    layout->addStretch();
}

void fillOptionsPage(SheetWidgets& widgets, QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(widgets.make(S::Help, page));
    auto* rePlot = static_cast<QGroupBox*>(widgets.make(S::RePlotGroup, page));
    auto* rePlotLayout = new QVBoxLayout(rePlot);
    for (S box : {S::RePlotMode, S::RePlotAngle, S::RePlotWindow})
        rePlotLayout->addWidget(widgets.make(box, rePlot));
    layout->addWidget(rePlot);
    auto* cache = static_cast<QGroupBox*>(widgets.make(S::CacheGroup, page));
    auto* grid = new QGridLayout(cache);
    addLabelled(widgets, S::CacheSize, grid, 0, 0, cache);
    grid->addWidget(widgets.make(S::CacheSizeNote, cache), 0, 2);
    grid->addWidget(widgets.make(S::ClearCache, cache), 0, 3);
    grid->setColumnStretch(2, 1);
    grid->addWidget(widgets.make(S::ClearOnDeactivate, cache), 1, 0, 1, 4);
    grid->addWidget(widgets.make(S::ClearOnDeactivateNote, cache), 2, 0, 1, 4);
    layout->addWidget(cache);
    layout->addStretch();
}

}  // namespace

QString sheetText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* SheetWidgets::make(SheetControl id, QWidget* parent) {
    const SheetControlRow& row = sheetControl(id);
    QWidget* widget = makeWidget(row, parent);
    widget->setObjectName(sheetText(row.objectName));
    widget->setAccessibleName(sheetText(spokenName(row)));
    if (row.number != 0) widget->setProperty("controlNumber", row.number);
    widgets_[id] = widget;
    return widget;
}

QLabel* SheetWidgets::labelOf(SheetControl id, QWidget* parent) const {
    const SheetControlRow& row = sheetControl(id);
    auto* label = new QLabel(sheetText(row.text), parent);
    label->setObjectName(sheetText(row.objectName) + "Label");
    label->setBuddy(find(id));
    return label;
}

QWidget* SheetWidgets::find(SheetControl id) const {
    const auto found = widgets_.find(id);
    return found == widgets_.end() ? nullptr : found->second;
}

QWidget* makeSheetPage(std::size_t index, SheetWidgets& widgets, const DialogUnits& units) {
    auto* page = new QWidget;
    page->setObjectName(sheetText(kSheetPages[index].className));
    page->setMinimumSize(units.toPixelsX(kPageWidth), units.toPixelsY(kPageHeight));
    switch (index) {
        case 0:
            fillFolderPage(widgets, page);
            break;
        case 1:
            fillFunctionNamePage(widgets, page);
            break;
        case 2:
            fillPathPage(widgets, page, S::Editor, S::ChooseEditor, std::nullopt);
            break;
        case 3:
            fillPathPage(widgets, page, S::HistoryFile, S::ChooseHistoryFolder, S::HistoryNote);
            break;
        case 4:
            fillScreenPage(widgets, page);
            break;
        default:
            fillOptionsPage(widgets, page);
            break;
    }
    return page;
}

}  // namespace zentrel
