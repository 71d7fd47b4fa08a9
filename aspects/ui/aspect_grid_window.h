#pragma once
// TAspq: the separation grid of one chart or between two charts, drawn into the bitmap of
// its white picture so that it survives repaints.
#include "app/ui/form_window.h"

#include <memory>

namespace omvera {

class PainterCanvas;
class PictureWidget;

class TAspq : public FormWindow {
    Q_OBJECT
  public:
    explicit TAspq(Application& app);
    ~TAspq() override;
    void SyncFromModel() override;

    PictureWidget* Picture = nullptr;
    // Its size is the window's size, which the grid headers read as the window's extent.
    PainterCanvas& Canvas() { return *canvas_; }

  protected:
    bool* VisibleFlag() override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    std::unique_ptr<PainterCanvas> canvas_;
};

} // namespace omvera
