#pragma once
// TProsm: the position and house columns of chart 1 or chart 2 in a window of their own.
#include "drawing/ui/picture_window.h"

namespace omvera {

class TProsm : public PictureWindow {
    Q_OBJECT
  public:
    explicit TProsm(Application& app) : PictureWindow(app, "TProsm") {}
    void SyncFromModel() override;

  protected:
    bool* VisibleFlag() override;
};

} // namespace omvera
