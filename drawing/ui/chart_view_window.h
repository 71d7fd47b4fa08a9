#pragma once
// TProsm: the position and house columns of one chart in a window of their own. The columns
// are drawn into the bitmap of its picture, so they survive repaints.
#include "app/ui/form_window.h"

#include <memory>

namespace omvera {

class PainterCanvas;
class PictureWidget;

class TProsm : public FormWindow {
    Q_OBJECT
  public:
    explicit TProsm(Application& app);
    ~TProsm() override;
    void SyncFromModel() override;

    PictureWidget* Picture = nullptr;
    PainterCanvas& Canvas() { return *canvas_; }

  protected:
    bool* VisibleFlag() override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    std::unique_ptr<PainterCanvas> canvas_;
};

} // namespace omvera
