#pragma once

#include <QPixmap>
#include <QVector>
#include <QWidget>
#include <functional>

#include "app/main/graph_tools.h"
#include "graphics/canvas.h"

namespace zentrel {

// The graph area: shows the graph bitmap, the canvas's 8-bit raster, 1:1 in
// device pixels. Each copy reads the raster through an indexed image over the
// canvas's own pixels (the palette as its colour table) into a pixmap, which
// the area paints from whenever the window system asks, so that a paint never
// reads the raster while a draw writes it.
class GraphArea final : public QWidget {
  public:
    explicit GraphArea(QWidget* parent);

    // Copies the canvas to the screen.
    void showCanvas(const Canvas& canvas);
    // The size of the graph bitmap: the area in device pixels.
    QSize bitmapSize() const;
    // What the area shows now.
    const QPixmap& picture() const { return picture_; }

    // Where the mouse goes, in bitmap pixels from the area's top-left corner.
    struct MouseHandlers {
        std::function<void(PixelPoint)> press;
        std::function<void(PixelPoint)> move;
        std::function<void()> release;
    };
    void setMouseHandlers(MouseHandlers handlers) { mouse_ = std::move(handlers); }
    // Where Left and Right (steps -1 and 1), Enter (Return or the keypad's)
    // and the loss of the focus go.
    struct KeyHandlers {
        std::function<void(std::int32_t)> step;
        std::function<void()> enter;
        std::function<void()> focusLost;
    };
    void setKeyHandlers(KeyHandlers handlers) { keys_ = std::move(handlers); }
    // The cursor that shows the chosen tool.
    void showTool(GraphTool tool);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    QVector<QRgb> colourTable_;
    QPixmap picture_;
    MouseHandlers mouse_;
    KeyHandlers keys_;
    GraphTool tool_ = GraphTool::Trace;
    PixelPoint toPixels(const QMouseEvent* event) const;
};

}  // namespace zentrel
