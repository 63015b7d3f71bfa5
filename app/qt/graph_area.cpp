#include "app/qt/graph_area.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <cmath>

#include "graphics/palette.h"

namespace zentrel {

GraphArea::GraphArea(QWidget* parent) : QWidget(parent) {
    for (const Rgb& colour : standardPalette())
        colourTable_.push_back(qRgb(colour.r, colour.g, colour.b));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Reached with Tab for keyboard tracing; a click leaves the focus in the
    // field being typed in, as the buttons do.
    setFocusPolicy(Qt::TabFocus);
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
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

void GraphArea::showTool(GraphTool tool) {
    tool_ = tool;
    setCursor(tool == GraphTool::Hand ? Qt::OpenHandCursor : Qt::CrossCursor);
}

PixelPoint GraphArea::toPixels(const QMouseEvent* event) const {
    const QPointF at = event->position() * devicePixelRatio();
    return {static_cast<std::int32_t>(std::floor(at.x())),
            static_cast<std::int32_t>(std::floor(at.y()))};
}

void GraphArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !mouse_.press) return;
    if (tool_ == GraphTool::Hand) setCursor(Qt::ClosedHandCursor);
    mouse_.press(toPixels(event));
}

void GraphArea::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) && mouse_.move) mouse_.move(toPixels(event));
}

void GraphArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !mouse_.release) return;
    mouse_.release();
    showTool(tool_);
}

void GraphArea::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Left || key == Qt::Key_Right) && keys_.step) {
        keys_.step(key == Qt::Key_Left ? -1 : 1);
    } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && keys_.enter) {
        keys_.enter();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void GraphArea::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void GraphArea::focusOutEvent(QFocusEvent* event) {
    if (keys_.focusLost) keys_.focusLost();
    update();
    QWidget::focusOutEvent(event);
}

}  // namespace zentrel
