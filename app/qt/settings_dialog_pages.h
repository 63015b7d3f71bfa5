#pragma once

#include <QWidget>
#include <cstddef>
#include <map>
#include <string_view>

#include "app/main/dialog_units.h"
#include "app/settings/settings_sheet_controls.h"

class QLabel;

namespace zentrel {

// The widgets of the settings sheet's controls, each made as its row says
// (kind, text, object name, spoken name) and kept by control.
class SheetWidgets {
  public:
    QWidget* make(SheetControl id, QWidget* parent);
    // The label before an edit or a list, naming it.
    QLabel* labelOf(SheetControl id, QWidget* parent) const;
    QWidget* find(SheetControl id) const;

  private:
    std::map<SheetControl, QWidget*> widgets_;
};

// A text of the sheet's logic as the widgets take it.
QString sheetText(std::string_view text);

// A page of the sheet (an index into kSheetPages) with its controls laid
// out, made in tab order; `units` sizes the page as a property page.
QWidget* makeSheetPage(std::size_t page, SheetWidgets& widgets, const DialogUnits& units);

}  // namespace zentrel
