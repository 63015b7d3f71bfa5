#pragma once

#include <QComboBox>

namespace zentrel {

// A drop-down list that shows its chosen entry as a picture only (a colour
// swatch, a coordinate-system drawing); the opened list shows each picture
// with its name, and the names are what screen readers read.
class PictureCombo final : public QComboBox {
  public:
    explicit PictureCombo(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zentrel
