#include "aspects/ui/aspect_grid_window.h"

#include "app/state.h"
#include "drawing/ui/painter_canvas.h"
#include "drawing/ui/picture_widget.h"

namespace omvera {

TAspq::TAspq(Application& app) : FormWindow(app, "TAspq") {
    Picture = new PictureWidget(this);
    Picture->setObjectName("Picture");
    Picture->setGeometry(0, 0, width(), height());
    canvas_ = std::make_unique<PainterCanvas>(Picture->Bitmap());
    canvas_->SetSize(width(), height());
}

TAspq::~TAspq() = default;

bool* TAspq::VisibleFlag() {
    return &state().Views.AspqVisible;
}

void TAspq::resizeEvent(QResizeEvent* e) {
    FormWindow::resizeEvent(e);
    Picture->setGeometry(0, 0, width(), height());
    canvas_->SetSize(width(), height());
}

void TAspq::SyncFromModel() {
    setWindowTitle(QString::fromUtf8(state().Views.AspqCaption));
    SyncVisibility();
    Picture->update();
}

} // namespace omvera
