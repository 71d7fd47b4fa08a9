#pragma once
// A window that is one white picture filling it, drawn into the picture's bitmap so that
// what is drawn survives repaints (the view window TProsm, the grid window TAspq).
#include "app/ui/form_window.h"

#include <memory>
#include <string>

namespace omvera {

class PainterCanvas;
class PictureWidget;

class PictureWindow : public FormWindow {
    Q_OBJECT
  public:
    PictureWindow(Application& app, const char* className);
    ~PictureWindow() override;

    PictureWidget* Picture = nullptr;
    // Its size is the window's size, which the drawing reads as the window's extent.
    PainterCanvas& Canvas() { return *canvas_; }

  protected:
    void resizeEvent(QResizeEvent* e) override;
    // Caption and visibility from the model; the picture repainted.
    void SyncPictureWindow(const std::string& caption);

  private:
    std::unique_ptr<PainterCanvas> canvas_;
};

} // namespace omvera
