#include "drawing/ui/picture_window.h"

#include "drawing/ui/painter_canvas.h"
#include "drawing/ui/picture_widget.h"

namespace omvera {

PictureWindow::PictureWindow(Application& app, const char* className) : FormWindow(app, className) {
    Picture = new PictureWidget(this);
    Picture->setObjectName("Picture");
    Picture->setGeometry(0, 0, width(), height());
    canvas_ = std::make_unique<PainterCanvas>(Picture->Bitmap());
    canvas_->SetSize(width(), height());
}

PictureWindow::~PictureWindow() = default;

void PictureWindow::resizeEvent(QResizeEvent* e) {
    FormWindow::resizeEvent(e);
    Picture->setGeometry(0, 0, width(), height());
    canvas_->SetSize(width(), height());
}

void PictureWindow::SyncPictureWindow(const std::string& caption) {
    setWindowTitle(QString::fromUtf8(caption));
    SyncVisibility();
    Picture->update();
}

} // namespace omvera
