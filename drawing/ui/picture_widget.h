#pragma once
// A picture control with an off-screen bitmap: drawing goes into the bitmap, painting copies
// it to the screen, so the content survives repaints, hiding and resizing.
#include <QImage>
#include <QWidget>

namespace omvera {

class PictureWidget : public QWidget {
    Q_OBJECT
  public:
    explicit PictureWidget(QWidget* parent = nullptr);

    // The bitmap, grown (never shrunk) to cover the control's current size; new parts are
    // white. Drawing reads the control's size, not the bitmap's.
    QImage& Bitmap();
    const QImage& Bitmap() const { return bitmap_; }

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    QImage bitmap_;
};

} // namespace omvera
