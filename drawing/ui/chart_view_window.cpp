#include "drawing/ui/chart_view_window.h"

#include "app/state.h"
#include "drawing/ui/painter_canvas.h"
#include "drawing/ui/picture_widget.h"

namespace omvera {

TProsm::TProsm(Application& app) : FormWindow(app, "TProsm") {
    Picture = new PictureWidget(this);
    Picture->setObjectName("Picture");
    Picture->setGeometry(0, 0, width(), height());
    canvas_ = std::make_unique<PainterCanvas>(Picture->Bitmap());
    canvas_->SetSize(width(), height());
}

TProsm::~TProsm() = default;

bool* TProsm::VisibleFlag() {
    return &state().Views.ProsmVisible;
}

void TProsm::resizeEvent(QResizeEvent* e) {
    FormWindow::resizeEvent(e);
    Picture->setGeometry(0, 0, width(), height());
    canvas_->SetSize(width(), height());
}

void TProsm::SyncFromModel() {
    setWindowTitle(QString::fromUtf8(state().Views.ProsmCaption));
    SyncVisibility();
    Picture->update();
}

} // namespace omvera
