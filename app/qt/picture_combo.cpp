#include "app/qt/picture_combo.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace zentrel {

PictureCombo::PictureCombo(QWidget* parent) : QComboBox(parent) {}

void PictureCombo::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const QIcon picture = itemIcon(currentIndex());
    picture.paint(&painter, field.adjusted(1, 2, -1, -2), Qt::AlignCenter,
                  isEnabled() ? QIcon::Normal : QIcon::Disabled);
}

}  // namespace zentrel
