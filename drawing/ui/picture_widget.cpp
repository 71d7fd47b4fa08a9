#include "drawing/ui/picture_widget.h"

#include <QPainter>

namespace omvera {

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& PictureWidget::Bitmap() {
    const int w = std::max(width(), 1), h = std::max(height(), 1);
    if (bitmap_.isNull() || bitmap_.width() < w || bitmap_.height() < h) {
        QImage grown(std::max(w, bitmap_.width()), std::max(h, bitmap_.height()),
                     QImage::Format_RGB32);
        grown.fill(Qt::white);
        if (!bitmap_.isNull()) {
            QPainter p(&grown);
            p.drawImage(0, 0, bitmap_);
        }
        bitmap_ = std::move(grown);
    }
    return bitmap_;
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!bitmap_.isNull()) p.drawImage(0, 0, bitmap_);
}

} // namespace omvera
