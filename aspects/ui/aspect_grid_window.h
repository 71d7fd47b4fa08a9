#pragma once
// TAspq: the separation grid of one chart or between two charts.
#include "drawing/ui/picture_window.h"

namespace omvera {

class TAspq : public PictureWindow {
    Q_OBJECT
  public:
    explicit TAspq(Application& app) : PictureWindow(app, "TAspq") {}
    void SyncFromModel() override;

  protected:
    bool* VisibleFlag() override;
};

} // namespace omvera
