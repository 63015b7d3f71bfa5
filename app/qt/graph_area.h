#pragma once

#include <QPixmap>
#include <QVector>
#include <QWidget>

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

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QVector<QRgb> colourTable_;
    QPixmap picture_;
};

}  // namespace zentrel
