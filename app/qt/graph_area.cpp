#include "app/qt/graph_area.h"

#include <QImage>
#include <QPainter>

#include "graphics/palette.h"

namespace zentrel {

GraphArea::GraphArea(QWidget* parent) : QWidget(parent) {
    for (const Rgb& colour : standardPalette())
        colourTable_.push_back(qRgb(colour.r, colour.g, colour.b));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize GraphArea::bitmapSize() const {
    return size() * devicePixelRatio();
}

void GraphArea::showCanvas(const Canvas& canvas) {
    if (canvas.width() <= 0 || canvas.height() <= 0) return;
    QImage raster(canvas.pixels(), canvas.width(), canvas.height(), canvas.stride(),
                  QImage::Format_Indexed8);
    raster.setColorTable(colourTable_);
    picture_ = QPixmap::fromImage(raster);
    picture_.setDevicePixelRatio(devicePixelRatio());
    update();
}

void GraphArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    painter.drawPixmap(0, 0, picture_);
}

}  // namespace zentrel
